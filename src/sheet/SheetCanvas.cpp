#include "sheet/SheetCanvas.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPaintDevice>
#include <QPainter>

namespace {

constexpr int kPointsPerInch = 72;
constexpr int kTitlePoints = 18;
constexpr int kTextPoints = 12;
constexpr int kSmallPoints = 10;
constexpr double kRightMarginInches = 0.5;
constexpr double kBottomMarginInches = 0.5;
/// A rule as thin as a printer draws it clearly: a hundredth of an inch.
constexpr double kRuleInches = 0.01;

/// Tags and identifications come from transmitters and files; a line break or tab in one must not
/// break the row.
QString Printable(const QString& text) {
    QString result = text;
    for (QChar& c : result) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            c = QLatin1Char(' ');
        }
    }
    return result;
}

} // namespace

CSheetCanvas::CSheetCanvas(QPainter& painter)
    : m_painter(painter)
    , m_dpiX(painter.device()->logicalDpiX())
    , m_dpiY(painter.device()->logicalDpiY())
    , m_fonts{MakeFont(kTitlePoints, false), MakeFont(kTextPoints, true), MakeFont(kTextPoints, false),
              MakeFont(kSmallPoints, false)}
    , m_y(m_dpiY) {}

QFont CSheetCanvas::MakeFont(int points, bool underline) const {
    // "Arial" by name: where it is missing, fontconfig puts in its metric twin (Liberation Sans), so rows
    // keep their widths; the style hint keeps any other fallback a sans-serif face.
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Normal);
    // The character height is the point size in this device's units, whatever its resolution.
    font.setPixelSize(qMax(1, (points * m_dpiY + kPointsPerInch / 2) / kPointsPerInch));
    font.setUnderline(underline);
    return font;
}

const QFont& CSheetCanvas::FontOf(Font font) const {
    return m_fonts.at(static_cast<std::size_t>(font));
}

int CSheetCanvas::X(double inches) const {
    return qRound(inches * m_dpiX);
}

int CSheetCanvas::Right() const {
    return m_painter.device()->width() - X(kRightMarginInches);
}

int CSheetCanvas::Bottom() const {
    return m_painter.device()->height() - YAt(kBottomMarginInches);
}

int CSheetCanvas::YAt(double inches) const {
    return qRound(inches * m_dpiY);
}

int CSheetCanvas::LineHeight(Font font) const {
    const QFontMetrics metrics(FontOf(font), m_painter.device());
    return metrics.height() + metrics.leading();
}

void CSheetCanvas::Down(int lines) {
    m_y += lines * LineHeight(Font::Text);
}

int CSheetCanvas::Width(Font font, const QString& text) const {
    return QFontMetrics(FontOf(font), m_painter.device()).horizontalAdvance(text);
}

void CSheetCanvas::Text(Font font, int x, int right, const QString& text, int linesBelow,
                        Qt::Alignment align) {
    const int width = right - x;
    if (width <= 0 || text.isEmpty()) {
        return;
    }
    m_painter.setFont(FontOf(font));
    const QFontMetrics metrics(FontOf(font), m_painter.device());
    const QString shown = metrics.elidedText(Printable(text), Qt::ElideRight, width);
    if (shown.isEmpty()) {
        return;
    }
    const int top = m_y + linesBelow * LineHeight(Font::Text);
    // The box is the column; drawText clips at its right end whatever the shortening left over.
    const QRect column(x, top, width, 2 * metrics.height());
    QRect drawn;
    m_painter.drawText(column, (align & Qt::AlignHorizontal_Mask) | Qt::AlignTop | Qt::TextSingleLine, shown,
                       &drawn);
    m_items.append({shown, drawn, m_page});
}

void CSheetCanvas::Rule(int x, int right, double inches) {
    const int y = m_y + YAt(inches);
    m_painter.fillRect(QRect(x, y, right - x, qMax(1, YAt(kRuleInches))), Qt::black);
}

bool CSheetCanvas::NewPage(double topInches) {
    auto* paged = dynamic_cast<QPagedPaintDevice*>(m_painter.device());
    if (paged == nullptr || !paged->newPage()) {
        return false;
    }
    ++m_page;
    m_y = YAt(topInches);
    return true;
}
