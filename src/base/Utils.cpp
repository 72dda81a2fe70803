#include "base/Utils.h"

#include "core/ProgramError.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr int kMaxDecimals = 4;
constexpr int kMaxNumberFrameLength = 20;
constexpr int kMaxFixedPrecision = 100;

qint32 SaturateToInt(double v) {
    if (std::isnan(v)) {
        return 0;
    }
    if (v >= static_cast<double>(std::numeric_limits<qint32>::max())) {
        return std::numeric_limits<qint32>::max();
    }
    if (v <= static_cast<double>(std::numeric_limits<qint32>::min())) {
        return std::numeric_limits<qint32>::min();
    }
    return static_cast<qint32>(v);
}

/// Scans the leading decimal number of a text: blanks, sign, digits, separator, digits, exponent.
/// Returns it in C form (with a point) or an empty text when there is none.
std::string LeadingNumber(QByteArrayView text, char separator) {
    qsizetype i = 0;
    const qsizetype size = text.size();
    while (i < size && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r')) {
        ++i;
    }
    std::string number;
    if (i < size && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') {
            number += '-';
        }
        ++i;
    }
    auto takeDigits = [&] {
        qsizetype count = 0;
        while (i < size && text[i] >= '0' && text[i] <= '9') {
            number += text[i++];
            ++count;
        }
        return count;
    };
    qsizetype digits = takeDigits();
    if (i < size && text[i] == separator) {
        const qsizetype mark = i;
        ++i;
        number += '.';
        const qsizetype fraction = takeDigits();
        if (digits + fraction == 0) {
            i = mark;
            number.pop_back();
        }
        digits += fraction;
    }
    if (digits == 0) {
        return std::string();
    }
    if (i < size && (text[i] == 'e' || text[i] == 'E')) {
        const std::string mantissa = number;
        const qsizetype mark = i;
        number += 'e';
        ++i;
        if (i < size && (text[i] == '+' || text[i] == '-')) {
            number += text[i++];
        }
        if (takeDigits() == 0) {
            number = mantissa;
            i = mark;
        }
    }
    return number;
}

double ParseCNumber(const std::string& number) {
    if (number.empty()) {
        return 0.0;
    }
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Like the C conversion: overflow gives the largest value with the sign, underflow zero.
        const bool negative = number.front() == '-';
        const bool tiny = number.find("e-") != std::string::npos;
        return tiny ? 0.0 : (negative ? -HUGE_VAL : HUGE_VAL);
    }
    return value;
}

} // namespace

int CUtils::RoundFloat(float& value, int n) {
    if (n <= 0) {
        return 0;
    }
    const float factor = static_cast<float>(PowerOfTen(n));
    const float scaled = value * factor;
    const double rounded = std::trunc(static_cast<double>(scaled) + (scaled > 0 ? 0.5 : -0.5));
    const qint32 k = SaturateToInt(rounded);
    if (static_cast<double>(k) == rounded) {
        value = static_cast<float>(k) / factor;
    }
    return k;
}

void CUtils::RoundDouble(double& value, int n) {
    if (n <= 0) {
        return;
    }
    const double factor = PowerOfTen(n);
    const double scaled = value * factor;
    value = std::trunc(scaled + (scaled > 0 ? 0.5 : -0.5)) / factor;
}

float CUtils::RoundTenths(float value) {
    RoundFloat(value, 1);
    return value;
}

qint32 CUtils::RoundToInt(double x) {
    return SaturateToInt(std::trunc(x + (x > 0 ? 0.5 : -0.5)));
}

float CUtils::ShortToFloat(qint32 value) {
    return static_cast<float>(static_cast<qint16>(value & 0xFFFF));
}

float CUtils::IntToFloat(qint32 value) {
    return static_cast<float>(value);
}

int CUtils::HexDigitValue(char c) {
    const int code = static_cast<unsigned char>(c);
    return code <= '9' ? code - '0' : code - 'A' + 10;
}

QByteArray CUtils::ByteToHex(quint8 value) {
    QByteArray text(2, '0');
    text[0] = kHexDigits[value >> 4];
    text[1] = kHexDigits[value & 0x0F];
    return text;
}

QByteArray CUtils::WordToHexLowFirst(quint16 value) {
    return ByteToHex(static_cast<quint8>(value & 0xFF)) + ByteToHex(static_cast<quint8>(value >> 8));
}

QByteArray CUtils::WordToHexHighFirst(quint16 value) {
    return ByteToHex(static_cast<quint8>(value >> 8)) + ByteToHex(static_cast<quint8>(value & 0xFF));
}

QByteArray CUtils::DwordToHexLowFirst(quint32 value) {
    QByteArray text;
    for (int byte = 0; byte < 4; ++byte) {
        text += ByteToHex(static_cast<quint8>((value >> (8 * byte)) & 0xFF));
    }
    return text;
}

quint32 CUtils::HexDigits(QByteArrayView text, int count) {
    if (text.size() < count) {
        throw CProgramError("hex text of " + std::to_string(text.size()) + " characters, " +
                            std::to_string(count) + " needed");
    }
    quint32 value = 0;
    for (int i = 0; i < count; ++i) {
        value = (value << 4) + static_cast<quint32>(HexDigitValue(text[i]));
    }
    return value;
}

quint16 CUtils::HexCharsToWord(QByteArrayView text) {
    return static_cast<quint16>(HexDigits(text, 4));
}

quint8 CUtils::HexToByte(QByteArrayView text) {
    return static_cast<quint8>(HexDigits(text, 2));
}

