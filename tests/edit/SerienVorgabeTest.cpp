// Per-device values of a series send: taken when the edit rules accept them, refused (and the document
// left as it was) for an unknown field, a value that is no number or one the rules refuse.

#include "edit/SerienVorgabe.h"

#include "ScriptedOperator.h"
#include "document/QuillonDoc.h"

#include <QTest>

namespace {

void Fill(CQuillonDoc& doc) {
    doc.SetTyp(2);
    doc.SetDezimalstellen(3);
    doc.SetGrundEnde(40.0f);
    doc.SetMessEnde(25.0f);
    doc.SetDaempfung(1.5f);
    doc.SetMessAnfang(0.12345f); // finer than the dialog shows: must survive a --set of another field
    doc.SetBezeichnungText(QStringLiteral("VORLAGE"));
}

} // namespace

class SerienVorgabeTest : public QObject {
    Q_OBJECT

    CScriptedOperator m_op;

private Q_SLOTS:
    void takesNamedFieldsOnly() {
        CQuillonDoc doc(m_op, QString());
        Fill(doc);
        QString warnung;
        QVERIFY(!CSerienVorgabe::Anwenden({"m_strBezeichnung=PT-101", "m_fDaempfung=2.5"}, doc, warnung));
        QVERIFY(warnung.isEmpty());
        QCOMPARE(doc.GetBezeichnungText().trimmed(), QStringLiteral("PT-101"));
        QCOMPARE(doc.GetDaempfung(), 2.5f);
        QCOMPARE(doc.GetMessAnfang(), 0.12345f);
        QVERIFY(doc.IsModified());
    }

    void refusalsLeaveTheDocumentAsItWas_data() {
        QTest::addColumn<QStringList>("vorgaben");
        QTest::addColumn<QString>("text");
        QTest::newRow("unknown field")
            << QStringList{"m_fDaempfung=2", "m_nFoo=1"} << "m_nFoo=1: unbekanntes Feld";
        QTest::newRow("no value") << QStringList{"m_fDaempfung"} << "unbekanntes Feld";
        QTest::newRow("not a number") << QStringList{"m_fDaempfung=2,5"} << "ist keine Zahl";
        QTest::newRow("tag too long")
            << QStringList{"m_strBezeichnung=ABCDEFGHIJKLMNOPQRSTUVWXYZ"} << "m_strBezeichnung";
        QTest::newRow("damping beyond the rules") << QStringList{"m_fDaempfung=500"} << "m_fDaempfung";
        QTest::newRow("current limits crossed")
            << QStringList{"m_fStromgrenzeMin=21", "m_fStromgrenzeMax=20"} << "m_fStromgrenze";
    }

    void refusalsLeaveTheDocumentAsItWas() {
        QFETCH(QStringList, vorgaben);
        QFETCH(QString, text);
        CQuillonDoc doc(m_op, QString());
        Fill(doc);
        doc.SetModifiedFlag(false);
        const QByteArray before = doc.SaveToBytes();
        QString warnung;
        const std::optional<QString> fehler = CSerienVorgabe::Anwenden(vorgaben, doc, warnung);
        QVERIFY(fehler);
        QVERIFY2(fehler->contains(text), qPrintable(*fehler));
        QCOMPARE(doc.SaveToBytes(), before);
        QVERIFY(!doc.IsModified());
    }

    void rangeWithATableNeedsTheDialog() {
        CQuillonDoc doc(m_op, QString());
        Fill(doc);
        doc.SetLinTabAnzahl(2);
        QString warnung;
        QVERIFY(CSerienVorgabe::Anwenden({"m_fMessEnde=20"}, doc, warnung));
        QCOMPARE(doc.GetMessEnde(), 25.0f);
    }
};

QTEST_GUILESS_MAIN(SerienVorgabeTest)
#include "SerienVorgabeTest.moc"
