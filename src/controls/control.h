#pragma once

#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

// The control layer: plain objects with the properties and events the window logic is written against.
//
// Event rules, shared by every control:
// - A setter called from code raises the control's event synchronously, inside the assignment, and only
//   when the value really changes. Handlers may assign other controls (or this one) again: such nested
//   runs happen inside the outer assignment, before it returns.
// - The `user...()` entry points are the doors the Qt view (and tests) use for what a person did; they
//   go through the same setters, so a user's change and a program's change run the same handlers.
// - Setting a property never notifies the view synchronously in a way that calls back into the logic:
//   the observer only mirrors state.
//
// Geometry is in twips; colours are 0x00BBGGRR (red in the low byte).

class Container;
class Form;

// System colours, as a colour value with the high bit set: the view resolves them from its palette.
namespace SysColor {
constexpr quint32 ButtonFace = 0x8000000F;
constexpr quint32 Window = 0x80000005;
constexpr quint32 WindowText = 0x80000008;
constexpr bool isSystem(quint32 color) { return (color & 0x80000000u) != 0; }
} // namespace SysColor

struct Font
{
    QString name = QStringLiteral(u"ＭＳ Ｐゴシック");
    double size = 9;
    bool bold = false;
    bool italic = false;
    friend bool operator==(const Font &, const Font &) = default;
};

// What a view must refresh after a property changed.
enum class Property {
    Text, Caption, Value, Range, Geometry, Visible, Enabled, Colors, Font, List, Selection,
    ColorRuns, Checked, ToolTip, ZOrder, Scroll, Location, Tabs, Focus,
    // A design property of the control's look (a text box's border, locking, alignment).
    Style,
    // The control asked for a manual drag (see Control::drag).
    Drag,
    // Told to the observer of a form about one of its controls: created under it (not yet fully
    // constructed, so only to be noted) or being destroyed (its bindings must go at once).
    ControlAdded, ControlRemoved
};

// Key codes as the window logic names them (the platform's virtual-key codes), and the bits of the
// Shift argument of a key event.
namespace keycode {
constexpr int Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18, Escape = 27,
              Space = 32, PageUp = 33, PageDown = 34, End = 35, Home = 36, Left = 37, Up = 38,
              Right = 39, Down = 40, Insert = 45, Delete = 46, F1 = 112, F5 = 116;
constexpr int ShiftMask = 1, CtrlMask = 2, AltMask = 4;
} // namespace keycode

class Control;

class ControlObserver
{
public:
    virtual ~ControlObserver() = default;
    virtual void propertyChanged(Control &control, Property property) = 0;
};

class Control
{
public:
    // `index` is the element's index in its control array, or -1 for a control outside any array.
    Control(Container *container, QString name, int index = -1);
    virtual ~Control();
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    const QString &name() const { return m_name; }
    int index() const { return m_index; }
    // "Text1(3)" for array elements, the bare name otherwise.
    QString displayName() const;
    Container *container() const { return m_container; }
    // Moves the control into another container, behind the children it already holds. Meant for
    // building a window: a view made from the tree before the move does not follow it.
    void setContainer(Container *container);

