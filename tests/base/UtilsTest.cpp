// The number and hex encodings of payloads and replies, digit for digit.

#include "base/Utils.h"

#include "core/ProgramError.h"

#include <QElapsedTimer>
#include <QTest>
#include <cmath>
#include <limits>

class UtilsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundingIsHalfAwayFromZero() {
        float value = 2.125f;
        QCOMPARE(CUtils::RoundFloat(value, 2), 213);
        QCOMPARE(value, 2.13f);
        value = -2.125f;
        QCOMPARE(CUtils::RoundFloat(value, 2), -213);
        QCOMPARE(value, -2.13f);
        value = 2.125f;
        QCOMPARE(CUtils::RoundFloat(value, 0), 0);
        QCOMPARE(value, 2.125f);
        QCOMPARE(CUtils::RoundFloat(value, -1), 0);

        double d = 0.125;
        CUtils::RoundDouble(d, 2);
        QCOMPARE(d, 0.13);
        d = -0.125;
        CUtils::RoundDouble(d, 2);
        QCOMPARE(d, -0.13);

        QCOMPARE(CUtils::RoundTenths(0.25f), 0.3f);
        QCOMPARE(CUtils::RoundToInt(2.5), 3);
        QCOMPARE(CUtils::RoundToInt(-2.5), -3);
        QCOMPARE(CUtils::RoundToInt(0.49999997f), 0);
        // Large odd values stay exact (single-precision "+ 0.5" would round them to even).
        QCOMPARE(CUtils::RoundToInt(8388609.0f), 8388609);
        QCOMPARE(CUtils::RoundToInt(1e20), std::numeric_limits<qint32>::max());
        QCOMPARE(CUtils::RoundToInt(std::nan("")), 0);

