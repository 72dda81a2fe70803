#include "ui/measurement/TrendPlot.h"

#include <QDateTime>
#include <QPainter>
#include <QPolygonF>
#include <cmath>
#include <limits>
#include <optional>

namespace {

const QColor kMesswertColor(0, 90, 180);
const QColor kTemperaturColor(200, 60, 30);
const QColor kSollColor(40, 140, 40);

double Fraction(double value, double lo, double hi) {
    return hi > lo ? (value - lo) / (hi - lo) : 0.5;
}

/// The points of one series as drawn: where several samples fall on one pixel column, only the first,
/// the lowest, the highest and the last of them, so a long series costs as much as the plot is wide and
/// keeps every peak.
template <typename XOf, typename YOf>
QPolygonF Polyline(const std::deque<CTrendModel::Sample>& samples, const XOf& xOf, const YOf& yOf) {
    struct Column {
        int index = std::numeric_limits<int>::min();
        QPointF first, low, high, last;
        int count = 0;
    };
    QPolygonF line;
    Column column;
    auto flush = [&line, &column] {
        if (column.count == 0) {
            return;
        }
        line.append(column.first);
        if (column.count > 2) {
            // In time order, so the line goes through the extremes the way the values did.
            const bool bLowFirst = column.low.x() <= column.high.x();
            line.append(bLowFirst ? column.low : column.high);
            line.append(bLowFirst ? column.high : column.low);
        }
        if (column.count > 1) {
            line.append(column.last);
        }
        column.count = 0;
    };
    for (const CTrendModel::Sample& sample : samples) {
        const std::optional<double> y = yOf(sample);
        if (!y) {
            continue;
        }
        const QPointF point(xOf(sample.nMs), *y);
        const int index = static_cast<int>(std::floor(point.x()));
        if (index != column.index) {
            flush();
            column.index = index;
            column.first = column.low = column.high = point;
        }
        // Screen y grows downwards: "low" is the point lowest on the screen.
        if (point.y() > column.low.y()) {
            column.low = point;
        }
        if (point.y() < column.high.y()) {
            column.high = point;
        }
        column.last = point;
        ++column.count;
    }
    flush();
    return line;
}

/// A wide antialiased pen strokes a polyline as one outline, which costs far more than linear time when
/// the line folds over itself as a noisy signal does; short pieces keep it linear.
void DrawPolyline(QPainter& painter, const QPolygonF& line) {
    constexpr qsizetype kPiece = 8;
    for (qsizetype start = 0; start + 1 < line.size(); start += kPiece) {
        const qsizetype count = std::min(kPiece + 1, line.size() - start);
        painter.drawPolyline(line.constData() + start, static_cast<int>(count));
    }
}

} // namespace

