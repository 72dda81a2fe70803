#include "ui/edit/FieldBinder.h"

#include "shell/Edition.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

CFieldBinder::CFieldBinder(QWidget* dialog)
    : QObject(dialog)
    , m_dialog(dialog) {}

void CFieldBinder::Add(int nFeld, QWidget* widget) {
    m_widgets.insert(nFeld, widget);
    m_felder.insert(widget, nFeld);
    if (widget->objectName().isEmpty()) {
        widget->setObjectName(QStringLiteral("feld%1").arg(nFeld)); // how tests and tools find a field
    }
    widget->installEventFilter(this);
}

QWidget* CFieldBinder::Widget(int nFeld) const {
    return m_widgets.value(nFeld, nullptr);
}

void CFieldBinder::SetHintLine(QLabel* line, HintFn hint) {
    m_hintLine = line;
    m_hint = std::move(hint);
}

void CFieldBinder::Show(const ValidationProblem& problem) const {
    QMessageBox::warning(m_dialog, CEdition::ProgramName(), problem.text);
    QWidget* widget = Widget(problem.field);
    if (widget == nullptr || !widget->isEnabled() || widget->isHidden()) {
        return;
    }
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->selectAll();
    }
}

bool CFieldBinder::eventFilter(QObject* watched, QEvent* event) {
    if (m_hintLine && m_hint && m_felder.contains(watched)) {
        if (event->type() == QEvent::FocusIn) {
            m_hintLine->setText(m_hint(m_felder.value(watched)));
        } else if (event->type() == QEvent::FocusOut) {
            m_hintLine->clear();
        }
    }
    return QObject::eventFilter(watched, event);
}
