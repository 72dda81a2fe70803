#include "calibration/AbgleichLayout.h"

#include "base/Utils.h"

#include <cstring>
#include <type_traits>

namespace {

constexpr int kWordsZweiLeiter = 47;
constexpr int kWordsVN62 = 75;
constexpr int kWordsKA71 = 44;
constexpr int kReadZweiLeiter = 94;
constexpr int kReadVN62 = 150;
constexpr int kReadKA71 = 44;
constexpr int kReadOther = 83;

/// Appends the record's fields as words.
class CWordWriter {
public:
    void Word(quint16 value) { words.append(value); }
    void Int32(const qint32& value) { Word(static_cast<quint16>(value & 0xFFFF)); }
    void Signed(const qint16& value) { Word(static_cast<quint16>(value)); }
    void Unsigned(const quint16& value) { Word(value); }
    void Float(const float& value) {
        quint32 bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        Word(static_cast<quint16>(bits & 0xFFFF));
        Word(static_cast<quint16>(bits >> 16));
    }
    void Text(const std::array<char, 16>& text) {
        for (std::size_t i = 0; i < text.size(); i += 2) {
            Word(
                static_cast<quint16>(static_cast<quint8>(text[i]) | (static_cast<quint8>(text[i + 1]) << 8)));
        }
    }
    void Copy(const quint16& source, const quint16&) { Word(source); }

    QList<quint16> words;
};

/// Takes the record's fields from words in the same order.
class CWordReader {
public:
    explicit CWordReader(const QList<quint16>& source)
        : m_words(source) {}
    quint16 Word() { return m_words.at(m_nNext++); }
    void Int32(qint32& value) { value = Word(); }
    void Signed(qint16& value) { value = static_cast<qint16>(Word()); }
    void Unsigned(quint16& value) { value = Word(); }
    void Float(float& value) {
        const quint32 low = Word();
        const quint32 bits = low | (static_cast<quint32>(Word()) << 16);
        std::memcpy(&value, &bits, sizeof value);
    }
    void Text(std::array<char, 16>& text) {
        for (std::size_t i = 0; i < text.size(); i += 2) {
            const quint16 word = Word();
            text[i] = static_cast<char>(word & 0xFF);
            text[i + 1] = static_cast<char>(word >> 8);
        }
    }
    void Copy(const quint16&, quint16& target) { target = Word(); }

private:
    const QList<quint16>& m_words;
    int m_nNext = 0;
};

template <class Io, class Array>
void Each(Io& io, Array& values) {
    for (auto& value : values) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, float>) {
            io.Float(value);
        } else {
            io.Int32(value);
        }
    }
}

/// Inputs, outputs and the first two temperature readings open every record.
template <class Io, class Record>
void WalkInputsAndOutputs(Io& io, Record& r) {
    Each(io, r.m_nAdc);
    Each(io, r.m_nDac);
    io.Int32(r.m_nTemperaturAdc[0]);
    io.Int32(r.m_nTemperaturAdc[1]);
}

/// Decimals, range, gain, unit, release, temperature coefficients and serial number follow in every
/// record in this order; only the factory correction in front of them differs.
template <class Io, class Record>
void WalkRangeToSerialNumber(Io& io, Record& r) {
    io.Unsigned(r.m_nKommaPos);
    io.Signed(r.m_nBereichAnfang);
    io.Signed(r.m_nBereichEnde);
    io.Unsigned(r.m_nGain);
    io.Unsigned(r.m_nAbglEinheit);
    io.Unsigned(r.m_nEnableParametrierung);
    Each(io, r.m_fTkOffset);
    Each(io, r.m_fTkSpanne);
    io.Copy(r.m_nEnableParametrierung, r.m_nReserve);
    io.Text(r.m_szSeriennummer);
}

template <class Io, class Record>
void WalkKA71(Io& io, Record& r) {
    WalkInputsAndOutputs(io, r);
    WalkRangeToSerialNumber(io, r);
    io.Int32(r.m_nTemperaturAdc[2]);
}

template <class Io, class Record>
void WalkZweiLeiter(Io& io, Record& r, CAbgleichLayout::Form form, bool bErweitert) {
    WalkInputsAndOutputs(io, r);
    io.Signed(r.m_nWerksOffset);
    io.Unsigned(r.m_nWerksSpanne);
    WalkRangeToSerialNumber(io, r);
    io.Signed(r.m_nAbglBereichAnfang);
    io.Signed(r.m_nAbglBereichEnde);
    if (form == CAbgleichLayout::Form::VN62) {
        // The VN62's second input and output follow its first; it has no third temperature reading.
        Each(io, r.m_nAdc2);
        Each(io, r.m_nDac2);
        Each(io, r.m_fTkOffset2);
        Each(io, r.m_fTkSpanne2);
        io.Signed(r.m_nWerksOffset2);
        io.Unsigned(r.m_nWerksSpanne2);
    } else if (bErweitert) {
        io.Int32(r.m_nTemperaturAdc[2]);
    }
}

template <class Io, class Record>
void Walk(Io& io, Record& record, int nTyp, bool bErweitert) {
    const CAbgleichLayout::Form form = CAbgleichLayout::FormOf(nTyp);
    if (form == CAbgleichLayout::Form::KA71) {
        WalkKA71(io, record);
    } else {
        WalkZweiLeiter(io, record, form, bErweitert);
    }
}

} // namespace

CAbgleichLayout::Form CAbgleichLayout::FormOf(int nTyp) {
    return CTypKatalog::AbgleichFormOf(nTyp);
}

bool CAbgleichLayout::HasRecord(int nTyp) {
    return FormOf(nTyp) != Form::RX93;
}

int CAbgleichLayout::WordCount(int nTyp, bool bErweitert) {
    switch (FormOf(nTyp)) {
    case Form::KA71:
        return kWordsKA71;
    case Form::VN62:
        return kWordsVN62;
    case Form::RX31:
    case Form::RX93:
        break;
    }
    return bErweitert ? kWordsZweiLeiter + 1 : kWordsZweiLeiter;
}

int CAbgleichLayout::ReadCount(int nTyp, bool bErweitert) {
    switch (FormOf(nTyp)) {
    case Form::KA71:
        return kReadKA71;
    case Form::VN62:
        return kReadVN62;
    case Form::RX31:
        return bErweitert ? kReadZweiLeiter + 2 : kReadZweiLeiter;
    case Form::RX93:
        break;
    }
    return kReadOther;
}

QList<quint16> CAbgleichLayout::ToWords(const CAbgleichdaten& record, int nTyp, bool bErweitert) {
    CWordWriter writer;
    Walk(writer, record, nTyp, bErweitert);
    return writer.words;
}

bool CAbgleichLayout::FromWords(const QList<quint16>& words, int nTyp, bool bErweitert,
                                CAbgleichdaten& record) {
    if (words.size() < WordCount(nTyp, bErweitert)) {
        return false;
    }
    CAbgleichdaten decoded = record;
    CWordReader reader(words);
    Walk(reader, decoded, nTyp, bErweitert);
    record = decoded;
    return true;
}

QByteArray CAbgleichLayout::BlockImage(const CAbgleichdaten& record, int nTyp, bool bErweitert) {
    QByteArray image;
    for (const quint16 word : ToWords(record, nTyp, bErweitert)) {
        image += CUtils::WordToHexLowFirst(word);
    }
    return image;
}
