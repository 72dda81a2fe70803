#include "ui/calibration/DlgRX31Abgl.h"

CDlgRX31Abgl::CDlgRX31Abgl(CAbgleichdaten& record, CAbgleichRecordRules::Form form, bool bErweitert,
                           QWidget* parent)
    : CDlgAbgleichdaten(record, tr("RX31 Abgleichdaten"), QStringLiteral("dlgRX31Abgl"), parent) {
    const QStringList polynom{QStringLiteral(" +"), QStringLiteral("* x +"), QStringLiteral("* x^2 +"),
                              QStringLiteral("* x ^ 3")};
    const QList<CAbglEintraege::Beschriftung> rows{
        {"m_nAdc", tr("adc"), QString()},
        {"m_nDac", tr("dac"), QString()},
        {"m_nTemperaturAdc", tr("TemperaturADC"), QString()},
        {"m_nWerksOffset", tr("Werks-Offsetabgleich"), QString()},
        {"m_nWerksSpanne", tr("Werks-Spanneabgleich"),
         tr("10000 = neutral; Wertebereich 9000 ( = -10%)  ... 11000 (+10%)")},
        {"m_nKommaPos", tr("KommaPos"), QString()},
        {"m_nBereichAnfang", tr("Messbereich"), QString()},
        {"m_nBereichEnde", tr("Messbereich"), QString()},
        {"m_nAbglBereichAnfang", tr("Abgleichsbereich"), QString()},
        {"m_nAbglBereichEnde", tr("Abgleichsbereich"), QString()},
        {"m_nGain", tr("Gain"), tr("0 = x1;  1 = x2;  2 = x4;  3 = x8;  4 = x16;  5 = x32 ")},
        {"m_nAbglEinheit", tr("Einheit"),
         tr("0 = keine Einheit, 1 = bar, 2 = mbar, 3 = Pa, 4 = kPa, 5 = °C, 6 = °F, 7 = %")},
        {"m_nEnableParametrierung", tr("EnableParametrierung"), QString()},
        {"m_fTkOffset", tr("TK-Formel Offset"), QString(), polynom},
        {"m_fTkSpanne", tr("TK-Formel Spanne"), QString(), polynom},
    };
    Build(CAbgleichRecordRules::Load(record, form, bErweitert), rows);
}
