#include "widgets/secondarywindow.h"

#include <QCloseEvent>
#include <QPalette>
#include <QWindow>

SecondaryWindow::SecondaryWindow(QWidget &gameWindow, const QString &objectName, const QString &caption,
                                 QSize clientSize)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                           | Qt::MSWindowsFixedSizeDialogHint)
    , m_gameWindow(gameWindow)
    , m_designSize(clientSize)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setFixedSize(clientSize);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
}

void SecondaryWindow::setVisible(bool visible)
{
    // A show while already open must not load the window a second time.
    if (visible && !isVisible()) {
        m_gameWindow.setEnabled(false);
        stayAboveGameWindow();
        load();
        // Over a full-screen game, where the child looks.
        if (m_gameWindow.isFullScreen())
            move(m_gameWindow.geometry().center() - rect().center());
    }
    QWidget::setVisible(visible);
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

void SecondaryWindow::closeEvent(QCloseEvent *event)
{
    m_gameWindow.setEnabled(true);
    // Without a window manager nobody else hands the keyboard back, and
    // space and Enter would go nowhere until the child clicks the game.
    m_gameWindow.activateWindow();
    event->accept();
}

void SecondaryWindow::stayAboveGameWindow()
{
    QWindow *const owner = m_gameWindow.windowHandle();
    if (!owner)
        return;
    create();
    windowHandle()->setTransientParent(owner);
}
