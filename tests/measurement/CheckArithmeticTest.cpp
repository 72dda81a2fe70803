// The arithmetic of a calibration check against values worked out by hand: every expected number in
// the tables below is computed in its comment, never with the formula under test.

#include "measurement/CheckArithmetic.h"

#include "ScriptedOperator.h"
#include "document/QuillonDoc.h"
#include "document/ReplyDecoder.h"
#include "document/SettingsRegistry.h"
#include "measurement/CheckHistory.h"

#include <QTest>
#include <cmath>
#include <limits>

namespace {

using J = CCheckArithmetic::Judgement;
using V = CCheckRecord::Verdict;

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

std::optional<double> Opt(double v) {
    return std::isnan(v) ? std::nullopt : std::optional<double>(v);
}

CCheckRecord Range(double at4, double at20, const QString& unit = QStringLiteral("bar"), int decimals = 2) {
    CCheckRecord r;
    r.rangeAt4mA = at4;
    r.rangeAt20mA = at20;
    r.unit = unit;
    r.decimals = decimals;
    r.tolerancePercent = 0.25;
    return r;
}

CCheckPoint Point(double reference, double reading, double current = kNone) {
    CCheckPoint p;
    p.reference = Opt(reference);
    p.reading = Opt(reading);
    p.currentMa = Opt(current);
    return p;
}

void CompareOptional(const std::optional<double>& actual, double expected) {
    if (std::isnan(expected)) {
        QVERIFY(!actual);
        return;
    }
    QVERIFY(actual);
    QVERIFY2(std::abs(*actual - expected) < 1e-9, qPrintable(QString::number(*actual, 'g', 17)));
}

} // namespace

class CheckArithmeticTest : public QObject {
    Q_OBJECT

    CScriptedOperator m_op;

private Q_SLOTS:
    void plannedPoints_data() {
        QTest::addColumn<CCheckRecord>("range");
        QTest::addColumn<QList<double>>("percents");
        QTest::addColumn<bool>("down");
        QTest::addColumn<QList<double>>("nominals");
        const QList<double> defaults = CCheckArithmetic::DefaultPercents();
        // Span 10: 0, 2.5, 5, 7.5, 10.
        QTest::newRow("rising 0..10 bar")
            << Range(0, 10) << defaults << false << QList<double>{0, 2.5, 5, 7.5, 10};
        // The same pressures on a falling characteristic (0 % is the lower end, 0 bar at 20 mA), and back
        // down without a second top point.
        QTest::newRow("falling 10..0 bar, down")
            << Range(10, 0) << defaults << true << QList<double>{0, 2.5, 5, 7.5, 10, 7.5, 5, 2.5, 0};
        // Span 2.5 from -1: -1 + 0.625 k for k = 0..4.
        QTest::newRow("-1..1.5 bar") << Range(-1, 1.5, QStringLiteral("bar"), 3) << defaults << false
                                     << QList<double>{-1, -0.375, 0.25, 0.875, 1.5};
        // 33.33 % of 1 bar = 0.3333, shown with two decimals 0.33; unsorted and doubled points are
        // planned once in rising order, points outside 0..100 % never.
        QTest::newRow("rounded, sorted, bounded")
            << Range(0, 1) << QList<double>{100, 33.33, 0, 33.33, -5, 120} << false
            << QList<double>{0, 0.33, 1};
    }
    void plannedPoints() {
        QFETCH(CCheckRecord, range);
        QFETCH(QList<double>, percents);
        QFETCH(bool, down);
        QFETCH(QList<double>, nominals);
        const QList<CCheckPoint> points = CCheckArithmetic::PlanPoints(range, percents, down);
        QCOMPARE(points.size(), nominals.size());
        for (qsizetype i = 0; i < points.size(); ++i) {
            QCOMPARE(points.at(i).nominal, nominals.at(i));
            QVERIFY(!points.at(i).reference && !points.at(i).reading);
        }
    }

