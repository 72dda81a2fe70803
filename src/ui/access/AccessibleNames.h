#pragma once

#include <QObject>
#include <QString>

class QGridLayout;
class QLabel;
class QWidget;

/// Gives every field its label as the name a screen reader speaks. Without it Qt names a field after
/// its group box's title, a combo box after its current entry, and a field without buddy not at all.
/// The names are taken each time a window is shown, from the label texts as they read then, so they
/// follow the language and the labels a dialog retitles per transmitter type.
class CAccessibleNames : public QObject {
public:
    /// Names the fields of every window the program shows from now on.
    static void Install();
    /// The label's text as a name: without the accelerator's "&" and the trailing ":".
    static QString FromLabel(const QString& text);
    /// Makes field the label's buddy and names it by the label's text.
    static void Pair(QLabel* label, QWidget* field);
    /// Pairs, in every grid inside root, a field with the label left of it that has no buddy yet, and
    /// names every buddy of a label inside root (the rows QFormLayout and the dialogs' field rows build).
    static void Apply(QWidget* root);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    static void PairGrid(QGridLayout* grid);
};
