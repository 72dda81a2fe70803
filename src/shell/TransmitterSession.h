#pragma once

#include "document/ParameterSatz.h"
#include "link/TransmitterLink.h"
#include "shell/SendePruefung.h"
#include "transmitter/Connection.h"
#include "transmitter/ParameterTransfer.h"

#include <functional>
#include <memory>
#include <optional>

class CQuillonDoc;
class IByteDevice;
class IClock;
class IOperator;

/// The transmitter side of the window and of quillon-cli: the link with its port, the connection and
/// the receive and send of the parameter set, for the whole run. Both go through here so that they
/// check a send the same way and leave the same entry in the device history: one per receive or send
/// that reached the transmitter, whatever its outcome.
class CTransmitterSession {
public:
    /// Shows the finding of a read-back after a send; the window shows a message box (the default),
    /// the command-line tool prints a confirmation on its output.
    using FindingDisplay = std::function<void(const CSendePruefung::Ergebnis&)>;

    CTransmitterSession(IOperator& op, IClock& clock, std::unique_ptr<IByteDevice> device, CQuillonDoc& doc);
    CTransmitterSession(const CTransmitterSession&) = delete;
    CTransmitterSession& operator=(const CTransmitterSession&) = delete;

    CTransmitterLink& Link() { return m_link; }
    const CTransmitterLink& Link() const { return m_link; }
    CConnection& Connection() { return m_connection; }
    CParameterTransfer& Transfer() { return m_transfer; }

    /// "Empfangen...": true when the whole parameter set was read; a receive that fails leaves the
    /// document as it was.
    bool Empfangen();
    /// Reads what the transmitter holds now as the as-found set, the document untouched: a send after
    /// it can then tell the old set from a mix (`quillon-cli send --verify`). False when it could not
    /// be read.
    bool ReadAsFound();
    /// "Vergleichen..." and `quillon-cli diff FILE`: reads the transmitter's set through `lesen` (the
    /// document untouched) and records the read like a receive, so that the history holds what the
    /// transmitter was found with. False when it could not be read.
    bool ReadForCompare(CSendePruefung& lesen);
    /// "Senden...". With bPruefen ("Nach dem Senden prüfen", --verify) a send that succeeded is read
    /// back; a send that failed once it may have written is always read back, to tell which set the
    /// transmitter holds. The finding is shown and kept (LetztePruefung).
    CParameterTransfer::SendResult Senden(bool bPruefen);
    /// The finding of the last read-back after a send, if there was one.
    const std::optional<CSendePruefung::Ergebnis>& LetztePruefung() const { return m_letztePruefung; }
    void SetFindingDisplay(FindingDisplay anzeige) { m_findingDisplay = std::move(anzeige); }

    /// The "as found" set for the sheet of doc: only when it was read from the transmitter doc names
    /// (identification and serial number) and doc has been changed since; nothing otherwise.
    std::optional<CParameterSatz> AsFoundFor(const CQuillonDoc& doc) const;

private:
    /// The as-found set when it was read from the transmitter doc names.
    std::optional<CParameterSatz> AsFoundOf(const CQuillonDoc& doc) const;
    void CheckAfterSend(CParameterTransfer::SendResult result, bool bPruefen);
    void ShowFinding(const CSendePruefung::Ergebnis& ergebnis);
    void RecordReceive(bool bOk, quint64 nTraceStart, const CParameterTransfer& transfer);
    void RecordSend(CParameterTransfer::SendResult result, const std::optional<CParameterSatz>& vorher,
                    const QStringList& traceTail);
    quint64 TraceStart();
    QStringList TraceTail(quint64 nTraceStart);

    CQuillonDoc& m_doc;
    CTransmitterLink m_link;
    CConnection m_connection;
    CParameterTransfer m_transfer;
    std::optional<CParameterSatz> m_asFound;
    /// The as-found set was read just now for the next send, from the very transmitter it goes to.
    bool m_bAsFoundVorSenden = false;
    std::optional<CSendePruefung::Ergebnis> m_letztePruefung;
    FindingDisplay m_findingDisplay;
};
