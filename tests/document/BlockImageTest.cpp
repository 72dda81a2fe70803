// The memory images of a known parameter set, digit for digit.

#include "document/BlockImage.h"

#include "ScriptedOperator.h"
#include "ScriptedPeer.h"
#include "document/ArchiveWriter.h"
#include "document/QuillonDoc.h"
#include "document/ReplyDecoder.h"

#include <QTest>

namespace {

QByteArray Repeat(const QByteArray& text, int count) {
    QByteArray result;
    for (int i = 0; i < count; ++i) {
        result += text;
    }
    return result;
}

QByteArray Blanks(int count) {
    return Repeat("20", count);
}

} // namespace

class BlockImageTest : public QObject {
    Q_OBJECT

    CScriptedOperator m_op;

private Q_SLOTS:
    void parameterBlock() {
        CQuillonDoc doc(m_op, QString());
        doc.SetTyp(2);
        doc.SetDezimalstellen(2);
        doc.SetMessAnfang(0.0f);
        doc.SetMessEnde(10.0f);
        doc.SetDaempfung(1.5f);
        doc.SetTempDaempfung(0.3f);
        doc.SetOffset(-0.05f);
        CReplyDecoder(doc).DecodeSpanne(CScriptedPeer::ReplyFrame("+009983")); // factor 0.998: 0.2 %
        doc.SetStromgrenzeMin(3.8f);
        doc.SetStromgrenzeMax(20.5f);
        doc.SetFehlerstrom(3.6f);
        doc.SetTastatursperre(5);
        doc.SetBezeichnung("PT-101");
        doc.SetNullpunktsfenster(25);

        const QByteArray image = CBlockImage(doc).BuildParameterBlock();
        QCOMPARE(image, QByteArray("0000"
                                   "E803"
                                   "0000"
                                   "0F00"
                                   "0300"
                                   "FBFF"
                                   "FC26"
                                   "7C01"
                                   "0208"
                                   "6801"
                                   "0500"
                                   "50542D313031") +
                            Blanks(14) +
                            "0000"
                            "1900");
        QCOMPARE(image.size(), CBlockImage::kParameterBlockLaenge);
    }

    void ka71ParameterBlock() {
        CQuillonDoc doc(m_op, QString());
        doc.SetTyp(10);
        doc.SetEinheit(1);
        doc.SetAnzeigeEinheit(2);
        doc.SetGrundEnde(2.5f);
        doc.SetDezimalstellen(3);
        doc.SetMessAnfang(0.0f); // mbar on the 0 to 2500 display range
        doc.SetMessEnde(2500.0f);
        doc.SetDaempfung(1.0f);
        doc.SetOffset(0.01f);
        doc.SetStromgrenzeMin(4.0f);
        doc.SetStromgrenzeMax(20.0f);
        doc.SetFehlerstrom(21.0f);
        doc.SetBezeichnung("KA71-Test");
        doc.SetNullpunktsfenster(-1);
        doc.SetFreiDezimalpunkt(1);
        doc.SetFreiAnfang(-100);
        doc.SetFreiEnde(1000);
        doc.SetMedium(2);

        const QByteArray image = CBlockImage(doc).BuildParameterBlockKA71();
        QCOMPARE(image, QByteArray("0000"
                                   "1027"
                                   "0A00"
                                   "0A00"
                                   "1027"
                                   "9001"
                                   "D007"
                                   "3408"
                                   "0000"
                                   "4B4137312D54657374") +
                            Blanks(11) +
                            "0000"
                            "FFFF"
                            "0200"
                            "0100"
                            "9CFF"
                            "E803"
                            "0200");
        QCOMPARE(image.size(), CBlockImage::kParameterBlockKA71Laenge);
    }

    void tagFromAFileIsPaddedOrCutToTwentyCharacters() {
        CQuillonDoc doc(m_op, QString());
        QByteArray file = doc.SaveToBytes();
        QCOMPARE(file.at(16), '\0'); // the empty tag
        CArchiveWriter tag;
        tag.Write(QByteArray("AB"));
        QVERIFY(doc.LoadFromBytes(file.left(16) + tag.Bytes() + file.mid(17)));
        QCOMPARE(CBlockImage(doc).BuildParameterBlock().mid(44, 40), "4142" + Blanks(18));

        doc.SetBezeichnung(QByteArray(20, 'x') + "yyy");
        QCOMPARE(CBlockImage(doc).BuildParameterBlockKA71().mid(36, 40), Repeat("78", 20));
    }

    void linTabBlock() {
        CQuillonDoc doc(m_op, QString());
        doc.SetMessAnfang(0.0f);
        doc.SetMessEnde(10.0f);
        doc.SetLinTabAnzahl(2);
        doc.SetLinTabX(0, 4.0f);
        doc.SetLinTabX(1, 12.0f);
        doc.SetLinTabY(1, 2.5f);
        doc.SetLinTabX(2, 20.0f);
        doc.SetLinTabY(2, -1.5f);
        // Unused points still go out: 0 mA is -25000 below 4 mA.
        const QByteArray expected = QByteArray("0200"
                                               "0000000000000000"
                                               "50C30000A8610000"
                                               "A086010068C5FFFF") +
                                    Repeat("589EFFFF00000000", 27);
        QCOMPARE(CBlockImage(doc).BuildLinTabBlock(), expected);
        QCOMPARE(expected.size(), CBlockImage::kLinTabBlockLaenge);
    }

    void ka71LinTabBlock() {
        CQuillonDoc doc(m_op, QString());
        doc.SetLinTabAnzahl(1);
        doc.SetLinTabX(0, 5000.0f);
        doc.SetLinTabY(0, -2.0f);
        doc.SetLinTabX(29, 2.5f);
        const QByteArray expected = QByteArray("0100"
                                               "88130000FEFFFFFF") +
                                    Repeat("0000000000000000", 28) + "0300000000000000";
        QCOMPARE(CBlockImage(doc).BuildLinTabBlockKA71(), expected);
    }
};

QTEST_GUILESS_MAIN(BlockImageTest)
#include "BlockImageTest.moc"
