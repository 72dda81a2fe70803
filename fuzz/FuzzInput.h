#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

/// Reads a fuzz input from the front: a fixed header of little-endian numbers, then the rest as the
/// bytes under test. A header cut short reads as zeros. Unlike libFuzzer's own data provider this keeps
/// the seed files easy to write by hand and by scripts/make-fuzz-seeds.py: header first, reply after it.
class CFuzzInput {
public:
    CFuzzInput(const uint8_t* data, size_t size);

    quint8 U8();
    qint16 I16();
    qint32 I32();
    /// The bits of a single-precision number as they come, NaN and infinities included.
    float F32();
    /// At most maxCount of the remaining bytes (all of them for a negative count).
    QByteArray Rest(qsizetype maxCount = -1);
    bool AtEnd() const { return m_nPos >= m_bytes.size(); }

private:
    quint32 Unsigned(int size);

    QByteArrayView m_bytes;
    qsizetype m_nPos = 0;
};
