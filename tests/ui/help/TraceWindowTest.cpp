// The "Verbindungsprotokoll" window offscreen: after a receive from the in-process simulator it shows
// every frame in order with its command's title, keeps to the ring's bound, saves the trace and
// remembers the logging switches.

#include "SequenceRig.h"
#include "core/Logging.h"
#include "document/MemoryProfileStore.h"
#include "document/SettingsRegistry.h"
#include "link/LinkTrace.h"
#include "shell/FileChooser.h"
#include "shell/LoggingSwitches.h"
#include "transmitter/CommandSet.h"
#include "transmitter/TraceFormat.h"
#include "ui/help/DlgVerbindungsprotokoll.h"

#include <QCheckBox>
#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

class CPathChooser : public IFileChooser {
public:
    QString path;
    QString ChooseOpen(const QString&, const QString&) override { return path; }
    QString ChooseSave(const QString&, const QString&) override { return path; }
};

QString Cell(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item != nullptr ? item->text() : QString();
}

} // namespace

class TraceWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { CLinkTrace::Global().Clear(); }

    void showsEveryFrameOfAReceiveInOrder() {
        CSequenceRig rig(2); // records into the program's ring, as the window's link does
        QVERIFY(rig.transfer.ReceiveParameterSet());
        const QList<CSequenceRig::Frame> sent = rig.TakeFrames();

        CSettingsRegistry settings;
        CLoggingSwitches switches(settings);
        CPathChooser chooser;
        CDlgVerbindungsprotokoll dialog(CLinkTrace::Global(), switches, chooser, rig.op);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QTableWidget* table = dialog.Table();

        QCOMPARE(table->rowCount(), CLinkTrace::Global().Size());
        int nSent = 0;
        for (int row = 0; row < table->rowCount(); ++row) {
            if (Cell(table, row, CTraceFormat::Richtung) != QLatin1String("TX")) {
                continue;
            }
            QVERIFY(nSent < sent.size());
            const quint8 command = sent.at(nSent++).command;
            QCOMPARE(Cell(table, row, CTraceFormat::Titel),
                     QString::fromUtf8(CCommandSet::Find(command)->title));
            // Each request is answered by the next row, a good reply to the same command.
            QCOMPARE(Cell(table, row + 1, CTraceFormat::Richtung), QStringLiteral("RX"));
            QCOMPARE(Cell(table, row + 1, CTraceFormat::Befehl), Cell(table, row, CTraceFormat::Befehl));
            QCOMPARE(Cell(table, row + 1, CTraceFormat::Pruefsumme), QStringLiteral("ok"));
        }
        QCOMPARE(nSent, sent.size());

        // New exchanges arrive with the next refresh, after what was there.
        const int nBefore = table->rowCount();
        QVERIFY(rig.link.Transfer(0x32)); // connects again first: the receive closed the port
        QTRY_COMPARE_WITH_TIMEOUT(table->rowCount(), CLinkTrace::Global().Size(),
                                  3 * CDlgVerbindungsprotokoll::kRefreshMs);
        QVERIFY(table->rowCount() >= nBefore + 2);
        const int nLast = table->rowCount() - 1;
        QCOMPARE(Cell(table, nLast - 1, CTraceFormat::Titel), QStringLiteral("Get Akt Messwert"));
        QCOMPARE(Cell(table, nLast, CTraceFormat::Richtung), QStringLiteral("RX"));

        // "Speichern..." writes what the table shows.
        QTemporaryDir dir;
        chooser.path = dir.filePath(QStringLiteral("trace.txt"));
        QVERIFY(dialog.Save());
        QFile file(chooser.path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines =
            QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.last().split(QLatin1Char('\t')).at(CTraceFormat::Titel),
                 QStringLiteral("Get Akt Messwert"));
        chooser.path = dir.filePath(QStringLiteral("no/such/dir/trace.txt"));
        QVERIFY(!dialog.Save());
        QCOMPARE(rig.op.messages.size(), 1);
    }

    void theTableKeepsToTheRingsBound() {
        CLinkTrace trace(10);
        CSettingsRegistry settings;
        CLoggingSwitches switches(settings);
        CPathChooser chooser;
        CSequenceRig rig(2);
        rig.link.Sio().SetTrace(&trace);
        CDlgVerbindungsprotokoll dialog(trace, switches, chooser, rig.op);
        for (int i = 0; i < 4; ++i) {
            QVERIFY(rig.link.Transfer(0x32));
        }
        dialog.Refresh();
        QCOMPARE(dialog.Table()->rowCount(), trace.Size());
        for (int i = 0; i < 20; ++i) {
            QVERIFY(rig.link.Transfer(0x32));
        }
        dialog.Refresh();
        QCOMPARE(dialog.Table()->rowCount(), 10);
        // The rows are the newest ten, in order.
        const QList<CLinkTrace::Entry> entries = trace.Entries();
        for (int row = 0; row < 10; ++row) {
            QCOMPARE(Cell(dialog.Table(), row, CTraceFormat::Zeit), CTraceFormat::Row(entries.at(row)).at(0));
            QCOMPARE(Cell(dialog.Table(), row, CTraceFormat::Richtung),
                     CTraceFormat::Row(entries.at(row)).at(CTraceFormat::Richtung));
        }
    }

    void loggingSwitchesAreRememberedAndApplied() {
        CMemoryProfileStore store;
        CSettingsRegistry settings;
        settings.Load(store);
        CLoggingSwitches switches(settings);
        CPathChooser chooser;
        CSequenceRig rig(2);
        {
            CDlgVerbindungsprotokoll dialog(CLinkTrace::Global(), switches, chooser, rig.op);
            auto* link = dialog.findChild<QCheckBox*>(QStringLiteral("quillon.link"));
            QVERIFY(link != nullptr);
            QVERIFY(!link->isChecked());
            QVERIFY(!lcLink().isDebugEnabled());
            link->setChecked(true);
            QVERIFY(lcLink().isDebugEnabled());
            QVERIFY(!lcTransmitter().isDebugEnabled());
        }
        QCOMPARE(store.Value(CSettingsRegistry::kLogging, QStringLiteral("quillon.link")), QVariant(1));
        CDlgVerbindungsprotokoll again(CLinkTrace::Global(), switches, chooser, rig.op);
        auto* link = again.findChild<QCheckBox*>(QStringLiteral("quillon.link"));
        QVERIFY(link->isChecked());
        link->setChecked(false);
        QVERIFY(!lcLink().isDebugEnabled());
        QCOMPARE(store.Value(CSettingsRegistry::kLogging, QStringLiteral("quillon.link")), QVariant(0));
    }
};

QTEST_MAIN(TraceWindowTest)
#include "TraceWindowTest.moc"
