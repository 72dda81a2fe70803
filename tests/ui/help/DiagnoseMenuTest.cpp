// The service aids of the Hilfe menu in the whole program: after "Empfangen..." the trace window lists
// the receive's frames, and "Fehlerbericht speichern..." writes a zip with the trace, the version, the
// settings without the password and the received document.

#include "ShellRig.h"
#include "Unzip.h"
#include "document/DocumentFile.h"
#include "document/QuillonDoc.h"
#include "link/LinkTrace.h"
#include "shell/CommandTable.h"
#include "shell/ProblemReport.h"
#include "transmitter/TraceFormat.h"
#include "ui/help/DlgVerbindungsprotokoll.h"
#include "ui/main/MainFrame.h"

#include <QAction>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

class DiagnoseMenuTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_settingsDir;

private Q_SLOTS:
    // The report reads the user's settings file: here one of the test's own.
    void initTestCase() {
        QVERIFY(m_settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    }

    void bothEditionsOfferThemAlways() {
        for (const CEdition::Kind kind : {CEdition::Kind::Kunde, CEdition::Kind::Werk}) {
            CShellRig rig(kind);
            QVERIFY(rig.Start());
            QVERIFY(rig.Action(CCommandTable::kVerbindungsprotokoll)->isEnabled());
            QVERIFY(rig.Action(CCommandTable::kFehlerbericht)->isEnabled());
        }
    }

    void afterAReceiveTheTraceAndTheReportHoldIt() {
        CLinkTrace::Global().Clear();
        CShellRig rig(CEdition::Kind::Werk, 2);
        QVERIFY(rig.Start());
        rig.Frame().show();
        rig.Trigger(CCommandTable::kEmpfangen);
        QCOMPARE(rig.Doc().GetKennung(), rig.sim.Transmitter().Kennung());

        rig.Trigger(CCommandTable::kVerbindungsprotokoll);
        auto* dialog = rig.Frame().findChild<CDlgVerbindungsprotokoll*>();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->Table()->rowCount(), CLinkTrace::Global().Size());
        QVERIFY(!dialog->Table()->findItems(QStringLiteral("Get Device Info"), Qt::MatchExactly).isEmpty());
        QVERIFY(
            !dialog->Table()->findItems(QStringLiteral("Get Messbereichsende"), Qt::MatchExactly).isEmpty());
        rig.Trigger(CCommandTable::kVerbindungsprotokoll); // the same window again, not a second one
        QCOMPARE(rig.Frame().findChildren<CDlgVerbindungsprotokoll*>().size(), 1);

        // The program password as the profile keeps it, in the settings the report reads.
        QSettings settings(QStringLiteral("Quillon"), QStringLiteral("Quillon"));
        settings.setValue(QStringLiteral("Settings/Psw"), QStringLiteral("GEHEIM7"));
        settings.setValue(QStringLiteral("Settings/COM"), 4);
        settings.sync();
        const QString path = rig.dir.filePath(QStringLiteral("Fehlerbericht.zip"));
        rig.chooser.paths.enqueue(path);
        rig.Trigger(CCommandTable::kFehlerbericht);

        const QMap<QString, QByteArray> files = Unzip(path);
        QStringList expected = CProblemReport::FileNames();
        expected.sort();
        QCOMPARE(QStringList(files.keys()), expected);
        QVERIFY(
            files.value(QStringLiteral("Verbindungsprotokoll.txt")).contains("\tTX\t31\tGet Device Info\t"));
        QVERIFY(files.value(QStringLiteral("Version.txt")).contains("Transmitter-Typ 2"));
        QVERIFY(files.value(QStringLiteral("Einstellungen.txt")).contains("Settings/COM=4"));
        for (const QByteArray& bytes : files) {
            QVERIFY(!bytes.contains("GEHEIM7"));
        }
        CParameterSatz satz;
        QCOMPARE(CDocumentFile::Load(files.value(QStringLiteral("Dokument.qlc")), satz, rig.Doc().Operator()),
                 CDocumentFile::Result::Loaded);
        QCOMPARE(satz.m_strKennung, rig.Doc().GetKennung());
        QVERIFY(rig.MessageTexts().isEmpty());
    }
};

QTEST_MAIN(DiagnoseMenuTest)
#include "DiagnoseMenuTest.moc"
