#include "calibration/AbglWizardRules.h"

#include "base/NumberField.h"
#include "base/TypKatalog.h"
#include "base/Utils.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::array<const char*, 4> kTransmitter = {
    QT_TRANSLATE_NOOP("CAbglWizardRules", "RX26 - RX30 2Leiter"),
    QT_TRANSLATE_NOOP("CAbglWizardRules", "RX26 - RX30 3Leiter"),
    QT_TRANSLATE_NOOP("CAbglWizardRules", "KA52 / 53 2Leiter"),
    QT_TRANSLATE_NOOP("CAbglWizardRules", "KA28 3Leiter"),
};

constexpr std::array<const char*, 8> kEinheiten = {
    QT_TRANSLATE_NOOP("CAbglWizardRules", "keine"), QT_TRANSLATE_NOOP("CAbglWizardRules", "bar"),
    QT_TRANSLATE_NOOP("CAbglWizardRules", "mbar"),  QT_TRANSLATE_NOOP("CAbglWizardRules", "Pa"),
    QT_TRANSLATE_NOOP("CAbglWizardRules", "kPa"),   QT_TRANSLATE_NOOP("CAbglWizardRules", "°C"),
    QT_TRANSLATE_NOOP("CAbglWizardRules", "°F"),    QT_TRANSLATE_NOOP("CAbglWizardRules", "%"),
};

constexpr int kSerialLength = 16;

} // namespace

QStringList CAbglWizardRules::TransmitterTexts() {
    QStringList texts;
    for (const char* text : kTransmitter) {
        texts << tr(text);
    }
    return texts;
}

int CAbglWizardRules::TransmitterIndex(int nTyp) {
    const std::vector<int> typen = CTypKatalog::WizardTypen();
    const auto it = std::find(typen.begin(), typen.end(), nTyp);
    return it == typen.end() ? 0 : static_cast<int>(it - typen.begin());
}

int CAbglWizardRules::TypForTransmitterIndex(int nIndex) {
    const std::vector<int> typen = CTypKatalog::WizardTypen();
    return nIndex >= 0 && nIndex < static_cast<int>(typen.size()) ? typen.at(static_cast<std::size_t>(nIndex))
                                                                  : typen.front();
}

bool CAbglWizardRules::HasKA28Presets(int nTyp) {
    return CTypKatalog::WizardOf(nTyp) == CTypKatalog::Wizard::KA28;
}

QStringList CAbglWizardRules::EinheitTexts() {
    QStringList texts;
    for (const char* text : kEinheiten) {
        texts << tr(text);
    }
    return texts;
}

QString CAbglWizardRules::EinheitLabel(int nEinheit) {
    if (nEinheit <= 0 || nEinheit >= static_cast<int>(kEinheiten.size())) {
        return QString();
    }
    return tr(kEinheiten[static_cast<std::size_t>(nEinheit)]);
}

int CAbglWizardRules::SuggestedDecimals(double start, double end) {
    const double m = std::max(std::fabs(start), std::fabs(end));
    if (m <= 6) {
        return 3;
    }
    if (m <= 60) {
        return 2;
    }
    return m <= 600 ? 1 : 0;
}

double CAbglWizardRules::Scale(int nKommaPos) {
    return CUtils::PowerOfTen(nKommaPos);
}

qint32 CAbglWizardRules::Truncate(double x) {
    const double tenths = CUtils::RoundTenths(static_cast<float>(x));
    if (!std::isfinite(tenths)) {
        return 0;
    }
    return static_cast<qint32>(std::clamp(std::trunc(tenths), -2147483648.0, 2147483647.0));
}

bool CAbglWizardRules::AdcRowEnabled(int nRow, int nPoints) {
    if (nRow == 0 || nRow == 4 || nPoints >= 5) {
        return true;
    }
    return nPoints == 3 && nRow == 2;
}

void CAbglWizardRules::FillAdcRows(std::array<qint32, 5>& rows, int nPoints) {
    const bool bMitte = AdcRowEnabled(2, nPoints);
    const qint32 first = rows[0];
    const qint32 last = rows[4];
    if (!bMitte) {
        rows[2] = (last + first) / 2;
    }
    if (!AdcRowEnabled(1, nPoints)) {
        rows[1] = bMitte ? (rows[2] + first) / 2 : first + (last - first + 2) / 4;
    }
    if (!AdcRowEnabled(3, nPoints)) {
        rows[3] = bMitte ? (last + rows[2]) / 2 : first + (last - first + 2) * 3 / 4;
    }
}

qint32 CAbglWizardRules::DacMiddle(qint32 start, qint32 end) {
    return (start + end) / 2;
}

