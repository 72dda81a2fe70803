#include "ui/calibration/DlgVN62Abgl.h"

CDlgVN62Abgl::CDlgVN62Abgl(CAbgleichdaten& record, QWidget* parent)
    : CDlgAbgleichdaten(record, tr("VN62 Abgleichdaten"), QStringLiteral("dlgVN62Abgl"), parent) {
    const QString statisch = tr("Statischer Druckmessbreich");
    const QString werksNote = tr("10000 = neutral,\n 9000  = -10% \n11000 = +10%");
    const QList<CAbglEintraege::Beschriftung> rows{
        {"m_nAdc", tr("P1-Druckabgleich ADC0:"), QString()},
        {"m_nAdc2", tr("P2-Druckabgleich ADC1"), QString()},
        {"m_nDac", tr("Analogausgang 0: DAC0"), QString()},
        {"m_nDac2", tr("Analogausgang 1: DAC1"), QString()},
        {"m_nTemperaturAdc", tr("TemperaturADC"), QString()},
        {"m_nWerksOffset", tr("Werks-Offsetabgleich") + QStringLiteral(" ") + tr("P1:"), QString()},
        {"m_nWerksSpanne", tr("Werks-Spanneabgleich") + QStringLiteral(" ") + tr("P1:"), werksNote},
        {"m_nWerksOffset2", tr("Werks-Offsetabgleich") + QStringLiteral(" ") + tr("P2:"), QString()},
        {"m_nWerksSpanne2", tr("Werks-Spanneabgleich") + QStringLiteral(" ") + tr("P2:"), werksNote},
        {"m_nKommaPos", tr("KommaPos"), QString(), {}, statisch},
        {"m_nBereichAnfang", tr("Messbereich"), QString(), {}, statisch},
        {"m_nBereichEnde", tr("Messbereich"), QString(), {}, statisch},
        {"m_nAbglBereichAnfang", tr("Abgleichsbereich"), QString(), {}, statisch},
        {"m_nAbglBereichEnde", tr("Abgleichsbereich"), QString(), {}, statisch},
        {"m_nGain", tr("Gain"), QString(), {}, statisch},
        {"m_nAbglEinheit", tr("Einheit"), QString(), {}, statisch},
        {"m_nEnableParametrierung", tr("EnableFernParametrierung"), QString(), {}, statisch},
        {"m_fTkOffset", tr("TK-Offset"), QString(), {}, tr("P1")},
        {"m_fTkSpanne", tr("TK-Spanne"), QString(), {}, tr("P1")},
        {"m_fTkOffset2", tr("TK-Offset"), QString(), {}, tr("P2")},
        {"m_fTkSpanne2", tr("TK-Spanne"), QString(), {}, tr("P2")},
    };
    Build(CAbgleichRecordRules::Load(record, CAbgleichRecordRules::Form::VN62, false), rows);
}
