#pragma once

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QRectF>
#include <QWidget>

#include <vector>

// The windows are designed in pixels at one size; on a bigger screen the
// whole design is drawn a uniform factor larger.

// The font drawn `factor` times its size.
QFont scaledFont(QFont font, qreal factor);

// Where a rectangle of the design lies at a factor. Edges are rounded, not
// sizes, so that controls that touch in the design still touch.
QRect scaledRect(const QRectF &design, qreal factor);

// Lays out widgets at a factor of their design: each keeps the place, size
// and font size it had when added.
class DesignScaler
{
public:
    void add(QWidget *widget);
    bool isEmpty() const { return m_designs.empty(); }
    void setFactor(qreal factor);

private:
    struct Design
    {
        QPointer<QWidget> widget;
        QRect rect;
        qreal pointSize;
    };
    std::vector<Design> m_designs;
};
