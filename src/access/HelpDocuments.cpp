#include "access/HelpDocuments.h"

#include "core/Operator.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString CHelpDocuments::SoftwareFileName() {
    return QStringLiteral("hilfe_software.pdf");
}

QString CHelpDocuments::TransmitterFileName() {
    return QStringLiteral("hilfe_transmitter.pdf");
}

QStringList CHelpDocuments::SearchDirs(const QString& programDir) {
    QStringList dirs{programDir, QStringLiteral(QUILLON_INSTALL_DATADIR),
                     QDir(programDir).filePath(QStringLiteral("../share/quillon"))};
    for (const QString& dataDir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        dirs.append(QDir(dataDir).filePath(QStringLiteral("quillon")));
    }
    return dirs;
}

QString CHelpDocuments::Locate(const QString& fileName, const QStringList& dirs) {
    for (const QString& dir : dirs) {
        const QFileInfo info(QDir(dir).filePath(fileName));
        if (info.isFile() && info.isReadable()) {
            return QDir::cleanPath(info.absoluteFilePath());
        }
    }
    return QString();
}

QString CHelpDocuments::LocalizedFileName(const QString& fileName, bool bEnglish, const QStringList& dirs) {
    if (!bEnglish) {
        return fileName;
    }
    const QFileInfo info(fileName);
    const QString english = info.completeBaseName() + QStringLiteral("_en.") + info.suffix();
    return Locate(english, dirs).isEmpty() ? fileName : english;
}

bool CHelpDocuments::Open(const QString& fileName, const QStringList& dirs, const Opener& opener,
                          IOperator& op) {
    const QString path = Locate(fileName, dirs);
    if (path.isEmpty()) {
        op.Message(tr("Die Hilfedatei \"%1\" wurde nicht gefunden.\n\nGesucht in:\n%2")
                       .arg(fileName, dirs.join(QLatin1Char('\n'))),
                   QString(), IOperator::Icon::Warning);
        return false;
    }
    if (!opener(path)) {
        op.Message(tr("Die Hilfedatei \"%1\" konnte nicht geöffnet werden.\n\nIst ein Programm zum Anzeigen "
                      "von PDF-Dateien installiert?")
                       .arg(QDir::toNativeSeparators(path)),
                   QString(), IOperator::Icon::Warning);
        return false;
    }
    return true;
}
