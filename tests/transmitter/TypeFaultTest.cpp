// Every transmitter type against every fault of the simulator, for receive and send, on the virtual
// clock: a silent step, answers only to the retry, a corrupt checksum on every third reply, line noise
// before every reply, a port that disappears in the middle, replies later than the time-out and a late
// echo. Each run ends in success or in the
// operation's message, with the port and the progress window closed, within the time the link's attempts
// allow beyond a clean run.

#include "ParameterSetEdits.h"
#include "SequenceRig.h"
#include "base/TypKatalog.h"
#include "sim/SimStateFile.h"
#include "transmitter/Commands.h"

#include <QJsonObject>
#include <QTest>
#include <memory>

namespace {

/// One attempt without a reply: 20 silent ticks of the link timer, then the pause before the next one.
constexpr qint64 kAttemptMs =
    CTransmitterSio::kTicks * CTransmitterSio::kTickMs + CTransmitterLink::kRetryPauseMs;
/// On a 3-wire line every attempt first waits to swallow the echo of its request.
qint64 AttemptMs(int typ) {
    return kAttemptMs + (CTypKatalog::IsDreiLeiter(typ) ? CTransmitterSio::kEchoWaitMs : 0);
}

/// An exchange that never gets a reply gives up after its three attempts.
qint64 SilentExchangeMs(int typ) {
    return CTransmitterLink::kAttempts * AttemptMs(typ);
}
constexpr int kCorruptEvery = 3;
/// A stray STX with an impossible length byte and bytes of no frame: the receiver hunts on.
const QByteArray kNoise = QByteArray::fromHex("00ff027f55aa03");
/// Frames the program sends before the port disappears (counted from the start of the operation).
constexpr int kFramesBeforeVanishing = 6;

/// Each reply comes just after the time-out, while the program already waits for its next attempt.
constexpr int kLateReplyMs = 2100;
/// The echo of a 3-wire line comes after the program's echo wait.
constexpr int kLateEchoMs = CTransmitterSio::kEchoWaitMs + 100;

enum class Fault { None, Silent, RetryOnly, CorruptEvery, Garbage, Vanish, LateReply, LateEcho };

const QString kEmpfangsfehler = QStringLiteral("Empfangsfehler!");
const QString kSendefehler = QStringLiteral("Sendefehler!");

CSimInterface::Kind KindFor(int typ) {
    // No PL45 serves a type without a mode code: it works on the old interface only.
    return CTypKatalog::Find(typ)->nModus == CTypKatalog::kKeinModus ? CSimInterface::Kind::PL40
                                                                     : CSimInterface::Kind::PL45;
}

/// A command each sequence of the type sends in the middle.
quint8 SilentCommand(int typ, bool bSend) {
    if (!bSend) {
        return Cmd::GetSpanne;
    }
    return CTypKatalog::Find(typ)->senden == CTypKatalog::Senden::Befehle ? Cmd::SetDaempfung
                                                                          : Cmd::SpeicherBlock;
}

/// How many replies a simulator that corrupts every n-th one spoils in a run of the given number of
/// exchanges: a spoiled reply is asked for again, and that answer counts as a reply too.
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

struct Outcome {
    bool bOk = false;
    QStringList messages;
    qint64 elapsedMs = 0;
    int frames = 0;
    std::shared_ptr<CSequenceRig> rig; ///< the document and the simulator as the run left them
};

/// Whether the transmitter's memory and the document are the same after two runs.
void CompareResults(const Outcome& expected, const Outcome& actual) {
    CompareWrittenFields(expected.rig->doc, actual.rig->doc);
    const QJsonObject expectedState = CSimStateFile::ToJson(expected.rig->sim);
    const QJsonObject actualState = CSimStateFile::ToJson(actual.rig->sim);
    for (const char* area : {"parameter", "table", "calibration"}) {
        QCOMPARE(actualState.value(QLatin1String(area)), expectedState.value(QLatin1String(area)));
    }
}

/// Runs a receive (or, after a clean receive and an edit, a send) with the fault set just before it.
Outcome Run(int typ, bool bSend, Fault fault) {
    auto rig = std::make_shared<CSequenceRig>(typ, KindFor(typ));
    if (bSend) {
        if (!rig->transfer.ReceiveParameterSet()) {
            return {};
        }
        EditParameterSet(rig->doc);
        rig->op.Answer(IOperator::Answer::Yes);
    }
    const int framesBefore = rig->sim.FrameCount();
    CSimulator::Faults faults;
    switch (fault) {
    case Fault::None:
        break;
    case Fault::Silent:
        faults.silentCommands = {SilentCommand(typ, bSend)};
        break;
    case Fault::RetryOnly:
        faults.bAnswerOnlyRetry = true;
        break;
    case Fault::CorruptEvery:
        faults.nCorruptEvery = kCorruptEvery;
        break;
    case Fault::Garbage:
        faults.garbage = kNoise;
        break;
    case Fault::Vanish:
        faults.nVanishAfter = framesBefore + kFramesBeforeVanishing;
        break;
    case Fault::LateReply:
        faults.nLateReplyMs = kLateReplyMs;
        rig->sim.SetBaud(CTransmitterSio::kBaud); // the replies trickle in while the program sends again
        break;
    case Fault::LateEcho:
        faults.nLateEchoMs = kLateEchoMs;
        break;
    }
    rig->sim.SetFaults(faults);
    const qsizetype messagesBefore = rig->op.messages.size() + (bSend ? 1 : 0); // the send's question
    const qint64 start = rig->clock.NowMs();
    Outcome outcome;
    outcome.rig = rig;
    outcome.bOk = bSend ? rig->transfer.SendParameterSet() == CParameterTransfer::SendResult::Sent
                        : rig->transfer.ReceiveParameterSet();
    outcome.elapsedMs = rig->clock.NowMs() - start;
    outcome.messages = rig->op.MessageTexts().mid(messagesBefore);
    outcome.frames = rig->sim.FrameCount() - framesBefore;
    // Whatever happened, the operation leaves nothing open behind it.
    if (rig->link.Sio().IsPortOpen() || rig->op.progressOpen || rig->op.waitDepth != 0) {
        outcome.messages.append(QStringLiteral("(left open)"));
    }
    return outcome;
}

} // namespace

class TypeFaultTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyTypeUnderEveryFault_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<bool>("send");
        for (int typ = 0; typ < CTypKatalog::kTypAnzahl; ++typ) {
            for (const bool bSend : {false, true}) {
                QTest::addRow("type %d %s", typ, bSend ? "send" : "receive") << typ << bSend;
            }
        }
    }

    void everyTypeUnderEveryFault() {
        QFETCH(int, typ);
        QFETCH(bool, send);
        const QStringList failed = {send ? kSendefehler : kEmpfangsfehler};

        const Outcome clean = Run(typ, send, Fault::None);
        QVERIFY(clean.bOk);
        QCOMPARE(clean.messages, QStringList());

        // Each exchange needs its retry: exactly one silent attempt more per frame of the clean run.
        const Outcome retry = Run(typ, send, Fault::RetryOnly);
        QVERIFY(retry.bOk);
        QCOMPARE(retry.messages, QStringList());
        QCOMPARE(retry.frames, 2 * clean.frames);
        QCOMPARE(retry.elapsedMs, clean.elapsedMs + clean.frames * AttemptMs(typ));

        // Each spoiled reply costs at most one attempt.
        const Outcome corrupt = Run(typ, send, Fault::CorruptEvery);
        QVERIFY(corrupt.bOk);
        QCOMPARE(corrupt.messages, QStringList());
        const int spoiled = SpoiledReplies(clean.frames, kCorruptEvery);
        QCOMPARE(corrupt.frames, clean.frames + spoiled);
        QVERIFY(corrupt.elapsedMs > clean.elapsedMs);
        QVERIFY(corrupt.elapsedMs <= clean.elapsedMs + spoiled * AttemptMs(typ));

        // Noise before every reply is skipped without a retry.
        const Outcome noise = Run(typ, send, Fault::Garbage);
        QVERIFY(noise.bOk);
        QCOMPARE(noise.messages, QStringList());
        QCOMPARE(noise.frames, clean.frames);
        QCOMPARE(noise.elapsedMs, clean.elapsedMs);

        // A step that is never answered ends the operation after its three attempts.
        const Outcome silent = Run(typ, send, Fault::Silent);
        QVERIFY(!silent.bOk);
        QCOMPARE(silent.messages, failed);
        QVERIFY(silent.elapsedMs <= clean.elapsedMs + SilentExchangeMs(typ));

        // A port that disappears ends it the same way: the exchange after it gets no answer.
        const Outcome vanish = Run(typ, send, Fault::Vanish);
        QVERIFY(!vanish.bOk);
        QCOMPARE(vanish.messages, failed);
        QCOMPARE(vanish.frames, kFramesBeforeVanishing);
        QVERIFY(vanish.elapsedMs <= clean.elapsedMs + SilentExchangeMs(typ));

        // Replies after the time-out: each one counts only for the request it answers. The operation
        // gets through (only the send of a 3-wire type, with its echo waits, may run out of attempts), and
        // what it reads or writes is never another request's answer.
        const Outcome late = Run(typ, send, Fault::LateReply);
        QVERIFY(late.bOk || (send && CTypKatalog::IsDreiLeiter(typ)));
        if (late.bOk) {
            QCOMPARE(late.messages, QStringList());
            CompareResults(clean, late);
        } else {
            QCOMPARE(late.messages, failed);
        }
        if (QTest::currentTestFailed()) {
            return;
        }

        // An echo that comes after the echo wait is known by its bytes and never taken for the reply.
        if (CTypKatalog::IsDreiLeiter(typ)) {
            const Outcome lateEcho = Run(typ, send, Fault::LateEcho);
            QVERIFY(lateEcho.bOk);
            QCOMPARE(lateEcho.messages, QStringList());
            QCOMPARE(lateEcho.frames, clean.frames);
            CompareResults(clean, lateEcho);
        }
    }
};

QTEST_GUILESS_MAIN(TypeFaultTest)
#include "TypeFaultTest.moc"
