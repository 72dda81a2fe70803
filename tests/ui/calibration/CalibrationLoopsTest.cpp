// The calibration dialogs that stay with the transmitter through a loop, driven through the window
// against the in-process simulator: "Analogabgleich...", the VN62's "DAC-Abgleich..." and the RX93's
// "Abgleich freigeben" and "Abgleichdaten ändern...".

#include "../ModalDriver.h"
#include "ShellRig.h"
#include "document/QuillonDoc.h"
#include "sim/SimTransmitter.h"
#include "transmitter/Commands.h"
#include "ui/calibration/AnalogAbgleich.h"
#include "ui/calibration/DacAbglVN62.h"
#include "ui/edit/EnterData.h"
#include "ui/main/MainFrame.h"
#include "ui/main/Progress.h"
#include "ui/main/QuillonView.h"
#include "ui/measurement/DlgSioTransfer.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

namespace {

constexpr int kAnalogAbgleich = 32885;
constexpr int kDacAbglVN62 = 32911;
constexpr int kRX93Freigeben = 32797;
constexpr int kRX93Aendern = 32799;

void Click(QWidget* dialog, const char* name) {
    auto* button = dialog->findChild<QPushButton*>(QString::fromLatin1(name));
    QVERIFY2(button != nullptr, name);
    button->click();
}

QLineEdit* Edit(QWidget* dialog, int nId) {
    return dialog->findChild<QLineEdit*>(QStringLiteral("ctl%1").arg(nId));
}

/// Acts on the analog calibration page the next time it is shown.
void OnAnalog(std::function<void(CAnalogAbgleich*)> act) {
    CModalDriver::WhenShown<CAnalogAbgleich>(std::move(act));
}

void OnDac(std::function<void(CDacAbglVN62*)> act) {
    CModalDriver::WhenShown<CDacAbglVN62>(std::move(act));
}

/// As CModalDriver::WhenShown, but waits out the time-outs of a transmitter that stays silent.
template <typename T>
void WhenShownAfterTimeouts(std::function<void(T*)> act, int nPollsLeft = 1500) {
    QTimer::singleShot(CModalDriver::kPollMs * 4, [act, nPollsLeft] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            act(dialog);
        } else if (nPollsLeft > 0) {
            WhenShownAfterTimeouts<T>(act, nPollsLeft - 1);
        }
    });
}

/// Accepts the warning box the next action raises; true once it came.
void AcceptWarning(bool& bCame) {
    CModalDriver::WhenShown<QMessageBox>([&bCame](QMessageBox* box) {
        bCame = true;
        box->accept();
    });
}

void StartWerk(CShellRig& rig, int nTyp) {
    QVERIFY(rig.Start());
    rig.Doc().SetTyp(nTyp);
    rig.Frame().show();
    rig.Frame().UpdateCommands();
}

} // namespace

class CalibrationLoopsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { CModalDriver::Reset(); }

    void analogPointSetAndRecordSentReachTheTransmitter() {
        CShellRig rig(CEdition::Kind::Werk, 2);
        StartWerk(rig, 2);
        QVERIFY(rig.Action(kAnalogAbgleich)->isEnabled());
        QStringList labels;
        OnAnalog([&](CAnalogAbgleich* page) {
            for (const int nId : {1248, 1247, 1249, 1250, 1251}) {
                labels << page->findChild<QLabel*>(QStringLiteral("ctl%1").arg(nId))->text();
            }
            Edit(page, 1262)->setText(QStringLiteral("2100"));
            OnAnalog([](CAnalogAbgleich* again) {
                QCOMPARE(Edit(again, 1262)->text(), QStringLiteral("2100"));
                Edit(again, 1275)->setText(QStringLiteral("2000"));
                Edit(again, 1002)->setText(QStringLiteral("20,5"));
                OnAnalog([](CAnalogAbgleich* last) { Click(last, "ok"); });
                Click(again, "senden");
            });
            Click(page, "set1");
        });
        rig.Trigger(kAnalogAbgleich);

        QCOMPARE(labels, (QStringList{"0", "250", "500", "750", "1000"})); // no record yet: the default's
        QVERIFY2(rig.messages.isEmpty(), qPrintable(rig.MessageTexts().join(QStringLiteral(" | "))));
        QCOMPARE(rig.sim.Transmitter().Dac(), 2100);
        const QList<quint16>& words = rig.sim.Transmitter().CalWords();
        QCOMPARE(words.at(6), quint16(2100));
        QCOMPARE(words.at(46), quint16(2000));
        QCOMPARE(words.at(9), quint16(2050));
        QCOMPARE(rig.Doc().Abgleichdaten().m_nAbglBereichEnde, qint16(2000));
        QVERIFY(rig.View().IsBereit());
    }

    void analogAbbrechenLeavesTheDocumentsRecord() {
        CShellRig rig(CEdition::Kind::Werk, 2);
        StartWerk(rig, 2);
        const QList<quint16> before = rig.sim.Transmitter().CalWords();
        QString afterUpdate;
        QString stepped;
        OnAnalog([&](CAnalogAbgleich* page) {
            Edit(page, 1274)->setText(QStringLiteral("-100"));
            Click(page, "ctl1289");
            afterUpdate = page->findChild<QLabel*>(QStringLiteral("ctl1247"))->text();
            Edit(page, 1263)->setText(QStringLiteral("4095"));
            Click(page, "ctl1289");
            Click(page, "plus2");
            stepped = Edit(page, 1263)->text();
            Click(page, "cancel");
        });
        rig.Trigger(kAnalogAbgleich);
        QCOMPARE(afterUpdate, QStringLiteral("175"));
        QCOMPARE(stepped, QStringLiteral("4095"));
        QCOMPARE(rig.Doc().Abgleichdaten().m_nAbglBereichAnfang, qint16(0));
        QVERIFY(!rig.Doc().Abgleichdaten().m_bGueltig);
        QCOMPARE(rig.sim.Transmitter().CalWords(), before);
    }

    void analogSilentTransmitterAndBadEntryKeepThePageUsable() {
        CShellRig rig(CEdition::Kind::Werk, 2);
        StartWerk(rig, 2);
        CSimulator::Faults faults;
        faults.silentCommands = {Cmd::SetDac};
        rig.sim.SetFaults(faults);
        bool bWarned = false;
        bool bShownAgain = false;
        OnAnalog([&](CAnalogAbgleich* page) {
            WhenShownAfterTimeouts<CAnalogAbgleich>([&](CAnalogAbgleich* again) {
                bShownAgain = true;
                Edit(again, 1264)->setText(QStringLiteral("zwei"));
                AcceptWarning(bWarned);
                QTimer::singleShot(200, again, [again] { Click(again, "ok"); });
                Click(again, "senden"); // refused: the page stays open
            });
            Click(page, "set0");
        });
        rig.Trigger(kAnalogAbgleich);
        QVERIFY(bShownAgain);
        QVERIFY(bWarned);
        QVERIFY(rig.MessageTexts().contains(QStringLiteral("Kann DAC nicht setzen!")));
        QCOMPARE(rig.sim.Transmitter().StoreCount(), 0);
        QVERIFY(rig.View().IsBereit());
    }

    void dacCalibrationSetsDefaultsAndKeepsThemOnAbbrechen() {
        CShellRig rig(CEdition::Kind::Werk, 7);
        StartWerk(rig, 7);
        QVERIFY(rig.Action(kDacAbglVN62)->isEnabled());
        const quint16 stored5 = rig.sim.Transmitter().CalWords().at(5);
        int shownFirst = -1;
        OnDac([&](CDacAbglVN62* page) {
            shownFirst = page->findChild<QSpinBox*>(QStringLiteral("dac3"))->value();
            page->findChild<QSpinBox*>(QStringLiteral("dac0"))->setValue(650);
            OnDac([](CDacAbglVN62* again) {
                Click(again, "default");
                Click(again, "cancel");
            });
            Click(page, "set0");
        });
        rig.Trigger(kDacAbglVN62);
        QVERIFY2(rig.messages.isEmpty(), qPrintable(rig.MessageTexts().join(QStringLiteral(" | "))));
        QCOMPARE(shownFirst, int(rig.sim.Transmitter().CalWords().at(52)));
        QCOMPARE(rig.sim.Transmitter().Dac(), 650);
        // The defaults reach the record but not the transmitter.
        QCOMPARE(rig.Doc().Abgleichdaten().m_nDac[0], 600);
        QCOMPARE(rig.Doc().Abgleichdaten().m_nDac2[2], 3800);
        QCOMPARE(rig.sim.Transmitter().CalWords().at(5), stored5);

        bool bWarned = false;
        bool bWriting = false;
        OnDac([&](CDacAbglVN62* page) {
            page->findChild<QSpinBox*>(QStringLiteral("dac4"))->setValue(5000);
            AcceptWarning(bWarned);
            QTimer::singleShot(200, page, [page, &bWriting] {
                page->findChild<QSpinBox*>(QStringLiteral("dac4"))->setValue(2270);
                bWriting = true;
                Click(page, "ok");
            });
            Click(page, "ok"); // refused: above the DAC's range
        });
        // The gain words go out under the progress window "Datentransfer", as every write does (the
        // window that reads the points when the dialog opens does not count).
        QStringList progressShown;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&progressShown, &bWriting] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (!bWriting) {
                    break;
                }
                if (auto* progress = qobject_cast<CProgress*>(w); progress && progress->isVisible()) {
                    progressShown << progress->windowTitle() + QLatin1Char('|') + progress->Text();
                }
            }
        });
        watch.start(1);
        rig.Trigger(kDacAbglVN62);
        watch.stop();
        QVERIFY(bWarned);
        QCOMPARE(rig.sim.Transmitter().CalWords().at(0x35), quint16(2270));
        QVERIFY2(progressShown.contains(QStringLiteral("Datentransfer|Verbinde Transmitter ...")),
                 qPrintable(progressShown.join(QStringLiteral(", "))));
    }

    void rx93ReleaseAndWordWrite() {
        CShellRig rig(CEdition::Kind::Werk, 1);
        StartWerk(rig, 1);
        QVERIFY(rig.Action(kRX93Freigeben)->isEnabled());
        QString title;
        QString received;
        WhenShownAfterTimeouts<CDlgSioTransfer>([&](CDlgSioTransfer* dialog) {
            title = dialog->windowTitle();
            received = dialog->findChild<QPlainTextEdit*>(QStringLiteral("receivedHex"))->toPlainText();
            Click(dialog, "ok");
        });
        rig.Trigger(kRX93Freigeben);
        QCOMPARE(title, QStringLiteral("Enable Abgleich"));
        QVERIFY(!received.isEmpty() && received != QStringLiteral("FAIL"));
        QVERIFY(rig.sim.Transmitter().CalibrationEnabled());

        QStringList presets;
        WhenShownAfterTimeouts<CEnterData>([&](CEnterData* entry) {
            presets << entry->Index() << entry->Wert();
            auto edits = entry->findChildren<QLineEdit*>();
            edits.at(0)->setText(QStringLiteral("3"));
            edits.at(1)->setText(QStringLiteral("4321"));
            WhenShownAfterTimeouts<CDlgSioTransfer>([&](CDlgSioTransfer* dialog) {
                title = dialog->windowTitle();
                WhenShownAfterTimeouts<CEnterData>([](CEnterData* next) { next->reject(); });
                Click(dialog, "wiederholen");
            });
            entry->accept();
        });
        rig.Trigger(kRX93Aendern);
        QCOMPARE(presets, (QStringList{"00", "12345"}));
        QCOMPARE(title, QStringLiteral("Set AbglData"));
        QCOMPARE(rig.sim.Transmitter().CalWords().at(3), quint16(4321));
        QCOMPARE(rig.sim.Transmitter().StoreCount(), 1);
        QVERIFY(rig.View().IsBereit());
    }
};

QTEST_MAIN(CalibrationLoopsTest)
#include "CalibrationLoopsTest.moc"
