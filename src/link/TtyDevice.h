#pragma once

#include "link/ByteDevice.h"

/// A serial port on a Linux tty (a USB adapter's /dev/ttyUSB0, an on-board /dev/ttyS0, or the
/// pseudo-terminal of the simulator), driven with termios and non-blocking reads.
///
/// Waiting for bytes sleeps in poll(), or, when the calling thread runs a Qt event loop, in a nested
/// event loop woken by a socket notifier, so that windows repaint and timers run while the transmitter
/// answers; the wait for a written frame to leave the port follows the same rule. A line that hangs up
/// (adapter unplugged, simulator gone) is noticed and its waits sleep out their time instead of waking again
/// and again.
///
/// The port is exclusive while it is open (an advisory lock on its descriptor, which every instance of the
/// program takes) and holds nothing once closed or once its holder has ended, however it ended.
///
/// A pseudo-terminal has no modem-control lines: switching RTS there is a successful no-op; on any other
/// tty a failed switch is reported.
class CTtyDevice : public IByteDevice {
public:
    CTtyDevice() = default;
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

    /// Whether waits may run a nested Qt event loop (default on). Off, they always sleep in poll() or
    /// plainly.
    void SetRunEventLoop(bool run);

    /// What a failed modem-line call means. Only a pseudo-terminal is excused for having no lines (it
    /// answers ENOTTY or EINVAL); on a real adapter the same errors are failures that the user is warned
    /// of, as the transmitter then misses its reset pulse.
    static LineResult ModemLineFailure(int error, bool bPseudoTerminal, LineResult failure);
    /// Whether the descriptor is the slave side of a pseudo-terminal (the simulator's /dev/pts/N).
    static bool IsPseudoTerminal(int fd);

private:
    bool Configure(int baud);
    void CloseDescriptor();
    bool WaitInPoll(int timeoutMs);
    bool WaitInEventLoop(int timeoutMs);
    bool CanRunEventLoop() const;
    void SleepMs(qint64 ms);
    LineResult ModemLineError(LineResult failure);
    void NoteHangUp();
    void NoteError();

    int m_fd = -1;
    int m_baud = 0;
    int m_lastErrno = 0;
    bool m_bHungUp = false;
    bool m_bPseudoTerminal = false;
    bool m_bRunEventLoop = true;
};
