// The edit dialog "Daten editieren" without a display: the checks of the four variants in their order,
// the turn-down messages, the table of "Lin.-Korrektur:", "Rücksetzen", the falling characteristic and
// the KA71 display unit change.

#include "edit/EditDataRules.h"

#include "base/NumberField.h"
#include "edit/LinTabGenerator.h"

#include <QTest>

namespace {

using F = CEditDataValues;
using V = CEditDataValues::Variante;

/// A dialog on a 0 to 10 bar sensor with values every variant accepts.
CEditDataValues Dialog(int nTyp, const QLocale& locale = QLocale::c()) {
    const CEditDataRules rules(locale);
    CEditDataValues werte;
    werte.nTyp = nTyp;
    werte.eVariante = CEditDataRules::VarianteFor(nTyp);
    werte.fGrundAnfang = 0.0f;
    werte.fGrundEnde = 10.0f;
    werte.nDezimalstellen = 2;
    werte.nEinheit = 1;
    werte.nAnzeigeEinheit = 1;
    werte.strGrundAnfang = rules.Text(0.0);
    werte.strGrundEnde = rules.Text(10.0);
    werte.strEinheit = QStringLiteral("bar");
    werte.strMessEinheit = werte.strEinheit;
    CEditDataRules::Zahlen z;
    z.fMessEnde = 10.0f;
    z.fStromMin = 3.8f;
    z.fStromMax = 22.5f;
    z.fFehlerstrom = 3.5f;
    rules.SetZahlen(werte, z);
    return werte;
}

QString Problem(const CEditDataValues& werte, int* field = nullptr) {
    const auto problem = CEditDataRules(QLocale::c()).Validate(werte);
    if (field != nullptr) {
        *field = problem ? problem->field : -1;
    }
    return problem ? problem->text : QString();
}

} // namespace

class EditDataRulesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void spreadOfEveryVariant_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("anfang");
        QTest::addColumn<QString>("ende");
        QTest::addColumn<QString>("message");
        const QString ok;
        QTest::newRow("4:1 refuses 1.5 of 10") << 1 << "0.5"
                                               << "2"
                                               << "Maximale Spreizung 4:1";
        QTest::newRow("4:1 accepts exactly 2.5") << 1 << "0"
                                                 << "2.5" << ok;
        QTest::newRow("4:1 falling range") << 0 << "10"
                                           << "7.5" << ok;
        QTest::newRow("VN62 accepts 100:1") << 7 << "0"
                                            << "0.1" << ok;
        QTest::newRow("VN62 refuses beyond 100:1") << 7 << "0"
                                                   << "0.09"
                                                   << "Maximale Spreizung 100 : 1 !";
        QTest::newRow("RX96 refuses 10:1, padded") << 8 << "0"
                                                   << "1"
                                                   << "Maximale Spreizung   5 : 1 !";
        QTest::newRow("RX96 accepts 5:1") << 8 << "0"
                                          << "2" << ok;
        QTest::newRow("RX31 4:1 padded") << 2 << "0"
                                         << "2"
                                         << "Maximale Spreizung   4 : 1 !";
        QTest::newRow("KA71 on its scale") << 10 << "0"
                                           << "2"
                                           << "Maximale Spreizung   4 : 1 !";
        QTest::newRow("KA71 accepts 4:1") << 10 << "5"
                                          << "7.5" << ok;
        QTest::newRow("outside the base range") << 8 << "-1"
                                                << "5"
                                                << "Geben Sie eine Zahl zwischen 0 und 10 ein.";
    }

    void spreadOfEveryVariant() {
        QFETCH(int, typ);
        QFETCH(QString, anfang);
        QFETCH(QString, ende);
        QFETCH(QString, message);
        CEditDataValues werte = Dialog(typ);
        werte.strMessAnfang = anfang;
        werte.strMessEnde = ende;
        QCOMPARE(Problem(werte), message);
    }

    void minAboveMaxInEveryVariant() {
        for (const int typ : {0, 2, 3, 4, 10}) {
            CEditDataValues werte = Dialog(typ);
            werte.strStromMin = QStringLiteral("20");
            werte.strStromMax = QStringLiteral("4");
            int field = -1;
            QCOMPARE(Problem(werte, &field), QStringLiteral("Stromgrenze Min > Max!"));
            QCOMPARE(field, int(F::kStromMin));
        }
    }

    void fieldsInTheirOrder() {
        CEditDataValues werte = Dialog(2);
        werte.strDaempfung = QStringLiteral("200");
        QCOMPARE(Problem(werte), QString());
        werte.strDaempfung = QStringLiteral("200.1");
        int field = -1;
        QCOMPARE(Problem(werte, &field), QStringLiteral("Geben Sie eine Zahl zwischen 0 und 200 ein."));
        QCOMPARE(field, int(F::kDaempfung));

        // The tag comes first: 21 characters are refused before the damping is looked at.
        werte.strBezeichnung = QString(21, QLatin1Char('x'));
        QCOMPARE(Problem(werte, &field), QStringLiteral("Geben Sie nicht mehr als 20 Zeichen ein."));
        QCOMPARE(field, int(F::kBezeichnung));
        werte.strBezeichnung = QString(20, QLatin1Char('x'));

        werte.strDaempfung = QStringLiteral("1");
        werte.strMessEnde = QStringLiteral("zehn");
        QCOMPARE(Problem(werte, &field), QStringLiteral("Geben Sie eine Zahl ein."));
        QCOMPARE(field, int(F::kMessEnde));
        werte.strMessEnde = QString();
        QCOMPARE(Problem(werte), QStringLiteral("Geben Sie eine Zahl ein."));
        werte.strMessEnde = QStringLiteral("10");

        // Maximum, minimum, error current, then the temperature damping of the RX31.
        werte.strFehlerstrom = QStringLiteral("3.4");
        werte.strTempDaempfung = QStringLiteral("-1");
        QCOMPARE(Problem(werte, &field), QStringLiteral("Geben Sie eine Zahl zwischen 3.5 und 22.5 ein."));
        QCOMPARE(field, int(F::kFehlerstrom));
        werte.strFehlerstrom = QStringLiteral("22.5");
        QCOMPARE(Problem(werte, &field), QStringLiteral("Geben Sie eine Zahl zwischen 0 und 200 ein."));
        QCOMPARE(field, int(F::kTempDaempfung));

        // The VN62 has no temperature damping field, so its value is not the user's to fix.
        werte.nTyp = 7;
        QCOMPARE(Problem(werte), QString());
    }

    void rx30LimitsAndCharacteristic() {
        const CEditDataRules rules(QLocale::c());
        CEditDataValues werte = Dialog(4);
        werte.strStromMin = QStringLiteral("0");
        werte.strFehlerstrom = QStringLiteral("0");
        QCOMPARE(Problem(werte), QString());
        werte.strStromMax = QStringLiteral("22.6");
        QCOMPARE(Problem(werte), QStringLiteral("Geben Sie eine Zahl zwischen 0 und 22.5 ein."));
        QCOMPARE(rules.Hint(werte, F::kStromMax), QStringLiteral("0.0 ... 22.5"));

        werte.bFallend = true;
        const CEditDataRules::Zahlen z = rules.GetZahlen(werte);
        QCOMPARE(z.fMessAnfang, 10.0f);
        QCOMPARE(z.fMessEnde, 0.0f);
        rules.Reset(werte);
        QVERIFY(!werte.bFallend);
        QCOMPARE(werte.strStromMin, QStringLiteral("0"));
        QCOMPARE(werte.strFehlerstrom, QStringLiteral("0"));
        QCOMPARE(werte.strStromMax, QStringLiteral("22.5"));
    }

    void germanLocaleReadsAndWritesCommas() {
        const QLocale german(QLocale::German, QLocale::Germany);
        const CEditDataRules rules(german);
        CEditDataValues werte = Dialog(1, german);
        QCOMPARE(werte.strStromMin, QStringLiteral("3,8"));
        werte.strMessEnde = QStringLiteral("2,5");
        QCOMPARE(rules.Validate(werte), std::nullopt);
        werte.strStromMax = QStringLiteral("22.5");
        QCOMPARE(rules.Validate(werte)->text, QStringLiteral("Geben Sie eine Zahl ein."));
        werte.strStromMax = QStringLiteral("23");
        QCOMPARE(rules.Validate(werte)->text,
                 QStringLiteral("Geben Sie eine Zahl zwischen 3,5 und 22,5 ein."));
        werte.strGrundEnde = QStringLiteral("10");
        QCOMPARE(rules.Hint(werte, F::kMessAnfang), QStringLiteral("0 ... 10 bar"));
        QCOMPARE(rules.Hint(werte, F::kBezeichnung), QStringLiteral("max. 20 Zeichen"));
    }

    void linearizationBox() {
        const CEditDataRules rules(QLocale::c());
        CEditDataValues werte = Dialog(2);
        werte.strMessAnfang = QStringLiteral("1");
        werte.strMessEnde = QStringLiteral("9");
        QCOMPARE(rules.SetLinKorrektur(werte, true), std::nullopt);
        QCOMPARE(werte.linTab.nAnzahl, 30);
        QCOMPARE(werte.linTab.x[0], 4.0f);
        QCOMPARE(werte.linTab.x[29], 20.0f);
        QCOMPARE(werte.linTab.x[1], 4.55f); // 16/29 rounded to 2 decimals
        QCOMPARE(werte.linTab.y[0], 1.0f);
        QCOMPARE(werte.linTab.y[29], 9.0f);
        QCOMPARE(werte.linTab.y[1], 1.28f); // 8/29 rounded to the range's 2 decimals

        // A keystroke in the output range throws the generated table away.
        CEditDataRules::MessbereichEdited(werte);
        QCOMPARE(werte.linTab, CLinTabelle{});

        // Checking runs every check first; a failure leaves the box unchecked.
        werte.strDaempfung = QStringLiteral("300");
        QVERIFY(rules.SetLinKorrektur(werte, true));
        QVERIFY(!werte.LinKorrektur());

        // Type 0 generates the percent table.
        CEditDataValues prozent = Dialog(0);
        QCOMPARE(rules.SetLinKorrektur(prozent, true), std::nullopt);
        QCOMPARE(prozent.linTab.y[29], 100.0f);
        QCOMPARE(prozent.linTab.y[1], 3.4f);
        QCOMPARE(rules.SetLinKorrektur(prozent, false), std::nullopt);
        QCOMPARE(prozent.linTab, CLinTabelle{});

        // The KA71 table lives on its own scale and survives edits of the range.
        CEditDataValues ka71 = Dialog(10);
        QCOMPARE(rules.SetLinKorrektur(ka71, true), std::nullopt);
        QCOMPARE(ka71.linTab.y[29], 10000.0f);
        CEditDataRules::MessbereichEdited(ka71);
        QCOMPARE(ka71.linTab.nAnzahl, 30);
    }

    void resetByVariant_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("min");
        QTest::addColumn<QString>("fehler");
        QTest::newRow("CEditData") << 1 << "3.5"
                                   << "22.5";
        QTest::newRow("RX31") << 2 << "3.8"
                              << "3.5";
        QTest::newRow("KA71") << 10 << "3.8"
                              << "3.5";
        QTest::newRow("RX26 2-wire") << 3 << "3.8"
                                     << "3.5";
        QTest::newRow("KA28 3-wire") << 6 << "0"
                                     << "0";
    }

    void resetByVariant() {
        QFETCH(int, typ);
        QFETCH(QString, min);
        QFETCH(QString, fehler);
        const CEditDataRules rules(QLocale::c());
        CEditDataValues werte = Dialog(typ);
        werte.strDaempfung = QStringLiteral("5");
        werte.strTempDaempfung = QStringLiteral("5");
        werte.strMessAnfang = QStringLiteral("2");
        werte.linTab.nAnzahl = 3;
        werte.nAnzeigeEinheit = 2;
        werte.nMedium = 2;
        rules.Reset(werte);
        QCOMPARE(werte.strDaempfung, QStringLiteral("0"));
        QCOMPARE(werte.strStromMin, min);
        QCOMPARE(werte.strFehlerstrom, fehler);
        QCOMPARE(werte.strStromMax, QStringLiteral("22.5"));
        if (werte.eVariante != V::RX30) {
            QCOMPARE(werte.strMessAnfang, QStringLiteral("0"));
            QCOMPARE(werte.linTab.nAnzahl, 0);
        }
        if (werte.eVariante == V::KA71) {
            QCOMPARE(werte.nAnzeigeEinheit, werte.nEinheit);
            QCOMPARE(werte.nMedium, 0);
            QCOMPARE(werte.nFreiEnde, 1000);
            QCOMPARE(werte.nFreiDezimalpunkt, 1);
        }
        QCOMPARE(werte.strTempDaempfung, QString::fromLatin1(werte.eVariante == V::RX31_3x ? "0" : "5"));
    }

    void ka71DisplayUnitChange() {
        const CEditDataRules rules(QLocale::c());
        CEditDataValues werte = Dialog(10);
        werte.nDezimalstellen = 3;
        CEditDataRules::EinheitWechsel wechsel = rules.ChangeAnzeigeEinheit(werte, 2);
        QVERIFY(wechsel.bUebernommen);
        QCOMPARE(werte.strMessAnfang, QStringLiteral("0"));
        QCOMPARE(werte.strMessEnde, QStringLiteral("10000"));
        QCOMPARE(werte.nAnzeigeEinheit, 2);
        QCOMPARE(werte.strMessEinheit, QStringLiteral("mbar"));
        // In the new unit the dialog still passes its own check, and its hint names the new limits.
        QCOMPARE(rules.Validate(werte), std::nullopt);
        QCOMPARE(rules.Hint(werte, F::kMessEnde), QStringLiteral("0 ... 10000 mbar"));

        // 0 to 100 bar in Pa does not fit the display: nothing changes.
        CEditDataValues gross = Dialog(10);
        gross.fGrundEnde = 100.0f;
        gross.nDezimalstellen = 0;
        gross.strMessEnde = QStringLiteral("100");
        wechsel = rules.ChangeAnzeigeEinheit(gross, 3);
        QVERIFY(!wechsel.bUebernommen);
        QVERIFY(!wechsel.problem);
        QCOMPARE(gross.nAnzeigeEinheit, 1);
        QCOMPARE(gross.strMessEnde, QStringLiteral("100"));

        // Fields that fail their check block the change with their message.
        gross.strDaempfung = QStringLiteral("x");
        wechsel = rules.ChangeAnzeigeEinheit(gross, 2);
        QVERIFY(!wechsel.bUebernommen);
        QCOMPARE(wechsel.problem->field, int(F::kDaempfung));
    }

    void ka71LookingAtOtherUnitsLeavesTheRangeWhereItWas() {
        const CEditDataRules rules(QLocale::c());
        CEditDataValues werte = Dialog(10);
        werte.fGrundEnde = 1.0f;
        werte.nDezimalstellen = 3;
        werte.strMessEnde = QStringLiteral("1");
        for (const int nEinheit : {5, 1, 5, 6, 4, 1}) { // PSI, bar, PSI, InWc, kPa, bar
            QVERIFY(rules.ChangeAnzeigeEinheit(werte, nEinheit).bUebernommen);
        }
        QCOMPARE(werte.strMessAnfang, QStringLiteral("0"));
        QCOMPARE(werte.strMessEnde, QStringLiteral("1"));
        QCOMPARE(rules.GetZahlen(werte).fMessEnde, 1.0f);

        // What the user typed in another unit is the range from then on.
        QVERIFY(rules.ChangeAnzeigeEinheit(werte, 2).bUebernommen); // mbar
        werte.strMessEnde = QStringLiteral("500");
        QVERIFY(rules.ChangeAnzeigeEinheit(werte, 5).bUebernommen);
        QVERIFY(rules.ChangeAnzeigeEinheit(werte, 1).bUebernommen);
        QCOMPARE(werte.strMessEnde, QStringLiteral("0.5"));
    }

    void ka71BaseRangeWithoutSpanIsRefusedNotDivided() {
        CEditDataValues werte = Dialog(10);
        werte.fGrundEnde = 0.0f;
        werte.strMessEnde = QStringLiteral("0");
        QCOMPARE(Problem(werte), QStringLiteral("Der Grundmessbereich hat keine Spanne."));
    }

    void tableEditorOfEachVariant() {
        const CEditDataRules rules(QLocale::c());
        const CLinTabRules tabRules(QLocale::c());
        QCOMPARE(rules.LinTabEditor(Dialog(0), tabRules).eArt, CLinTabValues::Art::Prozent);
        QCOMPARE(rules.LinTabEditor(Dialog(1), tabRules).eArt, CLinTabValues::Art::Druck);
        QCOMPARE(rules.LinTabEditor(Dialog(8), tabRules).eArt, CLinTabValues::Art::Druck);

        // A KA71 table of count 1 is the square-root characteristic; it comes back as 1.
        CEditDataValues ka71 = Dialog(10);
        ka71.linTab = CLinTabGenerator::Radiziert();
        ka71.linTab.nAnzahl = 1;
        const CLinTabValues editor = rules.LinTabEditor(ka71, tabRules);
        QCOMPARE(editor.eArt, CLinTabValues::Art::KA71);
        QCOMPARE(editor.nAnzahl, 0);
        CEditDataRules::TakeLinTab(ka71, tabRules.Result(editor));
        QCOMPARE(ka71.linTab.nAnzahl, 1);
        QCOMPARE(ka71.linTab.x[1], 412.0f);
    }
};

QTEST_GUILESS_MAIN(EditDataRulesTest)
#include "EditDataRulesTest.moc"
