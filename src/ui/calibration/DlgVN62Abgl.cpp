#include "ui/calibration/DlgVN62Abgl.h"

CDlgVN62Abgl::CDlgVN62Abgl(CAbgleichdaten& record, QWidget* parent)
    : CDlgAbgleichdaten(record, tr("VN62 Abgleichdaten"), QStringLiteral("dlgVN62Abgl"), parent) {
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
        {"m_nKommaPos", tr("KommaPos"), QString()},
        {"m_nBereichAnfang", tr("Messbereich"), QString()},
        {"m_nBereichEnde", tr("Messbereich"), QString()},
        {"m_nAbglBereichAnfang", tr("Abgleichsbereich"), QString()},
        {"m_nAbglBereichEnde", tr("Abgleichsbereich"), QString()},
        {"m_nGain", tr("Gain"), QString()},
        {"m_nAbglEinheit", tr("Einheit"), QString()},
        {"m_nEnableParametrierung", tr("EnableFernParametrierung"), QString()},
        {"m_fTkOffset", tr("P1") + QStringLiteral(" ") + tr("TK-Offset"), QString()},
        {"m_fTkSpanne", tr("P1") + QStringLiteral(" ") + tr("TK-Spanne"), QString()},
        {"m_fTkOffset2", tr("P2") + QStringLiteral(" ") + tr("TK-Offset"), QString()},
        {"m_fTkSpanne2", tr("P2") + QStringLiteral(" ") + tr("TK-Spanne"), QString()},
    };
    Build(CAbgleichRecordRules::Load(record, CAbgleichRecordRules::Form::VN62, false), rows);
}
