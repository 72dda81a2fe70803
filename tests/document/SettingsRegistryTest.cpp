// The settings registry: every stored key with its default and both sides of its limits, as the profile
// of the earlier program holds them; the document's settings through it; and the profile file with its
// groups, as earlier runs wrote it and later runs read it.

#include "document/SettingsRegistry.h"

#include "ScriptedOperator.h"
#include "document/Einstellungen.h"
#include "document/MemoryProfileStore.h"
#include "document/QuillonDoc.h"
#include "document/SettingsProfileStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

using R = CSettingsRegistry;

/// A row of the expected table: the key, its default, and its limits (kind "range") or the flag rule.
struct Row {
    R::Key key;
    QVariant initial;
    QString rule = {}; ///< "", "range" or "flag"
    int nMin = 0;
    int nMax = 0;
};

QList<Row> Expected() {
    QList<Row> rows = {
        {R::kPsw, QString()},
        {R::kCom, 0},
        {R::kLanguage, 0, QStringLiteral("range"), 0, 1},
        {R::kLogFile, QString()},
        {R::kLogIntervall, 2, QStringLiteral("range"), 2, 200},
        {R::kLogStatus, 0},
        {R::kLinTabOption, 1, QStringLiteral("range"), 0, 1},
        {R::kTransmitterVersion, 2},
        {R::kInterfaceVersion, 1},
        {R::kShowHardwareSetup, 1},
        {R::kStartupHinweis, 1},
        {R::kVerifyAfterSend, 0, QStringLiteral("flag")},
    };
    for (int n = 1; n <= 16; ++n) {
        rows.append({{R::kPorts, QStringLiteral("COM%1").arg(n)}, QString()});
    }
    for (const char* category : {"quillon.link", "quillon.transmitter", "quillon.document", "quillon.sim"}) {
        rows.append({{R::kLogging, QLatin1String(category)}, 0, QStringLiteral("range"), 0, 1});
    }
    for (int i = 1; i <= 4; ++i) {
        rows.append({{R::kRecentFiles, QStringLiteral("File%1").arg(i)}, QString()});
    }
    rows.append({R::kHistoryBackend, 0, QStringLiteral("range"), 0, 1});
    for (const R::Key& key : {R::kHistoryDatabase, R::kHistoryServer, R::kHistoryStation}) {
        rows.append({key, QString()});
    }
    rows.append({R::kCheckTolerance, QStringLiteral("0.25")});
    rows.append({R::kCheckIntervalDays, 365, QStringLiteral("range"), 1, 3650});
    rows.append({R::kCheckReferences, QString()});
    return rows;
}

/// The value a registry takes from a profile that holds only this one.
QVariant Loaded(const R::Key& key, const QVariant& stored) {
    CMemoryProfileStore profile;
    profile.SetValue(key.group, key.name, stored);
    CSettingsRegistry registry;
    registry.Load(profile);
    return R::Find(key)->kind == R::Kind::Int ? QVariant(registry.Int(key)) : QVariant(registry.Text(key));
}

} // namespace

class SettingsRegistryTest : public QObject {
    Q_OBJECT

    CScriptedOperator m_op;

private Q_SLOTS:
    void everyKeyWithItsDefaultAndLimits() {
        const QList<Row> rows = Expected();
        QCOMPARE(R::Entries().size(), rows.size()); // nothing declared that the table does not know
        for (const Row& row : rows) {
            const QByteArray name = row.key.Path().toUtf8();
            QVERIFY2(R::Find(row.key) != nullptr, name.constData());
            QVERIFY2(Loaded(row.key, QVariant()) == row.initial, name.constData());
            if (row.rule == QLatin1String("range")) {
                QVERIFY2(Loaded(row.key, row.nMin - 1) == row.initial, name.constData());
                QVERIFY2(Loaded(row.key, row.nMin) == QVariant(row.nMin), name.constData());
                QVERIFY2(Loaded(row.key, row.nMax) == QVariant(row.nMax), name.constData());
                QVERIFY2(Loaded(row.key, row.nMax + 1) == row.initial, name.constData());
            } else if (row.rule == QLatin1String("flag")) {
                QVERIFY2(Loaded(row.key, -1) == QVariant(1), name.constData());
                QVERIFY2(Loaded(row.key, 0) == QVariant(0), name.constData());
            } else if (row.initial.typeId() == QMetaType::Int) {
                // Taken without a check, but a text is no number.
                QVERIFY2(Loaded(row.key, -7) == QVariant(-7), name.constData());
                QVERIFY2(Loaded(row.key, QStringLiteral("drei")) == row.initial, name.constData());
            }
        }
    }

