#pragma once

#include "link/ByteDevice.h"

#include <memory>

class CTtyWorker;

/// A serial port on a Linux tty (a USB adapter's /dev/ttyUSB0, an on-board /dev/ttyS0, or the
/// pseudo-terminal of the simulator), raw and non-blocking.
///
/// The descriptor belongs to a link worker thread (CTtyWorker) from the open to the close: it reads the
/// bytes as they come, writes what it is handed and switches RTS, so that however long the kernel's tty
/// layer holds a call on a busy machine, the window never waits for it. Waits for bytes, for a written
/// frame to leave the port, for the open and for an RTS switch run a nested Qt event loop when the calling
/// thread is the application's (the worker wakes it with an event), and sleep plainly elsewhere. A line
/// that hangs up (adapter unplugged, simulator gone) is noticed and its waits sleep out their time.
///
/// The port is exclusive while it is open (an advisory lock on its descriptor, which every instance of the
/// program takes) and holds nothing once closed or once its holder has ended, however it ended.
///
/// A pseudo-terminal has no modem-control lines: switching RTS there is a successful no-op; on any other
/// tty a failed switch is reported.
class CTtyDevice : public IByteDevice {
public:
    CTtyDevice();
    ~CTtyDevice() override;
    CTtyDevice(const CTtyDevice&) = delete;
    CTtyDevice& operator=(const CTtyDevice&) = delete;

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

    /// Whether waits may run a nested Qt event loop (default on). Off, they always sleep plainly.
    void SetRunEventLoop(bool run);

    /// What a failed modem-line call means. Only a pseudo-terminal is excused for having no lines (it
    /// answers ENOTTY or EINVAL); on a real adapter the same errors are failures that the user is warned
    /// of, as the transmitter then misses its reset pulse.
    static LineResult ModemLineFailure(int error, bool bPseudoTerminal, LineResult failure);
    /// Whether the descriptor is the slave side of a pseudo-terminal (the simulator's /dev/pts/N).
    static bool IsPseudoTerminal(int fd);

private:
    /// Shared with the waits running: a close from an event their loop dispatches ends them, and they
    /// return on a worker still alive.
    std::shared_ptr<CTtyWorker> m_worker;
    int m_lastErrno = 0; ///< of the worker that ended last, for a failed open
    bool m_bRunEventLoop = true;
};
