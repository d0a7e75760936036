#pragma once

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QWidget>

// A left-button event at `at` in `target`, the mouse cursor put there first: a widget's
// auto-scroll reads where the mouse is from the cursor.
inline void sendLeftButton(QWidget *target, QEvent::Type type, QPoint at,
                           Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QCursor::setPos(target->mapToGlobal(at));
    QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      modifiers);
    QApplication::sendEvent(target, &event);
}

// Holds the pressed left button at `outside` (beyond the widget's edge, where it scrolls on its
// own) until `reached` or for 90 s at most, then lets go. A widget scrolls a step per tick of its
// auto-scroll timer, as fast as the machine runs events: a sanitized build on a busy machine
// takes well over 30 s for thousands of steps.
template <typename Reached> void holdLeftButtonAt(QWidget *target, QPoint outside, Reached reached)
{
    sendLeftButton(target, QEvent::MouseMove, outside);
    QElapsedTimer held;
    held.start();
    while (!reached() && held.elapsed() < 90000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    sendLeftButton(target, QEvent::MouseButtonRelease, outside);
}
