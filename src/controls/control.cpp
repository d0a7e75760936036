#include "controls/control.h"

#include "controls/forms.h"
#include "controls/userinput.h"

#include <algorithm>

Control::Control(Container *container, QString name, int index)
    : m_container(container), m_name(std::move(name)), m_index(index)
{
    if (m_container)
        m_container->addChild(this);
}

Control::~Control()
{
    if (m_focusForm)
        m_focusForm->m_activeControl = nullptr;
    if (m_container)
        m_container->removeChild(this);
}

void Control::setContainer(Container *container)
{
    if (m_container == container)
        return;
    if (m_container)
        m_container->removeChild(this);
    m_container = container;
    if (m_container)
        m_container->addChild(this);
}

QString Control::displayName() const
{
    if (m_index < 0)
        return m_name;
    return m_name + u'(' + QString::number(m_index) + u')';
}

void Control::notify(Property property)
{
    if (m_observer)
        m_observer->propertyChanged(*this, property);
}

void Control::drag()
{
    notify(Property::Drag);
}

void Control::copyPropertiesFrom(const Control &other)
{
    move(other.m_left, other.m_top, other.m_width, other.m_height);
    setEnabled(other.m_enabled);
    setForeColor(other.m_foreColor);
    setBackColor(other.m_backColor);
    setFont(other.m_font);
    setToolTipText(other.m_toolTip);
}

void Control::setLeft(int twips)
{
    if (m_left == twips)
        return;
    m_left = twips;
    notify(Property::Geometry);
}

void Control::setTop(int twips)
{
    if (m_top == twips)
        return;
    m_top = twips;
    notify(Property::Geometry);
}

bool Control::setWidth(int twips)
{
    if (twips < 0)
        return false;
    if (m_width != twips) {
        m_width = twips;
        notify(Property::Geometry);
    }
    return true;
}

bool Control::setHeight(int twips)
{
    if (twips < 0)
        return false;
    if (m_height != twips) {
        m_height = twips;
        notify(Property::Geometry);
    }
    return true;
}

void Control::move(int left, int top, int width, int height)
{
    m_left = left;
    m_top = top;
    m_width = std::max(0, width);
    m_height = std::max(0, height);
    notify(Property::Geometry);
}

void Control::setVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    notify(Property::Visible);
}

void Control::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    notify(Property::Enabled);
}

bool Control::effectivelyEnabled() const
{
    for (const Control *c = this; c; c = c->container())
        if (!c->enabled())
            return false;
    return true;
}

bool Control::effectivelyVisible() const
{
    for (const Control *c = this; c; c = c->container())
        if (!c->visible())
            return false;
    return true;
}

void Control::setForeColor(quint32 color)
{
    if (m_foreColor == color)
        return;
    m_foreColor = color;
    notify(Property::Colors);
}

void Control::setBackColor(quint32 color)
{
    if (m_backColor == color)
        return;
    m_backColor = color;
    notify(Property::Colors);
}

void Control::setFont(const Font &font)
{
    if (m_font == font)
        return;
    m_font = font;
    notify(Property::Font);
}

void Control::setToolTipText(const QString &text)
{
    if (m_toolTip == text)
        return;
    m_toolTip = text;
    notify(Property::ToolTip);
}

void Control::zOrder(int position)
{
    if (!m_container) {
        notify(Property::ZOrder);
        return;
    }
    int level = 0;
    for (Control *sibling : m_container->children())
        if (sibling != this)
            level = position == 0 ? std::max(level, sibling->zLevel() + 1)
                                  : std::min(level, sibling->zLevel() - 1);
    m_zLevel = level;
    notify(Property::ZOrder);
}

Container::~Container()
{
    for (Control *child : m_children)
        child->m_container = nullptr;
}

namespace {
ControlObserver *outermostObserver(Container *container)
{
    Control *root = container;
    while (root->container())
        root = root->container();
    return root->observer();
}
} // namespace

void Container::addChild(Control *child)
{
    m_children.push_back(child);
    if (ControlObserver *observer = outermostObserver(this))
        observer->propertyChanged(*child, Property::ControlAdded);
}

void Container::removeChild(Control *child)
{
    m_children.erase(std::remove(m_children.begin(), m_children.end(), child), m_children.end());
    if (ControlObserver *observer = outermostObserver(this))
        observer->propertyChanged(*child, Property::ControlRemoved);
}

Form *Control::form() const
{
    const Control *root = this;
    while (root->container())
        root = root->container();
    return dynamic_cast<Form *>(const_cast<Control *>(root));
}

bool Control::canTakeFocus() const
{
    for (const Control *c = this; c && !dynamic_cast<const Form *>(c); c = c->container())
        if (!c->visible() || !c->enabled())
            return false;
    return true;
}

bool Control::setFocus()
{
    Form *owner = form();
    if (!owner || owner == this || !canTakeFocus())
        return false;
    owner->setActiveControl(this);
    notify(Property::Focus);
    return true;
}

bool Control::hasFocus() const
{
    return m_focusForm && m_focusForm->activeControl() == this;
}

void Control::userFocused()
{
    if (Form *owner = form(); owner && owner != this)
        owner->setActiveControl(this);
}

bool Control::userKeyDown(int keyCode, int shift)
{
    if (!effectivelyEnabled())
        return false;
    const int pressed = keyCode;
    // What the key handlers write is one step of the user's, as a click's handlers' is.
    const userinput::ActionScope action;
    Form *owner = form();
    if (owner && owner != this && owner->keyPreview() && owner->onKeyDown)
        owner->onKeyDown(keyCode, shift);
    if (keyCode != 0 && onKeyDown)
        onKeyDown(keyCode, shift);
    if (keyCode == 0)
        return pressed != 0;
    return keyAction(keyCode, shift);
}
