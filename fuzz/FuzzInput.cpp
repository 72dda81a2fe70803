#include "FuzzInput.h"

#include <bit>

CFuzzInput::CFuzzInput(const uint8_t* data, size_t size)
    : m_bytes(data, static_cast<qsizetype>(size)) {}

quint32 CFuzzInput::Unsigned(int size) {
    quint32 value = 0;
    for (int i = 0; i < size; ++i) {
        const quint32 byte = m_nPos < m_bytes.size() ? static_cast<quint8>(m_bytes[m_nPos]) : 0;
        value |= byte << (8 * i);
        ++m_nPos;
    }
    return value;
}

quint8 CFuzzInput::U8() {
    return static_cast<quint8>(Unsigned(1));
}

qint16 CFuzzInput::I16() {
    return static_cast<qint16>(static_cast<quint16>(Unsigned(2)));
}

qint32 CFuzzInput::I32() {
    return static_cast<qint32>(Unsigned(4));
}

float CFuzzInput::F32() {
    return std::bit_cast<float>(Unsigned(4));
}

QByteArray CFuzzInput::Rest(qsizetype maxCount) {
    const qsizetype start = qMin(m_nPos, m_bytes.size());
    const qsizetype available = m_bytes.size() - start;
    const qsizetype count = maxCount < 0 ? available : qMin(maxCount, available);
    m_nPos = start + count;
    return m_bytes.sliced(start, count).toByteArray();
}
