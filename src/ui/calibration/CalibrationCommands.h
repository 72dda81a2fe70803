#pragma once

#include "calibration/RX93Commands.h"

#include <QCoreApplication>

class CCalibrationTransfer;
class CConnection;
class CQuillonDoc;
class CTransmitterLink;
class QWidget;

/// The window's calibration commands that run a dialog loop on the transmitter: "Analogabgleich...",
/// the VN62's "DAC-Abgleich..." and the RX93's "Abgleich freigeben" and "Abgleichdaten ändern...". Each
/// runs its core loop with its dialogs over the given parent; the ready flag stays the view's.
class CCalibrationCommands : private CRX93Commands::IView {
    Q_DECLARE_TR_FUNCTIONS(CCalibrationCommands)

public:
    CCalibrationCommands(QWidget* parent, CTransmitterLink& link, CConnection& connection,
                         CCalibrationTransfer& transfer, CQuillonDoc& doc);

    void OnAnalogAbgleich();
    void OnDacAbglVN62();
    void OnRX93Freigeben();
    void OnRX93Aendern();

private:
    std::optional<std::pair<QString, QString>> EnterWord(const QString& index, const QString& value) override;
    bool ShowExchange(const QString& title, const CRX93Commands::Exchange& exchange) override;
    void ShowError(const QString& text) override;

    QWidget* m_parent;
    CTransmitterLink& m_link;
    CConnection& m_connection;
    CCalibrationTransfer& m_transfer;
    CQuillonDoc& m_doc;
};
