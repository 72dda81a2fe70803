#include "calibration/AnalogAbgleichLoop.h"

#include "calibration/CalibrationTransfer.h"
#include "core/Clock.h"
#include "core/Operator.h"
#include "core/WaitCursor.h"
#include "document/QuillonDoc.h"
#include "link/LinkOperation.h"
#include "link/TransmitterLink.h"
#include "transmitter/Commands.h"
#include "transmitter/Connection.h"

namespace {

constexpr int kReplyNumberDigits = 6;
constexpr int kDataStart = 2;

/// "d" takes the DAC value as a 16-bit signed number in six digits.
QByteArray DacPayload(qint32 value) {
    return QString::asprintf("%06d", static_cast<int>(static_cast<qint16>(value))).toLatin1();
}

} // namespace

CAnalogAbgleichLoop::CAnalogAbgleichLoop(CTransmitterLink& link, CConnection& connection,
                                         CCalibrationTransfer& transfer, CQuillonDoc& doc)
    : m_link(link)
    , m_connection(connection)
    , m_transfer(transfer)
    , m_doc(doc) {}

std::optional<qint32> CAnalogAbgleichLoop::ReplyNumber(const QByteArray& reply) {
    const QByteArray digits = reply.mid(kDataStart, kReplyNumberDigits);
    bool bOk = false;
    const qint32 value = digits.toInt(&bOk);
    if (!bOk || digits.size() != kReplyNumberDigits) {
        return std::nullopt;
    }
    return value;
}

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
        Send(Cmd::SetDac, DacPayload(record.m_nDac.at(qMin<std::size_t>(row, 2))));
        break;
    case Action::Freigeben:
        Send(Cmd::SetDac, QString::asprintf("%06d", CAnalogAbgleichRules::kDacFrei).toLatin1());
        break;
    case Action::SetGain:
        Send(Cmd::SetVerstaerkung,
             "011" + QByteArray::number(record.m_nGain, 16).toUpper().rightJustified(4, '0'));
        break;
    case Action::Auslesen:
        m_transfer.ReadCalibrationData();
        values.record = m_doc.Abgleichdaten();
        CAnalogAbgleichRules::TakeOutputRange(values);
        break;
    case Action::Senden:
        CAnalogAbgleichRules::ApplyForSend(values, m_doc);
        m_transfer.WriteCalibrationData();
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
    if (const std::optional<qint32> value = Read(Cmd::GetAktAdc, "0")) {
        values.record.m_nAdc.at(static_cast<std::size_t>(nRow)) = *value;
    }
}

void CAnalogAbgleichLoop::GetTempAdc(CAnalogAbgleichRules::Values& values) {
    CWaitCursor wait(m_link.Operator());
    if (const std::optional<qint32> value = Read(Cmd::GetTempAdc, {})) {
        values.record.m_nTemperaturAdc[0] = *value;
    }
}

void CAnalogAbgleichLoop::Send(quint8 command, const QByteArray& payload) {
    CWaitCursor wait(m_link.Operator());
    QByteArray request = payload;
    QByteArray reply;
    m_link.TransferCommand(command, request, reply);
}

std::optional<qint32> CAnalogAbgleichLoop::Read(quint8 command, const QByteArray& payload) {
    QByteArray request = payload;
    QByteArray reply;
    if (!m_link.TransferCommand(command, request, reply)) {
        return std::nullopt;
    }
    return ReplyNumber(reply);
}
