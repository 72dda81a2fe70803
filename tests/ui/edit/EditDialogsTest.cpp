// The editing dialogs offscreen, driven as a user would: OK, Abbrechen and a failing check for each, the
// hint line, the table editors opened from "Edit", the KA71 display unit, the type choice, the
// configuration loop, and a preset edited into a document that goes to the simulator and comes back.

#include "../ModalDriver.h"
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
    void cleanup() { CModalDriver::Reset(); }

    void editDataOkCancelAndAFailingCheck() {
        std::unique_ptr<CQuillonDoc> doc = Doc(m_op, 2);
        const QByteArray before = doc->SaveToBytes();
        CEditCommands commands(*doc, nullptr, m_locale);

        CModalDriver::WhenShown<CEditData>([](CEditData* dialog) {
            CModalDriver::Type(dialog, F::kDaempfung, QStringLiteral("12"));
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("Abbrechen")));
        });
        QVERIFY(!commands.AktuelleDaten());
        QVERIFY(CModalDriver::Done());
        QCOMPARE(doc->SaveToBytes(), before);

        CModalDriver::WhenShown(QStringLiteral("messagebox"), CModalDriver::Answer);
        bool bStillOpen = false;
        CModalDriver::WhenShown<CEditData>([&](CEditData* dialog) {
            CModalDriver::Type(dialog, F::kDaempfung, QStringLiteral("200.1"));
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("OK")));
            bStillOpen = dialog->isVisible();
            QCOMPARE(dialog->focusWidget(), CModalDriver::Field(dialog, F::kDaempfung));
            CModalDriver::Type(dialog, F::kDaempfung, QStringLiteral("200"));
            CModalDriver::Type(dialog, F::kBezeichnung, QStringLiteral("KESSEL 2"));
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("OK")));
        });
        QVERIFY(commands.AktuelleDaten());
        QVERIFY(CModalDriver::Done());
        QVERIFY(bStillOpen);
        QCOMPARE(CModalDriver::Messages(),
                 QStringList{QStringLiteral("Geben Sie eine Zahl zwischen 0 und 200 ein.")});
        QCOMPARE(doc->GetDaempfung(), 200.0f);
        QCOMPARE(doc->GetBezeichnungText().trimmed(), QStringLiteral("KESSEL 2"));
    }

    void returnConfirmsWithOk() {
        std::unique_ptr<CQuillonDoc> doc = Doc(m_op, 2);
        CEditCommands commands(*doc, nullptr, m_locale);
        CModalDriver::WhenShown<CEditData>([](CEditData* dialog) {
            CModalDriver::Type(dialog, F::kDaempfung, QStringLiteral("12"));
            QTest::keyClick(CModalDriver::Field(dialog, F::kDaempfung), Qt::Key_Return);
            if (dialog->isVisible()) {
                CModalDriver::Click(dialog, QStringLiteral("Abbrechen")); // a fault fails, not hangs
            }
        });
        QVERIFY(commands.AktuelleDaten());
        QVERIFY(CModalDriver::Done());
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
        CModalDriver::Field(dialog.get(), F::kMessEnde)->setFocus();
        QTRY_COMPARE(hint->text(), QStringLiteral("0 ... 10 bar"));
        CModalDriver::Field(dialog.get(), F::kTempDaempfung)->setFocus();
        QTRY_COMPARE(hint->text(), QStringLiteral("0,0 ... 200,0 Sekunden"));
        QVERIFY(CModalDriver::Field(dialog.get(), F::kTempDaempfung)->isVisible());
    }

    void linearizationThroughTheTableEditor() {
        std::unique_ptr<CQuillonDoc> doc = Doc(m_op, 8);
        CEditCommands commands(*doc, nullptr, m_locale);
        CModalDriver::WhenShown(QStringLiteral("messagebox"), CModalDriver::Answer);
        CModalDriver::WhenShown<CEditData>([](CEditData* dialog) {
            CModalDriver::Type(dialog, F::kMessAnfang, QStringLiteral("2"));
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("Lin.-Korrektur:")));
            QCOMPARE(dialog->Values().linTab.nAnzahl, 30);
            CModalDriver::WhenShown<CLinTabDruck>([](CLinTabDruck* editor) {
                auto* anzahl = editor->findChild<QComboBox*>();
                anzahl->setCurrentIndex(2);
                emit anzahl->activated(2); // 5 points
                QVERIFY(!CModalDriver::Field(editor, 5)->isEnabled());
                QVERIFY(CModalDriver::Field(editor, 0)->isReadOnly());
                // Two equal outputs: refused, the editor stays open.
                CModalDriver::Type(editor, 2, QStringLiteral("8"));
                QVERIFY(CModalDriver::Click(editor, QStringLiteral("OK")));
                QVERIFY(editor->isVisible());
                CModalDriver::Type(editor, 2, QStringLiteral("12.5"));
                QVERIFY(CModalDriver::Click(editor, QStringLiteral("OK")));
            });
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("Edit")));
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("OK")));
        });
        QVERIFY(commands.AktuelleDaten());
        QVERIFY(CModalDriver::Done());
        QCOMPARE(CModalDriver::Messages(),
                 QStringList{QStringLiteral("Die Tabellenwerte müssen sich um mindestens  0.010 ändern !")});
        QCOMPARE(doc->GetLinTabAnzahl(), 5);
        QCOMPARE(doc->GetLinTabX(2), 12.5f);
        QCOMPARE(doc->GetLinTabY(4), 10.0f);
        QCOMPARE(doc->GetMessAnfang(), 2.0f);
    }

    void fallingCharacteristicOfTheRX26() {
        std::unique_ptr<CQuillonDoc> doc = Doc(m_op, 4);
        doc->SetStromgrenzeMin(0.0f);
        doc->SetFehlerstrom(0.0f);
        CEditCommands commands(*doc, nullptr, m_locale);
        CModalDriver::WhenShown(QStringLiteral("messagebox"), CModalDriver::Answer);
        CModalDriver::WhenShown<CEditData>([](CEditData* dialog) {
            QVERIFY(!CModalDriver::Field(dialog, F::kMessAnfang)->isVisible());
            CModalDriver::Button(dialog, QStringLiteral("fallend"))->click();
            CModalDriver::Type(dialog, F::kStromMin, QStringLiteral("20"));
            CModalDriver::Type(dialog, F::kStromMax, QStringLiteral("4"));
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("OK")));
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("Rücksetzen")));
            QVERIFY(CModalDriver::Button(dialog, QStringLiteral("steigend"))->isChecked());
            CModalDriver::Button(dialog, QStringLiteral("fallend"))->click();
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("OK")));
        });
        QVERIFY(commands.AktuelleDaten());
        QVERIFY(CModalDriver::Done());
        QCOMPARE(CModalDriver::Messages(), QStringList{QStringLiteral("Stromgrenze Min > Max!")});
        QCOMPARE(doc->GetMessAnfang(), 10.0f);
        QCOMPARE(doc->GetMessEnde(), 0.0f);
        QCOMPARE(doc->GetStromgrenzeMin(), 0.0f);
    }

    void ka71DisplayUnitAndSquareRoot() {
        std::unique_ptr<CQuillonDoc> doc = Doc(m_op, 10);
        CEditCommands commands(*doc, nullptr, m_locale);
        CModalDriver::WhenShown<CEditData>([](CEditData* dialog) {
            auto* einheit = CModalDriver::Field<QComboBox>(dialog, F::kAnzeigeEinheit);
            einheit->setCurrentIndex(2);
            emit einheit->activated(2);
            QCOMPARE(CModalDriver::Field(dialog, F::kMessEnde)->text(), QStringLiteral("10000"));
            einheit->setCurrentIndex(3);
            emit einheit->activated(3); // 10 bar in Pa overflows the display: back to mbar
            QCOMPARE(einheit->currentIndex(), 2);
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("Lin.-Korrektur:")));
            CModalDriver::WhenShown<CLinTab_Druck_KA71>([](CLinTab_Druck_KA71* editor) {
                auto* anzahl = editor->findChildren<QComboBox*>().first();
                anzahl->setCurrentIndex(0);
                emit anzahl->activated(0);
                QVERIFY(!CModalDriver::Field(editor, 0)->isVisible());
                QVERIFY(CModalDriver::Click(editor, QStringLiteral("OK")));
            });
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("Edit")));
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("OK")));
        });
        QVERIFY(commands.AktuelleDaten());
        QVERIFY(CModalDriver::Done());
        QVERIFY(CModalDriver::Messages().isEmpty());
        QCOMPARE(doc->GetAnzeigeEinheit(), 2);
        QCOMPARE(doc->GetMessEnde(), 10000.0f);
        QCOMPARE(doc->GetLinTabAnzahl(), 1);
        QCOMPARE(doc->GetLinTabX(1), 412.0f);
    }

    void typeChoice() {
        std::unique_ptr<CQuillonDoc> doc = Doc(m_op, 2);
        CEditCommands commands(*doc, nullptr, m_locale);
        CModalDriver::WhenShown<CDlgTransmitterHalvard>([](CDlgTransmitterHalvard* dialog) {
            QVERIFY(CModalDriver::Button(dialog, QStringLiteral("RX26 2-Leiter"))->isChecked());
            CModalDriver::Button(dialog, QStringLiteral("RX89 bis V. 2.2"))->click();
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("Abbrechen")));
        });
        QVERIFY(!commands.TransmitterTyp());
        QVERIFY(CModalDriver::Done());
        QCOMPARE(doc->GetTyp(), 2);
        CModalDriver::WhenShown<CDlgTransmitterHalvard>([](CDlgTransmitterHalvard* dialog) {
            CModalDriver::Button(dialog, QStringLiteral("RX89 bis V. 2.2"))->click();
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("OK")));
        });
        QVERIFY(commands.TransmitterTyp());
        QVERIFY(CModalDriver::Done());
        QCOMPARE(doc->GetTyp(), 0);
        QCOMPARE(doc->GetGrundEnde(), 10.0f);
    }

    /// "Konfiguration..." against the simulator: a refused entry keeps the dialog open, "Übertragen" stores
    /// and writes, "Auslesen" shows what the transmitter then holds; the older types get "Kalibrierung".
    void configurationLoop() {
        using K = CKonfigurationValues;
        CModalDriver::WhenShown(QStringLiteral("messagebox"), CModalDriver::Answer);
        CSequenceRig rig(2);
        CKorrekturTransfer korrektur(rig.link, rig.connection, rig.transfer, rig.doc);
        CKorrekturSchleife loop(korrektur, rig.doc);
        const auto offset = [](CKonfiguration& dialog) {
            return CModalDriver::Field(&dialog, K::kOffset)->text();
        };
        QList<std::function<void(CKonfiguration&)>> steps{
            [](CKonfiguration& dialog) { QVERIFY(CModalDriver::Click(&dialog, QStringLiteral("Auslesen"))); },
            [](CKonfiguration& dialog) {
                CModalDriver::Type(&dialog, K::kOffset, QStringLiteral("2"));
                QVERIFY(CModalDriver::Click(&dialog, QStringLiteral("Übertragen")));
                QVERIFY(dialog.isVisible());
                CModalDriver::Type(&dialog, K::kOffset, QStringLiteral("0.05"));
                QVERIFY(CModalDriver::Click(&dialog, QStringLiteral("Übertragen")));
            },
            [&](CKonfiguration& dialog) {
                QCOMPARE(offset(dialog), QStringLiteral("0.05"));
                rig.doc.SetOffset(0.25f); // what the next read replaces
                QVERIFY(CModalDriver::Click(&dialog, QStringLiteral("Auslesen")));
            },
            [&](CKonfiguration& dialog) {
                QCOMPARE(offset(dialog), QStringLiteral("0.05"));
                QVERIFY(CModalDriver::Click(&dialog, QStringLiteral("OK")));
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
        QCOMPARE(CModalDriver::Messages().size(), 1); // "2" is refused in the dialog
        QVERIFY(CModalDriver::Messages().first().startsWith(QStringLiteral("Geben Sie eine Zahl zwischen")));
        QVERIFY2(rig.op.messages.isEmpty(), qPrintable(rig.op.MessageTexts().join(" | ")));
        QVERIFY(!rig.link.IsBusy());

        rig.doc.SetTyp(1);
        konfiguration.Run(showKalibrierung, [](K&) { return CKorrekturSchleife::Result::Abbrechen; });
        QCOMPARE(nKalibrierung, 1);
    }

    void valueEntryAndSerialNumber() {
        CModalDriver::WhenShown(QStringLiteral("messagebox"), CModalDriver::Answer);
        CEnterData enter;
        enter.show();
        CModalDriver::Type(&enter, 1, QStringLiteral("12345678901"));
        QVERIFY(CModalDriver::Click(&enter, QStringLiteral("OK")));
        QVERIFY(enter.isVisible());
        CModalDriver::Type(&enter, 1, QStringLiteral("-12.5"));
        CModalDriver::Type(&enter, 0, QStringLiteral("3"));
        QVERIFY(CModalDriver::Click(&enter, QStringLiteral("OK")));
        QCOMPARE(enter.result(), int(QDialog::Accepted));
        QCOMPARE(enter.Wert(), QStringLiteral("-12.5"));
        QCOMPARE(CModalDriver::Messages(),
                 QStringList{QStringLiteral("Geben Sie nicht mehr als 10 Zeichen ein.")});

        CSeriennummer serial(QStringLiteral("123456.78.901   "));
        serial.show();
        CModalDriver::Type(&serial, 1, QStringLiteral("99"));
        CModalDriver::Type(&serial, 2, QStringLiteral("12345"));
        QVERIFY(CModalDriver::Click(&serial, QStringLiteral("OK")));
        QCOMPARE(serial.result(), int(QDialog::Accepted));
        QCOMPARE(serial.Seriennummer(), QStringLiteral("123456.99.123   "));
    }

    void presetEditedSentAndReceivedBack() {
        CSequenceRig rig(8);
        CEditCommands commands(rig.doc, nullptr, m_locale);
        CModalDriver::WhenShown<CEditData>([](CEditData* dialog) {
            CModalDriver::Type(dialog, F::kMessAnfang, QStringLiteral("5"));
            CModalDriver::Type(dialog, F::kMessEnde, QStringLiteral("35"));
            CModalDriver::Type(dialog, F::kDaempfung, QStringLiteral("1.5"));
            CModalDriver::Type(dialog, F::kBezeichnung, QStringLiteral("PRESET 40"));
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("OK")));
        });
        QVERIFY(commands.RangePreset(9)); // "0 ... 40 bar..."
        QVERIFY(CModalDriver::Done());
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
        QVERIFY(CModalDriver::Messages().isEmpty());
    }
};

QTEST_MAIN(EditDialogsTest)
#include "EditDialogsTest.moc"
