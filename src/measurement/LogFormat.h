#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QString>

/// The line of the measured-value log: "date;time;value" or, for the types with a temperature,
/// "date;time;value;temperature", ended by CR LF. Date and time follow the user's locale (its short date
/// and its time with seconds), numbers carry a sign, are zero-padded to six characters and take the
/// locale's decimal separator. The forms are given explicitly where a test or another tool needs them
/// fixed; the program takes them from the system locale once at start.
class CLogFormat {
public:
    static constexpr int kNumberWidth = 6;

    /// Date and time in Qt format strings; the decimal separator of the numbers.
    CLogFormat(QString dateFormat, QString timeFormat, QChar decimalPoint);
    /// The forms of a locale: its short date with a four-digit year, its long time without the time zone.
    static CLogFormat FromLocale(const QLocale& locale);

    QString Date(const QDateTime& time) const;
    /// Also the "letzte Messung" of the logging window.
    QString Time(const QDateTime& time) const;
    /// "%+06.*f": 1.5 with three decimals is +1.500, -7 with none is -00007.
    QString Number(double value, int precision) const;
    /// One whole line, CR LF included, in the 8-bit code page of the program's files.
    QByteArray Line(const QDateTime& time, double messwert, double temperatur, int nTyp, int precision) const;

    const QString& DateFormat() const { return m_dateFormat; }
    const QString& TimeFormat() const { return m_timeFormat; }
    QChar DecimalPoint() const { return m_decimalPoint; }
    const QLocale& Locale() const { return m_locale; }

private:
    QString m_dateFormat;
    QString m_timeFormat;
    QChar m_decimalPoint;
    QLocale m_locale;
};
