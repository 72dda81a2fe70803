#pragma once

#include <QByteArray>

class CQuillonDoc;
class CFuzzInput;

/// Runs the document's reply decoders for the decoder fuzz targets: one by number, with the document in
/// a state taken from the fuzzer's bytes, and then everything that later reads the decoded fields (the
/// form's texts and unit conversions, the memory images of the send). A program error thrown for a reply
/// too short for its decoder is the expected refusal; every other failure escapes to the fuzzer.
class CDecoderRun {
public:
    static constexpr int kDecoderCount = 26;

    /// Bytes of the document header that PrepareDocument reads.
    static constexpr int kHeaderSize = 39;

    /// Type (including unknown ones), decimals, table option, ranges, units and the KA71's free range
    /// as earlier replies or a document file may have left them, from a header of kHeaderSize bytes:
    /// type + 1 (u8, modulo 14), decimals (i32), table option (u8, bit 0), unit and display unit (i32
    /// each), base range start and end, set range start and end (f32 each), point count (u8, modulo
    /// 31), free range decimal point (i32), free range start and end (i16 each).
    static void PrepareDocument(CQuillonDoc& doc, CFuzzInput& input);
    /// The decoder argument from one byte: -1 to 40.
    static int Argument(quint8 byte);
    /// Decoder number 0..kDecoderCount-1 on the reply; argument is the point, block, index or decimals
    /// position of the decoders that take one.
    static void Decode(CQuillonDoc& doc, int decoder, int argument, const QByteArray& reply);
    /// The number and hex parsers of CUtils on the bytes.
    static void ParseNumbers(const QByteArray& reply, int decimals);
    /// What the form and the send do with the decoded fields.
    static void UseDocument(const CQuillonDoc& doc);
};
