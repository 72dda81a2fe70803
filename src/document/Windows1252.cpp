#include "document/Windows1252.h"

#include <QList>
#include <array>

namespace {

/// The code points of the bytes 0x80 to 0x9F; an undefined byte stands for itself.
constexpr std::array<char16_t, 32> kSpecial = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr unsigned kSpecialFirst = 0x80;
constexpr unsigned kSpecialLast = 0x9F;

} // namespace

QString CWindows1252::ToUnicode(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (value >= kSpecialFirst && value <= kSpecialLast) {
            text.append(QChar(kSpecial[value - kSpecialFirst]));
        } else {
            text.append(QChar(value));
        }
    }
    return text;
}

char CWindows1252::FromCodePoint(char32_t ch) {
    if (ch < kSpecialFirst || (ch > kSpecialLast && ch <= 0xFF)) {
        return static_cast<char>(ch);
    }
    for (std::size_t i = 0; i < kSpecial.size(); ++i) {
        if (kSpecial[i] == ch) {
            return static_cast<char>(kSpecialFirst + i);
        }
    }
    return '?';
}

QByteArray CWindows1252::FromUnicode(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t ch : text.toUcs4()) {
        bytes.append(FromCodePoint(ch));
    }
    return bytes;
}

bool CWindows1252::IsStorable(QStringView text) {
    for (const char32_t ch : text.toUcs4()) {
        if (FromCodePoint(ch) == '?' && ch != U'?') {
            return false;
        }
    }
    return IsStorable(QByteArrayView(FromUnicode(text)));
}

bool CWindows1252::IsStorable(QByteArrayView bytes) {
    constexpr unsigned kFirstPrintable = 0x20;
    constexpr unsigned kDelete = 0x7F;
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        const bool bUndefined =
            value >= kSpecialFirst && value <= kSpecialLast && kSpecial[value - kSpecialFirst] == value;
        if (value < kFirstPrintable || value == kDelete || bUndefined) {
            return false;
        }
    }
    return true;
}
