#pragma once

#include "base/TypKatalog.h"
#include "link/TransmitterSio.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <functional>
#include <optional>

class CQuillonDoc;
class CTransmitterLink;

/// Reaching the transmitter through the programming interface: opening the port with the echo setting of
/// the type, telling a PL45 which transmitter family is attached (interface mode), restarting the
/// transmitter with an RTS pulse, identifying it with "Get Device Info", reading the interface's own
/// information and searching the ports for an interface.
///
/// While it exists it is the link's connect-on-demand (TransferCommand on a closed port connects through
/// ConnectTransmitter) and tells the link which reply frames can answer which command (CCommandSet); when it
/// ends, the connection and the check it replaced are the link's again. Every operation
/// leaves the port open; the operation that called it closes it. The operations the hardware setup calls on
/// their own (CheckTransmitter, SearchInterface, ProbePorts, RestartTransmitter) are transmitter operations
/// (CLinkOperation): refused while another one runs, unless that one calls them itself.
class CConnection {
    Q_DECLARE_TR_FUNCTIONS(CConnection)

public:
    static constexpr int kPortCount = 16;
    static constexpr int kKennungFrameLength = 12; ///< STX, L = 10, 8 identification characters, sum, ETX
    static constexpr int kInterfaceInfoFrameLength = 31;

    /// An interface found by the search: its port index (0-based) and firmware version (101 = 1.01).
    struct FoundInterface {
        int nPortIndex;
        int nVersion;
    };

    CConnection(CTransmitterLink& link, CQuillonDoc& doc);
    ~CConnection();
    CConnection(const CConnection&) = delete;
    CConnection& operator=(const CConnection&) = delete;

    /// The document the identification is read into: whose transmitter an operation on this connection
    /// concerns.
    const CQuillonDoc& Document() const { return m_doc; }

    /// Connects by the variant of the type; on failure shows "Fail to Connect Transmitter".
    bool ConnectTransmitter(QByteArray& reply);
    /// Identification without mode and reset (a PL45 only).
    bool ConnectDirect(QByteArray& reply);
    /// Interface mode (PL45), RTS reset pulse, then identification.
    bool ConnectWithReset(QByteArray& reply);
    bool SetInterfaceMode(int nTyp);
    /// Reads the interface's information (0xF0) into the document; true when it answered.
    bool GetInterfaceInfo(QByteArray& reply);
    /// Connects and tells the user what answered (hardware setup, "Verbindung prüfen").
    bool CheckTransmitter();
    /// The hardware setup's search: tries every available port in order and stops at the first whose
    /// interface answers 0xF0 with a whole information frame; tells the user what it found.
    std::optional<FoundInterface> SearchInterface(const QList<bool>& portAvailable);
    /// Whether each of the 16 ports can be opened (closes the port first).
    QList<bool> ProbePorts();
    /// "Normalbetrieb": restarts the transmitter with an RTS pulse and leaves the port open.
    bool RestartTransmitter();

    /// "Normalbetrieb" of the RX93 calibration: a second of reset, then 1.5 s for the transmitter to boot
    /// into normal operation.
    static constexpr CTypKatalog::ResetPuls kPulsNormalbetrieb{0, 1000, 1500};

private:
    bool OpenStep();
    bool Identify(QByteArray& reply);
    void ResetPulse(const CTypKatalog::ResetPuls& puls);

    CTransmitterLink& m_link;
    CQuillonDoc& m_doc;
    std::function<bool()> m_replacedHook;
    CTransmitterSio::ReplyCheck m_replacedCheck;
};
