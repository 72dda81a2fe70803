#pragma once

#include <QCoreApplication>

class QDialog;
class QDialogButtonBox;
class QPushButton;

/// The "OK" and "Abbrechen" buttons of the dialogs, with the program's own texts (Qt's standard buttons
/// would speak the language of Qt's catalogue, not the program's).
class CDialogButtons {
    Q_DECLARE_TR_FUNCTIONS(CDialogButtons)

public:
    /// "OK" (default, accepts) and "Abbrechen" (rejects), connected to the dialog.
    static QDialogButtonBox* OkCancel(QDialog* dialog);
    /// "OK" alone.
    static QDialogButtonBox* OkOnly(QDialog* dialog);
    /// Makes button, already inside its dialog, the one Return presses: the dialog's other push buttons
    /// lose their auto-default, which would otherwise hand Return to the first of them in the focus chain.
    static void MakeDefault(QPushButton* button);
};
