#include "PgServer.h"

#include <QCollator>
#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <pwd.h>
#include <unistd.h>

namespace {

constexpr auto kOwner = "quillon";
constexpr int kPort = 5432;

/// The newest installed server's programs (Debian keeps them per major version).
QString ServerBin() {
    QStringList versions =
        QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCollator collator;
    collator.setNumericMode(true);
    std::sort(versions.begin(), versions.end(), collator);
    for (auto it = versions.crbegin(); it != versions.crend(); ++it) {
        const QString bin = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(*it);
        if (QFile::exists(bin + QStringLiteral("/pg_ctl"))) {
            return bin;
        }
    }
    return QString();
}

} // namespace

CPgServer::CPgServer()
    : m_dir(QDir::tempPath() + QStringLiteral("/pg-XXXXXX")) {}

CPgServer::~CPgServer() {
    if (m_bRunning) {
        Stop();
    }
}

bool CPgServer::Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setWorkingDirectory(m_dir.path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    const QString path = m_bin + QLatin1Char('/') + program;
    if (m_runAs.isEmpty()) {
        process.start(path, arguments);
    } else {
        process.start(QStringLiteral("setpriv"), QStringList{QStringLiteral("--reuid=") + m_runAs,
                                                             QStringLiteral("--regid=") + m_runAsGroup,
                                                             QStringLiteral("--clear-groups"), path} +
                                                     arguments);
    }
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        m_problem = program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(process.readAll()) +
                    process.errorString();
        return false;
    }
    return true;
}

bool CPgServer::Create() {
    m_bin = ServerBin();
    if (m_bin.isEmpty()) {
        m_problem = QStringLiteral("no PostgreSQL server installed (Debian package postgresql)");
        return false;
    }
    if (!m_dir.isValid()) {
        m_problem = QStringLiteral("no temporary folder");
        return false;
    }
    if (geteuid() == 0) {
        // The server refuses to run as root; the folder is handed to the unprivileged user.
        const passwd* nobody = getpwnam("nobody");
        if (nobody == nullptr) {
            m_problem =
                QStringLiteral("running as root and there is no user \"nobody\" to run the server as");
            m_bSkippable = true;
            return false;
        }
        m_runAs = QString::number(nobody->pw_uid);
        m_runAsGroup = QString::number(nobody->pw_gid);
        if (chown(QFile::encodeName(m_dir.path()).constData(), nobody->pw_uid, nobody->pw_gid) != 0) {
            m_problem = QStringLiteral("cannot hand the temporary folder to nobody");
            return false;
        }
    }
    return Run(QStringLiteral("initdb"),
               {QStringLiteral("-D"), m_dir.filePath(QStringLiteral("data")), QStringLiteral("-U"),
                QLatin1String(kOwner), QStringLiteral("-A"), QStringLiteral("trust"),
                QStringLiteral("--no-sync"), QStringLiteral("--no-locale"), QStringLiteral("-E"),
                QStringLiteral("UTF8")}) &&
           Start();
}

bool CPgServer::Start() {
    const QString options =
        QStringLiteral("-k %1 -c listen_addresses= -p %2 -F").arg(m_dir.path()).arg(kPort);
    m_bRunning = Run(QStringLiteral("pg_ctl"),
                     {QStringLiteral("-D"), m_dir.filePath(QStringLiteral("data")), QStringLiteral("-o"),
                      options, QStringLiteral("-l"), m_dir.filePath(QStringLiteral("server.log")),
                      QStringLiteral("-w"), QStringLiteral("start")});
    return m_bRunning;
}

bool CPgServer::Stop() {
    m_bRunning = false;
    return Run(QStringLiteral("pg_ctl"),
               {QStringLiteral("-D"), m_dir.filePath(QStringLiteral("data")), QStringLiteral("-m"),
                QStringLiteral("fast"), QStringLiteral("-w"), QStringLiteral("stop")});
}

QString CPgServer::Connection(const QString& database, const QString& role) const {
    return QStringLiteral("host=%1 port=%2 dbname=%3 user=%4")
        .arg(m_dir.path())
        .arg(kPort)
        .arg(database, role);
}

bool CPgServer::Exec(const QString& database, const QStringList& statements) {
    const QString name = QStringLiteral("pg-admin");
    bool bDone = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setConnectOptions(Connection(database, QLatin1String(kOwner)));
        bDone = db.open();
        m_problem = db.lastError().text();
        QSqlQuery query(db);
        for (const QString& statement : statements) {
            if (bDone && !query.exec(statement)) {
                m_problem = statement + QStringLiteral(": ") + query.lastError().text();
                bDone = false;
            }
        }
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return bDone;
}
