#pragma once

#include "ScriptedOperator.h"
#include "core/VirtualClock.h"
#include "document/QuillonDoc.h"
#include "link/MemoryDevice.h"
#include "link/TransmitterLink.h"
#include "sim/SimPeer.h"
#include "sim/Simulator.h"
#include "transmitter/Connection.h"
#include "transmitter/ParameterTransfer.h"

#include <QByteArray>
#include <QList>

/// The program's transmitter operations as the window runs them (document, link, connection,
/// sequences) against the in-process simulator on a virtual clock.
class CSequenceRig {
public:
    struct Frame {
        quint8 command;
        QByteArray payload;
    };

    explicit CSequenceRig(int nTyp, CSimInterface::Kind kind = CSimInterface::Kind::PL45,
                          const QByteArray& kennung = QByteArray());

    /// The request frames the program wrote since the last call (or construction).
    QList<Frame> TakeFrames();
    /// The frames of one command among them.
    static QList<Frame> Only(const QList<Frame>& frames, quint8 command);

    CVirtualClock clock;
    CScriptedOperator op;
    CMemoryDevice* device;
    CTransmitterLink link;
    CSimulator sim;
    CSimPeer peer;
    CQuillonDoc doc;
    CConnection connection;
    CParameterTransfer transfer;

private:
    static std::unique_ptr<CMemoryDevice> MakeDevice(CVirtualClock& clock, CMemoryDevice*& raw);
};
