#pragma once

#include "link/ByteDevice.h"

#include <QByteArray>
#include <QList>
#include <map>

class IClock;
class IDevicePeer;

/// An in-memory serial line for tests and the demonstration without hardware: the program's side of it
/// behaves like a port, the other side belongs to a peer (the simulator, or a test script) that hears
/// every byte and RTS change and schedules its answer bytes on the clock. With a virtual clock a wait for
/// an answer moves the time straight to the answer's first byte, or to the time-out.
class CMemoryDevice : public IByteDevice {
public:
    struct RtsEdge {
        bool on;
        qint64 atMs;
    };

    explicit CMemoryDevice(IClock& clock);

    /// The peer hears the line from now on; it is not owned and must outlive its use here.
    void SetPeer(IDevicePeer* peer);
    /// Schedules bytes from the device side: the first arrives at atMs, each further one gapMs later.
    void Deliver(const QByteArray& bytes, qint64 atMs, qint64 gapMs = 0);
    /// Makes Open fail, as for a port that does not exist.
    void SetOpenable(bool openable);
    /// With false the line behaves like a pseudo-terminal: RTS switching is not possible.
    void SetModemLines(bool present);
    /// Makes RTS switching fail as a broken driver would (for the warning shown then).
    void SetRtsFailure(LineResult failure);
    /// The line goes away: nothing more arrives, writes are lost, it cannot be opened again.
    void Disconnect();

    /// Everything the program wrote since construction (or ClearWritten).
    const QByteArray& Written() const;
    void ClearWritten();
    const QList<RtsEdge>& RtsEdges() const;
    QString OpenedPath() const;
    int OpenedBaud() const;
    int OpenCount() const;

    bool Open(const QString& path, int baud) override;
    void Close() override;
    bool IsOpen() const override;
    bool WriteByte(quint8 byte, int timeoutMs) override;
    bool Drain(int timeoutMs) override;
    int BytesWaiting() override;
    int Read(char* buffer, int maxCount) override;
    bool WaitReadable(int timeoutMs) override;
    LineResult SetRts(bool on) override;
    QString LastErrorText() const override;

private:
    IClock& m_clock;
    IDevicePeer* m_peer = nullptr;
    std::multimap<qint64, char> m_incoming;
    QByteArray m_written;
    QList<RtsEdge> m_rtsEdges;
    QString m_path;
    int m_baud = 0;
    int m_openCount = 0;
    bool m_bOpen = false;
    bool m_bOpenable = true;
    bool m_bModemLines = true;
    bool m_bGone = false;
    LineResult m_rtsFailure = LineResult::Ok;
};
