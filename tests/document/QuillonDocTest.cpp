// The document's own rules: type from identification, the extended flag, guards, clearing, the KA71
// display range and the display-unit conversions of offset and zero window.

#include "document/QuillonDoc.h"

#include "ScriptedOperator.h"
#include "ScriptedPeer.h"
#include "core/ProgramError.h"
#include "document/BlockImage.h"
#include "document/Windows1252.h"

#include <QSignalSpy>
#include <QTest>

namespace {

/// A KA71 showing a 0 to 2.5 bar base range with 3 decimals in mbar.
void SetKA71Bar(CQuillonDoc& doc) {
    doc.SetTyp(10);
    doc.SetEinheit(1);
    doc.SetAnzeigeEinheit(2);
    doc.SetGrundAnfang(0.0f);
    doc.SetGrundEnde(2.5f);
    doc.SetDezimalstellen(3);
}

} // namespace

class QuillonDocTest : public QObject {
    Q_OBJECT

    CScriptedOperator m_op;

private Q_SLOTS:
    void identificationGivesTheType_data() {
        QTest::addColumn<QByteArray>("kennung");
        QTest::addColumn<int>("typ");
        QTest::newRow("RX31") << QByteArray("RX310309") << 2;
        QTest::newRow("VN62") << QByteArray("VN620101") << 7;
        QTest::newRow("RX96") << QByteArray("RX960100") << 8;
        QTest::newRow("RX84") << QByteArray("RX840100") << 9;
        QTest::newRow("RX30 U") << QByteArray("RX300U12") << 4;
        QTest::newRow("RX30 I") << QByteArray("RX300I12") << 4;
        QTest::newRow("RX30 other") << QByteArray("RX300A12") << 3;
        QTest::newRow("KA52") << QByteArray("KA520100") << 5;
        QTest::newRow("KA53") << QByteArray("KA530100") << 5;
        QTest::newRow("KA28") << QByteArray("KA280100") << 6;
        QTest::newRow("KA71") << QByteArray("KA710100") << 10;
        QTest::newRow("V2 '2'") << QByteArray("V22") << 0;
        QTest::newRow("V2 '3'") << QByteArray("V23.0001") << 1;
        QTest::newRow("unknown") << QByteArray("XY123456") << -1;
        QTest::newRow("lower case") << QByteArray("rx310309") << -1;
        QTest::newRow("short") << QByteArray("RX3") << -1;
    }
    void identificationGivesTheType() {
        QFETCH(QByteArray, kennung);
        QFETCH(int, typ);
        for (const QByteArray& reply : {kennung, CScriptedPeer::ReplyFrame(kennung)}) {
            CQuillonDoc doc(m_op, QString());
            doc.SetTyp(-1);
            doc.SetKennung(reply);
            QCOMPARE(doc.GetTyp(), typ);
            QCOMPARE(doc.GetKennung(), kennung);
        }
    }

    void identificationTooShortForItsModelChangesNothing() {
        CQuillonDoc doc(m_op, QString());
        doc.SetKennung("KA710100");
        for (const QByteArray& reply : {QByteArray("RX30U"), QByteArray("V2"), QByteArray("\x02\x0AKA71")}) {
            QVERIFY_THROWS_EXCEPTION(CProgramError, doc.SetKennung(reply));
            QCOMPARE(doc.GetTyp(), 10);
            QCOMPARE(doc.GetKennung(), QByteArray("KA710100"));
        }
    }

    void extendedFunctionSet() {
        CQuillonDoc doc(m_op, QString());
        doc.SetErweitert(CScriptedPeer::ReplyFrame("RX31A309"));
        QVERIFY(doc.IsErweitert());
        doc.SetErweitert(CScriptedPeer::ReplyFrame("RX31A308"));
        QVERIFY(!doc.IsErweitert());
        doc.SetErweitert(CScriptedPeer::ReplyFrame("KA71A000"));
        QVERIFY(doc.IsErweitert());
        doc.SetErweitert(CScriptedPeer::ReplyFrame("KA71A0")); // 10 characters: cannot tell
        QVERIFY(doc.IsErweitert());
        doc.SetErweitert(CScriptedPeer::ReplyFrame("RX300U12"));
        QVERIFY(!doc.IsErweitert());
    }

    void guardedSettersKeepTheirValue() {
        CQuillonDoc doc(m_op, QString());
        doc.SetStromgrenzeMax(23.0f);
        QCOMPARE(doc.GetStromgrenzeMax(), 22.5f);
        doc.SetStromgrenzeMax(20.0f);
        doc.SetStromgrenzeMax(22.5f);
        QCOMPARE(doc.GetStromgrenzeMax(), 22.5f);
        doc.SetStromgrenzeMin(-0.1f);
        doc.SetFehlerstrom(22.51f);
        QCOMPARE(doc.GetStromgrenzeMin(), 3.8f);
        QCOMPARE(doc.GetFehlerstrom(), 3.5f);
        doc.SetFehlerstrom(0.0f);
        QCOMPARE(doc.GetFehlerstrom(), 0.0f);

        doc.SetLinTabX(29, 7.0f);
        doc.SetLinTabX(30, 8.0f);
        doc.SetLinTabY(-1, 8.0f);
        QCOMPARE(doc.GetLinTabX(29), 7.0f);
        QCOMPARE(doc.GetLinTabX(30), 0.0f);
        QCOMPARE(doc.GetLinTabY(-1), 0.0f);
        doc.SetLinTabAnzahl(30);
        doc.SetLinTabAnzahl(31);
        doc.SetLinTabAnzahl(-1);
        QCOMPARE(doc.GetLinTabAnzahl(), 30);
    }

