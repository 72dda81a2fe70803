// The window's icons drawn by CSvgIconEngine look exactly as Qt's own SVG icons of the same files: in
// every mode the toolbar uses, at the sizes of a toolbar, a menu and a scaled screen.

#include "ui/main/SvgIconEngine.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QTest>

class SvgIconEngineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void drawsAsQtsOwnSvgIcons_data() {
        QTest::addColumn<QString>("file");
        for (const char* name : {"quillon", "open", "receive", "measure", "transmitter"}) {
            QTest::newRow(name) << QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name));
        }
    }

    void drawsAsQtsOwnSvgIcons() {
        QFETCH(QString, file);
        const QIcon ours = CSvgIconEngine::Icon(file);
        const QIcon qts(file);
        QVERIFY(!ours.isNull());
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
            for (const int nSize : {16, 24, 48}) {
                const QImage expected = qts.pixmap(QSize(nSize, nSize), mode).toImage();
                const QImage drawn = ours.pixmap(QSize(nSize, nSize), mode).toImage();
                QVERIFY2(!drawn.isNull(), qPrintable(QStringLiteral("mode %1 size %2").arg(mode).arg(nSize)));
                QCOMPARE(drawn.convertToFormat(QImage::Format_ARGB32),
                         expected.convertToFormat(QImage::Format_ARGB32));
            }
        }
        QCOMPARE(ours.actualSize(QSize(100, 30)), qts.actualSize(QSize(100, 30)));
    }

    void paintsIntoAScaledDeviceSharply() {
        // A painter on a device with twice the pixels gets the icon drawn at twice the size.
        const QString file = QStringLiteral(":/icons/save.svg");
        QImage ours(QSize(48, 48), QImage::Format_ARGB32_Premultiplied);
        ours.setDevicePixelRatio(2.0);
        ours.fill(Qt::transparent);
        QImage qts = ours;
        {
            QPainter painter(&ours);
            CSvgIconEngine::Icon(file).paint(&painter, QRect(0, 0, 24, 24));
        }
        {
            QPainter painter(&qts);
            QIcon(file).paint(&painter, QRect(0, 0, 24, 24));
        }
        QCOMPARE(ours, qts);
    }

    void missingFileDrawsNothing() {
        const QIcon icon = CSvgIconEngine::Icon(QStringLiteral(":/icons/no-such-icon.svg"));
        QVERIFY(icon.pixmap(QSize(16, 16)).isNull());
    }
};

QTEST_MAIN(SvgIconEngineTest)
#include "SvgIconEngineTest.moc"
