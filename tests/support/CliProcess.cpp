#include "CliProcess.h"

#include <QElapsedTimer>
#include <QProcess>

CCliProcess::CCliProcess(QString configDir)
    : m_configDir(std::move(configDir)) {}

CCliProcess::Result CCliProcess::Run(const QStringList& arguments, int limitMs,
                                     const Watcher& watcher) const {
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_configDir);
    for (const QString& variable : m_unset) {
        env.remove(variable);
    }
    cli.setProcessEnvironment(env);
    QElapsedTimer elapsed;
    elapsed.start();
    cli.start(QStringLiteral(QUILLON_CLI_PATH), arguments);
    Result result;
    if (!cli.waitForStarted(5000)) {
        result.bHung = true;
        return result;
    }
    const qint64 pid = cli.processId();
    while (!cli.waitForFinished(watcher ? 1 : 100)) {
        if (cli.state() == QProcess::NotRunning) {
            break;
        }
        if (elapsed.elapsed() > limitMs) {
            cli.kill();
            cli.waitForFinished(1000);
            result.bHung = true;
            result.elapsedMs = elapsed.elapsed();
            return result;
        }
        if (watcher) {
            watcher(pid);
        }
    }
    result.elapsedMs = elapsed.elapsed();
    result.bCrashed = cli.exitStatus() != QProcess::NormalExit;
    result.exitCode = result.bCrashed ? -1 : cli.exitCode();
    result.out = QString::fromLocal8Bit(cli.readAllStandardOutput());
    result.err = QString::fromLocal8Bit(cli.readAllStandardError());
    return result;
}
