#include "access/ComportRules.h"

#include "access/SetupDialogLoop.h"
#include "core/Operator.h"
#include "document/QuillonDoc.h"
#include "link/LinkOperation.h"
#include "link/TransmitterLink.h"
#include "transmitter/Connection.h"

CComportRules::CComportRules(CQuillonDoc& doc, CTransmitterLink& link, CConnection& connection)
    : m_doc(doc)
    , m_link(link)
    , m_connection(connection) {}

QString CComportRules::PortText(int nIndex) const {
    const QString device = m_link.Sio().Serial().PortMap().DevicePath(nIndex + 1);
    const QString com = QStringLiteral("COM%1").arg(nIndex + 1);
    return device.isEmpty() ? com : com + QStringLiteral(" (%1)").arg(device);
}

CComportRules::Values CComportRules::Load() {
    Values values;
    values.nSelected = m_doc.GetComPort();
    values.bSearchEnabled = m_doc.GetInterfaceVersion() != 0;
    ProbePorts(values);
    return values;
}

void CComportRules::ProbePorts(Values& values) {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        values.enabled.fill(false);
        return;
    }
    for (int i = 0; i < kPortCount; ++i) {
        values.enabled.at(static_cast<size_t>(i)) = m_link.Sio().TestPort(i);
    }
}

void CComportRules::SearchPL45(Values& values) {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return;
    }
    IOperator& op = m_link.Operator();
    op.BeginProgress(tr("Suche Interface"), tr("Suche Interface..."), 0, kPortCount - 1);
    for (int i = 0; i < kPortCount; ++i) {
        op.SetProgressPos(i);
        op.SetProgressText(tr("Connect COM%1...").arg(i + 1));
        if (!values.enabled.at(static_cast<size_t>(i))) {
            continue;
        }
        m_link.Sio().ClosePort();
        m_doc.SetComPort(i);
        QByteArray reply;
        if (m_connection.GetInterfaceInfo(reply)) {
            values.nSelected = i;
        }
    }
    m_link.Sio().ClosePort();
    op.EndProgress();
}

void CComportRules::Apply(const Values& values) {
    m_doc.SetComPort(values.nSelected);
    m_link.Sio().ClosePort();
}

bool CComportRules::Run(const ShowDialog& show) {
    // "PL45 suchen" is the only other button.
    return RunSetupDialog(*this, show, [this](Result, Values& values) {
        SearchPL45(values);
        ProbePorts(values);
    });
}
