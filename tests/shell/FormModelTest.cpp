// The form's texts and layout per transmitter type.

#include "shell/FormModel.h"

#include "ScriptedOperator.h"
#include "document/QuillonDoc.h"

#include <QTest>

namespace {

void FillTyp0(CQuillonDoc& doc) {
    doc.SetTyp(0);
    doc.SetEinheit(0);
    doc.SetAnzeigeEinheit(0);
    doc.SetDezimalstellen(2);
    doc.SetGrundAnfang(0.0f);
    doc.SetGrundEnde(10.0f);
    doc.SetMessAnfang(-1.5f);
    doc.SetMessEnde(8.25f);
    doc.SetDaempfung(1.25f);
    doc.SetTempDaempfung(3.0f);
    doc.SetStromgrenzeMin(3.8f);
    doc.SetStromgrenzeMax(20.5f);
    doc.SetFehlerstrom(21.0f);
    doc.SetBezeichnungText(QStringLiteral("PT-101"));
    doc.SetSeriennummer("12345678901234567890");
}

} // namespace

class FormModelTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textsOfAParameterSet() {
        CScriptedOperator op;
        CQuillonDoc doc(op, QString());
        FillTyp0(doc);
        CFormModel::Texts texts = CFormModel::ShowDocument(doc, QLocale::c());
        QCOMPARE(texts.grundAnfang, QStringLiteral("+0.00"));
        QCOMPARE(texts.grundEnde, QStringLiteral("+10.00"));
        QCOMPARE(texts.grundEinheit, QStringLiteral("bar"));
        QCOMPARE(texts.messAnfang, QStringLiteral("-1.50"));
        QCOMPARE(texts.messEnde, QStringLiteral("+8.25"));
        QCOMPARE(texts.daempfung, QStringLiteral("+1.3")); // half away from zero
        QCOMPARE(texts.tempDaempfung, QStringLiteral("+3.0"));
        QCOMPARE(texts.stromMin, QStringLiteral("+3.80"));
        QCOMPARE(texts.stromMax, QStringLiteral("+20.50"));
        QCOMPARE(texts.fehlerstrom, QStringLiteral("+21.00"));
        QCOMPARE(texts.typ, QStringLiteral("RX89 bis V. 2.2"));
        QCOMPARE(texts.seriennummer, QStringLiteral("1234567890123456"));
        QVERIFY(texts.bezeichnung.startsWith(QStringLiteral("PT-101")));
        QCOMPARE(texts.kennlinie, QStringLiteral("steigend"));
        QVERIFY(!texts.bLinTab);

        doc.SetLinTabAnzahl(3);
        doc.SetMessAnfang(9.0f); // the set range now runs against the base range
        doc.SetMessEnde(1.0f);
        texts = CFormModel::ShowDocument(doc, QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(texts.bLinTab);
        QCOMPARE(texts.kennlinie, QStringLiteral("fallend"));
        QCOMPARE(texts.grundEnde, QStringLiteral("+10,00"));
    }

    void ka71ShowsTheDisplayRange() {
        CScriptedOperator op;
        CQuillonDoc doc(op, QString());
        doc.SetTyp(10);
        doc.SetEinheit(1);        // bar
        doc.SetAnzeigeEinheit(2); // the display shows mbar
        doc.SetDezimalstellen(2);
        doc.SetGrundAnfang(0.0f);
        doc.SetGrundEnde(1.6f);
        CFormModel::Texts texts = CFormModel::ShowDocument(doc, QLocale::c());
        QCOMPARE(texts.grundAnfang, QStringLiteral("+0"));
        QCOMPARE(texts.grundEnde, QStringLiteral("+1600"));
        QCOMPARE(texts.grundEinheit, QStringLiteral("mBar"));
        QCOMPARE(texts.messEinheit, QStringLiteral("mBar"));

        doc.SetAnzeigeEinheit(1); // display in the range's own unit: the values as they are
        texts = CFormModel::ShowDocument(doc, QLocale::c());
        QCOMPARE(texts.grundEnde, QStringLiteral("+1.60"));
        QCOMPARE(texts.grundEinheit, QStringLiteral("Bar"));
    }
};

QTEST_GUILESS_MAIN(FormModelTest)
#include "FormModelTest.moc"
