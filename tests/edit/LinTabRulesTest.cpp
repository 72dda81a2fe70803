// The three table editors "Linearitätskorrektur" and the table generators: even tables, the square-root
// preset, row states, the checks with messages 21009 and 21010, the KA71 free range and its conversion
// between stored and shown values, and damaged counts and decimals.

#include "edit/LinTabRules.h"

#include "edit/LinTabGenerator.h"

#include <QTest>

namespace {

using Art = CLinTabValues::Art;

CLinTabGenerator::KA71Bereich Bereich(int anfang, int ende, int komma) {
    CLinTabGenerator::KA71Bereich bereich;
    bereich.nFreiAnfang = anfang;
    bereich.nFreiEnde = ende;
    bereich.nKomma = komma;
    bereich.fWert4mA = 0.0f;
    bereich.fWert20mA = 10.0f;
    bereich.nAnzeigeDezimalen = 2;
    return bereich;
}

} // namespace

class LinTabRulesTest : public QObject {
    Q_OBJECT

    const CLinTabRules m_rules{QLocale::c()};

private Q_SLOTS:
    void evenTables() {
        const CLinTabelle prozent = CLinTabGenerator::EvenProzent(5);
        QCOMPARE(prozent.nAnzahl, 5);
        const float outputs[] = {4, 8, 12, 16, 20};
        const float percent[] = {0, 25, 50, 75, 100};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(prozent.x[i], outputs[i]);
            QCOMPARE(prozent.y[i], percent[i]);
        }
        QCOMPARE(prozent.x[5], 0.0f);
        QCOMPARE(prozent.y[29], 0.0f);

        // Seven points: the steps are thirds, rounded after the division (6.67 mA, 16.7 %).
        const CLinTabelle sieben = CLinTabGenerator::EvenProzent(7);
        QCOMPARE(sieben.x[1], 6.67f);
        QCOMPARE(sieben.x[2], 9.33f);
        QCOMPARE(sieben.y[1], 16.7f);

        const CLinTabelle fallend = CLinTabGenerator::EvenDruck(3, 10.0f, 0.0f, 3);
        QCOMPARE(fallend.y[1], 5.0f);
        QCOMPARE(fallend.y[2], 0.0f);
        // The middle value 0.0625 is rounded to the third decimal after it is computed, half away from zero.
        QCOMPARE(CLinTabGenerator::EvenDruck(3, 0.0f, 0.125f, 3).y[1], 0.063f);

        const CLinTabelle ka71 = CLinTabGenerator::EvenKA71(4);
        QCOMPARE(ka71.x[1], 3333.0f);
        QCOMPARE(ka71.y[3], 10000.0f);
        QCOMPARE(CLinTabGenerator::EvenKA71(7).x[1], 1666.0f); // the integer part, not 1667

