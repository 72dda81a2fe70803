#include "calibration/AnalogAbgleichRules.h"

#include "base/NumberField.h"
#include "base/Utils.h"
#include "calibration/AbgleichFelder.h"
#include "calibration/AbgleichLayout.h"
#include "document/QuillonDoc.h"

namespace {

/// DAC entries 0..2 are the output's points; 3 and 4 hold the output range.
constexpr std::size_t kDacPoints = 3;
constexpr std::array<qint32, 5> kDefaultAdc{23504, 28828, 34152, 39476, 44800};
constexpr std::array<qint32, 5> kDefaultDac{610, 2000, 3388, 400, 2000};

struct RangeChoice {
    CAnalogAbgleichRules::OutputRange range;
    double start;
    double end;
};

constexpr RangeChoice kRanges[] = {
    {CAnalogAbgleichRules::OutputRange::Volt0To10, 0.0, 10.0},
    {CAnalogAbgleichRules::OutputRange::MilliAmp4To20, 4.0, 20.0},
    {CAnalogAbgleichRules::OutputRange::MilliAmp0To20, 0.0, 20.0},
};

QString IntegerText(int nMin, int nMax) {
    return CNumberField::MsgGanzeZahlZwischen(nMin, nMax, QLocale());
}

QString OutputText() {
    return CAnalogAbgleichRules::tr("Bitte eine Zahl zwischen 0 und 22.5 eingeben.");
}

} // namespace

bool CAnalogAbgleichRules::IsCompatible(int nTyp) {
    return CAbgleichLayout::HasRecord(nTyp);
}

QString CAnalogAbgleichRules::IncompatibleText() {
    return tr("Gerät nicht kompatibel!");
}

void CAnalogAbgleichRules::SetDefaultRecord(CAbgleichdaten& record) {
    record.m_nAdc = kDefaultAdc;
    record.m_nTemperaturAdc[0] = 34792;
    record.m_nTemperaturAdc[1] = 45128;
    record.m_nWerksOffset = 0;
    record.m_nWerksSpanne = 10000;
    record.m_nKommaPos = 3;
    record.m_nBereichAnfang = 0;
    record.m_nBereichEnde = 1000;
    record.m_nGain = 4;
    record.m_nAbglEinheit = 1;
    record.m_nEnableParametrierung = 1;
    record.m_fTkOffset = {};
    record.m_fTkSpanne = {};
    record.m_szSeriennummer.fill(' ');
    record.m_nAbglBereichAnfang = 0;
    record.m_nAbglBereichEnde = 1000;
}

void CAnalogAbgleichRules::SetDefaultDac(CAbgleichdaten& record) {
    record.m_nDac = kDefaultDac;
}

CAnalogAbgleichRules::Values CAnalogAbgleichRules::Load(const CQuillonDoc& doc) {
    Values values;
    values.record = doc.Abgleichdaten();
    if (!values.record.m_bGueltig) {
        SetDefaultRecord(values.record);
        SetDefaultDac(values.record);
    }
    TakeOutputRange(values);
    return values;
}

void CAnalogAbgleichRules::TakeOutputRange(Values& values) {
    values.fOutputStart = values.record.m_nDac[3] / 100;
    values.fOutputEnd = values.record.m_nDac[4] / 100;
}

CAnalogAbgleichRules::OutputRange CAnalogAbgleichRules::RangeOf(double fStart, double fEnd) {
    for (const RangeChoice& choice : kRanges) {
        if (fStart == choice.start && fEnd == choice.end) {
            return choice.range;
        }
    }
    return OutputRange::None;
}

void CAnalogAbgleichRules::SetRange(Values& values, OutputRange range) {
    for (const RangeChoice& choice : kRanges) {
        if (choice.range == range) {
            values.fOutputStart = choice.start;
            values.fOutputEnd = choice.end;
        }
    }
}

std::array<int, 5> CAnalogAbgleichRules::PointLabels(const CAbgleichdaten& record) {
    const int a = record.m_nAbglBereichAnfang;
    const int e = record.m_nAbglBereichEnde;
    return {a, a + (e - a) / 4, a + (e - a) / 2, a + (e - a) * 3 / 4, e};
}

int CAnalogAbgleichRules::StepDac(int nValue, int nDelta) {
    return qBound(0, nValue + nDelta, kDacMax);
}

std::optional<ValidationProblem> CAnalogAbgleichRules::Validate(const Values& values) {
    const CAbgleichdaten& r = values.record;
    std::optional<ValidationProblem> problem;
    const auto check = [&problem](Field field, qint32 value, int nMin, int nMax) {
        if (!problem && (value < nMin || value > nMax)) {
            problem = ValidationProblem::At(field, IntegerText(nMin, nMax));
        }
    };
    check(Field::BereichAnfang, r.m_nBereichAnfang, kBereichMin, kBereichMax);
    check(Field::BereichEnde, r.m_nBereichEnde, kBereichMin, kBereichMax);
    check(Field::AbglBereichAnfang, r.m_nAbglBereichAnfang, kBereichMin, kBereichMax);
    check(Field::AbglBereichEnde, r.m_nAbglBereichEnde, kBereichMin, kBereichMax);
    for (const qint32 adc : r.m_nAdc) {
        check(Field::Adc, adc, 0, kAdcMax);
    }
    for (std::size_t i = 0; i < kDacPoints; ++i) {
        check(Field::Dac, r.m_nDac.at(i), 0, kDacMax);
    }
    for (const double value : {values.fOutputStart, values.fOutputEnd}) {
        if (!problem && !(value >= 0.0 && value <= kOutputMax)) {
            problem = ValidationProblem::At(Field::Output, OutputText());
        }
    }
    return problem;
}

void CAnalogAbgleichRules::Apply(const Values& values, CQuillonDoc& doc) {
    CAbgleichdaten record = values.record;
    record.m_nDac[3] = CUtils::RoundToInt(values.fOutputStart * 100.0);
    record.m_nDac[4] = CUtils::RoundToInt(values.fOutputEnd * 100.0);
    // The document's valid flag tells whether its record came from a transmitter; sending keeps it.
    record.m_bGueltig = doc.Abgleichdaten().m_bGueltig;
    doc.Abgleichdaten() = record;
}

std::optional<QString> CAnalogAbgleichRules::ParseInteger(const QString& text, int nMin, int nMax,
                                                          int& value) {
    bool bOk = false;
    const int parsed = text.trimmed().toInt(&bOk);
    if (!bOk || parsed < nMin || parsed > nMax) {
        return IntegerText(nMin, nMax);
    }
    value = parsed;
    return std::nullopt;
}

std::optional<QString> CAnalogAbgleichRules::ParseOutput(const QString& text, double& value) {
    bool bOk = false;
    QString decimal = text.trimmed();
    const double parsed = decimal.replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&bOk);
    if (!bOk || !(parsed >= 0.0 && parsed <= kOutputMax)) {
        return OutputText();
    }
    value = parsed;
    return std::nullopt;
}
