#include "widgets/picturebox.h"

#include "widgets/designscale.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QTouchEvent>

#include <cmath>

namespace {

// Positions are mapped back through the factor; a whole design pixel must
// not turn into a hair less, or a press on 400 would land on 399.99999.
constexpr qreal PositionGrid = 1 << 12;

qreal snapped(qreal designCoordinate)
{
    return std::round(designCoordinate * PositionGrid) / PositionGrid;
}

} // namespace

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_AcceptTouchEvents);
    setAutoSize(true);
}

void PictureBox::setAutoSize(bool on)
{
    m_autoSize = on;
    // Its picture covers the whole box: a moving box is then shifted on
    // screen as it is, and only the strip it uncovers is drawn again.
    setAttribute(Qt::WA_OpaquePaintEvent, on);
}

void PictureBox::setPicture(const QImage &picture)
{
    m_picture = picture.convertToFormat(QImage::Format_RGB32);
    m_surface = m_picture;
    m_detailedPicture = QImage();
    m_detailedSurface = QImage();
    m_detailScale = 1;
    if (m_autoSize)
        setDesignGeometry(QRectF(m_designRect.topLeft(), m_picture.size()));
    surfaceChanged(rect());
}

void PictureBox::setDetailedPicture(const QImage &picture, int scale)
{
    m_detailedPicture = picture.convertToFormat(QImage::Format_RGB32);
    m_detailedSurface = m_detailedPicture;
    m_detailScale = scale;
    m_surface = m_picture;
    surfaceChanged(rect());
}

void PictureBox::setDesignGeometry(const QRectF &rect)
{
    m_designRect = rect;
    placeOnScreen();
}

void PictureBox::setLeft(qreal left)
{
    m_designRect.moveLeft(left);
    // At a fractional device pixel ratio the shifted pixels and the strip
    // drawn again miss each other by a pixel, which stays behind as a line
    // on the scene: there the box and what it uncovers are drawn afresh.
    const qreal ratio = devicePixelRatioF();
    setAttribute(Qt::WA_OpaquePaintEvent, m_autoSize && ratio == std::floor(ratio));
    // Moved, not laid out again: with both edges rounded the width would
    // change by a pixel now and then, and the whole picture be scaled anew.
    move(int(std::lround(left * m_factor)), y());
}

void PictureBox::setFactor(qreal factor)
{
    // What is shown was made for its size, which changes with the factor.
    m_shownStale = m_shownStale || factor != m_factor;
    m_factor = factor;
    placeOnScreen();
}

void PictureBox::placeOnScreen()
{
    setGeometry(scaledRect(m_designRect, m_factor));
}

void PictureBox::paintPicture(const QImage &source, const QImage &detailedSource, QPoint topLeft,
                              QPainter::CompositionMode rasterOp)
{
    if (m_surface.isNull())
        return;
    const auto paint = [rasterOp](QImage &surface, const QImage &picture, QPoint at) {
        QPainter painter(&surface);
        painter.setCompositionMode(rasterOp);
        painter.drawImage(at, picture.convertToFormat(QImage::Format_RGB32));
    };
    paint(m_surface, source, topLeft);
    // Mask and picture come from the same scale, so the head has no fringe.
    if (!m_detailedSurface.isNull() && detailedSource.size() == source.size() * m_detailScale)
        paint(m_detailedSurface, detailedSource, topLeft * m_detailScale);
    surfaceChanged(scaledRect(QRectF(topLeft, source.size()), m_factor).adjusted(-1, -1, 1, 1));
}

void PictureBox::clearDrawing()
{
    m_surface = m_picture;
    m_detailedSurface = m_detailedPicture;
    surfaceChanged(rect());
}

void PictureBox::surfaceChanged(const QRect &area)
{
    m_shownStale = true;
    update(area);
}

const QImage &PictureBox::shownImage(qreal devicePixelRatio)
{
    const qreal screenScale = m_factor * devicePixelRatio;
    const QSize size = m_autoSize ? (QSizeF(this->size()) * devicePixelRatio).toSize()
                                  : (QSizeF(m_picture.size()) * screenScale).toSize();
    if (!m_shownStale && m_shown.size() == size)
        return m_shown;
    const QImage &source = m_detailedSurface.isNull() ? m_surface : m_detailedSurface;
    // Always drawn down from a picture at least as detailed, never blown up
    // from a smaller one (but for a screen beyond the largest variant).
    m_shown = source.size() == size ? source : source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_shownStale = false;
    if (!m_paintedOn && !m_detailedSurface.isNull() && m_shown.isDetached()) {
        m_detailedPicture = QImage();
        m_detailedSurface = QImage();
    }
    return m_shown;
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (!m_autoSize)
        painter.fillRect(event->rect(), palette().window());
    if (m_surface.isNull())
        return;
    const qreal ratio = devicePixelRatioF();
    const QImage &shown = shownImage(ratio);
    const QRectF target = QRectF(event->rect()) & QRectF(QPointF(), QSizeF(shown.size()) / ratio);
    painter.drawImage(target, shown, QRectF(target.topLeft() * ratio, target.size() * ratio));
}

QPointF PictureBox::designPosition(QPointF position) const
{
    const QPointF inContainer = (position + QPointF(pos())) / m_factor;
    const QPointF inBox = inContainer - m_designRect.topLeft();
    return {snapped(inBox.x()), snapped(inBox.y())};
}

void PictureBox::press(Qt::MouseButton button, QPointF position)
{
    m_pressed = button == Qt::LeftButton;
    emit mouseDown(button, designPosition(position));
}

void PictureBox::release(Qt::MouseButton button, QPointF position)
{
    const bool click = m_pressed && button == Qt::LeftButton && rect().contains(position.toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

// A tap is taken as a touch, and the mouse events made from the same touch
// are dropped: one tap, one click.
bool PictureBox::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchEnd: {
        auto *touch = static_cast<QTouchEvent *>(event);
        if (isEnabled() && touch->pointCount() == 1) {
            const QPointF position = touch->point(0).position();
            if (event->type() == QEvent::TouchBegin)
                press(Qt::LeftButton, position);
            else
                release(Qt::LeftButton, position);
        }
        event->accept();
        return true;
    }
    case QEvent::TouchUpdate:
        event->accept();
        return true;
    case QEvent::TouchCancel:
        m_pressed = false;
        event->accept();
        return true;
    default:
        return QWidget::event(event);
    }
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    if (event->source() == Qt::MouseEventNotSynthesized)
        press(event->button(), event->position());
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->source() == Qt::MouseEventNotSynthesized)
        release(event->button(), event->position());
}
