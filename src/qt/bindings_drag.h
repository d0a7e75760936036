#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

class Control;
class Form;
class FormView;
class QEvent;
class QMimeData;
class TextBox;

// What the mouse does on a text box. A press runs MouseDown at once; a left press released over the
// box is a click, unless a double click came in between or the press began a drag. A drag that the
// MouseDown handler asked for (Control::drag) starts only once the mouse has moved by the platform's
// drag distance with the button held, so a press released where it was still clicks.
// The tracker filters the events of the widget it is made for; it belongs to `owner` (the box's
// binding) and stops with it.
class PressTracker : public QObject
{
public:
    PressTracker(FormView &view, TextBox &box, QWidget *widget, QObject *owner);
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The control asked for a drag during the press now being handled.
    void dragRequested();

private:
    bool handle(QEvent *event);
    void startDrag();

    FormView &m_view;
    TextBox &m_box;
    QPointer<QWidget> m_widget;
    QPoint m_pressAt;
    bool m_inPress = false;    // inside the MouseDown handler of a left press
    bool m_pressed = false;    // a left press waits for its release
    bool m_dragArmed = false;  // the press asked for a drag that has not started
    bool m_afterDouble = false; // the release ends a double click, not a click
};

// Drags of controls between the widgets of one window: the dragged control travels as its name.
QMimeData *controlMimeData(const Control &control);
// The control of `form` that the data names, or nullptr when it names none.
Control *controlFromMimeData(const QMimeData *data, const Form &form);
