#pragma once

#include "link/ByteDevice.h"
#include "link/PortMap.h"

#include <QByteArray>
#include <QString>
#include <memory>

class IOperator;

/// The serial port of the programming interface, by COM number. It moves bytes and switches RTS and
/// knows nothing of frames. Reads never wait for new bytes; every wait is bounded: a byte that cannot be
/// written within a second is dropped, the transmit flush gives up after the driver's five seconds.
class CSerial {
public:
    static constexpr int kWriteByteTimeoutMs = 1000;
    static constexpr int kFlushTimeoutMs = 5000;

    /// Uses the given byte device; without one, the machine's tty of the COM number.
    explicit CSerial(std::unique_ptr<IByteDevice> device = nullptr);
    ~CSerial();
    CSerial(const CSerial&) = delete;
    CSerial& operator=(const CSerial&) = delete;

    /// Where the RTS warning goes; without an operator it is only logged.
    void SetOperator(IOperator* op);
    CPortMap& PortMap();
    IByteDevice& Device();

    /// Opens COM nPort at the baud rate, 8N1. On an open port it changes nothing and reports true.
    bool Open(int nPort, int nBaud);
    bool Close();
    bool IsOpen() const;
    /// COM number of the port opened last (1 before any open); the warnings name it.
    int PortNumber() const;

    bool WriteByte(quint8 byte);
    /// Writes count bytes one by one; returns count, or 0 on a closed port or a count below 1.
    int Write(const char* buffer, int count);
    int Write(const QByteArray& bytes);
    /// True once everything written has left the port.
    bool Flush();
    int BytesWaiting();
    /// Reads up to maxCount of the waiting bytes; 0 when none wait. The rest stays for the next read.
    int Read(char* buffer, int maxCount);
    /// Sleeps until a byte waits or timeoutMs passed (the user interface keeps running meanwhile).
    bool WaitForBytes(int timeoutMs);

    bool SetRtsOn();
    bool SetRtsOff();
    /// The "Application Error" warning for a failed line-settings call ("GetCommState()", "SetCommState()").
    void ShowLineError(const QString& call);

private:
    bool SetRts(bool on);

    std::unique_ptr<IByteDevice> m_device;
    CPortMap m_portMap;
    IOperator* m_operator = nullptr;
    bool m_bOpened = false;
    int m_nPort = 1;
};
