#include "ui/edit/FieldRow.h"

#include "ui/access/AccessibleNames.h"
#include "ui/edit/FieldBinder.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

CFieldRow CFieldRow::Add(QGridLayout* grid, int nRow, const QString& label, QWidget* field,
                         const QString& unit) {
    CFieldRow row;
    row.label = new QLabel(label);
    CAccessibleNames::Pair(row.label, field);
    row.field = field;
    row.unit = new QLabel(unit);
    grid->addWidget(row.label, nRow, 0);
    grid->addWidget(field, nRow, 1);
    grid->addWidget(row.unit, nRow, 2);
    return row;
}

CFieldRow CFieldRow::AddEdit(QGridLayout* grid, int nRow, const QString& label, const QString& unit,
                             CFieldBinder& binder, int nField) {
    auto* edit = new QLineEdit;
    edit->setMinimumWidth(kFieldWidth);
    binder.Add(nField, edit);
    return Add(grid, nRow, label, edit, unit);
}

QLineEdit* CFieldRow::Edit() const {
    return qobject_cast<QLineEdit*>(field);
}
