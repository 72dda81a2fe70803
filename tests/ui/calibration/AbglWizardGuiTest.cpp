// The calibration wizard and the temperature calibration through the window against the in-process
// simulator: a whole "Neuabgleich" and "Nachabgleich", cancelling on every page, the busy flag during a
// transfer, and a transmitter that goes silent.

#include "../ModalDriver.h"
#include "ShellRig.h"
#include "calibration/AbglWizardRules.h"
#include "calibration/TempAbgleich.h"
#include "document/QuillonDoc.h"
#include "shell/CommandTable.h"
#include "sim/SimTransmitter.h"
#include "transmitter/Commands.h"
#include "ui/calibration/AbglWizard.h"
#include "ui/calibration/TempAbgleichDialog.h"
#include "ui/calibration/WizardCommands.h"
#include "ui/main/MainFrame.h"
#include "ui/main/QuillonView.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

namespace {

using R = CAbglWizardRules;

constexpr int kSimTyp = 3;

template <typename T>
T* Child(QWidget* parent, const QString& name) {
    T* child = parent->findChild<T*>(name);
    if (child == nullptr) {
        qWarning() << "no control" << name;
    }
    return child;
}

void SetEdit(QWidget* page, const QString& name, const QString& text) {
    QLineEdit* edit = Child<QLineEdit>(page, name);
    edit->setText(text);
}

/// Opens the wizard as the menu (or the form's hidden button) does, runs act on it and closes it with Cancel
/// if act left it open.
void WithWizard(CShellRig& rig, const std::function<void(CAbglWizard&)>& act, bool bFormButton = false) {
    bool bActed = false;
    CModalDriver::WhenShown<CAbglWizard>([&act, &bActed](CAbglWizard* wizard) {
        bActed = true;
        act(*wizard);
        if (wizard->isVisible()) {
            wizard->reject();
        }
    });
    if (bFormButton) {
        auto* button = qobject_cast<QPushButton*>(rig.View().Control(CWizardCommands::kAnalogabgleichButton));
        QVERIFY(button);
        button->click(); // hidden on the form, but wired to the wizard
    } else {
        rig.Trigger(CCommandTable::kAbglWizard);
    }
    QVERIFY(bActed);
}

bool Step(CAbglWizard& wizard, int nExpected) {
    wizard.GoNext();
    if (wizard.currentId() != nExpected) {
        qWarning() << "on page" << wizard.currentId() << "instead of" << nExpected;
        return false;
    }
    return true;
}

} // namespace

class AbglWizardGuiTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CShellRig> StartRig(int nTyp = kSimTyp) {
        auto rig = std::make_unique<CShellRig>(CEdition::Kind::Werk, nTyp);
        if (!rig->Start()) {
            return nullptr;
        }
        rig->Doc().SetTyp(nTyp);
        rig->Frame().show();
        rig->Frame().UpdateCommands();
        return rig;
    }

