// A check as the device history keeps it: what is written reads back the same, and a damaged record is
// refused naming what is wrong instead of printing a wrong certificate.

#include "document/CheckRecordJson.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

CCheckRecord FullRecord() {
    CCheckRecord r;
    r.rangeAt4mA = 10.0; // falling characteristic
    r.rangeAt20mA = -1.0;
    r.unit = QStringLiteral("bar");
    r.decimals = 3;
    r.tolerancePercent = 0.1;
    r.reference = {QStringLiteral("Druckwaage DW-5"), QStringLiteral("A-1173"), QStringLiteral("DKD 0815/26"),
                   QDate(2027, 3, 31)};
    r.ambientCelsius = 21.4;
    r.technician = QStringLiteral("jmüller");
    CCheckPoint p;
    p.percent = 25.0;
    p.nominal = 1.75;
    p.reference = 1.7512;
    p.reading = 0.1 + 0.2; // not exactly representable in decimal: must come back bit for bit
    p.currentMa = 15.998;
    p.settled = true;
    r.asFound.points = {p, CCheckPoint{50.0, 4.5, 4.5, std::nullopt, std::nullopt, false, true}};
    r.asLeft = CCheckSeries{{p}};
    r.verdict = CCheckRecord::Verdict::AdjustedPassed;
    r.intervalDays = 180;
    r.nextDue = QDate(2027, 6, 6);
    return r;
}

QString Without(const QString& json, const QString& key) {
    QJsonObject o = QJsonDocument::fromJson(json.toUtf8()).object();
    o.remove(key);
    return QString::fromUtf8(QJsonDocument(o).toJson());
}

} // namespace

class CheckRecordJsonTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aRecordReadsBackExactly() {
        for (const CCheckRecord& written : {FullRecord(), CCheckRecord()}) {
            CCheckRecord read;
            QString error;
            QVERIFY2(CCheckRecordJson::Read(CCheckRecordJson::Write(written), read, error),
                     qPrintable(error));
            QVERIFY(read == written);
        }
    }

    void aDamagedRecordIsRefusedNamingTheKey() {
        const QString good = CCheckRecordJson::Write(FullRecord());
        struct Case {
            QString json;
            QString named;
        };
        QString badPoint = good;
        badPoint.replace(QStringLiteral("\"nominal\":1.75"), QStringLiteral("\"nominal\":\"1,75\""));
        QString badVerdict = good;
        badVerdict.replace(QStringLiteral("adjusted-passed"), QStringLiteral("ok"));
        const QList<Case> cases = {
            {Without(good, QStringLiteral("tolerancePercent")), QStringLiteral("tolerancePercent")},
            {Without(good, QStringLiteral("asFound")), QStringLiteral("asFound")},
            {badPoint, QStringLiteral("asFound[0].nominal")},
            {badVerdict, QStringLiteral("verdict")},
            {QStringLiteral("[1,2]"), QString()},
        };
        for (const Case& c : cases) {
            CCheckRecord record = FullRecord();
            record.technician = QStringLiteral("unchanged");
            QString error;
            QVERIFY(!CCheckRecordJson::Read(c.json, record, error));
            QVERIFY2(error.contains(c.named), qPrintable(error));
            QCOMPARE(record.technician, QStringLiteral("unchanged"));
        }
    }
};

QTEST_GUILESS_MAIN(CheckRecordJsonTest)
#include "CheckRecordJsonTest.moc"
