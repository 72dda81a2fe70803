#pragma once

#include <QFont>
#include <QList>
#include <QRect>
#include <QString>
#include <array>

class QPainter;

/// One page of a sheet (the configuration sheet, the check certificate) on a paint device. Positions are
/// given in inches of the device's own resolution, so the sheet keeps its geometry on a printer, in the
/// preview and in a PDF. The canvas holds the three fonts, a line cursor, and a record of every text drawn
/// with the box it took, so that the rows of a sheet can be checked without reading pixels.
///
/// A text never reaches past the right end of its column: a longer one is cut and ends in "…", so a
/// damaged tag or a runaway number cannot write over the next column or off the page.
class CSheetCanvas {
public:
    /// Small is for tables that need more columns than the text font leaves room for.
    enum class Font { Title, Heading, Text, Small };

    /// A text as drawn (after shortening) and the box it took, in device units, on the page it stands on
    /// (0: the first).
    struct Item {
        QString text;
        QRect rect;
        int page = 0;
    };

    /// The painter must be active on its device; the cursor starts one inch below the top.
    explicit CSheetCanvas(QPainter& painter);

    /// A horizontal position, inches from the left.
    int X(double inches) const;
    /// The right end of the last column: half an inch inside the page's right edge.
    int Right() const;
    /// The lowest a line may reach: half an inch above the page's bottom edge.
    int Bottom() const;
    /// A vertical position, inches from the top.
    int YAt(double inches) const;

    /// Text height plus external leading of a font on this device.
    int LineHeight(Font font) const;
    int Y() const { return m_y; }
    void SetY(int y) { m_y = y; }
    /// Moves the cursor down by whole lines of the text font.
    void Down(int lines);

    /// Draws a text from x (or, aligned right, up to `right`) with its top on the line `linesBelow`
    /// lines under the cursor, shortened to end before `right`. Control characters show as blanks.
    void Text(Font font, int x, int right, const QString& text, int linesBelow = 0,
              Qt::Alignment align = Qt::AlignLeft);
    /// A thin horizontal rule from x to right, `inches` below the cursor.
    void Rule(int x, int right, double inches = 0.0);
    /// Continues on a new page with the cursor at `topInches`, where the device has pages (a PDF, a
    /// printer); false on a single-page device (an image, the preview's picture), which keeps drawing.
    bool NewPage(double topInches);
    /// The width a text takes in a font on this device.
    int Width(Font font, const QString& text) const;

    const QList<Item>& Items() const { return m_items; }

private:
    QFont MakeFont(int points, bool underline) const;
    const QFont& FontOf(Font font) const;

    QPainter& m_painter;
    int m_dpiX;
    int m_dpiY;
    std::array<QFont, 4> m_fonts;
    int m_y;
    int m_page = 0;
    QList<Item> m_items;
};
