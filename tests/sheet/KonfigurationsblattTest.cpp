// The configuration sheet as a technician reads it: the rows each transmitter family has, in their
// place, with the locale's numbers and date; the linearization table in its two blocks; the same inch
// geometry at any resolution; and documents from damaged files, which must neither run past the table
// nor write one column over the next.

#include "ScriptedOperator.h"
#include "SheetItems.h"
#include "document/DocumentFile.h"
#include "document/ParameterSatz.h"
#include "document/QuillonDoc.h"

#include <QFontInfo>
#include <QTest>

namespace {

const QLocale kDeutsch(QLocale::German, QLocale::Germany);

} // namespace

class KonfigurationsblattTest : public QObject {
    Q_OBJECT

    CScriptedOperator m_operator;

    std::unique_ptr<CQuillonDoc> Doc(int typ) {
        auto doc = std::make_unique<CQuillonDoc>(m_operator, QString());
        doc->SetKennung("RX31xx309");
        doc->SetTyp(typ);
        doc->SetSeriennummer("123456.78.901");
        doc->SetBezeichnung("PT-4711 Kessel 2");
        doc->SetEinheit(1);
        doc->SetAnzeigeEinheit(1);
        doc->SetDezimalstellen(3);
        doc->SetGrundAnfang(0.0f);
        doc->SetGrundEnde(10.0f);
        doc->SetMessAnfang(0.0f);
        doc->SetMessEnde(2.5f);
        return doc;
    }

    /// A document as a damaged file leaves it: the loader takes counts and decimals as they were read.
    std::unique_ptr<CQuillonDoc> Damaged(int typ, int punkte, int dezimalen, int dpf) {
        CParameterSatz satz;
        satz.m_nTyp = typ;
        satz.m_nLinTabAnzahl = punkte;
        satz.m_nDezimalstellen = dezimalen;
        satz.m_nFreiDezimalpunkt = dpf;
        satz.m_nMedium = 7;
        satz.m_nEinheit = 1;
        satz.m_nAnzeigeEinheit = 2;
        satz.m_fGrundEnde = 3.0e38f;
        satz.m_fMessEnde = 1.0e30f;
        satz.m_strBezeichnung = QByteArray(300, 'W') + "\nzweite Zeile";
        for (std::size_t i = 0; i < satz.m_fLinTabX.size(); ++i) {
            satz.m_fLinTabX[i] = 4.0f + static_cast<float>(i);
            satz.m_fLinTabY[i] = -1.0e20f;
        }
        auto doc = std::make_unique<CQuillonDoc>(m_operator, QString());
        return doc->LoadFromBytes(CDocumentFile::Store(satz)) ? std::move(doc) : nullptr;
    }

private Q_SLOTS:
    void threeWireTypeShowsCharacteristicInsteadOfRangeAndNoDamping() {
        std::unique_ptr<CQuillonDoc> doc = Doc(4);
        CSheetItems sheet(*doc, kDeutsch);
        QCOMPARE(sheet.ValueOf("Typ:"), QStringLiteral("RX26 3-Leiter"));
        QCOMPARE(sheet.ValueOf("Kennlinie:"), QStringLiteral("steigend"));
        for (const char* absent : {"Dämpfung:", "Dämpfung Druck (DP):", "Tastatursperre (TAST):",
                                   "4mA bei (MA):", "20mA bei (ME):", "Linearitätskorrektur"}) {
            QVERIFY2(!sheet.Has(QString::fromUtf8(absent)), absent);
        }
        // The output heading, a blank line, the characteristic, then the three currents line by line.
        QCOMPARE(sheet.LinesBetween("Ausgang", "Kennlinie:"), 2);
        QCOMPARE(sheet.LinesBetween("Kennlinie:", "min. Ausgangsgrenzwert:"), 1);
        QCOMPARE(sheet.LinesBetween("min. Ausgangsgrenzwert:", "Fehlersignal:"), 2);
        QCOMPARE(sheet.ValueOf("Fehlersignal:"), QStringLiteral("3,50"));
        QCOMPARE(sheet.LinesBetween("Fehlersignal:", "Druckdatum:"), 3);

        doc->SetMessAnfang(2.5f);
        doc->SetMessEnde(0.0f);
        QCOMPARE(CSheetItems(*doc, kDeutsch).ValueOf("Kennlinie:"), QStringLiteral("fallend"));
    }

