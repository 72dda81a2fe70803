#include "document/ArchiveWriter.h"

#include <bit>

namespace {

constexpr quint64 kByteEscape = 0xFF;
constexpr quint64 kWordLimit = 0xFFFE;
constexpr quint64 kWordEscape = 0xFFFF;

} // namespace

void CArchiveWriter::WriteUnsigned(int size, quint64 value) {
    for (int i = 0; i < size; ++i) {
        m_bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

void CArchiveWriter::Write(qint32 value) {
    WriteUnsigned(4, static_cast<quint32>(value));
}

void CArchiveWriter::Write(qint16 value) {
    WriteUnsigned(2, static_cast<quint16>(value));
}

void CArchiveWriter::Write(float value) {
    WriteUnsigned(4, std::bit_cast<quint32>(value));
}

void CArchiveWriter::Write(const QByteArray& text) {
    const auto length = static_cast<quint64>(text.size());
    if (length < kByteEscape) {
        WriteUnsigned(1, length);
    } else if (length < kWordLimit) {
        WriteUnsigned(1, kByteEscape);
        WriteUnsigned(2, length);
    } else {
        WriteUnsigned(1, kByteEscape);
        WriteUnsigned(2, kWordEscape);
        WriteUnsigned(4, length);
    }
    m_bytes.append(text);
}
