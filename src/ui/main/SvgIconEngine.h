#pragma once

#include <QIconEngine>
#include <QMap>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <memory>
#include <tuple>

class QSvgRenderer;

/// An icon drawn from an SVG file of the program, read when it is first drawn. Qt's own SVG icons read
/// and parse the file once when the icon is made (to check it) and again when it is drawn; the window
/// makes its ten icons before its first paint, so reading each once shortens the start. Disabled and
/// selected icons are made from the normal one by the style, as Qt's own do.
class CSvgIconEngine : public QIconEngine {
public:
    explicit CSvgIconEngine(QString fileName);
    ~CSvgIconEngine() override;

    /// An icon of this engine for the file (a resource path such as ":/icons/open.svg").
    static QIcon Icon(const QString& fileName);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QString key() const override;
    QIconEngine* clone() const override;

private:
    QSvgRenderer& Renderer();

    QString m_fileName;
    std::unique_ptr<QSvgRenderer> m_renderer; ///< made on the first draw
    /// What has been drawn, by mode and size: a toolbar redraws its icons often.
    QMap<std::tuple<int, int, int>, QPixmap> m_pixmaps;
};
