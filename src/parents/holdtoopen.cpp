#include "parents/holdtoopen.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVariantAnimation>

namespace {

const QColor RingColour(255, 200, 0);
const QColor RingShadow(0, 0, 0, 110);
// Of the button's width.
constexpr qreal RingWidth = 0.14;
// Qt's angles are in sixteenths of a degree, counter-clockwise from three o'clock.
constexpr int TwelveOClock = 90 * 16;
constexpr int FullCircle = 360 * 16;

} // namespace

HoldToOpen::HoldToOpen(QWidget *button)
    : QObject(button)
{
    m_filling = new QVariantAnimation(this);
    m_filling->setStartValue(0.0);
    m_filling->setEndValue(1.0);
    m_filling->setDuration(HoldMs);
    m_ring = new HoldRing(*this, button);
    connect(m_filling, &QVariantAnimation::valueChanged, m_ring, qOverload<>(&QWidget::update));
    connect(m_filling, &QVariantAnimation::finished, this, [this] {
        m_completed = true;
        m_ring->hide();
        emit held();
    });
    button->installEventFilter(this);
}

qreal HoldToOpen::progress() const
{
    return m_filling->state() == QAbstractAnimation::Running ? m_filling->currentValue().toReal() : 0;
}

bool HoldToOpen::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            press();
        break;
    case QEvent::TouchBegin:
        press();
        break;
    case QEvent::MouseButtonRelease:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        // The button never hears of a completed hold's release, so it makes no click.
        if (release())
            return true;
        break;
    case QEvent::Resize:
        m_ring->resize(static_cast<QWidget *>(watched)->size());
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void HoldToOpen::press()
{
    m_completed = false;
    m_ring->raise();
    m_ring->show();
    m_filling->start();
}

bool HoldToOpen::release()
{
    m_filling->stop();
    m_ring->hide();
    const bool completed = m_completed;
    m_completed = false;
    return completed;
}

HoldRing::HoldRing(const HoldToOpen &hold, QWidget *button)
    : QWidget(button)
    , m_hold(hold)
{
    setObjectName(QStringLiteral("holdRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(button->size());
    hide();
}

void HoldRing::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal penWidth = width() * RingWidth;
    const QRectF circle = QRectF(rect()).adjusted(penWidth / 2, penWidth / 2, -penWidth / 2, -penWidth / 2);
    painter.setPen(QPen(RingShadow, penWidth));
    painter.drawEllipse(circle);
    painter.setPen(QPen(RingColour, penWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawArc(circle, TwelveOClock, -int(m_hold.progress() * FullCircle));
}
