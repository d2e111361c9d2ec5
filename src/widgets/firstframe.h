#pragma once

#include <functional>

class QWidget;

// Runs work once, right after window is drawn for the first time: for what
// can wait until the player sees the window, and then should not wait long.
// Dropped with the window if it is never drawn.
void afterFirstFrame(QWidget &window, std::function<void()> work);