quint16 CUtils::HexToWord(QByteArrayView text) {
    return static_cast<quint16>(HexDigits(text, 4));
}

quint32 CUtils::HexToDword(QByteArrayView text) {
    return HexDigits(text, 8);
}

bool CUtils::ClampToShort(double x, qint16& out) {
    constexpr double kLimit = 32000.0;
    if (std::isnan(x)) {
        out = 0;
        return true;
    }
    if (x < -kLimit) {
        out = -32000;
        return true;
    }
    if (x > kLimit) {
        out = 32000;
        return true;
    }
    out = static_cast<qint16>(x);
    return false;
}

QByteArray CUtils::FormatFixed(double x, int precision) {
    // Decimals from a damaged file can be any number; no display shows more than these.
    precision = qMin(precision, kMaxFixedPrecision);
    // Exact decimal digits of the binary value; an exact tie goes away from zero.
    char buffer[512];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, precision + 30);
    if (result.ec == std::errc()) {
        const std::string digits(buffer, result.ptr);
        const std::size_t point = digits.find('.');
        if (point != std::string::npos) {
            const std::string tail = digits.substr(point + 1 + static_cast<std::size_t>(precision));
            if (!tail.empty() && tail.front() == '5' && tail.find_first_not_of('0', 1) == std::string::npos) {
                x = std::nextafter(x, x > 0 ? HUGE_VAL : -HUGE_VAL);
            }
        }
    }
    result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, precision);
    if (result.ec != std::errc()) {
        return QByteArray(); // only for values too large for any display
    }
    return QByteArray(buffer, result.ptr - buffer);
}

QByteArray CUtils::FormatScaled(float x, int n) {
    if (n < 0 || n > kMaxDecimals) {
        n = 0;
    }
    float scaled = x;
    for (int i = 0; i < n; ++i) {
        scaled = scaled * 10.0f;
    }
    QByteArray digits = FormatFixed(std::round(static_cast<double>(scaled)), 0);
    const bool negative = digits.startsWith('-');
    if (negative) {
        digits.remove(0, 1);
    }
    // "%+06.0f": the sign always, zeros between sign and digits up to six characters in all.
    const qsizetype zeros = qMax<qsizetype>(0, 5 - digits.size());
    return QByteArray(1, negative ? '-' : '+') + QByteArray(zeros, '0') + digits;
}

QString CUtils::FormatSigned(double x, int width, int precision, const QLocale& locale) {
    if (width < 0 || precision < 0) {
        width = 0;
        precision = 6;
    }
    QByteArray text = FormatFixed(x, precision);
    if (!text.startsWith('-')) {
        text.prepend('+');
    }
    QString result = QString::fromLatin1(text);
    result.replace(QLatin1Char('.'), locale.decimalPoint());
    if (result.size() < width) {
        result = result.rightJustified(width, QLatin1Char(' '));
    }
    return result;
}

double CUtils::ParseText(const QString& text, const QLocale& locale) {
    const QString point = locale.decimalPoint();
    const char separator = point.size() == 1 && point.at(0).unicode() < 128 ? point.at(0).toLatin1() : '.';
    const QByteArray latin = text.toLatin1();
    return ParseCNumber(LeadingNumber(latin, separator));
}

double CUtils::ParseText(QByteArrayView text) {
    return ParseCNumber(LeadingNumber(text, '.'));
}

int CUtils::ReplyDecimals(QByteArrayView frame, int n) {
    if (n == -1) {
        if (frame.size() < 2) {
            throw CProgramError("reply too short for its length byte");
        }
        const int length = static_cast<unsigned char>(frame[1]);
        if (length < 1 || length - 1 >= frame.size()) {
            throw CProgramError("reply shorter than its length byte says");
        }
        n = static_cast<unsigned char>(frame[length - 1]) - '0';
    }
    return (n < 0 || n > kMaxDecimals) ? 0 : n;
}

QByteArrayView CUtils::ReplyNumberText(QByteArrayView frame) {
    if (frame.size() < 2) {
        return QByteArrayView();
    }
    const qsizetype count = static_cast<unsigned char>(frame[1]) - 3;
    if (count <= 0) {
        return QByteArrayView();
    }
    return frame.sliced(2).first(qMin(count, frame.size() - 2));
}

double CUtils::ParseReplyValue(QByteArrayView frame, int n) {
    n = ReplyDecimals(frame, n);
    if (frame.size() >= 2 && static_cast<unsigned char>(frame[1]) > kMaxNumberFrameLength) {
        return 0.0;
    }
    double value = ParseText(ReplyNumberText(frame));
    for (int i = 0; i < n; ++i) {
        value /= 10.0;
    }
    return value;
}

double CUtils::ParseReplySigned16(QByteArrayView frame, int n) {
    n = ReplyDecimals(frame, n);
    if (frame.size() >= 2 && static_cast<unsigned char>(frame[1]) > kMaxNumberFrameLength) {
        return 0.0;
    }
    const QByteArrayView text = ReplyNumberText(frame);
    const double number = ParseText(text);
    const double k = std::trunc(number);
    double value = k < 32768.0 ? number : k - 65536.0;
    for (int i = 0; i < n; ++i) {
        value /= 10.0;
    }
    return value;
}

double CUtils::PowerOfTen(int n) {
    double value = 1.0;
    // Decimals from a damaged file or reply can be any number; past 10^308 the value stays infinite, so
    // the walk stops there instead of taking billions of steps.
    for (int i = 0; i < n && !std::isinf(value); ++i) {
        value *= 10.0;
    }
    return value;
}
