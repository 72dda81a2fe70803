#include "shell/TransmitterSession.h"

#include "core/Operator.h"
#include "document/HistoryRecorder.h"
#include "document/QuillonDoc.h"
#include "edit/SendeGrenzen.h"
#include "transmitter/TraceFormat.h"

namespace {

/// Enough of the line's last frames to see how a transfer failed, not so many that the history fills.
constexpr int kTraceTailFrames = 20;

} // namespace

CTransmitterSession::CTransmitterSession(IOperator& op, IClock& clock, std::unique_ptr<IByteDevice> device,
                                         CQuillonDoc& doc)
    : m_doc(doc)
    , m_link(op, clock, std::move(device))
    , m_connection(m_link, doc)
    , m_transfer(m_link, m_connection, doc)
    , m_findingDisplay([this](const CSendePruefung::Ergebnis& ergebnis) { ShowFinding(ergebnis); }) {
    // A parameter set with values outside the edit dialogs' limits is sent only after a question.
    CSendeGrenzen::Install(m_transfer);
}

bool CTransmitterSession::Empfangen() {
    const quint64 nTraceStart = TraceStart();
    const bool bOk = m_transfer.ReceiveParameterSet();
    if (bOk) {
        m_asFound = m_doc.GetParameterSatz();
    }
    RecordReceive(bOk, nTraceStart, m_transfer);
    return bOk;
}

bool CTransmitterSession::ReadForCompare(CSendePruefung& lesen) {
    const quint64 nTraceStart = TraceStart();
    const bool bOk = lesen.Lesen();
    RecordReceive(bOk, nTraceStart, lesen.Transfer());
    return bOk;
}

bool CTransmitterSession::ReadAsFound() {
    CSendePruefung lesen(m_link, m_doc, QLocale());
    if (!lesen.Lesen()) {
        return false;
    }
    m_asFound = lesen.Gelesen().GetParameterSatz();
    m_bAsFoundVorSenden = true;
    return true;
}

std::optional<CParameterSatz> CTransmitterSession::AsFoundOf(const CQuillonDoc& doc) const {
    if (!m_asFound || m_asFound->m_strKennung != doc.GetKennung() ||
        m_asFound->m_strSeriennummer != doc.GetSeriennummer()) {
        return std::nullopt;
    }
    return m_asFound;
}

std::optional<CParameterSatz> CTransmitterSession::AsFoundFor(const CQuillonDoc& doc) const {
    const std::optional<CParameterSatz> asFound = AsFoundOf(doc);
    if (!asFound) {
        return std::nullopt;
    }
    CQuillonDoc vorher(doc.Operator(), doc.GetProgrammVerzeichnis());
    vorher.SetParameterSatz(*asFound);
    if (CParameterVergleich::Vergleiche(vorher, doc, QLocale::c()).Gleich()) {
        return std::nullopt; // nothing changed: the plain sheet
    }
    return asFound;
}

CParameterTransfer::SendResult CTransmitterSession::Senden(bool bPruefen) {
    m_letztePruefung.reset();
    // Read just before, the as-found set is the transmitter's whatever file is sent to it; otherwise
    // only when it names the transmitter the document names.
    const std::optional<CParameterSatz> vorher = m_bAsFoundVorSenden ? m_asFound : AsFoundOf(m_doc);
    m_bAsFoundVorSenden = false;
    const quint64 nTraceStart = TraceStart();
    const CParameterTransfer::SendResult result = m_transfer.SendParameterSet();
    const bool bSent = result == CParameterTransfer::SendResult::Sent;
    // The frames of a failed send are taken before its read-back adds its own.
    QStringList traceTail = bSent ? QStringList() : TraceTail(nTraceStart);
    CheckAfterSend(result, bPruefen);
    if (bSent && m_letztePruefung && !m_letztePruefung->IstErfolg()) {
        traceTail = TraceTail(nTraceStart);
    }
    RecordSend(result, vorher, traceTail);
    return result;
}

