// quillon-cli against quillon-sim with the simulator's faults, for receive and send, in real time over a
// pseudo-terminal: silence, answers only to the retry, a corrupt checksum on every third reply, line
// noise before every reply, and a port that disappears in the middle of the sequence. Each run ends with
// the operation's message and exit status, never later than the link's time-outs allow, without a crash;
// the retries it needed are counted in the simulator's trace. A failed receive never touches the output
// file, and a receive killed at any moment, even while it saves, leaves the old file or a complete new one.

#include "CliProcess.h"
#include "ParameterSetEdits.h"
#include "ScriptedOperator.h"
#include "SimProcess.h"
#include "document/QuillonDoc.h"
#include "link/TransmitterLink.h"
#include "link/TransmitterSio.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

/// One attempt without a reply: 20 silent ticks of the link timer, then the pause before the next one.
constexpr int kSilentTicksMs = CTransmitterSio::kTicks * CTransmitterSio::kTickMs;
constexpr int kAttemptMs = kSilentTicksMs + CTransmitterLink::kRetryPauseMs;
/// An exchange that never gets a reply gives up after its three attempts.
constexpr int kSilentExchangeMs = CTransmitterLink::kAttempts * kAttemptMs;
/// A dropped reply is followed by 19 to 20 silent ticks before the attempt counts as failed.
constexpr int kDroppedReplyMs = (CTransmitterSio::kTicks - 1) * CTransmitterSio::kTickMs;
/// Process start, the sanitizers and a loaded machine.
constexpr int kSlackMs = 3000;
/// Far beyond every bound: a run still going then has hung.
constexpr int kHangLimitMs = 180000;
constexpr int kTyp = 2;

const QString kEmpfangsfehler = QStringLiteral("Empfangsfehler!");
const QString kSendefehler = QStringLiteral("Sendefehler!");
const QString kKeinTransmitter = QStringLiteral("Fail to Connect Transmitter");
const QString kBereichAnders =
    QStringLiteral("Messbereich im Transmitter unterscheidet sich vom eingestellten Bereich!.");

/// How many replies a simulator that corrupts every n-th one spoils in a clean run of the given number
/// of exchanges: a spoiled reply is asked for again, and that answer counts as a reply too.
int SpoiledReplies(int exchanges, int n) {
    int replies = 0;
    int spoiled = 0;
    for (int i = 0; i < exchanges; ++i) {
        if (++replies % n == 0) {
            ++spoiled;
            ++replies;
        }
    }
    return spoiled;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

/// Kills the tool the moment it touches the output folder: creating a file or opening or changing one
/// there is the start of the save. A save that wrote over the old file in place would be caught with it
/// cut short.
class CSaveKiller {
public:
    explicit CSaveKiller(const QString& folder)
        : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        if (m_fd >= 0) {
            inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), IN_CREATE | IN_OPEN | IN_MODIFY);
        }
    }
    ~CSaveKiller() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    CSaveKiller(const CSaveKiller&) = delete;
    CSaveKiller& operator=(const CSaveKiller&) = delete;

    bool IsValid() const { return m_fd >= 0; }
    bool HasKilled() const { return m_bKilled; }

    void operator()(qint64 pid) {
        pollfd pfd{m_fd, POLLIN, 0};
        if (m_bKilled || ::poll(&pfd, 1, 5) <= 0) {
            return;
        }
        ::kill(static_cast<pid_t>(pid), SIGKILL);
        m_bKilled = true;
    }

private:
    int m_fd;
    bool m_bKilled = false;
};

} // namespace

class FaultInjectionTest : public QObject {
    Q_OBJECT

    /// A clean run against a fault-free simulator: what a faulty one is measured against.
    struct Baseline {
        qint64 elapsedMs = 0;
        int requests = 0;
    };

    QTemporaryDir m_dir;
    CScriptedOperator m_operator;
    Baseline m_receive;
    Baseline m_send;
    QByteArray m_receivedFile; ///< the document a fault-free receive writes
    QString m_editedPath;      ///< a changed parameter set to send

