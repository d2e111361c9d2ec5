#pragma once

#include <QRect>
#include <QSize>

// Where the game's design lies in a window of any size: as large as it fits
// whole, in the middle, and which variant of the pictures draws it sharply
// on the screen's own pixels.
class StageLayout
{
public:
    // The game window as designed, in pixels.
    static constexpr QSize DesignSize{694, 438};

    // windowSize in the window's pixels, devicePixelRatio screen pixels to one of them.
    StageLayout(QSize windowSize, qreal devicePixelRatio);

    // Window pixels to a design pixel: 1 in the window as designed.
    qreal factor() const { return m_factor; }
    // The design's place in the window, centred; the rest is bar.
    QRect stageRect() const { return m_stageRect; }
    // Screen pixels to a design pixel.
    qreal screenScale() const { return m_screenScale; }
    // The variant of the pictures to draw from, 1 to LargestPictureScale.
    int pictureScale() const;

private:
    qreal m_factor;
    qreal m_screenScale;
    QRect m_stageRect;
};
