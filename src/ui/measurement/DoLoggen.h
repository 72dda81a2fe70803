#pragma once

#include <QDialog>

class CLoggingRun;
class CTrendPlot;
class QLabel;

/// The window "Daten loggen", open while the logging run takes its samples: the last measured value
/// (and temperature), the time of the last sample and the trend of the last minutes. "Abbrechen" ends
/// the run.
class CDoLoggen : public QDialog {
    Q_OBJECT

public:
    CDoLoggen(CLoggingRun& run, QWidget* parent = nullptr);

    CTrendPlot* Plot() const { return m_plot; }

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
    CTrendPlot* m_plot;
    int m_nPlotted = 0;
};
