#pragma once

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QWidget>

// A box that shows a picture, the game's building block for every button,
// sprite and the train. What is painted onto it stays until it is cleared.
//
// Its place, size and every position it reports are in the design's pixels;
// on screen it lies at a factor of them, showing a more detailed variant of
// its picture where the screen has the pixels for it.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // With auto-size on, the box takes its picture's size whenever one is set.
    void setAutoSize(bool on);
    // The picture at the design's size.
    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }
    // The same picture drawn `scale` times larger; what was painted onto the
    // box must be painted again.
    void setDetailedPicture(const QImage &picture, int scale);
    int detailScale() const { return m_detailScale; }
    // A box that is painted on keeps its detailed picture to paint onto; the
    // others keep only what they show, which is large enough on a big screen.
    void setPaintedOn(bool on) { m_paintedOn = on; }

    // Place and size in the container's design pixels.
    void setDesignGeometry(const QRectF &rect);
    const QRectF &designGeometry() const { return m_designRect; }
    void setLeft(qreal left);
    // On screen, a design pixel is `factor` pixels of the container.
    void setFactor(qreal factor);

    // Paints a picture one to one with its top-left corner at a place of the
    // box; the raster operation combines it with what is there already. The
    // detailed source is painted onto the detailed picture.
    void paintPicture(const QImage &source, const QImage &detailedSource, QPoint topLeft,
                      QPainter::CompositionMode rasterOp);
    // Back to the bare picture.
    void clearDrawing();
    // What the box shows: its picture with everything painted onto it, at
    // the design's size and in detail.
    const QImage &surface() const { return m_surface; }
    const QImage &detailedSurface() const { return m_detailedSurface; }

signals:
    // Position in the box's own design pixels, fractions kept.
    void mouseDown(Qt::MouseButton button, QPointF position);
    void clicked();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void press(Qt::MouseButton button, QPointF position);
    void release(Qt::MouseButton button, QPointF position);
    QPointF designPosition(QPointF position) const;
    void placeOnScreen();
    void surfaceChanged(const QRect &designRect);
    const QImage &shownImage(qreal devicePixelRatio);

    QImage m_picture;
    // Kept in RGB32: the raster operations are exact there and leave no alpha behind.
    QImage m_surface;
    QImage m_detailedPicture;
    QImage m_detailedSurface;
    int m_detailScale = 1;
    // The surface at the size it takes on the screen, made again when either changes.
    QImage m_shown;
    bool m_shownStale = true;

    QRectF m_designRect;
    qreal m_factor = 1;
    bool m_autoSize = true;
    bool m_paintedOn = false;
    bool m_pressed = false;
};
