#pragma once

#include "core/ValidationProblem.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

class QLabel;
class QWidget;

/// The fields of one dialog by their number in the rules: shows a check's problem with the focus on
/// its field, and keeps the dialog's hint line showing the limits of the field that has the focus.
class CFieldBinder : public QObject {
    Q_OBJECT

public:
    using HintFn = std::function<QString(int nFeld)>;

    explicit CFieldBinder(QWidget* dialog);

    void Add(int nFeld, QWidget* widget);
    QWidget* Widget(int nFeld) const;
    /// While a field has the focus, line shows hint(field); it is cleared when the field loses it.
    void SetHintLine(QLabel* line, HintFn hint);
    /// The problem in a message box; then the focus goes to its field, its text selected.
    void Show(const ValidationProblem& problem) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_dialog;
    QHash<int, QWidget*> m_widgets;
    QHash<QObject*, int> m_felder;
    QPointer<QLabel> m_hintLine;
    HintFn m_hint;
};