        const CLinTabelle wurzel = CLinTabGenerator::Radiziert();
        QCOMPARE(wurzel.nAnzahl, 0);
        QCOMPARE(wurzel.x[1], 412.0f);
        QCOMPARE(wurzel.y[1], 17.0f);
        QCOMPARE(wurzel.x[26], 8305.0f);
        QCOMPARE(wurzel.y[29], 10000.0f);
    }

    void damagedCountsAndDecimalsStayInsideTheTable() {
        // Counts and decimals as a damaged file may hold them: every generator and editor bounds them.
        QCOMPARE(CLinTabGenerator::EvenProzent(5000).nAnzahl, 30);
        QCOMPARE(CLinTabGenerator::EvenDruck(-7, 0.0f, 1.0f, 400).nAnzahl, 2);
        QCOMPARE(CLinTabGenerator::EvenKA71(1).nAnzahl, 2);
        CLinTabelle damaged;
        damaged.nAnzahl = 5000;
        const CLinTabValues werte = m_rules.Load(Art::Druck, damaged, 0.0f, 1.0f, QString(), -3);
        QCOMPARE(werte.nAnzahl, 30);
        QCOMPARE(werte.nDezimalstellen, 0);
        QVERIFY(!CLinTabRules::Row(werte, 30).bEnabled);
        const CLinTabValues ka71 = m_rules.LoadKA71(damaged, Bereich(0, 1000, 77), QString(), 1);
        QCOMPARE(ka71.nAnzahl, 30);
        QCOMPARE(ka71.bereich.nKomma, 3);
    }

    void rowStates() {
        CLinTabValues werte = m_rules.Load(Art::Prozent, CLinTabGenerator::EvenProzent(5), 0, 100, "%", 1);
        QVERIFY(CLinTabRules::Row(werte, 0).bReadOnly);
        QVERIFY(!CLinTabRules::Row(werte, 1).bReadOnly);
        QVERIFY(CLinTabRules::Row(werte, 4).bReadOnly);
        QVERIFY(CLinTabRules::Row(werte, 4).bEnabled);
        QVERIFY(!CLinTabRules::Row(werte, 5).bEnabled);
        QVERIFY(CLinTabRules::Row(werte, 5).bVisible);

        CLinTabValues ka71 = m_rules.LoadKA71(CLinTabGenerator::EvenKA71(4), Bereich(0, 1000, 0), "bar", 1);
        QVERIFY(CLinTabRules::Row(ka71, 3).bVisible);
        QVERIFY(!CLinTabRules::Row(ka71, 4).bVisible);
        m_rules.SetAnzahl(ka71, 0);
        QVERIFY(!CLinTabRules::Row(ka71, 0).bVisible);
        QCOMPARE(CLinTabRules::AnzahlToIndex(ka71), 0);
        QCOMPARE(CLinTabRules::IndexToAnzahl(Art::KA71, 1), 3);
        QCOMPARE(CLinTabRules::AnzahlTexte(Art::KA71).first(), QStringLiteral("radiziert"));
        QCOMPARE(CLinTabRules::AnzahlTexte(Art::Druck).size(), 28);
    }

    void percentTableChecks() {
        CLinTabValues werte = m_rules.Load(Art::Prozent, CLinTabelle{}, 0.0f, 10.0f, "bar", 2);
        m_rules.SetAnzahl(werte, 5);
        QCOMPARE(werte.strX[1], QStringLiteral("8"));
        QCOMPARE(werte.strY[3], QStringLiteral("75"));
        QCOMPARE(m_rules.Validate(werte), std::nullopt);

        werte.strX[2] = werte.strX[1];
        std::optional<ValidationProblem> problem = m_rules.Validate(werte);
        QCOMPARE(problem->field, 2);
        QCOMPARE(problem->text,
                 QStringLiteral("Die Tabellenwerte müssen sich um mindestens   0.01 ändern !"));

        werte.strX[2] = QStringLiteral("20.5");
        problem = m_rules.Validate(werte);
        QCOMPARE(problem->text, QStringLiteral("Geben Sie bitte eine Zahl zwischen   4.00 und  20.00 ein."));

        werte.strX[2] = QStringLiteral("12");
        werte.strY[1] = QStringLiteral("0.05");
        problem = m_rules.Validate(werte);
        QCOMPARE(problem->field, CLinTabRules::kFeldY + 1);
        QCOMPARE(problem->text,
                 QStringLiteral("Die Tabellenwerte müssen sich um mindestens   0.10 ändern !"));
    }

    void rangeTableChecks() {
        // A falling range 10 to 0 with 3 decimals: each row must fall by at least 0.001.
        CLinTabValues werte = m_rules.Load(Art::Druck, CLinTabelle{}, 10.0f, 0.0f, "bar", 3);
        m_rules.SetAnzahl(werte, 3);
        QCOMPARE(werte.strY[1], QStringLiteral("5"));
        QCOMPARE(m_rules.Validate(werte), std::nullopt);
        werte.strY[1] = QStringLiteral("10");
        const std::optional<ValidationProblem> problem = m_rules.Validate(werte);
        QCOMPARE(problem->field, CLinTabRules::kFeldY + 1);
        QCOMPARE(problem->text,
                 QStringLiteral("Die Tabellenwerte müssen sich um mindestens -0.001 ändern !"));
        werte.strY[1] = QStringLiteral("9.999");
        QCOMPARE(m_rules.Validate(werte), std::nullopt);

        // Row 1 gets the framework's range message, later rows message 21010.
        werte.strY[0] = QStringLiteral("11");
        QCOMPARE(m_rules.Validate(werte)->text, QStringLiteral("Geben Sie eine Zahl zwischen 0 und 10 ein."));
        werte.strY[0] = QStringLiteral("10");
        werte.strY[1] = QStringLiteral("-1");
        QCOMPARE(m_rules.Validate(werte)->text,
                 QStringLiteral("Geben Sie bitte eine Zahl zwischen  0.000 und 10.000 ein."));
        werte.strY[1] = QStringLiteral("fünf");
        QCOMPARE(m_rules.Validate(werte)->text, QStringLiteral("Geben Sie eine Zahl ein."));

        // The mA column's minimum change is 0.01, shown with the range's decimals but at least two.
        werte.strY[1] = QStringLiteral("9.999");
        werte.strX[1] = werte.strX[0];
        QCOMPARE(m_rules.Validate(werte)->text,
                 QStringLiteral("Die Tabellenwerte müssen sich um mindestens  0.010 ändern !"));
        CLinTabValues ganz =
            m_rules.Load(Art::Druck, CLinTabGenerator::EvenDruck(3, 0, 100, 0), 0, 100, "", 0);
        ganz.strX[1] = QStringLiteral("4");
        QCOMPARE(m_rules.Validate(ganz)->text,
                 QStringLiteral("Die Tabellenwerte müssen sich um mindestens   0.01 ändern !"));
    }

    void ka71ShownAndStored() {
        // Free range 0 to 100.0 (decimal point 1) over the stored scale.
        CLinTabValues werte = m_rules.LoadKA71(CLinTabGenerator::EvenKA71(3), Bereich(0, 1000, 1), "bar", 1);
        QCOMPARE(werte.strFreiEnde, QStringLiteral("100.0"));
        QCOMPARE(werte.strX[1], QStringLiteral("50.0"));
        QCOMPARE(werte.strY[2], QStringLiteral("10.00"));

        // A falling display column is fine as long as it stays inside the free range.
        werte.strX[0] = QStringLiteral("100.0");
        werte.strX[2] = QStringLiteral("0.0");
        QCOMPARE(m_rules.Validate(werte), std::nullopt);
        CLinTabelle stored = m_rules.Result(werte).table;
        QCOMPARE(stored.x[0], 10000.0f);
        QCOMPARE(stored.x[1], 5000.0f);
        QCOMPARE(stored.x[2], 0.0f);
        werte.strX[1] = QStringLiteral("100.1");
        QCOMPARE(m_rules.Validate(werte)->text,
                 QStringLiteral("Geben Sie bitte eine Zahl zwischen    0.0 und  100.0 ein."));

        // The free range is limited to 4 digits on the display.
        werte.strFreiEnde = QStringLiteral("1000");
        QCOMPARE(m_rules.Validate(werte)->field, CLinTabRules::kFeldFreiEnde);
        QVERIFY(m_rules.FreiBereichVerlassen(werte, CLinTabRules::kFeldFreiEnde));
        QCOMPARE(werte.bereich.nFreiEnde, 1000);
    }

    void ka71KeepsUntouchedPointsExactly() {
        // Shown at display resolution, 412 would come back as 410: an unchanged row keeps its pair.
        CLinTabValues werte = m_rules.LoadKA71(CLinTabGenerator::Radiziert(), Bereich(0, 1000, 0), "bar", 1);
        QCOMPARE(werte.strX[1], QStringLiteral("41"));
        QCOMPARE(m_rules.Result(werte).table, CLinTabGenerator::Radiziert());

        CLinTabValues even = m_rules.LoadKA71(CLinTabGenerator::EvenKA71(30), Bereich(0, 1000, 0), "bar", 1);
        even.strX[1] = QStringLiteral("50");
        // A new decimal point keeps the edited row as a position on the scale.
        m_rules.SetKomma(even, 2);
        QCOMPARE(even.strFreiEnde, QStringLiteral("10.00"));
        QCOMPARE(even.strX[1], QStringLiteral("0.50"));
        const CLinTabRules::Ergebnis ergebnis = m_rules.Result(even);
        QCOMPARE(ergebnis.table.x[1], 500.0f);
        QCOMPARE(ergebnis.table.x[2], CLinTabGenerator::EvenKA71(30).x[2]);
        QCOMPARE(ergebnis.bereich.nKomma, 2);

        // A free range typed and not yet left counts on "OK"; its digits count, not 0.29 x 100 in binary.
        even.strFreiEnde = QStringLiteral("0.29");
        QCOMPARE(m_rules.Result(even).bereich.nFreiEnde, 29);
    }

    void ka71WithoutSpanIsRefusedNotDivided() {
        CLinTabValues werte = m_rules.LoadKA71(CLinTabGenerator::EvenKA71(3), Bereich(500, 500, 0), "bar", 1);
        QCOMPARE(m_rules.Validate(werte)->text, QStringLiteral("Anfang und Ende dürfen nicht gleich sein."));
        CLinTabGenerator::KA71Bereich flat = Bereich(0, 1000, 0);
        flat.fWert20mA = flat.fWert4mA;
        QVERIFY(!CLinTabGenerator::KA71Stored(CLinTabGenerator::EvenKA71(3), flat));
        werte = m_rules.LoadKA71(CLinTabGenerator::EvenKA71(3), flat, "bar", 1);
        QVERIFY(m_rules.Validate(werte));

        // "radiziert" has no rows to check and keeps its preset.
        m_rules.SetAnzahl(werte, 0);
        QCOMPARE(m_rules.Validate(werte), std::nullopt);
        QCOMPARE(m_rules.Result(werte).table, CLinTabGenerator::Radiziert());
    }
};

QTEST_GUILESS_MAIN(LinTabRulesTest)
#include "LinTabRulesTest.moc"
