#include "game/stagelayout.h"

#include "game/bitmaps.h"
#include "widgets/designscale.h"

#include <algorithm>

StageLayout::StageLayout(QSize windowSize, qreal devicePixelRatio)
    : m_factor(std::min(qreal(windowSize.width()) / DesignSize.width(),
                        qreal(windowSize.height()) / DesignSize.height()))
    , m_screenScale(m_factor * devicePixelRatio)
{
    const QSize stageSize = scaledRect(QRectF(QPointF(), DesignSize), m_factor).size();
    m_stageRect = QRect(QPoint((windowSize.width() - stageSize.width()) / 2,
                               (windowSize.height() - stageSize.height()) / 2),
                        stageSize);
}

int StageLayout::pictureScale() const
{
    return pictureScaleFor(m_screenScale);
}