std::array<QString, 5> CAbglWizardRules::AdcLabels(const CAbgleichdaten& record) {
    const double s = Scale(record.m_nKommaPos);
    const double a = record.m_nAbglBereichAnfang / s;
    const double e = record.m_nAbglBereichEnde / s;
    const double m = (a + e) * 0.5;
    const QString unit = EinheitLabel(record.m_nAbglEinheit);
    std::array<QString, 5> labels;
    const double points[] = {a, (m + a) * 0.5, m, (m + e) * 0.5, e};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        labels[i] = QString::asprintf("%1.4f %s", points[i], unit.toUtf8().constData());
    }
    return labels;
}

std::array<QString, 3> CAbglWizardRules::DacLabels(const CAbgleichdaten& record) {
    const double start = record.m_nDac[3];
    const double end = record.m_nDac[4];
    return {QString::asprintf("%2.2f", start / 100), QString::asprintf("%2.2f", (start + end) / 200),
            QString::asprintf("%2.2f", end / 100)};
}

QByteArray CAbglWizardRules::SerialText(const QString& first, const QString& second, const QString& third) {
    const QString text = first.trimmed().rightJustified(6, QLatin1Char('0')) + QLatin1Char('.') +
                         second.trimmed().rightJustified(2, QLatin1Char('0')) + QLatin1Char('.') +
                         third.trimmed().rightJustified(3, QLatin1Char('0'));
    // The record and the transmitter keep 16 characters: what the edits cannot hold is cut, never sent.
    return text.toLatin1().leftJustified(kSerialLength, ' ', true);
}

std::array<QString, 3> CAbglWizardRules::SerialParts(const QByteArray& text) {
    const auto part = [&text](int nFrom, int nWidth, int nMinLength) {
        const int value = text.size() < nMinLength ? 0 : text.mid(nFrom, nWidth).trimmed().toInt();
        return QString::number(std::max(value, 0)).rightJustified(nWidth, QLatin1Char('0'));
    };
    return {part(0, 6, 7), part(7, 2, 10), part(10, 3, 13)};
}

QString CAbglWizardRules::StepSerial(const QString& part, int nWidth, int nStep) {
    const int nMax = nWidth == 2 ? 99 : 999;
    const int value = std::clamp(part.toInt() + nStep, 0, nMax);
    return QString::number(value).rightJustified(nWidth, QLatin1Char('0'));
}

CAbglWizardRules::AusgangsBereich CAbglWizardRules::QuickOutput(Ausgang ausgang) {
    switch (ausgang) {
    case Ausgang::V10:
        return {0, 10, true, false};
    case Ausgang::V5:
        return {0, 5, true, false};
    case Ausgang::MA20:
        return {0, 20, false, false};
    case Ausgang::MA4bis20:
        return {4, 20, false, true};
    }
    return {4, 20, false, true};
}

CAbglWizardRules::Grenzen CAbglWizardRules::OutputLimits(bool bSpannung, bool bLiveZero) {
    if (bSpannung) {
        return {0, 10.5, 0};
    }
    return bLiveZero ? Grenzen{3.5, 22.5, 3.5} : Grenzen{0, 22.5, 0};
}

void CAbglWizardRules::ResetRecord(CAbgleichdaten& record, int nTyp, bool bFirstPass) {
    record.m_nAdc = {20000, 25000, 30000, 35000, 40000};
    record.m_nTemperaturAdc[0] = 35000;
    record.m_nTemperaturAdc[1] = 45000;
    if (bFirstPass) {
        const bool bKA28 = HasKA28Presets(nTyp);
        record.m_nBereichAnfang = 0;
        record.m_nBereichEnde = static_cast<qint16>(bKA28 ? -5000 : 1000);
        record.m_nKommaPos = bKA28 ? 2 : 3;
        record.m_nGain = bKA28 ? 5 : 4;
        record.m_nAbglEinheit = bKA28 ? 2 : 1;
        record.m_nAbglBereichAnfang = record.m_nBereichAnfang;
        record.m_nAbglBereichEnde = record.m_nBereichEnde;
    }
    record.m_nWerksOffset = 0;
    record.m_nWerksSpanne = 10000;
    record.m_nEnableParametrierung = 1;
    record.m_fTkOffset = {};
    record.m_fTkSpanne = {};
    record.m_szSeriennummer.fill(' ');
    record.m_nDac[3] = 400;
    record.m_nDac[4] = 2000;
}

QString CAbglWizardRules::RangeText(double lo, double hi) {
    return CNumberField::MsgZahlZwischen(lo, hi, QLocale());
}