    void rx31ShowsBothDampingsKeyLockAndRange() {
        std::unique_ptr<CQuillonDoc> doc = Doc(2);
        doc->SetDaempfung(1.5f);
        doc->SetTempDaempfung(2.0f);
        doc->SetTastatursperre(5);
        doc->SetOffset(-0.0125f);
        doc->SetSpanne(0.2f);
        doc->SetNullpunktsfenster(12);
        CSheetItems sheet(*doc, kDeutsch);
        QCOMPARE(sheet.ValueOf("Bezeichnung:"), QStringLiteral("PT-4711 Kessel 2"));
        QCOMPARE(sheet.ValueOf("Messbereichsende:"), QStringLiteral("10,000"));
        QCOMPARE(sheet.ValueOf("Dämpfung Druck (DP):"), QStringLiteral("1,5 s"));
        QCOMPARE(sheet.LinesBetween("Dämpfung Druck (DP):", "Dämpfung Temperatur (DT):"), 1);
        QCOMPARE(sheet.ValueOf("Dämpfung Temperatur (DT):"), QStringLiteral("2,0 s"));
        QCOMPARE(sheet.ValueOf("Offsetkorrektur (OFF):"), QStringLiteral("-0,013"));
        QCOMPARE(sheet.ValueOf("Spannekorrektur (SPAN):"), QStringLiteral("0,20 %FS"));
        QCOMPARE(sheet.ValueOf("Nullpunktsfenster (NP):"), QStringLiteral("12"));
        QCOMPARE(sheet.LinesBetween("Nullpunktsfenster (NP):", "Tastatursperre (TAST):"), 1);
        QCOMPARE(sheet.ValueOf("Tastatursperre (TAST):"), QStringLiteral("5 min"));
        QCOMPARE(sheet.ValueOf("4mA bei (MA):"), QStringLiteral("0,000 bar"));
        QCOMPARE(sheet.ValueOf("20mA bei (ME):"), QStringLiteral("2,500 bar"));
        QVERIFY(!sheet.Has("Dämpfung:"));
        QVERIFY(!sheet.Has("Kennlinie:"));
        QVERIFY2(sheet.Collisions().isEmpty(), qPrintable(sheet.Collisions().join('\n')));
    }

    void tableStandsInTwoBlocksAndTheDateThreeLinesBelow() {
        std::unique_ptr<CQuillonDoc> doc = Doc(3);
        doc->SetLinTabAnzahl(5);
        for (int i = 0; i < 5; ++i) {
            doc->SetLinTabX(i, 4.0f + 4.0f * static_cast<float>(i));
            doc->SetLinTabY(i, 0.625f * static_cast<float>(i));
        }
        CSheetItems sheet(*doc, kDeutsch);
        QCOMPARE(sheet.LinesBetween("Fehlersignal:", "Linearitätskorrektur"), 2);
        QCOMPARE(sheet.LinesBetween("Linearitätskorrektur", "1"), 2);
        QCOMPARE(sheet.LinesBetween("1", "3"), 2);
        QCOMPARE(sheet.LinesBetween("1", "4"), 0);
        QCOMPARE(sheet.LinesBetween("4", "5"), 1);
        QCOMPARE(sheet.LinesBetween("5", "Druckdatum:"), 3);
        QVERIFY(!sheet.Has("6"));
        QCOMPARE(sheet.InchesFromLeft("1"), 1.0);
        QCOMPARE(sheet.InchesFromLeft("4"), 4.0);
        QCOMPARE(sheet.InchesFromLeft("8,00 mA"), 1.5);
        QCOMPARE(sheet.InchesFromLeft("20,00 mA"), 4.5);
        QCOMPARE(sheet.ValueOf("20,00 mA"), QStringLiteral("2,500 bar"));
        QCOMPARE(sheet.InchesFromLeft("2,500 bar"), 5.5);
        QCOMPARE(sheet.ValueOf("Druckdatum:"), QStringLiteral("24.12.24"));

        doc->SetLinTabOption(0);
        QCOMPARE(CSheetItems(*doc, kDeutsch).ValueOf("20,00 mA"), QStringLiteral("2,50 %"));
        doc->SetLinTabAnzahl(1);
        CSheetItems one(*doc, kDeutsch);
        QCOMPARE(one.LinesBetween("1", "Druckdatum:"), 2); // a lone point: three lines below the heading step
    }

