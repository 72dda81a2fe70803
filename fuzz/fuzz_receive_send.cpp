// A whole receive and then a whole send against an interface that answers every request from the
// fuzzer's script: valid frames around any data, silence, raw bytes. Input: the type (u8, modulo 11) and
// the interface kind (u8, bit 0: PL45) the user chose, then the script of CFuzzPeer. However the
// transmitter answers, each operation ends (on the virtual clock), reports its failure, and leaves the
// port closed, the progress window closed and the wait cursor gone; a receive that succeeds leaves a
// document that can be sent.

#include "FuzzFrames.h"
#include "FuzzInput.h"
#include "FuzzOperator.h"
#include "FuzzPeer.h"
#include "core/VirtualClock.h"
#include "document/QuillonDoc.h"
#include "link/MemoryDevice.h"
#include "link/TransmitterLink.h"
#include "transmitter/Connection.h"
#include "transmitter/ParameterTransfer.h"

namespace {

void CheckTidy(const CFuzzOperator& op, CTransmitterLink& link) {
    FuzzFrames::Check(!link.Sio().IsPortOpen(), "the operation closes the port");
    FuzzFrames::Check(!op.IsProgressOpen(), "the operation closes its progress window");
    FuzzFrames::Check(op.WaitDepth() == 0, "the operation removes its wait cursor");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CFuzzInput input(data, size);
    CFuzzOperator op(true);
    CVirtualClock clock(1000);
    auto memory = std::make_unique<CMemoryDevice>(clock);
    CMemoryDevice& device = *memory;
    CTransmitterLink link(op, clock, std::move(memory));
    CQuillonDoc doc(op, QString());
    CConnection connection(link, doc);
    CParameterTransfer transfer(link, connection, doc);
    link.PortMap().Pin(1, QStringLiteral("/dev/ttyUSB0"));
    doc.SetComPort(0);
    doc.SetTyp(input.U8() % 11);
    doc.SetInterfaceVersion(input.U8() & 1);
    CFuzzPeer peer(device, input);

    const int messagesBefore = op.MessageCount();
    const bool bReceived = transfer.ReceiveParameterSet();
    CheckTidy(op, link);
    FuzzFrames::Check(bReceived || op.MessageCount() > messagesBefore, "a failed receive is reported");
    FuzzFrames::Check(!bReceived || doc.IsGueltig(), "a received parameter set can be sent");

    const int messagesBeforeSend = op.MessageCount();
    const CParameterTransfer::SendResult sent = transfer.SendParameterSet();
    CheckTidy(op, link);
    FuzzFrames::Check(sent == CParameterTransfer::SendResult::Sent || op.MessageCount() > messagesBeforeSend,
                      "a failed send is reported");
    return 0;
}
