#include "ui/calibration/WizardCommands.h"

#include "calibration/TempAbgleichTransfer.h"
#include "link/TransmitterLink.h"
#include "shell/CommandTable.h"
#include "ui/calibration/AbglWizard.h"
#include "ui/calibration/TempAbgleichDialog.h"
#include "ui/main/MainFrame.h"
#include "ui/main/QuillonView.h"

#include <QPushButton>

void CWizardCommands::Connect(CMainFrame& frame, CQuillonView& view, bool bWizardInCheck) {
    if (bWizardInCheck) {
        view.SetWizard([&frame, &view] { Wizard(frame, view); });
    }
    frame.ConnectCommand(CCommandTable::kAbglWizard, [&frame, &view] { RunWizard(frame, view); });
    frame.ConnectCommand(CCommandTable::kTempAbgleich, [&frame, &view] { RunTempAbgleich(frame, view); });
    if (auto* button = qobject_cast<QPushButton*>(view.Control(kAnalogabgleichButton))) {
        QObject::connect(button, &QPushButton::clicked, &frame,
                         [&frame] { frame.Run(CCommandTable::kAbglWizard); });
    }
}

void CWizardCommands::RunWizard(CMainFrame& frame, CQuillonView& view) {
    view.RunOperation([&frame, &view] { Wizard(frame, view); });
}

void CWizardCommands::Wizard(CMainFrame& frame, CQuillonView& view) {
    CTransmitterSession& session = view.Session();
    CAbglWizard wizard(view.Document(), session.Link(), session.Connection(), &frame);
    wizard.exec();
    view.ShowDocument(); // the wizard changed the type and the values the form shows
}

void CWizardCommands::RunTempAbgleich(CMainFrame& frame, CQuillonView& view) {
    view.RunOperation([&frame, &view] { TempAbgleich(frame, view); });
}

void CWizardCommands::TempAbgleich(CMainFrame& frame, CQuillonView& view) {
    CTransmitterSession& session = view.Session();
    CTempAbgleichTransfer transfer(session.Link(), session.Connection());
    CTempAbgleichDialog::Aktionen aktionen{
        [&transfer](CTempAbgleich::Values& werte) { return transfer.ReadTemperatureData(werte); },
        [&transfer](const CTempAbgleich::Values& werte) { return transfer.WriteTemperatureData(werte); }};
    CTempAbgleichDialog dialog(std::move(aktionen), session.Link().Operator(), &frame);
    dialog.exec();
}
