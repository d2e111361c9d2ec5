#include "widgets/secondarywindow.h"

#include <QKeyEvent>
#include <QPalette>
#include <QRect>
#include <QScreen>

#include <algorithm>

QRect centredOver(const QWidget &gameWindow, QRect place)
{
    place.moveCenter(gameWindow.geometry().center());
    if (const QScreen *screen = gameWindow.screen()) {
        const QRect room = screen->availableGeometry();
        place.moveLeft(std::clamp(place.left(), room.left(), std::max(room.left(), room.right() - place.width())));
        place.moveTop(std::clamp(place.top(), room.top(), std::max(room.top(), room.bottom() - place.height())));
    }
    return place;
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
    // Without a window manager nobody else hands the keyboard back, and
    // space and Enter would go nowhere until the child clicks the game.
    connect(this, &QDialog::finished, &gameWindow, [&gameWindow] { gameWindow.activateWindow(); });
    gameWindow.installEventFilter(this);
}

bool SecondaryWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A click on the game makes the window manager give it the keyboard,
    // where every key is blocked while this is open: Esc would do nothing.
    if (watched == parentWidget() && event->type() == QEvent::WindowActivate && isVisible())
        activateWindow();
    return QDialog::eventFilter(watched, event);
}

void SecondaryWindow::setVisible(bool visible)
{
    // A show while already open must not load the window a second time.
    if (visible && !isVisible()) {
        load();
        // The inside centred on the game's inside, in a window or on the
        // whole screen; the window manager adds its frame around it.
        setGeometry(centredOver(*parentWidget(), QRect(QPoint(), size())));
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
