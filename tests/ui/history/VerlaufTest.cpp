// "Verlauf..." in the window: the transmitters of the history, one transmitter's events newest first,
// a recorded set opened as a new document or sent again, two events' sets compared.

#include "ModalDriver.h"
#include "ScriptedOperator.h"
#include "ShellRig.h"
#include "document/HistoryRecorder.h"
#include "document/QuillonDoc.h"
#include "history/HistoryStore.h"
#include "shell/CommandTable.h"
#include "ui/compare/Vergleich.h"
#include "ui/history/DlgVerlauf.h"
#include "ui/main/MainFrame.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

CHistoryEvent Event(CHistoryEvent::Operation operation, const CParameterSatz& satz, int nHour) {
    CHistoryEvent event = CHistoryRecorder::For(operation, satz);
    event.timeUtc = QDateTime(QDate(2026, 3, 4), QTime(nHour, 0), Qt::UTC);
    return event;
}

/// A set of one transmitter the history has seen.
CParameterSatz Satz() {
    CParameterSatz satz;
    satz.m_nTyp = 2;
    satz.m_strSeriennummer = "111111.22.333";
    return satz;
}

/// A history in a temporary file.
struct HistoryFile {
    CScriptedOperator op;
    CHistoryStore store{op, CHistoryStation{QStringLiteral("S1"), QStringLiteral("u"),
                                            QStringLiteral("quillon"), QStringLiteral("1")}};
    QTemporaryDir dir;

    bool Open() {
        return store.Open(CHistoryLocation{dir.filePath(QStringLiteral("verlauf.db")), QString()});
    }

    qint64 Record(CHistoryEvent::Operation operation, const CParameterSatz& satz, int nHour, bool bWithSet) {
        CHistoryEvent event = Event(operation, satz, nHour);
        if (bWithSet) {
            event.after = satz;
        }
        return store.Record(event);
    }
};