    void ka71WithoutTableEndsWithCurrentsAndDate() {
        std::unique_ptr<CQuillonDoc> doc = Doc(10);
        doc->SetAnzeigeEinheit(2); // bar measured, mbar shown: 0 to 10000 mbar
        doc->SetMessEnde(2500.0f);
        CSheetItems sheet(*doc, QLocale::c());
        // The heading fills the room before the labels almost to the point: it takes its own line.
        QCOMPARE(sheet.LinesBetween("Konfigurationsdaten", "Typ:"), 1);
        QCOMPARE(sheet.ValueOf("Typ:"), QStringLiteral("KA71 2-Leiter"));
        QCOMPARE(sheet.ValueOf("Eingang"), QStringLiteral("Messbereichsanfang:")); // a short one stays beside
        QCOMPARE(sheet.ValueOf("Messbereichsende:"), QStringLiteral("10000 mBar"));
        QCOMPARE(sheet.ValueOf("Ausgang"), QStringLiteral("4mA bei (MA):"));
        QCOMPARE(sheet.ValueOf("20mA bei (ME):"), QStringLiteral("2500 mBar"));
        QCOMPARE(sheet.ValueOf("Fehlersignal:"), QStringLiteral("3.50 mA"));
        QCOMPARE(sheet.InchesFromLeft("Fehlersignal:"), 2.5);
        QCOMPARE(sheet.InchesFromLeft("3.50 mA"), 5.0);
        QCOMPARE(sheet.LinesBetween("Nullpunktsfenster (NP):", "Ausgang"), 3);
        QCOMPARE(sheet.LinesBetween("Fehlersignal:", "Druckdatum:"), 3);
        QVERIFY(!sheet.Has("Freier Messbereich"));
        QVERIFY(!sheet.Has("Linearitätskorrektur"));
        QVERIFY(!sheet.Has("Tastatursperre (TAST):"));
        QVERIFY2(sheet.Collisions().isEmpty(), qPrintable(sheet.Collisions().join('\n')));
    }

    void ka71FreeRangeAndTableOnItsScales() {
        std::unique_ptr<CQuillonDoc> doc = Doc(10);
        doc->SetFreiDezimalpunkt(2);
        doc->SetFreiAnfang(0);
        doc->SetFreiEnde(1000);
        doc->SetMedium(1);
        doc->SetLinTabAnzahl(3);
        for (int i = 0; i < 3; ++i) {
            doc->SetLinTabX(i, 5000.0f * static_cast<float>(i));
            doc->SetLinTabY(i, 5000.0f * static_cast<float>(i));
        }
        CSheetItems sheet(*doc, QLocale::c());
        QCOMPARE(sheet.LinesBetween("Freier Messbereich", "Anfang (MAF):"), 1);
        QCOMPARE(sheet.ValueOf("Anfang (MAF):"), QStringLiteral("0.00"));
        QCOMPARE(sheet.ValueOf("Ende (MEF):"), QStringLiteral("10.00"));
        QCOMPARE(sheet.ValueOf("Dezimalpunkt (DPF):"), QStringLiteral("2 (12.34)"));
        QCOMPARE(sheet.ValueOf("Medium (MED):"), QStringLiteral("1: Benzin"));
        QCOMPARE(sheet.LinesBetween("Medium (MED):", "Linearitätskorrektur"), 2);
        QCOMPARE(sheet.LinesBetween("Linearitätskorrektur", "1"), 2);
        // Free range 0 to 10.00 and set range 0 to 2.5 bar, both halfway at 5000.
        QCOMPARE(sheet.ValueOf("2"), QStringLiteral("5.00"));
        QCOMPARE(sheet.ValueOf("5.00"), QStringLiteral("1.250 Bar"));
        QCOMPARE(sheet.LinesBetween("3", "Druckdatum:"), 3);
    }

    void geometryIsInInchesOfTheDevice() {
        std::unique_ptr<CQuillonDoc> doc = Doc(2);
        for (int dpi : {96, 600}) {
            CSheetItems sheet(*doc, kDeutsch, dpi);
            QCOMPARE(sheet.Find("Halvard Drucktransmitter")->rect.top(), dpi);
            QCOMPARE(sheet.InchesFromLeft("Kennung:"), 1.0);
            QCOMPARE(sheet.InchesFromLeft("RX31xx309"), 4.0);
            // 12 points are a sixth of an inch, whatever the device: the text font's lines are a little
            // taller than that.
            const double dateInches = sheet.Find("Druckdatum:")->rect.top() / static_cast<double>(dpi);
            QVERIFY2(dateInches > 6.0 && dateInches < 7.5, qPrintable(QString::number(dateInches)));
        }
    }

