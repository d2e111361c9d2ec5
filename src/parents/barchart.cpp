#include "parents/barchart.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const QColor BarColour(49, 110, 190);
const QColor GridColour(200, 200, 200);
const QColor AxisColour(60, 60, 60);
const QColor NoDataColour(150, 150, 150);

constexpr qreal BarShare = 0.7; // of a bar's slot
constexpr int GridLines = 4;
// Text is this share of the area's height, but no larger than Qt keeps
// rendered glyphs of: on a 4K screen larger text is redrawn from outlines
// at every paint, which costs more than a frame.
constexpr qreal TextShare = 0.075;
constexpr qreal LargestTextPixels = 60;

// 1, 2 or 5 times a power of ten, at least `value`.
double roundUp(double value)
{
    if (value <= 0)
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (double step : {1.0, 2.0, 5.0, 10.0}) {
        if (step * power >= value)
            return step * power;
    }
    return 10 * power;
}

qreal textHeight(const QRectF &area)
{
    return std::clamp(area.height() * TextShare, 1.0, LargestTextPixels);
}

} // namespace

BarChart::BarChart(QString title, Scale scale, QList<Bar> bars)
    : m_title(std::move(title))
    , m_scale(scale)
    , m_bars(std::move(bars))
{
}

double BarChart::top() const
{
    if (m_scale == Scale::Fraction)
        return 1;
    double largest = 0;
    for (const Bar &bar : m_bars)
        largest = std::max(largest, bar.value.value_or(0));
    // A round number that divides into the grid's lines.
    return roundUp(std::max(largest, double(GridLines)) / GridLines) * GridLines;
}

QString BarChart::valueText(double value) const
{
    if (m_scale == Scale::Fraction)
        return QStringLiteral("%1%").arg(std::lround(value * 100));
    return QString::number(std::lround(value));
}


QRectF BarChart::plotRect(const QRectF &area) const
{
    const qreal text = textHeight(area);
    const qreal axisWidth = text * 3.4;
    return area.adjusted(axisWidth, text * 1.8, -text * 0.5, -text * 1.6);
}

QRectF BarChart::barRect(int index, const QRectF &area) const
{
    const QRectF plot = plotRect(area);
    const qreal slot = plot.width() / std::max<qsizetype>(1, m_bars.size());
    const double value = std::clamp(m_bars.value(index).value.value_or(0), 0.0, top());
    const qreal height = plot.height() * value / top();
    return {plot.left() + slot * index + slot * (1 - BarShare) / 2, plot.bottom() - height, slot * BarShare, height};
}

void BarChart::paint(QPainter &painter, const QRectF &area) const
{
    painter.save();
    const qreal text = textHeight(area);
    QFont font = painter.font();
    font.setPixelSize(std::max(1, int(text)));
    painter.setFont(font);
    const QRectF plot = plotRect(area);

    painter.setPen(AxisColour);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), text * 1.5), Qt::AlignLeft | Qt::AlignTop, m_title);
    for (int line = 0; line <= GridLines; ++line) {
        const qreal y = plot.bottom() - plot.height() * line / GridLines;
        painter.setPen(QPen(line == 0 ? AxisColour : GridColour, std::max(1.0, text / 12)));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(AxisColour);
        painter.drawText(QRectF(area.left(), y - text, plot.left() - area.left() - text * 0.3, text * 2),
                         Qt::AlignRight | Qt::AlignVCenter, valueText(top() * line / GridLines));
    }
    const qreal slot = plot.width() / std::max<qsizetype>(1, m_bars.size());
    for (int i = 0; i < m_bars.size(); ++i) {
        const Bar &bar = m_bars[i];
        if (bar.value) {
            painter.fillRect(barRect(i, area), BarColour);
        } else {
            // Nothing played: a small mark on the axis, unlike a bar of 0.
            painter.setPen(QPen(NoDataColour, std::max(1.0, text / 8), Qt::DotLine));
            const QRectF place = barRect(i, area);
            painter.drawLine(QPointF(place.left(), plot.bottom() - text * 0.3),
                             QPointF(place.right(), plot.bottom() - text * 0.3));
        }
        if (!bar.label.isEmpty()) {
            painter.setPen(AxisColour);
            painter.drawText(QRectF(plot.left() + slot * i - slot, plot.bottom() + text * 0.2, slot * 3, text * 1.4),
                             Qt::AlignHCenter | Qt::AlignTop, bar.label);
        }
    }
    painter.restore();
}

BarChartView::BarChartView(BarChart chart, QWidget *parent)
    : QWidget(parent)
    , m_chart(std::move(chart))
{
    setAccessibleName(m_chart.title());
}

void BarChartView::setBars(QList<BarChart::Bar> bars)
{
    m_chart.setBars(std::move(bars));
    update();
}

void BarChartView::setTitle(const QString &title)
{
    m_chart.setTitle(title);
    setAccessibleName(title);
    update();
}

QSize BarChartView::sizeHint() const
{
    return {fontMetrics().height() * 18, fontMetrics().height() * 9};
}

QSize BarChartView::minimumSizeHint() const
{
    return {fontMetrics().height() * 10, fontMetrics().height() * 6};
}

void BarChartView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    m_chart.paint(painter, QRectF(rect()));
}
