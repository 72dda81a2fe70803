#pragma once

#include <QtGlobal>
#include <array>

/// What the programming interface reports about itself (command 0xF0), kept by the document for the
/// hardware setup. Only the firmware version is shown to the user; the rest is stored as received.
struct CInterfaceInfo {
    quint8 m_nByte1 = 0;
    quint8 m_nByte2 = 0;
    /// Shown as version / 100 "." version % 100 with two digits: 101 is "1.01".
    quint8 m_nFirmwareVersion = 0;
    std::array<quint16, 5> m_nWort{};
    int m_nZiffer = 0;
};
