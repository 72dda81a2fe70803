#pragma once

#include <QByteArray>
#include <QByteArrayView>

class CQuillonDoc;

/// The DecodeReply family: each decoder takes one reply and stores one field of the document. A reply
/// is either a whole frame as TransferCommand returns it (STX, length byte L, data at positions 2 to
/// L - 1, checksum, ETX) or a plain text, as the edit dialogs and presets hand tags over.
///
/// A reply too short for what a decoder reads is a program error (CProgramError): nothing is read
/// beyond its end and the field keeps its value. A framed reply must hold every data character its
/// length byte announces.
class CReplyDecoder {
public:
    explicit CReplyDecoder(CQuillonDoc& doc);

    /// The data of a framed reply (positions 2 to L - 1), or a plain reply whole.
    static QByteArray ReplyData(const QByteArray& reply);

    void DecodeGrundAnfang(const QByteArray& reply);
    void DecodeGrundEnde(const QByteArray& reply);
    /// For the KA71 the reply carries the position on the 0 to 10000 scale of the display range.
    void DecodeMessAnfang(const QByteArray& reply);
    void DecodeMessEnde(const QByteArray& reply);
    /// Decoded with the document's decimals, not the reply's own digit; a frame with L above 30 is
    /// ignored.
    void DecodeOffset(const QByteArray& reply);
    /// The reply is the span factor; the document keeps the correction in percent. A frame with L above
    /// 30 is ignored.
    void DecodeSpanne(const QByteArray& reply);
    void DecodeDaempfung(const QByteArray& reply);
    void DecodeTempDaempfung(const QByteArray& reply);
    /// The currents go through the document's guard (0 to 22.5 mA).
    void DecodeStromgrenzeMin(const QByteArray& reply);
    void DecodeStromgrenzeMax(const QByteArray& reply);
    void DecodeFehlerstrom(const QByteArray& reply);
    void DecodeTastatursperre(const QByteArray& reply);
    void DecodeNullpunktsfenster(const QByteArray& reply);
    /// A signed 16-bit number; a plain reply shows "Fail to St Temperatur!" and keeps the value.
    void DecodeTemperatur(const QByteArray& reply);
    /// Measured value entry 0 from the first value of the reply (the VN62 sends several).
    void DecodeMesswert(const QByteArray& reply);
    /// Scales and rounds a decoded main measured value as DecodeMesswert does and stores it in entry 0;
    /// for the measurement run, which takes the value out of a reply of several.
    void StoreMesswert(double value);
    /// KA71 extra values 0 to 4: display unit, free range decimal point, start, end, medium. Any other
    /// index is ignored.
    void DecodeFreiBereich(const QByteArray& reply, int index);
    /// The first 13 characters of a reply that must hold more than 13.
    void DecodeSeriennummer(const QByteArray& reply);
    /// Also the setter of the edit dialogs and presets: every tag gets at least 20 characters.
    void DecodeBezeichnung(const QByteArray& reply);

    // Decoders of the receive that set more than one field or need a digit of the reply.
    /// m_nDezimalstellen from the digit at the given frame position; -1 takes the reply's own decimals
    /// digit (position L - 1). A character that is no digit is a program error.
    void DecodeDezimalstellen(const QByteArray& reply, int position = -1);
    /// The unit digit into m_nEinheit and m_nAnzeigeEinheit; the KA71 sends a second digit for the
    /// display unit.
    void DecodeEinheit(const QByteArray& reply);
    /// Two digits; a count above 30 is refused by the document's guard.
    void DecodeLinTabAnzahl(const QByteArray& reply);
    /// Types 0 and 1: block 0 to 9 with three points of two signed hex words each.
    void DecodeLinTabBlock(const QByteArray& reply, int block);
    /// Types 2 to 9: one point as two signed hex longs, a current (0 to 100000 = 4 to 20 mA) and a
    /// position in the set range (0 to 100000).
    void DecodeLinTabPunkt(const QByteArray& reply, int index);
    /// KA71: one point as two signed hex longs taken as they are.
    void DecodeLinTabPunktKA71(const QByteArray& reply, int index);

private:
    /// A framed or plain number; a frame takes its decimals from its own last digit.
    static double Number(const QByteArray& reply);
    static bool IsFramed(QByteArrayView reply);
    /// True for a framed reply whose length byte exceeds the given limit.
    static bool IsFrameLongerThan(QByteArrayView reply, int limit);
    static void RequireNumberFrame(QByteArrayView reply);
    static int Digit(char c);
    static float Rounded(double value, int decimals);

    CQuillonDoc& m_doc;
};
