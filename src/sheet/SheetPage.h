#pragma once

#include "sheet/SheetCanvas.h"

#include <QList>
#include <QString>

class QPainter;

/// A page the program files or prints (the configuration sheet, the check certificate): it draws itself
/// on any painter, so one PDF writer and one printer serve them all.
class ISheetPage {
public:
    virtual ~ISheetPage() = default;

    /// Draws the page on the painter's device and returns every text drawn with its box. An inactive
    /// painter draws nothing.
    virtual QList<CSheetCanvas::Item> Draw(QPainter& painter) const = 0;
    /// The title a PDF of the page carries in its properties.
    virtual QString Title() const = 0;
};