    void errorsAndJudgement_data() {
        QTest::addColumn<CCheckRecord>("range");
        QTest::addColumn<CCheckPoint>("point");
        QTest::addColumn<double>("readingError");
        QTest::addColumn<double>("currentError");
        QTest::addColumn<J>("judgement");
        // 0..10 bar, tolerance 0.25 %: 0.02 / 10 = 0.2 %; 0.03 / 10 = 0.3 %.
        QTest::newRow("rising within") << Range(0, 10) << Point(5, 5.02) << 0.2 << kNone << J::Pass;
        QTest::newRow("rising outside") << Range(0, 10) << Point(5, 4.97) << -0.3 << kNone << J::Fail;
        // 0.025 / 10 = 0.25 %: exactly the tolerance passes, although 10.025 - 10 is not exact in binary.
        QTest::newRow("on the tolerance")
            << Range(0, 10, QStringLiteral("bar"), 3) << Point(10, 10.025) << 0.25 << kNone << J::Pass;
        // At 5 bar 4 + 16 x 5/10 = 12 mA; 0.04 / 16 = 0.25 %, 0.05 / 16 = 0.3125 %.
        QTest::newRow("current within") << Range(0, 10) << Point(5, 5, 12.04) << 0.0 << 0.25 << J::Pass;
        QTest::newRow("current outside") << Range(0, 10) << Point(5, 5, 12.05) << 0.0 << 0.3125 << J::Fail;
        // Falling 10..0: at 2.5 bar 4 + 16 x (10 - 2.5)/10 = 16 mA; -0.04 / 16 = -0.25 %.
        QTest::newRow("falling") << Range(10, 0) << Point(2.5, 2.52, 15.96) << 0.2 << -0.25 << J::Pass;
        // A current that rises with the pressure (8 mA at 2.5 bar) on a falling one: -8 / 16 = -50 %.
        QTest::newRow("falling, current rising")
            << Range(10, 0) << Point(2.5, 2.5, 8.0) << 0.0 << -50.0 << J::Fail;
        // -1..1.5 bar: at 0 bar 4 + 16 x 1/2.5 = 10.4 mA; -0.005 / 2.5 = -0.2 %.
        QTest::newRow("negative range")
            << Range(-1, 1.5, QStringLiteral("bar"), 3) << Point(0, -0.005, 10.4) << -0.2 << 0.0 << J::Pass;
        // 0..400 mbar: 0.8 / 400 = 0.2 %; at 100 mbar 4 + 16 / 4 = 8 mA, 8.06: 0.06 / 16 = 0.375 %.
        QTest::newRow("mbar") << Range(0, 400, QStringLiteral("mbar"), 1) << Point(100, 100.8, 8.06) << 0.2
                              << 0.375 << J::Fail;
        // Falling 145.0..0 PSI (a KA71 display): 0.3 / 145 = 0.2068965517 %; at 72.5 PSI 12 mA.
        QTest::newRow("psi falling") << Range(145, 0, QStringLiteral("PSI"), 1) << Point(72.5, 72.8, 12.0)
                                     << 0.2068965517 << 0.0 << J::Pass;
        // No reading is never an error of -100 %; the current still counts for what it shows.
        QTest::newRow("no reading") << Range(0, 10) << Point(5, kNone, 12.0) << kNone << 0.0 << J::NoReading;
        QTest::newRow("not measured") << Range(0, 10) << Point(kNone, 5, 12.0) << kNone << kNone << J::Open;
        // A range that is refused judges nothing.
        QTest::newRow("no span") << Range(5, 5) << Point(5, 5) << kNone << kNone << J::Open;
    }
    void errorsAndJudgement() {
        QFETCH(CCheckRecord, range);
        QFETCH(CCheckPoint, point);
        QFETCH(double, readingError);
        QFETCH(double, currentError);
        QFETCH(J, judgement);
        CompareOptional(CCheckArithmetic::ReadingError(range, point), readingError);
        CompareOptional(CCheckArithmetic::CurrentError(range, point), currentError);
        QCOMPARE(CCheckArithmetic::Judge(range, point), judgement);
    }

