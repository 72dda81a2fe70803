#include "ui/access/AccessibleNames.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

/// A widget that takes input and has no text of its own to be named by.
bool IsField(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
           qobject_cast<const QTextEdit*>(widget) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(widget) != nullptr;
}

} // namespace

void CAccessibleNames::Install() {
    // The application object may be a plain QCoreApplication ("--help" and "--version" answer without
    // a display), so it is taken as that; it shows no window then, and the filter simply stays idle.
    QCoreApplication* application = QCoreApplication::instance();
    const QString name = QStringLiteral("accessibleNames");
    if (application != nullptr &&
        application->findChild<QObject*>(name, Qt::FindDirectChildrenOnly) == nullptr) { // once per program
        auto* filter = new CAccessibleNames(application);
        filter->setObjectName(name);
        application->installEventFilter(filter);
    }
}

QString CAccessibleNames::FromLabel(const QString& text) {
    QString name;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size()) {
            ++i; // "&&" is a literal "&", "&x" marks the accelerator x
        }
        name.append(text.at(i));
    }
    name = name.trimmed();
    while (name.endsWith(QLatin1Char(':'))) {
        name.chop(1);
    }
    return name.trimmed();
}

void CAccessibleNames::Pair(QLabel* label, QWidget* field) {
    label->setBuddy(field);
    field->setAccessibleName(FromLabel(label->text()));
}

void CAccessibleNames::PairGrid(QGridLayout* grid) {
    for (int nRow = 0; nRow < grid->rowCount(); ++nRow) {
        for (int nColumn = 1; nColumn < grid->columnCount(); ++nColumn) {
            QLayoutItem* fieldItem = grid->itemAtPosition(nRow, nColumn);
            QLayoutItem* labelItem = grid->itemAtPosition(nRow, nColumn - 1);
            QWidget* field = fieldItem != nullptr ? fieldItem->widget() : nullptr;
            auto* label = qobject_cast<QLabel*>(labelItem != nullptr ? labelItem->widget() : nullptr);
            // A field named on purpose keeps its name; the label left of it may be a row number.
            if (field != nullptr && label != nullptr && IsField(field) && label->buddy() == nullptr &&
                field->accessibleName().isEmpty() && !FromLabel(label->text()).isEmpty()) {
                label->setBuddy(field);
            }
        }
    }
}

void CAccessibleNames::Apply(QWidget* root) {
    for (QGridLayout* grid : root->findChildren<QGridLayout*>()) {
        PairGrid(grid);
    }
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (QWidget* field = label->buddy(); field != nullptr) {
            field->setAccessibleName(FromLabel(label->text()));
        }
    }
}

bool CAccessibleNames::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow()) {
            Apply(widget);
        }
    }
    return QObject::eventFilter(watched, event);
}
