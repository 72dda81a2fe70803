#include "SheetItems.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <algorithm>

namespace {

constexpr double kA4WidthInches = 8.27;
constexpr double kA4HeightInches = 11.69;
constexpr double kMetersPerInch = 0.0254;

} // namespace

CSheetItems::CSheetItems(const CQuillonDoc& doc, const QLocale& locale, int dpi, const CQuillonDoc* vorher)
    : m_dpi(dpi)
    , m_pageWidth(qRound(kA4WidthInches * dpi)) {
    CKonfigurationsblatt blatt(doc, locale, QDate(2024, 12, 24));
    blatt.SetVorher(vorher);
    DrawOnA4(blatt);
}

CSheetItems::CSheetItems(const ISheetPage& page, int dpi)
    : m_dpi(dpi)
    , m_pageWidth(qRound(kA4WidthInches * dpi)) {
    DrawOnA4(page);
}

void CSheetItems::DrawOnA4(const ISheetPage& page) {
    QImage image(m_pageWidth, qRound(kA4HeightInches * m_dpi), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(m_dpi / kMetersPerInch));
    image.setDotsPerMeterY(qRound(m_dpi / kMetersPerInch));
    image.fill(Qt::white);
    QPainter painter(&image);
    m_items = page.Draw(painter);
    CSheetCanvas canvas(painter);
    m_lineHeight = canvas.LineHeight(CSheetCanvas::Font::Text);
}

const CSheetItems::Item* CSheetItems::Find(const QString& text) const {
    for (const Item& item : m_items) {
        if (item.text.trimmed() == text) {
            return &item;
        }
    }
    return nullptr;
}

QString CSheetItems::ValueOf(const QString& label) const {
    const Item* found = Find(label);
    if (found == nullptr) {
        return QString();
    }
    const Item* nearest = nullptr;
    for (const Item& item : m_items) {
        if (item.rect.top() == found->rect.top() && item.rect.left() > found->rect.left() &&
            (nearest == nullptr || item.rect.left() < nearest->rect.left())) {
            nearest = &item;
        }
    }
    return nearest != nullptr ? nearest->text.trimmed() : QString();
}

QStringList CSheetItems::LineOf(const QString& text) const {
    const Item* found = Find(text);
    if (found == nullptr) {
        return {};
    }
    QList<const Item*> line;
    for (const Item& item : m_items) {
        if (item.page == found->page && item.rect.top() == found->rect.top()) {
            line.append(&item);
        }
    }
    std::sort(line.begin(), line.end(),
              [](const Item* a, const Item* b) { return a->rect.left() < b->rect.left(); });
    QStringList texts;
    for (const Item* item : line) {
        texts.append(item->text.trimmed());
    }
    return texts;
}

int CSheetItems::LinesBetween(const QString& upper, const QString& lower) const {
    const Item* a = Find(upper);
    const Item* b = Find(lower);
    if (a == nullptr || b == nullptr) {
        return -1000;
    }
    const int distance = b->rect.top() - a->rect.top();
    return distance % m_lineHeight == 0 ? distance / m_lineHeight : -1000;
}

double CSheetItems::InchesFromLeft(const QString& text) const {
    const Item* item = Find(text);
    return item != nullptr ? static_cast<double>(item->rect.left()) / m_dpi : -1.0;
}

QStringList CSheetItems::Collisions() const {
    QStringList found;
    for (const Item& item : m_items) {
        if (item.rect.right() >= m_pageWidth - m_dpi / 2) {
            found.append(QStringLiteral("\"%1\" leaves the page").arg(item.text));
        }
        for (const Item& other : m_items) {
            if (&other != &item && other.rect.top() == item.rect.top() &&
                other.rect.left() > item.rect.left() && other.rect.left() <= item.rect.right()) {
                found.append(QStringLiteral("\"%1\" runs into \"%2\"").arg(item.text, other.text));
            }
        }
    }
    return found;
}
