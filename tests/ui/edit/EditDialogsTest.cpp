// The editing dialogs offscreen, driven as a user would: OK, Abbrechen and a failing check for each, the
// hint line, the table editors opened from "Edit", the KA71 display unit, the type choice, the
// configuration loop, and a preset edited into a document that goes to the simulator and comes back.

#include "DialogDriver.h"
#include "ParameterSetEdits.h"
#include "ScriptedOperator.h"
#include "SequenceRig.h"
#include "document/QuillonDoc.h"
#include "edit/EditDataValues.h"
#include "edit/KonfigurationSchleife.h"
#include "edit/KonfigurationValues.h"
#include "measurement/KorrekturTransfer.h"
#include "ui/edit/DlgTransmitterHalvard.h"
#include "ui/edit/EditCommands.h"
#include "ui/edit/EditData.h"
#include "ui/edit/EnterData.h"
#include "ui/edit/Konfiguration.h"
#include "ui/edit/LinTab.h"
#include "ui/edit/LinTabDruck.h"
#include "ui/edit/LinTab_Druck_KA71.h"
#include "ui/edit/Seriennummer.h"
#include "ui/measurement/Kalibrierung.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace {

using F = CEditDataValues;

std::unique_ptr<CQuillonDoc> Doc(IOperator& op, int typ) {
    auto doc = std::make_unique<CQuillonDoc>(op, QString());
    doc->SetTyp(typ);
    doc->SetGrundAnfang(0.0f);
    doc->SetGrundEnde(10.0f);
    doc->SetMessAnfang(0.0f);
    doc->SetMessEnde(10.0f);
    doc->SetDezimalstellen(3);
    doc->SetEinheit(1);
    doc->SetAnzeigeEinheit(1);
    return doc;
}

} // namespace

class EditDialogsTest : public QObject {
    Q_OBJECT

    CScriptedOperator m_op;
    const QLocale m_locale = QLocale::c();

private Q_SLOTS:
    void editDataOkCancelAndAFailingCheck() {
        CDialogDriver driver;
        std::unique_ptr<CQuillonDoc> doc = Doc(m_op, 2);
        const QByteArray before = doc->SaveToBytes();
        CEditCommands commands(*doc, nullptr, m_locale);

        CDialogDriver::Later([] {
            auto* dialog = CDialogDriver::Active<CEditData>();
            QVERIFY(dialog);
            CDialogDriver::Type(dialog, F::kDaempfung, QStringLiteral("12"));
            CDialogDriver::Click(dialog, QStringLiteral("Abbrechen"));
        });
        QVERIFY(!commands.AktuelleDaten());
        QCOMPARE(doc->SaveToBytes(), before);

        bool bStillOpen = false;
        CDialogDriver::Later([&] {
            auto* dialog = CDialogDriver::Active<CEditData>();
            QVERIFY(dialog);
            CDialogDriver::Type(dialog, F::kDaempfung, QStringLiteral("200.1"));
            CDialogDriver::Click(dialog, QStringLiteral("OK"));
            bStillOpen = dialog->isVisible();
            QCOMPARE(dialog->focusWidget(), CDialogDriver::Field(dialog, F::kDaempfung));
            CDialogDriver::Type(dialog, F::kDaempfung, QStringLiteral("200"));
            CDialogDriver::Type(dialog, F::kBezeichnung, QStringLiteral("KESSEL 2"));
            CDialogDriver::Click(dialog, QStringLiteral("OK"));
        });
        QVERIFY(commands.AktuelleDaten());
        QVERIFY(bStillOpen);
        QCOMPARE(driver.messages, QStringList{QStringLiteral("Geben Sie eine Zahl zwischen 0 und 200 ein.")});
        QCOMPARE(doc->GetDaempfung(), 200.0f);
        QCOMPARE(doc->GetBezeichnungText().trimmed(), QStringLiteral("KESSEL 2"));
    }

