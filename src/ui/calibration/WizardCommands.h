#pragma once

class CMainFrame;
class CQuillonView;

/// The main window's commands of the calibration wizard and the temperature calibration:
/// "Abgleich-Wizzard" (also the form's hidden button "Analogabgleich") and "Temperaturabgleich...".
class CWizardCommands {
public:
    /// The form's hidden button that opens the wizard.
    static constexpr int kAnalogabgleichButton = 1355;

    static void Connect(CMainFrame& frame, CQuillonView& view);

    /// Runs the wizard modally over the view.
    static void RunWizard(CMainFrame& frame, CQuillonView& view);
    /// The temperature calibration dialog loop.
    static void RunTempAbgleich(CMainFrame& frame, CQuillonView& view);

private:
    static void TempAbgleich(CMainFrame& frame, CQuillonView& view);
};
