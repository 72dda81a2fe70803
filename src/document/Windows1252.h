#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

/// The 8-bit code page of the transmitter texts and of the document files: Windows-1252. The earlier
/// Windows program wrote its files in it and the transmitters show it, so texts stay in these bytes
/// everywhere and are converted only where a person reads or types them.
///
/// 0x80 to 0x9F hold the 32 special code points of the code page; the five bytes it leaves undefined
/// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same value, as Windows does, so
/// that every byte survives the round trip to a QString and back. All other bytes are Latin-1.
class CWindows1252 {
public:
    static QString ToUnicode(QByteArrayView bytes);
    /// Every character the code page cannot hold becomes one "?" (a surrogate pair counts as one
    /// character): the text keeps its shape and stays readable, which is what a technician needs of a
    /// tag, and nothing is dropped silently.
    static QByteArray FromUnicode(QStringView text);

private:
    static char FromCodePoint(char32_t ch);
};
