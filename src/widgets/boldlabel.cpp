#include "widgets/boldlabel.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace {
// As much as a made-up bold adds at small sizes: a 24th of the em.
constexpr qreal EmPerStroke = 24;
} // namespace

BoldLabel::BoldLabel(QWidget *parent)
    : QLabel(parent)
{
}

void BoldLabel::paintEvent(QPaintEvent *)
{
    if (text().isEmpty())
        return;
    QFont regular = font();
    regular.setBold(false);
    const qreal stroke = QFontInfo(regular).pixelSize() / EmPerStroke;
    // Left and top aligned, one line: the outline's thickening stays inside.
    QPainterPath outline;
    outline.addText(QPointF(stroke / 2, stroke / 2 + QFontMetricsF(regular).ascent()), regular, text());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = palette().color(QPalette::WindowText);
    painter.setPen(QPen(colour, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(colour);
    painter.drawPath(outline);
}
