// The busy state of the link: every transmitter operation clears the operator's ready flag for its
// whole run and sets it again on every way out; an operation that another one calls itself is part of
// it, one that an event dispatched during a wait tries to start is refused; a cancel makes the
// remaining exchanges fail without sending and ends with the operation.

#include "link/LinkOperation.h"

#include "ParameterSetEdits.h"
#include "SequenceRig.h"
#include "core/ProgramError.h"
#include "transmitter/Commands.h"

#include <QEventLoop>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

class LinkOperationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyOperationIsOneBusySpanEvenWithNestedChecks() {
        CSequenceRig rig(2);
        QVERIFY(!rig.link.IsBusy());
        QVERIFY(rig.transfer.ReceiveParameterSet());
        QCOMPARE(rig.op.bereitCalls, QList<bool>({false, true}));

        // The send checks the range itself (VerifyTransmitterRange): one span, nothing refused.
        EditParameterSet(rig.doc);
        rig.op.Answer(IOperator::Answer::Yes);
        rig.op.bereitCalls.clear();
        QCOMPARE(rig.transfer.SendParameterSet(), CParameterTransfer::SendResult::Sent);
        QCOMPARE(rig.op.bereitCalls, QList<bool>({false, true}));

        rig.op.bereitCalls.clear();
        QVERIFY(rig.connection.CheckTransmitter());
        QVERIFY(rig.connection.RestartTransmitter());
        QCOMPARE(rig.connection.ProbePorts().size(), CConnection::kPortCount);
        QCOMPARE(rig.op.bereitCalls, QList<bool>({false, true, false, true, false, true}));
        QVERIFY(!rig.link.IsBusy());
    }

    void readyAgainWhenAProgramErrorLeavesTheOperation() {
        CSequenceRig rig(2);
        try {
            const CLinkOperation operation(rig.link);
            QVERIFY(rig.link.IsBusy());
            throw CProgramError("test");
        } catch (const CProgramError&) {
        }
        QVERIFY(!rig.link.IsBusy());
        QCOMPARE(rig.op.bereitCalls, QList<bool>({false, true}));
    }

    void operationStartedFromAWaitIsRefusedAndDisturbsNothing() {
        CSequenceRig rig(2);
        bool bInnerRefused = false;
        bool bNestedRefused = true;
        {
            const CLinkOperation outer(rig.link);
            {
                const CLinkOperation nested(rig.link); // called by the running operation itself
                bNestedRefused = nested.IsRefused();
            }
            QVERIFY(rig.link.IsBusy());
            // A timer that fires while the operation waits in a nested event loop.
            for (int i = 0; i < 7; ++i) {
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^operation refused")));
            }
            QEventLoop wait;
            QTimer::singleShot(0, &wait, [&] {
                const CLinkOperation inner(rig.link);
                bInnerRefused = inner.IsRefused();
                QVERIFY(!rig.transfer.ReceiveParameterSet());
                QCOMPARE(rig.connection.ProbePorts(), QList<bool>(CConnection::kPortCount, false));
                QVERIFY(!rig.connection.SearchInterface(QList<bool>(CConnection::kPortCount, true)));
                QVERIFY(!rig.connection.CheckTransmitter());
                QVERIFY(!rig.connection.RestartTransmitter());
                QCOMPARE(rig.transfer.SendParameterSet(), CParameterTransfer::SendResult::Refused);
                wait.quit();
            });
            wait.exec();
            QVERIFY(rig.link.IsBusy());
        }
        QVERIFY(!bNestedRefused);
        QVERIFY(bInnerRefused);
        // Only the outer operation's span; the refused ones asked nothing, showed nothing, sent nothing.
        QCOMPARE(rig.op.bereitCalls, QList<bool>({false, true}));
        QVERIFY(rig.op.messages.isEmpty());
        QVERIFY(rig.op.progressTexts.isEmpty());
        QVERIFY(rig.device->Written().isEmpty());
        QVERIFY(!rig.link.IsBusy());
    }

    void anOperationListsTheSerialDevicesOnce() {
        // Listing the ports asks the system (udev, sysfs) each time: a 16-port probe must not do it 16 times.
        CSequenceRig rig(2);
        int nListings = 0;
        CPortMap& map = rig.link.Sio().Serial().PortMap();
        map.SetEnumerator([&nListings] {
            ++nListings;
            return QStringList{QStringLiteral("/dev/ttyUSB0"), QStringLiteral("/dev/ttyUSB1")};
        });
        const QList<bool> available = rig.connection.ProbePorts();
        QCOMPARE(available.size(), CConnection::kPortCount);
        QCOMPARE(available.count(true), 2);
        QCOMPARE(nListings, 1);

        QVERIFY(rig.connection.SearchInterface({false, true})); // COM2 is the second device listed
        QCOMPARE(nListings, 2);

        // A device plugged in meanwhile is found by the next operation.
        map.SetEnumerator([&nListings] {
            ++nListings;
            return QStringList{QStringLiteral("/dev/ttyUSB0"), QStringLiteral("/dev/ttyUSB1"),
                               QStringLiteral("/dev/ttyACM0")};
        });
        QCOMPARE(rig.connection.ProbePorts().count(true), 3);
        QCOMPARE(nListings, 3);
    }

    void cancelFailsTheRemainingExchangesWithoutSendingAndEndsWithTheOperation() {
        CSequenceRig rig(2);
        rig.link.RequestCancel(); // nothing runs: nothing to cancel, nothing kept for later
        QVERIFY(!rig.link.IsCancelRequested());
        {
            const CLinkOperation operation(rig.link);
            QByteArray payload;
            QByteArray reply;
            QVERIFY(rig.connection.ConnectTransmitter(reply));
            rig.TakeFrames();
            rig.link.RequestCancel();
            QVERIFY(rig.link.IsCancelRequested());
            const qint64 before = rig.clock.NowMs();
            QVERIFY(!rig.link.TransferCommand(Cmd::GetEinheit, payload, reply));
            QVERIFY(rig.TakeFrames().isEmpty());
            QVERIFY(payload.isEmpty());
            QVERIFY(rig.clock.NowMs() - before < 100);
        }
        QVERIFY(!rig.link.IsCancelRequested());
        rig.link.Sio().ClosePort();
        QVERIFY(rig.transfer.ReceiveParameterSet());
    }
};

QTEST_GUILESS_MAIN(LinkOperationTest)
#include "LinkOperationTest.moc"
