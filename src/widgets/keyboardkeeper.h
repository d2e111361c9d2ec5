#pragma once

class QDialog;

// Keeps the keyboard with a dialog that is modal over the game window, and
// gives it back to the game when the dialog closes. A click on the game
// makes the window manager give the game the keyboard, where every key is
// blocked while the dialog is open, so Esc or Enter would reach nobody; and
// without a window manager nobody else hands the keyboard back at all.
void keepKeyboardOverGame(QDialog &dialog);