    void theDocumentKeepsRefusedValuesOutAndWritesWhatItUses() {
        CMemoryProfileStore profile;
        profile.SetInt(QStringLiteral("LogIntervall"), 300);
        profile.SetInt(QStringLiteral("TransmitterVersion"), 42);      // taken without a check
        profile.SetText(QStringLiteral("Psw"), QStringLiteral("?>=")); // "ABC" scrambled
        profile.SetValue(R::kPorts, QStringLiteral("COM3"), QStringLiteral("/dev/ttyUSB7"));
        CQuillonDoc doc(m_op, QString());
        doc.SetLogIntervall(60);
        doc.LoadSettings(profile);
        QCOMPARE(doc.GetLogIntervall(), 2);
        QCOMPARE(doc.GetTyp(), 42);
        QCOMPARE(doc.GetPasswort(), QStringLiteral("ABC"));
        QCOMPARE(doc.Settings().PortPins(), (QMap<int, QString>{{3, QStringLiteral("/dev/ttyUSB7")}}));

        doc.SetTyp(10); // a receive: the type last used goes back, as the report shows it
        doc.SetPasswort(QStringLiteral("neu"));
        doc.SetLogIntervall(201);                                               // refused: the value stays
        doc.Settings().Set(R::LoggingSwitch(QStringLiteral("quillon.sim")), 1); // written at once
        QCOMPARE(profile.Value(R::kLogging, QStringLiteral("quillon.sim")), QVariant(1));
        QVERIFY(doc.Settings().ValuesWithoutPasswords().contains(
            {QStringLiteral("Settings/TransmitterVersion"), QStringLiteral("10")}));
        doc.SaveSettings(profile);
        QCOMPARE(profile.GetInt(QStringLiteral("LogIntervall"), -1), 2);
        QCOMPARE(profile.GetInt(QStringLiteral("TransmitterVersion"), -1), 10);
        QCOMPARE(profile.GetText(QStringLiteral("Psw"), QString()),
                 CEinstellungen::ScrambleText(QStringLiteral("NEU")));
        QVERIFY(!profile.Value(R::kPorts, QStringLiteral("COM1")).isValid()); // pins are written by hand
    }

    void profileFileKeepsItsGroupsAndFormats() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString ini = dir.filePath(QStringLiteral("Quillon.conf"));
        QFile file(ini);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Ports]\nCOM2=/dev/ttyACM0\n\n[Logging]\nquillon.link=1\n\n"
                   "[Recent%20File%20List]\nFile1=/daten/a.qlc\nFile2=\n");
        file.close();
        {
            CSettingsProfileStore store(ini);
            CQuillonDoc doc(m_op, QString());
            doc.LoadSettings(store);
            QCOMPARE(doc.Settings().PortPins(), (QMap<int, QString>{{2, QStringLiteral("/dev/ttyACM0")}}));
            QCOMPARE(doc.Settings().Int(R::LoggingSwitch(QStringLiteral("quillon.link"))), 1);
            QCOMPARE(doc.Settings().Text(R::RecentFile(0)), QStringLiteral("/daten/a.qlc"));
            doc.SetPasswort(QStringLiteral("Geheim€1"));
            doc.SetLogIntervall(30);
            doc.SaveSettings(store);
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        for (const char* line : {"[Settings]", "LogIntervall=30", "[Ports]", "COM2=/dev/ttyACM0",
                                 "[Recent%20File%20List]", "File1=/daten/a.qlc"}) {
            QVERIFY2(text.contains(line), line);
        }
        QVERIFY(!text.contains("COM1="));

        CQuillonDoc reread(m_op, QString());
        CSettingsProfileStore store(ini);
        reread.LoadSettings(store);
        QCOMPARE(reread.GetPasswort(), QStringLiteral("GEHEIM€1"));
        QCOMPARE(reread.GetLogIntervall(), 30);
    }
};

QTEST_GUILESS_MAIN(SettingsRegistryTest)
#include "SettingsRegistryTest.moc"
