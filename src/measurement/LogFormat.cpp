#include "measurement/LogFormat.h"

#include "base/Utils.h"
#include "document/Windows1252.h"
#include "measurement/MessAnzeige.h"

#include <QRegularExpression>

CLogFormat::CLogFormat(QString dateFormat, QString timeFormat, QChar decimalPoint)
    : m_dateFormat(std::move(dateFormat))
    , m_timeFormat(std::move(timeFormat))
    , m_decimalPoint(decimalPoint)
    , m_locale(QLocale::c()) {}

CLogFormat CLogFormat::FromLocale(const QLocale& locale) {
    // The long time form names the time zone; a log line has no room for it, but keeps the seconds.
    QString time = locale.timeFormat(QLocale::LongFormat);
    time.remove(QRegularExpression(QStringLiteral("\\s*t+\\s*")));
    // A log outlives its century: the year always has four digits, as the system's own date form gives it.
    QString date = locale.dateFormat(QLocale::ShortFormat);
    if (!date.contains(QStringLiteral("yyyy"))) {
        date.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    }
    const QString point = locale.decimalPoint();
    CLogFormat format(date, time.trimmed(), point.size() == 1 ? point.at(0) : QLatin1Char('.'));
    format.m_locale = locale;
    return format;
}

QString CLogFormat::Date(const QDateTime& time) const {
    return m_locale.toString(time.date(), m_dateFormat);
}

QString CLogFormat::Time(const QDateTime& time) const {
    return m_locale.toString(time.time(), m_timeFormat);
}

QString CLogFormat::Number(double value, int precision) const {
    QString text = CUtils::FormatSigned(value, 0, precision, QLocale::c());
    // The sign stays in front; zeros fill up to the width behind it.
    if (text.size() < kNumberWidth) {
        text.insert(1, QString(kNumberWidth - text.size(), QLatin1Char('0')));
    }
    text.replace(QLatin1Char('.'), m_decimalPoint);
    return text;
}

QByteArray CLogFormat::Line(const QDateTime& time, double messwert, double temperatur, int nTyp,
                            int precision) const {
    QString line =
        Date(time) + QLatin1Char(';') + Time(time) + QLatin1Char(';') + Number(messwert, precision);
    if (CMessAnzeige::HasTemperatur(nTyp)) {
        line += QLatin1Char(';') + Number(temperatur, 1);
    }
    line += QStringLiteral("\r\n");
    return CWindows1252::FromUnicode(line);
}
