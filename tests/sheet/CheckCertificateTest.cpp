// The check certificate: the rows a calibration shop files, with errors worked out by hand, in German and
// English, and its PDF on the user's paper.

#include "sheet/CheckCertificate.h"

#include "SheetItems.h"
#include "sheet/SheetPdfWriter.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

CCheckPoint Point(double percent, double nominal, std::optional<double> reference,
                  std::optional<double> reading, std::optional<double> current = std::nullopt) {
    CCheckPoint p;
    p.percent = percent;
    p.nominal = nominal;
    p.reference = reference;
    p.reading = reading;
    p.currentMa = current;
    p.settled = true;
    return p;
}

/// A falling range, 10 bar at 4 mA and 0 bar at 20 mA (span 10 bar), adjusted after a failed as-found
/// pass. Worked by hand (error = (reading - reference) / 10 bar * 100; expected current = 4 + 16 *
/// (reference - 10) / (0 - 10), its error = (current - expected) / 16 * 100):
///   as found   0 %: (0.05 - 0.01) / 10 = +0.400 %  > 0.25: fail; expected 19.984 mA, 19.980: -0.025 %
///             50 %: no reading
///            100 %: (10.01 - 9.99) / 10 = +0.200 %; expected 4.016 mA, 4.020: +0.025 %: pass
///   as left    0 %: (0.01 - 0.00) / 10 = +0.100 %: pass
///            100 %: (9.98 - 10.00) / 10 = -0.200 %, taken unsettled: pass
CCheckRecord FallingRecord() {
    CCheckRecord r;
    r.rangeAt4mA = 10.0;
    r.rangeAt20mA = 0.0;
    r.unit = QStringLiteral("bar");
    r.decimals = 2;
    r.tolerancePercent = 0.25;
    r.reference = {QStringLiteral("Druckwaage DW-5"), QStringLiteral("R-778"), QStringLiteral("K-2026-0042"),
                   QDate(2026, 11, 30)};
    r.ambientCelsius = 21.5;
    r.technician = QStringLiteral("M. Keller");
    r.asFound.points = {Point(0, 0.0, 0.01, 0.05, 19.98), Point(50, 5.0, 5.0, std::nullopt),
                        Point(100, 10.0, 9.99, 10.01, 4.02)};
    CCheckSeries asLeft;
    asLeft.points = {Point(0, 0.0, 0.0, 0.01), Point(100, 10.0, 10.0, 9.98)};
    asLeft.points.last().acceptedUnsettled = true;
    r.asLeft = asLeft;
    r.verdict = CCheckRecord::Verdict::AdjustedPassed;
    r.nextDue = QDate(2027, 3, 14);
    return r;
}

CHistoryEvent CheckEvent() {
    CHistoryEvent e;
    e.operation = CHistoryEvent::Operation::Check;
    e.timeUtc = QDateTime(QDate(2026, 3, 14), QTime(9, 30), Qt::UTC);
    e.station = QStringLiteral("Prüfplatz 3");
    e.nTyp = 2;
    e.kennung = "RX31-309";
    e.seriennummer = "123456.78.901";
    e.bezeichnung = "PT-101";
    return e;
}

} // namespace

class CheckCertificateTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    static void CompareLine(const CSheetItems& items, const QString& anchor, const QStringList& expected) {
        QCOMPARE(items.LineOf(anchor), expected);
    }

