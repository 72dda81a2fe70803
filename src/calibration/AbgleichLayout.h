#pragma once

#include "base/TypKatalog.h"
#include "document/Abgleichdaten.h"

#include <QByteArray>
#include <QList>

/// Where the calibration record lives in the transmitter's calibration words. Types 2 to 9 share one
/// layout (47 words, 48 with the extended function set), the VN62 continues it with its second input
/// and output (75 words), the KA71 has its own shorter one (44 words). A 32-bit field holding a word
/// keeps its low 16 bits, a float takes two words (low word first), the serial text eight words with
/// the earlier character in the low byte.
class CAbgleichLayout {
public:
    /// The form of a type's record; types of the same form can take each other's records. RX93: no record
    /// of this kind.
    using Form = CTypKatalog::AbgleichForm;

    static Form FormOf(int nTyp);
    /// Whether the type keeps a calibration record of this kind at all.
    static bool HasRecord(int nTyp);

    /// Words the record occupies.
    static int WordCount(int nTyp, bool bErweitert);
    /// Words a read fetches: more than the record uses for most types; the rest are read and ignored.
    static int ReadCount(int nTyp, bool bErweitert);

    /// The record's words in memory order. Word 36 (34 on the KA71) carries the parametrization enable
    /// a second time.
    static QList<quint16> ToWords(const CAbgleichdaten& record, int nTyp, bool bErweitert);
    /// Fills the record from the leading words; false (record unchanged) when too few words are given.
    /// The second parametrization enable goes to the spare word.
    static bool FromWords(const QList<quint16>& words, int nTyp, bool bErweitert, CAbgleichdaten& record);
    /// The block image: each word as four uppercase hex digits, low byte first.
    static QByteArray BlockImage(const CAbgleichdaten& record, int nTyp, bool bErweitert);
};
