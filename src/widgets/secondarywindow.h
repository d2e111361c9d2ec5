#pragma once

#include <QSize>
#include <QString>
#include <QWidget>

#include "widgets/designscale.h"

// A fixed-size white window that the game window hands its input to: the
// game window is disabled from each showing until the window is closed.
// Not a Qt child of the game window, since disabling a widget would
// disable its child windows too.
class SecondaryWindow : public QWidget
{
public:
    void setVisible(bool visible) override;
    // Drawn `factor` times its design, like the game window it belongs to:
    // its size, every control and every font.
    void setFactor(qreal factor);

protected:
    SecondaryWindow(QWidget &gameWindow, const QString &objectName, const QString &caption, QSize clientSize);

    // Reloads the window for a showing; the game window is already disabled.
    virtual void load() = 0;

    void closeEvent(QCloseEvent *event) override;

private:
    void stayAboveGameWindow();

    QWidget &m_gameWindow;
    const QSize m_designSize;
    DesignScaler m_scaler;
};
