#pragma once

#include "widgets/secondarywindow.h"

class QLabel;

// The aim of the game and how it is played.
class HelpWindow : public SecondaryWindow
{
public:
    explicit HelpWindow(QWidget &gameWindow);

protected:
    void load() override;

private:
    QLabel *m_text = nullptr;
};
