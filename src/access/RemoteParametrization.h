#pragma once

#include <QCoreApplication>

class CConnection;
class CTransmitterLink;

/// Releases or locks the remote parametrization of the attached transmitter (command 0x40). The
/// confirmation comes only when the command was sent: after a fault the user is told the fault alone,
/// never that the transmitter was released or locked.
class CRemoteParametrization {
    Q_DECLARE_TR_FUNCTIONS(CRemoteParametrization)

public:
    CRemoteParametrization(CTransmitterLink& link, CConnection& connection);

    /// bFreigeben: release (payload "1"), else lock ("0"). Closes the port at the end. Refused without a
    /// word while another transmitter operation runs.
    void SetRemoteParametrization(bool bFreigeben);

private:
    bool Transmit(bool bFreigeben);

    CTransmitterLink& m_link;
    CConnection& m_connection;
};
