#include "calibration/DacAbglVN62Loop.h"

#include "calibration/CalibrationTransfer.h"
#include "core/Operator.h"
#include "document/QuillonDoc.h"
#include "link/LinkOperation.h"
#include "transmitter/Connection.h"

CDacAbglVN62Loop::CDacAbglVN62Loop(CCalibrationTransfer& transfer, CConnection& connection, CQuillonDoc& doc,
                                   IOperator& op)
    : m_transfer(transfer)
    , m_connection(connection)
    , m_doc(doc)
    , m_operator(op) {}

CDacAbglVN62Loop::Points CDacAbglVN62Loop::DefaultPoints() {
    return {600, 2000, 3280, 770, 2260, 3800};
}

std::optional<int> CDacAbglVN62Loop::FirstInvalid(const Points& points) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (points[i] < 0 || points[i] > kDacMax) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

CDacAbglVN62Loop::Points CDacAbglVN62Loop::FromRecord() const {
    const CAbgleichdaten& record = m_doc.Abgleichdaten();
    return {record.m_nDac[0],  record.m_nDac[1],  record.m_nDac[2],
            record.m_nDac2[0], record.m_nDac2[1], record.m_nDac2[2]};
}

void CDacAbglVN62Loop::ToRecord(const Points& points) {
    CAbgleichdaten& record = m_doc.Abgleichdaten();
    for (std::size_t i = 0; i < 3; ++i) {
        record.m_nDac[i] = points[i];
        record.m_nDac2[i] = points[i + 3];
    }
}

void CDacAbglVN62Loop::SendDac(int nValue) {
    if (!m_transfer.SetDac(nValue)) {
        m_operator.Message(tr("Sendefehler!"));
    }
}

bool CDacAbglVN62Loop::Run(IView& view) {
    const CLinkOperation operation(m_transfer.Link());
    if (operation.IsRefused()) {
        return false;
    }
    QByteArray reply;
    if (!m_connection.ConnectTransmitter(reply)) {
        m_operator.Message(tr("Empfangsfehler!"));
        return false;
    }
    bool bRead = true;
    for (;;) {
        if (bRead) {
            m_transfer.ReadDac2Points();
            bRead = false;
        }
        Points points = FromRecord();
        const Outcome outcome = view.Show(points);
        ToRecord(points);
        switch (outcome.action) {
        case Action::Set:
            SendDac(points.at(static_cast<std::size_t>(qBound(0, outcome.nRow, 5))));
            break;
        case Action::Freigeben:
            SendDac(65535);
            break;
        case Action::Lesen:
            bRead = true;
            break;
        case Action::Senden:
            m_transfer.WriteGainWords();
            break;
        case Action::Ok:
            m_transfer.WriteGainWords();
            m_transfer.ClosePort();
            return true;
        case Action::Abbrechen:
            m_transfer.ClosePort();
            return true;
        }
    }
}
