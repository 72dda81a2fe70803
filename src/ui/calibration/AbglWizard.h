#pragma once

#include "calibration/AbglWizardNavigation.h"
#include "calibration/AbglWizardTransfer.h"
#include "calibration/CalibrationTransfer.h"
#include "transmitter/ServiceTransfer.h"

#include <QWizard>
#include <functional>

class CQuillonDoc;
class CTransmitterLink;
class CConnection;
class IOperator;

/// "Abgleich-Wizzard": the factory calibration of the analog transmitters (types 3 to 6) in six pages.
/// The page graph is not a straight line (Back retraces the way taken, the last page starts over), so
/// the wizard moves between its pages itself; the pages do their work on Next and report where to go.
///
/// While a page's transfer runs the link waits in a nested event loop: Next, Back and Cancel are then
/// refused, and they are free again after every transfer, whatever its outcome.
class CAbglWizard : public QWizard {
    Q_OBJECT

public:
    CAbglWizard(CQuillonDoc& doc, CTransmitterLink& link, CConnection& connection, QWidget* parent = nullptr);
    ~CAbglWizard() override;

    CQuillonDoc& Doc() { return m_doc; }
    CAbglWizardNavigation& Nav() { return m_nav; }
    CAbglWizardTransfer& Transfer() { return m_transfer; }
    CCalibrationTransfer& Calibration() { return m_calibration; }
    CServiceTransfer& Service() { return m_service; }
    IOperator& Operator();

    bool IsBusy() const { return m_bBusy; }
    /// Runs one transfer of a page with the busy flag set; its result.
    bool Run(const std::function<bool()>& transfer);
    /// "Empfangsfehler!"
    void ShowEmpfangsfehler();

    /// The wizard's Next and Back; refused while a transfer runs.
    void GoNext();
    void GoBack();
    void reject() override;

private:
    void GoTo(int nPage);
    void UpdateButtons();

    CQuillonDoc& m_doc;
    CTransmitterLink& m_link;
    CAbglWizardNavigation m_nav;
    CAbglWizardTransfer m_transfer;
    CCalibrationTransfer m_calibration;
    CServiceTransfer m_service;
    bool m_bBusy = false;
};
