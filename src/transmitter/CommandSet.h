#pragma once

#include <QByteArray>
#include <QList>

class CQuillonDoc;
class CReplyDecoder;

/// The one place that knows each command: its byte, its title, the form of its request payload, the
/// form of its reply and the decoder that stores its reply in the document. The sequences (receive,
/// send, service, calibration), the test entries and the link's judgement of replies take all of this
/// from here.
class CCommandSet {
public:
    enum class Payload {
        Empty,    ///< no payload
        Scaled,   ///< a scaled number "%+06.0f" of value x 10^d
        Text,     ///< plain text (the tag)
        Selector, ///< one character choosing a block, point, word or value
        Decimal,  ///< a fixed-width decimal number ("%02d", "%06d")
        Hex,      ///< hex digits (table blocks, memory blocks, register writes)
        Flag,     ///< "0"/"1"/"2": lock/release, memory area
        Mode,     ///< "%02d%02d": interface mode and 0
    };
    /// What a reply must look like to answer the command. The reply carries no copy of its command, so
    /// its form is all that tells the reply to this request from the late reply to another one.
    enum class Reply {
        Any,    ///< an acknowledgement, a text, or a reply its caller judges or shows raw: every frame fits
        Number, ///< one number: sign, digits and the decimals digit, at most 18 characters (L up to 20)
        Korrektur, ///< one number, or the long reply (L above 30) the offset and span reads leave unread
        Messwert,  ///< numbers of at least 6 characters together (the VN62 sends three of them)
        Kennung,   ///< identification: 8 or more characters, the model code's letter first
        Digits,    ///< decimal digits only: converter readings, calibration words, point count, unit
        Hex,       ///< upper-case hex digits: table points and blocks
    };
    struct ReplyForm {
        Reply reply = Reply::Any;
        int nMin = 0; ///< fewest data characters that fit
        int nMax = 0; ///< most data characters that fit; 0 for no bound beyond the frame's
    };

    /// Decimals of a scaled payload taken from the document's m_nDezimalstellen.
    static constexpr int kDocumentDecimals = -1;

    using Decoder = void (CReplyDecoder::*)(const QByteArray&);

    struct Command {
        quint8 code;
        const char* title; ///< the title the test entries show, or what the command does
        Payload payload;
        int decimals;    ///< for Payload::Scaled: the fixed decimals, or kDocumentDecimals
        Decoder decoder; ///< stores the reply in the document; nullptr for an acknowledgement or a
                         ///< reply that the sequence decodes itself (blocks, points, units check)
        ReplyForm form;
    };

    static const QList<Command>& All();
    /// The command of a byte; nullptr for a byte that is no command.
    static const Command* Find(quint8 code);
    /// The decoder of a command; a command without one is a program error.
    static Decoder DecoderOf(quint8 code);
    /// Whether a reply frame (STX to ETX) can be the reply to the command: a frame that does not fit is
    /// the late reply to another request and is no answer to this one. A byte that is no command takes
    /// every reply.
    static bool ReplyFits(quint8 code, const QByteArray& frame);
    /// The scaled payload of a Scaled command for a value, with the decimals the command takes.
    static QByteArray ScaledPayload(quint8 code, float value, const CQuillonDoc& doc);
};