void CTransmitterSession::CheckAfterSend(CParameterTransfer::SendResult result, bool bPruefen) {
    const bool bSent = result == CParameterTransfer::SendResult::Sent;
    const bool bUnklar = result == CParameterTransfer::SendResult::Failed && m_transfer.MayHaveWritten();
    if (!(bSent && bPruefen) && !bUnklar) {
        return;
    }
    CSendePruefung pruefung(m_link, m_doc, QLocale());
    m_letztePruefung = bSent ? pruefung.NachSenden() : pruefung.NachFehler(m_asFound);
    m_findingDisplay(*m_letztePruefung);
}

void CTransmitterSession::ShowFinding(const CSendePruefung::Ergebnis& ergebnis) {
    const IOperator::Icon icon = ergebnis.IstErfolg() ? IOperator::Icon::Information : IOperator::Icon::Error;
    m_link.Operator().Message(CSendePruefung::Meldung(ergebnis), CSendePruefung::tr("Parameter senden"),
                              icon);
}

quint64 CTransmitterSession::TraceStart() {
    const CLinkTrace* trace = m_link.Sio().Trace();
    return trace != nullptr ? trace->LastSequence() : 0;
}

QStringList CTransmitterSession::TraceTail(quint64 nTraceStart) {
    const CLinkTrace* trace = m_link.Sio().Trace();
    return trace != nullptr ? CTraceFormat::Tail(*trace, nTraceStart, kTraceTailFrames) : QStringList();
}

void CTransmitterSession::RecordReceive(bool bOk, quint64 nTraceStart, const CParameterTransfer& transfer) {
    if (!bOk && transfer.Fehlermeldung().isEmpty()) {
        return; // refused before it began: nothing happened to a transmitter
    }
    CHistoryEvent event = CHistoryRecorder::For(CHistoryEvent::Operation::Receive, transfer.LastRead());
    if (bOk) {
        event.after = transfer.LastRead();
    } else {
        event.outcome = CHistoryEvent::Outcome::Failed;
        event.message = transfer.Fehlermeldung();
        event.traceTail = TraceTail(nTraceStart);
    }
    CHistoryRecorder::Record(event);
}

void CTransmitterSession::RecordSend(CParameterTransfer::SendResult result,
                                     const std::optional<CParameterSatz>& vorher,
                                     const QStringList& traceTail) {
    const bool bSent = result == CParameterTransfer::SendResult::Sent;
    if (!bSent && result != CParameterTransfer::SendResult::Failed &&
        result != CParameterTransfer::SendResult::RangeDiffers) {
        return; // refused, declined or unsendable: nothing reached the transmitter
    }
    // The as-found set names the transmitter the set went to; without it, the set sent does.
    CHistoryEvent event =
        CHistoryRecorder::For(CHistoryEvent::Operation::Send, vorher ? *vorher : m_doc.GetParameterSatz());
    event.before = vorher;
    QStringList meldungen;
    if (!m_transfer.Fehlermeldung().isEmpty()) {
        meldungen.append(m_transfer.Fehlermeldung());
    }
    if (m_letztePruefung) {
        meldungen.append(CSendePruefung::Meldung(*m_letztePruefung));
    }
    event.message = meldungen.join(QLatin1Char('\n'));
    if (bSent) {
        event.after = m_doc.GetParameterSatz();
        // The tag was among the values sent: from now on the transmitter carries the new one.
        event.bezeichnung = event.after->m_strBezeichnung;
    }
    // A read-back that did not confirm the values fails the send, as the command-line tool's status says.
    if (!bSent || (m_letztePruefung && !m_letztePruefung->IstErfolg())) {
        event.outcome = CHistoryEvent::Outcome::Failed;
        event.traceTail = traceTail;
    }
    CHistoryRecorder::Record(event);
}
