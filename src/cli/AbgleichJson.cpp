#include "cli/AbgleichJson.h"

#include "calibration/AbgleichFelder.h"
#include "edit/SeriennummerRules.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <optional>

namespace {

using Field = CAbgleichFelder::Field;
using Kind = CAbgleichFelder::Kind;

const QString kTypKey = QStringLiteral("m_nTyp");
const QString kErweitertKey = QStringLiteral("m_bErweitert");
constexpr int kSerialLength = 16;

/// A float word that JSON cannot carry as a number: NaN, the infinities (a JSON writer makes them null)
/// and -0.0 (written as 0). Such a value goes into the file as a string holding its 32 bits in hex,
/// "0x7FC00000", and a write takes that string back bit for bit; every other float stays a plain number,
/// so that files of earlier versions read as before and a script sees the numbers it expects.
bool IsSpecial(float value) {
    return !std::isfinite(value) || (value == 0.0f && std::signbit(value));
}

QString BitsText(quint32 bits) {
    return QStringLiteral("0x") + QStringLiteral("%1").arg(bits, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<quint32> BitsFromText(const QString& text) {
    static const QRegularExpression kBits(QStringLiteral("^0x[0-9A-Fa-f]{8}$"));
    if (!kBits.match(text).hasMatch()) {
        return std::nullopt;
    }
    return text.mid(2).toUInt(nullptr, 16);
}

QJsonValue NumberValue(const CAbgleichdaten& record, const Field& field, int index) {
    const double value = CAbgleichFelder::Number(record, field.name, index);
    if (field.kind == Kind::Float) {
        const quint32 bits = CAbgleichFelder::FloatBits(record, field.name, index);
        if (IsSpecial(std::bit_cast<float>(bits))) {
            return BitsText(bits);
        }
        // The shortest text that reads back as the same float: 1e-05 stays 1e-05 in the file, not the
        // double nearest to the float, so that a script sees the number the technician entered.
        std::array<char, 32> text{};
        const auto result = std::to_chars(text.data(), text.data() + text.size(), static_cast<float>(value));
        return QByteArray(text.data(), result.ptr - text.data()).toDouble();
    }
    return static_cast<qint64>(value);
}

bool TakeNumber(const QJsonValue& value, const Field& field, int index, CAbgleichdaten& record,
                QString& error) {
    const QString key = field.count > 1 ? QStringLiteral("%1[%2]").arg(QLatin1String(field.name)).arg(index)
                                        : QLatin1String(field.name);
    if (field.kind == Kind::Float && value.isString()) {
        const std::optional<quint32> bits = BitsFromText(value.toString());
        if (!bits) {
            error = CAbgleichJson::tr("%1: eine Zahl oder die 32 Bit des Wertes (\"0x7FC00000\") erwartet.")
                        .arg(key);
            return false;
        }
        CAbgleichFelder::SetFloatBits(record, field.name, index, *bits);
        return true;
    }
    if (!value.isDouble()) {
        error = CAbgleichJson::tr("%1: eine Zahl erwartet.").arg(key);
        return false;
    }
    if (!CAbgleichFelder::InRange(field, value.toDouble())) {
        error = CAbgleichJson::tr("%1: %2 liegt außerhalb des Wertebereichs des Feldes.")
                    .arg(key)
                    .arg(value.toDouble());
        return false;
    }
    CAbgleichFelder::SetNumber(record, field.name, index, value.toDouble());
    return true;
}

bool TakeText(const QJsonValue& value, const Field& field, CAbgleichdaten& record, QString& error) {
    const QString text = value.toString();
    bool bLatin = true;
    for (const QChar c : text) {
        bLatin = bLatin && c.unicode() <= 0xFF;
    }
    if (!value.isString() || text.size() > kSerialLength || !bLatin) {
        error = CAbgleichJson::tr("%1: ein Text aus höchstens 16 Zeichen (Latin-1) erwartet.")
                    .arg(QLatin1String(field.name));
        return false;
    }
    // The serial-number dialog's form: an empty or garbled serial number would identify no transmitter.
    if (const std::optional<QString> problem = CSeriennummerRules::CheckStored(text)) {
        error = QLatin1String(field.name) + QStringLiteral(": ") + *problem;
        return false;
    }
    CAbgleichFelder::SetText(record, text);
    return true;
}

bool TakeField(const QJsonValue& value, const Field& field, CAbgleichdaten& record, QString& error) {
    if (field.kind == Kind::Text) {
        return TakeText(value, field, record, error);
    }
    if (field.count == 1) {
        return TakeNumber(value, field, 0, record, error);
    }
    const QJsonArray entries = value.toArray();
    if (!value.isArray() || entries.size() != field.count) {
        error = CAbgleichJson::tr("%1: eine Liste mit %2 Zahlen erwartet.")
                    .arg(QLatin1String(field.name))
                    .arg(field.count);
        return false;
    }
    for (int i = 0; i < field.count; ++i) {
        if (!TakeNumber(entries.at(i), field, i, record, error)) {
            return false;
        }
    }
    return true;
}

bool CheckForm(const QJsonObject& json, int nTyp, bool bErweitert, QString& error) {
    if (!json.value(kTypKey).isDouble()) {
        error = CAbgleichJson::tr("%1: eine Zahl erwartet.").arg(kTypKey);
        return false;
    }
    if (json.value(kTypKey).toDouble() != nTyp) {
        error = CAbgleichJson::tr("%1: die Datei gehört zu Typ %2, angeschlossen ist Typ %3.")
                    .arg(kTypKey)
                    .arg(json.value(kTypKey).toDouble())
                    .arg(nTyp);
        return false;
    }
    if (!json.value(kErweitertKey).isBool()) {
        error = CAbgleichJson::tr("%1: true oder false erwartet.").arg(kErweitertKey);
        return false;
    }
    if (json.value(kErweitertKey).toBool() != bErweitert) {
        error = bErweitert ? CAbgleichJson::tr("%1: die Datei gehört zu einem Transmitter ohne erweiterten "
                                               "Funktionsumfang, angeschlossen ist einer mit.")
                                 .arg(kErweitertKey)
                           : CAbgleichJson::tr("%1: die Datei gehört zu einem Transmitter mit erweitertem "
                                               "Funktionsumfang, angeschlossen ist einer ohne.")
                                 .arg(kErweitertKey);
        return false;
    }
    return true;
}

/// What the JSON reader found wrong, in the program's language (Qt's own texts are English).
QString ParseReason(QJsonParseError::ParseError error) {
    switch (error) {
    case QJsonParseError::UnterminatedObject:
        return CAbgleichJson::tr("ein Objekt ist nicht mit } abgeschlossen");
    case QJsonParseError::MissingNameSeparator:
        return CAbgleichJson::tr("nach einem Schlüssel fehlt der Doppelpunkt");
    case QJsonParseError::UnterminatedArray:
        return CAbgleichJson::tr("eine Liste ist nicht mit ] abgeschlossen");
    case QJsonParseError::MissingValueSeparator:
        return CAbgleichJson::tr("zwischen zwei Werten fehlt das Komma");
    case QJsonParseError::IllegalNumber:
        return CAbgleichJson::tr("ungültige Zahl");
    case QJsonParseError::TerminationByNumber:
        return CAbgleichJson::tr("die Datei endet mitten in einer Zahl");
    case QJsonParseError::IllegalEscapeSequence:
        return CAbgleichJson::tr("ungültige Escape-Folge in einem Text");
    case QJsonParseError::IllegalUTF8String:
        return CAbgleichJson::tr("ein Text ist kein gültiges UTF-8");
    case QJsonParseError::UnterminatedString:
        return CAbgleichJson::tr("ein Text ist nicht abgeschlossen");
    case QJsonParseError::MissingObject:
        return CAbgleichJson::tr("ein Objekt fehlt");
    case QJsonParseError::DeepNesting:
        return CAbgleichJson::tr("zu tief geschachtelt");
    case QJsonParseError::DocumentTooLarge:
        return CAbgleichJson::tr("die Datei ist zu groß");
    case QJsonParseError::GarbageAtEnd:
        return CAbgleichJson::tr("nach dem Ende folgen weitere Zeichen");
    case QJsonParseError::IllegalValue:
    case QJsonParseError::NoError:
        break;
    }
    return CAbgleichJson::tr("ungültiger Wert");
}

/// The key of a string token, escapes decoded ("m\u005fnGain" is m_nGain).
QString Decoded(const QByteArray& token) {
    return QJsonDocument::fromJson("[" + token + "]").array().at(0).toString();
}

/// The first key that occurs twice in one object of valid JSON text. Qt's reader keeps the last of them
/// without a word; a calibration record must not take a value the file names twice.
std::optional<QString> DoubleKey(const QByteArray& text) {
    QList<QSet<QString>> objects; // the keys of each object open here, innermost last
    QList<char> open;
    bool bKeyNext = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text.at(i);
        if (c == '"') {
            qsizetype end = i + 1;
            while (text.at(end) != '"') {
                end += text.at(end) == '\\' ? 2 : 1;
            }
            if (bKeyNext) {
                const QString key = Decoded(text.mid(i, end - i + 1));
                if (objects.last().contains(key)) {
                    return key;
                }
                objects.last().insert(key);
                bKeyNext = false;
            }
            i = end;
        } else if (c == '{' || c == '[') {
            open.append(c);
            if (c == '{') {
                objects.append(QSet<QString>());
            }
            bKeyNext = c == '{';
        } else if (c == '}' || c == ']') {
            if (open.takeLast() == '{') {
                objects.removeLast();
            }
        } else if (c == ',') {
            bKeyNext = !open.isEmpty() && open.last() == '{';
        }
    }
    return std::nullopt;
}

} // namespace

bool CAbgleichJson::Parse(const QByteArray& text, QJsonObject& json, QString& error) {
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = tr("Kein gültiges JSON (bei Zeichen %1): %2")
                    .arg(parseError.offset)
                    .arg(ParseReason(parseError.error));
        return false;
    }
    if (!document.isObject()) {
        error = tr("Die Datei enthält kein JSON-Objekt.");
        return false;
    }
    if (const std::optional<QString> key = DoubleKey(text)) {
        error = tr("%1: Schlüssel doppelt vorhanden.").arg(*key);
        return false;
    }
    json = document.object();
    return true;
}

