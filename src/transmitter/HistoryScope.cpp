#include "transmitter/HistoryScope.h"

#include "core/Logging.h"
#include "core/Operator.h"
#include "document/HistoryRecorder.h"
#include "document/QuillonDoc.h"
#include "document/Windows1252.h"
#include "link/LinkTrace.h"
#include "link/TransmitterLink.h"
#include "transmitter/Commands.h"
#include "transmitter/TraceFormat.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <exception>

namespace {

quint64 g_nWrites = 0;

bool Writes(CHistoryEvent::Operation operation) {
    return operation != CHistoryEvent::Operation::Receive &&
           operation != CHistoryEvent::Operation::CalibrationRead &&
           operation != CHistoryEvent::Operation::Check;
}

} // namespace

CHistoryScope::CHistoryScope(CTransmitterLink& link, const CQuillonDoc& doc,
                             CHistoryEvent::Operation operation)
    : m_link(link)
    , m_doc(doc)
    , m_nMessagesAtStart(link.Operator().MessageCount()) {
    m_event.operation = operation;
    m_event.outcome = CHistoryEvent::Outcome::Failed;
    if (const CLinkTrace* trace = m_link.Sio().Trace()) {
        m_nTraceStart = trace->LastSequence();
    }
}

CHistoryScope::~CHistoryScope() {
    if (m_bDropped) {
        return;
    }
    // Recording must never turn into a failure of the operation, nor escape a destructor.
    try {
        Record();
    } catch (const std::exception& error) {
        qCWarning(lcTransmitter) << "history event not recorded:" << error.what();
    }
}

bool CHistoryScope::Ended(bool bOk) {
    m_event.outcome = bOk ? CHistoryEvent::Outcome::Done : CHistoryEvent::Outcome::Failed;
    return bOk;
}

void CHistoryScope::NoteWrite(quint8 command, const QByteArray& payload) {
    const bool bSecret = command == Cmd::SetTastatursperre;
    m_writes.append(QJsonObject{
        {QStringLiteral("command"), QString::asprintf("0x%02X", command)},
        {QStringLiteral("payload"), bSecret ? QStringLiteral("***") : CWindows1252::ToUnicode(payload)}});
}

quint64 CHistoryScope::WriteCount() {
    return g_nWrites;
}

void CHistoryScope::Record() {
    if (Writes(m_event.operation)) {
        ++g_nWrites;
    }
    // The identity as the document knows it now: a read has just filled it in.
    const CHistoryEvent identity = CHistoryRecorder::For(m_event.operation, m_doc.GetParameterSatz());
    m_event.nTyp = identity.nTyp;
    m_event.kennung = identity.kennung;
    m_event.seriennummer = identity.seriennummer;
    m_event.bezeichnung = identity.bezeichnung;
    if (m_event.seriennummer.isEmpty() && m_doc.Abgleichdaten().m_bGueltig) {
        // Without a received parameter set (a calibration station) the record names the transmitter.
        const auto& serial = m_doc.Abgleichdaten().m_szSeriennummer;
        m_event.seriennummer = QByteArray(serial.data(), qstrnlen(serial.data(), serial.size())).trimmed();
    }
    if (m_event.outcome != CHistoryEvent::Outcome::Done) {
        const IOperator& op = m_link.Operator();
        if (m_event.message.isEmpty() && op.MessageCount() != m_nMessagesAtStart) {
            m_event.message = op.LastMessage();
        }
        if (const CLinkTrace* trace = m_link.Sio().Trace()) {
            const QList<CLinkTrace::Entry> entries = trace->EntriesAfter(m_nTraceStart);
            // Rows as the trace file has them, so that the password stays hidden here too.
            for (qsizetype i = qMax<qsizetype>(0, entries.size() - kTraceFrames); i < entries.size(); ++i) {
                m_event.traceTail.append(CTraceFormat::Row(entries.at(i)).join(QLatin1Char('\t')));
            }
        }
    }
    if (m_event.detailJson.isEmpty() && !m_writes.isEmpty()) {
        m_event.detailJson = QString::fromUtf8(
            QJsonDocument(QJsonObject{{QStringLiteral("writes"), m_writes}}).toJson(QJsonDocument::Compact));
    }
    CHistoryRecorder::Record(m_event);
}
