// Replies with valid checksums around any data, as a working interface delivers them from a confused or
// foreign transmitter: each goes through the frame receiver (which must take it whole) into one of the
// document's decoders. Input: decoder number (u8, modulo the count), decoder argument (u8), the document
// header of CDecoderRun, then the reply data (at most 48 bytes). A decoder may refuse a reply that is too
// short (a program error the command loop reports); anything else that goes wrong is a fault.

#include "DecoderRun.h"
#include "FuzzFrames.h"
#include "FuzzInput.h"
#include "FuzzOperator.h"
#include "core/VirtualClock.h"
#include "document/QuillonDoc.h"
#include "link/MemoryDevice.h"
#include "link/TransmitterSio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CFuzzInput input(data, size);
    CFuzzOperator op;
    CQuillonDoc doc(op, QString());
    const int decoder = input.U8() % CDecoderRun::kDecoderCount;
    const int argument = CDecoderRun::Argument(input.U8());
    CDecoderRun::PrepareDocument(doc, input);
    // Without a valid checksum a fuzzer would rarely get a reply past the receiver to the decoders.
    const QByteArray frame = CTransmitterSio::FrameAround(input.Rest(CTransmitterSio::kMaxReplyLength - 2));

    CVirtualClock clock;
    CTransmitterSio sio(op, clock, std::make_unique<CMemoryDevice>(clock));
    sio.ResetReceiver();
    for (const char byte : frame) {
        FuzzFrames::Check(sio.FeedByte(static_cast<quint8>(byte)), "a whole frame is never refused");
    }
    FuzzFrames::Check(sio.IsFrameComplete() && sio.ReceivedFrame() == frame,
                      "a whole frame is taken as sent");

    CDecoderRun::Decode(doc, decoder, argument, frame);
    CDecoderRun::UseDocument(doc);
    return 0;
}