    int left() const { return m_left; }
    int top() const { return m_top; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    void setLeft(int twips);
    void setTop(int twips);
    // A negative width or height is refused (returns false), as the platform refuses it.
    bool setWidth(int twips);
    bool setHeight(int twips);
    void move(int left, int top, int width, int height);

    bool visible() const { return m_visible; }
    virtual void setVisible(bool visible);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    // Visible and enabled, this control and every container up to the form.
    bool effectivelyEnabled() const;
    bool effectivelyVisible() const;

    quint32 foreColor() const { return m_foreColor; }
    void setForeColor(quint32 color);
    quint32 backColor() const { return m_backColor; }
    void setBackColor(quint32 color);
    const Font &font() const { return m_font; }
    void setFont(const Font &font);
    const QString &toolTipText() const { return m_toolTip; }
    void setToolTipText(const QString &text);
    int tabIndex() const { return m_tabIndex; }
    void setTabIndex(int index) { m_tabIndex = index; }

    // Brings the control in front of its siblings (position 0) or sends it behind them (position 1).
    // A control outside any container (a form) is brought in front of the other windows.
    void zOrder(int position = 0);
    int zLevel() const { return m_zLevel; }

    // Keyboard focus. A form has at most one active control, the one that receives the keys.
    // - setFocus() makes this control its form's active control and notifies Focus, so that the view
    //   moves the focus to its widget (at once, or when the window is next shown or activated). It
    //   notifies also when the control already was the active control: the user may have moved the
    //   focus to a widget the form does not know (a menu, another window) meanwhile.
    // - A control that cannot take the focus refuses: it, or a container between it and its form,
    //   is hidden or disabled, or it lies in no form. setFocus() then returns false and changes
    //   nothing. The form's own visibility does not count: a form not shown yet keeps its choice.
    // - hasFocus() is true while the control is its form's active control (see
    //   Form::activeControl()).
    // Runs no event.
    bool setFocus();
    bool hasFocus() const;
    // The view reports that the user put the focus on the control: the form records it as its
    // active control, without notifying the view back. Controls with a got-focus event run it.
    virtual void userFocused();
    // The form that holds the control, directly or through frames; the form itself for a form;
    // nullptr for a control in no form.
    Form *form() const;

    void setObserver(ControlObserver *observer) { m_observer = observer; }
    ControlObserver *observer() const { return m_observer; }

    // Begins a manual drag of this control, as a press handler does. The view carries the drag on
    // once the mouse moves with the button still held (a press released where it was stays a
    // click); a drop on a control that takes drops runs its DragDrop with this one as the source.
    // Without a view nothing happens.
    void drag();

    // Takes the properties of another control of the same kind, as a control array element made at
    // run time takes those of its first element: geometry, enabled, colours, font, tool tip and
    // the kind's own design properties. Visible, name, index and container stay this control's.
    virtual void copyPropertiesFrom(const Control &other);

    // A key went down while this control had the focus. The form's key handler runs first when
    // the form's key preview is on, then the control's own; either may swallow the key by setting
    // its code to 0. A key nobody swallowed gets the control's own reaction (a list moves its
    // selection on Up and Down). Returns true when the key was swallowed or used, so that the view
    // must not act on it again; nothing runs while the control is disabled.
    bool userKeyDown(int keyCode, int shift);
    std::function<void(int &KeyCode, int Shift)> onKeyDown;

    // Expires when the control goes: what waits for the control (see userinput) checks it.
    std::weak_ptr<const int> lifetime() const { return m_lifetime; }

protected:
    void notify(Property property);
    // The control's own reaction to a key no handler swallowed; true when it used the key.
    virtual bool keyAction(int keyCode, int shift) { return false; }

private:
    friend class Container;
    friend class Form;
    // True when the control is visible and enabled, and so is every container up to its form.
    bool canTakeFocus() const;
    Container *m_container = nullptr;
    // The form whose active control this is, or nullptr.
    Form *m_focusForm = nullptr;
    QString m_name;
    int m_index = -1;
    int m_left = 0, m_top = 0, m_width = 1200, m_height = 375;
    bool m_visible = true;
    bool m_enabled = true;
    quint32 m_foreColor = 0x000000;
    quint32 m_backColor = 0xFFFFFF;
    Font m_font;
    QString m_toolTip;
    int m_tabIndex = 0;
    int m_zLevel = 0;
    ControlObserver *m_observer = nullptr;
    std::shared_ptr<const int> m_lifetime = std::make_shared<const int>(0);
};

// A control that holds others: a form, a frame, a picture box. Option buttons group by container.
class Container : public Control
{
public:
    using Control::Control;
    // Children that outlive their container simply lose it.
    ~Container() override;

    const std::vector<Control *> &children() const { return m_children; }
    // Both tell the observer of the outermost container (the form's view) with ControlAdded or
    // ControlRemoved, so that a view follows controls created or destroyed after it was built.
    void addChild(Control *child);
    void removeChild(Control *child);

private:
    std::vector<Control *> m_children;
};

// A control with a caption; setting the same caption again notifies nothing.
template <typename Base>
class WithCaption : public Base
{
public:
    using Base::Base;
    const QString &caption() const { return m_caption; }
    void setCaption(const QString &caption)
    {
        if (m_caption == caption)
            return;
        m_caption = caption;
        this->notify(Property::Caption);
    }

private:
    QString m_caption;
};

// Elements of a control array by index; indexes need not be contiguous. Asking for an element that does
// not exist throws std::out_of_range (a programming error, not a user's).
template <typename T>
class ControlArray
{
public:
    template <typename... Args>
    T &add(Container *container, const QString &name, int index, Args &&...args)
    {
        auto control = std::make_unique<T>(container, name, index, std::forward<Args>(args)...);
        T &ref = *control;
        m_items[index] = std::move(control);
        return ref;
    }
    T &operator()(int index) const { return at(index); }
    T &operator[](int index) const { return at(index); }
    T &at(int index) const
    {
        auto it = m_items.find(index);
        if (it == m_items.end())
            throw std::out_of_range("control array element does not exist");
        return *it->second;
    }
    // Grows the array at run time: element `index` is created in the container of the lowest
    // element as a copy of it (Control::copyPropertiesFrom), hidden. Throws std::out_of_range for
    // an empty array and std::invalid_argument for an index that exists already.
    T &load(int index)
    {
        if (m_items.empty())
            throw std::out_of_range("control array has no element to copy");
        if (exists(index))
            throw std::invalid_argument("control array element exists already");
        const T &first = *m_items.begin()->second;
        T &element = add(first.container(), first.name(), index);
        element.copyPropertiesFrom(first);
        element.setVisible(false);
        return element;
    }
    bool exists(int index) const { return m_items.count(index) != 0; }
    int lBound() const { return m_items.empty() ? 0 : m_items.begin()->first; }
    int uBound() const { return m_items.empty() ? -1 : m_items.rbegin()->first; }
    int count() const { return int(m_items.size()); }
    template <typename F>
    void forEach(F &&f) const
    {
        for (auto &[index, control] : m_items)
            f(index, *control);
    }

private:
    std::map<int, std::unique_ptr<T>> m_items;
};
