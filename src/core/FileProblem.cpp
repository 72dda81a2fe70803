#include "core/FileProblem.h"

#include <QDir>
#include <QFileInfo>

QString CFileProblem::Reason(const QFileDevice& file, const QString& path, Zugriff zugriff) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return tr("Das ist ein Verzeichnis, keine Datei.");
    }
    if (zugriff == Zugriff::Lesen) {
        if (!info.exists()) {
            return tr("Die Datei existiert nicht.");
        }
        if (!info.isReadable()) {
            return tr("Keine Berechtigung, die Datei zu lesen.");
        }
    } else {
        const QFileInfo verzeichnis(info.absolutePath());
        if (!verzeichnis.isDir()) {
            return tr("Das Verzeichnis %1 existiert nicht.")
                .arg(QDir::toNativeSeparators(info.absolutePath()));
        }
        if ((info.exists() && !info.isWritable()) || !verzeichnis.isWritable()) {
            return tr("Keine Berechtigung, hier zu schreiben.");
        }
        if (file.error() == QFileDevice::ResourceError) {
            return tr("Der Datenträger ist voll.");
        }
    }
    return zugriff == Zugriff::Lesen ? tr("Lesefehler.") : tr("Schreibfehler.");
}
