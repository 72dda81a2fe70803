#pragma once

#include "link/ByteDevice.h"

#include <QByteArray>
#include <QString>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

class QEventLoop;

/// The thread that owns a serial tty's descriptor: it opens, locks and sets up the port, reads every byte
/// that arrives into a buffer, writes the bytes handed to it, watches the output queue empty, switches
/// RTS and closes the port. Nothing else touches the descriptor.
///
/// The kernel's tty layer may hold a call on the descriptor for hundreds of milliseconds on a busy
/// machine (a poll or read waits for the tty's delayed receive work); on this thread that delays only the
/// bytes, never the window. The caller's side (CTtyDevice) reads and writes the buffers, and its waits for
/// bytes, for the line to empty or for a result run the application's event loop when called on its
/// thread: the worker wakes them with an event. Elsewhere (the command-line tool, other threads) they
/// sleep on a condition variable. Nothing spins on either side.
class CTtyWorker {
public:
    /// Starts the thread, which opens the port at once; Opened() tells how that went.
    CTtyWorker(const QString& path, int baud, bool bRunEventLoop);
    /// Stops the thread and closes the port (see Stop).
    ~CTtyWorker();
    CTtyWorker(const CTtyWorker&) = delete;
    CTtyWorker& operator=(const CTtyWorker&) = delete;

    /// Waits until the port is open, locked and set up (true), or could not be (false, the thread ended).
    bool Opened();
    /// Closes the port and ends the thread; returns once the descriptor and its lock are gone, so the
    /// port can be opened again at once.
    void Stop();
    void SetRunEventLoop(bool bRun);

    /// Hands a byte to the thread; if the port takes none for timeoutMs, the byte is dropped there. False
    /// when the line has hung up.
    bool Queue(quint8 byte, int timeoutMs);
    /// Waits at most timeoutMs until every byte handed over has left the port.
    bool WaitDrained(int timeoutMs);
    /// Bytes received and not read yet.
    int Available();
    /// Takes up to maxCount received bytes.
    int Take(char* buffer, int maxCount);
    /// Waits at most timeoutMs until a received byte waits; true when one does.
    bool WaitReadable(int timeoutMs);
    /// Switches RTS on the thread and waits for the outcome.
    IByteDevice::LineResult SetRts(bool on);
    /// The errno of the last failure (EIO once the line hung up).
    int LastErrno();

private:
    struct Outgoing {
        quint8 byte;
        std::chrono::steady_clock::time_point dropAt;
    };
    enum class OpenState { Pending, Open, Failed };

    /// Waits, under m_mutex, until ready() holds or timeoutMs passed (no bound when negative).
    bool Wait(std::unique_lock<std::mutex>& lock, const std::function<bool()>& ready, qint64 timeoutMs);
    bool WaitInEventLoop(std::unique_lock<std::mutex>& lock, const std::function<bool()>& ready,
                         qint64 timeoutMs);
    bool CanRunEventLoop() const;
    /// Wakes every waiter: those on the condition variable and the event loop of the one on the
    /// application's thread. Called with m_mutex held.
    void NotifyLocked();
    void Wake();

    // The thread's side.
    void Run();
    bool OpenPort();
    bool Configure();
    int NextTimeoutMs(bool& bWantWrite, bool& bWantRead);
    /// Reads what the port holds into the buffer; false when nothing came.
    bool ReadAvailable();
    void WriteQueued();
    void CheckLineEmpty();
    void SwitchRtsIfAsked();
    void NoteHangUp();
    void Fail(int error);

    const QString m_path;
    const int m_baud;
    int m_fd = -1;     ///< the thread's alone
    int m_wakeFd = -1; ///< an eventfd that cuts the thread's poll short
    bool m_bPseudoTerminal = false;
    int m_nLineQueued = 0; ///< bytes in the port's output queue when last looked

    std::mutex m_mutex; // guards everything below
    std::condition_variable m_changed;
    QEventLoop* m_pWaitingLoop = nullptr; ///< the event loop a wait on the application's thread runs
    bool m_bRunEventLoop = true;
    OpenState m_openState = OpenState::Pending;
    bool m_bStop = false;
    bool m_bEnded = false;
    bool m_bHungUp = false;
    bool m_bLineEmpty = true; ///< nothing written is still in the port's output queue
    int m_lastErrno = 0;
    QByteArray m_received;
    std::deque<Outgoing> m_outgoing;
    std::optional<bool> m_rtsRequest;
    std::optional<IByteDevice::LineResult> m_rtsResult;

    std::thread m_thread;
};
