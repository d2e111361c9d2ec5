#pragma once

#include "game/secondarywindow.h"

#include <QString>

class QLabel;

// The aim of the game and how it is played.
class HelpWindow : public SecondaryWindow
{
public:
    explicit HelpWindow(QWidget &gameWindow);

    // The aim, an empty line, then how to play as one paragraph.
    static QString helpText();

protected:
    void load() override;

private:
    QLabel *Label1 = nullptr;
};
