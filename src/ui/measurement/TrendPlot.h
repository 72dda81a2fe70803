#pragma once

#include "measurement/TrendModel.h"

#include <QLocale>
#include <QWidget>

/// The live trend: the measured value (and the temperature on its own axis at the right, where the type
/// has one) over time, the set range as two dashed horizontal lines, the value axis in the display's
/// decimals and unit. It draws the model as it stands at each paint; adding a sample only schedules a
/// repaint, so a new value never waits for drawing and the plot never takes the keyboard focus.
class CTrendPlot : public QWidget {
    Q_OBJECT

public:
    explicit CTrendPlot(qint64 nWindowMs = CTrendModel::kDefaultWindowMs, QWidget* parent = nullptr);

    CTrendModel& Model() { return m_model; }
    const CTrendModel& Model() const { return m_model; }
    void AddSample(const CTrendModel::Sample& sample);
    /// Replaces the samples (a log file).
    void SetSamples(const std::vector<CTrendModel::Sample>& samples);
    void SetLocale(const QLocale& locale) { m_locale = locale; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CTrendModel m_model;
    QLocale m_locale;
};
