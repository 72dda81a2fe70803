// The reply decoders on whole frames as TransferCommand returns them, and on plain texts; a reply
// too short for its decoder must raise a program error and leave the document alone.

#include "document/ReplyDecoder.h"

#include "ScriptedOperator.h"
#include "ScriptedPeer.h"
#include "core/ProgramError.h"
#include "document/QuillonDoc.h"

#include <QTest>
#include <functional>

namespace {

QByteArray Frame(const QByteArray& data) {
    return CScriptedPeer::ReplyFrame(data);
}

} // namespace

class ReplyDecoderTest : public QObject {
    Q_OBJECT

    CScriptedOperator m_op;

private Q_SLOTS:
    void rangeValuesRoundToTheRangeDecimals() {
        CQuillonDoc doc(m_op, QString());
        CReplyDecoder decode(doc);
        doc.SetDezimalstellen(1);
        decode.DecodeGrundAnfang(Frame("-012342")); // -12.34, its own digit says 2 decimals
        QCOMPARE(doc.GetGrundAnfang(), -12.3f);
        decode.DecodeGrundEnde("2.46");
        QCOMPARE(doc.GetGrundEnde(), 2.5f);
        decode.DecodeMessAnfang(Frame("+001251"));
        QCOMPARE(doc.GetMessAnfang(), 12.5f);
        decode.DecodeMessEnde(Frame("+012349")); // digit 9 counts as 0 decimals
        QCOMPARE(doc.GetMessEnde(), 1234.0f);
    }

    void ka71SetRangeComesOnTheDisplayScale() {
        CQuillonDoc doc(m_op, QString());
        doc.SetTyp(10);
        doc.SetEinheit(1);
        doc.SetAnzeigeEinheit(2);
        doc.SetGrundEnde(2.5f);
        doc.SetDezimalstellen(3);
        CReplyDecoder decode(doc);
        decode.DecodeMessAnfang(Frame("+025000")); // 2500 of 10000
        decode.DecodeMessEnde(Frame("+100000"));
        QCOMPARE(doc.GetMessAnfang(), 625.0f);
        QCOMPARE(doc.GetMessEnde(), 2500.0f);
    }

    void correctionsAndDamping() {
        CQuillonDoc doc(m_op, QString());
        CReplyDecoder decode(doc);
        doc.SetDezimalstellen(2);
        decode.DecodeOffset(Frame("+001253")); // the document's 2 decimals, not the reply's 3
        QCOMPARE(doc.GetOffset(), 1.25f);
        decode.DecodeOffset(Frame("+00100" + QByteArray(23, '0'))); // L = 32: ignored
        QCOMPARE(doc.GetOffset(), 1.25f);
        decode.DecodeSpanne(Frame("+009983")); // factor 0.998
        QCOMPARE(doc.GetSpanne(), 0.2f);
        decode.DecodeSpanne(Frame("+098004")); // factor 0.98
        QCOMPARE(doc.GetSpanne(), 2.0f);
        decode.DecodeDaempfung(Frame("+000252"));
        QCOMPARE(doc.GetDaempfung(), 0.3f);
        decode.DecodeTempDaempfung("12.34");
        QCOMPARE(doc.GetTempDaempfung(), 12.3f);
    }

    void currentsGoThroughTheGuard() {
        CQuillonDoc doc(m_op, QString());
        CReplyDecoder decode(doc);
        decode.DecodeStromgrenzeMin(Frame("+037993")); // 3.799 rounds to 3.80
        decode.DecodeStromgrenzeMax(Frame("+023002")); // 23.0 is refused
        decode.DecodeFehlerstrom(Frame("+003602"));
        QCOMPARE(doc.GetStromgrenzeMin(), 3.8f);
        QCOMPARE(doc.GetStromgrenzeMax(), 22.5f);
        QCOMPARE(doc.GetFehlerstrom(), 3.6f);
    }

    void integersRoundHalfAwayFromZero() {
        CQuillonDoc doc(m_op, QString());
        CReplyDecoder decode(doc);
        decode.DecodeTastatursperre(Frame("+000151"));
        decode.DecodeNullpunktsfenster(Frame("-000251"));
        QCOMPARE(doc.GetTastatursperre(), qint16{2});
        QCOMPARE(doc.GetNullpunktsfenster(), qint16{-3});
    }

    void temperatureIsSigned16Bit() {
        CQuillonDoc doc(m_op, QString());
        CReplyDecoder decode(doc);
        decode.DecodeTemperatur(Frame("655351"));
        QCOMPARE(doc.GetTemperatur(), -0.1f);
        decode.DecodeTemperatur("21.5");
        QCOMPARE(doc.GetTemperatur(), -0.1f);
        QCOMPARE(m_op.MessageTexts(), QStringList{QStringLiteral("Fail to St Temperatur!")});
    }

