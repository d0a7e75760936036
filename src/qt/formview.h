#pragma once

#include "controls/forms.h"
#include "qt/qtconvert.h"

#include <QMainWindow>
#include <QMargins>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

class ControlBinding;
class WindowFrames;
class QAction;
class QMenu;
class QTimer;

// The Qt window of a form: one widget per control (built from `Form::allControls()`, frames and
// picture boxes holding their controls), the menu bar from `Form::menus()`, timers as QTimers.
// The view observes every control and refreshes only what changed; what the user does goes to the
// controls' `user...()` doors. Geometry is the controls' twips at the screen's logical DPI; the
// form's geometry is the window's outer one, frame included (the frame as `WindowFrames` tells it),
// and its controls sit in the client area below the menus, whose size the form learns as its
// inside.
//
// The form must outlive its view. Controls created after the view was built are shown from the next
// round of the event loop; a control that is destroyed takes its widget with it at once.
class FormView : public QMainWindow, private ControlObserver
{
public:
    // `frames` tells the window system's frames; null for the system's own.
    explicit FormView(Form &form, QWidget *parent = nullptr, WindowFrames *frames = nullptr);
    ~FormView() override;

    Form &form() const { return m_form; }
    const TwipsScale &scale() const { return m_scale; }
    // The client area, parent of the form's own controls.
    QWidget *surface() const { return m_surface; }

    // What shows a control: nullptr for a control without a widget (a timer, a menu item).
    QWidget *widgetOf(const Control &control) const;
    QAction *actionOf(const MenuItem &item) const;
    QTimer *timerOf(const Timer &timer) const;

    // Places a control's widget again from the control's geometry (its container's caption
    // changed).
    void placeAgain(Control &control);

    // Runs after the user closed the window and the close was not cancelled.
    std::function<void()> onClosedByUser;

    // Re-stacks the widgets of a container's controls by their z-levels (creation order among
    // equals, later ones in front); tab strips stay behind the controls of their pages.
    void restack(Container *container);

    // The control a widget of this window shows (itself or through one of its parents), or
    // nullptr.
    Control *controlOf(const QWidget *widget) const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Keys pressed in this window go to the focused control's key door first (and through it to
    // the form's key preview); a key the logic swallows or uses goes no further.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void propertyChanged(Control &control, Property property) override;
    void buildControls();
    // Makes the widgets of the controls that have none yet.
    void adoptNewControls();
    // Stacks the widgets of every container by z-level and sets the tab order.
    void arrangeControls();
    void applyTopMost();
    void buildMenus();
    void addMenuItem(MenuItem &item, QMenu *parentMenu);
    void applyTabOrder();
    void applyFormGeometry();
    // Sizes the window again when the window system has framed it since, or framed it otherwise.
    void followFrame();
    // Tells the form what its frame and menu bar take of its outer size.
    void reportFrameRoom();
    void applyFormColors();
    void watchInput();
    QWidget *parentWidgetOf(const Control &control) const;
    ControlBinding *bindingOf(const Control &control) const;

    Form &m_form;
    WindowFrames &m_frames;
    TwipsScale m_scale;
    QWidget *m_surface = nullptr;
    std::vector<std::unique_ptr<ControlBinding>> m_bindings;
    std::unordered_map<const Control *, ControlBinding *> m_byControl;
    std::unordered_map<const QWidget *, Control *> m_byWidget;
    // Set while the window is moved or sized to the form's geometry, so that those moves are not
    // reported back as the user's.
    bool m_applyingGeometry = false;
    // The frame the window was last sized with.
    QMargins m_frame;
    bool m_adoptPending = false;
};
