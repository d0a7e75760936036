#include "controls/forms.h"

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
    for (const MenuItem *m = this; m; m = m->parentMenu())
        if (!m->enabled() || !m->visible())
            return;
    if (onClick)
        onClick();
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
    if (effectivelyEnabled())
        selectTab(number);
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
    if (effectivelyEnabled() && onClick)
        onClick();
}

Form::Form(QString name) : WithCaption<Container>(nullptr, std::move(name))
{
    setBackColor(SysColor::ButtonFace);
    setVisible(false);
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
    if (showPopup)
        showPopup(menu);
}

void Form::userResized(int width, int height)
{
    setWidth(width);
    setHeight(height);
    if (onResize)
        onResize();
}

bool Form::userClosing()
{
    bool cancel = false;
    if (onQueryUnload)
        onQueryUnload(cancel);
    return !cancel;
}

void Form::moveFocus(Control *control, bool byUser)
{
    m_activeControl = control;
    if (!byUser)
        notify(Property::Focus);
}

void Form::forgetControl(const Control *control)
{
    if (m_activeControl == control)
        m_activeControl = nullptr;
}