    void clearKeepsTypeFreeRangeAndSettings() {
        CQuillonDoc doc(m_op, QString());
        doc.SetKennung("KA710100");
        doc.SetBezeichnung("Tank");
        doc.SetStromgrenzeMin(4.0f);
        doc.SetLinTabAnzahl(3);
        doc.SetLinTabY(3, 1.0f);
        doc.SetFreiEnde(500);
        doc.SetMedium(2);
        doc.SetMesswert(5, 1.0f);
        doc.SetTemperatur(21.5f);
        doc.SetLogIntervall(10);
        doc.SetSitzungsPasswort(QStringLiteral("X"));
        doc.SetModifiedFlag(true);
        doc.SetGueltig(true);
        QSignalSpy updated(&doc, &CQuillonDoc::documentUpdated);

        doc.OnNewDocument();
        QCOMPARE(doc.GetTyp(), 10);
        QCOMPARE(doc.GetFreiEnde(), qint16{500});
        QCOMPARE(doc.GetMedium(), 2);
        QCOMPARE(doc.GetLogIntervall(), 10);
        QCOMPARE(doc.GetSitzungsPasswort(), QStringLiteral("X"));
        QCOMPARE(doc.GetKennung(), QByteArray());
        QCOMPARE(doc.GetBezeichnung(), QByteArray());
        QCOMPARE(doc.GetStromgrenzeMin(), 3.8f);
        QCOMPARE(doc.GetLinTabAnzahl(), 0);
        QCOMPARE(doc.GetLinTabY(3), 0.0f);
        QCOMPARE(doc.GetMesswert(5), 0.0f);
        QCOMPARE(doc.GetTemperatur(), 0.0f);
        QCOMPARE(doc.GetDezimalstellen(), 3);
        QCOMPARE(doc.GetMessEnde(), 1.0f);
        QVERIFY(!doc.IsGueltig());
        QVERIFY(!doc.IsModified());
        QCOMPARE(updated.size(), 1);
    }

    void characteristicRunsAgainstTheBaseRange() {
        CQuillonDoc doc(m_op, QString());
        const auto invers = [&doc](float ga, float ge, float ma, float me) {
            doc.SetGrundAnfang(ga);
            doc.SetGrundEnde(ge);
            doc.SetMessAnfang(ma);
            doc.SetMessEnde(me);
            return doc.IsKennlinieInvers();
        };
        QVERIFY(!invers(0, 10, 2, 8));
        QVERIFY(invers(0, 10, 8, 2));
        QVERIFY(invers(10, 0, 2, 8));
        QVERIFY(!invers(10, 0, 8, 2));
    }

    void catalogueTexts() {
        CQuillonDoc doc(m_op, QString());
        QCOMPARE(CQuillonDoc::GetTypText(4), QStringLiteral("RX26 3-Leiter"));
        QCOMPARE(CQuillonDoc::GetTypText(11), QString());
        doc.SetTyp(0);
        doc.SetEinheit(2);
        QCOMPARE(doc.GetEinheitText(), QStringLiteral("mmWS"));
        QCOMPARE(doc.GetEinheitTextFor(9), QStringLiteral("frei"));
        QCOMPARE(doc.GetEinheitTextFor(10), QString());
        doc.SetTyp(10); // its own list for the range, the common one by index
        doc.SetEinheit(1);
        doc.SetAnzeigeEinheit(7);
        QCOMPARE(doc.GetEinheitText(), QStringLiteral("Bar"));
        QCOMPARE(doc.GetAnzeigeEinheitText(), QString());
        QCOMPARE(doc.GetEinheitTextFor(7), QStringLiteral("%"));
        doc.SetTyp(7);
        QCOMPARE(doc.GetEinheitTextFor(8), QString());
        doc.SetTyp(11);
        QCOMPARE(doc.GetEinheitText(), QString());
    }

