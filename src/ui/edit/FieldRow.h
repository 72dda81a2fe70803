#pragma once

#include <QString>

class CFieldBinder;
class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

/// The row every dialog builds for a value: its label (with the field as buddy, so that the label's
/// accelerator reaches it), the field, and the unit behind it, in grid columns 0 to 2.
class CFieldRow {
public:
    /// The width of a value field, enough for the longest number the dialogs show.
    static constexpr int kFieldWidth = 90;

    QLabel* label = nullptr;
    QWidget* field = nullptr;
    QLabel* unit = nullptr;

    static CFieldRow Add(QGridLayout* grid, int nRow, const QString& label, QWidget* field,
                         const QString& unit);
    /// A row with a new line edit of the common width, known to binder as field nField.
    static CFieldRow AddEdit(QGridLayout* grid, int nRow, const QString& label, const QString& unit,
                             CFieldBinder& binder, int nField);
    QLineEdit* Edit() const;
};
