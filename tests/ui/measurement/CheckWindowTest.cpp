// "Prüfung..." through the window's menu against the in-process simulator: the set-up takes the
// interval of the transmitter's last check from the history, one point is measured from the timer's
// samples as found and, after "Konfiguration", as left, and the finished check is an event of the
// history named in the status bar, its certificate printed from the window; the factory edition may
// adjust with the wizard instead, and a check cancelled after a point asks, then leaves no event.

#include "../ModalDriver.h"
#include "RecordingSink.h"
#include "ShellRig.h"
#include "document/HistoryRecorder.h"
#include "document/QuillonDoc.h"
#include "history/HistoryLocation.h"
#include "history/HistoryStation.h"
#include "history/HistoryStore.h"
#include "measurement/CheckHistory.h"
#include "measurement/CheckRules.h"
#include "shell/CommandTable.h"
#include "ui/main/HistoryStatus.h"
#include "ui/main/MainFrame.h"
#include "ui/main/QuillonView.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>

namespace {

using F = CCheckRules::Field;

QPushButton* Button(QWidget* dialog, const char* name) {
    return dialog->findChild<QPushButton*>(QString::fromLatin1(name));
}

} // namespace

class CheckWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { CModalDriver::Reset(); }

    void onePointFromTheSimulatorIntoTheHistory() {
        CShellRig rig(CEdition::Kind::Kunde, 2);
        QVERIFY(rig.Start());
        QTemporaryDir dir;
        CHistoryStore store(rig.Doc().Operator(),
                            CHistoryStation{QStringLiteral("S1"), QStringLiteral("u"),
                                            QStringLiteral("quillon"), QStringLiteral("1")});
        QVERIFY(store.Open(CHistoryLocation{dir.filePath(QStringLiteral("verlauf.db")), QString()}));
        CHistoryRecorder::Install(&store);
        rig.Frame().SetHistory(&store);

        // The transmitter's last check was made with an interval of 90 days.
        rig.Trigger(CCommandTable::kEmpfangen);
        CCheckRecord earlier = CCheckHistory::RangeOf(rig.Doc());
        earlier.intervalDays = 90;
        QVERIFY(store.Record(CCheckHistory::Event(earlier, rig.Doc())) > 0);

        QString interval;
        QStringList row;
        const QString pdf = rig.dir.filePath(QStringLiteral("zertifikat.pdf"));
        CModalDriver::WhenShown(QStringLiteral("pruefung"), [&](QWidget* dialog) {
            interval = CModalDriver::Field(dialog, int(F::Interval))->text();
            CModalDriver::Field(dialog, int(F::Points))->setText(QStringLiteral("50"));
            CModalDriver::Field(dialog, int(F::Tolerance))->setText(QStringLiteral("10"));
            CModalDriver::Field(dialog, int(F::ReferenceName))->setText(QStringLiteral("Druckwaage"));
            Button(dialog, "weiter")->click();
            auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("punkte"));
            QCOMPARE(table->rowCount(), 1);
            const auto measure = [&] {
                CModalDriver::Field(dialog, int(F::Reference))->setText(table->item(0, 1)->text());
                Button(dialog, "messen")->click();
                // Either the samples settle and the point is taken, or the technician takes it unsettled.
                QTRY_VERIFY_WITH_TIMEOUT(Button(dialog, "justieren")->isVisible() ||
                                             Button(dialog, "abschliessen")->isVisible() ||
                                             Button(dialog, "uebernehmen")->isEnabled(),
                                         8000);
                // A point waiting to be taken shows what it read so far, never "keine Messung".
                QVERIFY2(table->item(0, 3)->text() != QStringLiteral("keine Messung"),
                         qPrintable(table->item(0, 7)->text()));
                if (Button(dialog, "uebernehmen")->isEnabled()) {
                    Button(dialog, "uebernehmen")->click();
                }
            };
            measure();
            for (int nColumn = 0; nColumn < table->columnCount(); ++nColumn) {
                row << table->item(0, nColumn)->text();
            }
            // The adjustment opens "Konfiguration" with the transmitter between the passes.
            CModalDriver::WhenShown(QStringLiteral("konfiguration"), [](QWidget* konfiguration) {
                QMetaObject::invokeMethod(konfiguration, "reject");
            });
            Button(dialog, "justieren")->click();
            QVERIFY(table->item(0, 3)->text().isEmpty()); // as left starts afresh
            measure();
            QVERIFY(!table->item(0, 3)->text().isEmpty());
            Button(dialog, "abschliessen")->click();
            // The certificate of the recorded check goes to the main window's printer.
            CModalDriver::WhenShown<QPrintDialog>([&pdf](QPrintDialog* print) {
                print->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(pdf);
                print->accept();
            });
            Button(dialog, "zertifikat")->click();
            Button(dialog, "cancel")->click(); // now "Schließen"
        });
        rig.Trigger(CCommandTable::kPruefung);
        QVERIFY(CModalDriver::Done());
        CHistoryRecorder::Install(nullptr);
        rig.Frame().SetHistory(nullptr);

        QCOMPARE(interval, QStringLiteral("90"));
        QVERIFY2(!row.at(3).isEmpty() && row.at(3) != QStringLiteral("keine Messung"),
                 qPrintable(row.join('|')));
        QVERIFY2(!row.at(5).isEmpty() && !row.at(7).isEmpty(), qPrintable(row.join('|')));
        QVERIFY2(rig.messages.isEmpty(), qPrintable(rig.MessageTexts().join(QStringLiteral(" | "))));
        QVERIFY(rig.View().IsBereit());

        CHistoryFilter filter;
        const QList<CHistoryRecord> events = store.Events(filter);
        QCOMPARE(events.first().event.operation, CHistoryEvent::Operation::Check);
        QString error;
        const std::optional<CCheckRecord> recorded =
            CCheckHistory::FromEvent(store.Event(events.first().id)->event, error);
        QVERIFY2(recorded && recorded->asLeft && recorded->asLeft->points.at(0).reading, qPrintable(error));
        auto* note = rig.Frame().statusBar()->findChild<CHistoryStatus*>();
        QVERIFY(note);
        QVERIFY2(note->text().contains(QString::number(events.first().id)), qPrintable(note->text()));

        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(30000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY2(text.contains(QStringLiteral("Prüfzertifikat")) &&
                     text.contains(QStringLiteral("Druckwaage")) &&
                     text.contains(QStringLiteral("Wie hinterlassen")),
                 qPrintable(text));
    }

    void cancelledAfterAPointRecordsNothing() {
        CShellRig rig(CEdition::Kind::Werk, 2);
        QVERIFY(rig.Start());
        CRecordingSink sink;
        CHistoryRecorder::Install(&sink);
        bool bAsked = false;
        CModalDriver::WhenShown(QStringLiteral("pruefung"), [&](QWidget* dialog) {
            CModalDriver::Field(dialog, int(F::Points))->setText(QStringLiteral("0; 100"));
            CModalDriver::Field(dialog, int(F::ReferenceName))->setText(QStringLiteral("Druckwaage"));
            Button(dialog, "weiter")->click();
            CModalDriver::Field(dialog, int(F::Reference))->setText(QStringLiteral("0"));
            Button(dialog, "messen")->click();
            CModalDriver::WhenShown<QMessageBox>([&](QMessageBox* box) {
                bAsked = true;
                box->button(QMessageBox::Yes)->click();
            });
            Button(dialog, "cancel")->click();
        });
        rig.Trigger(CCommandTable::kPruefung);
        QVERIFY(CModalDriver::Done());
        CHistoryRecorder::Install(nullptr);
        QVERIFY(bAsked);
        QVERIFY(sink.events.isEmpty());
        QVERIFY(rig.View().IsBereit());
    }

    void theFactoryEditionAdjustsWithTheWizardOrNotAtAll() {
        CShellRig rig(CEdition::Kind::Werk, 2);
        QVERIFY(rig.Start());
        bool bWizard = false;
        CModalDriver::WhenShown(QStringLiteral("pruefung"), [&](QWidget* dialog) {
            CModalDriver::Field(dialog, int(F::Points))->setText(QStringLiteral("50"));
            CModalDriver::Field(dialog, int(F::ReferenceName))->setText(QStringLiteral("Druckwaage"));
            Button(dialog, "weiter")->click();
            auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("punkte"));
            CModalDriver::Field(dialog, int(F::Reference))->setText(table->item(0, 1)->text());
            Button(dialog, "messen")->click();
            QTRY_VERIFY_WITH_TIMEOUT(
                Button(dialog, "justieren")->isVisible() || Button(dialog, "uebernehmen")->isEnabled(), 8000);
            if (Button(dialog, "uebernehmen")->isEnabled()) {
                Button(dialog, "uebernehmen")->click();
            }
            // Choosing neither keeps the as-found result; choosing the wizard runs it, then as left.
            const auto choose = [](const char* choice) {
                CModalDriver::WhenShown<QMessageBox>([choice](QMessageBox* box) {
                    QPushButton* chosen = Button(box, choice);
                    (chosen != nullptr ? chosen : box->button(QMessageBox::Cancel))->click();
                });
            };
            choose("none");
            Button(dialog, "justieren")->click();
            QVERIFY(!table->item(0, 3)->text().isEmpty());
            choose("wizard");
            CModalDriver::WhenShown(QStringLiteral("AbglWizard"), [&bWizard](QWidget* wizard) {
                bWizard = true;
                QMetaObject::invokeMethod(wizard, "reject");
            });
            Button(dialog, "justieren")->click();
            QVERIFY(table->item(0, 3)->text().isEmpty()); // as left starts afresh
            QVERIFY(Button(dialog, "messen")->isEnabled());
            CModalDriver::WhenShown<QMessageBox>(
                [](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
            Button(dialog, "cancel")->click();
        });
        rig.Trigger(CCommandTable::kPruefung);
        QVERIFY(CModalDriver::Done()); // the cancel asked: the as-found points would be lost
        QVERIFY(bWizard);
        QVERIFY(rig.View().IsBereit());
    }
};

QTEST_MAIN(CheckWindowTest)
#include "CheckWindowTest.moc"