    void returnConfirmsWithOk() {
        CDialogDriver driver;
        std::unique_ptr<CQuillonDoc> doc = Doc(m_op, 2);
        CEditCommands commands(*doc, nullptr, m_locale);
        CDialogDriver::Later([] {
            auto* dialog = CDialogDriver::Active<CEditData>();
            QVERIFY(dialog);
            CDialogDriver::Type(dialog, F::kDaempfung, QStringLiteral("12"));
            QTest::keyClick(CDialogDriver::Field(dialog, F::kDaempfung), Qt::Key_Return);
            if (dialog->isVisible()) {
                CDialogDriver::Click(dialog, QStringLiteral("Abbrechen")); // a fault fails, not hangs
            }
        });
        QVERIFY(commands.AktuelleDaten());
        QCOMPARE(doc->GetDaempfung(), 12.0f);
    }

    void hintLineFollowsTheFocus() {
        CEditDataValues werte;
        werte.eVariante = CEditDataValues::Variante::RX31_3x;
        werte.nTyp = 2;
        werte.strGrundAnfang = QStringLiteral("0");
        werte.strGrundEnde = QStringLiteral("10");
        werte.strEinheit = QStringLiteral("bar");
        std::unique_ptr<CEditData> dialog = CEditData::Create(werte, m_locale);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QLabel* hint = nullptr;
        for (QLabel* label : dialog->findChildren<QLabel*>()) {
            if (label->frameStyle() != QFrame::NoFrame) {
                hint = label;
            }
        }
        QVERIFY(hint);
        CDialogDriver::Field(dialog.get(), F::kMessEnde)->setFocus();
        QTRY_COMPARE(hint->text(), QStringLiteral("0 ... 10 bar"));
        CDialogDriver::Field(dialog.get(), F::kTempDaempfung)->setFocus();
        QTRY_COMPARE(hint->text(), QStringLiteral("0,0 ... 200,0 Sekunden"));
        QVERIFY(CDialogDriver::Field(dialog.get(), F::kTempDaempfung)->isVisible());
    }

    void linearizationThroughTheTableEditor() {
        CDialogDriver driver;
        std::unique_ptr<CQuillonDoc> doc = Doc(m_op, 8);
        CEditCommands commands(*doc, nullptr, m_locale);
        CDialogDriver::Later([] {
            auto* dialog = CDialogDriver::Active<CEditData>();
            QVERIFY(dialog);
            CDialogDriver::Type(dialog, F::kMessAnfang, QStringLiteral("2"));
            CDialogDriver::Click(dialog, QStringLiteral("Lin.-Korrektur:"));
            QCOMPARE(dialog->Values().linTab.nAnzahl, 30);
            CDialogDriver::Later([] {
                auto* editor = CDialogDriver::Active<CLinTabDruck>();
                QVERIFY(editor);
                auto* anzahl = editor->findChild<QComboBox*>();
                anzahl->setCurrentIndex(2);
                emit anzahl->activated(2); // 5 points
                QVERIFY(!CDialogDriver::Field(editor, 5)->isEnabled());
                QVERIFY(CDialogDriver::Field(editor, 0)->isReadOnly());
                // Two equal outputs: refused, the editor stays open.
                CDialogDriver::Type(editor, 2, QStringLiteral("8"));
                CDialogDriver::Click(editor, QStringLiteral("OK"));
                QVERIFY(editor->isVisible());
                CDialogDriver::Type(editor, 2, QStringLiteral("12.5"));
                CDialogDriver::Click(editor, QStringLiteral("OK"));
            });
            CDialogDriver::Click(dialog, QStringLiteral("Edit"));
            CDialogDriver::Click(dialog, QStringLiteral("OK"));
        });
        QVERIFY(commands.AktuelleDaten());
        QCOMPARE(driver.messages,
                 QStringList{QStringLiteral("Die Tabellenwerte müssen sich um mindestens  0.010 ändern !")});
        QCOMPARE(doc->GetLinTabAnzahl(), 5);
        QCOMPARE(doc->GetLinTabX(2), 12.5f);
        QCOMPARE(doc->GetLinTabY(4), 10.0f);
        QCOMPARE(doc->GetMessAnfang(), 2.0f);
    }

