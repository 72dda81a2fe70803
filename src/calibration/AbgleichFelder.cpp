#include "calibration/AbgleichFelder.h"

#include "base/NumberField.h"
#include "calibration/AbgleichLayout.h"

#include <QLocale>
#include <cmath>
#include <cstring>

namespace {

using Kind = CAbgleichFelder::Kind;
using Field = CAbgleichFelder::Field;

template <std::size_t N>
double At(const std::array<qint32, N>& values, int index) {
    return values.at(static_cast<std::size_t>(index));
}

template <std::size_t N>
double At(const std::array<float, N>& values, int index) {
    return static_cast<double>(values.at(static_cast<std::size_t>(index)));
}

/// Numbers from here on round to infinity as a float: FLT_MAX plus half the step above it.
constexpr double kFloatGrenze = 3.4028235677973366e38;

bool FitsFloat(double value) {
    return std::isfinite(value) && std::abs(value) < kFloatGrenze;
}

bool Is(const char* name, const char* other) {
    return std::strcmp(name, other) == 0;
}

template <class Member>
struct Named {
    const char* name;
    Member CAbgleichdaten::*member;
};

const Named<std::array<qint32, 5>> kIntArrays5[] = {
    {"m_nAdc", &CAbgleichdaten::m_nAdc},
    {"m_nDac", &CAbgleichdaten::m_nDac},
    {"m_nAdc2", &CAbgleichdaten::m_nAdc2},
    {"m_nDac2", &CAbgleichdaten::m_nDac2},
};

const Named<std::array<float, 4>> kFloatArrays[] = {
    {"m_fTkOffset", &CAbgleichdaten::m_fTkOffset},
    {"m_fTkSpanne", &CAbgleichdaten::m_fTkSpanne},
    {"m_fTkOffset2", &CAbgleichdaten::m_fTkOffset2},
    {"m_fTkSpanne2", &CAbgleichdaten::m_fTkSpanne2},
};

/// The record's array of that name out of the table (const as the record is); nullptr when the name is
/// none of them.
template <class Record, class Member, std::size_t N>
auto ByName(Record& r, const char* name, const Named<Member> (&table)[N]) -> decltype(&(r.*table[0].member)) {
    for (const Named<Member>& entry : table) {
        if (Is(name, entry.name)) {
            return &(r.*entry.member);
        }
    }
    return nullptr;
}

/// The 32-bit arrays and float arrays by name; nullptr when the name is none of them.
template <class Record>
auto IntArray5(Record& r, const char* name) {
    return ByName(r, name, kIntArrays5);
}

template <class Record>
auto FloatArray(Record& r, const char* name) {
    return ByName(r, name, kFloatArrays);
}

struct Scalar {
    const char* name;
    qint16 CAbgleichdaten::*signedField;
    quint16 CAbgleichdaten::*unsignedField;
};

const Scalar kScalars[] = {
    {"m_nWerksOffset", &CAbgleichdaten::m_nWerksOffset, nullptr},
    {"m_nWerksSpanne", nullptr, &CAbgleichdaten::m_nWerksSpanne},
    {"m_nKommaPos", nullptr, &CAbgleichdaten::m_nKommaPos},
    {"m_nBereichAnfang", &CAbgleichdaten::m_nBereichAnfang, nullptr},
    {"m_nBereichEnde", &CAbgleichdaten::m_nBereichEnde, nullptr},
    {"m_nGain", nullptr, &CAbgleichdaten::m_nGain},
    {"m_nAbglEinheit", nullptr, &CAbgleichdaten::m_nAbglEinheit},
    {"m_nEnableParametrierung", nullptr, &CAbgleichdaten::m_nEnableParametrierung},
    {"m_nAbglBereichAnfang", &CAbgleichdaten::m_nAbglBereichAnfang, nullptr},
    {"m_nAbglBereichEnde", &CAbgleichdaten::m_nAbglBereichEnde, nullptr},
    {"m_nWerksOffset2", &CAbgleichdaten::m_nWerksOffset2, nullptr},
    {"m_nWerksSpanne2", nullptr, &CAbgleichdaten::m_nWerksSpanne2},
};

const Scalar* FindScalar(const char* name) {
    for (const Scalar& scalar : kScalars) {
        if (Is(name, scalar.name)) {
            return &scalar;
        }
    }
    return nullptr;
}

/// What a transmitter word of an integer field can hold.
struct WordRange {
    qint64 lo;
    qint64 hi;
};

WordRange RangeOf(CAbgleichFelder::Kind kind) {
    if (kind == CAbgleichFelder::Kind::Signed) {
        return {std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()};
    }
    return {0, std::numeric_limits<quint16>::max()};
}

} // namespace

int CAbgleichFelder::TemperaturAdcCount(Form form, bool bErweitert) {
    if (form == Form::KA71) {
        return 3;
    }
    return (bErweitert && form != Form::VN62) ? 3 : 2;
}

QList<Field> CAbgleichFelder::FieldsFor(int nTyp, bool bErweitert) {
    return FieldsFor(CAbgleichLayout::FormOf(nTyp), bErweitert);
}