    void expectedCurrentAtTheEnds() {
        QCOMPARE(CCheckArithmetic::ExpectedCurrent(Range(10, 0), 10.0), 4.0);
        QCOMPARE(CCheckArithmetic::ExpectedCurrent(Range(10, 0), 0.0), 20.0);
        QCOMPARE(CCheckArithmetic::ExpectedCurrent(Range(-1, 1.5), -1.0), 4.0);
        QCOMPARE(CCheckArithmetic::ExpectedCurrent(Range(-1, 1.5), 1.5), 20.0);
    }

    void rangeOfTheDocument() {
        CQuillonDoc doc(m_op, QString());
        // An RX31 with 0 to 0.1 bar: the single-precision 0.1 is taken as shown.
        doc.SetTyp(2);
        doc.SetEinheit(1);
        doc.SetDezimalstellen(3);
        doc.SetMessAnfang(0.0f);
        doc.SetMessEnde(0.1f);
        CCheckRecord r = CCheckHistory::RangeOf(doc);
        QCOMPARE(r.rangeAt20mA, 0.1);
        QCOMPARE(r.unit, QStringLiteral("bar"));
        QCOMPARE(r.decimals, 3);

        // An RX26 falling over its base range 0..25 bar.
        doc.SetTyp(3);
        doc.SetGrundEnde(25.0f);
        doc.SetMessAnfang(25.0f);
        doc.SetMessEnde(0.0f);
        r = CCheckHistory::RangeOf(doc);
        QCOMPARE(r.rangeAt4mA, 25.0);
        QCOMPARE(r.rangeAt20mA, 0.0);
        QVERIFY(!CCheckArithmetic::RefuseRange(r));
    }

    void rangeOfAKA71IsItsDisplay() {
        // Base 0..10 bar with 2 decimals shown in PSI: 1000 counts x 14.50377 = 14503.8, over 4000, so
        // one decimal less: 1450 counts with 1 decimal, 0.0 to 145.0 PSI. The transmitter sends its set
        // range on the 0..10000 scale: 10000 at 4 mA, 0 at 20 mA.
        CQuillonDoc doc(m_op, QString());
        doc.SetTyp(10);
        doc.SetEinheit(1);
        doc.SetAnzeigeEinheit(5);
        doc.SetGrundAnfang(0.0f);
        doc.SetGrundEnde(10.0f);
        doc.SetDezimalstellen(2);
        CReplyDecoder(doc).DecodeMessAnfang("10000");
        CReplyDecoder(doc).DecodeMessEnde("0");
        const CCheckRecord r = CCheckHistory::RangeOf(doc);
        QCOMPARE(r.rangeAt4mA, 145.0);
        QCOMPARE(r.rangeAt20mA, 0.0);
        QCOMPARE(r.unit, QStringLiteral("PSI"));
        QCOMPARE(r.decimals, 1);
        // At 72.5 PSI, half way: 12 mA; 72.8 reads 0.3 / 145 = 0.2069 % high.
        QCOMPARE(CCheckArithmetic::ExpectedCurrent(r, 72.5), 12.0);
        CompareOptional(CCheckArithmetic::ReadingError(r, Point(72.5, 72.8)), 0.2068965517);

        // With a linearization table the display shows a free value without unit: refused, by name.
        doc.SetLinTabAnzahl(2);
        const auto refused = CCheckArithmetic::RefuseRange(CCheckHistory::RangeOf(doc));
        QVERIFY(refused);
        QVERIFY(refused->contains(QStringLiteral("ohne Einheit")));
    }

