#pragma once

#include "measurement/LogDateiLeser.h"

#include <QDialog>

class CTrendPlot;
class QLabel;
class QTimer;

/// "Log-Datei anzeigen": the trend of an existing measured-value log. The file is read in steps between
/// which the window keeps answering, so a log of many megabytes opens without freezing it; the line
/// below the plot says how many values were read and how many lines could not be read.
class CDlgLogAnzeige : public QDialog {
    Q_OBJECT

public:
    /// The axis takes the decimals the log was written with; unit is the text beside the values.
    CDlgLogAnzeige(const QString& path, const CLogFormat& format, const QString& unit,
                   QWidget* parent = nullptr);
    ~CDlgLogAnzeige() override;

    /// Whether the whole file has been read.
    bool IsLoaded() const;
    const CLogDateiLeser& Leser() const { return m_leser; }
    CTrendPlot* Plot() const { return m_plot; }

signals:
    void loaded();

private:
    void ReadStep();
    void ShowStatus();

    CLogDateiLeser m_leser;
    CTrendPlot* m_plot;
    QLabel* m_status;
    QTimer* m_timer;
    bool m_bOpened = false;
};