    void measuredValue() {
        CQuillonDoc doc(m_op, QString());
        CReplyDecoder decode(doc);
        doc.SetDezimalstellen(1);
        decode.DecodeMesswert(Frame("+012341"));
        QCOMPARE(doc.GetMesswert(0), 123.4f);
        decode.DecodeMesswert("-7.25");
        QCOMPARE(doc.GetMesswert(0), -7.3f);

        const QByteArray several = Frame("+012341+004562");
        QVERIFY_THROWS_EXCEPTION(CProgramError, decode.DecodeMesswert(several));
        doc.SetTyp(7); // the VN62 sends several values; the first counts
        decode.DecodeMesswert(several);
        QCOMPARE(doc.GetMesswert(0), 123.4f);

        doc.SetTyp(10); // KA71 in range digits, shown in mbar without decimals
        doc.SetEinheit(1);
        doc.SetAnzeigeEinheit(2);
        doc.SetGrundEnde(2.5f);
        doc.SetDezimalstellen(3);
        decode.DecodeMesswert(Frame("+025003"));
        QCOMPARE(doc.GetMesswert(0), 2500.0f);
        doc.SetLinTabAnzahl(2); // with a table: the free range's decimal point
        doc.SetFreiDezimalpunkt(1);
        decode.DecodeMesswert(Frame("+025003"));
        QCOMPARE(doc.GetMesswert(0), 250.0f);
    }

    void ka71ExtraValues() {
        CQuillonDoc doc(m_op, QString());
        CReplyDecoder decode(doc);
        decode.DecodeFreiBereich(Frame("+000040"), 0);
        decode.DecodeFreiBereich(Frame("+000020"), 1);
        decode.DecodeFreiBereich(Frame("-001000"), 2);
        decode.DecodeFreiBereich(Frame("+099990"), 3);
        decode.DecodeFreiBereich(Frame("+000020"), 4);
        decode.DecodeFreiBereich(Frame("+000070"), 5);
        QCOMPARE(doc.GetAnzeigeEinheit(), 4);
        QCOMPARE(doc.GetFreiDezimalpunkt(), 2);
        QCOMPARE(doc.GetFreiAnfang(), qint16{-100});
        QCOMPARE(doc.GetFreiEnde(), qint16{9999});
        QCOMPARE(doc.GetMedium(), 2);
    }

    void texts() {
        CQuillonDoc doc(m_op, QString());
        CReplyDecoder decode(doc);
        decode.DecodeSeriennummer(Frame("123456.78.901   "));
        QCOMPARE(doc.GetSeriennummer(), QByteArray("123456.78.901"));
        QVERIFY_THROWS_EXCEPTION(CProgramError, decode.DecodeSeriennummer(Frame("654321.87.109")));
        QCOMPARE(doc.GetSeriennummer(), QByteArray("123456.78.901"));

        decode.DecodeBezeichnung(Frame("Kessel"));
        QCOMPARE(doc.GetBezeichnung(), QByteArray("Kessel              "));
        decode.DecodeBezeichnung(QByteArray());
        QCOMPARE(doc.GetBezeichnung(), QByteArray(20, ' '));
    }

    void digitsOfTheReceive() {
        CQuillonDoc doc(m_op, QString());
        CReplyDecoder decode(doc);
        const QByteArray grundAnfang = Frame("+001002");
        decode.DecodeDezimalstellen(grundAnfang, 8);
        QCOMPARE(doc.GetDezimalstellen(), 2);
        decode.DecodeDezimalstellen(Frame("+00104"));
        QCOMPARE(doc.GetDezimalstellen(), 4);
        QVERIFY_THROWS_EXCEPTION(CProgramError, decode.DecodeDezimalstellen(Frame("+0010A")));
        QVERIFY_THROWS_EXCEPTION(CProgramError, decode.DecodeDezimalstellen(grundAnfang.left(8), 8));
        QCOMPARE(doc.GetDezimalstellen(), 4);

        decode.DecodeEinheit(Frame("2"));
        QCOMPARE(doc.GetEinheit(), 2);
        QCOMPARE(doc.GetAnzeigeEinheit(), 2);
        doc.SetTyp(10);
        decode.DecodeEinheit(Frame("15"));
        QCOMPARE(doc.GetEinheit(), 1);
        QCOMPARE(doc.GetAnzeigeEinheit(), 5);
        QVERIFY_THROWS_EXCEPTION(CProgramError, decode.DecodeEinheit(Frame("3")));
        QCOMPARE(doc.GetEinheit(), 1);

        decode.DecodeLinTabAnzahl(Frame("07"));
        QCOMPARE(doc.GetLinTabAnzahl(), 7);
        decode.DecodeLinTabAnzahl(Frame("31"));
        QCOMPARE(doc.GetLinTabAnzahl(), 7);
    }

