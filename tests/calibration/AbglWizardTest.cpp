// The calibration wizard without its window: page rules, page graph, and its transmitter operations
// against the in-process simulator on a virtual clock.

#include "ScriptedPeer.h"
#include "SequenceRig.h"
#include "calibration/AbglMessbereichRules.h"
#include "calibration/AbglOptionenRules.h"
#include "calibration/AbglWizardNavigation.h"
#include "calibration/AbglWizardRules.h"
#include "calibration/AbglWizardTransfer.h"
#include "sim/SimTransmitter.h"
#include "transmitter/Commands.h"

#include <QTest>

namespace {

using R = CAbglWizardRules;
using Frame = CSequenceRig::Frame;
constexpr int kKA28 = 6;

/// The program's side on a scripted line, for replies the simulator never sends.
struct ScriptedRig {
    CVirtualClock clock{1000};
    CScriptedOperator op;
    CMemoryDevice* device = nullptr;
    CTransmitterLink link;
    CScriptedPeer peer;
    CQuillonDoc doc;
    CConnection connection;

    ScriptedRig()
        : link(op, clock, MakeDevice(clock, device))
        , peer(*device)
        , doc(op, QString())
        , connection(link, doc) {
        link.PortMap().SetAvailableDevices({"/dev/ttyUSB0"});
        doc.SetTyp(2);
        doc.SetInterfaceVersion(1);
    }

    static std::unique_ptr<CMemoryDevice> MakeDevice(CVirtualClock& clock, CMemoryDevice*& raw) {
        auto device = std::make_unique<CMemoryDevice>(clock);
        raw = device.get();
        return device;
    }
};

} // namespace

class AbglWizardTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void decimalsFollowTheLargerEnd() {
        QCOMPARE(R::SuggestedDecimals(0, 5), 3);
        QCOMPARE(R::SuggestedDecimals(0, 50), 2);
        QCOMPARE(R::SuggestedDecimals(-100, 600), 1);
        QCOMPARE(R::SuggestedDecimals(0, 1000), 0);
        QCOMPARE(R::SuggestedDecimals(-7, 1), 2); // the magnitude counts, not the sign
    }

    void disabledAdcRowsAreInterpolated() {
        std::array<qint32, 5> rows{20000, 1, 2, 3, 40000};
        R::FillAdcRows(rows, 2);
        QCOMPARE(rows, (std::array<qint32, 5>{20000, 25000, 30000, 35001, 40000}));
        rows = {20000, 1, 31000, 3, 40000};
        R::FillAdcRows(rows, 3);
        QCOMPARE(rows, (std::array<qint32, 5>{20000, 25500, 31000, 35500, 40000}));
        rows = {1, 2, 3, 4, 5};
        R::FillAdcRows(rows, 5);
        QCOMPARE(rows, (std::array<qint32, 5>{1, 2, 3, 4, 5}));
        QVERIFY(!R::AdcRowEnabled(2, 2) && R::AdcRowEnabled(2, 3) && !R::AdcRowEnabled(1, 3));
        QCOMPARE(R::DacMiddle(610, 3388), 1999);
    }

    void serialNumberParts() {
        QCOMPARE(R::SerialText("12", "3", "45"), QByteArray("000012.03.045   "));
        const std::array<QString, 3> parts = R::SerialParts("123456.78.901   ");
        QCOMPARE(parts, (std::array<QString, 3>{"123456", "78", "901"}));
        QCOMPARE(R::SerialParts("12345"), (std::array<QString, 3>{"000000", "00", "000"}));
        QCOMPARE(R::SerialParts("000042.7"), (std::array<QString, 3>{"000042", "00", "000"}));
        QCOMPARE(R::StepSerial("99", 2, 1), QStringLiteral("99"));
        QCOMPARE(R::StepSerial("000", 3, -1), QStringLiteral("000"));
        QCOMPARE(R::StepSerial("041", 3, 1), QStringLiteral("042"));
    }

    void pageGraph() {
        CAbglWizardNavigation nav;
        nav.modus = R::Modus::NurOptionen;
        QCOMPARE(nav.Next(R::kWelcome), int(R::kOptionen));
        QVERIFY(!nav.bFirstPass);
        QCOMPARE(nav.Back(R::kOptionen), int(R::kWelcome));

        nav = CAbglWizardNavigation();
        QCOMPARE(nav.Next(R::kWelcome), int(R::kMessbereich));
        QCOMPARE(nav.Next(R::kMessbereich, false), int(R::kDac));
        QCOMPARE(nav.Back(R::kDac), int(R::kMessbereich));
        QCOMPARE(nav.Back(R::kMessbereich), int(R::kWelcome)); // last page 195 is itself: the previous
        QCOMPARE(nav.Next(R::kMessbereich, false), int(R::kDac));
        QCOMPARE(nav.Next(R::kDac), int(R::kAdc));
        QCOMPARE(nav.Next(R::kAdc), int(R::kOptionen));
        QCOMPARE(nav.Back(R::kOptionen), int(R::kAdc));
        QCOMPARE(nav.Back(R::kAdc), int(R::kDac));
        QCOMPARE(nav.Back(R::kDac), int(R::kMessbereich));
        QCOMPARE(nav.Next(R::kOptionen), int(R::kFinish));
        QCOMPARE(nav.Back(R::kFinish), int(R::kOptionen));
        QCOMPARE(nav.Next(R::kFinish), int(R::kWelcome));

        // The KA28's skipped output: page 196 is left out both ways.
        nav = CAbglWizardNavigation();
        nav.Next(R::kWelcome);
        QCOMPARE(nav.Next(R::kMessbereich, true), int(R::kAdc));
        QCOMPARE(nav.Back(R::kAdc), int(R::kMessbereich));
        nav.Next(R::kMessbereich, true);
        nav.Next(R::kAdc);
        QCOMPARE(nav.Back(R::kOptionen), int(R::kAdc));
        QCOMPARE(nav.Back(R::kAdc), int(R::kMessbereich));
    }

    void rangePageOfTheKA28() {
        CAbgleichdaten record;
        R::ResetRecord(record, kKA28, true);
        QCOMPARE(record.m_nBereichEnde, -5000);
        QCOMPARE(record.m_nKommaPos, 2);
        QCOMPARE(record.m_nGain, 5);
        QCOMPARE(record.m_nAbglEinheit, 2);
        const CAbglMessbereichRules::Values w = CAbglMessbereichRules::Load(record, kKA28);
        QVERIFY(w.bDacUeberspringen);
        QCOMPARE(w.ende, -50.0);
        QCOMPARE(w.ausgAnfang, 4.0);
        QVERIFY(!CAbglMessbereichRules::Load(record, 3).bDacUeberspringen);
        // A second Neuabgleich keeps the range chosen in the first.
        record.m_nBereichEnde = 1234;
        R::ResetRecord(record, kKA28, false);
        QCOMPARE(record.m_nBereichEnde, 1234);
        QCOMPARE(record.m_nWerksSpanne, 10000);
    }

    void rangePageValidatesAndStoresDigits() {
        CScriptedOperator op;
        CQuillonDoc doc(op, QString());
        CAbglWizardNavigation nav;
        CAbglMessbereichRules::Values w;
        w.anfang = 0;
        w.ende = 16;
        w.abglAnfang = 0;
        w.abglEnde = 17;
        w.nKommaPos = 2;
        w.ausgAnfang = 4;
        w.ausgEnde = 20;
        QVERIFY(CAbglMessbereichRules::Validate(w, 3)->Is(CAbglMessbereichRules::Field::AbglEnde));
        QCOMPARE(CAbglMessbereichRules::Validate(w, 3)->text,
                 QStringLiteral("Geben Sie eine Zahl zwischen 0 und 16 ein."));
        w.abglEnde = 15.5;
        w.nKommaPos = 3;
        w.ende = 40; // 40000 digits do not fit the record's word
        QVERIFY(CAbglMessbereichRules::Validate(w, 3)->Is(CAbglMessbereichRules::Field::KommaPos));
        w.ende = 16;
        w.nKommaPos = 2;
        w.ausgEnde = 22.6;
        QVERIFY(CAbglMessbereichRules::Validate(w, 3)->Is(CAbglMessbereichRules::Field::AusgEnde));
        w.ausgEnde = 20;
        w.anfang = -1001;
        QVERIFY(CAbglMessbereichRules::Validate(w, 3));
        QVERIFY(!CAbglMessbereichRules::Validate(w, kKA28) ||
                !CAbglMessbereichRules::Validate(w, kKA28)->Is(CAbglMessbereichRules::Field::Anfang));
        w.anfang = 0;
        QVERIFY(!CAbglMessbereichRules::Validate(w, 3));
        QCOMPARE(CAbglMessbereichRules::Apply(w, doc, nav), int(R::kDac));
        const CAbgleichdaten& record = doc.Abgleichdaten();
        QCOMPARE(record.m_nBereichEnde, 1600);
        QCOMPARE(record.m_nAbglBereichEnde, 1550);
        QCOMPARE(record.m_nDac[3], 400);
        QCOMPARE(record.m_nDac[4], 2000);
        QVERIFY(!nav.bSpannung && nav.bLiveZero);
        QCOMPARE(doc.GetMessEnde(), 16.0f);
    }

    void optionsPageOutputLimitsByOutputKind() {
        CScriptedOperator op;
        CQuillonDoc doc(op, QString());
        for (const auto& [ausgang, expected] : {std::pair{R::Ausgang::V10, R::Grenzen{0, 10.5, 0}},
                                                std::pair{R::Ausgang::MA4bis20, R::Grenzen{3.5, 22.5, 3.5}},
                                                std::pair{R::Ausgang::MA20, R::Grenzen{0, 22.5, 0}}}) {
            // The quick button sets the output range; the range page's Next derives the flags from it.
            CAbglWizardNavigation nav;
            CAbglMessbereichRules::Values w = CAbglMessbereichRules::Load(doc.Abgleichdaten(), 3);
            const R::AusgangsBereich bereich = R::QuickOutput(ausgang);
            w.ausgAnfang = bereich.start;
            w.ausgEnde = bereich.ende;
            CAbglMessbereichRules::Apply(w, doc, nav);
            QCOMPARE(nav.bSpannung, bereich.bSpannung);
            QCOMPARE(nav.bLiveZero, bereich.bLiveZero);
            const CAbglOptionenRules::Values o = CAbglOptionenRules::Load(doc, nav);
            QCOMPARE(o.ausgMin, expected.min);
            QCOMPARE(o.ausgMax, expected.max);
            QCOMPARE(o.fehler, expected.fehler);
        }
    }

    void optionsPageStoresTheRecord() {
        CScriptedOperator op;
        CQuillonDoc doc(op, QString());
        CAbgleichdaten& record = doc.Abgleichdaten();
        record.m_nKommaPos = 2;
        record.m_nBereichAnfang = 0;
        record.m_nBereichEnde = 1600;
        CAbglWizardNavigation nav;
        CAbglOptionenRules::Values w = CAbglOptionenRules::Load(doc, nav);
        w.bFallend = true;
        w.offset = 16.5;
        QVERIFY(CAbglOptionenRules::Validate(w, record)->Is(CAbglOptionenRules::Field::Offset));
        w.offset = -0.125;
        w.spanne = 1.5;
        w.serie = {"12", "3", "45"};
        w.nullpunktsfenster = 7.9;
        w.serie[1] = "3x";
        QVERIFY(CAbglOptionenRules::Validate(w, record)->Is(CAbglOptionenRules::Field::Serie));
        w.serie[1] = "3";
        QVERIFY(!CAbglOptionenRules::Validate(w, record));
        CAbglOptionenRules::Apply(w, doc);
        QCOMPARE(record.m_nWerksOffset, -13);
        QCOMPARE(record.m_nWerksSpanne, 10150);
        QCOMPARE(doc.GetMessAnfang(), 1600.0f); // falling: the range in digits, swapped
        QCOMPARE(doc.GetMessEnde(), 0.0f);
        QCOMPARE(doc.GetNullpunktsfenster(), 7);
        QCOMPARE(doc.GetSeriennummer(), QByteArray("000012.03.045   "));
        doc.SetGrundAnfang(0);
        doc.SetGrundEnde(16);
        CAbglOptionenRules::Reload(doc, nav, w);
        QVERIFY(w.bFallend);
        QCOMPARE(w.spanne, 1.5);
    }

    void neuabgleichTransfersAgainstTheSimulator() {
        CSequenceRig rig(3);
        CAbglWizardTransfer wizard(rig.link, rig.connection, rig.doc);
        QVERIFY(wizard.ReadDacPoints());
        QCOMPARE(rig.doc.Abgleichdaten().m_nDac, (std::array<qint32, 5>{600, 2000, 3280, 400, 2000}));
        QCOMPARE(rig.op.progressTexts.first(), QStringLiteral("Verbinde Hardware..."));
        QVERIFY(rig.op.progressTexts.contains(QStringLiteral("Lese Abgleichdaten...")));
        QVERIFY(!rig.op.progressOpen);

        QVERIFY(wizard.ReadWizardParameters());
        const CAbgleichdaten& record = rig.doc.Abgleichdaten();
        const QList<quint16>& words = rig.sim.Transmitter().CalWords();
        QCOMPARE(record.m_nBereichEnde, static_cast<qint16>(words.at(16)));
        QCOMPARE(record.m_nWerksSpanne, 10000);
        QCOMPARE(record.m_nKommaPos, static_cast<quint16>(rig.doc.GetDezimalstellen()));
        QCOMPARE(record.m_nAbglEinheit, static_cast<quint16>(rig.doc.GetEinheit()));
        QCOMPARE(rig.doc.GetStromgrenzeMax(), 22.5f);
        QCOMPARE(rig.op.progressTexts.last(), QStringLiteral("Lese aktuellen Messwert ..."));
        QVERIFY(rig.op.messages.isEmpty());

        rig.TakeFrames();
        rig.doc.Abgleichdaten().m_nWerksOffset = -12;
        rig.doc.Abgleichdaten().m_nWerksSpanne = 10150;
        rig.doc.SetDaempfung(2.5f);
        rig.doc.SetSeriennummer(R::SerialText("12", "3", "45"));
        QVERIFY(wizard.WriteWizardOptions());
        const QList<Frame> registers = CSequenceRig::Only(rig.TakeFrames(), Cmd::SetVerstaerkung);
        QCOMPARE(registers.size(), 9);
        QCOMPARE(registers.at(2).payload, QByteArray("1030019")); // 2.5 s as tenths
        QCOMPARE(registers.at(3).payload, QByteArray("00CFFF4"));
        QCOMPARE(words.at(12), 0xFFF4);
        QCOMPARE(words.at(13), 10150);
        QCOMPARE(rig.sim.Transmitter().CalWords().at(12), 0xFFF4);

        rig.doc.Abgleichdaten().m_nWerksOffset = 5;
        QVERIFY(wizard.WriteOffsetSpan());
        QCOMPARE(words.at(12), 5);
        QVERIFY(wizard.ReadMeasuredValue());
        QCOMPARE(rig.op.progressTexts.last(), QStringLiteral("Lese aktuellen Messwert ..."));
    }

    void replyTooShortToDecodeIsAFailureNotAnException() {
        ScriptedRig rig;
        rig.peer.SetHandler([](const CScriptedPeer::Request& request) -> std::optional<QByteArray> {
            switch (request.command) {
            case Cmd::GetDeviceInfo:
                return CScriptedPeer::ReplyFrame("RX310309");
            case Cmd::GetSeriennummer:
                return CScriptedPeer::ReplyFrame("12345"); // a serial number has more than 13 characters
            default:
                return CScriptedPeer::ReplyFrame("OK");
            }
        });
        CAbglWizardTransfer wizard(rig.link, rig.connection, rig.doc);
        QVERIFY(!wizard.ReadWizardParameters());
        QCOMPARE(rig.op.MessageTexts(), QStringList{QStringLiteral("Ungültiges Argument.")});
        QVERIFY(!rig.op.progressOpen);
        QVERIFY(!rig.link.Sio().IsPortOpen());
    }

    void silentTransmitterFailsAndFreesThePage() {
        CSequenceRig rig(3);
        CSimulator::Faults faults;
        faults.silentCommands = {Cmd::GetNullpunktsfenster}; // goes silent halfway through the reads
        rig.sim.SetFaults(faults);
        CAbglWizardTransfer wizard(rig.link, rig.connection, rig.doc);
        QVERIFY(!wizard.ReadWizardParameters());
        QVERIFY(!rig.op.progressOpen);
        QVERIFY(rig.op.bereitCalls.last());
        rig.sim.SetFaults(CSimulator::Faults());
        rig.op.messages.clear();
        QVERIFY(wizard.ReadWizardParameters()); // the page can try again
    }
};

QTEST_GUILESS_MAIN(AbglWizardTest)
#include "AbglWizardTest.moc"
