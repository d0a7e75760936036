#include "controls/forms.h"

#include "controls/services.h"
#include "controls/userinput.h"

#include <utility>

MenuItem::MenuItem(Container *container, QString name, int index, MenuItem *parent)
    : WithCaption<Control>(container, std::move(name), index), m_parent(parent)
{
    if (m_parent)
        m_parent->m_items.push_back(this);
}

void MenuItem::setChecked(bool checked)
{
    if (m_checked == checked)
        return;
    m_checked = checked;
    notify(Property::Checked);
}

void MenuItem::userClicked()
{
    // A menu popped up is shown whatever the menu bar does with it (the edit menu serves the cell
    // data on the settings page while the bar has it switched off): its items, and the menus
    // between them and it, count for themselves only.
    const Form *window = form();
    const MenuItem *poppedUp = window ? window->openPopup() : nullptr;
    userinput::deliver(*this, [this, poppedUp] {
        for (const MenuItem *m = this; m && m != poppedUp; m = m->parentMenu())
            if (!m->enabled() || !m->visible())
                return;
        if (onClick)
            onClick();
    });
}

void TabStrip::addTab(const QString &caption)
{
    m_tabs.append(caption);
    if (m_selected == 0)
        m_selected = 1;
    notify(Property::Tabs);
}

bool TabStrip::selectTab(int number)
{
    if (number < 1 || number > m_tabs.size())
        return false;
    if (m_selected == number)
        return true;
    m_selected = number;
    notify(Property::Tabs);
    if (onClick)
        onClick();
    return true;
}

void TabStrip::userSelected(int number)
{
    userinput::deliver(*this, [=, this] {
        if (effectivelyEnabled())
            selectTab(number);
    });
}

void WebBrowser::navigate(const QString &url)
{
    m_location = url;
    ++m_navigations;
    notify(Property::Location);
}

Timer::Timer(Container *container, QString name, int index)
    : Control(container, std::move(name), index)
{
    setEnabled(false);
    setVisible(false);
}

void Timer::setInterval(int milliseconds)
{
    if (m_interval == milliseconds)
        return;
    m_interval = milliseconds;
    notify(Property::Value);
}

void Timer::fire()
{
    if (enabled() && m_interval > 0 && onTimer)
        onTimer();
}

void PictureBox::userClicked()
{
    userinput::deliver(*this, [this] {
        if (effectivelyEnabled() && onClick)
            onClick();
    });
}

void PictureBox::userDragDrop(Control &source, int x, int y)
{
    if (effectivelyEnabled() && onDragDrop)
        onDragDrop(source, x, y);
}

Shape::Shape(Container *container, QString name, int index)
    : Control(container, std::move(name), index)
{
}

void Shape::copyPropertiesFrom(const Control &other)
{
    Control::copyPropertiesFrom(other);
    if (auto *shape = dynamic_cast<const Shape *>(&other)) {
        setFillColor(shape->m_fillColor);
        setFillStyle(shape->m_fillStyle);
    }
}

void Shape::setFillColor(quint32 color)
{
    if (m_fillColor == color)
        return;
    m_fillColor = color;
    notify(Property::Colors);
}

void Shape::setFillStyle(int style)
{
    if (m_fillStyle == style)
        return;
    m_fillStyle = style;
    notify(Property::Colors);
}

Form::Form(QString name) : WithCaption<Container>(nullptr, std::move(name))
{
    setBackColor(SysColor::ButtonFace);
    setVisible(false);
}

Form::~Form()
{
    if (m_activeControl)
        m_activeControl->m_focusForm = nullptr;
}

Control *Form::activeControl() const
{
    return m_activeControl && m_activeControl->canTakeFocus() ? m_activeControl : nullptr;
}

void Form::setActiveControl(Control *control)
{
    if (m_activeControl)
        m_activeControl->m_focusForm = nullptr;
    m_activeControl = control;
    control->m_focusForm = this;
}

namespace {
void collect(const Container &container, std::vector<Control *> &out)
{
    for (Control *child : container.children()) {
        out.push_back(child);
        if (auto *inner = dynamic_cast<Container *>(child))
            collect(*inner, out);
    }
}
} // namespace

std::vector<Control *> Form::allControls() const
{
    std::vector<Control *> out;
    collect(*this, out);
    return out;
}

void Form::setWindowState(int state)
{
    if (m_windowState == state)
        return;
    m_windowState = state;
    notify(Property::Geometry);
}

void Form::PopupMenu(MenuItem &menu)
{
    m_lastPopup = &menu;
    if (!showPopup)
        return;
    // The view shows the menu until the user has chosen from it or left it.
    MenuItem *outer = std::exchange(m_openPopup, &menu);
    showPopup(menu);
    m_openPopup = outer;
}

void Form::userResized(int width, int height)
{
    setWidth(width);
    setHeight(height);
    if (onResize)
        onResize();
}

void Form::setFrameRoom(int width, int height)
{
    if (m_frameRoomWidth == width && m_frameRoomHeight == height)
        return;
    m_frameRoomWidth = width;
    m_frameRoomHeight = height;
    if (onResize)
        onResize();
}

void Form::setVisible(bool visible)
{
    Container::setVisible(visible);
    // A side window shows through its service the first time; afterwards its view follows Visible.
    if (visible && m_windowService && !observer())
        m_windowService->show(*this);
}

void Form::showInFront()
{
    if (m_windowState == 1)
        setWindowState(0);
    setVisible(true);
    zOrder(0);
}

void Form::setTopMost(bool topMost)
{
    if (m_topMost == topMost)
        return;
    m_topMost = topMost;
    notify(Property::ZOrder);
}

void Form::userClosed()
{
    setVisible(false);
    // A copy: the handler may destroy this form, and with it the stored function.
    if (auto unloaded = onUnloaded)
        unloaded();
}

void Form::unloadSelf()
{
    m_unloadPending = true;
    setVisible(false);
}

bool Form::userClosing()
{
    bool cancel = false;
    if (onQueryUnload)
        onQueryUnload(cancel);
    return !cancel;
}

