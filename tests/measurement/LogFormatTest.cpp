// The line of the measured-value log and the file it goes to: number forms, locale forms, CR LF, and a
// file that is only ever appended to.

#include "measurement/LogFormat.h"

#include "measurement/LogDatei.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

namespace {

const QDateTime kTime(QDate(2026, 3, 9), QTime(14, 5, 7));

CLogFormat German() {
    return CLogFormat(QStringLiteral("dd.MM.yyyy"), QStringLiteral("HH:mm:ss"), QLatin1Char(','));
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class LogFormatTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void numbersAreSignedZeroPaddedToSix() {
        const CLogFormat point(QStringLiteral("yyyy-MM-dd"), QStringLiteral("HH:mm:ss"), QLatin1Char('.'));
        QCOMPARE(point.Number(1.5, 3), QStringLiteral("+1.500"));
        QCOMPARE(point.Number(-7.0, 0), QStringLiteral("-00007"));
        QCOMPARE(point.Number(0.0, 0), QStringLiteral("+00000"));
        QCOMPARE(point.Number(123456.0, 0), QStringLiteral("+123456")); // wider, never cut
        QCOMPARE(point.Number(22.25, 1), QStringLiteral("+022.3"));     // half away from zero
        QCOMPARE(point.Number(-0.05, 1), QStringLiteral("-000.1"));
        QCOMPARE(German().Number(1.5, 3), QStringLiteral("+1,500"));
    }

    void linesCarryTheTemperatureOnlyForTheTypesThatMeasureIt() {
        const CLogFormat format = German();
        QCOMPARE(format.Line(kTime, 1.5, 21.0, 3, 3), QByteArray("09.03.2026;14:05:07;+1,500\r\n"));
        for (const int typ : {2, 7, 8, 9}) {
            QCOMPARE(format.Line(kTime, -7.0, -3.25, typ, 0),
                     QByteArray("09.03.2026;14:05:07;-00007;-003,3\r\n"));
        }
        for (const int typ : {0, 1, 4, 5, 6, 10}) {
            QVERIFY(!format.Line(kTime, 1.0, 20.0, typ, 2).contains(";+020"));
        }
    }

    void localeFormsKeepTheSecondsAndTheSeparator() {
        const CLogFormat de = CLogFormat::FromLocale(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(de.Time(kTime), QStringLiteral("14:05:07"));
        QCOMPARE(de.Date(kTime), QStringLiteral("09.03.2026"));
        QCOMPARE(de.Number(2.5, 1), QStringLiteral("+002,5"));
        const CLogFormat us = CLogFormat::FromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY2(us.Time(kTime).contains(QStringLiteral(":05:07")), qPrintable(us.Time(kTime)));
        QCOMPARE(us.Number(2.5, 1), QStringLiteral("+002.5"));
        QVERIFY2(us.Date(kTime).endsWith(QStringLiteral("/2026")), qPrintable(us.Date(kTime)));
    }

    void appendsToAnExistingFileAndCreatesAMissingOne() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("mess.log"));
        QVERIFY(CLogDatei::Append(path, "first\r\n"));
        QVERIFY(CLogDatei::Append(path, "second\r\n"));
        QCOMPARE(ReadAll(path), QByteArray("first\r\nsecond\r\n"));
    }

    void aLineTheDiskTakesOnlyPartOfIsCutOffAgain() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("full.log"));
        QVERIFY(CLogDatei::Append(path, "whole line\r\n"));
        // A file size limit stands in for a full disk: the next line fits only in part.
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit tight = old;
        tight.rlim_cur = 12 + 5;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
        const bool bAppended = CLogDatei::Append(path, "second whole line\r\n");
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!bAppended);
        QCOMPARE(ReadAll(path), QByteArray("whole line\r\n"));
    }

    void aFileThatCannotBeOpenedIsLeftAlone() {
        QTemporaryDir dir;
        QVERIFY(!CLogDatei::Append(dir.path(), "line\r\n")); // a directory
        QVERIFY(!CLogDatei::Append(dir.filePath(QStringLiteral("missing/dir/mess.log")), "line\r\n"));
        QVERIFY(!CLogDatei::Append(QString(), "line\r\n"));
        const QString readOnly = dir.filePath(QStringLiteral("ro.log"));
        QVERIFY(CLogDatei::Append(readOnly, "kept\r\n"));
        QFile::setPermissions(readOnly, QFileDevice::ReadOwner);
        if (QFile(readOnly).open(QIODevice::WriteOnly | QIODevice::Append)) {
            QSKIP("running with rights that ignore file permissions");
        }
        QVERIFY(!CLogDatei::Append(readOnly, "lost\r\n"));
        QCOMPARE(ReadAll(readOnly), QByteArray("kept\r\n"));
    }
};

QTEST_GUILESS_MAIN(LogFormatTest)
#include "LogFormatTest.moc"
