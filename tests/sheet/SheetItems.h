#pragma once

#include "sheet/Konfigurationsblatt.h"

#include <QList>
#include <QString>
#include <QStringList>

class CQuillonDoc;

/// The texts of one drawn page (a configuration sheet, a certificate), looked up by what a reader would look
/// for: a label, the value beside it, the line a text stands on.
class CSheetItems {
public:
    using Item = CKonfigurationsblatt::Item;

    /// Draws the sheet on an A4 image of the given resolution, with the "as found" column of vorher.
    CSheetItems(const CQuillonDoc& doc, const QLocale& locale, int dpi = 300,
                const CQuillonDoc* vorher = nullptr);
    /// Draws any page on an A4 image of the given resolution.
    explicit CSheetItems(const ISheetPage& page, int dpi = 300);

    const QList<Item>& Items() const { return m_items; }
    int Dpi() const { return m_dpi; }
    /// The first text that reads `text` (blanks around it aside), or nullptr.
    const Item* Find(const QString& text) const;
    bool Has(const QString& text) const { return Find(text) != nullptr; }
    /// The nearest text to the right of the label on its line; a null string when there is none.
    QString ValueOf(const QString& label) const;
    /// Every text on the line of the first text that reads `text`, left to right.
    QStringList LineOf(const QString& text) const;
    /// Lines of the text font from the first text's top to the second's.
    int LinesBetween(const QString& upper, const QString& lower) const;
    /// Left edge of a text in inches.
    double InchesFromLeft(const QString& text) const;
    /// Texts of one line that overlap, and texts that leave the page, described for a failure message.
    QStringList Collisions() const;

private:
    void DrawOnA4(const ISheetPage& page);

    QList<Item> m_items;
    int m_dpi;
    int m_pageWidth;
    int m_lineHeight = 0;
};