    void tablePoints() {
        CQuillonDoc doc(m_op, QString());
        CReplyDecoder decode(doc);
        doc.SetDezimalstellen(2);
        // Types 0 and 1: (4.00 mA, -1.50), (20.00 mA, 327.67), (-0.01 mA, 0.00) with the range decimals.
        const QByteArray block = Frame("0190FF6A"
                                       "07D07FFF"
                                       "FFFF0000");
        decode.DecodeLinTabBlock(block, 1);
        QCOMPARE(doc.GetLinTabX(3), 4.0f);
        QCOMPARE(doc.GetLinTabY(3), -1.5f);
        QCOMPARE(doc.GetLinTabY(4), 327.67f);
        QCOMPARE(doc.GetLinTabX(5), -0.01f);
        doc.SetLinTabOption(0); // percent with one decimal
        decode.DecodeLinTabBlock(block, 0);
        QCOMPARE(doc.GetLinTabY(0), -15.0f);
        QVERIFY_THROWS_EXCEPTION(CProgramError, decode.DecodeLinTabBlock(block.left(25), 2));
        QCOMPARE(doc.GetLinTabX(6), 0.0f);

        doc.SetMessAnfang(0.0f);
        doc.SetMessEnde(10.0f);
        decode.DecodeLinTabPunkt(Frame("0000C350"
                                       "FFFF3CB0"),
                                 2); // 50000, -50000
        QCOMPARE(doc.GetLinTabX(2), 12.0f);
        QCOMPARE(doc.GetLinTabY(2), -5.0f);
        decode.DecodeLinTabPunktKA71(Frame("00001388"
                                           "FFFFFFFE"),
                                     29);
        QCOMPARE(doc.GetLinTabX(29), 5000.0f);
        QCOMPARE(doc.GetLinTabY(29), -2.0f);
    }

    void replyShorterThanItsDecoderNeedsChangesNothing() {
        using Decoder = std::function<void(CReplyDecoder&, const QByteArray&)>;
        const QList<Decoder> decoders = {
            &CReplyDecoder::DecodeGrundAnfang,
            &CReplyDecoder::DecodeGrundEnde,
            &CReplyDecoder::DecodeMessAnfang,
            &CReplyDecoder::DecodeMessEnde,
            &CReplyDecoder::DecodeOffset,
            &CReplyDecoder::DecodeSpanne,
            &CReplyDecoder::DecodeDaempfung,
            &CReplyDecoder::DecodeTempDaempfung,
            &CReplyDecoder::DecodeStromgrenzeMin,
            &CReplyDecoder::DecodeStromgrenzeMax,
            &CReplyDecoder::DecodeFehlerstrom,
            &CReplyDecoder::DecodeTastatursperre,
            &CReplyDecoder::DecodeNullpunktsfenster,
            &CReplyDecoder::DecodeTemperatur,
            &CReplyDecoder::DecodeMesswert,
            &CReplyDecoder::DecodeSeriennummer,
            &CReplyDecoder::DecodeBezeichnung,
            &CReplyDecoder::DecodeEinheit,
            &CReplyDecoder::DecodeLinTabAnzahl,
            [](CReplyDecoder& d, const QByteArray& r) { d.DecodeFreiBereich(r, 2); },
            [](CReplyDecoder& d, const QByteArray& r) { d.DecodeDezimalstellen(r); },
            [](CReplyDecoder& d, const QByteArray& r) { d.DecodeLinTabBlock(r, 0); },
            [](CReplyDecoder& d, const QByteArray& r) { d.DecodeLinTabPunkt(r, 0); },
            [](CReplyDecoder& d, const QByteArray& r) { d.DecodeLinTabPunktKA71(r, 0); },
        };
        // A frame whose length byte announces more than arrived, and one cut after its length byte.
        for (const QByteArray& reply : {Frame("+0123456789012341").left(9), QByteArray("\x02\x09")}) {
            for (const Decoder& decoder : decoders) {
                CQuillonDoc doc(m_op, QString());
                CReplyDecoder decode(doc);
                const QByteArray before = doc.SaveToBytes();
                QVERIFY_THROWS_EXCEPTION(CProgramError, decoder(decode, reply));
                QCOMPARE(doc.SaveToBytes(), before);
                QCOMPARE(doc.GetMesswert(0), 0.0f);
                QCOMPARE(doc.GetTemperatur(), 0.0f);
            }
        }
    }
};

QTEST_GUILESS_MAIN(ReplyDecoderTest)
#include "ReplyDecoderTest.moc"
