#pragma once

#include <QKeyEvent>

// Qt's keys as the window logic's key codes (the platform's virtual-key codes) and Shift masks.

// The key code of a key event; 0 for a key the logic has no code for (its handlers do not run).
int keyCodeOf(const QKeyEvent &event);
// 1 Shift, 2 Ctrl, 4 Alt, combined.
int shiftStateOf(Qt::KeyboardModifiers modifiers);
