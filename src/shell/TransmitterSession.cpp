#include "shell/TransmitterSession.h"

#include "core/Operator.h"
#include "document/QuillonDoc.h"
#include "edit/SendeGrenzen.h"

CTransmitterSession::CTransmitterSession(IOperator& op, IClock& clock, std::unique_ptr<IByteDevice> device,
                                         CQuillonDoc& doc)
    : m_doc(doc)
    , m_link(op, clock, std::move(device))
    , m_connection(m_link, doc)
    , m_transfer(m_link, m_connection, doc) {
    // A parameter set with values outside the edit dialogs' limits is sent only after a question.
    CSendeGrenzen::Install(m_transfer);
}

bool CTransmitterSession::Empfangen() {
    if (m_link.IsBusy()) {
        return false; // refused: the running operation owns the document meanwhile
    }
    const CParameterSatz before = m_doc.GetParameterSatz();
    const bool bGueltig = m_doc.IsGueltig();
    const bool bErweitert = m_doc.IsErweitert();
    if (m_transfer.ReceiveParameterSet()) {
        m_asFound = m_doc.GetParameterSatz();
        return true;
    }
    m_doc.SetParameterSatz(before);
    m_doc.SetGueltig(bGueltig);
    m_doc.SetErweitertFlag(bErweitert);
    m_doc.UpdateAllViews();
    return false;
}

std::optional<CParameterSatz> CTransmitterSession::AsFoundFor(const CQuillonDoc& doc) const {
    if (!m_asFound || m_asFound->m_strKennung != doc.GetKennung() ||
        m_asFound->m_strSeriennummer != doc.GetSeriennummer()) {
        return std::nullopt;
    }
    CQuillonDoc vorher(doc.Operator(), doc.GetProgrammVerzeichnis());
    vorher.SetParameterSatz(*m_asFound);
    if (CParameterVergleich::Vergleiche(vorher, doc, QLocale::c()).Gleich()) {
        return std::nullopt; // nothing changed: the plain sheet
    }
    return m_asFound;
}

CParameterTransfer::SendResult CTransmitterSession::Senden() {
    m_letztePruefung.reset();
    const CParameterTransfer::SendResult result = m_transfer.SendParameterSet();
    CheckAfterSend(result);
    return result;
}

void CTransmitterSession::CheckAfterSend(CParameterTransfer::SendResult result) {
    const bool bSent = result == CParameterTransfer::SendResult::Sent;
    const bool bUnklar = result == CParameterTransfer::SendResult::Failed && m_transfer.MayHaveWritten();
    if (!(bSent && m_doc.GetVerifyAfterSend() != 0) && !bUnklar) {
        return;
    }
    CSendePruefung pruefung(m_link, m_doc, QLocale());
    m_letztePruefung = bSent ? pruefung.NachSenden() : pruefung.NachFehler(m_asFound);
    const IOperator::Icon icon =
        m_letztePruefung->IstErfolg() ? IOperator::Icon::Information : IOperator::Icon::Error;
    m_link.Operator().Message(CSendePruefung::Meldung(*m_letztePruefung),
                              CSendePruefung::tr("Parameter senden"), icon);
}
