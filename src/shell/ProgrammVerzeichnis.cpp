#include "shell/ProgrammVerzeichnis.h"

#include "document/Einstellungen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

CProgrammVerzeichnis::CProgrammVerzeichnis(QString programDir, QString dataDir, QString userDir)
    : m_strProgramDir(std::move(programDir))
    , m_strDataDir(std::move(dataDir))
    , m_strUserDir(std::move(userDir)) {}

CProgrammVerzeichnis CProgrammVerzeichnis::OfThisProgram() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return CProgrammVerzeichnis(QCoreApplication::applicationDirPath(),
                                QStringLiteral(QUILLON_INSTALL_DATADIR), config + QStringLiteral("/Quillon"));
}

QString CProgrammVerzeichnis::FindFile(const QString& name) const {
    for (const QString& dir : {m_strProgramDir, m_strDataDir}) {
        const QFileInfo file(QDir(dir), name);
        if (!dir.isEmpty() && file.isFile()) {
            return file.absoluteFilePath();
        }
    }
    return QString();
}

bool CProgrammVerzeichnis::IsWritableDir(const QString& dir) {
    const QFileInfo info(dir);
    return !dir.isEmpty() && info.isDir() && info.isWritable();
}

QString CProgrammVerzeichnis::CfgDir() const {
    if (IsWritableDir(m_strProgramDir)) {
        return m_strProgramDir;
    }
    QDir().mkpath(m_strUserDir);
    return m_strUserDir;
}
