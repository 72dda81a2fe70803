// The calibration record's layout and fields and the rules of the analog calibration dialog, with plain
// values and no transmitter.

#include "calibration/AbgleichFelder.h"
#include "calibration/AbgleichLayout.h"
#include "calibration/AbgleichRecordRules.h"
#include "calibration/AnalogAbgleichRules.h"
#include "calibration/DacAbglVN62Loop.h"
#include "core/Operator.h"
#include "document/QuillonDoc.h"

#include <QTest>

namespace {

class CSilentOperator : public IOperator {
public:
    Answer ShowMessage(const QString&, const QString&, Icon, Buttons) override { return Answer::Ok; }
    void BeginProgress(const QString&, const QString&, int, int) override {}
    void SetProgressRange(int, int) override {}
    void SetProgressPos(int) override {}
    void SetProgressText(const QString&) override {}
    void EndProgress() override {}
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
};

CAbgleichFelder::Field FieldNamed(int nTyp, bool bErweitert, const char* name) {
    for (const CAbgleichFelder::Field& field : CAbgleichFelder::FieldsFor(nTyp, bErweitert)) {
        if (QByteArray(field.name) == name) {
            return field;
        }
    }
    return {"", CAbgleichFelder::Kind::Text, 0};
}

} // namespace

class CalibrationRulesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void layoutPutsFieldsAtTheirWords() {
        CAbgleichdaten r;
        r.m_nAdc[0] = 0x12345; // a 32-bit field keeps its low word
        r.m_nWerksOffset = -2;
        r.m_nEnableParametrierung = 1;
        r.m_fTkOffset[0] = 1.0f; // 0x3F800000: low word first
        r.m_nAbglBereichEnde = 1000;
        r.m_nTemperaturAdc[2] = 4711;
        const QList<quint16> words = CAbgleichLayout::ToWords(r, 2, true);
        QCOMPARE(words.size(), 48);
        QCOMPARE(words.at(0), quint16(0x2345));
        QCOMPARE(words.at(12), quint16(0xFFFE));
        QCOMPARE(words.at(19), quint16(1));
        QCOMPARE(words.at(20), quint16(0x0000));
        QCOMPARE(words.at(21), quint16(0x3F80));
        QCOMPARE(words.at(36), quint16(1));
        QCOMPARE(words.at(46), quint16(1000));
        QCOMPARE(words.at(47), quint16(4711));
        QCOMPARE(CAbgleichLayout::BlockImage(r, 2, true).left(4), QByteArray("4523"));

