#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

/// The release password file QlSet.cfg in the program directory, and the scrambling of passwords that
/// it shares with the program password of the profile (the profile's keys are CSettingsRegistry's).
class CEinstellungen {
public:
    static constexpr qsizetype kCfgMaxLaenge = 255;

    static QString CfgDateiName();
    /// What ReadCfgText gives when QlSet.cfg is missing or damaged.
    static QString DefaultFreigabePasswort();

    /// Passwords are stored scrambled: upper case first, then every byte b becomes (128 - b) mod 256.
    /// The same call unscrambles. Only a to z are raised: a code-page-wide upper case would change
    /// scrambled bytes that happen to be letters and break the way back.
    static QByteArray ScrambleText(const QByteArray& text);
    /// The same on a text for people, through the transmitter's code page.
    static QString ScrambleText(const QString& text);

    /// The release password from QlSet.cfg: two bytes little-endian length n (at most 255), then n
    /// scrambled bytes, taken up to a zero byte. A missing, short or overlong file gives "qxv".
    static QString ReadCfgText(const QString& programDir);
    /// Writes the password scrambled into QlSet.cfg through a temporary file, so the old password
    /// survives a failed write. A password of more than 255 bytes is not written, since it could
    /// never be read back. False when nothing was written; the caller may ignore it.
    static bool WriteCfgText(const QString& programDir, const QString& text);
};
