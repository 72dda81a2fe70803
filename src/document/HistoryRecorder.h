#pragma once

#include "HistoryEvent.h"

class IHistorySink;

/// The one place operations hand their history events to. The window and the command-line tool install
/// their sink at start and remove it at the end; without one (tests, the simulator) events go nowhere.
/// A process-wide point rather than a parameter, so that adding history did not change the signature of
/// every transfer class; the sink is only ever touched from the thread that runs the operations.
class CHistoryRecorder {
public:
    /// Installs the sink (not owned); nullptr removes it.
    static void Install(IHistorySink* sink);
    static IHistorySink* Installed();

    /// Records the event through the installed sink; returns its id, or 0 when nothing was stored.
    static qint64 Record(const CHistoryEvent& event);
    /// The id of the last event recorded in this run (0 when none), for the status bar.
    static qint64 LastId();

    /// An event of the given kind with the transmitter's identity taken from the set.
    static CHistoryEvent For(CHistoryEvent::Operation operation, const CParameterSatz& satz);
};
