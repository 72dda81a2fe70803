// The problem report's zip: it unzips to the expected files, the trace and document in them read back,
// and no password of any kind is inside.

#include "shell/ProblemReport.h"

#include "ScriptedOperator.h"
#include "Unzip.h"
#include "document/DocumentFile.h"
#include "document/SettingsRegistry.h"
#include "link/LinkTrace.h"
#include "link/TransmitterSio.h"
#include "transmitter/Commands.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

CLinkTrace::Entry Frame(CLinkTrace::Direction direction, quint8 command, const QByteArray& data) {
    CLinkTrace::Entry entry;
    entry.direction = direction;
    entry.command = command;
    entry.bytes = direction == CLinkTrace::Direction::Tx ? CTransmitterSio::BuildFrame(command, data)
                                                         : CTransmitterSio::FrameAround(data);
    return entry;
}

} // namespace

class ProblemReportTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aReportUnzipsToItsFilesWithoutAnyPassword() {
        QTemporaryDir dir;
        // Settings with the program password and a switch of another group.
        CSettingsRegistry settings;
        settings.Set(CSettingsRegistry::kPsw, QStringLiteral("GEHEIM7"));
        settings.Set(CSettingsRegistry::kCom, 3);
        settings.Set(CSettingsRegistry::LoggingSwitch(QStringLiteral("quillon.link")), 1);

        CProblemReport::Inhalt inhalt;
        inhalt.programVersion = QStringLiteral("2.34");
        inhalt.edition = QStringLiteral("Werk");
        inhalt.trace = {Frame(CLinkTrace::Direction::Tx, Cmd::GetMessAnfang, QByteArray()),
                        Frame(CLinkTrace::Direction::Rx, Cmd::GetMessAnfang, "+001000"),
                        Frame(CLinkTrace::Direction::Tx, Cmd::SetTastatursperre, "000731"),
                        Frame(CLinkTrace::Direction::Rx, Cmd::SetTastatursperre, "0"),
                        Frame(CLinkTrace::Direction::Rx, Cmd::GetTastatursperre, "+00731")};
        inhalt.settings = settings.ValuesWithoutPasswords();
        inhalt.settings.append(
            {QStringLiteral("Settings/Psw"), QStringLiteral("GEHEIM7")}); // handed in anyway
        CParameterSatz satz;
        satz.m_nTyp = 10;
        satz.m_nTastatursperre = 731; // the KA71's password
        satz.m_fMessEnde = 16.0F;
        inhalt.document = satz;

        const QString path = dir.filePath(QStringLiteral("Fehlerbericht.zip"));
        QString error;
        QVERIFY2(CProblemReport::Write(path, inhalt, error), qPrintable(error));
        const QMap<QString, QByteArray> files = Unzip(path);
        QCOMPARE(QStringList(files.keys()),
                 QStringList({QStringLiteral("Dokument.qlc"), QStringLiteral("Einstellungen.txt"),
                              QStringLiteral("Verbindungsprotokoll.txt"), QStringLiteral("Version.txt")}));

        const QByteArray trace = files.value(QStringLiteral("Verbindungsprotokoll.txt"));
        QVERIFY(trace.contains("Get Messbereichsanfang\t2B 30 30 31 30 30 30\t+001000"));
        QVERIFY(trace.contains("Set Tastatursperre"));
        QVERIFY(files.value(QStringLiteral("Version.txt")).contains("Version 2.34"));
        const QByteArray einstellungen = files.value(QStringLiteral("Einstellungen.txt"));
        QVERIFY(einstellungen.contains("Settings/COM=3"));
        QVERIFY(einstellungen.contains("Logging/quillon.link=1"));

        CParameterSatz gelesen;
        CScriptedOperator op;
        QCOMPARE(CDocumentFile::Load(files.value(QStringLiteral("Dokument.qlc")), gelesen, op),
                 CDocumentFile::Result::Loaded);
        QCOMPARE(gelesen.m_fMessEnde, 16.0F);
        QCOMPARE(gelesen.m_nTastatursperre, qint16(0));

        QFile zip(path);
        QVERIFY(zip.open(QIODevice::ReadOnly));
        for (const QByteArray& bytes : files) {
            QVERIFY(!bytes.contains("GEHEIM7"));
            QVERIFY(!bytes.contains("731"));
            QVERIFY(!bytes.contains("37 33 31"));
            QVERIFY(!bytes.contains("Psw"));
        }
    }

    void aReportThatCannotBeWrittenSaysSoAndLeavesNoFile() {
        QTemporaryDir dir;
        QString error;
        const QString path = dir.filePath(QStringLiteral("no/such/dir/report.zip"));
        QVERIFY(!CProblemReport::Write(path, CProblemReport::Inhalt(), error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(path));
        QVERIFY(CProblemReport::IsPasswordKey(QStringLiteral("Settings/Psw")));
        QVERIFY(!CProblemReport::IsPasswordKey(QStringLiteral("Settings/LogFile")));
    }
};

QTEST_GUILESS_MAIN(ProblemReportTest)
#include "ProblemReportTest.moc"
