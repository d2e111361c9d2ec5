#pragma once

#include <QDialog>
#include <QSize>
#include <QString>

#include "widgets/designscale.h"

// Where the inside of a window of the given size goes: centred on the game's
// inside, yet wholly in the room, its frame and title bar included.
QRect centredOver(QRect gameInside, QSize inside, QMargins frame, QRect room);
// The same over the game window, on its screen. A window's frame is known
// only once the window manager has framed it, which comes after it is shown:
// the game's own frame stands in for it, as the same window manager draws both.
QRect centredOver(const QWidget &gameWindow, QSize inside);

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

    void keyPressEvent(QKeyEvent *event) override;

private:
    const QSize m_designSize;
    DesignScaler m_scaler;
};
