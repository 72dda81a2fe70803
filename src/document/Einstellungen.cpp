#include "document/Einstellungen.h"

#include "document/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

QString CfgPfad(const QString& programDir) {
    return QDir(programDir).filePath(CEinstellungen::CfgDateiName());
}

} // namespace

QString CEinstellungen::CfgDateiName() {
    return QStringLiteral("QlSet.cfg");
}

QString CEinstellungen::DefaultFreigabePasswort() {
    return QStringLiteral("qxv");
}

QByteArray CEinstellungen::ScrambleText(const QByteArray& text) {
    QByteArray scrambled;
    scrambled.reserve(text.size());
    for (const char c : text) {
        const char upper = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        scrambled.append(static_cast<char>(128 - static_cast<unsigned char>(upper)));
    }
    return scrambled;
}

QString CEinstellungen::ScrambleText(const QString& text) {
    return CWindows1252::ToUnicode(ScrambleText(CWindows1252::FromUnicode(text)));
}

QString CEinstellungen::ReadCfgText(const QString& programDir) {
    QFile file(CfgPfad(programDir));
    if (!file.open(QIODevice::ReadOnly)) {
        return DefaultFreigabePasswort();
    }
    const QByteArray laenge = file.read(2);
    if (laenge.size() < 2) {
        return DefaultFreigabePasswort();
    }
    const int n = static_cast<unsigned char>(laenge[0]) | (static_cast<unsigned char>(laenge[1]) << 8);
    if (n > kCfgMaxLaenge) {
        return DefaultFreigabePasswort();
    }
    QByteArray text = file.read(n);
    if (text.size() < n) {
        return DefaultFreigabePasswort();
    }
    if (const qsizetype ende = text.indexOf('\0'); ende >= 0) {
        text.truncate(ende);
    }
    return CWindows1252::ToUnicode(ScrambleText(text));
}

bool CEinstellungen::WriteCfgText(const QString& programDir, const QString& text) {
    const QByteArray scrambled = ScrambleText(CWindows1252::FromUnicode(text));
    if (scrambled.size() > kCfgMaxLaenge) {
        return false;
    }
    QByteArray bytes;
    bytes.append(static_cast<char>(scrambled.size() & 0xFF));
    bytes.append(static_cast<char>(scrambled.size() >> 8));
    bytes.append(scrambled);
    QSaveFile file(CfgPfad(programDir));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}
