#pragma once

#include "link/TransmitterSio.h"

#include <QByteArray>
#include <functional>
#include <memory>

class IClock;
class IOperator;

/// The one way every command reaches the transmitter: TransferCommand connects on demand, sends one
/// request frame, waits for one reply frame and tries up to three times. It lives in the core; the
/// window's view owns one for the whole run, the command-line tool one per command.
class CTransmitterLink {
public:
    static constexpr int kAttempts = 3;
    static constexpr int kRetryPauseMs = 100;
    /// After every exchange the line rests twice this long before the next request: the gap between a
    /// reply and the next request that the transmitters in the field have always been driven with.
    static constexpr int kRestPauseMs = 10;
    static constexpr int kRestPauses = 2;

    /// Connects to the transmitter when the port is closed (opening the port, setting the interface
    /// mode, resetting and identifying the transmitter); true on success.
    using ConnectHook = std::function<bool()>;

    CTransmitterLink(IOperator& op, IClock& clock, std::unique_ptr<IByteDevice> device = nullptr);

    CTransmitterSio& Sio();
    /// The port under the frames (RTS for the reset pulse).
    CSerial& Serial();
    /// Which device each COM number opens.
    CPortMap& PortMap();
    IOperator& Operator();
    IClock& Clock();
    /// Installs the connect-on-demand; returns the one it replaces, for a connection of the moment
    /// (a read-back beside the shown document) to put back when it ends.
    ConnectHook SetConnectHook(ConnectHook hook);

    /// Sends the command with its payload and receives the reply frame (STX to ETX) into reply. True
    /// when a reply frame arrived. Afterwards payload holds the request frame that was sent last, or is
    /// empty when none was built. A payload over 42 characters is a program error (CProgramError).
    bool TransferCommand(quint8 command, QByteArray& payload, QByteArray& reply);
    /// TransferCommand for the sequences, which never need the request frame back: the reply frame (empty
    /// when none came) into reply.
    bool Transfer(quint8 command, const QByteArray& payload, QByteArray& reply);
    /// The same when only the answer's arrival matters.
    bool Transfer(quint8 command, const QByteArray& payload = QByteArray());
    /// How many TransferCommand calls are running, the outer one included (a connect on demand runs its
    /// own exchanges inside the outer one; each keeps its own time-out).
    int TransferDepth() const;

    /// Whether a transmitter operation (CLinkOperation) is running; the window keeps its commands
    /// disabled meanwhile.
    bool IsBusy() const;
    /// Asks the running operation to end (closing the window, "Abbrechen"). It ends at its next wait:
    /// the exchange waiting for its reply gives up, the exchanges still to come fail at once without
    /// sending anything, and the operation goes its usual way of failure, closing the port and telling the
    /// user that it failed (after a send cancelled halfway the transmitter holds part of the new set, which
    /// the user has to know). A fixed wait already begun, such as the reset pulse, still runs out. The
    /// request ends with the operation; without a running operation it does nothing.
    void RequestCancel();
    bool IsCancelRequested() const;

private:
    friend class CLinkOperation;

    bool EnsureConnected();

    IOperator& m_operator;
    IClock& m_clock;
    CTransmitterSio m_sio;
    ConnectHook m_connectHook;
    int m_nDepth = 0;
    int m_nOperationDepth = 0;     ///< nested CLinkOperation objects of the running operation
    int m_nOperationLoopLevel = 0; ///< event loop level at which the running operation started
};