QList<Field> CAbgleichFelder::FieldsFor(Form form, bool bErweitert) {
    const bool bKA71 = form == Form::KA71;
    QList<Field> fields{{"m_nAdc", Kind::Word, 5},
                        {"m_nDac", Kind::Word, 5},
                        {"m_nTemperaturAdc", Kind::Word, TemperaturAdcCount(form, bErweitert)}};
    if (!bKA71) {
        fields += {{"m_nWerksOffset", Kind::Signed, 1}, {"m_nWerksSpanne", Kind::Unsigned, 1}};
    }
    fields += {{"m_nKommaPos", Kind::Unsigned, 1},    {"m_nBereichAnfang", Kind::Signed, 1},
               {"m_nBereichEnde", Kind::Signed, 1},   {"m_nGain", Kind::Unsigned, 1},
               {"m_nAbglEinheit", Kind::Unsigned, 1}, {"m_nEnableParametrierung", Kind::Unsigned, 1},
               {"m_fTkOffset", Kind::Float, 4},       {"m_fTkSpanne", Kind::Float, 4},
               {"m_szSeriennummer", Kind::Text, 1}};
    if (!bKA71) {
        fields += {{"m_nAbglBereichAnfang", Kind::Signed, 1}, {"m_nAbglBereichEnde", Kind::Signed, 1}};
    }
    if (form == Form::VN62) {
        fields += {{"m_nAdc2", Kind::Word, 5},           {"m_nDac2", Kind::Word, 5},
                   {"m_fTkOffset2", Kind::Float, 4},     {"m_fTkSpanne2", Kind::Float, 4},
                   {"m_nWerksOffset2", Kind::Signed, 1}, {"m_nWerksSpanne2", Kind::Unsigned, 1}};
    }
    return fields;
}

double CAbgleichFelder::Number(const CAbgleichdaten& record, const char* name, int index) {
    if (const auto* values = IntArray5(record, name)) {
        return At(*values, index);
    }
    if (Is(name, "m_nTemperaturAdc")) {
        return At(record.m_nTemperaturAdc, index);
    }
    if (const auto* values = FloatArray(record, name)) {
        return At(*values, index);
    }
    const Scalar* scalar = FindScalar(name);
    if (scalar == nullptr) {
        return 0.0;
    }
    return scalar->signedField != nullptr ? record.*(scalar->signedField) : record.*(scalar->unsignedField);
}

void CAbgleichFelder::SetNumber(CAbgleichdaten& record, const char* name, int index, double value) {
    const auto entry = static_cast<std::size_t>(index);
    if (auto* values = IntArray5(record, name)) {
        values->at(entry) = static_cast<qint32>(value);
    } else if (Is(name, "m_nTemperaturAdc")) {
        record.m_nTemperaturAdc.at(entry) = static_cast<qint32>(value);
    } else if (auto* floats = FloatArray(record, name)) {
        floats->at(entry) = static_cast<float>(value);
    } else if (const Scalar* scalar = FindScalar(name)) {
        if (scalar->signedField != nullptr) {
            record.*(scalar->signedField) = static_cast<qint16>(value);
        } else {
            record.*(scalar->unsignedField) = static_cast<quint16>(value);
        }
    }
}

quint32 CAbgleichFelder::FloatBits(const CAbgleichdaten& record, const char* name, int index) {
    quint32 bits = 0;
    if (const auto* values = FloatArray(record, name)) {
        std::memcpy(&bits, &values->at(static_cast<std::size_t>(index)), sizeof bits);
    }
    return bits;
}

void CAbgleichFelder::SetFloatBits(CAbgleichdaten& record, const char* name, int index, quint32 bits) {
    if (auto* values = FloatArray(record, name)) {
        std::memcpy(&values->at(static_cast<std::size_t>(index)), &bits, sizeof bits);
    }
}

QString CAbgleichFelder::Text(const CAbgleichdaten& record) {
    // All sixteen characters, zero bytes included: a script that writes the text back unchanged must
    // leave the transmitter's words as they were.
    const auto& text = record.m_szSeriennummer;
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

void CAbgleichFelder::SetText(CAbgleichdaten& record, const QString& text) {
    // Blanks fill the rest, as a fresh record carries sixteen of them.
    const QByteArray latin =
        text.toLatin1().leftJustified(static_cast<qsizetype>(record.m_szSeriennummer.size()), ' ', true);
    std::copy(latin.begin(), latin.end(), record.m_szSeriennummer.begin());
}

QString CAbgleichFelder::Display(const CAbgleichdaten& record, const Field& field, int index) {
    if (field.kind == Kind::Text) {
        return Text(record);
    }
    const double value = Number(record, field.name, index);
    if (field.kind == Kind::Float) {
        return QString::number(value, 'g', 9);
    }
    return QString::number(static_cast<qint64>(value));
}

std::optional<double> CAbgleichFelder::ParseEntry(const Field& field, const QString& text, QString& error) {
    bool bOk = false;
    const QString trimmed = text.trimmed();
    if (field.kind == Kind::Float) {
        const double value = QLocale::c().toDouble(trimmed, &bOk);
        if (bOk && FitsFloat(value)) {
            return value;
        }
        error = tr("Bitte eine Zahl eingeben.");
        return std::nullopt;
    }
    const qint64 value = trimmed.toLongLong(&bOk);
    // A value beyond the word would be stored and written as its low bits: 70000 as 4464.
    const WordRange range = RangeOf(field.kind);
    if (!bOk || value < range.lo || value > range.hi) {
        error = CNumberField::MsgGanzeZahlZwischen(static_cast<int>(range.lo), static_cast<int>(range.hi),
                                                   QLocale());
        return std::nullopt;
    }
    return static_cast<double>(value);
}

bool CAbgleichFelder::InRange(const Field& field, double value) {
    switch (field.kind) {
    case Kind::Word:
    case Kind::Unsigned:
    case Kind::Signed: {
        const WordRange range = RangeOf(field.kind);
        return value == std::floor(value) && value >= range.lo && value <= range.hi;
    }
    case Kind::Float:
        return FitsFloat(value);
    case Kind::Text:
        break;
    }
    return true;
}