/// Shows "Verlauf...", chooses the first transmitter and the given event rows, and hands the window on.
void InVerlauf(CShellRig& rig, CHistoryStore& store, const QList<int>& rows,
               const std::function<void(CDlgVerlauf*)>& act) {
    rig.Frame().SetHistory(&store);
    CModalDriver::WhenShown<CDlgVerlauf>([rows, act](CDlgVerlauf* dialog) {
        dialog->findChild<QTableWidget*>(QStringLiteral("transmitters"))->selectRow(0);
        auto* events = dialog->findChild<QTableWidget*>(QStringLiteral("events"));
        events->clearSelection();
        for (const int row : rows) {
            events->selectionModel()->select(events->model()->index(row, 0),
                                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
        act(dialog);
    });
    rig.Trigger(CCommandTable::kVerlauf);
    rig.Frame().SetHistory(nullptr);
}

} // namespace

class VerlaufTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { CModalDriver::Reset(); }

    void aRecordedSetOpensAsANewDocument() {
        HistoryFile history;
        QVERIFY2(history.Open(), qPrintable(history.op.MessageTexts().join(QLatin1Char('|'))));
        CHistoryStore& store = history.store;
        CParameterSatz satz = Satz();
        satz.m_strBezeichnung = "PT-7";
        satz.m_fDaempfung = 4.5f;
        CHistoryEvent received = Event(CHistoryEvent::Operation::Receive, satz, 10);
        received.after = satz;
        const qint64 nReceived = store.Record(received);
        QVERIFY(nReceived != 0);
        QVERIFY(store.Record(Event(CHistoryEvent::Operation::WriteValues, satz, 11)) != 0);

        CShellRig rig;
        QVERIFY(rig.Start());
        rig.Frame().SetHistory(&store);
        bool bShown = false;
        CModalDriver::WhenShown<CDlgVerlauf>([&](CDlgVerlauf* dialog) {
            bShown = true;
            auto* transmitters = dialog->findChild<QTableWidget*>(QStringLiteral("transmitters"));
            auto* events = dialog->findChild<QTableWidget*>(QStringLiteral("events"));
            dialog->findChild<QLineEdit*>(QStringLiteral("filter"))->setText(QStringLiteral("nichts"));
            QCOMPARE(transmitters->rowCount(), 0);
            dialog->findChild<QLineEdit*>(QStringLiteral("filter"))->setText(QStringLiteral("pt-7"));
            QCOMPARE(transmitters->rowCount(), 1);
            QCOMPARE(transmitters->item(0, 4)->text(), QStringLiteral("2"));
            transmitters->selectRow(0);
            QCOMPARE(events->rowCount(), 2);
            QCOMPARE(events->item(0, 2)->text(), QStringLiteral("Werte geschrieben")); // newest first
            events->selectRow(1);
            QCOMPARE(events->item(1, 0)->text(), QString::number(nReceived));
            dialog->findChild<QPushButton*>(QStringLiteral("open"))->click();
        });
        rig.Trigger(CCommandTable::kVerlauf);
        QVERIFY(bShown);
        QVERIFY(CModalDriver::Done());
        QCOMPARE(rig.Doc().GetBezeichnungText().trimmed(), QStringLiteral("PT-7"));
        QCOMPARE(rig.Doc().GetDaempfung(), 4.5f);
        QVERIFY(rig.Doc().IsModified());
        QVERIFY(rig.Frame().windowTitle().startsWith(QStringLiteral("Unbenannt")));
        rig.Frame().SetHistory(nullptr);
    }

    void twoEventsCompareOlderAgainstNewer() {
        HistoryFile history;
        QVERIFY(history.Open());
        CParameterSatz satz = Satz();
        satz.m_fDaempfung = 1.0f;
        const qint64 nOlder = history.Record(CHistoryEvent::Operation::Receive, satz, 9, true);
        satz.m_fDaempfung = 8.0f;
        const qint64 nNewer = history.Record(CHistoryEvent::Operation::Send, satz, 10, true);
        history.Record(CHistoryEvent::Operation::WriteValues, satz, 11, false); // row 0: no set

        CShellRig rig;
        QVERIFY(rig.Start());
        QStringList differing;
        QStringList headers;
        CModalDriver::WhenShown<CVergleich>([&](CVergleich* window) {
            for (int c = 1; c < CVergleich::kSpalten; ++c) {
                headers << window->Table()->horizontalHeaderItem(c)->text();
            }
            for (int row = 0; row < window->Table()->rowCount(); ++row) {
                if (window->Table()->item(row, 1)->text() != window->Table()->item(row, 2)->text()) {
                    differing << window->Feld(row);
                }
            }
            QVERIFY(!window->findChild<QPushButton*>(QStringLiteral("takeTransmitter"))->isVisibleTo(window));
            window->accept();
        });
        InVerlauf(rig, history.store, {0, 1}, [](CDlgVerlauf* dialog) {
            auto* compare = dialog->findChild<QPushButton*>(QStringLiteral("compare"));
            QVERIFY(!compare->isEnabled()); // the newest event holds no set
            auto* events = dialog->findChild<QTableWidget*>(QStringLiteral("events"));
            events->selectionModel()->select(events->model()->index(2, 0),
                                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
            QVERIFY(!compare->isEnabled()); // three events
            events->selectionModel()->select(events->model()->index(0, 0),
                                             QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
            compare->click();
        });
        QVERIFY(CModalDriver::Done());
        QCOMPARE(headers, QStringList({QStringLiteral("Ereignis %1").arg(nOlder),
                                       QStringLiteral("Ereignis %1").arg(nNewer)}));
        QCOMPARE(differing, QStringList{QStringLiteral("m_fDaempfung")});
        QVERIFY(!rig.Doc().IsGueltig()); // the document is not touched
    }

    void twoEventsPrintAsFoundBesideAsLeft() {
        HistoryFile history;
        QVERIFY(history.Open());
        CParameterSatz satz = Satz();
        satz.m_strBezeichnung = "VORHER";
        history.Record(CHistoryEvent::Operation::Receive, satz, 9, true);
        satz.m_strBezeichnung = "NACHHER";
        history.Record(CHistoryEvent::Operation::Send, satz, 10, true);

        CShellRig rig;
        QVERIFY(rig.Start());
        const QString pdf = rig.dir.filePath(QStringLiteral("blatt.pdf"));
        QString title;
        CModalDriver::WhenShown<QPrintDialog>([&pdf, &title](QPrintDialog* dialog) {
            title = dialog->windowTitle();
            dialog->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(pdf);
            dialog->accept();
        });
        InVerlauf(rig, history.store, {1, 0}, [](CDlgVerlauf* dialog) {
            dialog->findChild<QPushButton*>(QStringLiteral("print"))->click();
        });
        QVERIFY(CModalDriver::Done());
        QCOMPARE(title, QStringLiteral("Drucken")); // Qt's own dialog in the program's language
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(30000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY2(text.contains(QStringLiteral("Vorher")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("VORHER")) && text.contains(QStringLiteral("NACHHER")));
    }

    void aSendsSetFoundBeforeOpensToo() {
        HistoryFile history;
        QVERIFY(history.Open());
        CParameterSatz vorher = Satz();
        vorher.m_strBezeichnung = "VORHER";
        CParameterSatz nachher = Satz();
        nachher.m_strBezeichnung = "NACHHER";
        CHistoryEvent sent = Event(CHistoryEvent::Operation::Send, nachher, 10);
        sent.before = vorher;
        sent.after = nachher;
        QVERIFY(history.store.Record(sent) != 0);
        CShellRig rig;
        QVERIFY(rig.Start());
        // Each answer in turn: "Vorher", then "Nachher", then cancelled (the document stays).
        for (const auto& [button, tag] : {std::pair("Vorher", "VORHER"), std::pair("Nachher", "NACHHER"),
                                          std::pair("Cancel", "NACHHER")}) {
            CModalDriver::WhenShown(QStringLiteral("welcherSatz"), [button](QWidget* box) {
                if (QString::fromLatin1(button) == QLatin1String("Cancel")) {
                    qobject_cast<QMessageBox*>(box)->button(QMessageBox::Cancel)->click();
                } else {
                    QVERIFY(CModalDriver::Click(box, QString::fromLatin1(button)));
                }
            });
            InVerlauf(rig, history.store, {0}, [](CDlgVerlauf* dialog) {
                dialog->findChild<QPushButton*>(QStringLiteral("open"))->click();
            });
            QVERIFY(CModalDriver::Done());
            QCOMPARE(rig.Doc().GetBezeichnungText().trimmed(), QString::fromLatin1(tag));
            rig.Doc().SetModifiedFlag(false); // the next set opens without the question about changes
        }
    }

    void aRecordedSetIsSentAgainWithTheSendQuestion() {
        CShellRig rig;
        QVERIFY(rig.Start());
        rig.Trigger(CCommandTable::kEmpfangen);
        QVERIFY2(rig.messages.isEmpty(), qPrintable(rig.MessageTexts().join(QStringLiteral(" | "))));
        HistoryFile history;
        QVERIFY(history.Open());
        CParameterSatz satz = rig.Doc().GetParameterSatz();
        satz.m_strBezeichnung = "AUS VERLAUF";
        history.Record(CHistoryEvent::Operation::Send, satz, 10, true);

        rig.messages.clear();
        rig.Answer(IOperator::Answer::Yes); // "Parameter senden"
        InVerlauf(rig, history.store, {0}, [](CDlgVerlauf* dialog) {
            dialog->findChild<QPushButton*>(QStringLiteral("sendAgain"))->click();
        });
        QVERIFY(CModalDriver::Done());
        QCOMPARE(rig.messages.size(), 1); // the send asked before it wrote
        QVERIFY(rig.sim.Transmitter().Tag().startsWith("AUS VERLAUF"));
        QCOMPARE(rig.Doc().GetBezeichnungText().trimmed(), QStringLiteral("AUS VERLAUF"));
    }

    void theStatusBarNamesTheEventAReceiveRecorded() {
        HistoryFile history;
        QVERIFY(history.Open());
        CShellRig rig;
        QVERIFY(rig.Start());
        CHistoryRecorder::Install(&history.store);
        auto* note = rig.Frame().findChild<QLabel*>(QStringLiteral("historyStatus"));
        rig.Trigger(CCommandTable::kEmpfangen);
        const qint64 nReceived = history.store.Events(CHistoryFilter{}).value(0).id;
        QVERIFY(nReceived != 0);
        QCOMPARE(note->text(), QStringLiteral("Verlauf: Ereignis %1").arg(nReceived));

        // A send the technician declines reaches no transmitter: no event, and no note of an old one.
        rig.Answer(IOperator::Answer::No);
        rig.Trigger(CCommandTable::kSenden);
        CHistoryRecorder::Install(nullptr);
        QCOMPARE(history.store.Events(CHistoryFilter{}).size(), 1);
        QVERIFY(note->text().isEmpty());
    }
};

QTEST_MAIN(VerlaufTest)
#include "VerlaufTest.moc"
