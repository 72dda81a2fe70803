#include "ui/help/Hilfe.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtMath>

namespace {

constexpr int kSpielraum = 8;
/// Beyond this a long line wraps rather than push the window off a small screen.
constexpr int kMaxBreite = 1000;

} // namespace

CHilfe::CHilfe(const QString& text, const QString& caption, QWidget* parent)
    : QWidget(parent)
    , m_pText(new QPlainTextEdit(text, this)) {
    m_pText->setReadOnly(true);
    m_pText->setAccessibleName(caption);
    m_pText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The help texts are broken into lines by their authors: a page wide enough for the longest line
    // keeps those lines whole instead of wrapping each one again a few words before its end.
    int longest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        longest = qMax(longest, m_pText->fontMetrics().horizontalAdvance(line));
    }
    const int nChrome = 2 * (m_pText->frameWidth() + qCeil(m_pText->document()->documentMargin())) +
                        m_pText->verticalScrollBar()->sizeHint().width() + kSpielraum;
    m_pText->setMinimumWidth(qMin(longest + nChrome, kMaxBreite));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pText);
}

QString CHilfe::Text() const {
    return m_pText->toPlainText();
}