        // A product beyond 32 bits leaves the value alone instead of overflowing.
        value = 3e9f;
        QCOMPARE(CUtils::RoundFloat(value, 1), std::numeric_limits<qint32>::max());
        QCOMPARE(value, 3e9f);
    }

    void hexEncodings() {
        QCOMPARE(CUtils::ByteToHex(0xA5), QByteArray("A5"));
        QCOMPARE(CUtils::ByteToHex(0x0F), QByteArray("0F"));
        QCOMPARE(CUtils::WordToHexLowFirst(0x1234), QByteArray("3412"));
        QCOMPARE(CUtils::WordToHexHighFirst(0x1234), QByteArray("1234"));
        QCOMPARE(CUtils::WordToHexLowFirst(9980), QByteArray("FC26"));
        QCOMPARE(CUtils::DwordToHexLowFirst(0x12345678), QByteArray("78563412"));
        QCOMPARE(CUtils::HexCharsToWord("FF6A"), quint16(0xFF6A));
        QCOMPARE(CUtils::HexToByte("7Fxx"), quint8(0x7F));
        QCOMPARE(CUtils::HexToWord("0A0B"), quint16(0x0A0B));
        QCOMPARE(CUtils::HexToDword("FFFE7960"), quint32(0xFFFE7960));
        QCOMPARE(CUtils::HexDigitValue('9'), 9);
        QCOMPARE(CUtils::HexDigitValue('F'), 15);
        QCOMPARE(CUtils::ShortToFloat(0xFF6A), -150.0f);
        QCOMPARE(CUtils::ShortToFloat(0x12345), 9029.0f); // only the low 16 bits count

        // Too short a text is a program error, never a read beyond its end.
        QVERIFY_THROWS_EXCEPTION(CProgramError, CUtils::HexToWord("FFF"));
        QVERIFY_THROWS_EXCEPTION(CProgramError, CUtils::HexToDword("1234567"));
        QVERIFY_THROWS_EXCEPTION(CProgramError, CUtils::HexToByte(""));
    }

    void clampToShort() {
        qint16 out = 0;
        QVERIFY(CUtils::ClampToShort(-32000.5, out));
        QCOMPARE(out, qint16(-32000));
        QVERIFY(CUtils::ClampToShort(40000.0, out));
        QCOMPARE(out, qint16(32000));
        QVERIFY(!CUtils::ClampToShort(32000.0, out));
        QCOMPARE(out, qint16(32000));
        QVERIFY(!CUtils::ClampToShort(-12.9, out));
        QCOMPARE(out, qint16(-12));
        QVERIFY(CUtils::ClampToShort(std::nan(""), out));
        QCOMPARE(out, qint16(0));
    }

    void formatScaled_data() {
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("12.5 d1") << 12.5f << 1 << QByteArray("+00125");
        QTest::newRow("-0.25 d2") << -0.25f << 2 << QByteArray("-00025");
        QTest::newRow("-1.5 d3") << -1.5f << 3 << QByteArray("-01500");
        QTest::newRow("0 d3") << 0.0f << 3 << QByteArray("+00000");
        QTest::newRow("wider than six") << 123456.0f << 0 << QByteArray("+123456");
        QTest::newRow("d7 counts as 0") << 12.5f << 7 << QByteArray("+00013");
        QTest::newRow("negative d counts as 0") << 2.5f << -1 << QByteArray("+00003");
        QTest::newRow("half goes away from zero") << 0.5f << 0 << QByteArray("+00001");
        QTest::newRow("negative half too") << -0.5f << 0 << QByteArray("-00001");
        QTest::newRow("current 22.5 mA") << 22.5f << 2 << QByteArray("+02250");
        QTest::newRow("rounding after scaling") << 3.8f << 2 << QByteArray("+00380");
        // 0.0625 is exact in binary: its third decimal is a true half, which goes away from zero (not to
        // the even 62, not truncated).
        QTest::newRow("third decimal half") << 0.0625f << 3 << QByteArray("+00063");
        QTest::newRow("third decimal half below zero") << -0.0625f << 3 << QByteArray("-00063");
    }

    void formatScaled() {
        QFETCH(float, value);
        QFETCH(int, decimals);
        QFETCH(QByteArray, text);
        QCOMPARE(CUtils::FormatScaled(value, decimals), text);
    }

    void formatSignedFollowsTheLocale() {
        const QLocale german(QLocale::German, QLocale::Germany);
        const QLocale c = QLocale::c();
        QCOMPARE(CUtils::FormatSigned(1.5, 8, 3, german), QStringLiteral("  +1,500"));
        QCOMPARE(CUtils::FormatSigned(1.5, 8, 3, c), QStringLiteral("  +1.500"));
        QCOMPARE(CUtils::FormatSigned(-0.125, 0, 2, c), QStringLiteral("-0.13"));
        QCOMPARE(CUtils::FormatSigned(0.125, 0, 2, c), QStringLiteral("+0.13"));
        QCOMPARE(CUtils::FormatSigned(2.5, 0, 0, c), QStringLiteral("+3"));
        QCOMPARE(CUtils::FormatSigned(0.1, 0, 1, c), QStringLiteral("+0.1"));
        QCOMPARE(CUtils::FormatSigned(2.0, -1, 3, german), QStringLiteral("+2,000000"));
    }

    void parseTextFollowsTheLocale() {
        const QLocale german(QLocale::German, QLocale::Germany);
        const QLocale c = QLocale::c();
        QCOMPARE(CUtils::ParseText(QStringLiteral("12,75 bar"), german), 12.75);
        QCOMPARE(CUtils::ParseText(QStringLiteral("12,75"), c), 12.0);
        QCOMPARE(CUtils::ParseText(QStringLiteral("12.75"), german), 12.0);
        QCOMPARE(CUtils::ParseText(QStringLiteral("  -3.5e2x"), c), -350.0);
        QCOMPARE(CUtils::ParseText(QStringLiteral("+,5"), german), 0.5);
        QCOMPARE(CUtils::ParseText(QStringLiteral(""), c), 0.0);
        QCOMPARE(CUtils::ParseText(QStringLiteral("bar"), c), 0.0);
        QCOMPARE(CUtils::ParseText(QStringLiteral("-"), c), 0.0);
        QCOMPARE(CUtils::ParseText(QStringLiteral("7e"), c), 7.0);
        QCOMPARE(CUtils::ParseText(QStringLiteral("0x1A"), c), 0.0); // decimal only
        QCOMPARE(CUtils::ParseText(QStringLiteral("inf"), c), 0.0);
        QVERIFY(std::isinf(CUtils::ParseText(QStringLiteral("1e999"), c)));
    }

    void replyValues_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("value");
        QTest::newRow("+012341") << QByteArray("+012341") << -1 << 123.4;
        QTest::newRow("-000502") << QByteArray("-000502") << -1 << -0.5;
        QTest::newRow("digit 9 counts as 0") << QByteArray("+012349") << -1 << 1234.0;
        QTest::newRow("given decimals win") << QByteArray("+012341") << 3 << 1.234;
        QTest::newRow("span factor") << QByteArray("+098004") << -1 << 0.98;
        QTest::newRow("length above 20 gives 0") << QByteArray("+0000000000000000001") << -1 << 0.0;
        QTest::newRow("length 20 still decodes") << QByteArray("+00000000000000051") << -1 << 0.5;
    }

    void replyValues() {
        QFETCH(QByteArray, data);
        QFETCH(int, decimals);
        QFETCH(double, value);
        QCOMPARE(CUtils::ParseReplyValue(Frame(data), decimals), value);
    }

    void replySigned16() {
        QCOMPARE(CUtils::ParseReplySigned16(Frame("+655350"), -1), -1.0);
        QCOMPARE(CUtils::ParseReplySigned16(Frame("+655351"), -1), -0.1);
        QCOMPARE(CUtils::ParseReplySigned16(Frame("+327670"), -1), 32767.0);
        QCOMPARE(CUtils::ParseReplySigned16(Frame("+327680"), -1), -32768.0);
        QCOMPARE(CUtils::ParseReplySigned16(Frame("+002151"), -1), 21.5);
        // -3 °C: the word is made signed before the decimals divide it.
        QCOMPARE(CUtils::ParseReplySigned16(Frame("+655061"), -1), -3.0);
    }

    void replyTooShortForItsDigitIsAProgramError() {
        QVERIFY_THROWS_EXCEPTION(CProgramError, CUtils::ParseReplyValue(QByteArray(), -1));
        QVERIFY_THROWS_EXCEPTION(CProgramError, CUtils::ParseReplyValue(QByteArray("\x02"), -1));
        // Length byte 9 but only 6 characters arrived.
        QVERIFY_THROWS_EXCEPTION(CProgramError, CUtils::ParseReplyValue(QByteArray("\x02\x09+0012"), -1));
        // With the decimals given, a short frame is read only as far as it goes.
        QCOMPARE(CUtils::ParseReplyValue(QByteArray("\x02\x09+0012"), 1), 1.2);
    }

    void decimalsOfADamagedFileNeitherHangNorOverflow() {
        // A document file may hold any decimals: scaling and printing with them must neither walk 2^31 steps
        // nor overflow.
        QElapsedTimer elapsed;
        elapsed.start();
        QVERIFY(std::isinf(CUtils::PowerOfTen(std::numeric_limits<int>::max())));
        float value = 1.5f;
        CUtils::RoundFloat(value, std::numeric_limits<int>::max());
        QCOMPARE(value, 1.5f);
        QCOMPARE(CUtils::PowerOfTen(308), 1e308);
        QCOMPARE(CUtils::FormatSigned(0.5, 0, std::numeric_limits<int>::max(), QLocale::c()),
                 QStringLiteral("+0.") + QString(100, QLatin1Char('0')).replace(0, 1, QLatin1Char('5')));
        QVERIFY(elapsed.elapsed() < 500);
    }

private:
    /// A reply frame around data, checksum and ETX included.
    static QByteArray Frame(const QByteArray& data) {
        QByteArray frame("\x02");
        frame.append(static_cast<char>(data.size() + 2));
        frame.append(data);
        frame.append('\0');
        frame.append('\x03');
        return frame;
    }
};

QTEST_GUILESS_MAIN(UtilsTest)
#include "UtilsTest.moc"
