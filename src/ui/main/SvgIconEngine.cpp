#include "ui/main/SvgIconEngine.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

CSvgIconEngine::CSvgIconEngine(QString fileName)
    : m_fileName(std::move(fileName)) {}

CSvgIconEngine::~CSvgIconEngine() = default;

QIcon CSvgIconEngine::Icon(const QString& fileName) {
    return QIcon(new CSvgIconEngine(fileName)); // the icon owns its engine
}

QSvgRenderer& CSvgIconEngine::Renderer() {
    if (!m_renderer) {
        m_renderer = std::make_unique<QSvgRenderer>(m_fileName);
    }
    return *m_renderer;
}

QSize CSvgIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
    // The picture keeps its proportions inside the size asked for.
    const QSize natural = Renderer().defaultSize();
    return natural.isEmpty() ? size : natural.scaled(size, Qt::KeepAspectRatio);
}

QPixmap CSvgIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    const QSize pixels = actualSize(size, mode, state);
    if (pixels.isEmpty() || !Renderer().isValid()) {
        return QPixmap();
    }
    const auto cacheKey = std::make_tuple(static_cast<int>(mode), pixels.width(), pixels.height());
    if (const auto found = m_pixmaps.constFind(cacheKey); found != m_pixmaps.constEnd()) {
        return *found;
    }
    QPixmap drawn(pixels);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    Renderer().render(&painter);
    painter.end();
    if (mode != QIcon::Normal && qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
        // The style greys out a disabled icon and tints a selected one, as for Qt's own icons.
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        drawn = QApplication::style()->generatedIconPixmap(mode, drawn, &option);
    }
    m_pixmaps.insert(cacheKey, drawn);
    return drawn;
}

void CSvgIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) {
    // Drawn in device pixels, so the icon stays sharp on a scaled screen.
    QSize pixels = rect.size();
    if (painter->device() != nullptr) {
        pixels *= painter->device()->devicePixelRatio();
    }
    painter->drawPixmap(rect, pixmap(pixels, mode, state));
}

QString CSvgIconEngine::key() const {
    return QStringLiteral("quillon-svg");
}

QIconEngine* CSvgIconEngine::clone() const {
    return new CSvgIconEngine(m_fileName);
}