    void ka71DisplayRange() {
        CQuillonDoc doc(m_op, QString());
        SetKA71Bar(doc);
        CEinheiten::Range range = doc.GetAnzeigeBereich();
        QCOMPARE(range.lo, 0.0);
        QCOMPARE(range.hi, 2500.0);
        QCOMPARE(range.n, 0);
        QCOMPARE(doc.GetAnzeigeDezimalstellen(), 0);
        QCOMPARE(doc.FromPerTenThousand(5000), 1250.0);
        QCOMPARE(doc.ToPerTenThousand(1250), 5000.0);

        doc.SetAnzeigeEinheit(1); // equal units: the base range itself
        doc.SetGrundAnfang(-1.0f);
        range = doc.GetAnzeigeBereich();
        QCOMPARE(range.lo, -1.0);
        QCOMPARE(range.hi, 2.5);
        QCOMPARE(range.n, 3);
        QCOMPARE(doc.FromPerTenThousand(10000), 2.5);

        doc.SetAnzeigeEinheit(5); // 0 to 1 bar in PSI with 2 decimals: 1450 counts
        doc.SetGrundAnfang(0.0f);
        doc.SetGrundEnde(1.0f);
        doc.SetDezimalstellen(2);
        range = doc.GetAnzeigeBereich();
        QCOMPARE(range.hi, 1450.0);
        QCOMPARE(range.n, 2);
        doc.SetTyp(2);
        QCOMPARE(doc.GetAnzeigeDezimalstellen(), 2);
    }

    void ka71DisplayRangeIsTruncatedToSixteenBits() {
        // 0 to 32.1 kPa shown in Pa: 32100 counts, one more digit than the display's usual 4000.
        CQuillonDoc doc(m_op, QString());
        doc.SetTyp(10);
        doc.SetEinheit(4);
        doc.SetAnzeigeEinheit(3);
        doc.SetGrundAnfang(-32.1f);
        doc.SetGrundEnde(32.1f);
        doc.SetDezimalstellen(1);
        CEinheiten::Range range = doc.GetAnzeigeBereich();
        QCOMPARE(range.lo, -32100.0);
        QCOMPARE(range.hi, 32100.0);
        QCOMPARE(range.n, 0);
        QVERIFY(!range.overflow);
        QCOMPARE(doc.ToPerTenThousand(32100.0), 10000.0);
        QCOMPARE(doc.FromPerTenThousand(5000.0), 0.0);
        // The set-range words of the send span the whole display range.
        doc.SetMessAnfang(-32100.0f);
        doc.SetMessEnde(32100.0f);
        QCOMPARE(CBlockImage(doc).BuildParameterBlockKA71().left(8), QByteArray("00001027"));

        // 0 to 40 kPa in Pa cannot be held in a 16-bit word: refused, never wrapped or clamped.
        doc.SetGrundAnfang(0.0f);
        doc.SetGrundEnde(40.0f);
        range = doc.GetAnzeigeBereich();
        QVERIFY(range.overflow);
        QVERIFY_THROWS_EXCEPTION(CProgramError, doc.ToPerTenThousand(100.0));
        QVERIFY_THROWS_EXCEPTION(CProgramError, doc.FromPerTenThousand(100.0));
        QVERIFY_THROWS_EXCEPTION(CProgramError, CBlockImage(doc).BuildParameterBlockKA71());
    }

    void offsetAndZeroWindowInTheDisplayUnit() {
        CQuillonDoc doc(m_op, QString());
        SetKA71Bar(doc);
        doc.SetOffset(0.25f);
        CQuillonDoc::DisplayValue shown = doc.GetOffsetAnzeige();
        QCOMPARE(shown.value, 250.0);
        QCOMPARE(shown.decimals, 0);
        doc.SetOffsetAnzeige(-20.0);
        QCOMPARE(doc.GetOffset(), -0.02f);

        doc.SetNullpunktsfenster(40);
        shown = doc.GetNullpunktAnzeige();
        QCOMPARE(shown.value, 10.0);
        QCOMPARE(shown.decimals, 0);
        doc.SetNullpunktAnzeige(10.9); // 43.6 on the scale, truncated
        QCOMPARE(doc.GetNullpunktsfenster(), qint16{43});
        doc.SetNullpunktAnzeige(-10.9);
        QCOMPARE(doc.GetNullpunktsfenster(), qint16{-43});
    }

    void textsForPeople() {
        CQuillonDoc doc(m_op, QString());
        doc.SetBezeichnungText(QStringLiteral("Kessel € Ж"));
        QCOMPARE(doc.GetBezeichnung(), QByteArray("Kessel \x80 ?          "));
        QCOMPARE(doc.GetBezeichnungText(), QStringLiteral("Kessel € ?          "));
        doc.SetBezeichnung(QByteArray(25, 'x'));
        QCOMPARE(doc.GetBezeichnung().size(), 25);

        QByteArray every(256, '\0');
        for (int b = 0; b < 256; ++b) {
            every[b] = static_cast<char>(b);
        }
        QCOMPARE(CWindows1252::FromUnicode(CWindows1252::ToUnicode(every)), every);
        QCOMPARE(CWindows1252::ToUnicode("\x80\x81\x9F\xFF"), QStringLiteral("€\u0081Ÿÿ"));
        QCOMPARE(CWindows1252::FromUnicode(QStringLiteral("\u0080😀")), QByteArray("??"));
    }
};

QTEST_GUILESS_MAIN(QuillonDocTest)
#include "QuillonDocTest.moc"
