// The document file loader on any bytes, answering the old-format question with yes or no as the first
// byte says. A file that loads must save and load again to the same bytes; a file that does not load
// must leave the document's parameter set exactly as it was, and the user must have been told why.
// Whatever a file holds is then shown and sent: the form's conversions and the send's memory images run
// on the loaded values.

#include "DecoderRun.h"
#include "FuzzFrames.h"
#include "FuzzOperator.h"
#include "document/QuillonDoc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    CFuzzOperator op((data[0] & 1) != 0);
    const QByteArrayView bytes(data + 1, static_cast<qsizetype>(size - 1));

    CQuillonDoc doc(op, QString());
    const QByteArray before = doc.SaveToBytes();
    if (!doc.LoadFromBytes(bytes)) {
        FuzzFrames::Check(doc.SaveToBytes() == before, "a file that did not load leaves the document alone");
        FuzzFrames::Check(op.MessageCount() > 0, "a file that did not load is reported");
        FuzzFrames::Check(!doc.IsGueltig(), "a file that did not load cannot be sent");
        return 0;
    }
    FuzzFrames::Check(doc.IsGueltig(), "a loaded file can be sent");
    const QByteArray saved = doc.SaveToBytes();
    CFuzzOperator quiet;
    CQuillonDoc again(quiet, QString());
    FuzzFrames::Check(again.LoadFromBytes(saved), "a saved document loads");
    FuzzFrames::Check(again.SaveToBytes() == saved, "a saved document loads to the same values");
    CDecoderRun::UseDocument(doc);
    return 0;
}
