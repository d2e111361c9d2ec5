#include "widgets/secondarywindow.h"

#include "widgets/keyboardkeeper.h"

#include <QKeyEvent>
#include <QPalette>
#include <QRect>
#include <QScreen>

#include <algorithm>

QRect centredOver(QRect gameInside, QSize inside, QMargins frame, QRect room)
{
    QRect place(QPoint(), inside);
    place.moveCenter(gameInside.center());
    room -= frame;
    const auto within = [](int start, int length, int roomStart, int roomLength) {
        return std::clamp(start, roomStart, std::max(roomStart, roomStart + roomLength - length));
    };
    place.moveTopLeft({within(place.left(), place.width(), room.left(), room.width()),
                       within(place.top(), place.height(), room.top(), room.height())});
    return place;
}

QRect centredOver(const QWidget &gameWindow, QSize inside)
{
    const QRect gameInside = gameWindow.geometry();
    const QRect gameFrame = gameWindow.frameGeometry();
    const QMargins frame(gameInside.left() - gameFrame.left(), gameInside.top() - gameFrame.top(),
                         gameFrame.right() - gameInside.right(), gameFrame.bottom() - gameInside.bottom());
    const QScreen *screen = gameWindow.screen();
    return centredOver(gameInside, inside, frame, screen ? screen->availableGeometry() : gameFrame | gameInside);
}

SecondaryWindow::SecondaryWindow(QWidget &gameWindow, const QString &objectName, const QString &caption,
                                 QSize clientSize)
    : QDialog(&gameWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                               | Qt::MSWindowsFixedSizeDialogHint)
    , m_designSize(clientSize)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setWindowModality(Qt::WindowModal);
    setFixedSize(clientSize);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    keepKeyboardOverGame(*this);
}

void SecondaryWindow::setVisible(bool visible)
{
    // A show while already open must not load the window a second time.
    if (visible && !isVisible()) {
        load();
        // The inside centred on the game's inside, in a window or on the
        // whole screen; the window manager adds its frame around it.
        setGeometry(centredOver(*parentWidget(), size()));
    }
    QDialog::setVisible(visible);
}

void SecondaryWindow::setFactor(qreal factor)
{
    if (m_scaler.isEmpty()) {
        for (QWidget *control : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            m_scaler.add(control);
    }
    m_scaler.setFactor(factor);
    setFixedSize(scaledRect(QRectF(QPointF(), m_designSize), factor).size());
}

void SecondaryWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && !closesOnEscape())
        return;
    QDialog::keyPressEvent(event);
}
