#include "document/ArchiveReader.h"

#include "document/Windows1252.h"

#include <QString>
#include <bit>

namespace {

constexpr quint64 kByteEscape = 0xFF;
constexpr quint64 kUtf16Marker = 0xFFFE;

} // namespace

CArchiveReader::CArchiveReader(QByteArrayView bytes)
    : m_bytes(bytes) {}

bool CArchiveReader::Take(qsizetype count, QByteArrayView& out) {
    if (m_bFailed || count < 0 || count > Remaining()) {
        m_bFailed = true;
        return false;
    }
    out = m_bytes.sliced(m_nPos, count);
    m_nPos += count;
    return true;
}

bool CArchiveReader::ReadUnsigned(int size, quint64& value) {
    QByteArrayView bytes;
    if (!Take(size, bytes)) {
        return false;
    }
    value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[i]);
    }
    return true;
}

bool CArchiveReader::Read(qint32& value) {
    quint64 raw = 0;
    if (!ReadUnsigned(4, raw)) {
        return false;
    }
    value = static_cast<qint32>(static_cast<quint32>(raw));
    return true;
}

bool CArchiveReader::Read(qint16& value) {
    quint64 raw = 0;
    if (!ReadUnsigned(2, raw)) {
        return false;
    }
    value = static_cast<qint16>(static_cast<quint16>(raw));
    return true;
}

bool CArchiveReader::Read(float& value) {
    quint64 raw = 0;
    if (!ReadUnsigned(4, raw)) {
        return false;
    }
    value = std::bit_cast<float>(static_cast<quint32>(raw));
    return true;
}

bool CArchiveReader::ReadLength(quint64& length, bool& utf16) {
    utf16 = false;
    if (!ReadUnsigned(1, length)) {
        return false;
    }
    if (length < kByteEscape) {
        return true;
    }
    if (!ReadUnsigned(2, length)) {
        return false;
    }
    if (length == kUtf16Marker) {
        // UTF-16 text: a whole prefix follows, in which a second marker is no longer special.
        utf16 = true;
        if (!ReadUnsigned(1, length)) {
            return false;
        }
        if (length < kByteEscape) {
            return true;
        }
        if (!ReadUnsigned(2, length)) {
            return false;
        }
    }
    return length < kUtf16Marker || ReadUnsigned(4, length);
}

bool CArchiveReader::Read(QByteArray& text) {
    quint64 length = 0;
    bool utf16 = false;
    if (!ReadLength(length, utf16)) {
        return false;
    }
    const quint64 size = utf16 ? 2 * length : length;
    QByteArrayView bytes;
    if (size > static_cast<quint64>(Remaining()) || !Take(static_cast<qsizetype>(size), bytes)) {
        m_bFailed = true;
        return false;
    }
    if (!utf16) {
        text = bytes.toByteArray();
        return true;
    }
    QString unicode;
    unicode.reserve(static_cast<qsizetype>(length));
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const auto low = static_cast<unsigned char>(bytes[i]);
        const auto high = static_cast<unsigned char>(bytes[i + 1]);
        unicode.append(QChar(static_cast<char16_t>(low | (high << 8))));
    }
    text = CWindows1252::FromUnicode(unicode);
    return true;
}
