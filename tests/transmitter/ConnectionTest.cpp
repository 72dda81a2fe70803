// Connecting to the transmitter: the check of the hardware setup, the identification rule, the
// interface search, a reply too short for its decoder in the middle of a receive, and the replies the
// connected link takes for each command.

#include "ScriptedOperator.h"
#include "ScriptedPeer.h"
#include "SequenceRig.h"
#include "core/VirtualClock.h"
#include "link/LinkTrace.h"
#include "transmitter/Commands.h"

#include <QStringList>
#include <QTest>

namespace {

/// The program's side on a scripted line instead of the simulator.
struct ScriptedRig {
    CVirtualClock clock{1000};
    CScriptedOperator op;
    CMemoryDevice* device = nullptr;
    CTransmitterLink link;
    CScriptedPeer peer;
    CQuillonDoc doc;
    CConnection connection;

    explicit ScriptedRig(int nTyp)
        : link(op, clock, MakeDevice(clock, device))
        , peer(*device)
        , doc(op, QString())
        , connection(link, doc) {
        link.PortMap().SetAvailableDevices({"/dev/ttyUSB0", "/dev/ttyUSB1"});
        doc.SetTyp(nTyp);
        doc.SetInterfaceVersion(1);
    }

    static std::unique_ptr<CMemoryDevice> MakeDevice(CVirtualClock& clock, CMemoryDevice*& raw) {
        auto device = std::make_unique<CMemoryDevice>(clock);
        raw = device.get();
        return device;
    }
};

QStringList g_logged;

void CaptureLog(QtMsgType, const QMessageLogContext& context, const QString& message) {
    g_logged.append(QStringLiteral("%1: %2").arg(QString::fromLatin1(context.category), message));
}

QByteArray InterfaceInfo(const QByteArray& version) {
    return QByteArray("4501") + version + "0001" + "04B0" + "0000" + "0000" + "2006" + "1";
}

} // namespace

class ConnectionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void checkNamesWhatAnsweredAndWarnsOfTheOtherFamily_data() {
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QByteArray>("kennung");
        QTest::addColumn<QString>("warning");
        QTest::newRow("RX31 chosen, RX30 attached")
            << 2 << QByteArray("RX30-L21")
            << QStringLiteral("Bitte prüfen den Transmittertyp:\nEingestellt: KXP03 ab 2006 \nAngeschlossen: "
                              "KXP02 ab 2006");
        QTest::newRow("RX26 chosen, RX31 attached")
            << 3 << QByteArray("RX31-309")
            << QStringLiteral("Bitte prüfen den Transmittertyp:\nEingestellt: KXP02 ab 2006\nAngeschlossen: "
                              "KXP03 ab 2006");
        QTest::newRow("matching type") << 2 << QByteArray("RX31-309") << QString();
    }

    void checkNamesWhatAnsweredAndWarnsOfTheOtherFamily() {
        QFETCH(int, chosen);
        QFETCH(QByteArray, kennung);
        QFETCH(QString, warning);
        CSequenceRig rig(chosen == 2 ? 3 : 2, CSimInterface::Kind::PL45, kennung);
        rig.doc.SetTyp(chosen);
        rig.doc.SetComPort(0);
        QVERIFY(rig.connection.CheckTransmitter());
        QStringList expected{QStringLiteral("Transmitter an COM1 gefunden\nKennung:") +
                             QString::fromLatin1(kennung)};
        if (!warning.isEmpty()) {
            expected.append(warning);
        }
        QCOMPARE(rig.op.MessageTexts(), expected);
        QCOMPARE(rig.op.messages.first().caption, QStringLiteral("Check"));
    }

    void failedCheckExplainsWhatToDo() {
        CSequenceRig rig(2);
        CSimulator::Faults faults;
        faults.silentCommands = {Cmd::GetDeviceInfo};
        rig.sim.SetFaults(faults);
        QVERIFY(!rig.connection.CheckTransmitter());
        QCOMPARE(rig.op.messages.size(), 2);
        QCOMPARE(rig.op.messages.at(0).text, QStringLiteral("Fail to Connect Transmitter"));
        QVERIFY(
            rig.op.messages.at(1).text.startsWith(QStringLiteral("Kann Transmitter nicht anprechen!\n\n")));
        QCOMPARE(rig.op.messages.at(1).caption, QStringLiteral("Check"));
    }

    void identificationMustBeEightCharacters() {
        CSequenceRig rig(2, CSimInterface::Kind::PL45, "RX31-3090");
        QByteArray reply;
        QVERIFY(!rig.connection.ConnectTransmitter(reply));
        QCOMPARE(reply.size(), 13); // a valid frame, one character too long
        QCOMPARE(rig.op.MessageTexts(), QStringList{QStringLiteral("Fail to Connect Transmitter")});
    }

    void searchStopsAtTheFirstWholeInterfaceAnswer() {
        ScriptedRig rig(2);
        int asked = 0;
        rig.peer.SetHandler([&asked](const CScriptedPeer::Request& request) -> std::optional<QByteArray> {
            if (request.command != Cmd::GetInterfaceInfo) {
                return std::nullopt;
            }
            // The first port answers with a valid but shorter frame: not an interface of this kind.
            return CScriptedPeer::ReplyFrame(++asked == 1 ? QByteArray("4501") : InterfaceInfo("65"));
        });
        const std::optional<CConnection::FoundInterface> found =
            rig.connection.SearchInterface({true, true, true});
        QVERIFY(found);
        QCOMPARE(found->nPortIndex, 1);
        QCOMPARE(found->nVersion, 101);
        QCOMPARE(asked, 2);
        QCOMPARE(rig.doc.InterfaceInfo().m_nFirmwareVersion, quint8(101));
        QCOMPARE(rig.doc.InterfaceInfo().m_nWort[4], quint16(0x2006));
        QCOMPARE(rig.op.messages.last().text,
                 QStringLiteral("PL45 (ab 2006) gefunden an COM2\nVersion: 1.01"));
        QCOMPARE(rig.op.messages.last().caption, QStringLiteral("Suche Interface"));
        QCOMPARE(rig.op.progressCaption, QStringLiteral("Suche Interface"));
        QVERIFY(!rig.link.Sio().IsPortOpen());
    }

    void searchWithoutAnswerSaysSo() {
        ScriptedRig rig(2);
        QVERIFY(!rig.connection.SearchInterface({false, true}));
        QCOMPARE(rig.peer.requests.size(), 3); // only the available port, three attempts
        QCOMPARE(rig.op.messages.last().text, QStringLiteral("Kein Interface gefunden!"));
        QCOMPARE(rig.op.progressTexts.last(), QStringLiteral("Connect COM16..."));
    }

    void staleReplyOfAnotherCommandIsNeverTaken_data() {
        QTest::addColumn<quint8>("givenUp");
        QTest::addColumn<QByteArray>("staleData");
        QTest::addColumn<quint8>("command");
        QTest::addColumn<QByteArray>("data");
        const auto row = [](const char* name, quint8 givenUp, const char* stale, quint8 command,
                            const char* data) {
            QTest::newRow(name) << givenUp << QByteArray(stale) << command << QByteArray(data);
        };
        row("temperature for the unit", Cmd::GetTemperatur, "+002341", Cmd::GetEinheit, "3");
        row("identification for the measured value", Cmd::GetDeviceInfo, "RX31-309", Cmd::GetAktMesswert,
            "+012343");
        row("acknowledgement for the damping", Cmd::SetDaempfung, "OK", Cmd::GetDaempfung, "+000101");
        row("VN62 values for the temperature", Cmd::GetAktMesswert, "+012343+050003-037663",
            Cmd::GetTemperatur, "+002341");
        row("measured value for a table point", Cmd::GetAktMesswert, "+012343", Cmd::GetLinTabBlock,
            "0000271000002710");
        row("base range for a calibration word", Cmd::GetGrundAnfang, "-000013", Cmd::GetAbgleichWort,
            "01234");
        row("calibration word for the point count", Cmd::GetAbgleichWort, "01234", Cmd::GetLinTabAnzahl,
            "05");
        row("converter reading for the unit", Cmd::GetAktAdc, "012345", Cmd::GetEinheit, "3");
    }

    void staleReplyOfAnotherCommandIsNeverTaken() {
        // The transmitter answers the given-up request only after all three attempts, as the next request
        // waits; its own reply follows. Nothing in the timing tells the two apart, only their form.
        QFETCH(quint8, givenUp);
        QFETCH(QByteArray, staleData);
        QFETCH(quint8, command);
        QFETCH(QByteArray, data);
        ScriptedRig rig(2);
        QVERIFY(rig.link.Sio().OpenPortSilent(0, false));
        CLinkTrace trace;
        rig.link.Sio().SetTrace(&trace);
        rig.peer.SetLatency(900);
        bool bStaleSent = false;
        rig.peer.SetHandler([&](const CScriptedPeer::Request& request) -> std::optional<QByteArray> {
            if (request.command == givenUp) {
                return std::nullopt;
            }
            if (!bStaleSent) {
                bStaleSent = true;
                rig.device->Deliver(CScriptedPeer::ReplyFrame(staleData), request.atMs + 300);
            }
            return CScriptedPeer::ReplyFrame(data);
        });
        QVERIFY(!rig.link.Transfer(givenUp, "0"));
        QByteArray reply;
        QVERIFY(rig.link.Transfer(command, "0", reply));
        QCOMPARE(reply, CScriptedPeer::ReplyFrame(data));
        QCOMPARE(rig.peer.requests.size(), 4); // no repeat: the wait went on past the stale reply
        const QList<CLinkTrace::Entry> entries = trace.Entries();
        const auto stale = std::find_if(entries.begin(), entries.end(), [](const CLinkTrace::Entry& entry) {
            return entry.status == CLinkTrace::Status::Stale;
        });
        QVERIFY(stale != entries.end());
        QCOMPARE(stale->bytes, CScriptedPeer::ReplyFrame(staleData));
    }

    void replyTooShortForItsDecoderEndsTheReceive() {
        ScriptedRig rig(2);
        rig.peer.SetHandler([](const CScriptedPeer::Request& request) -> std::optional<QByteArray> {
            switch (request.command) {
            case Cmd::GetDeviceInfo:
                return CScriptedPeer::ReplyFrame("RX310309");
            case Cmd::GetEinheit:
                return CScriptedPeer::ReplyFrame("1");
            case Cmd::GetSeriennummer:
                return CScriptedPeer::ReplyFrame("12345"); // a serial number has more than 13 characters
            default:
                return CScriptedPeer::ReplyFrame("OK");
            }
        });
        CParameterTransfer transfer(rig.link, rig.connection, rig.doc);
        rig.doc.SetGueltig(true);
        // The developer's detail goes to the link log; the user reads the program's own message only.
        g_logged.clear();
        const QtMessageHandler previous = qInstallMessageHandler(CaptureLog);
        const bool bReceived = transfer.ReceiveParameterSet();
        qInstallMessageHandler(previous);
        QVERIFY(!bReceived);
        QVERIFY2(
            g_logged.contains(QStringLiteral(
                "quillon.link: program error: serial number reply of 5 characters, more than 13 needed")),
            qPrintable(g_logged.join(QLatin1Char('\n'))));
        QCOMPARE(rig.op.messages.size(), 2);
        QCOMPARE(rig.op.messages.at(0).text, QStringLiteral("Ungültiges Argument."));
        QCOMPARE(rig.op.messages.at(0).icon, IOperator::Icon::Error);
        QCOMPARE(rig.op.messages.at(1).text, QStringLiteral("Empfangsfehler!"));
        QVERIFY(rig.doc.IsGueltig()); // a receive that fails leaves the document as it was
        QVERIFY(transfer.LastRead().m_strSeriennummer.isEmpty());
        QVERIFY(!rig.link.Sio().IsPortOpen());
    }
};

QTEST_GUILESS_MAIN(ConnectionTest)
#include "ConnectionTest.moc"
