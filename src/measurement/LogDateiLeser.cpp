#include "measurement/LogDateiLeser.h"

#include "document/Windows1252.h"

#include <algorithm>
#include <cmath>

CLogDateiLeser::CLogDateiLeser(CLogFormat format)
    : m_format(std::move(format)) {}

bool CLogDateiLeser::Open(const QString& path) {
    m_file.close();
    m_file.setFileName(path);
    m_samples.clear();
    m_nSkipped = 0;
    m_nBytesRead = 0;
    m_bDone = !m_file.open(QIODevice::ReadOnly);
    m_nFileSize = m_bDone ? 0 : m_file.size();
    return !m_bDone;
}

bool CLogDateiLeser::Step(int nMaxLines) {
    for (int i = 0; i < nMaxLines && !m_bDone; ++i) {
        if (m_file.atEnd()) {
            m_bDone = true;
            break;
        }
        const QByteArray bytes = m_file.readLine();
        m_nBytesRead += bytes.size();
        const QString line = CWindows1252::ToUnicode(bytes).trimmed();
        if (line.isEmpty()) {
            continue;
        }
        if (const std::optional<CTrendModel::Sample> sample = ParseLine(line)) {
            m_samples.push_back(*sample);
            const QString value = line.section(QLatin1Char(';'), 2, 2).trimmed();
            const qsizetype nPoint = value.indexOf(m_format.DecimalPoint());
            if (nPoint >= 0) {
                m_nDecimals = std::max(m_nDecimals, static_cast<int>(value.size() - nPoint - 1));
            }
        } else {
            ++m_nSkipped;
        }
    }
    if (m_bDone) {
        m_file.close();
    }
    return !m_bDone;
}

bool CLogDateiLeser::IsDone() const {
    return m_bDone;
}

bool CLogDateiLeser::ReadAll(const QString& path) {
    if (!Open(path)) {
        return false;
    }
    while (Step()) {
    }
    return true;
}

std::optional<double> CLogDateiLeser::ParseNumber(const QString& text) const {
    QString plain = text.trimmed();
    if (m_format.DecimalPoint() != QLatin1Char('.')) {
        if (plain.contains(QLatin1Char('.'))) {
            return std::nullopt; // another locale's number: reading it would shift the point
        }
        plain.replace(m_format.DecimalPoint(), QLatin1Char('.'));
    }
    bool bOk = false;
    const double value = QLocale::c().toDouble(plain, &bOk);
    if (!bOk || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<CTrendModel::Sample> CLogDateiLeser::ParseLine(const QString& line) const {
    const QStringList fields = line.split(QLatin1Char(';'));
    if (fields.size() != 3 && fields.size() != 4) {
        return std::nullopt;
    }
    const QString dateText = fields.at(0).trimmed();
    if (dateText != m_lastDateText) {
        m_lastDate = m_format.Locale().toDate(dateText, m_format.DateFormat());
        m_lastDateText = dateText;
    }
    const QTime clock = m_format.Locale().toTime(fields.at(1).trimmed(), m_format.TimeFormat());
    if (!m_lastDate.isValid() || !clock.isValid()) {
        return std::nullopt;
    }
    const QDateTime time(m_lastDate, clock);
    const std::optional<double> messwert = ParseNumber(fields.at(2));
    if (!messwert) {
        return std::nullopt;
    }
    CTrendModel::Sample sample;
    sample.nMs = time.toMSecsSinceEpoch();
    sample.messwert = *messwert;
    if (fields.size() == 4) {
        sample.temperatur = ParseNumber(fields.at(3));
        if (!sample.temperatur) {
            return std::nullopt;
        }
    }
    return sample;
}