    CCliProcess Cli() const { return CCliProcess(m_dir.filePath(QStringLiteral("config"))); }
    QString Path(const QString& name) const { return m_dir.filePath(name); }

    static QStringList Link(const CSimProcess& sim) {
        return {QStringLiteral("--port"),      sim.Device(),
                QStringLiteral("--type"),      QString::number(kTyp),
                QStringLiteral("--interface"), QStringLiteral("pl45")};
    }

    /// No crash, no hang, no sanitizer report, and the exit status of success or failure.
    static void CheckEnded(const CCliProcess::Result& result, bool bSuccess) {
        QVERIFY2(!result.bHung, "quillon-cli hung");
        QVERIFY2(!result.bCrashed, qPrintable(result.err));
        QVERIFY2(!result.err.contains(QLatin1String("Sanitizer")) &&
                     !result.err.contains(QLatin1String("runtime error")),
                 qPrintable(result.err));
        QVERIFY2(result.exitCode == (bSuccess ? 0 : 1), qPrintable(result.err));
    }

    static void CheckMessages(const CCliProcess::Result& result, const QStringList& messages) {
        for (const QString& message : messages) {
            QVERIFY2(result.err.contains(message), qPrintable(result.err));
        }
    }

    std::unique_ptr<CQuillonDoc> Load(const QString& path) {
        auto doc = std::make_unique<CQuillonDoc>(m_operator, QString());
        return doc->LoadFile(path) ? std::move(doc) : nullptr;
    }

    /// Receives from a simulator started with the state file into a document.
    std::unique_ptr<CQuillonDoc> ReceiveFromState(const QString& statePath) {
        CSimProcess sim;
        if (!sim.Start(
                {QStringLiteral("--baud"), QStringLiteral("0"), QStringLiteral("--state"), statePath})) {
            return nullptr;
        }
        const QString path = Path(QStringLiteral("from-state.qlc"));
        QFile::remove(path);
        const CCliProcess::Result result = Cli().Run(
            Link(sim) + QStringList{QStringLiteral("receive"), QStringLiteral("-o"), path}, kHangLimitMs);
        return result.exitCode == 0 ? Load(path) : nullptr;
    }

private Q_SLOTS:
    void initTestCase();
    void receiveUnderFaults_data();
    void receiveUnderFaults();
    void sendUnderFaults_data();
    void sendUnderFaults();
    void killedReceiveLeavesTheOldFileOrACompleteOne();
};

void FaultInjectionTest::initTestCase() {
    QVERIFY(m_dir.isValid());
    const QString received = Path(QStringLiteral("baseline.qlc"));
    {
        CSimProcess sim;
        QVERIFY(sim.Start({QStringLiteral("--baud"), QStringLiteral("0")}));
        const CCliProcess::Result result = Cli().Run(
            Link(sim) + QStringList{QStringLiteral("receive"), QStringLiteral("-o"), received}, kHangLimitMs);
        CheckEnded(result, true);
        m_receive = {result.elapsedMs, sim.Requests()};
    }
    m_receivedFile = ReadAll(received);
    std::unique_ptr<CQuillonDoc> doc = Load(received);
    QVERIFY(doc);
    EditParameterSet(*doc);
    m_editedPath = Path(QStringLiteral("edited.qlc"));
    QVERIFY(doc->SaveFile(m_editedPath));
    {
        CSimProcess sim;
        QVERIFY(sim.Start({QStringLiteral("--baud"), QStringLiteral("0")}));
        const CCliProcess::Result result =
            Cli().Run(Link(sim) + QStringList{QStringLiteral("--yes"), QStringLiteral("send"), m_editedPath},
                      kHangLimitMs);
        CheckEnded(result, true);
        m_send = {result.elapsedMs, sim.Requests()};
    }
    QVERIFY(m_receive.requests > 10);
    QVERIFY(m_send.requests > 10);
    qInfo("fault-free receive: %d requests in %lld ms; send: %d requests in %lld ms", m_receive.requests,
          m_receive.elapsedMs, m_send.requests, m_send.elapsedMs);
}

