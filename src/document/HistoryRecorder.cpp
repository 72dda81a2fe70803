#include "HistoryRecorder.h"

#include "HistorySink.h"

namespace {
IHistorySink* g_sink = nullptr;
qint64 g_lastId = 0;
} // namespace

void CHistoryRecorder::Install(IHistorySink* sink) {
    g_sink = sink;
}

IHistorySink* CHistoryRecorder::Installed() {
    return g_sink;
}

qint64 CHistoryRecorder::Record(const CHistoryEvent& event) {
    if (g_sink == nullptr) {
        return 0;
    }
    const qint64 id = g_sink->Record(event);
    if (id != 0) {
        g_lastId = id;
    }
    return id;
}

qint64 CHistoryRecorder::LastId() {
    return g_lastId;
}

CHistoryEvent CHistoryRecorder::For(CHistoryEvent::Operation operation, const CParameterSatz& satz) {
    CHistoryEvent event;
    event.operation = operation;
    event.nTyp = satz.m_nTyp;
    event.kennung = satz.m_strKennung;
    event.seriennummer = satz.m_strSeriennummer;
    event.bezeichnung = satz.m_strBezeichnung;
    return event;
}
