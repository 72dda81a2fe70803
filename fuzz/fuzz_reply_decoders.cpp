// Every reply decoder of the document, the identification (SetErweitert, SetKennung) and the number
// parsers of CUtils on any bytes: framed replies whose length byte lies, short frames, and plain texts as
// the edit dialogs hand them over. Input: decoder argument (u8), the document header of CDecoderRun,
// then the reply. A decoder may refuse a reply that is too short for it (CProgramError); it may never
// read outside the reply, hang, or leave a value that later use of the document trips over.

#include "DecoderRun.h"
#include "FuzzInput.h"
#include "FuzzOperator.h"
#include "document/QuillonDoc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CFuzzInput input(data, size);
    CFuzzOperator op;
    CQuillonDoc doc(op, QString());
    const int argument = CDecoderRun::Argument(input.U8());
    CDecoderRun::PrepareDocument(doc, input);
    const QByteArray reply = input.Rest();

    for (int decoder = 0; decoder < CDecoderRun::kDecoderCount; ++decoder) {
        CDecoderRun::Decode(doc, decoder, argument, reply);
    }
    CDecoderRun::ParseNumbers(reply, argument);
    CDecoderRun::UseDocument(doc);
    return 0;
}
