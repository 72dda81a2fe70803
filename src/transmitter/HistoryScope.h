#pragma once

#include "document/HistoryEvent.h"

#include <QJsonArray>
#include <QtGlobal>

class CQuillonDoc;
class CTransmitterLink;

/// One transmitter operation's history event, from the operation's start to its end. Made when the
/// operation has been let run (not when it was refused); the operation fills in what it sent or read
/// and says how it ended, and the event is recorded when the scope ends, on every way out. An operation
/// that ends without saying counts as failed, so an early return or an exception is not recorded as
/// success. The failure's message is the last one the user was shown while the operation ran, and the
/// frames of the link trace since its start (at most the last kTraceFrames) go with it.
class CHistoryScope {
public:
    static constexpr int kTraceFrames = 20;

    CHistoryScope(CTransmitterLink& link, const CQuillonDoc& doc, CHistoryEvent::Operation operation);
    ~CHistoryScope();
    CHistoryScope(const CHistoryScope&) = delete;
    CHistoryScope& operator=(const CHistoryScope&) = delete;

    /// The event to fill with what was written or read.
    CHistoryEvent& Event() { return m_event; }
    void SetOutcome(CHistoryEvent::Outcome outcome) { m_event.outcome = outcome; }
    /// Done or Failed; returns bOk, so that an operation can end with `return scope.Ended(bOk);`.
    bool Ended(bool bOk);
    /// A single value about to be written: the event's detail lists each command with its payload, in
    /// the order they went out (the lock code, which doubles as the password, hidden).
    void NoteWrite(quint8 command, const QByteArray& payload);
    /// Nothing reached the transmitter nor was read from it worth keeping: no event.
    void Drop() { m_bDropped = true; }

    /// How many events of operations that write into a transmitter were made in this run: a sequence of
    /// several operations (the calibration wizard) tells from it whether any of them wrote.
    static quint64 WriteCount();

private:
    void Record();

    CTransmitterLink& m_link;
    const CQuillonDoc& m_doc;
    CHistoryEvent m_event;
    QJsonArray m_writes;
    quint64 m_nTraceStart = 0;
    quint64 m_nMessagesAtStart = 0;
    bool m_bDropped = false;
};