    void fallingCharacteristicOfTheRX26() {
        CDialogDriver driver;
        std::unique_ptr<CQuillonDoc> doc = Doc(m_op, 4);
        doc->SetStromgrenzeMin(0.0f);
        doc->SetFehlerstrom(0.0f);
        CEditCommands commands(*doc, nullptr, m_locale);
        CDialogDriver::Later([] {
            auto* dialog = CDialogDriver::Active<CEditData>();
            QVERIFY(dialog);
            QVERIFY(!CDialogDriver::Field(dialog, F::kMessAnfang)->isVisible());
            CDialogDriver::Button(dialog, QStringLiteral("fallend"))->click();
            CDialogDriver::Type(dialog, F::kStromMin, QStringLiteral("20"));
            CDialogDriver::Type(dialog, F::kStromMax, QStringLiteral("4"));
            CDialogDriver::Click(dialog, QStringLiteral("OK"));
            CDialogDriver::Click(dialog, QStringLiteral("Rücksetzen"));
            QVERIFY(CDialogDriver::Button(dialog, QStringLiteral("steigend"))->isChecked());
            CDialogDriver::Button(dialog, QStringLiteral("fallend"))->click();
            CDialogDriver::Click(dialog, QStringLiteral("OK"));
        });
        QVERIFY(commands.AktuelleDaten());
        QCOMPARE(driver.messages, QStringList{QStringLiteral("Stromgrenze Min > Max!")});
        QCOMPARE(doc->GetMessAnfang(), 10.0f);
        QCOMPARE(doc->GetMessEnde(), 0.0f);
        QCOMPARE(doc->GetStromgrenzeMin(), 0.0f);
    }

    void ka71DisplayUnitAndSquareRoot() {
        CDialogDriver driver;
        std::unique_ptr<CQuillonDoc> doc = Doc(m_op, 10);
        CEditCommands commands(*doc, nullptr, m_locale);
        CDialogDriver::Later([] {
            auto* dialog = CDialogDriver::Active<CEditData>();
            QVERIFY(dialog);
            auto* einheit = CDialogDriver::Field<QComboBox>(dialog, F::kAnzeigeEinheit);
            einheit->setCurrentIndex(2);
            emit einheit->activated(2);
            QCOMPARE(CDialogDriver::Field(dialog, F::kMessEnde)->text(), QStringLiteral("10000"));
            einheit->setCurrentIndex(3);
            emit einheit->activated(3); // 10 bar in Pa overflows the display: back to mbar
            QCOMPARE(einheit->currentIndex(), 2);
            CDialogDriver::Click(dialog, QStringLiteral("Lin.-Korrektur:"));
            CDialogDriver::Later([] {
                auto* editor = CDialogDriver::Active<CLinTab_Druck_KA71>();
                QVERIFY(editor);
                auto* anzahl = editor->findChildren<QComboBox*>().first();
                anzahl->setCurrentIndex(0);
                emit anzahl->activated(0);
                QVERIFY(!CDialogDriver::Field(editor, 0)->isVisible());
                CDialogDriver::Click(editor, QStringLiteral("OK"));
            });
            CDialogDriver::Click(dialog, QStringLiteral("Edit"));
            CDialogDriver::Click(dialog, QStringLiteral("OK"));
        });
        QVERIFY(commands.AktuelleDaten());
        QVERIFY(driver.messages.isEmpty());
        QCOMPARE(doc->GetAnzeigeEinheit(), 2);
        QCOMPARE(doc->GetMessEnde(), 10000.0f);
        QCOMPARE(doc->GetLinTabAnzahl(), 1);
        QCOMPARE(doc->GetLinTabX(1), 412.0f);
    }

