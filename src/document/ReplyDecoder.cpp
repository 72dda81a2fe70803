#include "document/ReplyDecoder.h"

#include "base/TypKatalog.h"
#include "base/Utils.h"
#include "core/Operator.h"
#include "core/ProgramError.h"
#include "document/QuillonDoc.h"

#include <string>

namespace {

constexpr char kStx = '\x02';
/// Offset and span replies with a longer frame come from a transmitter that has no such value.
constexpr int kKorrekturMaxLaenge = 30;
/// The first value of a measured-value reply: STX, length byte, six characters and the decimals digit.
constexpr qsizetype kMesswertLaenge = 9;
constexpr qsizetype kSeriennummerLaenge = 13;
/// Types 0 and 1 send three points of two hex words per table block; a reply must reach position 25.
constexpr qsizetype kLinTabBlockLaenge = 26;
constexpr int kLinTabBlockPunkte = 3;
/// Types 2 to 10 send one point as two hex longs at positions 2 and 10.
constexpr qsizetype kLinTabPunktLaenge = 18;
constexpr double kLinTabVoll = 100000.0;

int LengthByte(QByteArrayView reply) {
    return static_cast<unsigned char>(reply[1]);
}

qint16 Low16(qint32 value) {
    return static_cast<qint16>(value);
}

qint16 HexWordSigned(const QByteArray& reply, qsizetype position) {
    return static_cast<qint16>(CUtils::HexToWord(QByteArrayView(reply).sliced(position)));
}

qint32 HexLongSigned(const QByteArray& reply, qsizetype position) {
    return static_cast<qint32>(CUtils::HexToDword(QByteArrayView(reply).sliced(position)));
}

void RequireSize(QByteArrayView reply, qsizetype size, const char* what) {
    if (reply.size() < size) {
        throw CProgramError(std::string(what) + " reply of " + std::to_string(reply.size()) +
                            " characters, " + std::to_string(size) + " needed");
    }
}

} // namespace

CReplyDecoder::CReplyDecoder(CQuillonDoc& doc)
    : m_doc(doc) {}

bool CReplyDecoder::IsFramed(QByteArrayView reply) {
    return !reply.isEmpty() && reply[0] == kStx;
}

bool CReplyDecoder::IsFrameLongerThan(QByteArrayView reply, int limit) {
    return IsFramed(reply) && reply.size() >= 2 && LengthByte(reply) > limit;
}

QByteArray CReplyDecoder::ReplyData(const QByteArray& reply) {
    if (!IsFramed(reply)) {
        return reply;
    }
    if (reply.size() < 2 || LengthByte(reply) < 2 || reply.size() < LengthByte(reply)) {
        throw CProgramError("reply shorter than its length byte says");
    }
    return reply.mid(2, LengthByte(reply) - 2);
}

void CReplyDecoder::RequireNumberFrame(QByteArrayView reply) {
    // At least the decimals digit, and every data character the length byte announces.
    if (reply.size() < 2 || LengthByte(reply) < 3 || reply.size() < LengthByte(reply)) {
        throw CProgramError("number reply shorter than its length byte says");
    }
}

double CReplyDecoder::Number(const QByteArray& reply) {
    if (!IsFramed(reply)) {
        return CUtils::ParseText(reply);
    }
    RequireNumberFrame(reply);
    return CUtils::ParseReplyValue(reply);
}

int CReplyDecoder::Digit(char c) {
    if (c < '0' || c > '9') {
        throw CProgramError(std::string("reply digit expected, got character ") +
                            std::to_string(static_cast<unsigned char>(c)));
    }
    return c - '0';
}

float CReplyDecoder::Rounded(double value, int decimals) {
    auto f = static_cast<float>(value);
    CUtils::RoundFloat(f, decimals);
    return f;
}

void CReplyDecoder::DecodeGrundAnfang(const QByteArray& reply) {
    m_doc.SetGrundAnfang(Rounded(Number(reply), m_doc.GetDezimalstellen()));
}

void CReplyDecoder::DecodeGrundEnde(const QByteArray& reply) {
    m_doc.SetGrundEnde(Rounded(Number(reply), m_doc.GetDezimalstellen()));
}

void CReplyDecoder::DecodeMessAnfang(const QByteArray& reply) {
    const double value = Number(reply);
    const double bereich = m_doc.IsKA71() ? m_doc.FromPerTenThousand(value) : value;
    m_doc.SetMessAnfang(Rounded(bereich, m_doc.GetAnzeigeDezimalstellen()));
}

