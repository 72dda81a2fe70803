#pragma once

#include "transmitter/Connection.h"
#include "link/TransmitterLink.h"
#include "transmitter/ParameterTransfer.h"

#include <memory>

class CQuillonDoc;
class IByteDevice;
class IClock;
class IOperator;

/// The transmitter side of the main window: the link with its port, the connection and the receive and
/// send of the parameter set, for the whole run. A receive that fails puts back the parameter set the
/// document held before, so a failed transfer never costs the person the values on the screen.
class CTransmitterSession {
public:
    CTransmitterSession(IOperator& op, IClock& clock, std::unique_ptr<IByteDevice> device, CQuillonDoc& doc);
    CTransmitterSession(const CTransmitterSession&) = delete;
    CTransmitterSession& operator=(const CTransmitterSession&) = delete;

    CTransmitterLink& Link() { return m_link; }
    const CTransmitterLink& Link() const { return m_link; }
    CConnection& Connection() { return m_connection; }

    /// "Empfangen...": true when the whole parameter set was read.
    bool Empfangen();
    /// "Senden...".
    CParameterTransfer::SendResult Senden();

private:
    CQuillonDoc& m_doc;
    CTransmitterLink m_link;
    CConnection m_connection;
    CParameterTransfer m_transfer;
};
