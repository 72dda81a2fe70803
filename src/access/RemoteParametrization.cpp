#include "access/RemoteParametrization.h"

#include "core/Operator.h"
#include "link/LinkOperation.h"
#include "link/TransmitterLink.h"
#include "transmitter/Commands.h"
#include "transmitter/Connection.h"
#include "transmitter/HistoryScope.h"

CRemoteParametrization::CRemoteParametrization(CTransmitterLink& link, CConnection& connection)
    : m_link(link)
    , m_connection(connection) {}

bool CRemoteParametrization::Transmit(bool bFreigeben) {
    QByteArray reply;
    if (!m_connection.ConnectTransmitter(reply)) {
        return false;
    }
    QByteArray payload = bFreigeben ? QByteArrayLiteral("1") : QByteArrayLiteral("0");
    return m_link.TransferCommand(Cmd::SetFreigabe, payload, reply);
}

void CRemoteParametrization::SetRemoteParametrization(bool bFreigeben) {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return;
    }
    IOperator& op = m_link.Operator();
    CHistoryScope history(m_link, m_connection.Document(), CHistoryEvent::Operation::WriteValues);
    history.NoteWrite(Cmd::SetFreigabe, bFreigeben ? QByteArrayLiteral("1") : QByteArrayLiteral("0"));
    const bool bSent = history.Ended(Transmit(bFreigeben));
    m_link.Sio().ClosePort();
    if (!bSent) {
        op.Message(tr("Sendefehler!"), QString(), IOperator::Icon::Error);
        return;
    }
    op.Message(bFreigeben ? tr("Die Fernparametrierung wurde freigegeben.")
                          : tr("Die Fernparametrierung wurde gesperrt."),
               QString(), IOperator::Icon::Information);
}
