#pragma once

#include "widgets/secondarywindow.h"

class QLabel;

// The aim of the game and how it is played.
class HelpWindow : public SecondaryWindow
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget &gameWindow);

protected:
    void load() override;
    void changeEvent(QEvent *event) override;

private:
    static QString caption();
    static QString helpText();
    // Wholly inside the label, whatever the language.
    void fitText();

    QLabel *m_text = nullptr;
};
