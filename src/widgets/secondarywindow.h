#pragma once

#include <QDialog>
#include <QSize>
#include <QString>

#include "widgets/designscale.h"

// Where a window of place's size goes over the game window: centred on it,
// yet wholly on the game's screen.
QRect centredOver(const QWidget &gameWindow, QRect place);

// A fixed-size white dialog over the game window: window-modal, so the game
// takes no input while it is open and gets it back when it closes, and
// transient for the game window, so it can never hide behind it. Each
// showing opens it centred over the game window at the scale it was given.
class SecondaryWindow : public QDialog
{
public:
    void setVisible(bool visible) override;
    // Drawn `factor` times its design, like the game window it belongs to:
    // its size, every control and every font.
    void setFactor(qreal factor);

protected:
    SecondaryWindow(QWidget &gameWindow, const QString &objectName, const QString &caption, QSize clientSize);

    // Reloads the window for a showing.
    virtual void load() = 0;
    // Esc closes the window unless it waits for something only it can take.
    virtual bool closesOnEscape() const { return true; }

    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    const QSize m_designSize;
    DesignScaler m_scaler;
};