// Columns shared by both operations: the simulator's fault, whether the operation still succeeds, the
// messages it must show, and the request frames it takes beyond a fault-free run (-1: not counted, the
// sequence stops early).
static void AddFaultColumns() {
    QTest::addColumn<QStringList>("fault");
    QTest::addColumn<bool>("bSuccess");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("extraRequests");
}

void FaultInjectionTest::receiveUnderFaults_data() {
    AddFaultColumns();
    const int n = m_receive.requests;
    QTest::newRow("silence of the point count")
        << QStringList{"--silent", "74"} << false << QStringList{kEmpfangsfehler} << 2;
    QTest::newRow("answers only to the retry") << QStringList{"--retry-only"} << true << QStringList{} << n;
    QTest::newRow("every third checksum corrupt")
        << QStringList{"--corrupt-every", "3"} << true << QStringList{} << SpoiledReplies(n, 3);
    QTest::newRow("noise before every reply") << QStringList{"--garbage", "7"} << true << QStringList{} << 0;
    QTest::newRow("port disappears") << QStringList{"--vanish-after", "12"} << false
                                     << QStringList{kEmpfangsfehler} << -1;
}

void FaultInjectionTest::receiveUnderFaults() {
    QFETCH(QStringList, fault);
    QFETCH(bool, bSuccess);
    QFETCH(QStringList, messages);
    QFETCH(int, extraRequests);
    // An earlier document under the output name: only a complete receive may replace it.
    const QString output = Path(QStringLiteral("received-%1.qlc").arg(QTest::currentDataTag()));
    const QByteArray earlier = ReadAll(m_editedPath);
    QVERIFY(WriteAll(output, earlier));

    CSimProcess sim;
    QVERIFY(sim.Start(QStringList{"--baud", "0"} + fault));
    const CCliProcess::Result result = Cli().Run(
        Link(sim) + QStringList{QStringLiteral("receive"), QStringLiteral("-o"), output}, kHangLimitMs);
    CheckEnded(result, bSuccess);
    CheckMessages(result, messages);
    QCOMPARE(ReadAll(output), bSuccess ? m_receivedFile : earlier);

    const int requests = sim.Requests();
    const qint64 boundMs = bSuccess ? m_receive.elapsedMs + qint64{extraRequests} * kAttemptMs + kSlackMs
                                    : m_receive.elapsedMs + kSilentExchangeMs + kSlackMs;
    QVERIFY2(result.elapsedMs <= boundMs,
             qPrintable(QStringLiteral("%1 ms, bound %2 ms").arg(result.elapsedMs).arg(boundMs)));
    if (extraRequests >= 0) {
        QCOMPARE(requests, m_receive.requests + extraRequests);
        // A retry comes only after the silent ticks: never sooner.
        QVERIFY(result.elapsedMs >= qint64{extraRequests} * kDroppedReplyMs);
    }
}

void FaultInjectionTest::sendUnderFaults_data() {
    AddFaultColumns();
    const int n = m_send.requests;
    QTest::newRow("silent transmitter")
        << QStringList{"--silent", "31"} << false << QStringList{kKeinTransmitter, kSendefehler} << -1;
    QTest::newRow("silence while verifying the range")
        << QStringList{"--silent", "3C"} << false << QStringList{kBereichAnders} << -1;
    QTest::newRow("silence while writing the image")
        << QStringList{"--silent", "86"} << false << QStringList{kSendefehler} << -1;
    QTest::newRow("answers only to the retry") << QStringList{"--retry-only"} << true << QStringList{} << n;
    QTest::newRow("every third checksum corrupt")
        << QStringList{"--corrupt-every", "3"} << true << QStringList{} << SpoiledReplies(n, 3);
    QTest::newRow("noise before every reply") << QStringList{"--garbage", "7"} << true << QStringList{} << 0;
    QTest::newRow("port disappears") << QStringList{"--vanish-after", "8"} << false
                                     << QStringList{kSendefehler} << -1;
}

