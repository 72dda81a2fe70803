// The hardware setup with its lists, its loop of search and check against the simulator, the port
// choice with its own PL45 search, the interface choice and the connection notice.

#include "ScriptedOperator.h"
#include "SequenceRig.h"
#include "access/ComportRules.h"
#include "access/HardwareSetupRules.h"
#include "access/HinweisTextRules.h"
#include "access/PCInterfaceRules.h"
#include "transmitter/Commands.h"

#include <QTest>

namespace {

using Result = CHardwareSetupRules::Result;

/// A rig whose machine has exactly the given devices: COM1 … COMn in their order.
struct SetupRig {
    CSequenceRig seq;
    CHardwareSetupRules setup{seq.doc, seq.link, seq.connection};
    CComportRules comport{seq.doc, seq.link, seq.connection};

    explicit SetupRig(int nTyp, const QStringList& devices = {QStringLiteral("/dev/ttyUSB0")},
                      CSimInterface::Kind kind = CSimInterface::Kind::PL45)
        : seq(nTyp, kind) {
        CPortMap fresh;
        seq.link.Sio().Serial().PortMap() = fresh;
        seq.link.Sio().Serial().PortMap().SetAvailableDevices(devices);
    }
};

QList<bool> OnlyAvailable(std::initializer_list<int> comNumbers) {
    QList<bool> available(CHardwareSetupRules::kPortCount, false);
    for (const int n : comNumbers) {
        available[n - 1] = true;
    }
    return available;
}

} // namespace

class HardwareSetupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void okWithoutTouchingTheListTurnsType7IntoTheRX26() {
        SetupRig rig(7);
        const bool bOk = rig.setup.Run([](CHardwareSetupRules::Values& values) {
            // What the dialog reads back from an untouched list.
            values.nTyp = CHardwareSetupRules::TypForTransmitterIndex(
                CHardwareSetupRules::TransmitterIndexForTyp(values.nTyp));
            values.bShowAtStart = false;
            values.bVerifyAfterSend = !values.bVerifyAfterSend;
            return Result::Ok;
        });
        QVERIFY(bOk);
        QCOMPARE(rig.seq.doc.GetTyp(), 3);
        QCOMPARE(rig.seq.doc.GetShowHardwareSetup(), 0);
        QCOMPARE(rig.seq.doc.GetVerifyAfterSend(), 1);
    }

    void searchServesOnlyThePL45() {
        QCOMPARE(CHardwareSetupRules::InterfaceIndexForKind(1), 0);
        QCOMPARE(CHardwareSetupRules::InterfaceIndexForKind(0), 1);
        QCOMPARE(CHardwareSetupRules::InterfaceIndexForKind(7), 1);
        QVERIFY(CHardwareSetupRules::IsSearchEnabled(0));
        QVERIFY(!CHardwareSetupRules::IsSearchEnabled(1));
        QCOMPARE(CHardwareSetupRules::KindForInterfaceIndex(1), 0);
    }

    void portListNamesTheDeviceAndKeepsAnAbsentCurrentPort() {
        SetupRig rig(3, {QStringLiteral("/dev/ttyS0"), QStringLiteral("/dev/ttyUSB0")});
        rig.seq.doc.SetComPort(11);
        CHardwareSetupRules::Values values = rig.setup.Load();
        QCOMPARE(values.portAvailable, OnlyAvailable({1, 2}));
        const QList<CHardwareSetupRules::PortEntry> entries = rig.setup.PortEntries(values);
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries.at(0).text, QStringLiteral("COM1 (/dev/ttyS0)"));
        QCOMPARE(entries.at(1).text, QStringLiteral("COM2 (/dev/ttyUSB0)"));
        QCOMPARE(entries.at(2).text, QStringLiteral("COM12 (nicht verfügbar)"));
        QCOMPARE(rig.setup.CurrentPortEntry(values), 2);

        values.nComIndex = *CHardwareSetupRules::ComIndexFromText(entries.at(2).text);
        rig.setup.Apply(values);
        QCOMPARE(rig.seq.doc.GetComPort(), 11);
    }

    void comIndexIsTheNumberAfterTheFirstThreeCharacters() {
        QCOMPARE(CHardwareSetupRules::ComIndexFromText(QStringLiteral("COM3 (/dev/ttyUSB0)")), 2);
        QCOMPARE(CHardwareSetupRules::ComIndexFromText(QStringLiteral("COM16")), 15);
        QCOMPARE(CHardwareSetupRules::ComIndexFromText(QStringLiteral("COM")), std::nullopt);
        QCOMPARE(CHardwareSetupRules::ComIndexFromText(QStringLiteral("COMx")), std::nullopt);
    }

    void noOpenablePortLeavesOnlyTheCurrentPort() {
        SetupRig rig(3, {});
        rig.seq.doc.SetComPort(0);
        const CHardwareSetupRules::Values values = rig.setup.Load();
        QCOMPARE(values.portAvailable, OnlyAvailable({}));
        QCOMPARE(rig.setup.PortEntries(values).size(), 1);
        QCOMPARE(rig.setup.PortEntries(values).first().text, QStringLiteral("COM1 (nicht verfügbar)"));
    }

    void checkConnectsWithTheDialogsTypeAndRestoresTheDocument() {
        SetupRig rig(10);
        rig.seq.doc.SetTyp(3);
        rig.seq.doc.SetComPort(5);
        int shown = 0;
        rig.setup.Run([&shown](CHardwareSetupRules::Values& values) {
            if (++shown == 1) {
                values.nTyp = 10;
                values.nComIndex = 0;
                return Result::Check;
            }
            return Result::Cancel;
        });
        QCOMPARE(shown, 2);
        const QList<CSequenceRig::Frame> frames = rig.seq.TakeFrames();
        // A KA71 is connected with the interface mode "0000" and its reset.
        QCOMPARE(CSequenceRig::Only(frames, Cmd::SetInterfaceMode).first().payload, QByteArray("0000"));
        QVERIFY(rig.seq.op.MessageTexts().first().startsWith(QStringLiteral("Transmitter an COM1 gefunden")));
        QCOMPARE(rig.seq.doc.GetTyp(), 3);
        QCOMPARE(rig.seq.doc.GetComPort(), 5);
        QCOMPARE(rig.seq.doc.GetInterfaceVersion(), 1);
        QVERIFY(!rig.seq.link.Sio().IsPortOpen());
    }

    void searchFindsThePL45AndItsVersion() {
        SetupRig rig(3, {QStringLiteral("/dev/ttyS0"), QStringLiteral("/dev/ttyUSB0")});
        rig.seq.sim.Interface().GetInfo().firmware = 0x65;
        rig.seq.doc.SetComPort(7);
        int shown = 0;
        int nComShown = -1;
        rig.setup.Run([&](CHardwareSetupRules::Values& values) {
            if (++shown == 1) {
                return Result::Search;
            }
            nComShown = values.nComIndex;
            return Result::Ok;
        });
        // The first port answers at once: every path of the test line reaches the simulator.
        QCOMPARE(nComShown, 0);
        QCOMPARE(rig.seq.op.MessageTexts(),
                 QStringList{QStringLiteral("PL45 (ab 2006) gefunden an COM1\nVersion: 1.01")});
        QCOMPARE(rig.seq.op.progressTexts.at(1), QStringLiteral("Connect COM1..."));
        QCOMPARE(rig.seq.doc.GetComPort(), 0);
    }

    void searchWithoutInterfaceKeepsThePort() {
        SetupRig rig(3, {}, CSimInterface::Kind::PL40);
        rig.seq.doc.SetComPort(4);
        CHardwareSetupRules::Values values = rig.setup.Load();
        values.portAvailable = OnlyAvailable({});
        rig.setup.Search(values);
        QCOMPARE(values.nComIndex, 4);
        QCOMPARE(rig.seq.op.MessageTexts(), QStringList{QStringLiteral("Kein Interface gefunden!")});
        QCOMPARE(rig.seq.op.progressTexts.size(), 17);
    }

    void cancelChangesNothing() {
        SetupRig rig(8);
        rig.setup.Run([](CHardwareSetupRules::Values& values) {
            values.nTyp = 10;
            values.nInterfaceKind = 0;
            values.nComIndex = 3;
            return Result::Cancel;
        });
        QCOMPARE(rig.seq.doc.GetTyp(), 8);
        QCOMPARE(rig.seq.doc.GetInterfaceVersion(), 1);
        QCOMPARE(rig.seq.doc.GetComPort(), 0);
    }

    void portChoiceSearchTakesTheLastAnsweringPortOfEight() {
        const QStringList devices{"/dev/ttyS0",   "/dev/ttyS1",   "/dev/ttyS2",
                                  "/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyUSB2",
                                  "/dev/ttyUSB3", "/dev/ttyUSB4", "/dev/ttyUSB5"};
        SetupRig rig(3, devices);
        rig.seq.doc.SetComPort(1);
        QList<CComportRules::Values> shown;
        QVERIFY(rig.comport.Run([&shown](CComportRules::Values& values) {
            shown.append(values);
            if (shown.size() == 1) {
                values.enabled[7] = false; // a port the user sees disabled is not tried
                return CComportRules::Result::Search;
            }
            return CComportRules::Result::Ok;
        }));
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.first().nSelected, 1);
        QVERIFY(shown.first().bSearchEnabled);
        QCOMPARE(shown.last().nSelected, 6);
        QVERIFY(rig.seq.op.messages.isEmpty());
        QCOMPARE(rig.seq.op.progressCaption, QStringLiteral("Suche Interface"));
        QCOMPARE(rig.seq.op.progressTexts.first(), QStringLiteral("Suche Interface..."));
        QCOMPARE(rig.seq.op.progressTexts.last(), QStringLiteral("Connect COM8..."));
        QCOMPARE(rig.seq.op.progressMaximum, 7);
        QCOMPARE(CSequenceRig::Only(rig.seq.TakeFrames(), Cmd::GetInterfaceInfo).size(), 7);
        QCOMPARE(rig.seq.doc.GetComPort(), 6);
        QVERIFY(!rig.seq.link.Sio().IsPortOpen());
    }

    void portChoiceWithoutPortsOrPL45() {
        SetupRig rig(3, {QStringLiteral("/dev/ttyUSB0")});
        rig.seq.doc.SetInterfaceVersion(0);
        rig.seq.doc.SetComPort(4);
        CComportRules::Values values = rig.comport.Load();
        QVERIFY(!values.bSearchEnabled);
        QCOMPARE(values.nSelected, 4);
        QVERIFY(values.enabled[0]);
        QVERIFY(!values.enabled[1]);
        QCOMPARE(rig.comport.PortText(0), QStringLiteral("COM1 (/dev/ttyUSB0)"));
        QCOMPARE(rig.comport.PortText(1), QStringLiteral("COM2"));

        // Nothing answers: the choice stays.
        SetupRig silent(3, {QStringLiteral("/dev/ttyUSB0")}, CSimInterface::Kind::PL40);
        CComportRules::Values searched = silent.comport.Load();
        searched.nSelected = 5;
        silent.comport.SearchPL45(searched);
        QCOMPARE(searched.nSelected, 5);
        QVERIFY(silent.seq.op.messages.isEmpty());
    }

    void interfaceChoiceAndNotice() {
        CScriptedOperator op;
        CQuillonDoc doc(op, QString());
        doc.SetInterfaceVersion(3);
        QCOMPARE(CPCInterfaceRules::Load(doc), 1);
        CPCInterfaceRules::Apply(0, doc);
        QCOMPARE(doc.GetInterfaceVersion(), 0);
        QCOMPARE(CPCInterfaceRules::Load(doc), 0);
        QCOMPARE(CPCInterfaceRules::ChoiceTexts(),
                 (QStringList{QStringLiteral("PL40 (bis 2005)"), QStringLiteral("PL45 (ab 2006)")}));

        QVERIFY(CHinweisTextRules::Load(doc));
        CHinweisTextRules::Apply(false, doc);
        QCOMPARE(doc.GetStartupHinweis(), 0);
        QVERIFY(CHinweisTextRules::NoticeText().contains(QStringLiteral("der  PL45über eine")));
    }
};

QTEST_GUILESS_MAIN(HardwareSetupTest)
#include "HardwareSetupTest.moc"
