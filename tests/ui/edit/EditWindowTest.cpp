// The editing commands of the window against the in-process simulator: a range preset edited in its
// dialog, sent and read back; the type choice from the menu; a send of values outside the dialog limits
// asks first; "Konfiguration..." reading and writing the transmitter, or running the correction loop.

#include "../ModalDriver.h"
#include "ShellRig.h"
#include "base/NumberField.h"
#include "document/DocumentFile.h"
#include "document/QuillonDoc.h"
#include "edit/EditDataValues.h"
#include "edit/KonfigurationValues.h"
#include "shell/CommandTable.h"
#include "sim/SimTransmitter.h"
#include "transmitter/Commands.h"
#include "ui/edit/DlgTransmitterHalvard.h"
#include "ui/edit/EditData.h"
#include "ui/main/MainFrame.h"
#include "ui/main/QuillonView.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QTest>

namespace {

constexpr int kPreset0bis40bar = 32815;

QString Shown(QWidget* dialog, int nFeld) {
    return CModalDriver::Field(dialog, nFeld)->text();
}

QString Zahl(double value) {
    return CNumberField::Format(value, QLocale());
}

/// The whole parameter set as a file holds it, and the document's state around it.
QByteArray Stand(const CQuillonDoc& doc) {
    return CDocumentFile::Store(doc.GetParameterSatz()) + QByteArray::number(doc.GetMesswert(0)) +
           (doc.IsGueltig() ? "G" : "-") + (doc.IsModified() ? "M" : "-");
}

} // namespace

class EditWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { CModalDriver::Reset(); }

    void presetEditedSentAndReadBack() {
        using F = CEditDataValues;
        CShellRig rig(CEdition::Kind::Kunde, 8);
        QVERIFY(rig.Start());
        rig.Frame().show();
        rig.Trigger(CCommandTable::kEmpfangen);
        QCOMPARE(rig.Doc().GetTyp(), 8);
        QVERIFY(rig.Action(kPreset0bis40bar)->isEnabled());

        CModalDriver::WhenShown<CEditData>([](CEditData* dialog) {
            CModalDriver::Type(dialog, F::kMessAnfang, QStringLiteral("5"));
            CModalDriver::Type(dialog, F::kMessEnde, QStringLiteral("35"));
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("OK")));
        });
        rig.Trigger(kPreset0bis40bar);
        QVERIFY(CModalDriver::Done());
        QVERIFY(rig.Doc().IsGueltig());
        QCOMPARE(rig.Doc().GetGrundEnde(), 40.0f);
        QVERIFY(rig.Action(CCommandTable::kSenden)->isEnabled());

        rig.Answer(IOperator::Answer::Yes); // "Parameter senden"
        rig.Trigger(CCommandTable::kSenden);
        QVERIFY2(rig.messages.size() == 1, qPrintable(rig.MessageTexts().join(QStringLiteral(" | "))));
        rig.Doc().SetMessAnfang(0.0f);
        rig.Trigger(CCommandTable::kEmpfangen);
        QCOMPARE(rig.Doc().GetMessAnfang(), 5.0f);
        QCOMPARE(rig.Doc().GetMessEnde(), 35.0f);
    }

    void ka71UnitsLookedAtLeaveTheRangeAsItWas() {
        using F = CEditDataValues;
        CShellRig rig(CEdition::Kind::Kunde, 10);
        QVERIFY(rig.Start());
        CQuillonDoc& doc = rig.Doc();
        doc.SetTyp(10);
        doc.SetGrundEnde(1.0f);
        doc.SetMessAnfang(0.0f);
        doc.SetMessEnde(1.0f);
        doc.SetDezimalstellen(3);
        doc.SetEinheit(1);
        doc.SetAnzeigeEinheit(1);
        doc.SetGueltig(true);
        rig.Frame().show();
        rig.Frame().UpdateCommands();

        QString ende;
        CModalDriver::WhenShown<CEditData>([&ende](CEditData* dialog) {
            auto* einheit = CModalDriver::Field<QComboBox>(dialog, F::kAnzeigeEinheit);
            for (const int nEinheit : {5, 6, 4, 1}) { // PSI, InWc, kPa, bar
                einheit->setCurrentIndex(nEinheit);
                emit einheit->activated(nEinheit);
            }
            ende = Shown(dialog, F::kMessEnde);
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("OK")));
        });
        rig.Trigger(CCommandTable::kAktuelleDaten);
        QVERIFY(CModalDriver::Done());
        QCOMPARE(ende, Zahl(1.0));
        QCOMPARE(doc.GetAnzeigeEinheit(), 1);
        QCOMPARE(doc.GetMessEnde(), 1.0f);
    }

    void presetLeavesAnUntitledDocument() {
        CShellRig rig(CEdition::Kind::Kunde, 8);
        QVERIFY(rig.Start());
        rig.Trigger(CCommandTable::kEmpfangen);
        const QString path = rig.dir.filePath(QStringLiteral("tank.qlc"));
        rig.chooser.paths.enqueue(path);
        rig.Trigger(CCommandTable::kSaveAs);
        QVERIFY(!rig.Frame().Session().PathName().isEmpty());
        CModalDriver::WhenShown<CEditData>(
            [](CEditData* dialog) { QVERIFY(CModalDriver::Click(dialog, QStringLiteral("Abbrechen"))); });
        rig.Trigger(kPreset0bis40bar);
        QVERIFY(CModalDriver::Done());
        // Cancelled: a cleared parameter set that may not be sent, and no file it could be saved over.
        QVERIFY(rig.Frame().Session().PathName().isEmpty());
        QVERIFY(!rig.Doc().IsGueltig());
        QVERIFY(!rig.Action(CCommandTable::kSenden)->isEnabled());
    }

    void valuesOutsideTheDialogLimitsAskBeforeTheSend() {
        CShellRig rig(CEdition::Kind::Kunde, 8);
        QVERIFY(rig.Start());
        rig.Trigger(CCommandTable::kEmpfangen);
        const QByteArray tag = rig.sim.Transmitter().Tag();
        rig.Doc().SetDaempfung(250.0f);
        rig.Doc().SetBezeichnungText(QStringLiteral("Nicht gesendet"));
        rig.Answer(IOperator::Answer::No);
        rig.Trigger(CCommandTable::kSenden);
        QCOMPARE(rig.messages.size(), 1);
        QVERIFY(rig.MessageTexts().first().contains(QStringLiteral("Dämpfung")));
        QCOMPARE(rig.sim.Transmitter().Tag(), tag);
    }

    void konfigurationReadsAndWritesTheTransmitter() {
        using K = CKonfigurationValues;
        CShellRig rig(CEdition::Kind::Kunde, 2);
        QVERIFY(rig.Start());
        rig.Frame().show();
        rig.Trigger(CCommandTable::kEmpfangen);
        QCOMPARE(rig.Doc().GetDezimalstellen(), 3);
        CSimTransmitter& sim = rig.sim.Transmitter();
        const auto& layout = sim.ParamLayout();
        sim.SetParamWord(layout.offset, 125); // 0.125 bar
        sim.SetParamWord(layout.nullpunkt, 12);
        sim.SetParamWord(layout.tastatursperre, 7);

        bool bEmpfangenEnabled = true;
        QStringList read;
        CModalDriver::WhenShown(QStringLiteral("konfiguration"), [&](QWidget* dialog) {
            bEmpfangenEnabled = rig.Action(CCommandTable::kEmpfangen)->isEnabled();
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("Auslesen")));
        });
        CModalDriver::WhenShown(QStringLiteral("konfiguration"), [&](QWidget* dialog) {
            read << Shown(dialog, K::kOffset) << Shown(dialog, K::kNullpunkt)
                 << Shown(dialog, K::kTastensperre);
            CModalDriver::Type(dialog, K::kOffset, Zahl(0.5));
            CModalDriver::Type(dialog, K::kSpanne, Zahl(2.0));
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("Übertragen")));
        });
        CModalDriver::WhenShown(QStringLiteral("konfiguration"), [&](QWidget* dialog) {
            read << Shown(dialog, K::kOffset);
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("OK")));
        });
        rig.Trigger(CCommandTable::kKonfiguration);
        QVERIFY(CModalDriver::Done());
        QVERIFY2(rig.messages.isEmpty(), qPrintable(rig.MessageTexts().join(QStringLiteral(" | "))));
        QVERIFY(!bEmpfangenEnabled); // the loop is one transmitter operation
        QCOMPARE(read, (QStringList{Zahl(0.125), Zahl(12), QStringLiteral("7"), Zahl(0.5)}));
        QCOMPARE(sim.ParamWord(layout.offset), quint16(500));
        QCOMPARE(sim.ParamWord(layout.spanne), quint16(9800));
        QCOMPARE(rig.Doc().GetOffset(), 0.5f);
        QCOMPARE(rig.Doc().GetSpanne(), 2.0f);
        QVERIFY(rig.View().IsBereit());
        QVERIFY(!rig.View().Session().Link().Sio().IsPortOpen());
    }

    void konfigurationWithASilentTransmitterKeepsTheDocument() {
        CShellRig rig(CEdition::Kind::Kunde, 2);
        QVERIFY(rig.Start());
        rig.Trigger(CCommandTable::kEmpfangen);
        rig.Doc().SetOffset(0.25f); // not what the transmitter holds
        const QByteArray before = Stand(rig.Doc());
        CSimulator::Faults faults;
        for (int command = 0; command < Cmd::GetInterfaceInfo; ++command) {
            faults.silentCommands.append(static_cast<quint8>(command)); // the interface still answers
        }
        rig.sim.SetFaults(faults);
        CModalDriver::WhenShown(QStringLiteral("konfiguration"), [](QWidget* dialog) {
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("Neuer Messwert")));
        });
        rig.Trigger(CCommandTable::kKonfiguration);
        QVERIFY(CModalDriver::Done());
        // The failed read ends the loop: no second dialog, nothing changed.
        QVERIFY(!rig.messages.isEmpty());
        QCOMPARE(rig.messages.last().text, QStringLiteral("Fail to receive data!"));
        QCOMPARE(Stand(rig.Doc()), before);
        QVERIFY(rig.View().IsBereit());
        QVERIFY(rig.Action(CCommandTable::kEmpfangen)->isEnabled());
    }

    /// The RX89 has no configuration dialog: the same command runs the correction loop with the
    /// transmitter.
    void konfigurationOfTheOlderTypesIsTheCorrectionLoop() {
        CShellRig rig(CEdition::Kind::Kunde, 0);
        QVERIFY(rig.Start());
        rig.Doc().SetTyp(0);
        rig.Trigger(CCommandTable::kEmpfangen);
        QVERIFY(rig.Doc().IsGueltig());
        rig.Doc().SetMesswert(0, -99.0f);
        CModalDriver::WhenShown(QStringLiteral("kalibrierung"), [](QWidget* dialog) {
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("Neuer Messwert")));
        });
        CModalDriver::WhenShown(QStringLiteral("kalibrierung"), [](QWidget* dialog) {
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("Abbrechen")));
        });
        rig.Trigger(CCommandTable::kKonfiguration);
        QVERIFY(CModalDriver::Done());
        QVERIFY2(rig.messages.isEmpty(), qPrintable(rig.MessageTexts().join(QStringLiteral(" | "))));
        QVERIFY(rig.Doc().GetMesswert(0) != -99.0f);
        QVERIFY(rig.View().IsBereit());
    }

    void typeChoiceFromTheMenu() {
        CShellRig rig;
        QVERIFY(rig.Start());
        CModalDriver::WhenShown<CDlgTransmitterHalvard>([](CDlgTransmitterHalvard* dialog) {
            CModalDriver::Button(dialog, QStringLiteral("RX89 bis V. 2.2"))->click();
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("OK")));
        });
        rig.Trigger(CCommandTable::kTransmitterTyp);
        QVERIFY(CModalDriver::Done());
        QCOMPARE(rig.Doc().GetTyp(), 0);
    }
};

QTEST_MAIN(EditWindowTest)
#include "EditWindowTest.moc"
