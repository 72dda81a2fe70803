#pragma once

#include <QString>

/// The byte device under CSerial: a real serial tty, or an in-memory line to the simulator for unit tests.
/// It moves bytes and switches RTS; it knows nothing of frames. Every wait it offers is bounded.
class IByteDevice {
public:
    /// Outcome of switching the RTS line.
    enum class LineResult {
        Ok,           ///< the line was switched
        NoModemLines, ///< the device has no modem-control lines (a pseudo-terminal): nothing to switch
        ReadFailed,   ///< the current line state could not be read
        WriteFailed   ///< the new line state could not be written
    };

    virtual ~IByteDevice() = default;

    /// Opens the device exclusively, raw 8N1 at the given baud rate. False leaves nothing held.
    virtual bool Open(const QString& path, int baud) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    /// Hands one byte to the device; a byte the port has no room for within timeoutMs is dropped. False
    /// when it was given up.
    virtual bool WriteByte(quint8 byte, int timeoutMs) = 0;
    /// Waits at most timeoutMs until everything written has left the device. False on time-out or error.
    virtual bool Drain(int timeoutMs) = 0;
    /// Number of received bytes that can be read now without waiting.
    virtual int BytesWaiting() = 0;
    /// Reads up to maxCount waiting bytes without waiting; returns how many were read (0 on error).
    virtual int Read(char* buffer, int maxCount) = 0;
    /// Sleeps until a byte is waiting or timeoutMs has passed; true when a byte is waiting. The process
    /// sleeps meanwhile (no spinning); where an event loop runs, it keeps running.
    virtual bool WaitReadable(int timeoutMs) = 0;
    /// Switches RTS on or off.
    virtual LineResult SetRts(bool on) = 0;
    /// The system's own text for the last failure.
    virtual QString LastErrorText() const = 0;
};
