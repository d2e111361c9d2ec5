#pragma once

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QWidget>

// A box that shows a picture, the game's building block for every button,
// sprite and the train. What is painted onto it stays until it is cleared.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // With auto-size on, the box takes its picture's size whenever one is set.
    void setAutoSize(bool on) { m_autoSize = on; }
    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }

    void setLeft(int left) { move(left, y()); }

    // Paints a picture one to one with its top-left corner at a place of the
    // box; the raster operation combines it with what is there already.
    void paintPicture(const QImage &source, QPoint topLeft, QPainter::CompositionMode rasterOp);
    // Back to the bare picture.
    void clearDrawing();
    // What the box shows: its picture with everything painted onto it.
    const QImage &surface() const { return m_surface; }

signals:
    // Position in the box's own pixels, fractions kept.
    void mouseDown(Qt::MouseButton button, QPointF position);
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage m_picture;
    // Kept in RGB32: the raster operations are exact there and leave no alpha behind.
    QImage m_surface;
    bool m_autoSize = true;
    bool m_pressed = false;
};
