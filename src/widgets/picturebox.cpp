#include "widgets/picturebox.h"

#include <QMouseEvent>
#include <QPaintEvent>

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::setPicture(const QImage &picture)
{
    m_picture = picture.convertToFormat(QImage::Format_RGB32);
    m_surface = m_picture;
    if (m_autoSize)
        resize(m_picture.size());
    update();
}

void PictureBox::paintPicture(const QImage &source, QPoint topLeft, QPainter::CompositionMode rasterOp)
{
    if (m_surface.isNull())
        return;
    QPainter painter(&m_surface);
    painter.setCompositionMode(rasterOp);
    painter.drawImage(topLeft, source.convertToFormat(QImage::Format_RGB32));
    painter.end();
    update(QRect(topLeft, source.size()));
}

void PictureBox::clearDrawing()
{
    m_surface = m_picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (!m_autoSize)
        painter.fillRect(event->rect(), palette().window());
    painter.drawImage(event->rect().topLeft(), m_surface, event->rect());
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    emit mouseDown(event->button(), event->position());
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}
