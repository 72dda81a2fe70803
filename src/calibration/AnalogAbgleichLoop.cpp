#include "calibration/AnalogAbgleichLoop.h"

#include "calibration/CalibrationTransfer.h"
#include "core/Clock.h"
#include "core/Operator.h"
#include "core/WaitCursor.h"
#include "document/QuillonDoc.h"
#include "link/LinkOperation.h"
#include "link/TransmitterLink.h"
#include "transmitter/Connection.h"

CAnalogAbgleichLoop::CAnalogAbgleichLoop(CTransmitterLink& link, CConnection& connection,
                                         CCalibrationTransfer& transfer, CQuillonDoc& doc)
    : m_link(link)
    , m_connection(connection)
    , m_transfer(transfer)
    , m_doc(doc)
    , m_service(link, connection, doc) {}

bool CAnalogAbgleichLoop::Run(IView& view) {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    if (!CAnalogAbgleichRules::IsCompatible(m_doc.GetTyp())) {
        m_link.Operator().Message(CAnalogAbgleichRules::IncompatibleText());
        return false;
    }
    CAnalogAbgleichRules::Values values = CAnalogAbgleichRules::Load(m_doc);
    for (;;) {
        const Outcome outcome = view.Show(values);
        if (outcome.action == Action::Ok || outcome.action == Action::Abbrechen) {
            m_link.Sio().ClosePort();
            return true;
        }
        Act(outcome, values);
    }
}

void CAnalogAbgleichLoop::Act(const Outcome& outcome, CAnalogAbgleichRules::Values& values) {
    CAbgleichdaten& record = values.record;
    const auto row = static_cast<std::size_t>(qBound(0, outcome.nRow, 4));
    switch (outcome.action) {
    case Action::GetAdc:
        GetAdc(static_cast<int>(row), values);
        break;
    case Action::GetTempAdc:
        GetTempAdc(values);
        break;
    case Action::SetDac:
        // "d" takes the DAC value as a 16-bit signed number.
        Send(&CServiceTransfer::ServiceSetDac,
             static_cast<qint16>(record.m_nDac.at(qMin<std::size_t>(row, 2))));
        break;
    case Action::Freigeben:
        Send(&CServiceTransfer::ServiceSetDac, CAnalogAbgleichRules::kDacFrei);
        break;
    case Action::SetGain:
        Send(&CServiceTransfer::ServiceSetGain, record.m_nGain);
        break;
    case Action::Auslesen:
        m_transfer.ReadCalibrationData();
        values.record = m_doc.Abgleichdaten();
        CAnalogAbgleichRules::TakeOutputRange(values);
        break;
    case Action::Senden:
        CAnalogAbgleichRules::Apply(values, m_doc);
        m_transfer.WriteCalibrationData(CHistoryEvent::Operation::AnalogCalibration);
        break;
    case Action::Default:
        CAnalogAbgleichRules::SetDefaultRecord(record);
        CAnalogAbgleichRules::TakeOutputRange(values);
        break;
    case Action::DefDac:
        CAnalogAbgleichRules::SetDefaultDac(record);
        break;
    case Action::Ok:
    case Action::Abbrechen:
        break;
    }
}

void CAnalogAbgleichLoop::GetAdc(int nRow, CAnalogAbgleichRules::Values& values) {
    CWaitCursor wait(m_link.Operator());
    if (!m_link.Sio().IsPortOpen()) {
        QByteArray reply;
        if (!m_connection.ConnectTransmitter(reply)) {
            m_link.Sio().ClosePort();
            return;
        }
        // The transmitter needs a moment after its restart before its converter reads true.
        m_link.Clock().SleepMs(kWaitBeforeAdcMs);
    }
    // A failed reading leaves the row as it was.
    if (const std::optional<qint32> adc = m_service.ServiceGetAdc()) {
        values.record.m_nAdc.at(static_cast<std::size_t>(nRow)) = *adc;
    }
}

void CAnalogAbgleichLoop::GetTempAdc(CAnalogAbgleichRules::Values& values) {
    CWaitCursor wait(m_link.Operator());
    if (const std::optional<qint32> adc = m_service.ServiceGetTempAdc()) {
        values.record.m_nTemperaturAdc[0] = *adc;
    }
}

void CAnalogAbgleichLoop::Send(bool (CServiceTransfer::*transfer)(qint32), qint32 value) {
    CWaitCursor wait(m_link.Operator());
    (m_service.*transfer)(value);
}
