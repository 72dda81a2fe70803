// The smaller editing rules: the range presets, the configuration dialog's key lock and
// rows by type, the value entry of the test commands and the serial number fields.

#include "edit/EnterDataRules.h"
#include "edit/KonfigurationRules.h"
#include "edit/RangePreset.h"
#include "edit/SeriennummerRules.h"

#include <QTest>
#include <iterator>

class EditChoicesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The presets row by row in the menu's order, as the menu "Editieren" describes them.
    void presets_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<float>("anfang");
        QTest::addColumn<float>("ende");
        QTest::addColumn<int>("dezimalen");
        QTest::addColumn<int>("einheit");
        const struct {
            const char* text;
            float anfang, ende;
            int dezimalen, einheit;
        } described[] = {
            {"0 ... 400mbar...", 0, 400, 1, 1},    {"0 ... 1 bar...", 0, 1, 3, 0},
            {"0 ... 1,6 bar...", 0, 1.6f, 3, 0},   {"0 ... 2,5 bar...", 0, 2.5f, 3, 0},
            {"0 ... 4 bar...", 0, 4, 3, 0},        {"0 ... 6 bar...", 0, 6, 3, 0},
            {"0 ... 10 bar...", 0, 10, 2, 0},      {"0 ... 16 bar...", 0, 16, 2, 0},
            {"0 ... 25 bar...", 0, 25, 2, 0},      {"0 ... 40 bar...", 0, 40, 2, 0},
            {"-1 ... 0 bar...", -1, 0, 3, 0},      {"-1 ... 0,6 bar...", -1, 0.6f, 3, 0},
            {"-1 ... 1,5 bar...", -1, 1.5f, 3, 0}, {"-1 ... 3 bar...", -1, 3, 3, 0},
            {"-1 ... 5 bar...", -1, 5, 3, 0},      {"-1 ... 9 bar...", -1, 9, 2, 0},
            {"-1 ... 15 bar...", -1, 15, 2, 0},
        };
        QCOMPARE(int(std::size(described)), CRangePreset::kAnzahl);
        int position = 0;
        for (const auto& row : described) {
            QTest::newRow(row.text) << position++ << row.anfang << row.ende << row.dezimalen << row.einheit;
        }
    }

    void presets() {
        QFETCH(int, position);
        QFETCH(float, anfang);
        QFETCH(float, ende);
        QFETCH(int, dezimalen);
        QFETCH(int, einheit);
        const CRangePreset::Preset& preset = CRangePreset::At(position);
        QCOMPARE(CRangePreset::MenuText(position), QString::fromUtf8(QTest::currentDataTag()));
        QCOMPARE(preset.fAnfang, anfang);
        QCOMPARE(preset.fEnde, ende);
        QCOMPARE(preset.nDezimalstellen, dezimalen);
        QCOMPARE(preset.nEinheit, einheit);
    }

    // The types with the common or the KA71 unit list take bar and mbar from the unit table (1, 2), the
    // older types from their own list (0, 1); a number without a type row as the older types.
    void presetUnitOfEveryType() {
        for (int typ = -1; typ <= 11; ++typ) {
            const bool bTabelle = typ >= 2 && typ <= 10;
            QCOMPARE(CRangePreset::UnitIndex(typ, 0), bTabelle ? 1 : 0);
            QCOMPARE(CRangePreset::UnitIndex(typ, 1), bTabelle ? 2 : 1);
        }
        QCOMPARE(CRangePreset::At(99).fEnde, 400.0f); // a position outside the menu: the first
    }

    void configurationLimits_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<QString>("spanne");
        QTest::addColumn<QString>("tastensperre");
        QTest::addColumn<QString>("message");
        const QString ok;
        // The corrections' limits are CorrectionEntryTest's.
        QTest::newRow("type 2 key lock 101") << 2 << "0"
                                             << "0"
                                             << "101"
                                             << "Geben Sie eine ganze Zahl zwischen 0 und 100 ein.";
        QTest::newRow("type 2 key lock 1.5") << 2 << "0"
                                             << "0"
                                             << "1.5"
                                             << "Geben Sie eine ganze Zahl zwischen 0 und 100 ein.";
        QTest::newRow("KA71 password 999") << 10 << "0"
                                           << "0"
                                           << "999" << ok;
        QTest::newRow("type 3 has no key lock") << 3 << "0"
                                                << "0"
                                                << "5000" << ok;
    }

    void configurationLimits() {
        QFETCH(int, typ);
        QFETCH(QString, offset);
        QFETCH(QString, spanne);
        QFETCH(QString, tastensperre);
        QFETCH(QString, message);
        const CKonfigurationRules rules(QLocale::c());
        CKonfigurationValues werte;
        werte.nTyp = typ;
        werte.fSpanne = 10.0f;
        rules.Reset(werte);
        werte.strOffset = offset;
        werte.strSpanne = spanne;
        werte.strTastensperre = tastensperre;
        const auto problem = rules.Validate(werte);
        QCOMPARE(problem ? problem->text : QString(), message);
    }

    void configurationRowsAndValues() {
        // Which types show which rows is walked with the type table.
        QCOMPARE(CKonfigurationRules::TastensperreLabel(10), QStringLiteral("Passwort"));
        QCOMPARE(CKonfigurationRules::TastensperreLabel(2), QStringLiteral("Tastensperre"));

        const CKonfigurationRules rules(QLocale::c());
        CKonfigurationValues werte;
        werte.fSpanne = 10.0f;
        rules.Reset(werte);
        werte.strNullpunkt = QStringLiteral("12.9");
        werte.strTastensperre = QStringLiteral("7");
        werte.strOffset = QStringLiteral("-0.25");
        QCOMPARE(rules.Validate(werte), std::nullopt);
        const CKonfigurationRules::Zahlen z = rules.GetZahlen(werte);
        QCOMPARE(z.fNullpunkt, 12.0f);
        QCOMPARE(z.nTastensperre, 7);
        QCOMPARE(z.fOffset, -0.25f);
        werte.strNullpunkt = QStringLiteral("1000.5");
        QCOMPARE(rules.Validate(werte)->field, int(CKonfigurationValues::kNullpunkt));
    }

    void enterData() {
        QCOMPARE(CEnterDataRules::Validate(QStringLiteral("123456789012"), QStringLiteral("1234567890")),
                 std::nullopt);
        const auto problem = CEnterDataRules::Validate(QString(), QStringLiteral("12345678901"));
        QCOMPARE(problem->field, int(CEnterDataRules::kWert));
        QCOMPARE(problem->text, QStringLiteral("Geben Sie nicht mehr als 10 Zeichen ein."));
    }

    void serialNumber() {
        const auto felder = CSeriennummerRules::Split(QStringLiteral("123456.78.901   "));
        QCOMPARE(felder[0], QStringLiteral("123456"));
        QCOMPARE(felder[1], QStringLiteral("78"));
        QCOMPARE(felder[2], QStringLiteral("901"));
        QCOMPARE(CSeriennummerRules::Compose(felder), QStringLiteral("123456.78.901   "));
        QCOMPARE(CSeriennummerRules::Split(QStringLiteral("12"))[1], QString());
        QCOMPARE(CSeriennummerRules::Validate({QStringLiteral("1234567"), QString(), QString()})->field, 0);
        QCOMPARE(CSeriennummerRules::Validate(
                     {QStringLiteral("123456"), QStringLiteral("78"), QStringLiteral("1234")})
                     ->text,
                 QStringLiteral("Geben Sie nicht mehr als 3 Zeichen ein."));
        // A part shorter than its width would shift the points of the 13 characters the transmitter keeps.
        const auto kurz = CSeriennummerRules::Validate(
            {QStringLiteral("123456"), QStringLiteral("7"), QStringLiteral("901")});
        QCOMPARE(kurz->field, 1);
        QCOMPARE(kurz->text, QStringLiteral("Geben Sie 2 Zeichen ein."));
        QCOMPARE(CSeriennummerRules::Validate(felder), std::nullopt);
        // A character outside Windows-1252 would reach the transmitter as "?": refused, naming the part.
        const auto fremd = CSeriennummerRules::Validate(
            {QStringLiteral("123456"), QStringLiteral("7\u0142"), QStringLiteral("901")});
        QCOMPARE(fremd->field, 1);
        QVERIFY(fremd->text.startsWith(QStringLiteral("Seriennummer, Teil 2: ")));
        QVERIFY(CSeriennummerRules::CheckStored(QStringLiteral("123456.78.9\t1   "))
                    ->startsWith(QStringLiteral("Seriennummer, Teil 3: ")));
    }
};

QTEST_GUILESS_MAIN(EditChoicesTest)
#include "EditChoicesTest.moc"
