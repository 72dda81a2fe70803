#pragma once

#include <QByteArray>

class CQuillonDoc;

/// The memory images that the send writes into transmitters of types 2 to 10: the parameter area and
/// the linearization table area, as upper-case hex text. A word is 4 digits low byte first, a long 8
/// digits from the lowest byte to the highest; values are rounded half away from zero.
class CBlockImage {
public:
    static constexpr int kParameterBlockLaenge = 92;
    static constexpr int kParameterBlockKA71Laenge = 104;
    static constexpr int kLinTabBlockLaenge = 484;

    explicit CBlockImage(const CQuillonDoc& doc);

    /// Types 2 to 9.
    QByteArray BuildParameterBlock() const;
    /// KA71: the set range on the 0 to 10000 scale of the display range, then its own extra values.
    QByteArray BuildParameterBlockKA71() const;
    /// Types 2 to 9: all 30 points whatever the count, currents and set range positions on 0 to 100000.
    QByteArray BuildLinTabBlock() const;
    /// KA71: all 30 points as the integers they hold.
    QByteArray BuildLinTabBlockKA71() const;

private:
    static QByteArray Word(qint32 value);
    static QByteArray Long(qint32 value);
    /// The 20 tag characters the transmitter holds. A shorter tag (possible only from a document
    /// file) is padded with blanks, as the transmitter pads it itself, rather than refusing the send.
    QByteArray Bezeichnung() const;
    /// Damping, corrections, current limits and keyboard lock: the part both layouts share.
    QByteArray GemeinsameWorte() const;

    const CQuillonDoc& m_doc;
};