    void typeChoice() {
        std::unique_ptr<CQuillonDoc> doc = Doc(m_op, 2);
        CEditCommands commands(*doc, nullptr, m_locale);
        CDialogDriver::Later([] {
            auto* dialog = CDialogDriver::Active<CDlgTransmitterHalvard>();
            QVERIFY(dialog);
            QVERIFY(CDialogDriver::Button(dialog, QStringLiteral("RX26 2-Leiter"))->isChecked());
            CDialogDriver::Button(dialog, QStringLiteral("RX89 bis V. 2.2"))->click();
            CDialogDriver::Click(dialog, QStringLiteral("Abbrechen"));
        });
        QVERIFY(!commands.TransmitterTyp());
        QCOMPARE(doc->GetTyp(), 2);
        CDialogDriver::Later([] {
            auto* dialog = CDialogDriver::Active<CDlgTransmitterHalvard>();
            CDialogDriver::Button(dialog, QStringLiteral("RX89 bis V. 2.2"))->click();
            CDialogDriver::Click(dialog, QStringLiteral("OK"));
        });
        QVERIFY(commands.TransmitterTyp());
        QCOMPARE(doc->GetTyp(), 0);
        QCOMPARE(doc->GetGrundEnde(), 10.0f);
    }

    /// "Konfiguration..." against the simulator: a refused entry keeps the dialog open, "Übertragen" stores
    /// and writes, "Auslesen" shows what the transmitter then holds; the older types get "Kalibrierung".
    void configurationLoop() {
        using K = CKonfigurationValues;
        CDialogDriver driver;
        CSequenceRig rig(2);
        CKorrekturTransfer korrektur(rig.link, rig.connection, rig.transfer, rig.doc);
        CKorrekturSchleife loop(korrektur, rig.doc);
        const auto offset = [](CKonfiguration& dialog) {
            return CDialogDriver::Field(&dialog, K::kOffset)->text();
        };
        QList<std::function<void(CKonfiguration&)>> steps{
            [](CKonfiguration& dialog) { CDialogDriver::Click(&dialog, QStringLiteral("Auslesen")); },
            [](CKonfiguration& dialog) {
                CDialogDriver::Type(&dialog, K::kOffset, QStringLiteral("2"));
                CDialogDriver::Click(&dialog, QStringLiteral("Übertragen"));
                QVERIFY(dialog.isVisible());
                CDialogDriver::Type(&dialog, K::kOffset, QStringLiteral("0.05"));
                CDialogDriver::Click(&dialog, QStringLiteral("Übertragen"));
            },
            [&](CKonfiguration& dialog) {
                QCOMPARE(offset(dialog), QStringLiteral("0.05"));
                rig.doc.SetOffset(0.25f); // what the next read replaces
                CDialogDriver::Click(&dialog, QStringLiteral("Auslesen"));
            },
            [&](CKonfiguration& dialog) {
                QCOMPARE(offset(dialog), QStringLiteral("0.05"));
                CDialogDriver::Click(&dialog, QStringLiteral("OK"));
            },
        };
        int nKalibrierung = 0;
        const auto showKalibrierung = [&nKalibrierung](CKalibrierungRules::Values&) {
            ++nKalibrierung;
            return CKorrekturSchleife::Result::Abbrechen;
        };
        CKonfigurationSchleife konfiguration(loop, rig.doc, m_locale);
        konfiguration.Run(showKalibrierung, [&](K& values) {
            CKonfiguration dialog(values, m_locale);
            dialog.show();
            steps.takeFirst()(dialog);
            values = dialog.Values();
            return CKalibrierung::ToResult(dialog.result());
        });
        QVERIFY(steps.isEmpty());
        QCOMPARE(nKalibrierung, 0);
        QCOMPARE(driver.messages.size(), 1); // "2" is refused in the dialog
        QVERIFY(driver.messages.first().startsWith(QStringLiteral("Geben Sie eine Zahl zwischen")));
        QVERIFY2(rig.op.messages.isEmpty(), qPrintable(rig.op.MessageTexts().join(" | ")));
        QVERIFY(!rig.link.IsBusy());

        rig.doc.SetTyp(1);
        konfiguration.Run(showKalibrierung, [](K&) { return CKorrekturSchleife::Result::Abbrechen; });
        QCOMPARE(nKalibrierung, 1);
    }

