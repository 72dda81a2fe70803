#pragma once

class CMainFrame;
class CQuillonView;

/// The main window's commands of the calibration wizard and the temperature calibration:
/// "Abgleich-Wizzard" (also the form's hidden button "Analogabgleich") and "Temperaturabgleich...".
class CWizardCommands {
public:
    /// The form's hidden button that opens the wizard.
    static constexpr int kAnalogabgleichButton = 1355;

    /// Connects the commands; with bWizardInCheck (the factory edition, whose menu holds the wizard) the
    /// check's "Justieren..." offers the wizard too.
    static void Connect(CMainFrame& frame, CQuillonView& view, bool bWizardInCheck);

    /// Runs the wizard modally over the view.
    static void RunWizard(CMainFrame& frame, CQuillonView& view);
    /// The temperature calibration dialog loop.
    static void RunTempAbgleich(CMainFrame& frame, CQuillonView& view);

private:
    /// The wizard itself, inside an operation that runs already (the menu's, or the check's).
    static void Wizard(CMainFrame& frame, CQuillonView& view);
    static void TempAbgleich(CMainFrame& frame, CQuillonView& view);
};