QJsonObject CAbgleichJson::ToJson(const CAbgleichdaten& record, int nTyp, bool bErweitert) {
    QJsonObject json{{kTypKey, nTyp}, {kErweitertKey, bErweitert}};
    for (const Field& field : CAbgleichFelder::FieldsFor(nTyp, bErweitert)) {
        const QString key = QLatin1String(field.name);
        if (field.kind == Kind::Text) {
            json.insert(key, CAbgleichFelder::Text(record));
        } else if (field.count == 1) {
            json.insert(key, NumberValue(record, field, 0));
        } else {
            QJsonArray entries;
            for (int i = 0; i < field.count; ++i) {
                entries.append(NumberValue(record, field, i));
            }
            json.insert(key, entries);
        }
    }
    return json;
}

bool CAbgleichJson::FromJson(const QJsonObject& json, int nTyp, bool bErweitert, CAbgleichdaten& record,
                             QString& error) {
    if (!CheckForm(json, nTyp, bErweitert, error)) {
        return false;
    }
    QSet<QString> known{kTypKey, kErweitertKey};
    CAbgleichdaten taken = record;
    for (const Field& field : CAbgleichFelder::FieldsFor(nTyp, bErweitert)) {
        const QString key = QLatin1String(field.name);
        known.insert(key);
        if (!json.contains(key)) {
            error = tr("%1: Schlüssel fehlt.").arg(key);
            return false;
        }
        if (!TakeField(json.value(key), field, taken, error)) {
            return false;
        }
    }
    for (auto it = json.begin(); it != json.end(); ++it) {
        if (!known.contains(it.key())) {
            error = tr("%1: unbekannter Schlüssel für diesen Transmitter.").arg(it.key());
            return false;
        }
    }
    record = taken;
    return true;
}
