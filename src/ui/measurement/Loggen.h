#pragma once

#include "measurement/LoggenRules.h"
#include "measurement/Messung.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;

/// The dialog "Messwerte": the live values just read and the logging settings. A thin shell over
/// CLoggenRules; "Daten holen" ends it with kDatenHolen and hands nothing back.
class CLoggen : public QDialog {
    Q_OBJECT

public:
    static constexpr int kDatenHolen = 1041;

    explicit CLoggen(const CLoggenRules::Values& values, QWidget* parent = nullptr);

    CLoggenRules::Values Values() const;
    void accept() override;
    /// How the dialog ended, in the terms of the measurement run.
    static CMessung::LoggenResult ToResult(int code);

private:
    QWidget* BuildValues();
    QWidget* BuildSettings();
    void ChooseFile();
    /// "Log-Datei anzeigen...": the trend of the log file named in the dialog, in a window of its own.
    void ShowLogFile();

    CLoggenRules::Values m_values;
    QLineEdit* m_intervall;
    QCheckBox* m_loggen;
    QLineEdit* m_datei;
};
