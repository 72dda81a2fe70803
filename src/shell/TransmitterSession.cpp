#include "shell/TransmitterSession.h"

#include "document/QuillonDoc.h"

CTransmitterSession::CTransmitterSession(IOperator& op, IClock& clock, std::unique_ptr<IByteDevice> device,
                                         CQuillonDoc& doc)
    : m_doc(doc)
    , m_link(op, clock, std::move(device))
    , m_connection(m_link, doc)
    , m_transfer(m_link, m_connection, doc) {}

bool CTransmitterSession::Empfangen() {
    if (m_link.IsBusy()) {
        return false; // refused: the running operation owns the document meanwhile
    }
    const CParameterSatz before = m_doc.GetParameterSatz();
    const bool bGueltig = m_doc.IsGueltig();
    const bool bErweitert = m_doc.IsErweitert();
    if (m_transfer.ReceiveParameterSet()) {
        return true;
    }
    m_doc.SetParameterSatz(before);
    m_doc.SetGueltig(bGueltig);
    m_doc.SetErweitertFlag(bErweitert);
    m_doc.UpdateAllViews();
    return false;
}

CParameterTransfer::SendResult CTransmitterSession::Senden() {
    return m_transfer.SendParameterSet();
}
