// "Verlauf..." in the window: the transmitters of the history, one transmitter's events newest first,
// and a recorded set opened as a new document; the status bar's count of events waiting for the server.

#include "ModalDriver.h"
#include "ScriptedOperator.h"
#include "ShellRig.h"
#include "document/HistoryRecorder.h"
#include "document/QuillonDoc.h"
#include "history/HistoryStore.h"
#include "shell/CommandTable.h"
#include "ui/history/DlgVerlauf.h"
#include "ui/main/MainFrame.h"

#include <QLineEdit>
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

} // namespace

class VerlaufTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { CModalDriver::Reset(); }

    void aRecordedSetOpensAsANewDocument() {
        CScriptedOperator storeOp;
        CHistoryStore store(storeOp, CHistoryStation{QStringLiteral("S1"), QStringLiteral("u"),
                                                     QStringLiteral("quillon"), QStringLiteral("1")});
        const QTemporaryDir dir;
        QVERIFY2(store.Open(CHistoryLocation{dir.filePath(QStringLiteral("verlauf.db")), QString()}),
                 qPrintable(storeOp.MessageTexts().join(QLatin1Char('|'))));
        CParameterSatz satz;
        satz.m_nTyp = 2;
        satz.m_strSeriennummer = "111111.22.333";
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
};

QTEST_MAIN(VerlaufTest)
#include "VerlaufTest.moc"