private Q_SLOTS:
    void germanRowsWithErrorsAndVerdicts() {
        const CCheckCertificate certificate(CheckEvent(), 42, FallingRecord(), QLocale(QLocale::German));
        const CSheetItems items(certificate);
        QVERIFY2(items.Collisions().isEmpty(), qPrintable(items.Collisions().join('\n')));
        QVERIFY(items.Has(QStringLiteral("Prüfzertifikat")));
        QCOMPARE(items.ValueOf(QStringLiteral("Serien-Nummer:")), QStringLiteral("123456.78.901"));
        QCOMPARE(items.ValueOf(QStringLiteral("4 mA bei:")), QStringLiteral("10,00 bar"));
        QCOMPARE(items.ValueOf(QStringLiteral("20 mA bei:")), QStringLiteral("0,00 bar"));
        QCOMPARE(items.ValueOf(QStringLiteral("Gültig bis:")), QStringLiteral("30.11.2026"));
        QCOMPARE(items.ValueOf(QStringLiteral("Umgebungstemperatur:")), QStringLiteral("21,5 °C"));
        QCOMPARE(items.ValueOf(QStringLiteral("Toleranz:")), QStringLiteral("± 0,250 % der Spanne"));
        QCOMPARE(items.ValueOf(QStringLiteral("Prüfdatum:")), QStringLiteral("14.03.2026"));
        QCOMPARE(items.ValueOf(QStringLiteral("Verlauf-Nr.:")), QStringLiteral("42"));
        QCOMPARE(items.ValueOf(QStringLiteral("Nächste Prüfung:")), QStringLiteral("14.03.2027"));
        QVERIFY(items.Has(QStringLiteral("Wie vorgefunden")) &&
                items.Has(QStringLiteral("Wie hinterlassen")));
        CompareLine(items, QStringLiteral("n.i.O."),
                    {"0", "0,00", "0,01", "0,05", "0,400", "19,980", "-0,025", "n.i.O."});
        CompareLine(items, QStringLiteral("keine Messung"),
                    {"50", "5,00", "5,00", "—", "—", "—", "—", "keine Messung"});
        CompareLine(items, QStringLiteral("4,020"),
                    {"100", "10,00", "9,99", "10,01", "0,200", "4,020", "0,025", "i.O."});
        CompareLine(items, QStringLiteral("9,98 *"),
                    {"100", "10,00", "10,00", "9,98 *", "-0,200", "—", "—", "i.O."});
        QVERIFY(items.Has(QStringLiteral("* Messwert nicht eingeschwungen, vom Prüfer übernommen")));
        QVERIFY(items.Has(QStringLiteral("Ergebnis: justiert und bestanden")));
    }

    void englishFromTheCatalogue() {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral("quillon_en"), QCoreApplication::applicationDirPath()));
        QCoreApplication::installTranslator(&translator);
        CCheckRecord record = FallingRecord();
        record.verdict = CCheckRecord::Verdict::Failed;
        record.asLeft.reset();
        const CCheckCertificate certificate(CheckEvent(), 42, record,
                                            QLocale(QLocale::English, QLocale::UnitedStates));
        const CSheetItems items(certificate);
        QCoreApplication::removeTranslator(&translator);
        QVERIFY(items.Has(QStringLiteral("Calibration certificate")));
        QVERIFY(items.Has(QStringLiteral("As found")) && !items.Has(QStringLiteral("As left")));
        CompareLine(items, QStringLiteral("no reading"),
                    {"50", "5.00", "5.00", "—", "—", "—", "—", "no reading"});
        CompareLine(items, QStringLiteral("fail"),
                    {"0", "0.00", "0.01", "0.05", "0.400", "19.980", "-0.025", "fail"});
        QCOMPARE(items.ValueOf(QStringLiteral("Next check due:")), QStringLiteral("3/14/2027"));
        QVERIFY(items.Has(QStringLiteral("Result: failed")));
    }

    void pdfOnTheUsersPaper_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("pageSize");
        QTest::newRow("A4") << QLocale(QLocale::German, QLocale::Germany) << QStringLiteral("(A4)");
        QTest::newRow("Letter") << QLocale(QLocale::English, QLocale::UnitedStates)
                                << QStringLiteral("(letter)");
    }
    void pdfOnTheUsersPaper() {
        QFETCH(QLocale, locale);
        QFETCH(QString, pageSize);
        const QString path = m_dir.filePath(QStringLiteral("zertifikat.pdf"));
        const CCheckCertificate certificate(CheckEvent(), 42, FallingRecord(), locale);
        QString error;
        QVERIFY2(CSheetPdfWriter::Write(path, certificate, CSheetPdfWriter::PaperFor(locale), error),
                 qPrintable(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {path});
        QVERIFY(info.waitForFinished(30000));
        const QString text = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(text.contains(QStringLiteral("Pages:           1")) && text.contains(pageSize),
                 qPrintable(text));
    }

    /// A check with many points (ten steps up and down, as found and as left) goes on past the first
    /// page rather than off its bottom edge.
    void manyPointsContinueOnASecondPage() {
        CCheckRecord record = FallingRecord();
        record.asFound.points.clear();
        for (int i = 0; i <= 20; ++i) {
            const double percent = 10.0 * (i <= 10 ? i : 20 - i);
            record.asFound.points.append(Point(percent, percent / 10.0, percent / 10.0, percent / 10.0));
        }
        record.asLeft->points = record.asFound.points;
        const QString path = m_dir.filePath(QStringLiteral("lang.pdf"));
        const QLocale locale(QLocale::German);
        QString error;
        QVERIFY2(CSheetPdfWriter::Write(path, CCheckCertificate(CheckEvent(), 7, record, locale),
                                        CSheetPdfWriter::PaperFor(locale), error),
                 qPrintable(error));
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-f"), QStringLiteral("2"), path, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(30000));
        const QString second = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(second.contains(QStringLiteral("Serien-Nummer 123456.78.901 (Fortsetzung)")) &&
                     second.contains(QStringLiteral("Datum, Unterschrift Prüfer")) &&
                     second.contains(QStringLiteral("Sollwert")),
                 qPrintable(second));
    }
};

QTEST_MAIN(CheckCertificateTest)
#include "CheckCertificateTest.moc"
