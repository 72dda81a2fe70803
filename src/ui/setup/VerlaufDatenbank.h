#pragma once

#include "access/HistorySettingsRules.h"

#include <QDialog>

class CFieldBinder;
class IFileChooser;
class IOperator;
class QLineEdit;
class QRadioButton;

/// The dialog "Verlauf-Datenbank": where the device history is kept and the station's name. A thin
/// shell over CHistorySettingsRules; "Verbindung prüfen" opens the chosen place once to say whether it
/// can be used and how many events wait on this PC for the server.
class CVerlaufDatenbank : public QDialog {
    Q_OBJECT

public:
    CVerlaufDatenbank(const CHistorySettingsRules::Values& values, IFileChooser& chooser, IOperator& op,
                      QWidget* parent = nullptr);

    CHistorySettingsRules::Values Values() const;
    void accept() override;

private:
    void ChooseFile();
    void CheckConnection();

    IFileChooser& m_chooser;
    IOperator& m_operator;
    QRadioButton* m_local;
    QRadioButton* m_server;
    QLineEdit* m_file;
    QLineEdit* m_connection;
    QLineEdit* m_station;
    CFieldBinder* m_binder;
};
