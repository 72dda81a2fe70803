#include "link/Serial.h"

#include "core/Logging.h"
#include "core/Operator.h"
#include "link/TtyDevice.h"

namespace {
/// The warning is formatted into a buffer of 200 characters in the earlier program; longer texts were cut.
constexpr int kLineErrorMaxChars = 199;
} // namespace

CSerial::CSerial(std::unique_ptr<IByteDevice> device)
    : m_device(device ? std::move(device) : std::make_unique<CTtyDevice>()) {}

CSerial::~CSerial() {
    Close();
}

void CSerial::SetOperator(IOperator* op) {
    m_operator = op;
}

CPortMap& CSerial::PortMap() {
    return m_portMap;
}

IByteDevice& CSerial::Device() {
    return *m_device;
}

bool CSerial::Open(int nPort, int nBaud) {
    if (m_bOpened) {
        return true;
    }
    m_nPort = nPort;
    const QString path = m_portMap.DevicePath(nPort);
    if (path.isEmpty()) {
        qCDebug(lcLink) << "COM" << nPort << "has no device";
        return false;
    }
    m_bOpened = m_device->Open(path, nBaud);
    return m_bOpened;
}

bool CSerial::Close() {
    if (m_bOpened) {
        m_device->Close();
        m_bOpened = false;
    }
    return true;
}

bool CSerial::IsOpen() const {
    return m_bOpened;
}

int CSerial::PortNumber() const {
    return m_nPort;
}

bool CSerial::WriteByte(quint8 byte) {
    // A byte the port does not take within a second is dropped; the frame check of the reply, or its
    // absence, tells the caller.
    if (!m_device->WriteByte(byte, kWriteByteTimeoutMs)) {
        qCDebug(lcLink) << "byte dropped" << Qt::hex << byte;
    }
    return true;
}

int CSerial::Write(const char* buffer, int count) {
    if (!m_bOpened || count <= 0) {
        return 0;
    }
    for (int i = 0; i < count; ++i) {
        WriteByte(static_cast<quint8>(buffer[i]));
    }
    return count;
}

int CSerial::Write(const QByteArray& bytes) {
    return Write(bytes.constData(), static_cast<int>(bytes.size()));
}

bool CSerial::Flush() {
    return m_bOpened && m_device->Drain(kFlushTimeoutMs);
}

int CSerial::BytesWaiting() {
    return m_bOpened ? m_device->BytesWaiting() : 0;
}

int CSerial::Read(char* buffer, int maxCount) {
    if (!m_bOpened || maxCount <= 0 || m_device->BytesWaiting() == 0) {
        return 0;
    }
    return m_device->Read(buffer, maxCount);
}

bool CSerial::WaitForBytes(int timeoutMs) {
    return m_bOpened && m_device->WaitReadable(timeoutMs);
}

bool CSerial::SetRtsOn() {
    return SetRts(true);
}

bool CSerial::SetRtsOff() {
    return SetRts(false);
}

bool CSerial::SetRts(bool on) {
    if (!m_bOpened) {
        return false;
    }
    switch (m_device->SetRts(on)) {
    case IByteDevice::LineResult::Ok:
    case IByteDevice::LineResult::NoModemLines: // a pseudo-terminal: nothing to switch, nothing wrong
        return true;
    case IByteDevice::LineResult::ReadFailed:
        ShowLineError(QStringLiteral("GetCommState()"));
        return false;
    case IByteDevice::LineResult::WriteFailed:
        ShowLineError(QStringLiteral("SetCommState()"));
        return false;
    }
    return false;
}

void CSerial::ShowLineError(const QString& call) {
    const QString text = QStringLiteral("WARNING:  %1 Failed with the following error: \n%2\nPort: %3\n")
                             .arg(call, m_device->LastErrorText())
                             .arg(m_nPort)
                             .left(kLineErrorMaxChars);
    qCWarning(lcLink).noquote() << text;
    if (m_operator != nullptr) {
        m_operator->Ask(text, QStringLiteral("Application Error"), IOperator::Icon::Error,
                        IOperator::Buttons::Ok);
    }
}