CTrendPlot::CTrendPlot(qint64 nWindowMs, QWidget* parent)
    : QWidget(parent)
    , m_model(nWindowMs) {
    setObjectName(QStringLiteral("trendPlot"));
    setFocusPolicy(Qt::NoFocus);
    setMinimumSize(360, 200);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CTrendPlot::AddSample(const CTrendModel::Sample& sample) {
    m_model.Add(sample);
    update();
}

void CTrendPlot::SetSamples(const std::vector<CTrendModel::Sample>& samples) {
    m_model.SetAll(samples);
    update();
}

QSize CTrendPlot::sizeHint() const {
    return {520, 260};
}

void CTrendPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QFontMetrics metrics(font());
    const bool bTemperatur = m_model.HasTemperatur();
    const CTrendModel::Axis axis = m_model.ValueAxis();
    const CTrendModel::Axis tAxis = m_model.TemperaturAxis();
    const int nDecimals = std::max(0, m_model.Decimals());

    auto label = [this](double v, int decimals) { return m_locale.toString(v, 'f', decimals); };
    int leftWidth = 0;
    for (const double tick : axis.ticks) {
        leftWidth = std::max(leftWidth, metrics.horizontalAdvance(label(tick, nDecimals)));
    }
    int rightWidth = 8;
    if (bTemperatur) {
        for (const double tick : tAxis.ticks) {
            rightWidth = std::max(rightWidth, metrics.horizontalAdvance(label(tick, 1)) + 8);
        }
    }
    const QRect plot(leftWidth + 10, metrics.height() + 4, width() - leftWidth - 10 - rightWidth,
                     height() - 2 * metrics.height() - 12);
    if (plot.width() < 10 || plot.height() < 10) {
        return;
    }
    auto yOf = [&plot](double v, const CTrendModel::Axis& a) {
        return plot.bottom() - Fraction(v, a.min, a.max) * plot.height();
    };
    const auto [t0, t1] = m_model.TimeSpan();
    auto xOf = [&plot, t0 = t0, t1 = t1](qint64 t) {
        return plot.left() +
               Fraction(static_cast<double>(t - t0), 0.0, static_cast<double>(t1 - t0)) * plot.width();
    };

    // Grid and value axis.
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRect(0, 0, width(), metrics.height()), Qt::AlignLeft, m_model.Unit());
    if (bTemperatur) {
        painter.setPen(kTemperaturColor);
        painter.drawText(QRect(0, 0, width(), metrics.height()), Qt::AlignRight, QStringLiteral("°C"));
    }
    for (const double tick : axis.ticks) {
        const double y = yOf(tick, axis);
        painter.setPen(QPen(palette().color(QPalette::Mid), 0, Qt::DotLine));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRectF(0, y - metrics.height() / 2.0, leftWidth + 4, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, label(tick, nDecimals));
    }
    if (bTemperatur) {
        painter.setPen(kTemperaturColor);
        for (const double tick : tAxis.ticks) {
            const double y = yOf(tick, tAxis);
            painter.drawText(
                QRectF(plot.right() + 4, y - metrics.height() / 2.0, rightWidth, metrics.height()),
                Qt::AlignLeft | Qt::AlignVCenter, label(tick, 1));
        }
    }
    painter.setPen(palette().color(QPalette::Text));
    painter.drawRect(plot);
    // A log of several days needs the date at the ends; the live trend's minutes do not.
    constexpr qint64 kDayMs = 24LL * 3600 * 1000;
    const QString timeForm = t1 - t0 >= kDayMs
                                 ? m_locale.dateFormat(QLocale::ShortFormat) + QStringLiteral(" HH:mm")
                                 : QStringLiteral("HH:mm:ss");
    const QString from = m_locale.toString(QDateTime::fromMSecsSinceEpoch(t0), timeForm);
    const QString to = m_locale.toString(QDateTime::fromMSecsSinceEpoch(t1), timeForm);
    if (!m_model.Samples().empty()) {
        const QRect timeRow(plot.left(), plot.bottom() + 4, plot.width(), metrics.height());
        painter.drawText(timeRow, Qt::AlignLeft, from);
        painter.drawText(timeRow, Qt::AlignRight, to);
    }

    // Set range.
    if (const auto soll = m_model.SollBereich()) {
        painter.setPen(QPen(kSollColor, 1.5, Qt::DashLine));
        for (const double v : {soll->first, soll->second}) {
            const double y = yOf(v, axis);
            painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        }
    }

    // Series.
    painter.setClipRect(plot);
    const QPolygonF messwert =
        Polyline(m_model.Samples(), xOf, [&](const CTrendModel::Sample& s) -> std::optional<double> {
            return yOf(s.messwert, axis);
        });
    const QPolygonF temperatur =
        Polyline(m_model.Samples(), xOf, [&](const CTrendModel::Sample& s) -> std::optional<double> {
            return s.temperatur ? std::optional<double>(yOf(*s.temperatur, tAxis)) : std::nullopt;
        });
    painter.setPen(QPen(kTemperaturColor, 1.5));
    DrawPolyline(painter, temperatur);
    painter.setPen(QPen(kMesswertColor, 2.0));
    DrawPolyline(painter, messwert);
    if (messwert.size() == 1) {
        painter.setBrush(kMesswertColor);
        painter.drawEllipse(messwert.first(), 3, 3);
    }
}
