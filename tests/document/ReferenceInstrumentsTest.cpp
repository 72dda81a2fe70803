// The station's reference instruments in their setting: kept through a round trip, and a damaged text
// costs what cannot be read, never the check.

#include "document/ReferenceInstruments.h"

#include "document/MemoryProfileStore.h"
#include "document/SettingsRegistry.h"

#include <QTest>

class ReferenceInstrumentsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keptInTheSettingAtOnce() {
        const QList<CReferenceInstrument> list{
            {QStringLiteral("Druckwaage DW-1"), QStringLiteral("4711"), QStringLiteral("K-2026-17"),
             QDate(2027, 3, 31)},
            {QStringLiteral("Handmanometer"), QString(), QString(), QDate()},
        };
        CMemoryProfileStore profile;
        CSettingsRegistry settings;
        settings.Load(profile);
        CReferenceInstruments::Save(settings, list);
        CSettingsRegistry next;
        next.Load(profile);
        QCOMPARE(CReferenceInstruments::Load(next), list);
    }

    void aDamagedTextLosesOnlyWhatCannotBeRead() {
        const QStringList none{QString(), QStringLiteral("{"), QStringLiteral("{\"name\":\"x\"}"),
                               QStringLiteral("[1, \"a\", null]")};
        for (const QString& text : none) {
            QVERIFY2(CReferenceInstruments::FromJson(text).isEmpty(), qPrintable(text));
        }
        const QList<CReferenceInstrument> read = CReferenceInstruments::FromJson(QStringLiteral(
            "[{\"serial\":\"1\"},{\"name\":\"DW-1\",\"serial\":2,\"dueDate\":\"31.03.2027\"}]"));
        QCOMPARE(read.size(), 1);
        QCOMPARE(read.first().name, QStringLiteral("DW-1"));
        QVERIFY(read.first().serial.isEmpty());
        QVERIFY(!read.first().dueDate.isValid());
    }
};

QTEST_GUILESS_MAIN(ReferenceInstrumentsTest)
#include "ReferenceInstrumentsTest.moc"
