#pragma once

#include <QDialog>

class CLoggingRun;
class QLabel;

/// The window "Daten loggen", open while the logging run takes its samples: the last measured value
/// (and temperature) and the time of the last sample. "Abbrechen" ends the run.
class CDoLoggen : public QDialog {
    Q_OBJECT

public:
    CDoLoggen(CLoggingRun& run, QWidget* parent = nullptr);

    void reject() override;

private:
    void ShowSample();

    CLoggingRun& m_run;
    QLabel* m_messwert;
    QLabel* m_einheit;
    QLabel* m_temperaturLabel;
    QLabel* m_temperatur;
    QLabel* m_grad;
    QLabel* m_zeit;
};
