#pragma once

#include "ScriptedOperator.h"
#include "core/VirtualClock.h"
#include "link/MemoryDevice.h"
#include "link/TransmitterLink.h"
#include "sim/SimPeer.h"
#include "sim/Simulator.h"

#include <QByteArray>
#include <optional>

/// The program's side and the simulator joined by an in-memory line on a virtual clock: a link as the
/// program uses it, talking to one simulated interface with its transmitter. Connect does what the
/// program's connect does for the type (interface mode, RTS reset pulse, identification).
class CSimRig {
public:
    explicit CSimRig(int nTyp, CSimInterface::Kind kind = CSimInterface::Kind::PL45,
                     const QByteArray& kennung = QByteArray());

    /// Opens COM1 with the echo flag the program uses for the type.
    bool Open();
    /// Open, mode (PL45, reset types), reset pulse (reset types), identification; true when it answered.
    bool Connect();
    /// RTS on, wait, RTS off, wait, as the program's reset pulse of the interface kind.
    void ResetPulse();
    /// One TransferCommand; the reply frame, or nothing when no reply came in three attempts.
    std::optional<QByteArray> Transfer(quint8 command, const QByteArray& payload = QByteArray());
    /// The reply data (frame positions 2 to L - 1) of a successful transfer; fails the test otherwise.
    QByteArray Data(quint8 command, const QByteArray& payload = QByteArray());
    /// Sends a memory image the way the send does: begin, blocks of 20 hex digits, end.
    bool SendImage(char area, const QByteArray& image);

    CVirtualClock clock;
    CScriptedOperator op;
    CMemoryDevice* device;
    CTransmitterLink link;
    CSimulator sim;
    CSimPeer peer;

private:
    static std::unique_ptr<CMemoryDevice> MakeDevice(CVirtualClock& clock, CMemoryDevice*& raw);
};
