#pragma once

#include "controls/control.h"

#include <QStringList>
#include <algorithm>
#include <functional>

// Menus, pages, the web browser, the timer, picture boxes and the form itself.

// A menu item: a top-level menu, a submenu or a command. Checked and Enabled are plain properties;
// a click (by the user, or `click()` from code) runs `onClick` while the item is enabled and
// visible, and so are the menus it stands in, up to one popped up (Form::PopupMenu).
class MenuItem : public WithCaption<Control>
{
public:
    MenuItem(Container *container, QString name, int index = -1, MenuItem *parent = nullptr);

    bool checked() const { return m_checked; }
    void setChecked(bool checked);
    // A caption of "-" makes a separator.
    bool isSeparator() const { return caption() == u"-"; }
    MenuItem *parentMenu() const { return m_parent; }
    const std::vector<MenuItem *> &items() const { return m_items; }
    // The shortcut shown beside the caption, e.g. "Ctrl+Z"; empty for none.
    const QString &shortcut() const { return m_shortcut; }
    void setShortcut(const QString &shortcut) { m_shortcut = shortcut; }

    void userClicked();
    std::function<void()> onClick;

private:
    bool m_checked = false;
    MenuItem *m_parent = nullptr;
    std::vector<MenuItem *> m_items;
    QString m_shortcut;
};

// Tab strip with tabs numbered from 1. Selecting another tab (by code or click) runs `onClick`.
class TabStrip : public Control
{
public:
    using Control::Control;

    void addTab(const QString &caption);
    int tabCount() const { return int(m_tabs.size()); }
    QString tabCaption(int number) const { return m_tabs.value(number - 1); }
    int selectedTab() const { return m_selected; }
    // Returns false for a number outside 1..tabCount.
    bool selectTab(int number);
    void userSelected(int number);
    std::function<void()> onClick;

private:
    QStringList m_tabs;
    int m_selected = 0;
};

// The embedded browser: records where it was sent; the view shows it.
class WebBrowser : public Control
{
public:
    using Control::Control;

    void navigate(const QString &url);
    const QString &locationURL() const { return m_location; }
    int navigationCount() const { return m_navigations; }

private:
    QString m_location;
    int m_navigations = 0;
};

// A timer. The view (or a test) calls `fire()` each Interval milliseconds while it is enabled.
class Timer : public Control
{
public:
    Timer(Container *container, QString name, int index = -1);
    int interval() const { return m_interval; }
    void setInterval(int milliseconds);
    void fire();
    std::function<void()> onTimer;

private:
    int m_interval = 0;
};

// A picture box holds controls and takes drops: `onDragDrop` runs with the dragged control and the
// drop point in twips from the box's top left.
class PictureBox : public Container
{
public:
    using Container::Container;
    std::function<void()> onClick;
    std::function<void(Control &source, int x, int y)> onDragDrop;
    void userClicked();
    // The user dropped a control dragged with Control::drag; nothing runs while disabled.
    void userDragDrop(Control &source, int x, int y);
};

// A rectangle drawn on its container, filled with FillColor when FillStyle is 0 (solid); 1 leaves
// it transparent. It takes no input.
class Shape : public Control
{
public:
    Shape(Container *container, QString name, int index = -1);
    void copyPropertiesFrom(const Control &other) override;
    quint32 fillColor() const { return m_fillColor; }
    void setFillColor(quint32 color);
    int fillStyle() const { return m_fillStyle; }
    void setFillStyle(int style);

private:
    quint32 m_fillColor = 0x000000;
    int m_fillStyle = 1;
};

class WindowService;

// A top-level window. Its controls register with it (directly or through frames), so a view can build
// itself from `allControls()` in creation order, which is also the default tab order.
//
// A form starts hidden. A side window is given a window service: the first time it is made visible
// the service builds its window. Closing it from its title bar runs `onQueryUnload`; when that does
// not cancel, the window goes and `userClosed()` then runs `onUnloaded`, where the owner unloads the
// form (see SideWindow).
class Form : public WithCaption<Container>
{
public:
    explicit Form(QString name);
    ~Form() override;

    void setVisible(bool visible) override;
    // Shows the window in front of the others; a minimised one is given back its own place and
    // size first. How a window is opened again when it is already open.
    void showInFront();
    void setWindowService(WindowService *service) { m_windowService = service; }
    WindowService *windowService() const { return m_windowService; }
    // Kept in front of the other windows, even when another one is active.
    bool topMost() const { return m_topMost; }
    void setTopMost(bool topMost);

    const std::vector<MenuItem *> &menus() const { return m_menus; }
    void addMenu(MenuItem *menu) { m_menus.push_back(menu); }

    // Every control of the form, frames before what they hold, in creation order.
    std::vector<Control *> allControls() const;

    // 0 normal, 1 minimised, 2 maximised.
    int windowState() const { return m_windowState; }
    void setWindowState(int state);

    // Pops a menu up at the mouse pointer, as a context menu; its items run as clicked ones.
    // The view shows it; without a view the request is only recorded. The menu shows whether or
    // not the menu bar has it enabled or visible: while it is open, a click on one of its items
    // asks only that item (and the menus between it and the one popped up) to be enabled and
    // visible.
    void PopupMenu(MenuItem &menu);
    MenuItem *lastPopup() const { return m_lastPopup; }
    // The menu popped up and still open; nullptr when none is.
    MenuItem *openPopup() const { return m_openPopup; }
    std::function<void(MenuItem &)> showPopup;

    // The view reports a resize by the user; the form runs `onResize` after taking the size.
    void userResized(int width, int height);

    // The form's geometry is its window's outer one. Its controls stand in the inside: what the
    // window system's frame and the menu bar leave of the outer size, in twips. Without a window
    // (nothing reported) the inside is the outer size.
    int insideWidth() const { return std::max(width() - m_frameRoomWidth, 0); }
    int insideHeight() const { return std::max(height() - m_frameRoomHeight, 0); }
    // The view reports the room the frame and the menu bar take, in twips. A change of the
    // inside runs `onResize`, as a resize does.
    void setFrameRoom(int width, int height);

    // The user asked to close the window; `onQueryUnload` may set cancel to true.
    bool userClosing();
    // The window was closed by the user and is gone; runs `onUnloaded`, which may destroy the form.
    void userClosed();
    std::function<void()> onResize;
    std::function<void(bool &cancel)> onQueryUnload;
    std::function<void()> onUnloaded;

    // The control that has the keyboard focus in this form: the last one given it by
    // Control::setFocus() or by the user, while it is still visible and enabled (a control hidden
    // or disabled since has lost it). nullptr when there is none.
    Control *activeControl() const;

    // Unloads the form from one of its own handlers (its OK button, say): the form is hidden at once
    // and marked, and its owner destroys it at its next use, never while the handler still runs.
    void unloadSelf();
    bool unloadPending() const { return m_unloadPending; }

    // With key preview on, the form's key handler (Control::onKeyDown) sees every key before the
    // focused control does.
    bool keyPreview() const { return m_keyPreview; }
    void setKeyPreview(bool on) { m_keyPreview = on; }

private:
    friend class Control;
    void setActiveControl(Control *control);
    Control *m_activeControl = nullptr;
    WindowService *m_windowService = nullptr;
    bool m_unloadPending = false;
    bool m_topMost = false;
    std::vector<MenuItem *> m_menus;
    bool m_keyPreview = false;
    int m_windowState = 0;
    int m_frameRoomWidth = 0;
    int m_frameRoomHeight = 0;
    MenuItem *m_lastPopup = nullptr;
    MenuItem *m_openPopup = nullptr;
};