private Q_SLOTS:
    void cleanup() { CModalDriver::Reset(); }

    void neuabgleichWalksEveryPage() {
        std::unique_ptr<CShellRig> rig = StartRig();
        QVERIFY(rig);
        QVERIFY(rig->Action(CCommandTable::kAbglWizard)->isEnabled());
        const QList<quint16>& words = rig->sim.Transmitter().CalWords();
        WithWizard(*rig, [&rig](CAbglWizard& w) {
            QCOMPARE(w.currentId(), int(R::kWelcome));
            QVERIFY(!w.button(QWizard::CustomButton1)->isEnabled()); // no Back on the first page
            QVERIFY(Step(w, R::kMessbereich));
            QWidget* page = w.currentPage();
            // A range of 0..16 bar suggests two decimals and is copied into the calibration range.
            QLineEdit* ende = Child<QLineEdit>(page, "ctl1329");
            ende->setText("16");
            emit ende->textEdited("16");
            QCOMPARE(Child<QComboBox>(page, "ctl1337")->currentIndex(), 2);
            QCOMPARE(Child<QLineEdit>(page, "ctl1330")->text(), QStringLiteral("16"));
            ModalClick(page, QStringLiteral("4-.20mA"));
            QVERIFY(!Child<QCheckBox>(page, "ctl1324")->isChecked());
            QVERIFY(Step(w, R::kDac));

            page = w.currentPage();
            Child<QComboBox>(page, "ctl1359")->setCurrentIndex(0); // two points: the middle follows
            SetEdit(page, "ctl1001", "610");
            SetEdit(page, "ctl1003", "3388");
            QCOMPARE(Child<QLineEdit>(page, "ctl1002")->text(), QStringLiteral("1999"));
            Child<QPushButton>(page, "setzen0")->click();
            QCOMPARE(rig->sim.Transmitter().Dac(), 610);
            QVERIFY(Step(w, R::kAdc));
            QCOMPARE(rig->sim.Transmitter().Dac(), int(CSimTransmitter::kDacFree));

            page = w.currentPage();
            Child<QComboBox>(page, "ctl1255")->setCurrentIndex(0); // two points
            SetEdit(page, "ctl1256", "20000");
            SetEdit(page, "ctl1260", "40000");
            QVERIFY(Step(w, R::kOptionen));

            page = w.currentPage();
            QCOMPARE(Child<QLineEdit>(page, "ctl1357")->text(), QStringLiteral("3.5"));
            SetEdit(page, "ctl1360", "12");
            SetEdit(page, "ctl1361", "3");
            SetEdit(page, "ctl1362", "45");
            QVERIFY(Step(w, R::kFinish));
            QVERIFY(Step(w, R::kWelcome)); // the next transmitter
        });
        QVERIFY2(rig->messages.isEmpty(), qPrintable(rig->MessageTexts().join(" | ")));
        // The record as the pages chose it is in the transmitter: range in digits, interpolated rows.
        QCOMPARE(rig->Doc().Abgleichdaten().m_nAdc,
                 (std::array<qint32, 5>{20000, 25000, 30000, 35001, 40000}));
        QCOMPARE(words.at(2), 30000);
        QCOMPARE(words.at(5), 610);
        QCOMPARE(words.at(6), 1999);
        QCOMPARE(words.at(16), 1600);
        QCOMPARE(rig->Doc().GetSeriennummer().left(13), QByteArray("000012.03.045"));
        QVERIFY(rig->View().IsBereit());
    }

    /// A "Nachabgleich" starts from the transmitter's own record: without it the wizard stays on its first
    /// page; with it the pages show it, the record goes back unchanged when the input page opens, and only
    /// what the technician changed reaches the transmitter.
    void nachabgleichStartsFromTheTransmittersRecord() {
        std::unique_ptr<CShellRig> rig = StartRig();
        QVERIFY(rig);
        CSimTransmitter& sim = rig->sim.Transmitter();
        const CSimCatalogue::CalLayout& cal = sim.CalLayout();
        QList<quint16>& words = sim.CalWords();
        // A record the wizard's reset would never produce, so that what the pages show can only be read.
        words[cal.dac] = 612;
        words[cal.dac + 1] = 2011;
        words[cal.dac + 2] = 3290;
        words[cal.adc + 1] = 24321;
        words[cal.adc + 2] = 31111;
        const QList<quint16> before = words;
        QList<quint16> atAdcPage;
        WithWizard(*rig, [&](CAbglWizard& w) {
            Child<QAbstractButton>(w.currentPage(), "nachabgleich")->click();
            // The record is refused, the rest would come: the input page would write a record never read.
            CSimulator::Faults faults;
            faults.silentCommands = {Cmd::EnableAbgleich};
            rig->sim.SetFaults(faults);
            w.GoNext();
            QCOMPARE(w.currentId(), int(R::kWelcome));
            QCOMPARE(rig->MessageTexts().last(), QStringLiteral("Empfangsfehler!"));
            rig->sim.SetFaults(CSimulator::Faults());
            rig->messages.clear();

            QVERIFY(Step(w, R::kMessbereich));
            QVERIFY(Step(w, R::kDac));

            QWidget* page = w.currentPage();
            Child<QComboBox>(page, "ctl1359")->setCurrentIndex(1); // three points: the middle as read
            QCOMPARE(Child<QLineEdit>(page, "ctl1001")->text(), QStringLiteral("612"));
            QCOMPARE(Child<QLineEdit>(page, "ctl1002")->text(), QStringLiteral("2011"));
            QCOMPARE(Child<QLineEdit>(page, "ctl1003")->text(), QStringLiteral("3290"));
            QVERIFY(Step(w, R::kAdc));
            atAdcPage = sim.CalWords();

            page = w.currentPage();
            Child<QComboBox>(page, "ctl1255")->setCurrentIndex(2); // five points
            QStringList rows;
            for (int i = 0; i < 5; ++i) {
                rows << Child<QLineEdit>(page, QStringLiteral("ctl%1").arg(1256 + i))->text();
            }
            QCOMPARE(rows, (QStringList{"20000", "24321", "31111", "35000", "40000"}));
            SetEdit(page, "ctl1258", "30500");
            QVERIFY(Step(w, R::kOptionen));
            QVERIFY(Step(w, R::kFinish));
            QVERIFY(Step(w, R::kWelcome));
        });
        QVERIFY2(rig->messages.isEmpty(), qPrintable(rig->MessageTexts().join(" | ")));
        QCOMPARE(atAdcPage, before);
        QList<quint16> expected = before;
        expected[cal.adc + 2] = 30500;
        QCOMPARE(sim.CalWords(), expected);
        QCOMPARE(rig->Doc().Abgleichdaten().m_nAdc,
                 (std::array<qint32, 5>{20000, 24321, 30500, 35000, 40000}));
        QVERIFY(rig->View().IsBereit());
    }

    /// With a German locale the pages show and take numbers with the decimal comma, as the main window does.
    void numbersFollowTheLocale() {
        std::unique_ptr<CShellRig> rig = StartRig();
        QVERIFY(rig);
        // After the start, which takes the system's locale as the program's.
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto restore = qScopeGuard([&before] { QLocale::setDefault(before); });
        WithWizard(*rig, [&rig](CAbglWizard& w) {
            QVERIFY(Step(w, R::kMessbereich));
            QWidget* page = w.currentPage();
            ModalClick(page, QStringLiteral("4-.20mA"));
            const std::pair<const char*, const char*> refused[] = {
                {"20.5", "Geben Sie eine Zahl ein."},
                {"22,6", "Geben Sie eine Zahl zwischen 0 und 22,5 ein."},
            };
            for (const auto& [typed, message] : refused) {
                SetEdit(page, "ctl1336", QString::fromUtf8(typed));
                w.GoNext();
                QCOMPARE(w.currentId(), int(R::kMessbereich));
                QCOMPARE(rig->MessageTexts().last(), QString::fromUtf8(message));
            }
            SetEdit(page, "ctl1336", "20,0");
            QVERIFY(Step(w, R::kDac));
            QVERIFY(Step(w, R::kAdc));
            page = w.currentPage();
            Child<QComboBox>(page, "ctl1255")->setCurrentIndex(0);
            SetEdit(page, "ctl1256", "20000");
            SetEdit(page, "ctl1260", "40000");
            QVERIFY(Step(w, R::kOptionen));
            QCOMPARE(Child<QLineEdit>(w.currentPage(), "ctl1357")->text(), QStringLiteral("3,5"));
        });
    }

    void cancelOnEveryPageLeavesADefinedState_data() {
        QTest::addColumn<int>("page");
        for (const int page : {R::kWelcome, R::kMessbereich, R::kDac, R::kAdc, R::kOptionen, R::kFinish}) {
            QTest::addRow("page %d", page) << page;
        }
    }

    void cancelOnEveryPageLeavesADefinedState() {
        QFETCH(int, page);
        std::unique_ptr<CShellRig> rig = StartRig();
        QVERIFY(rig);
        const QList<int> way{R::kWelcome, R::kMessbereich, R::kDac, R::kAdc, R::kOptionen, R::kFinish};
        WithWizard(*rig, [&](CAbglWizard& w) {
            for (int k = 1; k <= way.indexOf(page); ++k) {
                QVERIFY(Step(w, way.at(k)));
            }
            if (page == R::kDac) {
                Child<QPushButton>(w.currentPage(), "setzen2")->click();
                QCOMPARE(rig->sim.Transmitter().Dac(), 3280);
            }
            Child<QAbstractButton>(&w, "cancel")->click();
            QVERIFY(!w.isVisible());
        });
        // A driven output is handed back; the wizard says what the transmitter keeps.
        QCOMPARE(rig->sim.Transmitter().Dac(), int(CSimTransmitter::kDacFree));
        const bool bSays = page != R::kWelcome && page != R::kFinish;
        QCOMPARE(rig->MessageTexts().join("|").contains("abgebrochen"), bSays);
        QVERIFY(rig->View().IsBereit());
        QVERIFY(rig->Action(CCommandTable::kAbglWizard)->isEnabled());
    }

    void nextIsRefusedWhileATransferRunsAndFreeAfterAFailure() {
        std::unique_ptr<CShellRig> rig = StartRig();
        QVERIFY(rig);
        WithWizard(*rig, [&rig](CAbglWizard& w) {
            bool bChecked = false;
            QTimer::singleShot(30, &w, [&w, &bChecked] {
                QVERIFY(w.IsBusy());
                QVERIFY(!w.button(QWizard::CustomButton2)->isEnabled());
                w.GoNext(); // a second Next is refused, not queued
                w.GoBack();
                w.reject();
                QVERIFY(w.isVisible());
                bChecked = true;
            });
            QVERIFY(Step(w, R::kMessbereich));
            QVERIFY(bChecked);

            // The transmitter goes silent: the page stays and says so, and can try again.
            w.GoBack();
            QCOMPARE(w.currentId(), int(R::kWelcome));
            CSimulator::Faults faults;
            faults.silentCommands = {Cmd::GetAbgleichWort};
            rig->sim.SetFaults(faults);
            w.GoNext();
            QCOMPARE(w.currentId(), int(R::kWelcome));
            QVERIFY(rig->MessageTexts().contains("Empfangsfehler!"));
            QVERIFY(!w.IsBusy());
            QVERIFY(w.button(QWizard::CustomButton2)->isEnabled());
            rig->sim.SetFaults(CSimulator::Faults());
            QVERIFY(Step(w, R::kMessbereich));
        });
    }

    void nurOptionenAndTheKA28() {
        std::unique_ptr<CShellRig> rig = StartRig(6);
        QVERIFY(rig);
        WithWizard(
            *rig,
            [](CAbglWizard& w) {
                QCOMPARE(Child<QComboBox>(w.currentPage(), "transmitter")->currentIndex(), 3);
                Child<QAbstractButton>(w.currentPage(), "nurOptionen")->click();
                QVERIFY(Step(w, R::kOptionen));
                w.GoBack();
                QCOMPARE(w.currentId(), int(R::kWelcome));
                Child<QAbstractButton>(w.currentPage(), "neuabgleich")->click();
                QVERIFY(Step(w, R::kMessbereich));
                QVERIFY(Child<QCheckBox>(w.currentPage(), "ctl1324")->isChecked());
                // Enter in an entry goes on as "Weiter >" does.
                QTest::keyClick(Child<QLineEdit>(w.currentPage(), "ctl1329"), Qt::Key_Return);
                QCOMPARE(w.currentId(), int(R::kAdc)); // the KA28 has no analog output to calibrate
            },
            true);
        // Only the cancel on the ADC page speaks; the transfers on the way had nothing to say.
        QCOMPARE(rig->messages.size(), 1);
        QVERIFY(rig->MessageTexts().first().startsWith(QStringLiteral("Der Abgleich wurde abgebrochen.")));
    }

    void temperatureDialogReceivesAndSends() {
        std::unique_ptr<CShellRig> rig = StartRig(1);
        QVERIFY(rig);
        bool bActed = false;
        CModalDriver::WhenShown<CTempAbgleichDialog>([&](CTempAbgleichDialog* dialog) {
            bActed = true;
            Child<QPushButton>(dialog, "empfangen")->click();
            QCOMPARE(Child<QLineEdit>(dialog, "e3307")->text(), QStringLiteral("80"));
            SetEdit(dialog, "e1101", "1601"); // one value changed, the checksum not
            Child<QPushButton>(dialog, "senden")->click();
            QCOMPARE(rig->MessageTexts(), QStringList{"Falsche Checksumme!"});
            SetEdit(dialog, "e3301", "-1000");
            Child<QPushButton>(dialog, "senden")->click();
            QCOMPARE(rig->MessageTexts().last(),
                     QStringLiteral("Geben Sie eine ganze Zahl zwischen -999 und 9999 ein."));
            SetEdit(dialog, "e3301", "-20");
            const std::optional<CTempAbgleich::Values> werte = dialog->Values();
            QVERIFY(werte);
            SetEdit(dialog, "e4401", QString::number(CTempAbgleich::Checksum(*werte)));
            Child<QPushButton>(dialog, "senden")->click();
            QCOMPARE(rig->messages.size(), 2);
            Child<QPushButton>(dialog, "beenden")->click();
        });
        rig->Trigger(CCommandTable::kTempAbgleich);
        QVERIFY(bActed);
        QCOMPARE(rig->sim.Transmitter().CalWords().at(32), 1601);
    }

private:
    static void ModalClick(QWidget* page, const QString& text) { QVERIFY(CModalDriver::Click(page, text)); }
};

QTEST_MAIN(AbglWizardGuiTest)
#include "AbglWizardGuiTest.moc"
