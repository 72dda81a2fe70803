#pragma once

#include "document/ParameterSatz.h"
#include "link/TransmitterLink.h"
#include "shell/SendePruefung.h"
#include "transmitter/Connection.h"
#include "transmitter/ParameterTransfer.h"

#include <memory>
#include <optional>

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
    CParameterTransfer& Transfer() { return m_transfer; }

    /// "Empfangen...": true when the whole parameter set was read.
    bool Empfangen();
    /// "Senden...". With "Nach dem Senden prüfen" a send that succeeded is read back; a send that failed
    /// once it may have written is always read back, to tell which set the transmitter holds. The
    /// finding is shown to the person and kept (LetztePruefung).
    CParameterTransfer::SendResult Senden();
    /// The finding of the last read-back after a send, if there was one.
    const std::optional<CSendePruefung::Ergebnis>& LetztePruefung() const { return m_letztePruefung; }

    /// The parameter set as last received from the transmitter ("as found"), beside the document and
    /// never in its file; nothing until a receive succeeded.
    const std::optional<CParameterSatz>& AsFound() const { return m_asFound; }
    void ForgetAsFound() { m_asFound.reset(); }
    /// The "as found" set for the sheet of doc: only when it was read from the transmitter doc names
    /// (identification and serial number) and doc has been changed since; nothing otherwise.
    std::optional<CParameterSatz> AsFoundFor(const CQuillonDoc& doc) const;

private:
    void CheckAfterSend(CParameterTransfer::SendResult result);

    CQuillonDoc& m_doc;
    CTransmitterLink m_link;
    CConnection m_connection;
    CParameterTransfer m_transfer;
    std::optional<CParameterSatz> m_asFound;
    std::optional<CSendePruefung::Ergebnis> m_letztePruefung;
};
