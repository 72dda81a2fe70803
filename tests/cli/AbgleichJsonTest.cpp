// The calibration record as JSON: every type's record comes back unchanged, and a file that does not fit
// the attached transmitter is refused with the key named and the record untouched.

#include "cli/AbgleichJson.h"

#include "calibration/AbgleichFelder.h"
#include "calibration/AbgleichLayout.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

namespace {

CAbgleichdaten Sample() {
    CAbgleichdaten r;
    for (int i = 0; i < 5; ++i) {
        r.m_nAdc[i] = 20000 + i;
        r.m_nAdc2[i] = 30000 + i;
        r.m_nDac[i] = 600 + i;
        r.m_nDac2[i] = 700 + i;
    }
    r.m_nTemperaturAdc = {35000, 45000, 40000};
    r.m_nWerksOffset = -3;
    r.m_nBereichAnfang = -1000;
    r.m_fTkOffset = {1e-5f, -0.1f, 3.25f, 0.0f};
    r.m_fTkSpanne2 = {0.3f, 0.0f, 0.0f, -7.5e-8f};
    CAbgleichFelder::SetText(r, QStringLiteral("123456.78.901"));
    r.m_szSeriennummer[15] = '\0'; // as some transmitters hold it: written back unchanged
    return r;
}

} // namespace

class AbgleichJsonTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyFormComesBackUnchanged_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<bool>("erweitert");
        QTest::addRow("RX31") << 2 << false;
        QTest::addRow("RX31 extended") << 2 << true;
        QTest::addRow("VN62") << 7 << false;
        QTest::addRow("KA71") << 10 << true;
    }

    void everyFormComesBackUnchanged() {
        QFETCH(int, typ);
        QFETCH(bool, erweitert);
        const CAbgleichdaten sample = Sample();
        const QJsonObject json = CAbgleichJson::ToJson(sample, typ, erweitert);
        QCOMPARE(json.value("m_fTkOffset").toArray().at(0).toDouble(),
                 1e-5); // as entered, not 9.99999974e-06
        CAbgleichdaten back;
        QString error;
        QVERIFY2(CAbgleichJson::FromJson(json, typ, erweitert, back, error), qPrintable(error));
        QCOMPARE(CAbgleichLayout::ToWords(back, typ, erweitert),
                 CAbgleichLayout::ToWords(sample, typ, erweitert));
    }

    void refusesWhatDoesNotFitAndNamesTheKey_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<QString>("named");
        QTest::addRow("another type") << "m_nTyp" << QJsonValue(3) << "m_nTyp:";
        QTest::addRow("another function set") << "m_bErweitert" << QJsonValue(true) << "m_bErweitert:";
        QTest::addRow("number as text") << "m_nGain" << QJsonValue("4") << "m_nGain:";
        QTest::addRow("too few entries") << "m_nDac" << QJsonValue(QJsonArray{1, 2}) << "m_nDac:";
        QTest::addRow("entry too wide")
            << "m_nAdc" << QJsonValue(QJsonArray{1, 2, 65536, 4, 5}) << "m_nAdc[2]:";
        QTest::addRow("fraction") << "m_nKommaPos" << QJsonValue(1.5) << "m_nKommaPos:";
        QTest::addRow("signed too small") << "m_nBereichAnfang" << QJsonValue(-32769) << "m_nBereichAnfang:";
        QTest::addRow("text too long")
            << "m_szSeriennummer" << QJsonValue("12345678901234567") << "m_szSeriennummer:";
        QTest::addRow("unknown key") << "m_nAdc2" << QJsonValue(QJsonArray{1, 2, 3, 4, 5}) << "m_nAdc2:";
        QTest::addRow("float word without its 8 digits")
            << "m_fTkOffset" << QJsonValue(QJsonArray{"0x7FC0000", 0, 0, 0}) << "m_fTkOffset[0]:";
    }

    void refusesWhatDoesNotFitAndNamesTheKey() {
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        QFETCH(QString, named);
        QJsonObject json = CAbgleichJson::ToJson(Sample(), 2, false);
        json.insert(key, value);
        CAbgleichdaten record;
        record.m_nGain = 3;
        QString error;
        QVERIFY(!CAbgleichJson::FromJson(json, 2, false, record, error));
        QVERIFY2(error.startsWith(named), qPrintable(error));
        QCOMPARE(record.m_nGain, quint16(3));
        QCOMPARE(record.m_nAdc[0], 0);
    }

    void everyFloatWordComesBackThroughTheFile_data() {
        QTest::addColumn<quint32>("bits");
        QTest::addRow("NaN") << 0x7FC00000u;
        QTest::addRow("NaN, negative, with payload") << 0xFFC01234u;
        QTest::addRow("signalling NaN") << 0x7F800001u;
        QTest::addRow("+Inf") << 0x7F800000u;
        QTest::addRow("-Inf") << 0xFF800000u;
        QTest::addRow("-0.0") << 0x80000000u;
        QTest::addRow("FLT_MAX") << 0x7F7FFFFFu;
        QTest::addRow("-FLT_MAX") << 0xFF7FFFFFu;
        QTest::addRow("smallest subnormal") << 0x00000001u;
        QTest::addRow("0.1") << 0x3DCCCCCDu;
    }

    void everyFloatWordComesBackThroughTheFile() {
        QFETCH(quint32, bits);
        CAbgleichdaten record = Sample();
        CAbgleichFelder::SetFloatBits(record, "m_fTkSpanne", 2, bits);
        // Through the file's text, as "calibration read" writes it and "calibration write" reads it.
        const QByteArray text = QJsonDocument(CAbgleichJson::ToJson(record, 2, true)).toJson();
        QJsonObject json;
        QString error;
        QVERIFY2(CAbgleichJson::Parse(text, json, error), qPrintable(error));
        CAbgleichdaten back;
        QVERIFY2(CAbgleichJson::FromJson(json, 2, true, back, error), qPrintable(error));
        QCOMPARE(CAbgleichFelder::FloatBits(back, "m_fTkSpanne", 2), bits);
        QCOMPARE(CAbgleichLayout::ToWords(back, 2, true), CAbgleichLayout::ToWords(record, 2, true));
    }

    void refusesAKeyNamedTwice() {
        const QByteArray text =
            QJsonDocument(CAbgleichJson::ToJson(Sample(), 2, false)).toJson(QJsonDocument::Compact);
        QJsonObject json;
        QString error;
        QVERIFY2(CAbgleichJson::Parse(text, json, error), qPrintable(error));
        for (const QByteArray& twice :
             {QByteArray(R"({"m_nGain":5,)"), QByteArray(R"({"m\u005fnGain":5,)")}) {
            QVERIFY(!CAbgleichJson::Parse(twice + text.mid(1), json, error));
            QCOMPARE(error, QStringLiteral("m_nGain: Schlüssel doppelt vorhanden."));
        }
    }

    void saysWhatIsWrongWithTheTextInGerman() {
        const struct {
            QByteArray text;
            QString error;
        } cases[] = {
            {R"({"m_nGain": 1e999})", QStringLiteral("Kein gültiges JSON (bei Zeichen 17): ungültige Zahl")},
            {"[1, 2]", QStringLiteral("Die Datei enthält kein JSON-Objekt.")},
        };
        for (const auto& c : cases) {
            QJsonObject json;
            QString error;
            QVERIFY(!CAbgleichJson::Parse(c.text, json, error));
            QCOMPARE(error, c.error);
        }
    }

    void refusesAMissingKey() {
        QJsonObject json = CAbgleichJson::ToJson(Sample(), 10, true);
        json.remove("m_fTkSpanne");
        CAbgleichdaten record;
        QString error;
        QVERIFY(!CAbgleichJson::FromJson(json, 10, true, record, error));
        QCOMPARE(error, QStringLiteral("m_fTkSpanne: Schlüssel fehlt."));
    }
};

QTEST_GUILESS_MAIN(AbgleichJsonTest)
#include "AbgleichJsonTest.moc"
