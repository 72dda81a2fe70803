#include "link/LinkOperation.h"

#include "core/Logging.h"
#include "core/Operator.h"
#include "link/TransmitterLink.h"

#include <QThread>

namespace {

int CurrentLoopLevel() {
    return QThread::currentThread()->loopLevel();
}

} // namespace

CLinkOperation::CLinkOperation(CTransmitterLink& link)
    : m_link(link) {
    const int nLevel = CurrentLoopLevel();
    if (m_link.m_nOperationDepth > 0 && nLevel != m_link.m_nOperationLoopLevel) {
        m_bRefused = true;
        qCWarning(lcLink) << "operation refused: another transmitter operation is running";
        return;
    }
    if (m_link.m_nOperationDepth++ == 0) {
        m_link.m_nOperationLoopLevel = nLevel;
        // One listing of the serial devices per operation, however many ports it tries.
        m_link.PortMap().Refresh();
        m_link.Operator().SetBereit(false);
    }
}

CLinkOperation::~CLinkOperation() {
    if (m_bRefused) {
        return;
    }
    if (--m_link.m_nOperationDepth == 0) {
        // A cancel belongs to the operation it was asked for; the next one starts afresh.
        m_link.Sio().SetCancelRequested(false);
        m_link.Operator().SetBereit(true);
    }
}

bool CLinkOperation::IsRefused() const {
    return m_bRefused;
}
