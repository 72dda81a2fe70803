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
    /// True when every character of text is a printable character of the code page: a transmitter
    /// shows what it stores, so a control character (a tab, a line break, ESC) or one FromUnicode would
    /// turn into "?" is refused where a person or a script enters a text, rather than changed unseen.
    static bool IsStorable(QStringView text);
    /// The same for bytes already in the code page: no control byte and none the code page leaves
    /// undefined.
    static bool IsStorable(QByteArrayView bytes);

private:
    static char FromCodePoint(char32_t ch);
};
