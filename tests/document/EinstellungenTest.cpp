// The profile keys with their defaults and guards, the scrambled password, and QlSet.cfg.

#include "document/Einstellungen.h"

#include "ScriptedOperator.h"
#include "document/MemoryProfileStore.h"
#include "document/QuillonDoc.h"
#include "document/SettingsProfileStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class EinstellungenTest : public QObject {
    Q_OBJECT

    CScriptedOperator m_op;

private Q_SLOTS:
    void emptyProfileGivesTheDefaults() {
        CQuillonDoc doc(m_op, QString());
        doc.SetTyp(5);
        doc.SetComPort(3);
        doc.SetInterfaceVersion(0);
        doc.SetShowHardwareSetup(0);
        doc.SetPasswort(QStringLiteral("ALT"));
        const CMemoryProfileStore empty;
        doc.LoadSettings(empty);
        QCOMPARE(doc.GetTyp(), 2);
        QCOMPARE(doc.GetInterfaceVersion(), 1);
        QCOMPARE(doc.GetComPort(), 0);
        QCOMPARE(doc.GetSprache(), 0);
        QCOMPARE(doc.GetLogIntervall(), 2);
        QCOMPARE(doc.GetLogStatus(), 0);
        QCOMPARE(doc.GetLinTabOption(), 1);
        QCOMPARE(doc.GetShowHardwareSetup(), 1);
        QCOMPARE(doc.GetStartupHinweis(), 1);
        QCOMPARE(doc.GetVerifyAfterSend(), 0); // a send stays as it always was until the user asks
        QCOMPARE(doc.GetPasswort(), QString());
        QCOMPARE(doc.GetLogFile(), QString());
    }

    void refusedValuesKeepTheDefaultsAndAreWrittenBackAsSuch() {
        CMemoryProfileStore profile;
        profile.SetInt(QStringLiteral("LogIntervall"), 300); // the guard allows 2 to 200
        profile.SetInt(QStringLiteral("Language"), 2);
        profile.SetInt(QStringLiteral("LinTabOption"), 7);
        profile.SetText(QStringLiteral("COM"), QStringLiteral("COM3"));
        profile.SetInt(QStringLiteral("TransmitterVersion"), 42); // taken without a check
        CQuillonDoc doc(m_op, QString());
        doc.LoadSettings(profile);
        QCOMPARE(doc.GetLogIntervall(), 2);
        QCOMPARE(doc.GetSprache(), 0);
        QCOMPARE(doc.GetLinTabOption(), 1);
        QCOMPARE(doc.GetComPort(), 0);
        QCOMPARE(doc.GetTyp(), 42);

        doc.SaveSettings(profile);
        QCOMPARE(profile.Values().value(QStringLiteral("LogIntervall")), QVariant(2));
        QCOMPARE(profile.Values().value(QStringLiteral("Language")), QVariant(0));
        QCOMPARE(profile.Values().value(QStringLiteral("COM")), QVariant(0));
    }

    void logIntervalBounds() {
        for (const auto& [stored, kept] : {std::pair{1, 2}, {3, 3}, {200, 200}, {201, 2}}) {
            CMemoryProfileStore profile;
            profile.SetInt(QStringLiteral("LogIntervall"), stored);
            CQuillonDoc doc(m_op, QString());
            doc.LoadSettings(profile);
            QCOMPARE(doc.GetLogIntervall(), kept);
        }
    }

    void elevenKeysWithThePasswordScrambled() {
        CQuillonDoc doc(m_op, QString());
        doc.SetPasswort(QStringLiteral("abc"));
        doc.SetComPort(4);
        doc.SetSprache(1);
        doc.SetLogFile(QStringLiteral("/var/log/kessel.log"));
        doc.SetLogIntervall(60);
        doc.SetLogStatus(1);
        doc.SetLinTabOption(0);
        doc.SetTyp(10);
        doc.SetInterfaceVersion(0);
        doc.SetShowHardwareSetup(0);
        doc.SetStartupHinweis(3);
        doc.SetVerifyAfterSend(1);
        CMemoryProfileStore profile;
        doc.SaveSettings(profile);
        const QHash<QString, QVariant> expected = {
            {QStringLiteral("Psw"), QStringLiteral("?>=")}, // 128 - 'A', 128 - 'B', 128 - 'C'
            {QStringLiteral("COM"), 4},
            {QStringLiteral("Language"), 1},
            {QStringLiteral("LogFile"), QStringLiteral("/var/log/kessel.log")},
            {QStringLiteral("LogIntervall"), 60},
            {QStringLiteral("LogStatus"), 1},
            {QStringLiteral("LinTabOption"), 0},
            {QStringLiteral("TransmitterVersion"), 10},
            {QStringLiteral("InterfaceVersion"), 0},
            {QStringLiteral("ShowHardwareSetup"), 0},
            {QStringLiteral("StartupHinweis"), 3},
            {QStringLiteral("VerifyAfterSend"), 1},
        };
        QCOMPARE(profile.Values(), expected);

        CQuillonDoc reread(m_op, QString());
        reread.LoadSettings(profile);
        QCOMPARE(reread.GetPasswort(), QStringLiteral("ABC"));
        CMemoryProfileStore again;
        reread.SaveSettings(again);
        QCOMPARE(again.Values(), expected);
    }

    void settingsFileKeepsKeysInTheirGroup() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString ini = dir.filePath(QStringLiteral("Quillon.conf"));
        CQuillonDoc doc(m_op, QString());
        doc.SetPasswort(QStringLiteral("Geheim€1"));
        doc.SetLogIntervall(30);
        {
            CSettingsProfileStore store(ini);
            doc.SaveSettings(store);
        }
        QFile file(ini);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("[Settings]"));
        QVERIFY(text.contains("LogIntervall=30"));

        CQuillonDoc reread(m_op, QString());
        const CSettingsProfileStore store(ini);
        reread.LoadSettings(store);
        QCOMPARE(reread.GetPasswort(), QStringLiteral("GEHEIM€1"));
        QCOMPARE(reread.GetLogIntervall(), 30);
    }

    void scrambleTurnsBack() {
        QCOMPARE(CEinstellungen::ScrambleText(QByteArray("Az09")), QByteArray("?&PG"));
        QCOMPARE(CEinstellungen::ScrambleText(CEinstellungen::ScrambleText(QByteArray("pass-Wort 1!"))),
                 QByteArray("PASS-WORT 1!"));
        QCOMPARE(CEinstellungen::ScrambleText(QByteArray("\x80\xFF")), QByteArray("\x00\x81", 2));
    }

    void releasePasswordFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("password");
        QTest::newRow("three letters") << QByteArray::fromHex("03003f3e3d") << QStringLiteral("ABC");
        QTest::newRow("zero byte ends the text")
            << QByteArray::fromHex("04003f003e3d") << QStringLiteral("A");
        QTest::newRow("empty") << QByteArray::fromHex("0000") << QString();
        QTest::newRow("one byte") << QByteArray::fromHex("03") << QStringLiteral("qxv");
        QTest::newRow("shorter than announced") << QByteArray::fromHex("05003f3e3d") << QStringLiteral("qxv");
        QTest::newRow("length 256") << QByteArray::fromHex("0001") + QByteArray(256, '?')
                                    << QStringLiteral("qxv");
    }
    void releasePasswordFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, password);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        WriteFile(dir.filePath(QStringLiteral("QlSet.cfg")), bytes);
        const CQuillonDoc doc(m_op, dir.path());
        QCOMPARE(doc.ReadCfgText(), password);
    }

    void writtenReleasePasswordReadsBackInUpperCase() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const CQuillonDoc doc(m_op, dir.path());
        QCOMPARE(doc.ReadCfgText(), QStringLiteral("qxv")); // no file yet
        QVERIFY(doc.WriteCfgText(QStringLiteral("frei7")));
        QFile file(dir.filePath(QStringLiteral("QlSet.cfg")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray::fromHex("05003a2e3b3749"));
        QCOMPARE(doc.ReadCfgText(), QStringLiteral("FREI7"));

        QVERIFY(!doc.WriteCfgText(QString(256, QLatin1Char('x')))); // could never be read back
        QCOMPARE(doc.ReadCfgText(), QStringLiteral("FREI7"));
    }
};

QTEST_GUILESS_MAIN(EinstellungenTest)
#include "EinstellungenTest.moc"
