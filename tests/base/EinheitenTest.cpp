// The unit converter: the scaled display ranges (with the overflow case) and the 0 to 10000 scale.

#include "base/Einheiten.h"

#include "base/Utils.h"

#include <QTest>
#include <cmath>
#include <limits>

class EinheitenTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void scaledRange_data() {
        QTest::addColumn<float>("start");
        QTest::addColumn<float>("end");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<double>("lo");
        QTest::addColumn<double>("hi");
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("overflow");

        QTest::newRow("bar to mbar, n falls to 0")
            << 0.0f << 10.0f << 3 << 1 << 2 << 0.0 << 10000.0 << 0 << false;
        QTest::newRow("bar to Pa overflows") << 0.0f << 100.0f << 0 << 1 << 3 << 0.0 << 32000.0 << 0 << true;
        QTest::newRow("bar to PSI unchanged n") << 0.0f << 1.0f << 2 << 1 << 5 << 0.0 << 1450.0 << 2 << false;
        QTest::newRow("same unit is the range itself")
            << -1.0f << 2.5f << 3 << 2 << 2 << -1.0 << 2.5 << 3 << false;
        QTest::newRow("small range gains decimals up to 3")
            << 0.0f << 0.1f << 0 << 1 << 4 << 0.0 << 1000.0 << 2 << false;
        // Only the end that is larger by sign sets the scale; a range ending at 0 below zero therefore
        // overflows, and the unit change that asks for it is refused.
        QTest::newRow("negative range: larger end by sign")
            << -1.0f << 0.0f << 2 << 1 << 2 << -32000.0 << 0.0 << 3 << true;
        // The unit change of the edit dialogs refuses what the display cannot show with 4 digits, even
        // where the document's 16-bit display range (32100) would still hold it.
        // 0.7 is 0.69999999 in single precision; its count is still 700, not 699.
        QTest::newRow("single-precision end keeps its count")
            << 0.0f << 0.7f << 3 << 1 << 2 << 0.0 << 700.0 << 0 << false;
        QTest::newRow("kPa to Pa beyond the clamp")
            << 0.0f << 32.1f << 1 << 4 << 3 << 0.0 << 32000.0 << 0 << true;
        QTest::newRow("negative start below the clamp")
            << -100.0f << 1.0f << 0 << 1 << 3 << -32000.0 << 32000.0 << 0 << true;
    }

    void scaledRange() {
        QFETCH(float, start);
        QFETCH(float, end);
        QFETCH(int, decimals);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(double, lo);
        QFETCH(double, hi);
        QFETCH(int, n);
        QFETCH(bool, overflow);
        const CEinheiten::Range range = CEinheiten(10, start, end, decimals, from, to).ScaledRange();
        QCOMPARE(range.lo, lo);
        QCOMPARE(range.hi, hi);
        QCOMPARE(range.n, n);
        QCOMPARE(range.overflow, overflow);
    }

    void scaleRoundTrips() {
        // 0 to 2.5 bar shown in mbar: the display range is 0 to 2500 with 0 decimals.
        const CEinheiten converter(10, 0.0f, 2.5f, 3, 1, 2);
        QCOMPARE(converter.FromScale(0), 0.0);
        QCOMPARE(converter.FromScale(10000), 2500.0);
        QCOMPARE(converter.ToScale(1250.0), 5000.0);
        QCOMPARE(converter.SpanToScale(25.0), 100.0);
        QCOMPARE(converter.SpanFromScale(100.0), 25.0);
        QCOMPARE(converter.DisplayDecimals(), 0);

        // Same units: values stay in the range unit.
        const CEinheiten same(2, 1.0f, 3.0f, 2, 1, 1);
        QCOMPARE(same.FromScale(5000), 2.0);
        QCOMPARE(same.ToScale(1.5), 2500.0);
        QCOMPARE(same.DisplayDecimals(), 2);

        // Units differ and decimals were gained: the scale answers in the to unit with those decimals.
        const CEinheiten psi(10, 0.0f, 1.0f, 2, 1, 5);
        QCOMPARE(psi.FromScale(10000), 14.5);
        QCOMPARE(psi.ToScale(7.25), 5000.0);

        // A range that does not start at 0 tells apart where the start and the decimals enter:
        // 0.5 to 1 bar in PSI is 7.25 to 14.5 (counts 725 to 1450, two decimals).
        const CEinheiten offen(10, 0.5f, 1.0f, 2, 1, 5);
        QCOMPARE(offen.FromScale(5000), 10.875);
        QCOMPARE(offen.ToScale(10.875), 5000.0);
        QCOMPARE(offen.SpanFromScale(5000), 3.625);
        QCOMPARE(offen.SpanToScale(3.625), 5000.0);
    }

    void absurdDecimalsFromADamagedFileEndQuickly() {
        // Without bounds these walks would take billions of steps.
        QVERIFY(CEinheiten(10, 0.0f, 1.0f, std::numeric_limits<int>::max(), 1, 2).ScaledRange().overflow);
        const CEinheiten::Range low =
            CEinheiten(10, 0.0f, 0.0f, std::numeric_limits<int>::min(), 1, 2).ScaledRange();
        QCOMPARE(low.n, 3);
        QVERIFY(std::isinf(CUtils::PowerOfTen(std::numeric_limits<int>::max())));
    }

    void convertAndNames() {
        const CEinheiten converter(2, 0.0f, 1.0f, 3, 1, 5);
        QCOMPARE(converter.Convert(2.0), 2.0 * 14.50377187);
        QVERIFY(!converter.IsKA71());
        QCOMPARE(CEinheiten(2, 0.0f, 1.0f, 3, 3, 4).Convert(100000.0), 100.0);
        QCOMPARE(CEinheiten::UnitName(6), QStringLiteral("InWC "));
        QCOMPARE(CEinheiten::UnitName(0), QStringLiteral("    "));
        QVERIFY(CEinheiten::UnitName(7).isEmpty());
        QVERIFY(CEinheiten::UnitName(-1).isEmpty());
    }
};

QTEST_GUILESS_MAIN(EinheitenTest)
#include "EinheitenTest.moc"
