#pragma once

// The window's transmitter session on a memory device, with the in-process simulator of one type behind
// it: the document set up as the hardware dialog would leave it (port 1, PL45).

#include "ScriptedOperator.h"
#include "core/VirtualClock.h"
#include "document/QuillonDoc.h"
#include "link/MemoryDevice.h"
#include "shell/TransmitterSession.h"
#include "sim/SimPeer.h"
#include "sim/Simulator.h"

#include <memory>

struct CSessionRig {
    explicit CSessionRig(int nTyp)
        : session(op, clock, MakeDevice(), doc)
        , sim(CSimTransmitter(nTyp, QByteArray()), CSimInterface::Kind::PL45)
        , peer(*device, sim) {
        session.Link().Sio().Serial().PortMap().Pin(1, QStringLiteral("/dev/ttyUSB0"));
        doc.SetTyp(nTyp);
        doc.SetComPort(0);
        doc.SetInterfaceVersion(1);
    }

    std::unique_ptr<CMemoryDevice> MakeDevice() {
        auto made = std::make_unique<CMemoryDevice>(clock);
        device = made.get();
        return made;
    }

    CVirtualClock clock{1000};
    CScriptedOperator op;
    CQuillonDoc doc{op, QString()};
    CMemoryDevice* device = nullptr;
    CTransmitterSession session;
    CSimulator sim;
    CSimPeer peer;
};