void CReplyDecoder::DecodeMessEnde(const QByteArray& reply) {
    const double value = Number(reply);
    const double bereich = m_doc.IsKA71() ? m_doc.FromPerTenThousand(value) : value;
    m_doc.SetMessEnde(Rounded(bereich, m_doc.GetAnzeigeDezimalstellen()));
}

void CReplyDecoder::DecodeOffset(const QByteArray& reply) {
    if (IsFrameLongerThan(reply, kKorrekturMaxLaenge)) {
        return;
    }
    const int decimals = m_doc.GetDezimalstellen();
    double value = 0.0;
    if (IsFramed(reply)) {
        RequireNumberFrame(reply);
        value = CUtils::ParseReplyValue(reply, decimals);
    } else {
        value = CUtils::ParseText(reply);
    }
    m_doc.SetOffset(Rounded(value, decimals));
}

void CReplyDecoder::DecodeSpanne(const QByteArray& reply) {
    if (IsFrameLongerThan(reply, kKorrekturMaxLaenge)) {
        return;
    }
    const auto faktor = static_cast<float>(Number(reply));
    float korrektur = 1.0f - faktor;
    CUtils::RoundFloat(korrektur, 4);
    m_doc.SetSpanne(korrektur * 100.0f);
}

void CReplyDecoder::DecodeDaempfung(const QByteArray& reply) {
    m_doc.SetDaempfung(Rounded(Number(reply), 1));
}

void CReplyDecoder::DecodeTempDaempfung(const QByteArray& reply) {
    m_doc.SetTempDaempfung(Rounded(Number(reply), 1));
}

void CReplyDecoder::DecodeStromgrenzeMin(const QByteArray& reply) {
    m_doc.SetStromgrenzeMin(Rounded(Number(reply), 2));
}

void CReplyDecoder::DecodeStromgrenzeMax(const QByteArray& reply) {
    m_doc.SetStromgrenzeMax(Rounded(Number(reply), 2));
}

void CReplyDecoder::DecodeFehlerstrom(const QByteArray& reply) {
    m_doc.SetFehlerstrom(Rounded(Number(reply), 2));
}

void CReplyDecoder::DecodeTastatursperre(const QByteArray& reply) {
    m_doc.SetTastatursperre(Low16(CUtils::RoundToInt(Number(reply))));
}

void CReplyDecoder::DecodeNullpunktsfenster(const QByteArray& reply) {
    m_doc.SetNullpunktsfenster(Low16(CUtils::RoundToInt(Number(reply))));
}

void CReplyDecoder::DecodeTemperatur(const QByteArray& reply) {
    if (!IsFramed(reply)) {
        m_doc.Operator().Message(QStringLiteral("Fail to St Temperatur!"));
        return;
    }
    RequireNumberFrame(reply);
    m_doc.SetTemperatur(Rounded(CUtils::ParseReplySigned16(reply), 1));
}

void CReplyDecoder::DecodeMesswert(const QByteArray& reply) {
    if (!IsFramed(reply)) {
        StoreMesswert(CUtils::ParseText(reply));
        return;
    }
    if (reply.size() <= kMesswertLaenge) {
        throw CProgramError("measured value reply of " + std::to_string(reply.size()) +
                            " characters, more than 9 needed");
    }
    QByteArray first = reply.left(kMesswertLaenge);
    if (CTypKatalog::Has(m_doc.GetTyp(), &CTypKatalog::Typ::bMehrereMesswerte)) {
        // A reply of several values: the first ends with its decimals digit at position 8.
        first[1] = static_cast<char>(kMesswertLaenge);
    }
    StoreMesswert(CUtils::ParseReplyValue(first));
}

void CReplyDecoder::StoreMesswert(double value) {
    const int decimals = m_doc.GetDezimalstellen();
    if (!m_doc.IsKA71()) {
        m_doc.SetMesswert(0, Rounded(value, decimals));
        return;
    }
    // The KA71 reports in range digits; with a linearization table it shows the free range.
    const int anzeige =
        m_doc.GetLinTabAnzahl() != 0 ? m_doc.GetFreiDezimalpunkt() : m_doc.GetAnzeigeDezimalstellen();
    const double scaled = value * CUtils::PowerOfTen(decimals) / CUtils::PowerOfTen(anzeige);
    m_doc.SetMesswert(0, Rounded(scaled, anzeige));
}

