// The measurement and test commands through the window's menus against the in-process simulator, on the
// product's clock: "Messung..." with a logging run, the entries of the "Test" menu, "Connect RX93" and
// "Seriennummer ändern...".

#include "../ModalDriver.h"
#include "ShellRig.h"
#include "document/QuillonDoc.h"
#include "shell/CommandTable.h"
#include "sim/SimTransmitter.h"
#include "transmitter/TestMenu.h"
#include "ui/main/MainFrame.h"
#include "ui/main/QuillonView.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

int LinesIn(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? static_cast<int>(file.readAll().count('\n')) : 0;
}

QStringList Texts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts << action->text();
    }
    return texts;
}

QMenu* Menu(QWidget* parent, const QString& title) {
    for (QMenu* menu : parent->findChildren<QMenu*>()) {
        if (menu->title() == title) {
            return menu;
        }
    }
    return nullptr;
}

/// What "Sio-Transfer" shows: its caption, the data sent and the first byte received.
QString Exchange(QWidget* dialog) {
    return dialog->windowTitle() + QLatin1Char(':') +
           dialog->findChild<QLineEdit*>(QStringLiteral("sentText"))->text() + QLatin1Char(':') +
           dialog->findChild<QPlainTextEdit*>(QStringLiteral("receivedHex"))->toPlainText().left(2);
}

/// Types the value into "Dateneingabe" (after noting its preset) and confirms it.
CModalDriver::Action Enter(QStringList& presets, const QString& wert) {
    return [&presets, wert](QWidget* dialog) {
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("feld1"));
        presets << field->text();
        field->setText(wert);
        QMetaObject::invokeMethod(dialog, "accept");
    };
}

} // namespace

class MeasurementWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { CModalDriver::Reset(); }

    void messungLogsWhileTheCommandsWait() {
        CShellRig rig(CEdition::Kind::Kunde, 2);
        QVERIFY(rig.Start());
        rig.Frame().show();
        const QString log = rig.dir.filePath(QStringLiteral("window.log"));
        bool bEmpfangenEnabled = true;
        CModalDriver::WhenShown(QStringLiteral("loggen"), [&](QWidget* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("ctl1023"))->setText(log);
            dialog->findChild<QCheckBox*>(QStringLiteral("ctl1038"))->setChecked(true);
            dialog->findChild<QPushButton*>(QStringLiteral("ok"))->click();
        });
        CModalDriver::WhenShown(QStringLiteral("doLoggen"), [&](QWidget* dialog) {
            bEmpfangenEnabled = rig.Action(CCommandTable::kEmpfangen)->isEnabled();
            QTRY_VERIFY_WITH_TIMEOUT(LinesIn(log) >= 2, 10000); // the first at once, the next after 2 s
            dialog->findChild<QPushButton*>(QStringLiteral("cancel"))->click();
        });
        rig.Trigger(CCommandTable::kMessung);
        QVERIFY(CModalDriver::Done());
        QVERIFY(!bEmpfangenEnabled);
        QVERIFY2(rig.messages.isEmpty(), qPrintable(rig.MessageTexts().join(QStringLiteral(" | "))));
        QVERIFY(rig.View().IsBereit());
        QVERIFY(rig.Action(CCommandTable::kEmpfangen)->isEnabled());
        QCOMPARE(rig.Doc().GetLogStatus(), 1);
        QCOMPARE(rig.Doc().GetLogFile(), log);
    }

    void aTestCommandShowsItsExchange() {
        CShellRig rig(CEdition::Kind::Werk, 2);
        QVERIFY(rig.Start());
        QString sent;
        CModalDriver::WhenShown(QStringLiteral("sioTransfer"), [&](QWidget* dialog) {
            sent = dialog->findChild<QPlainTextEdit*>(QStringLiteral("sentHex"))->toPlainText();
            dialog->findChild<QPushButton*>(QStringLiteral("ok"))->click();
        });
        rig.Trigger(32773); // "Gerätekennung"
        QVERIFY(CModalDriver::Done());
        QCOMPARE(sent, QStringLiteral("02 03 31 34 03 "));
        QVERIFY(rig.View().IsBereit());
    }

    void testMenuHoldsEveryEntryAndEachKindReachesTheTransmitter() {
        CShellRig rig(CEdition::Kind::Werk, 2);
        QVERIFY(rig.Start());
        rig.Trigger(CCommandTable::kEmpfangen);
        QMenu* test = Menu(&rig.Frame(), QStringLiteral("Test"));
        QVERIFY(test);
        QCOMPARE(Texts(test),
                 (QStringList{"Test RS232", "Connect RX93", "Lesen", "Ändern", "Ausgang lesen", "",
                              "Parametrierung sperren", "Parametrierung freigeben", "", "Fehlersignal lesen",
                              "Stromgrenze min lesen", "Stromgrenze max lesen", "Fehlersignal ändern",
                              "Stromgrenze min änderen", "Stromgrenze max ändern", "", "LinTab lesen",
                              "LinTab schreiben"}));
        QCOMPARE(Texts(Menu(test, QStringLiteral("Ändern"))),
                 (QStringList{"Messbereichsanfang", "Messbereichsende", "Offsetkorrektur", "Spannekorrektur",
                              "Dämpfung", "Messstellenbezeichung"}));
        QVERIFY(Texts(Menu(test, QStringLiteral("Lesen"))).contains(QStringLiteral("Einheit")));
        for (const int nId : {32787, 32788, 32793, 32794, 32795, 32796, 33100, 33101, 33102, 33103, 33104,
                              33105, 33106, 33107, 33108, 33109, 33110}) {
            QVERIFY2(rig.Action(nId)->isEnabled(), qPrintable(QString::number(nId)));
        }

        CSimTransmitter& sim = rig.sim.Transmitter();
        sim.SetReleased(false);
        QStringList presets;
        QStringList exchanges;
        const auto note = [&](QWidget* dialog) {
            exchanges << Exchange(dialog);
            dialog->findChild<QPushButton*>(QStringLiteral("ok"))->click();
        };
        CModalDriver::WhenShown(QStringLiteral("sioTransfer"), note); // "Ausgang lesen": no payload
        rig.Trigger(33100);
        CModalDriver::WhenShown(QStringLiteral("sioTransfer"),
                                note); // "Parametrierung freigeben": a fixed payload
        rig.Trigger(33102);
        QVERIFY(sim.Released());
        CModalDriver::WhenShown(QStringLiteral("enterData"), Enter(presets, QStringLiteral("+00042")));
        CModalDriver::WhenShown(QStringLiteral("sioTransfer"), note); // "Dämpfung" below "Ändern": typed
        rig.Trigger(32795);
        QCOMPARE(sim.ParamWord(sim.ParamLayout().daempfung), quint16(42));
        CModalDriver::WhenShown(QStringLiteral("enterData"), Enter(presets, QStringLiteral("05")));
        CModalDriver::WhenShown(QStringLiteral("sioTransfer"), note); // "LinTab schreiben"
        rig.Trigger(CCommandTable::kLinTabSchreiben);
        QCOMPARE(sim.TableCount(), 5);
        CModalDriver::WhenShown(QStringLiteral("sioTransfer"),
                                note); // "LinTab lesen": the last of the ten blocks
        rig.Trigger(CCommandTable::kLinTabLesen);
        QVERIFY(CModalDriver::Done());
        QCOMPARE(presets, (QStringList{"+00000", "20"}));
        QCOMPARE(exchanges, (QStringList{"Get Akt Output:0:02", "Parametrierung freigeben:@1:02",
                                         "Set Dämpfung:I+00042:02",
                                         QStringLiteral("Set LinTabCount:<84>05:02"), "Get LinTab:?9:02"}));

        // "Abbrechen" in "Dateneingabe" sends nothing.
        const int nFrames = rig.sim.FrameCount();
        CModalDriver::WhenShown(QStringLiteral("enterData"),
                                [](QWidget* dialog) { QMetaObject::invokeMethod(dialog, "reject"); });
        rig.Trigger(32787);
        QVERIFY(CModalDriver::Done());
        QCOMPARE(rig.sim.FrameCount(), nFrames);
        QVERIFY2(rig.messages.isEmpty(), qPrintable(rig.MessageTexts().join(QStringLiteral(" | "))));
        QVERIFY(rig.View().IsBereit());
    }

    void serialNumberChangesInTheTransmitter() {
        CShellRig rig(CEdition::Kind::Werk, 2);
        QVERIFY(rig.Start());
        rig.Trigger(CCommandTable::kEmpfangen);
        for (const int nId : {32813, 32913, 32915, 32922}) {
            QVERIFY(rig.Frame().IsConnected(nId));
        }
        const QByteArray before = rig.sim.Transmitter().Serial();
        QCOMPARE(rig.Doc().GetSeriennummer(), before.left(13));
        QStringList shown;
        CModalDriver::WhenShown(QStringLiteral("seriennummer"), [&](QWidget* dialog) {
            for (int i = 0; i < 3; ++i) {
                shown << dialog->findChild<QLineEdit*>(QStringLiteral("feld%1").arg(i))->text();
            }
            dialog->findChild<QLineEdit*>(QStringLiteral("feld1"))->setText(QStringLiteral("99"));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        rig.Trigger(32813);
        QVERIFY(CModalDriver::Done());
        QCOMPARE(shown.join(QLatin1Char('.')).toLatin1(), before.left(13));
        const QByteArray changed = before.left(7) + "99" + before.mid(9, 4);
        QCOMPARE(rig.sim.Transmitter().Serial().left(13), changed);
        QCOMPARE(rig.Doc().GetSeriennummer(), changed);
        QVERIFY2(rig.messages.isEmpty(), qPrintable(rig.MessageTexts().join(QStringLiteral(" | "))));

        // "Abbr." sends nothing.
        const int nFrames = rig.sim.FrameCount();
        CModalDriver::WhenShown(QStringLiteral("seriennummer"),
                                [](QWidget* dialog) { QMetaObject::invokeMethod(dialog, "reject"); });
        rig.Trigger(32813);
        QVERIFY(CModalDriver::Done());
        QCOMPARE(rig.sim.FrameCount(), nFrames);
        QCOMPARE(rig.sim.Transmitter().Serial().left(13), changed);
    }

    void connectRX93TellsWhatAnswered() {
        CShellRig rig(CEdition::Kind::Werk, 0);
        QVERIFY(rig.Start());
        rig.Doc().SetTyp(0);
        rig.Doc().UpdateAllViews(); // the window evaluates its rules anew
        rig.Frame().show();
        QVERIFY(rig.Action(32772)->isEnabled());
        rig.Trigger(32772);
        QCOMPARE(rig.messages.size(), 1);
        QVERIFY2(rig.messages.first().text.startsWith(QStringLiteral("Connecting Hardware... OK")),
                 qPrintable(rig.messages.first().text));
        QVERIFY(rig.messages.first().text.contains(QStringLiteral("0x02 0x0A 0x56")));
    }
};

QTEST_MAIN(MeasurementWindowTest)
#include "MeasurementWindowTest.moc"
