#include "ui/calibration/CalibrationCommands.h"

#include "calibration/AnalogAbgleichLoop.h"
#include "calibration/DacAbglVN62Loop.h"
#include "document/QuillonDoc.h"
#include "link/TransmitterLink.h"
#include "shell/Edition.h"
#include "transmitter/SioTransferRecord.h"
#include "ui/calibration/AnalogAbgleich.h"
#include "ui/calibration/DacAbglVN62.h"
#include "ui/edit/EnterData.h"
#include "ui/measurement/DlgSioTransfer.h"

#include <QMessageBox>

CCalibrationCommands::CCalibrationCommands(QWidget* parent, CTransmitterLink& link, CConnection& connection,
                                           CCalibrationTransfer& transfer, CQuillonDoc& doc)
    : m_parent(parent)
    , m_link(link)
    , m_connection(connection)
    , m_transfer(transfer)
    , m_doc(doc) {}

void CCalibrationCommands::OnAnalogAbgleich() {
    CAnalogAbgleich dialog(m_doc.GetTyp(), m_parent);
    CAnalogAbgleichLoop(m_link, m_connection, m_transfer, m_doc).Run(dialog);
}

void CCalibrationCommands::OnDacAbglVN62() {
    CDacAbglVN62 dialog(m_parent);
    CDacAbglVN62Loop(m_transfer, m_connection, m_doc, m_link.Operator()).Run(dialog);
}

void CCalibrationCommands::OnRX93Freigeben() {
    CRX93Commands(m_link, m_connection).RunRelease(*this);
}

void CCalibrationCommands::OnRX93Aendern() {
    CRX93Commands(m_link, m_connection).RunWordWrites(*this);
}

std::optional<std::pair<QString, QString>> CCalibrationCommands::EnterWord(const QString& index,
                                                                           const QString& value) {
    CEnterData dialog(value, m_parent);
    dialog.SetPresets(index, value);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return std::pair{dialog.Index(), dialog.Wert()};
}

bool CCalibrationCommands::ShowExchange(const QString& title, const CRX93Commands::Exchange& exchange) {
    CDlgSioTransfer dialog(
        CSioTransferRecord::FromExchange(title, exchange.request, exchange.reply, exchange.bOk), m_parent);
    return dialog.exec() == CDlgSioTransfer::kWiederholen;
}

void CCalibrationCommands::ShowError(const QString& text) {
    QMessageBox::warning(m_parent, CEdition::ProgramName(), text);
}