void CReplyDecoder::DecodeFreiBereich(const QByteArray& reply, int index) {
    if (index < 0 || index > 4) {
        return;
    }
    const qint32 value = CUtils::RoundToInt(Number(reply));
    switch (index) {
    case 0:
        m_doc.SetAnzeigeEinheit(value);
        break;
    case 1:
        m_doc.SetFreiDezimalpunkt(value);
        break;
    case 2:
        m_doc.SetFreiAnfang(Low16(value));
        break;
    case 3:
        m_doc.SetFreiEnde(Low16(value));
        break;
    default:
        m_doc.SetMedium(value);
        break;
    }
}

void CReplyDecoder::DecodeSeriennummer(const QByteArray& reply) {
    const QByteArray text = ReplyData(reply);
    if (text.size() <= kSeriennummerLaenge) {
        throw CProgramError("serial number reply of " + std::to_string(text.size()) +
                            " characters, more than 13 needed");
    }
    m_doc.SetSeriennummer(text.left(kSeriennummerLaenge));
}

void CReplyDecoder::DecodeBezeichnung(const QByteArray& reply) {
    m_doc.SetBezeichnung(ReplyData(reply));
}

void CReplyDecoder::DecodeDezimalstellen(const QByteArray& reply, int position) {
    if (position < 0) {
        RequireNumberFrame(reply);
        position = LengthByte(reply) - 1;
    }
    RequireSize(reply, position + 1, "decimals");
    m_doc.SetDezimalstellen(Digit(reply[position]));
}

void CReplyDecoder::DecodeEinheit(const QByteArray& reply) {
    const QByteArray data = ReplyData(reply);
    if (m_doc.IsKA71()) {
        RequireSize(data, 2, "KA71 unit");
        const int einheit = Digit(data[0]);
        const int anzeige = Digit(data[1]);
        m_doc.SetEinheit(einheit);
        m_doc.SetAnzeigeEinheit(anzeige);
        return;
    }
    RequireSize(data, 1, "unit");
    const int einheit = Digit(data[0]);
    m_doc.SetEinheit(einheit);
    m_doc.SetAnzeigeEinheit(einheit);
}

void CReplyDecoder::DecodeLinTabAnzahl(const QByteArray& reply) {
    const QByteArray data = ReplyData(reply);
    RequireSize(data, 2, "point count");
    m_doc.SetLinTabAnzahl(Digit(data[0]) * 10 + Digit(data[1]));
}

void CReplyDecoder::DecodeLinTabBlock(const QByteArray& reply, int block) {
    RequireSize(reply, kLinTabBlockLaenge, "table block");
    const double teiler = m_doc.GetLinTabOption() != 0 ? CUtils::PowerOfTen(m_doc.GetDezimalstellen()) : 10.0;
    for (int k = 0; k < kLinTabBlockPunkte; ++k) {
        const qsizetype position = 2 + 8 * k;
        const int index = kLinTabBlockPunkte * block + k;
        m_doc.SetLinTabX(index, static_cast<float>(HexWordSigned(reply, position) / 100.0));
        m_doc.SetLinTabY(index, static_cast<float>(HexWordSigned(reply, position + 4) / teiler));
    }
}

void CReplyDecoder::DecodeLinTabPunkt(const QByteArray& reply, int index) {
    RequireSize(reply, kLinTabPunktLaenge, "table point");
    const qint32 strom = HexLongSigned(reply, 2);
    const qint32 lage = HexLongSigned(reply, 10);
    const double anfang = m_doc.GetMessAnfang();
    const double ende = m_doc.GetMessEnde();
    m_doc.SetLinTabX(index, static_cast<float>(strom * 16.0 / kLinTabVoll + 4.0));
    m_doc.SetLinTabY(index, static_cast<float>(anfang + (ende - anfang) * lage / kLinTabVoll));
}

void CReplyDecoder::DecodeLinTabPunktKA71(const QByteArray& reply, int index) {
    RequireSize(reply, kLinTabPunktLaenge, "table point");
    m_doc.SetLinTabX(index, static_cast<float>(HexLongSigned(reply, 2)));
    m_doc.SetLinTabY(index, static_cast<float>(HexLongSigned(reply, 10)));
}
