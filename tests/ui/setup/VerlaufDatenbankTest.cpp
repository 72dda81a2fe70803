// "Verlauf-Datenbank..." in the window: the history moves to the chosen file at once, without a
// restart, and the station name goes with its events.

#include "ui/setup/VerlaufDatenbank.h"

#include "ModalDriver.h"
#include "ScriptedOperator.h"
#include "ShellRig.h"
#include "access/HistorySettingsRules.h"
#include "history/HistoryStore.h"
#include "shell/CommandTable.h"
#include "ui/main/MainFrame.h"

#include <QPushButton>
#include <QTest>

namespace {

using Field = CHistorySettingsRules::Field;

/// The events a history file holds.
QList<CHistoryRecord> EventsIn(const QString& path) {
    CScriptedOperator op;
    CHistoryStore store(op, CHistoryStation{});
    if (!store.Open(CHistoryLocation{path, QString()})) {
        return {};
    }
    return store.Events(CHistoryFilter{});
}

} // namespace

class VerlaufDatenbankTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { CModalDriver::Reset(); }

    void theNextEventLandsInTheChosenFile() {
        CShellRig rig;
        QVERIFY(rig.Start());
        const QString first = rig.dir.filePath(QStringLiteral("erste.sqlite"));
        const QString second = rig.dir.filePath(QStringLiteral("zweite.sqlite"));

        rig.chooser.paths.enqueue(first);
        CModalDriver::WhenShown<CVerlaufDatenbank>([](CVerlaufDatenbank* dialog) {
            dialog->findChild<QPushButton*>(QStringLiteral("browse"))->click();
            CModalDriver::Type(dialog, static_cast<int>(Field::Station), QStringLiteral("Platz 3"));
            dialog->findChild<QPushButton*>(QStringLiteral("check"))->click();
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("OK")));
        });
        rig.Trigger(CCommandTable::kVerlaufDatenbank);
        QVERIFY(CModalDriver::Done());
        QCOMPARE(rig.MessageTexts().size(), 1); // the check's answer
        QVERIFY2(rig.MessageTexts().constFirst().contains(QStringLiteral("kann benutzt werden")),
                 qPrintable(rig.MessageTexts().constFirst()));
        // In the profile at once, where quillon-cli on this station reads it.
        QCOMPARE(rig.profile.Value(QStringLiteral("History"), QStringLiteral("Database")).toString(), first);
        rig.Trigger(CCommandTable::kEmpfangen);

        CModalDriver::WhenShown<CVerlaufDatenbank>([second](CVerlaufDatenbank* dialog) {
            CModalDriver::Type(dialog, static_cast<int>(Field::File), second);
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("OK")));
        });
        rig.Trigger(CCommandTable::kVerlaufDatenbank);
        QVERIFY(CModalDriver::Done());
        rig.Trigger(CCommandTable::kEmpfangen);
        rig.Stop();

        const QList<CHistoryRecord> inFirst = EventsIn(first);
        const QList<CHistoryRecord> inSecond = EventsIn(second);
        QCOMPARE(inFirst.size(), 1);
        QCOMPARE(inSecond.size(), 1);
        QCOMPARE(inFirst.constFirst().event.station, QStringLiteral("Platz 3"));
        QCOMPARE(inSecond.constFirst().event.operation, CHistoryEvent::Operation::Receive);
    }
};

QTEST_MAIN(VerlaufDatenbankTest)
#include "VerlaufDatenbankTest.moc"
