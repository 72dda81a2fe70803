#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

/// Writes the items of a document file: little-endian numbers of fixed size and texts with the length
/// prefix the reader understands (never UTF-16: texts stay in the 8-bit code page).
class CArchiveWriter {
public:
    void Write(qint32 value);
    void Write(qint16 value);
    /// The bits as held, so a value reads back bit for bit.
    void Write(float value);
    /// Prefix: n below 255 as one byte; below 65534 as 0xFF and 2 bytes; else 0xFF 0xFF 0xFF and 4 bytes.
    void Write(const QByteArray& text);

    const QByteArray& Bytes() const { return m_bytes; }

private:
    void WriteUnsigned(int size, quint64 value);

    QByteArray m_bytes;
};
