#pragma once

#include "controls/control.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class FormView;
class QAction;
class QTimer;

// One binding per control: it is the control's observer and owns the connection between the control
// and the Qt object that shows it. Refreshing the widget from the control blocks the widget's
// signals, so a program change never comes back as a user action; user actions go to the control's
// `user...()` doors, after which the widget is brought back to what the control says (a refused or
// rewritten change shows the control's state, not the widget's).
// The binding is the context of every connection it makes and the owner of every hook and timer it
// installs: once it is destroyed nothing from Qt reaches it or its control, even while its widget
// lives on (the window closes after its bindings are gone).
class ControlBinding : public QObject, public ControlObserver
{
public:
    ControlBinding(FormView &view, Control &control, QWidget *widget);
    ~ControlBinding() override;
    ControlBinding(const ControlBinding &) = delete;
    ControlBinding &operator=(const ControlBinding &) = delete;

    Control &control() const { return m_control; }
    // The widget, or nullptr for controls without one (timers, menu items).
    QWidget *widget() const { return m_widget; }
    virtual QAction *action() const { return nullptr; }
    virtual QTimer *timer() const { return nullptr; }

    void propertyChanged(Control &control, Property property) final;
    // Brings every property of the Qt object in line with the control.
    virtual void refreshAll();

protected:
    // Refreshes one property; the base handles what every widget has.
    virtual void refresh(Property property);
    virtual void applyColors();
    void applyGeometry();
    FormView &view() const { return m_view; }

private:
    FormView &m_view;
    Control &m_control;
    QPointer<QWidget> m_widget;
};

// Makes the widget and binding of a control, parented to `parent`; nullptr for a kind of control
// the view does not show by itself (menu items, which the form's menu bar shows).
std::unique_ptr<ControlBinding> makeBinding(FormView &view, Control &control, QWidget *parent);

// Runs `handler` for every event `target` receives; returning true swallows the event. The hook
// belongs to `owner` and stops with it.
class EventHook : public QObject
{
public:
    EventHook(QObject *target, QObject *owner, std::function<bool(QEvent *)> handler);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const QObject *m_target;
    std::function<bool(QEvent *)> m_handler;
};
