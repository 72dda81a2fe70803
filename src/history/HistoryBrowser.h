#pragma once

#include "history/HistoryRecord.h"

#include <QCoreApplication>
#include <QList>
#include <QLocale>
#include <QStringList>
#include <optional>
#include <utility>

class CHistoryStore;
class IOperator;

/// What "Verlauf..." shows of the history: the transmitters seen with their columns, one transmitter's
/// events newest first, and a recorded set taken out as a parameter set. The window only puts the rows
/// into its tables.
class CHistoryBrowser {
    Q_DECLARE_TR_FUNCTIONS(CHistoryBrowser)

public:
    explicit CHistoryBrowser(const CHistoryStore& store);

    static QStringList TransmitterHeaders();
    static QStringList TransmitterRow(const CHistoryTransmitter& transmitter, const QLocale& locale);
    static QStringList EventHeaders();
    static QStringList EventRow(const CHistoryRecord& record, const QLocale& locale);
    static QString OperationText(CHistoryEvent::Operation operation);
    static QString OutcomeText(CHistoryEvent::Outcome outcome);

    /// The transmitters seen, newest first; the filter matches serial number or tag in part.
    QList<CHistoryTransmitter> Transmitters(const QString& filter) const;
    /// One transmitter's events, newest first.
    QList<CHistoryRecord> Events(const QByteArray& seriennummer) const;
    /// Which of an event's sets: the one the event is about (after the operation where there is one,
    /// else before), or the one found before the operation (the as-found set of a send).
    enum class Side { Recorded, Before };

    /// The set an event recorded on that side as a document file's bytes; empty (and the user told)
    /// when the event holds none there.
    QByteArray RecordedFile(qint64 id, IOperator& op, Side side = Side::Recorded) const;

    /// The chosen events with their sets (a listing carries none), in the order given.
    QList<CHistoryRecord> WithSets(const QList<qint64>& ids) const;
    /// The set a record holds on that side as a document file's bytes; Recorded: after where there is
    /// one, else before.
    static QByteArray RecordedSet(const CHistoryRecord& record, Side side = Side::Recorded);
    /// The record holds the set found before and the set left after the operation (a completed send):
    /// either can be opened.
    static bool HoldsBoth(const CHistoryRecord& record);
    /// "Vergleichen": exactly two events that each hold a set, the older first so that the comparison
    /// reads as what changed; nothing otherwise.
    static std::optional<std::pair<CHistoryRecord, CHistoryRecord>>
    ComparedPair(const QList<CHistoryRecord>& chosen);
    /// "Erneut senden": exactly one event that holds a set.
    static bool CanSendAgain(const QList<CHistoryRecord>& chosen);

private:
    const CHistoryStore& m_store;
};
