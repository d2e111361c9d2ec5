#include "widgets/designscale.h"

#include <cmath>

QFont scaledFont(QFont font, qreal factor)
{
    font.setPointSizeF(font.pointSizeF() * factor);
    return font;
}

QRect scaledRect(const QRectF &design, qreal factor)
{
    const auto edge = [factor](qreal designEdge) { return int(std::lround(designEdge * factor)); };
    const int left = edge(design.left()), top = edge(design.top());
    return {left, top, edge(design.right()) - left, edge(design.bottom()) - top};
}

void DesignScaler::add(QWidget *widget)
{
    m_designs.push_back({widget, widget->geometry(), widget->font().pointSizeF()});
}

void DesignScaler::setFactor(qreal factor)
{
    for (const Design &design : m_designs) {
        if (!design.widget)
            continue;
        design.widget->setGeometry(scaledRect(design.rect, factor));
        if (design.pointSize > 0) {
            QFont font = design.widget->font();
            font.setPointSizeF(design.pointSize * factor);
            design.widget->setFont(font);
        }
    }
}
