#include "controls/listview.h"

#include "controls/userinput.h"

#include <algorithm>

ListView::ListView(Container *container, QString name, int index)
    : Control(container, std::move(name), index)
{}

ListView::Item ListView::item(int index) const
{
    if (index < 1 || index > count())
        return {};
    return m_items[std::size_t(index - 1)];
}

int ListView::add(const QString &text, const QString &smallIcon)
{
    m_items.push_back({text, smallIcon});
    notify(Property::List);
    return count();
}

void ListView::clear()
{
    if (m_items.empty() && m_selected == 0)
        return;
    m_items.clear();
    m_selected = 0;
    notify(Property::List);
}

bool ListView::setSelectedIndex(int index)
{
    if (index < 0 || index > count())
        return false;
    if (m_selected != index) {
        m_selected = index;
        notify(Property::Selection);
    }
    return true;
}

void ListView::setSmallIcons(ImageList *images)
{
    m_smallIcons = images;
    notify(Property::List);
}

void ListView::userSelected(int index)
{
    userinput::deliver(*this, [=, this] {
        if (effectivelyEnabled())
            setSelectedIndex(index);
    });
}

bool ListView::keyAction(int keyCode, int)
{
    if (keyCode != keycode::Up && keyCode != keycode::Down)
        return false;
    if (m_items.empty())
        return true;
    const int step = keyCode == keycode::Down ? 1 : -1;
    setSelectedIndex(std::clamp(m_selected == 0 ? 1 : m_selected + step, 1, count()));
    return true;
}