    void valueEntryAndSerialNumber() {
        CDialogDriver driver;
        CEnterData enter;
        enter.show();
        CDialogDriver::Type(&enter, 1, QStringLiteral("12345678901"));
        CDialogDriver::Click(&enter, QStringLiteral("OK"));
        QVERIFY(enter.isVisible());
        CDialogDriver::Type(&enter, 1, QStringLiteral("-12.5"));
        CDialogDriver::Type(&enter, 0, QStringLiteral("3"));
        CDialogDriver::Click(&enter, QStringLiteral("OK"));
        QCOMPARE(enter.result(), int(QDialog::Accepted));
        QCOMPARE(enter.Wert(), QStringLiteral("-12.5"));
        QCOMPARE(driver.messages, QStringList{QStringLiteral("Geben Sie nicht mehr als 10 Zeichen ein.")});

        CSeriennummer serial(QStringLiteral("123456.78.901   "));
        serial.show();
        CDialogDriver::Type(&serial, 1, QStringLiteral("99"));
        CDialogDriver::Type(&serial, 2, QStringLiteral("12345"));
        CDialogDriver::Click(&serial, QStringLiteral("OK"));
        QCOMPARE(serial.result(), int(QDialog::Accepted));
        QCOMPARE(serial.Seriennummer(), QStringLiteral("123456.99.123   "));
    }

    void presetEditedSentAndReceivedBack() {
        CDialogDriver driver;
        CSequenceRig rig(8);
        CEditCommands commands(rig.doc, nullptr, m_locale);
        CDialogDriver::Later([] {
            auto* dialog = CDialogDriver::Active<CEditData>();
            QVERIFY(dialog);
            CDialogDriver::Type(dialog, F::kMessAnfang, QStringLiteral("5"));
            CDialogDriver::Type(dialog, F::kMessEnde, QStringLiteral("35"));
            CDialogDriver::Type(dialog, F::kDaempfung, QStringLiteral("1.5"));
            CDialogDriver::Type(dialog, F::kBezeichnung, QStringLiteral("PRESET 40"));
            CDialogDriver::Click(dialog, QStringLiteral("OK"));
        });
        QVERIFY(commands.RangePreset(9)); // "0 ... 40 bar..."
        QVERIFY(rig.doc.IsGueltig());
        QCOMPARE(rig.doc.GetGrundEnde(), 40.0f);

        rig.op.Answer(IOperator::Answer::Yes);
        QCOMPARE(rig.transfer.SendParameterSet(), CParameterTransfer::SendResult::Sent);
        QCOMPARE(rig.op.messages.size(), 1); // only the send's own question
        CQuillonDoc received(rig.op, QString());
        received.SetTyp(8);
        received.SetInterfaceVersion(rig.doc.GetInterfaceVersion());
        CConnection connection(rig.link, received);
        CParameterTransfer transfer(rig.link, connection, received);
        QVERIFY(transfer.ReceiveParameterSet());
        CompareWrittenFields(rig.doc, received);
        QCOMPARE(received.GetMessAnfang(), 5.0f);
        QCOMPARE(received.GetDaempfung(), 1.5f);
        QVERIFY(driver.messages.isEmpty());
    }
};

QTEST_MAIN(EditDialogsTest)
#include "EditDialogsTest.moc"