    void refusalsNameWhatIsRefused() {
        QVERIFY(!CCheckArithmetic::RefuseTolerance(0.01));
        QVERIFY(!CCheckArithmetic::RefuseTolerance(10.0));
        for (double bad : {0.005, 12.0}) {
            const auto message = CCheckArithmetic::RefuseTolerance(bad);
            QVERIFY(message && message->contains(QString::number(bad)));
        }
        QVERIFY(CCheckArithmetic::RefuseTolerance(kNone));
        QVERIFY(!CCheckArithmetic::RefusePercent(0.0));
        QVERIFY(!CCheckArithmetic::RefusePercent(100.0));
        for (double bad : {-5.0, 100.5}) {
            const auto message = CCheckArithmetic::RefusePercent(bad);
            QVERIFY(message && message->contains(QString::number(bad)));
        }
        const auto noSpan = CCheckArithmetic::RefuseRange(Range(2.5, 2.5));
        QVERIFY(noSpan && noSpan->contains(QStringLiteral("2.5 bar")));
        // In German "2.500" would read as two and a half.
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto german = CCheckArithmetic::RefuseRange(Range(2500, 2500, QStringLiteral("mbar"), 0));
        QLocale::setDefault(before);
        QVERIFY2(german && german->contains(QStringLiteral("2500 mbar")),
                 qPrintable(german.value_or(QString())));
        QVERIFY(CCheckArithmetic::RefuseRange(Range(0, kNone)));
        QVERIFY(!CCheckArithmetic::RefuseRange(Range(-1, 1.5)));
    }

    void settling() {
        // 0..10 bar at 0.25 %: a tenth of 0.025 bar is 0.0025 bar.
        const CCheckRecord r = Range(0, 10, QStringLiteral("bar"), 3);
        QVERIFY(CCheckArithmetic::IsSettled(r, {5.000, 5.002, 5.001}));
        QVERIFY(!CCheckArithmetic::IsSettled(r, {5.000, 5.003}));
        QVERIFY(!CCheckArithmetic::IsSettled(r, {5.0}));
        QVERIFY(!CCheckArithmetic::IsSettled(r, {5.0, kNone, 5.0}));
        QCOMPARE(CCheckArithmetic::Mean({5.000, 5.002, 5.004}), 5.002);
        QVERIFY(std::isnan(CCheckArithmetic::Mean({})));
    }

    void verdicts() {
        CCheckRecord r = Range(0, 10);
        const CCheckSeries good{{Point(0, 0.01), Point(10, 9.99)}};
        const CCheckSeries bad{{Point(0, 0.01), Point(10, 9.9)}};
        const CCheckSeries silent{{Point(0, 0.0), Point(10, kNone)}};
        struct Row {
            CCheckSeries asFound;
            std::optional<CCheckSeries> asLeft;
            V verdict;
        };
        const QList<Row> rows{
            {good, std::nullopt, V::Passed},
            {bad, std::nullopt, V::Failed},
            {silent, std::nullopt, V::Failed},
            {CCheckSeries{}, std::nullopt, V::Failed},
            {bad, good, V::AdjustedPassed},
            {good, good, V::AdjustedPassed},
            {bad, bad, V::Failed},
            {bad, CCheckSeries{}, V::Failed},
        };
        for (qsizetype i = 0; i < rows.size(); ++i) {
            r.asFound = rows.at(i).asFound;
            r.asLeft = rows.at(i).asLeft;
            QVERIFY2(CCheckArithmetic::Verdict(r) == rows.at(i).verdict, qPrintable(QString::number(i)));
        }
        QCOMPARE(CCheckHistory::VerdictText(V::AdjustedPassed), QStringLiteral("justiert und bestanden"));
        QCOMPARE(CCheckArithmetic::NextDue(QDate(2026, 12, 8), 365), QDate(2027, 12, 8));
    }

    void defaultToleranceFromTheSettings() {
        CSettingsRegistry settings;
        QCOMPARE(CCheckArithmetic::DefaultTolerance(settings), 0.25);
        const QList<std::pair<QString, double>> rows{
            {QStringLiteral("0.5"), 0.5},  {QStringLiteral(" 1 "), 1.0},  {QStringLiteral("12"), 0.25},
            {QStringLiteral("0,5"), 0.25}, {QStringLiteral("abc"), 0.25}, {QStringLiteral("0"), 0.25}};
        for (const auto& [stored, expected] : rows) {
            settings.Set(CSettingsRegistry::kCheckTolerance, stored);
            QCOMPARE(CCheckArithmetic::DefaultTolerance(settings), expected);
        }
    }
};

QTEST_GUILESS_MAIN(CheckArithmeticTest)
#include "CheckArithmeticTest.moc"