        const QList<quint16> ka71 = CAbgleichLayout::ToWords(r, 10, false);
        QCOMPARE(ka71.size(), 44);
        QCOMPARE(ka71.at(17), quint16(1)); // enable follows the unit directly: no factory offset and span
        QCOMPARE(ka71.at(34), quint16(1));
        QCOMPARE(ka71.last(), quint16(4711));
        QCOMPARE(CAbgleichLayout::ToWords(r, 7, true).size(), 75); // the VN62 has no third temperature
        QCOMPARE(CAbgleichLayout::ToWords(r, 2, false).size(), 47);
    }

    void layoutRefusesTooFewWordsAndKeepsTheRecord() {
        CAbgleichdaten r;
        r.m_nGain = 5;
        QList<quint16> words(46, 7);
        QVERIFY(!CAbgleichLayout::FromWords(words, 2, false, r));
        QCOMPARE(r.m_nGain, quint16(5));
        words.append(QList<quint16>(50, 9));
        QVERIFY(CAbgleichLayout::FromWords(words, 2, false, r));
        QCOMPARE(r.m_nGain, quint16(7));
        QCOMPARE(r.m_nAbglBereichAnfang, qint16(7));
        QCOMPARE(r.m_nAbglBereichEnde, qint16(9));
    }

    void fieldsOfEachType() {
        QVERIFY(FieldNamed(10, true, "m_nWerksOffset").count == 0);
        QVERIFY(FieldNamed(10, true, "m_nAbglBereichAnfang").count == 0);
        QCOMPARE(FieldNamed(10, false, "m_nTemperaturAdc").count, 3);
        QCOMPARE(FieldNamed(7, true, "m_nTemperaturAdc").count, 2);
        QCOMPARE(FieldNamed(7, false, "m_fTkSpanne2").count, 4);
        QVERIFY(FieldNamed(2, true, "m_nAdc2").count == 0);
        QCOMPARE(FieldNamed(2, true, "m_nTemperaturAdc").count, 3);
        QCOMPARE(FieldNamed(2, false, "m_nTemperaturAdc").count, 2);
    }

    void fieldEntriesRefuseNonNumbersAndValuesBeyondTheirWord() {
        QString error;
        const auto word = FieldNamed(2, false, "m_nWerksSpanne");
        const auto signedField = FieldNamed(2, false, "m_nWerksOffset");
        const auto floatField = FieldNamed(2, false, "m_fTkOffset");
        QCOMPARE(CAbgleichFelder::ParseEntry(word, QStringLiteral("65535"), error),
                 std::optional<double>(65535));
        QCOMPARE(CAbgleichFelder::ParseEntry(signedField, QStringLiteral("-32768"), error),
                 std::optional<double>(-32768));
        QVERIFY(!CAbgleichFelder::ParseEntry(word, QStringLiteral("70000"), error));
        QCOMPARE(error, QStringLiteral("Geben Sie eine ganze Zahl zwischen 0 und 65535 ein."));
        QVERIFY(!CAbgleichFelder::ParseEntry(word, QStringLiteral("-1"), error));
        QVERIFY(!CAbgleichFelder::ParseEntry(signedField, QStringLiteral("40000"), error));
        QCOMPARE(error, QStringLiteral("Geben Sie eine ganze Zahl zwischen -32768 und 32767 ein."));
        QCOMPARE(CAbgleichFelder::ParseEntry(floatField, QStringLiteral("-1.5e-3"), error),
                 std::optional<double>(-1.5e-3));
        for (const char* text : {"", "12a", "1.5"}) {
            error.clear();
            QVERIFY(!CAbgleichFelder::ParseEntry(word, QString::fromLatin1(text), error));
            QVERIFY(!error.isEmpty());
        }
        QVERIFY(!CAbgleichFelder::ParseEntry(floatField, QStringLiteral("1e60"), error));
        QVERIFY(!CAbgleichFelder::InRange(word, 65536));
        QVERIFY(!CAbgleichFelder::InRange(signedField, -32769));
        QVERIFY(!CAbgleichFelder::InRange(word, 1.5));
        QVERIFY(CAbgleichFelder::InRange(signedField, -32768));

        CAbgleichdaten r;
        CAbgleichFelder::SetNumber(r, "m_nDac2", 4, 321);
        CAbgleichFelder::SetNumber(r, "m_nBereichEnde", 0, -5);
        QCOMPARE(r.m_nDac2[4], 321);
        QCOMPARE(CAbgleichFelder::Number(r, "m_nBereichEnde", 0), -5.0);
        CAbgleichFelder::SetText(r, QStringLiteral("AB"));
        QCOMPARE(CAbgleichFelder::Text(r), QStringLiteral("AB              "));
    }

    void recordDialogFormsShowTheirRows() {
        CAbgleichdaten r;
        r.m_nWerksOffset = -7;
        r.m_fTkSpanne[3] = 0.25f;
        const QList<CAbgleichRecordRules::Entry> rx31 =
            CAbgleichRecordRules::Load(r, CAbgleichRecordRules::Form::RX31, false);
        const QList<CAbgleichRecordRules::Entry> ka71 =
            CAbgleichRecordRules::Load(r, CAbgleichRecordRules::Form::KA71, true);
        const QList<CAbgleichRecordRules::Entry> vn62 =
            CAbgleichRecordRules::Load(r, CAbgleichRecordRules::Form::VN62, false);
        QCOMPARE(rx31.size(), 5 + 5 + 3 + 10 + 8);
        QCOMPARE(ka71.size(), rx31.size() - 4);
        QCOMPARE(vn62.size(), 4 * 5 + 2 + 4 + 8 + 4 * 4);
        QCOMPARE(rx31.at(12).field, "m_nTemperaturAdc");
        QVERIFY(!rx31.at(12).bEnabled);
        QVERIFY(ka71.at(12).bEnabled);
        QCOMPARE(rx31.at(13).text, QStringLiteral("-7"));
        QCOMPARE(rx31.last().text, QStringLiteral("0.25"));
        for (const CAbgleichRecordRules::Entry& entry : ka71) {
            QVERIFY(QByteArray(entry.field) != "m_nWerksOffset" &&
                    QByteArray(entry.field) != "m_nAbglBereichEnde");
        }
    }

    void recordDialogRefusesNonNumbersAndValuesBeyondTheirWord() {
        CAbgleichdaten r;
        r.m_nWerksOffset = -7;
        QList<CAbgleichRecordRules::Entry> entries =
            CAbgleichRecordRules::Load(r, CAbgleichRecordRules::Form::KA71, true);
        entries[0].text = QStringLiteral("70000"); // m_nAdc[0]
        entries[20].text = QStringLiteral("1,5");  // a float entry
        QCOMPARE(CAbgleichRecordRules::Validate(entries).value().field, 0);
        entries[0].text = QStringLiteral("65535");
        QCOMPARE(CAbgleichRecordRules::Validate(entries).value().field, 20);
        entries[20].text = QStringLiteral("1.5");
        QVERIFY(!CAbgleichRecordRules::Validate(entries));
        CAbgleichRecordRules::Apply(entries, r);
        QCOMPARE(r.m_nAdc[0], 65535);
        QCOMPARE(r.m_fTkOffset[entries.at(20).index], 1.5f);
        QCOMPARE(r.m_nWerksOffset, qint16(-7)); // not shown in the KA71 form: unchanged
    }

    void analogRefusesTheRX89AndStartsFromDefaults() {
        QCOMPARE(CAnalogAbgleichRules::IncompatibleText(), QStringLiteral("Gerät nicht kompatibel!"));

        CSilentOperator op;
        CQuillonDoc doc(op, QString());
        doc.Abgleichdaten().m_nGain = 1; // not read from a transmitter: the dialog shows the defaults
        const CAnalogAbgleichRules::Values values = CAnalogAbgleichRules::Load(doc);
        QCOMPARE(values.record.m_nAdc[0], 23504);
        QCOMPARE(values.record.m_nAdc[4], 44800);
        QCOMPARE(values.record.m_nGain, quint16(4));
        QCOMPARE(values.record.m_nDac[2], 3388);
        QCOMPARE(values.fOutputStart, 4.0);
        QCOMPARE(values.fOutputEnd, 20.0);
        QCOMPARE(CAnalogAbgleichRules::RangeOf(values.fOutputStart, values.fOutputEnd),
                 CAnalogAbgleichRules::OutputRange::MilliAmp4To20);
        QCOMPARE(CAbgleichFelder::Text(values.record), QString(16, QLatin1Char(' ')));
        QCOMPARE(doc.Abgleichdaten().m_nGain, quint16(1));
    }

    void analogPointLabels() {
        CAbgleichdaten r;
        r.m_nAbglBereichAnfang = 0;
        r.m_nAbglBereichEnde = 1000;
        QCOMPARE(CAnalogAbgleichRules::PointLabels(r), (std::array<int, 5>{0, 250, 500, 750, 1000}));
        r.m_nAbglBereichAnfang = -100;
        QCOMPARE(CAnalogAbgleichRules::PointLabels(r), (std::array<int, 5>{-100, 175, 450, 725, 1000}));
    }

    void analogOutputRangeDropsHundredthsAndSendsItBack() {
        CSilentOperator op;
        CQuillonDoc doc(op, QString());
        doc.Abgleichdaten().m_bGueltig = true;
        doc.Abgleichdaten().m_nDac[3] = 400;
        doc.Abgleichdaten().m_nDac[4] = 2050;
        CAnalogAbgleichRules::Values values = CAnalogAbgleichRules::Load(doc);
        QCOMPARE(values.fOutputEnd, 20.0);
        QCOMPARE(CAnalogAbgleichRules::RangeOf(values.fOutputStart, values.fOutputEnd),
                 CAnalogAbgleichRules::OutputRange::MilliAmp4To20);
        CAnalogAbgleichRules::Apply(values, doc);
        QCOMPARE(doc.Abgleichdaten().m_nDac[4], 2000);
        QVERIFY(doc.Abgleichdaten().m_bGueltig);

        values.fOutputStart = 0.125;
        values.fOutputEnd = 10.0;
        QCOMPARE(CAnalogAbgleichRules::RangeOf(values.fOutputStart, values.fOutputEnd),
                 CAnalogAbgleichRules::OutputRange::None);
        CAnalogAbgleichRules::Apply(values, doc);
        QCOMPARE(doc.Abgleichdaten().m_nDac[3], 13); // 12.5 rounds away from zero
        CAnalogAbgleichRules::SetRange(values, CAnalogAbgleichRules::OutputRange::MilliAmp0To20);
        QCOMPARE(values.fOutputStart, 0.0);
        QCOMPARE(values.fOutputEnd, 20.0);
    }

    void analogDacStepsAndChecks() {
        QCOMPARE(CAnalogAbgleichRules::StepDac(4095, +1), 4095);
        QCOMPARE(CAnalogAbgleichRules::StepDac(0, -1), 0);
        QCOMPARE(CAnalogAbgleichRules::StepDac(2000, +1), 2001);

        CAnalogAbgleichRules::Values values;
        CAnalogAbgleichRules::SetDefaultRecord(values.record);
        CAnalogAbgleichRules::SetDefaultDac(values.record);
        CAnalogAbgleichRules::TakeOutputRange(values);
        QVERIFY(!CAnalogAbgleichRules::Validate(values));
        values.record.m_nDac[1] = 4096;
        QVERIFY(CAnalogAbgleichRules::Validate(values)->Is(CAnalogAbgleichRules::Field::Dac));
        values.record.m_nDac[1] = 2000;
        values.record.m_nAbglBereichEnde = 10000;
        QVERIFY(CAnalogAbgleichRules::Validate(values)->Is(CAnalogAbgleichRules::Field::AbglBereichEnde));
        values.record.m_nAbglBereichEnde = 1000;
        values.fOutputEnd = 22.6;
        QVERIFY(CAnalogAbgleichRules::Validate(values)->Is(CAnalogAbgleichRules::Field::Output));
    }

    void vn62DacPointChecks() {
        CDacAbglVN62Loop::Points points = CDacAbglVN62Loop::DefaultPoints();
        QCOMPARE(points, (CDacAbglVN62Loop::Points{600, 2000, 3280, 770, 2260, 3800}));
        QVERIFY(!CDacAbglVN62Loop::FirstInvalid(points));
        points[4] = 4096;
        QCOMPARE(CDacAbglVN62Loop::FirstInvalid(points), std::optional<int>(4));
    }
};

QTEST_GUILESS_MAIN(CalibrationRulesTest)
#include "CalibrationRulesTest.moc"
