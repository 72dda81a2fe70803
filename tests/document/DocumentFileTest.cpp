// The document file: exact bytes, round trip, the old format, text prefixes, UTF-16 texts, and files
// that are damaged, cut short or random, which must never leave a half-loaded document.

#include "ScriptedOperator.h"
#include "document/ArchiveReader.h"
#include "document/ArchiveWriter.h"
#include "document/QuillonDoc.h"

#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>
#include <bit>

namespace {

/// A document whose every file field differs from a cleared one.
void FillDistinct(CQuillonDoc& doc) {
    doc.SetKennung("KA710123");
    doc.SetSeriennummer("123456.78.901");
    doc.SetBezeichnung("Druck \x80 Kessel \xE4");
    doc.SetDezimalstellen(2);
    doc.SetEinheit(1);
    doc.SetAnzeigeEinheit(2);
    doc.SetGrundAnfang(-1.0f);
    doc.SetGrundEnde(16.0f);
    doc.SetMessAnfang(std::bit_cast<float>(0x7FC01234u)); // a NaN with a payload
    doc.SetMessEnde(-0.0f);
    doc.SetOffset(std::numeric_limits<float>::denorm_min());
    doc.SetSpanne(0.1f);
    doc.SetDaempfung(2.5f);
    doc.SetTempDaempfung(7.3f);
    doc.SetTastatursperre(-2);
    doc.SetNullpunktsfenster(12345);
    doc.SetStromgrenzeMin(3.6f);
    doc.SetStromgrenzeMax(21.0f);
    doc.SetFehlerstrom(22.0f);
    doc.SetLinTabAnzahl(7);
    for (int i = 0; i < CQuillonDoc::kLinTabPunkte; ++i) {
        doc.SetLinTabX(i, 4.0f + 0.5f * i);
        doc.SetLinTabY(i, -1.0f / (i + 3));
    }
    doc.SetFreiDezimalpunkt(2);
    doc.SetFreiAnfang(-500);
    doc.SetFreiEnde(9999);
    doc.SetMedium(2);
}

/// The bytes of a file of the old format 8194.
QByteArray OldFormatFile() {
    CArchiveWriter w;
    w.Write(qint32{8194});
    w.Write(QByteArray("Tank 3"));
    w.Write(1.5f);
    w.Write(QByteArray("RX300309"));
    w.Write(qint32{2});
    w.Write(0.0f);
    w.Write(400.0f);
    w.Write(0.0f);
    w.Write(250.0f);
    w.Write(qint32{1});
    w.Write(0.5f);
    w.Write(0.25f);
    w.Write(QByteArray("000123.45.678"));
    w.Write(3.9f);
    w.Write(21.5f);
    w.Write(3.6f);
    w.Write(qint32{2});
    for (int i = 0; i < 30; ++i) {
        w.Write(static_cast<float>(i));
        w.Write(static_cast<float>(-i));
    }
    return w.Bytes();
}

} // namespace

class DocumentFileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void savedFileReloadsToIdenticalFields() {
        CScriptedOperator op;
        CQuillonDoc source(op, QString());
        FillDistinct(source);
        CQuillonDoc target(op, QString());
        target.SetModifiedFlag(true);
        QVERIFY(target.LoadFromBytes(source.SaveToBytes()));
        // The file holds every field's exact bits at a fixed place (see the byte test below), so equal
        // files mean equal fields, NaN payloads and signed zeros included.
        QCOMPARE(target.SaveToBytes(), source.SaveToBytes());
        QCOMPARE(std::bit_cast<quint32>(target.GetMessAnfang()), 0x7FC01234u);
        QVERIFY(target.IsGueltig());
        QVERIFY(!target.IsModified());
        QVERIFY(op.messages.isEmpty());
    }

    void smallDocumentIsWrittenByteForByte() {
        CScriptedOperator op;
        CQuillonDoc doc(op, QString());
        doc.SetKennung("RX31");
        doc.SetNullpunktsfenster(5);
        doc.SetTastatursperre(10);
        doc.SetTempDaempfung(1.5f);
        doc.SetBezeichnung("PT-101");
        doc.SetDaempfung(0.5f);
        doc.SetEinheit(1);
        doc.SetAnzeigeEinheit(1);
        doc.SetGrundEnde(10.0f);
        doc.SetMessEnde(10.0f);
        doc.SetDezimalstellen(2);
        doc.SetLinTabAnzahl(1);
        doc.SetLinTabX(0, 4.0f);

        const QByteArray expected = QByteArray::fromHex("04200000" // version 8196
                                                        "02000000" // type
                                                        "0500"     // zero window
                                                        "0a00"     // key lock
                                                        "0000c03f" // temperature damping
                                                        "14"
                                                        "50542d313031"
                                                        "2020202020202020202020202020" // tag
                                                        "0000003f"                     // damping
                                                        "04"
                                                        "52583331" // identification
                                                        "01000000" // unit
                                                        "00000000"
                                                        "00002041" // base range
                                                        "00000000"
                                                        "00002041" // set range
                                                        "02000000" // decimals
                                                        "00000000"
                                                        "00000000" // offset, span
                                                        "00"       // serial number
                                                        "33337340"
                                                        "0000b441"
                                                        "00006040" // currents
                                                        "01000000" // point count
                                                        "01000000" // display unit
                                                        "0000"
                                                        "e803" // free range
                                                        "00000000"
                                                        "00000000" // decimal point, medium
                                                        "00008040"
                                                        "00000000") + // first point
                                    QByteArray(29 * 8, '\0');
        QCOMPARE(doc.SaveToBytes().toHex(' '), expected.toHex(' '));
        QCOMPARE(expected.size(), 327 + 20 + 4 + 0);
    }

    void oldFormatAskedAndLoadedOnYes() {
        CScriptedOperator op;
        CQuillonDoc doc(op, QString());
        doc.SetTyp(6);
        doc.SetNullpunktsfenster(7);
        doc.SetTastatursperre(8);
        doc.SetTempDaempfung(9.0f);
        doc.SetFreiEnde(50);
        doc.SetMedium(1);
        op.Answer(IOperator::Answer::Yes);
        QVERIFY(doc.LoadFromBytes(OldFormatFile()));

        QCOMPARE(op.MessageTexts(),
                 QStringList{QStringLiteral("Altes Dateiformat!\nDatei trotzdem öffnen?")});
        QCOMPARE(op.messages.first().buttons, IOperator::Buttons::YesNo);
        QCOMPARE(op.messages.first().icon, IOperator::Icon::Question);
        QCOMPARE(doc.GetTyp(), 6); // an old file has no type
        QCOMPARE(doc.GetNullpunktsfenster(), qint16{0});
        QCOMPARE(doc.GetTastatursperre(), qint16{0});
        QCOMPARE(doc.GetTempDaempfung(), 0.0f);
        QCOMPARE(doc.GetAnzeigeEinheit(), 2);
        QCOMPARE(doc.GetFreiAnfang(), qint16{0});
        QCOMPARE(doc.GetFreiEnde(), qint16{1000});
        QCOMPARE(doc.GetFreiDezimalpunkt(), 0);
        QCOMPARE(doc.GetMedium(), 0);
        QCOMPARE(doc.GetBezeichnung(), QByteArray("Tank 3"));
        QCOMPARE(doc.GetKennung(), QByteArray("RX300309"));
        QCOMPARE(doc.GetSeriennummer(), QByteArray("000123.45.678"));
        QCOMPARE(doc.GetFehlerstrom(), 3.6f);
        QCOMPARE(doc.GetLinTabAnzahl(), 2);
        QCOMPARE(doc.GetLinTabX(29), 29.0f);
        QCOMPARE(doc.GetLinTabY(29), -29.0f);
        QVERIFY(doc.IsGueltig());
    }

    void oldFormatDeclinedAndUnknownVersionKeepTheDocument_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("8194, no") << OldFormatFile()
                                  << QStringLiteral("Altes Dateiformat!\nDatei trotzdem öffnen?");
        QTest::newRow("8197") << QByteArray::fromHex("05200000") + OldFormatFile().mid(4)
                              << QStringLiteral("Falsche Datei-Version");
    }
    void oldFormatDeclinedAndUnknownVersionKeepTheDocument() {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        CScriptedOperator op;
        CQuillonDoc doc(op, QString());
        FillDistinct(doc);
        doc.SetGueltig(true);
        const QByteArray before = doc.SaveToBytes();
        QVERIFY(!doc.LoadFromBytes(file)); // the scripted operator answers no
        QCOMPARE(op.MessageTexts(), QStringList{message});
        QCOMPARE(doc.SaveToBytes(), before);
        QVERIFY(!doc.IsGueltig()); // sending stays disabled
    }

    void textPrefixesOfEveryLengthForm_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<QByteArray>("prefix");
        QTest::newRow("254") << 254 << QByteArray::fromHex("fe");
        QTest::newRow("255") << 255 << QByteArray::fromHex("ffff00");
        QTest::newRow("300") << 300 << QByteArray::fromHex("ff2c01");
        QTest::newRow("65533") << 65533 << QByteArray::fromHex("fffdff");
        QTest::newRow("65534") << 65534 << QByteArray::fromHex("fffffffeff0000");
        QTest::newRow("70000") << 70000 << QByteArray::fromHex("ffffff70110100");
    }
    void textPrefixesOfEveryLengthForm() {
        QFETCH(int, length);
        QFETCH(QByteArray, prefix);
        CScriptedOperator op;
        CQuillonDoc doc(op, QString());
        QByteArray tag(length, 'x');
        tag[length - 1] = 'z';
        doc.SetBezeichnung(tag);
        const QByteArray file = doc.SaveToBytes();
        QCOMPARE(file.mid(16, prefix.size()).toHex(), prefix.toHex()); // the tag follows 16 bytes of numbers

        CQuillonDoc reread(op, QString());
        QVERIFY(reread.LoadFromBytes(file));
        QCOMPARE(reread.GetBezeichnung(), tag);
    }

    void utf16TextsAreConvertedToTheCodePage() {
        CScriptedOperator op;
        CQuillonDoc doc(op, QString());
        const QByteArray file = doc.SaveToBytes();
        QCOMPARE(file.at(16), '\0'); // the empty tag
        // "Aä€Ж" as UTF-16 with the short and with the 16-bit length after the marker.
        const QByteArray text = QByteArray::fromHex("4100e400ac201604");
        for (const QByteArray& prefix :
             {QByteArray::fromHex("fffeff04"), QByteArray::fromHex("fffeffff0400")}) {
            CQuillonDoc reread(op, QString());
            QVERIFY(reread.LoadFromBytes(file.left(16) + prefix + text + file.mid(17)));
            QCOMPARE(reread.GetBezeichnung(), QByteArray("A\xE4\x80?"));
            QCOMPARE(reread.GetBezeichnungText(), QStringLiteral("Aä€?"));
        }
    }

    void fileCutAnywhereLeavesTheDocumentAsItWas() {
        CScriptedOperator op;
        CQuillonDoc source(op, QString());
        FillDistinct(source);
        const QByteArray file = source.SaveToBytes();

        CQuillonDoc doc(op, QString());
        doc.SetBezeichnung("Vorher");
        doc.SetGueltig(true);
        doc.SetModifiedFlag(true);
        const QByteArray before = doc.SaveToBytes();
        for (int length = 0; length < file.size(); ++length) {
            op.messages.clear();
            QVERIFY(!doc.LoadFromBytes(file.left(length)));
            QCOMPARE(doc.SaveToBytes(), before);
            QCOMPARE(op.messages.size(), 1);
            QCOMPARE(op.messages.first().icon, IOperator::Icon::Error);
        }
        QVERIFY(doc.IsGueltig());
        QVERIFY(doc.IsModified());
    }

    void enormousTextLengthsFailBeforeAnyAllocation_data() {
        QTest::addColumn<QByteArray>("prefix");
        QTest::newRow("32-bit") << QByteArray::fromHex("ffffffffffff7f");
        QTest::newRow("largest 32-bit") << QByteArray::fromHex("ffffffffffffff");
        QTest::newRow("UTF-16, 32-bit") << QByteArray::fromHex("fffeffffffffffffff7f");
        QTest::newRow("16-bit beyond the file") << QByteArray::fromHex("ff0010");
    }
    void enormousTextLengthsFailBeforeAnyAllocation() {
        QFETCH(QByteArray, prefix);
        CScriptedOperator op;
        CQuillonDoc doc(op, QString());
        const QByteArray file = doc.SaveToBytes();
        QVERIFY(!doc.LoadFromBytes(file.left(16) + prefix + file.mid(17)));
        QCOMPARE(op.messages.size(), 1);

        // The reader keeps a view: the bytes must outlive it.
        const QByteArray bytes = prefix + QByteArray(100, 'a');
        CArchiveReader reader(bytes);
        QByteArray text("unchanged");
        QVERIFY(!reader.Read(text));
        QVERIFY(reader.Failed());
        QCOMPARE(text, QByteArray("unchanged"));
    }

    void randomBytesNeverHalfLoad() {
        CScriptedOperator op;
        CQuillonDoc source(op, QString());
        FillDistinct(source);
        const QByteArray valid = source.SaveToBytes();
        QRandomGenerator random(20260207);
        CQuillonDoc doc(op, QString());
        for (int round = 0; round < 3000; ++round) {
            QByteArray bytes = valid;
            if (round % 2 == 0) {
                bytes.resize(random.bounded(700));
                for (char& c : bytes) {
                    c = static_cast<char>(random.bounded(256));
                }
                bytes.replace(0, qMin<qsizetype>(4, bytes.size()),
                              QByteArray::fromHex("04200000").left(bytes.size()));
            } else {
                for (int flips = 0; flips < 4; ++flips) {
                    bytes[random.bounded(valid.size())] = static_cast<char>(random.bounded(256));
                }
                bytes.truncate(random.bounded(valid.size() + 1));
            }
            const QByteArray before = doc.SaveToBytes();
            if (!doc.LoadFromBytes(bytes)) {
                QCOMPARE(doc.SaveToBytes(), before);
            }
        }
    }

    void saveReplacesTheFileOnlyWhenComplete() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        CScriptedOperator op;
        CQuillonDoc doc(op, QString());
        FillDistinct(doc);
        doc.SetModifiedFlag(true);
        const QString path = dir.filePath(QStringLiteral("kessel.qlc"));
        QVERIFY(doc.SaveFile(path));
        QVERIFY(!doc.IsModified());

        CQuillonDoc reread(op, QString());
        QVERIFY(reread.LoadFile(path));
        QCOMPARE(reread.SaveToBytes(), doc.SaveToBytes());

        // A path that cannot be written: the user is told and the document stays modified.
        doc.SetModifiedFlag(true);
        QVERIFY(!doc.SaveFile(dir.filePath(QStringLiteral("kessel.qlc/unmoeglich.qlc"))));
        QVERIFY(doc.IsModified());
        QCOMPARE(op.messages.size(), 1);
        QVERIFY(op.messages.first().text.startsWith(QStringLiteral("Die Datei ")));

        QVERIFY(!reread.LoadFile(dir.filePath(QStringLiteral("fehlt.qlc"))));
        QCOMPARE(op.messages.size(), 2);
    }
};

QTEST_GUILESS_MAIN(DocumentFileTest)
#include "DocumentFileTest.moc"
