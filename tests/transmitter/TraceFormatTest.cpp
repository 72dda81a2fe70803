// The link trace as text: after a whole receive from the simulator every frame appears in order with its
// command's title, faults read as such, and the transmitter's password never shows.

#include "transmitter/TraceFormat.h"

#include "SequenceRig.h"
#include "link/LinkTrace.h"
#include "transmitter/CommandSet.h"
#include "transmitter/Commands.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TraceFormatTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aReceiveShowsEveryFrameInOrderWithItsTitle() {
        CSequenceRig rig(2);
        CLinkTrace trace;
        rig.link.Sio().SetTrace(&trace);
        QVERIFY(rig.transfer.ReceiveParameterSet());
        const QList<CSequenceRig::Frame> sent = rig.TakeFrames();
        QVERIFY2(sent.size() > 10, qPrintable(QString::number(sent.size())));

        int nSent = 0;
        for (const CLinkTrace::Entry& entry : trace.Entries()) {
            const QStringList row = CTraceFormat::Row(entry);
            QCOMPARE(row.size(), int(CTraceFormat::kColumnCount));
            if (entry.direction != CLinkTrace::Direction::Tx) {
                continue;
            }
            QVERIFY(nSent < sent.size());
            const CSequenceRig::Frame& frame = sent.at(nSent++);
            QCOMPARE(entry.command, frame.command);
            QCOMPARE(row.at(CTraceFormat::Befehl),
                     QStringLiteral("%1").arg(frame.command, 2, 16, QLatin1Char('0')).toUpper());
            QCOMPARE(row.at(CTraceFormat::Titel), QString::fromUtf8(CCommandSet::Find(frame.command)->title));
            QCOMPARE(CTraceFormat::Payload(entry), frame.payload);
        }
        QCOMPARE(nSent, sent.size());

        // A reply's data: the measuring range start as the transmitter sent it.
        for (const CLinkTrace::Entry& entry : trace.Entries()) {
            if (entry.direction == CLinkTrace::Direction::Rx && entry.command == Cmd::GetMessAnfang) {
                const QStringList row = CTraceFormat::Row(entry);
                QCOMPARE(row.at(CTraceFormat::DatenText), QString::fromLatin1(CTraceFormat::Payload(entry)));
                QCOMPARE(row.at(CTraceFormat::Pruefsumme), QStringLiteral("ok"));
            }
        }
    }

    void faultsAndEventsReadAsSuch() {
        CLinkTrace::Entry dropped;
        dropped.time = QDateTime(QDate(2026, 12, 7), QTime(9, 30, 1, 250));
        dropped.direction = CLinkTrace::Direction::Rx;
        dropped.status = CLinkTrace::Status::ChecksumWrong;
        dropped.command = Cmd::GetDaempfung;
        dropped.bytes = QByteArray::fromHex("0209") + "+0\t\x01" + QByteArray(1, '\x7f');
        QStringList row = CTraceFormat::Row(dropped);
        QCOMPARE(row.at(CTraceFormat::Zeit), QStringLiteral("2026-12-07 09:30:01.250"));
        QCOMPARE(row.at(CTraceFormat::Titel), QStringLiteral("Get Dämpfung"));
        QCOMPARE(row.at(CTraceFormat::Pruefsumme), QStringLiteral("falsch"));
        QCOMPARE(row.at(CTraceFormat::DatenHex), QStringLiteral("2B 30 09 01 7F"));
        QCOMPARE(row.at(CTraceFormat::DatenText), QStringLiteral("+0..."));

        CLinkTrace::Entry retry;
        retry.status = CLinkTrace::Status::Retry;
        retry.command = 0xEE; // no command of the set
        retry.nAttempt = 2;
        row = CTraceFormat::Row(retry);
        QCOMPARE(row.at(CTraceFormat::Titel), QStringLiteral("unbekannt"));
        QVERIFY(row.at(CTraceFormat::Hinweis).contains(QLatin1Char('2')));

        // Control characters in a payload never break the file's columns or lines.
        const QString text = CTraceFormat::Text({dropped, retry}, QStringLiteral("9.99"));
        const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4 + 1 + 2);
        QVERIFY(lines.at(1).contains(QStringLiteral("9.99")));
        QCOMPARE(lines.at(5).count(QLatin1Char('\t')), CTraceFormat::kColumnCount - 1);
    }

    void theTransmitterPasswordNeverShows() {
        CSequenceRig rig(10); // the KA71 takes its lock code as a password
        CLinkTrace trace;
        rig.link.Sio().SetTrace(&trace);
        QVERIFY(rig.transfer.ReceiveParameterSet());
        QVERIFY(rig.link.Transfer(Cmd::SetTastatursperre, "000987"));
        QByteArray reply;
        QVERIFY(rig.link.Transfer(Cmd::GetTastatursperre, QByteArray(), reply));
        QVERIFY(reply.contains("987")); // the simulator holds it: the trace had it on the line

        int nSecret = 0;
        for (const CLinkTrace::Entry& entry : trace.Entries()) {
            if (CTraceFormat::IsSecret(entry)) {
                ++nSecret;
                const QStringList row = CTraceFormat::Row(entry);
                QCOMPARE(row.at(CTraceFormat::DatenHex), QStringLiteral("(verborgen)"));
                QCOMPARE(row.at(CTraceFormat::DatenText), QStringLiteral("(verborgen)"));
            }
        }
        QVERIFY(nSecret >= 3); // the receive's read, the write and the read back

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("trace.txt"));
        QString error;
        QVERIFY2(CTraceFormat::Save(path, trace.Entries(), QStringLiteral("2.34"), error), qPrintable(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        QVERIFY(saved.contains("Set Tastatursperre"));
        QVERIFY(!saved.contains("987"));
        QVERIFY(!saved.contains("39 38 37"));
    }

    void theKa71LockCodeNeverShowsInItsParameterImage() {
        CSequenceRig rig(10);
        QVERIFY(rig.transfer.ReceiveParameterSet());
        CLinkTrace trace;
        rig.link.Sio().SetTrace(&trace);
        rig.doc.SetTastatursperre(4711); // the word 0x1267, low byte first in the image: "6712"
        rig.op.Answer(IOperator::Answer::Yes);
        QCOMPARE(rig.transfer.SendParameterSet(), CParameterTransfer::SendResult::Sent);
        QCOMPARE(rig.sim.Transmitter().ParamWord(rig.sim.Transmitter().ParamLayout().tastatursperre), 4711);

        const QString text = CTraceFormat::Text(trace.Entries(), QStringLiteral("2.34"));
        QVERIFY(!text.contains(QStringLiteral("6712")));
        QVERIFY(!text.contains(QStringLiteral("36 37 31 32")));
        // The block keeps the rest of its bytes for the service technician: address 0A, bytes 10 to 19.
        int nBlocks = 0;
        for (const CLinkTrace::Entry& entry : trace.Entries()) {
            if (entry.direction == CLinkTrace::Direction::Tx && entry.command == Cmd::SpeicherBlock &&
                entry.bytes.mid(3, 2) == "0A") {
                ++nBlocks;
                const QString shown = CTraceFormat::Row(entry).at(CTraceFormat::DatenText);
                QCOMPARE(shown.count(QLatin1Char('*')), 4);
                QCOMPARE(shown.left(14), QString::fromLatin1(CTraceFormat::Payload(entry).left(14)));
            }
        }
        QVERIFY(nBlocks >= 1);
    }
};

QTEST_GUILESS_MAIN(TraceFormatTest)
#include "TraceFormatTest.moc"
