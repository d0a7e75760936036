#pragma once

#include <QKeyEvent>

// Qt's keys as the window logic's key codes (the platform's virtual-key codes), Shift masks and
// mouse button masks.

// The key code of a key event; 0 for a key the logic has no code for (its handlers do not run).
int keyCodeOf(const QKeyEvent &event);
// 1 Shift, 2 Ctrl, 4 Alt, combined.
int shiftStateOf(Qt::KeyboardModifiers modifiers);
// 1 left, 2 right, 4 middle, combined (a single button gives its own bit).
int mouseButtonsOf(Qt::MouseButtons buttons);
