#pragma once

#include <QByteArray>
#include <QList>

class CQuillonDoc;
class CReplyDecoder;

/// The one place that knows each command: its byte, its title, the form of its request payload and the
/// decoder that stores its reply in the document. The sequences (receive, send, service, calibration)
/// and the test entries take all of this from here.
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
    };

    static const QList<Command>& All();
    /// The command of a byte; nullptr for a byte that is no command.
    static const Command* Find(quint8 code);
    /// The decoder of a command; a command without one is a program error.
    static Decoder DecoderOf(quint8 code);
    /// The scaled payload of a Scaled command for a value, with the decimals the command takes.
    static QByteArray ScaledPayload(quint8 code, float value, const CQuillonDoc& doc);
};
