#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QLocale>
#include <QString>

/// The stateless rounding, hex and number-text helpers that every payload and reply goes through. Every
/// caller must get the same text, digit for digit, so there is exactly one implementation of each.
///
/// Rounding is half away from zero everywhere, also where a value is printed (the earlier program's
/// run-time printed 0.5 as 1; the C library here would print 0). Hex digits are upper-case. Texts on the
/// wire are 8-bit (QByteArray); only texts a person types or reads take a locale.
class CUtils {
public:
    /// n <= 0: value unchanged, result 0. Otherwise value = k / 10^n with k = value x 10^n (single
    /// precision) rounded half away from zero; returns k. A product beyond the 32-bit range leaves the
    /// value unrounded and returns the saturated k.
    static int RoundFloat(float& value, int n);
    /// As RoundFloat in double precision.
    static void RoundDouble(double& value, int n);
    /// Rounds to one decimal.
    static float RoundTenths(float value);
    /// x rounded half away from zero to an integer (saturated to the 32-bit range, NaN gives 0).
    static qint32 RoundToInt(double x);

    /// The low 16 bits read as a signed number.
    static float ShortToFloat(qint32 value);
    static float IntToFloat(qint32 value);

    /// Value of a hex digit: c - '0' up to '9', otherwise c - 'A' + 10 (upper-case letters only).
    static int HexDigitValue(char c);
    static QByteArray ByteToHex(quint8 value);
    /// "3412" for 0x1234: the low byte's two digits, then the high byte's.
    static QByteArray WordToHexLowFirst(quint16 value);
    /// "1234" for 0x1234.
    static QByteArray WordToHexHighFirst(quint16 value);
    /// Eight digits, least significant byte first, each byte high nibble first.
    static QByteArray DwordToHexLowFirst(quint32 value);
    /// The first 4 (2, 8) characters as a number, first character most significant. A text shorter than
    /// that is a program error (CProgramError), never read beyond its end.
    static quint16 HexCharsToWord(QByteArrayView text);
    static quint8 HexToByte(QByteArrayView text);
    static quint16 HexToWord(QByteArrayView text);
    static quint32 HexToDword(QByteArrayView text);

    /// x saturated to +-32000 (true: it had to be, overflow), else truncated toward zero (false). NaN
    /// counts as overflow and gives 0.
    static bool ClampToShort(double x, qint16& out);

    /// The request form of a number: x multiplied by 10 n times in single precision (n outside 0..4
    /// counts as 0), rounded to an integer and printed with a sign and zero-padded to six characters:
    /// 12.5 with n = 1 is "+00125", -0.25 with n = 2 is "-00025", 123456 with n = 0 is "+123456".
    static QByteArray FormatScaled(float x, int n);
    /// "%+*.*f" of x with the locale's decimal separator; a negative width or precision gives "%+f", a
    /// precision above 100 counts as 100.
    static QString FormatSigned(double x, int width, int precision, const QLocale& locale);
    /// The leading decimal number of a text (sign, digits, the locale's decimal separator, exponent);
    /// 0 for an empty text or one that does not start with a number.
    static double ParseText(const QString& text, const QLocale& locale);
    /// ParseText for 8-bit wire text, where the decimal separator is a point.
    static double ParseText(QByteArrayView text);

    /// A reply frame's number: the L - 3 characters from position 2, divided by 10 n times. n = -1 takes
    /// n from the frame's last data character (position L - 1); a frame too short for that is a program
    /// error. n outside 0..4 counts as 0; a length byte above 20 gives 0.
    static double ParseReplyValue(QByteArrayView frame, int n = -1);
    /// As ParseReplyValue, with an integer text of 32768 or more read as a negative 16-bit number.
    static double ParseReplySigned16(QByteArrayView frame, int n = -1);

    /// 10 to the power n by repeated multiplication; 1 for n <= 0, infinite from n = 309 on.
    static double PowerOfTen(int n);

private:
    static quint32 HexDigits(QByteArrayView text, int count);
    static int ReplyDecimals(QByteArrayView frame, int n);
    static QByteArrayView ReplyNumberText(QByteArrayView frame);
    static QByteArray FormatFixed(double x, int precision);
};