void FaultInjectionTest::sendUnderFaults() {
    QFETCH(QStringList, fault);
    QFETCH(bool, bSuccess);
    QFETCH(QStringList, messages);
    QFETCH(int, extraRequests);
    const QString state = Path(QStringLiteral("state-%1.json").arg(QTest::currentDataTag()));
    const QByteArray sent = ReadAll(m_editedPath);

    CSimProcess sim;
    QVERIFY(sim.Start(QStringList{"--baud", "0", "--state", state} + fault));
    const CCliProcess::Result result = Cli().Run(
        Link(sim) + QStringList{QStringLiteral("--yes"), QStringLiteral("send"), m_editedPath}, kHangLimitMs);
    CheckEnded(result, bSuccess);
    CheckMessages(result, messages);
    QCOMPARE(ReadAll(m_editedPath), sent);

    const int requests = sim.Requests();
    const qint64 boundMs = bSuccess ? m_send.elapsedMs + qint64{extraRequests} * kAttemptMs + kSlackMs
                                    : m_send.elapsedMs + kSilentExchangeMs + kSlackMs;
    QVERIFY2(result.elapsedMs <= boundMs,
             qPrintable(QStringLiteral("%1 ms, bound %2 ms").arg(result.elapsedMs).arg(boundMs)));
    if (extraRequests >= 0) {
        QCOMPARE(requests, m_send.requests + extraRequests);
        QVERIFY(result.elapsedMs >= qint64{extraRequests} * kDroppedReplyMs);
    }
    if (bSuccess) {
        // What the transmitter holds now comes back on the next receive.
        std::unique_ptr<CQuillonDoc> back = ReceiveFromState(state);
        QVERIFY(back);
        std::unique_ptr<CQuillonDoc> edited = Load(m_editedPath);
        QVERIFY(edited);
        CompareWrittenFields(*edited, *back);
    }
}

void FaultInjectionTest::killedReceiveLeavesTheOldFileOrACompleteOne() {
    const QString folder = Path(QStringLiteral("killed"));
    QVERIFY(QDir().mkpath(folder));
    const QString output = folder + QStringLiteral("/received.qlc");
    const QByteArray earlier = ReadAll(m_editedPath);
    QVERIFY(earlier != m_receivedFile);
    CSimProcess sim;
    QVERIFY(sim.Start({QStringLiteral("--baud"), QStringLiteral("0")}));
    const QStringList receive =
        Link(sim) + QStringList{QStringLiteral("receive"), QStringLiteral("-o"), output};

    // Killed in the middle of the link traffic: the old file stays as it was.
    QVERIFY(WriteAll(output, earlier));
    QElapsedTimer started;
    started.start();
    bool bKilledEarly = false;
    CCliProcess::Result result = Cli().Run(receive, kHangLimitMs, [&](qint64 pid) {
        if (!bKilledEarly && started.elapsed() >= m_receive.elapsedMs / 2) {
            ::kill(static_cast<pid_t>(pid), SIGKILL);
            bKilledEarly = true;
        }
    });
    QVERIFY(bKilledEarly && result.bCrashed);
    QCOMPARE(ReadAll(output), earlier);

    // Killed the moment the save creates its file: the old file or the complete new one, nothing between.
    for (int run = 0; run < 3; ++run) {
        QVERIFY(WriteAll(output, earlier));
        CSaveKiller killer(folder);
        QVERIFY(killer.IsValid());
        result = Cli().Run(receive, kHangLimitMs, [&killer](qint64 pid) { killer(pid); });
        QVERIFY2(!result.bHung, "quillon-cli hung");
        const QByteArray now = ReadAll(output);
        QVERIFY2(now == earlier || now == m_receivedFile, qPrintable(QString::number(now.size())));
        qInfo("run %d: %s, %s file afterwards", run,
              killer.HasKilled() ? "killed as the save began" : "not killed", now == earlier ? "old" : "new");
    }
}

QTEST_GUILESS_MAIN(FaultInjectionTest)
#include "FaultInjectionTest.moc"
