// quillon-sim as a separate program on a pseudo-terminal, reached through the program's real serial
// code: identification, a write that survives closing and reopening the port, a clean stop on SIGTERM
// with the state file written, and no CPU use while nobody has the port open.

#include "ScriptedOperator.h"
#include "core/SystemClock.h"
#include "link/TransmitterLink.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

/// User plus system CPU time of a process in clock ticks.
qint64 CpuTicks(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.value(11).toLongLong() + fields.value(12).toLongLong(); // utime, stime
}

} // namespace

class CSimE2eTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void identifiesAndWritesThroughThePseudoTerminal();
    void sleepsWhileNobodyHasThePortOpen();

private:
    /// Starts quillon-sim with the arguments; the device path from its first line, or empty.
    QString Start(const QStringList& arguments);
    std::optional<QByteArray> Transfer(CTransmitterLink& link, quint8 command,
                                       const QByteArray& payload = {});

    QTemporaryDir m_dir;
    QProcess m_sim;
    CSystemClock m_clock;
    CScriptedOperator m_operator;
};

void CSimE2eTest::init() {
    QVERIFY(m_dir.isValid());
}

void CSimE2eTest::cleanup() {
    if (m_sim.state() != QProcess::NotRunning) {
        m_sim.kill();
        m_sim.waitForFinished(2000);
    }
}

QString CSimE2eTest::Start(const QStringList& arguments) {
    m_sim.setProcessChannelMode(QProcess::SeparateChannels);
    m_sim.start(QStringLiteral(QUILLON_SIM_PATH), arguments);
    if (!m_sim.waitForStarted(5000)) {
        return QString();
    }
    while (!m_sim.canReadLine() && m_sim.waitForReadyRead(5000)) {
    }
    return QString::fromLocal8Bit(m_sim.readLine()).trimmed();
}

std::optional<QByteArray> CSimE2eTest::Transfer(CTransmitterLink& link, quint8 command,
                                                const QByteArray& payload) {
    QByteArray request = payload;
    QByteArray reply;
    if (!link.TransferCommand(command, request, reply)) {
        return std::nullopt;
    }
    return reply;
}

void CSimE2eTest::identifiesAndWritesThroughThePseudoTerminal() {
    const QString statePath = m_dir.filePath(QStringLiteral("rx31.json"));
    const QString device = Start({"--type", "2", "--baud", "0", "--state", statePath});
    QVERIFY2(device.startsWith(QLatin1String("/dev/")), qPrintable(device));

    CTransmitterLink link(m_operator, m_clock);
    link.PortMap().Pin(1, device);
    QVERIFY(link.Sio().OpenPortSilent(0, false));
    std::optional<QByteArray> reply = Transfer(link, 0x31);
    QVERIFY(reply);
    QCOMPARE(*reply, QByteArray("\x02\x0ARX31-309\xE1\x03"));
    QVERIFY(Transfer(link, 0x4A, "Pumpe 4"));
    link.Sio().ClosePort();

    // The next operation opens the port afresh; the simulator has to notice the new open.
    QThread::msleep(300);
    QVERIFY(link.Sio().OpenPortSilent(0, false));
    reply = Transfer(link, 0x3A);
    QVERIFY(reply);
    QCOMPARE(reply->mid(2, 20), QByteArray("Pumpe 4             "));
    link.Sio().ClosePort();

    m_sim.terminate(); // SIGTERM
    QVERIFY(m_sim.waitForFinished(5000));
    QCOMPARE(m_sim.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_sim.exitCode(), 0);
    QFile state(statePath);
    QVERIFY(state.open(QIODevice::ReadOnly));
    const QJsonObject json = QJsonDocument::fromJson(state.readAll()).object();
    QCOMPARE(json.value("typ").toInt(), 2);
    QCOMPARE(json.value("summary").toObject().value("bezeichnung").toString(),
             QString("Pumpe 4             "));

    // Started again from its state file, the transmitter still holds the tag.
    const QString again = Start({"--baud", "0", "--state", statePath});
    QVERIFY(!again.isEmpty());
    CTransmitterLink second(m_operator, m_clock);
    second.PortMap().Pin(1, again);
    QVERIFY(second.Sio().OpenPortSilent(0, false));
    reply = Transfer(second, 0x3A);
    QVERIFY(reply);
    QCOMPARE(reply->mid(2, 7), QByteArray("Pumpe 4"));
}

void CSimE2eTest::sleepsWhileNobodyHasThePortOpen() {
    const QString device = Start({"--type", "7", "--baud", "1200"});
    QVERIFY(!device.isEmpty());
    CTransmitterLink link(m_operator, m_clock);
    link.PortMap().Pin(1, device);
    QVERIFY(link.Sio().OpenPortSilent(0, false));
    const std::optional<QByteArray> reply = Transfer(link, 0x32);
    QVERIFY(reply);
    QCOMPARE(reply->size(), 25); // the VN62's three values, paced at 1200 baud
    link.Sio().ClosePort();

    const qint64 before = CpuTicks(m_sim.processId());
    QThread::msleep(1500);
    const qint64 after = CpuTicks(m_sim.processId());
    QVERIFY(before >= 0);
    QVERIFY2(after - before <= 10, qPrintable(QStringLiteral("%1 ticks").arg(after - before)));
}

QTEST_GUILESS_MAIN(CSimE2eTest)
#include "SimE2eTest.moc"