    void textFontIsArialOrItsMetricTwin() {
        QFont font(QStringLiteral("Arial"));
        font.setStyleHint(QFont::SansSerif);
        const QString family = QFontInfo(font).family();
        QVERIFY2(family == QLatin1String("Arial") || family == QLatin1String("Liberation Sans"),
                 qPrintable(family + QStringLiteral(": install fonts-liberation2 (scripts/setup.sh)")));
    }

    void damagedCountsAndDecimalsStayInsideTableAndColumns() {
        for (int typ : {2, 10}) {
            std::unique_ptr<CQuillonDoc> doc = Damaged(typ, 1000, 1000000, 1000);
            QVERIFY(doc);
            doc->SetLinTabOption(typ == 10 ? 1 : 0);
            CSheetItems sheet(*doc, kDeutsch);
            QVERIFY(sheet.Has("30"));
            QVERIFY(!sheet.Has("31"));
            QVERIFY2(sheet.Collisions().isEmpty(), qPrintable(sheet.Collisions().join('\n')));
            QVERIFY(sheet.ValueOf("Bezeichnung:").startsWith(QStringLiteral("WWW")));
            QVERIFY(sheet.ValueOf("Bezeichnung:").endsWith(QChar(0x2026)));
            QVERIFY(sheet.Has("Druckdatum:"));
        }
        std::unique_ptr<CQuillonDoc> ka71 = Damaged(10, 4, -3, -2);
        CSheetItems sheet(*ka71, kDeutsch);
        QVERIFY(sheet.Has("Dezimalpunkt (DPF):"));
        QVERIFY(sheet.ValueOf("Dezimalpunkt (DPF):").isEmpty());
        QVERIFY(sheet.ValueOf("Medium (MED):").isEmpty());
        QVERIFY2(sheet.Collisions().isEmpty(), qPrintable(sheet.Collisions().join('\n')));

        std::unique_ptr<CQuillonDoc> negative = Damaged(2, -7, 3, 0);
        QVERIFY(!CSheetItems(*negative, kDeutsch).Has("Linearitätskorrektur"));
    }

    void asFoundBesideAsLeftWithChangesMarked_data() {
        QTest::addColumn<int>("typ");
        QTest::newRow("RX31") << 2;
        QTest::newRow("KA71") << 10;
    }

    void asFoundBesideAsLeftWithChangesMarked() {
        QFETCH(int, typ);
        std::unique_ptr<CQuillonDoc> vorher = Doc(typ);
        std::unique_ptr<CQuillonDoc> nachher = Doc(typ);
        nachher->SetBezeichnung("PT-4712");
        nachher->SetDaempfung(2.0f);
        CSheetItems sheet(*nachher, kDeutsch, 300, vorher.get());
        QVERIFY(sheet.Has("Vorher") && sheet.Has("Nachher"));
        QCOMPARE(sheet.ValueOf("Bezeichnung:"), QStringLiteral("PT-4711 Kessel 2"));
        QCOMPARE(sheet.ValueOf("PT-4711 Kessel 2"), QStringLiteral("* PT-4712"));
        QCOMPARE(sheet.ValueOf("Dämpfung Druck (DP):"), QStringLiteral("0,0 s"));
        QCOMPARE(sheet.ValueOf("0,0 s"), QStringLiteral("* 2,0 s"));
        // Identification and serial number stand in both columns, unmarked.
        QCOMPARE(sheet.ValueOf("Kennung:"), QStringLiteral("RX31xx309"));
        QCOMPARE(sheet.ValueOf("RX31xx309"), QStringLiteral("RX31xx309"));
        QVERIFY(sheet.Has("Druckdatum:"));
        QVERIFY2(sheet.Collisions().isEmpty(), qPrintable(sheet.Collisions().join('\n')));

        // A set of another type has other rows: the plain sheet.
        std::unique_ptr<CQuillonDoc> fremd = Doc(typ == 2 ? 10 : 2);
        CSheetItems plain(*nachher, kDeutsch, 300, fremd.get());
        QVERIFY(!plain.Has("Vorher"));
        QCOMPARE(plain.ValueOf("Bezeichnung:"), QStringLiteral("PT-4712"));
    }
};

QTEST_MAIN(KonfigurationsblattTest)
#include "KonfigurationsblattTest.moc"
