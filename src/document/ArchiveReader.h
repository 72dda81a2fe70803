#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

/// Reads the items of a document file: little-endian numbers of fixed size and length-prefixed texts.
/// Made for bytes from anywhere: every read checks the bytes that remain first, and a text length is
/// checked against them before anything is allocated. After the first failed read every further read
/// fails too, so a loader can read on and check once at the end.
class CArchiveReader {
public:
    explicit CArchiveReader(QByteArrayView bytes);

    bool Read(qint32& value);
    bool Read(qint16& value);
    /// The bits as stored, so a value reads back bit for bit.
    bool Read(float& value);
    /// A text in the 8-bit code page. The prefix: one byte below 0xFF; else 0xFF and a 16-bit length
    /// below 0xFFFE; else 0xFF 0xFF 0xFF and a 32-bit length. 0xFF 0xFE 0xFF in front of a prefix marks
    /// UTF-16 text, which is converted to the code page.
    bool Read(QByteArray& text);

    bool Failed() const { return m_bFailed; }
    qsizetype Remaining() const { return m_bytes.size() - m_nPos; }

private:
    /// The next count bytes, or an empty view and the failed state when fewer remain.
    bool Take(qsizetype count, QByteArrayView& out);
    bool ReadUnsigned(int size, quint64& value);
    bool ReadLength(quint64& length, bool& utf16);

    QByteArrayView m_bytes;
    qsizetype m_nPos = 0;
    bool m_bFailed = false;
};
