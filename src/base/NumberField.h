#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <optional>

/// Reading and wording the numbers a person types into a dialog. Texts are read in the program locale
/// (its decimal separator, no group separators, blanks around the number ignored); the range messages
/// print their bounds with up to 6 significant digits in the same locale.
class CNumberField {
    Q_DECLARE_TR_FUNCTIONS(CNumberField)

public:
    /// The number a text holds, or nothing for an empty text, a text that is not wholly a number, or a
    /// number that is not finite.
    static std::optional<double> Parse(const QString& text, const QLocale& locale);
    /// A whole number, or nothing (also for "1,5").
    static std::optional<int> ParseInt(const QString& text, const QLocale& locale);

    /// Up to 6 significant digits, the way the dialogs show floats (or as many as asked for).
    static QString Format(double value, const QLocale& locale, int significantDigits = 6);
    /// value with exactly precision decimals (0 to 10), right-aligned to width characters ("%*.*f").
    static QString FormatFixed(double value, int width, int precision, const QLocale& locale);
    /// value with exactly decimals decimals, without group separators ("2500", never "2.500", which a
    /// German reader takes for two and a half), and a value that rounds to zero without its sign.
    static QString Fixed(double value, int decimals, const QLocale& locale);

    /// A float field within [lo, hi]: the message of the first failure, or nothing with the value set.
    /// The value is taken as the float the field holds, so that bounds like 0.4 compare as stored.
    static std::optional<QString> CheckFloat(const QString& text, float lo, float hi, const QLocale& locale,
                                             float& value);
    /// A whole number field within [lo, hi].
    static std::optional<QString> CheckInt(const QString& text, int lo, int hi, const QLocale& locale,
                                           int& value);
    /// A text of at most nMax characters.
    static std::optional<QString> CheckLength(const QString& text, int nMax);

    static QString MsgZahl();
    static QString MsgZahlZwischen(double lo, double hi, const QLocale& locale);
    static QString MsgGanzeZahlZwischen(int lo, int hi, const QLocale& locale);
    static QString MsgZuLang(int nMax);

private:
    static QLocale Strict(const QLocale& locale);
};
