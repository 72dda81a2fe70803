#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMutex>
#include <deque>

/// The last frames on the line, kept for the "Verbindungsprotokoll" window, `quillon-cli --trace` and the
/// problem report: every request sent, every reply received or dropped, every reply that did not come and
/// every repeated attempt. The ring holds at most Capacity() entries; the oldest go first, so hours of
/// logging cost no more memory than a single receive. The link records into Global() unless told
/// otherwise; the ring runs whether or not a window shows it and whatever the logging categories say.
///
/// The ring stores the bytes as they were on the line. Texts made from it (CTraceFormat) hide the
/// transmitter's password; nothing else reads the ring.
class CLinkTrace {
public:
    static constexpr int kDefaultCapacity = 2000;

    enum class Direction {
        Tx,    ///< a request frame sent
        Rx,    ///< a reply frame (whole, or the bytes received before it was dropped)
        Event, ///< no frame: a time-out, a cancelled wait, a repeated attempt
    };
    enum class Status {
        Ok,            ///< frame sent, or received with a right checksum and ETX
        ChecksumWrong, ///< reply dropped: its checksum did not match
        NoEtx,         ///< reply dropped: no ETX after the checksum
        BadLength,     ///< reply dropped: a length byte no reply can have
        Timeout,       ///< no reply within the receive time-out
        Cancelled,     ///< the wait for a reply was cancelled
        Retry,         ///< the command is sent again (attempt counts from 1)
        Echo,          ///< frame dropped: the interface's echo of the request
        Late,          ///< frame dropped: the late reply to an earlier request that was given up
        Stale,         ///< frame dropped: its form does not fit the request, a reply to another one
    };
    struct Entry {
        quint64 nSequence = 0; ///< counts every entry ever recorded, from 1
        QDateTime time;        ///< wall-clock time of the entry
        qint64 nClockMs = 0;   ///< the link clock's count (virtual in tests)
        Direction direction = Direction::Event;
        Status status = Status::Ok;
        quint8 command = 0; ///< the request's command byte; for a reply the command it answers
        int nAttempt = 0;   ///< Retry: the attempt that failed
        QByteArray bytes;   ///< the frame from STX (whole for Tx and a good Rx)
    };

    explicit CLinkTrace(int nCapacity = kDefaultCapacity);

    /// The ring every link of the program records into.
    static CLinkTrace& Global();

    void Record(Entry entry);
    /// All entries held, oldest first.
    QList<Entry> Entries() const;
    /// The entries recorded after the one numbered nSequence (0: all held), oldest first.
    QList<Entry> EntriesAfter(quint64 nSequence) const;
    int Size() const;
    int Capacity() const;
    /// The number of the entry recorded last (0 before the first).
    quint64 LastSequence() const;
    void Clear();

private:
    mutable QMutex m_mutex;
    int m_nCapacity;
    quint64 m_nLastSequence = 0;
    std::deque<Entry> m_entries;
};
