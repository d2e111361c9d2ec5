#include "parents/numbergrid.h"

#include "parents/knowerwording.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <array>

namespace {

// Dark to light: known, learning, not yet, not enough play.
const QColor KnownColour(26, 127, 55);
const QColor LearningColour(230, 160, 40);
const QColor NotYetColour(250, 225, 228);
const QColor NotEnoughPlayColour(255, 255, 255);
const QColor EdgeColour(90, 90, 90);
const QColor SelectedEdge(0, 90, 200);

// Of the area's height: the cells above, the legend below.
constexpr qreal CellShare = 0.62;
constexpr qreal CellGap = 0.12; // of a cell
constexpr qreal SymbolShare = 0.3; // of a cell, in its lower right part

constexpr std::array<NumberStatus, 4> LegendOrder{NumberStatus::Known, NumberStatus::Learning, NumberStatus::NotYet,
                                                  NumberStatus::NotEnoughPlay};

bool isDark(NumberStatus status)
{
    return status == NumberStatus::Known;
}

qreal cellSide(const QRectF &area)
{
    return std::min(area.width() / (NumberGrid::Numbers + (NumberGrid::Numbers - 1) * CellGap),
                    area.height() * CellShare);
}

// A check mark, a half-filled circle, an empty circle or three dots.
void paintSymbol(QPainter &painter, NumberStatus status, const QRectF &box)
{
    const QColor ink = isDark(status) ? Qt::white : Qt::black;
    painter.save();
    painter.setPen(QPen(ink, box.width() * 0.14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    const QRectF circle = box.adjusted(box.width() * 0.12, box.height() * 0.12, -box.width() * 0.12,
                                       -box.height() * 0.12);
    switch (status) {
    case NumberStatus::Known: {
        QPainterPath tick;
        tick.moveTo(box.left() + box.width() * 0.12, box.top() + box.height() * 0.55);
        tick.lineTo(box.left() + box.width() * 0.4, box.top() + box.height() * 0.85);
        tick.lineTo(box.left() + box.width() * 0.9, box.top() + box.height() * 0.15);
        painter.drawPath(tick);
        break;
    }
    case NumberStatus::Learning: {
        painter.drawEllipse(circle);
        painter.setBrush(ink);
        painter.drawPie(circle, 90 * 16, 180 * 16);
        break;
    }
    case NumberStatus::NotYet:
        painter.drawEllipse(circle);
        break;
    case NumberStatus::NotEnoughPlay: {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        const qreal dot = box.width() * 0.2;
        for (int i = 0; i < 3; ++i)
            painter.drawEllipse(QRectF(box.left() + i * box.width() * 0.4, box.center().y() - dot / 2, dot, dot));
        break;
    }
    }
    painter.restore();
}

void paintCell(QPainter &painter, const QRectF &cell, const NumberProgress &number, bool selected)
{
    painter.save();
    const qreal side = cell.width();
    QPen edge(selected ? SelectedEdge : EdgeColour, side * (selected ? 0.08 : 0.025));
    if (number.status == NumberStatus::NotEnoughPlay && !selected)
        edge.setStyle(Qt::DashLine);
    painter.setPen(edge);
    painter.setBrush(NumberGrid::cellColour(number.status));
    painter.drawRoundedRect(cell, side * 0.1, side * 0.1);
    QFont font = painter.font();
    font.setPixelSize(std::max(1, int(side * 0.42)));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(isDark(number.status) ? Qt::white : Qt::black);
    painter.drawText(QRectF(cell.left(), cell.top(), side, side * 0.62), Qt::AlignCenter, QString::number(number.number));
    const qreal symbol = side * SymbolShare;
    paintSymbol(painter, number.status,
                QRectF(cell.center().x() - symbol / 2, cell.bottom() - symbol * 1.25, symbol, symbol));
    painter.restore();
}

} // namespace

NumberGrid::NumberGrid(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("numberGrid"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    retranslate();
}

void NumberGrid::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void NumberGrid::retranslate()
{
    setAccessibleName(tr("1 到 10 每个数的情况"));
}

void NumberGrid::setNumbers(std::vector<NumberProgress> numbers)
{
    m_numbers = std::move(numbers);
    m_selected = 0;
    update();
}

void NumberGrid::selectNumber(int number)
{
    if (number < 1 || number > int(m_numbers.size()) || number == m_selected)
        return;
    m_selected = number;
    setAccessibleDescription(KnowerWording::numberDetail(m_numbers[number - 1]));
    update();
    emit selected(number);
}

QColor NumberGrid::cellColour(NumberStatus status)
{
    switch (status) {
    case NumberStatus::Known:
        return KnownColour;
    case NumberStatus::Learning:
        return LearningColour;
    case NumberStatus::NotYet:
        return NotYetColour;
    case NumberStatus::NotEnoughPlay:
        break;
    }
    return NotEnoughPlayColour;
}

QRectF NumberGrid::cellRect(int number, const QRectF &area)
{
    const qreal side = cellSide(area);
    const qreal rowWidth = side * (Numbers + (Numbers - 1) * CellGap);
    const qreal left = area.left() + (area.width() - rowWidth) / 2;
    return {left + (number - 1) * side * (1 + CellGap), area.top(), side, side};
}

void NumberGrid::paint(QPainter &painter, const QRectF &area, const std::vector<NumberProgress> &numbers, int selected)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const NumberProgress &number : numbers) {
        if (number.number >= 1 && number.number <= Numbers)
            paintCell(painter, cellRect(number.number, area), number, number.number == selected);
    }
    // The legend: a small cell of each kind and its name, in a row under the numbers.
    const qreal side = cellSide(area);
    const qreal legendTop = area.top() + side * (1 + CellGap * 2);
    const qreal swatch = std::min(side * 0.55, area.bottom() - legendTop);
    if (swatch > 0) {
        QFont font = painter.font();
        font.setPixelSize(std::max(1, int(swatch * 0.75)));
        font.setBold(false);
        painter.setFont(font);
        const qreal itemWidth = area.width() / LegendOrder.size();
        for (std::size_t i = 0; i < LegendOrder.size(); ++i) {
            const NumberStatus status = LegendOrder[i];
            const QRectF box(area.left() + i * itemWidth, legendTop, swatch, swatch);
            painter.setPen(QPen(EdgeColour, swatch * 0.04));
            painter.setBrush(cellColour(status));
            painter.drawRoundedRect(box, swatch * 0.1, swatch * 0.1);
            paintSymbol(painter, status, box.adjusted(swatch * 0.2, swatch * 0.2, -swatch * 0.2, -swatch * 0.2));
            painter.setPen(Qt::black);
            painter.drawText(QRectF(box.right() + swatch * 0.3, legendTop, itemWidth - swatch * 1.4, swatch),
                             Qt::AlignLeft | Qt::AlignVCenter, KnowerWording::statusName(status));
        }
    }
    painter.restore();
}

QSize NumberGrid::sizeHint() const
{
    return {fontMetrics().height() * 28, fontMetrics().height() * 6};
}

QSize NumberGrid::minimumSizeHint() const
{
    return {fontMetrics().height() * 16, fontMetrics().height() * 5};
}

void NumberGrid::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    paint(painter, QRectF(rect()), m_numbers, m_selected);
}

int NumberGrid::numberAt(QPointF position) const
{
    for (int n = 1; n <= int(m_numbers.size()); ++n) {
        if (cellRect(n, QRectF(rect())).contains(position))
            return n;
    }
    return 0;
}

void NumberGrid::showDetail(QPointF position)
{
    const int number = numberAt(position);
    if (number == 0)
        return;
    selectNumber(number);
    QToolTip::showText(mapToGlobal(position.toPoint()), KnowerWording::numberDetail(m_numbers[number - 1]), this);
}

void NumberGrid::mouseMoveEvent(QMouseEvent *event)
{
    showDetail(event->position());
}

// A tap shows what hovering shows.
void NumberGrid::mousePressEvent(QMouseEvent *event)
{
    showDetail(event->position());
}

void NumberGrid::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        selectNumber(std::max(1, m_selected - 1));
        break;
    case Qt::Key_Right:
        selectNumber(std::min(int(m_numbers.size()), m_selected + 1));
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
