#pragma once

#include <QList>
#include <QRect>

class Form;
class TwipsScale;

// A stored window position that lies off every screen (a screen since removed, a smaller display)
// is moved onto the primary screen, keeping the window's size. `screens` and `primary` are
// available screen areas in pixels. Returns true when the form was moved.
bool keepOnScreen(Form &form, const TwipsScale &scale, const QList<QRect> &screens,
                  const QRect &primary);
