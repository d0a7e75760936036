#include "controls/controls.h"

#include "controls/userinput.h"

#include <algorithm>

void TextBox::setText(const QString &text)
{
    if (!m_multiLine) {
        const auto lineEnd = std::find_if(text.cbegin(), text.cend(),
                                          [](QChar c) { return c == u'\r' || c == u'\n'; });
        if (lineEnd != text.cend())
            return setText(text.first(lineEnd - text.cbegin()));
    }
    if (m_text == text)
        return;
    m_text = text;
    m_selStart = std::min<int>(m_selStart, int(m_text.size()));
    m_selLength = 0;
    notify(Property::Text);
    if (onChange)
        onChange();
}

void TextBox::copyPropertiesFrom(const Control &other)
{
    Control::copyPropertiesFrom(other);
    if (auto *box = dynamic_cast<const TextBox *>(&other)) {
        m_multiLine = box->m_multiLine;
        setLocked(box->m_locked);
        setAlignment(box->m_alignment);
        setBorderStyle(box->m_borderStyle);
        setNarrowToFit(box->m_narrowToFit);
        setText(box->m_text);
    }
}

void TextBox::setLocked(bool on)
{
    if (m_locked == on)
        return;
    m_locked = on;
    notify(Property::Style);
}

void TextBox::setAlignment(int alignment)
{
    if (m_alignment == alignment)
        return;
    m_alignment = alignment;
    notify(Property::Style);
}

void TextBox::setBorderStyle(int style)
{
    if (m_borderStyle == style)
        return;
    m_borderStyle = style;
    notify(Property::Style);
}

void TextBox::setNarrowToFit(bool on)
{
    if (m_narrowToFit == on)
        return;
    m_narrowToFit = on;
    notify(Property::Style);
}

void TextBox::setSelStart(int start)
{
    m_selStart = std::clamp(start, 0, int(m_text.size()));
    m_selLength = 0;
    notify(Property::Selection);
}

void TextBox::setSelLength(int length)
{
    m_selLength = std::clamp(length, 0, int(m_text.size()) - m_selStart);
    notify(Property::Selection);
}

void TextBox::userTyped(const QString &text)
{
    userinput::deliver(*this, [=, this] {
        if (!effectivelyEnabled() || m_locked)
            return;
        setText(text);
    });
}

void TextBox::userFocused()
{
    Control::userFocused();
    if (onGotFocus)
        onGotFocus();
}

void TextBox::userSelected(int start, int length)
{
    userinput::deliver(*this, [=, this] {
        m_selStart = std::clamp(start, 0, int(m_text.size()));
        m_selLength = std::clamp(length, 0, int(m_text.size()) - m_selStart);
    });
}

void TextBox::userDoubleClicked()
{
    userinput::deliver(*this, [this] {
        if (effectivelyEnabled() && onDblClick)
            onDblClick();
    });
}

void TextBox::userMouseDown(int button, int shift, int x, int y)
{
    userinput::deliver(*this, [=, this] {
        if (effectivelyEnabled() && onMouseDown)
            onMouseDown(button, shift, x, y);
    });
}

void TextBox::userClicked()
{
    userinput::deliver(*this, [this] {
        if (effectivelyEnabled() && onClick)
            onClick();
    });
}

Label::Label(Container *container, QString name, int index)
    : WithCaption<Control>(container, std::move(name), index)
{
    setBackColor(SysColor::ButtonFace);
}

namespace {
Label::TextMeasure &textMeasure()
{
    static Label::TextMeasure measure;
    return measure;
}

bool isFullWidth(QChar c)
{
    const char16_t u = c.unicode();
    return u >= 0x1100 && !(u >= 0xFF61 && u <= 0xFF9F);
}
} // namespace

void Label::setTextMeasure(TextMeasure measure)
{
    textMeasure() = std::move(measure);
}

std::pair<int, int> Label::measureText(const QString &text, const Font &font)
{
    if (textMeasure())
        return textMeasure()(text, font);
    const double em = font.size * 20;
    const QStringList lines = text.split(QStringLiteral(u"\r\n"));
    double widest = 0;
    for (const QString &line : lines) {
        double width = 0;
        for (QChar c : line)
            width += isFullWidth(c) ? em : em / 2;
        widest = std::max(widest, width);
    }
    return {int(widest + 0.5), int(lines.size() * em * 1.35 + 0.5)};
}

void Label::setAutoSize(bool on)
{
    m_autoSize = on;
    fitCaption();
}

void Label::setCaption(const QString &caption)
{
    WithCaption<Control>::setCaption(caption);
    fitCaption();
}

void Label::fitCaption()
{
    if (!m_autoSize)
        return;
    const auto [width, height] = measureText(caption(), font());
    setWidth(width);
    setHeight(height);
}

void Label::userClicked()
{
    userinput::deliver(*this, [this] {
        if (effectivelyEnabled() && onClick)
            onClick();
    });
}

void Label::userMouseDown(int button, int shift, int x, int y)
{
    userinput::deliver(*this, [=, this] {
        if (effectivelyEnabled() && onMouseDown)
            onMouseDown(button, shift, x, y);
    });
}

void Label::userMouseMove(int button, int shift, int x, int y)
{
    userinput::deliver(*this, [=, this] {
        if (effectivelyEnabled() && onMouseMove)
            onMouseMove(button, shift, x, y);
    });
}

void Label::userMouseUp(int button, int shift, int x, int y)
{
    userinput::deliver(*this, [=, this] {
        if (effectivelyEnabled() && onMouseUp)
            onMouseUp(button, shift, x, y);
    });
}

Frame::Frame(Container *container, QString name, int index)
    : WithCaption<Container>(container, std::move(name), index)
{
    setBackColor(SysColor::ButtonFace);
}

void Frame::setBorderStyle(int style)
{
    if (m_borderStyle == style)
        return;
    m_borderStyle = style;
    notify(Property::Style);
}

CommandButton::CommandButton(Container *container, QString name, int index)
    : WithCaption<Control>(container, std::move(name), index)
{
    setBackColor(SysColor::ButtonFace);
}

void CommandButton::userClicked()
{
    userinput::deliver(*this, [this] {
        if (effectivelyEnabled() && onClick)
            onClick();
    });
}

CheckBox::CheckBox(Container *container, QString name, int index)
    : WithCaption<Control>(container, std::move(name), index)
{
    setBackColor(SysColor::ButtonFace);
}

bool CheckBox::setValue(int value)
{
    if (value < 0 || value > 2)
        return false;
    if (m_value == value)
        return true;
    m_value = value;
    notify(Property::Value);
    if (onClick)
        onClick();
    return true;
}

void CheckBox::userClicked()
{
    userinput::deliver(*this, [this] {
        if (!effectivelyEnabled())
            return;
        setValue(m_value == 0 ? 1 : 0);
    });
}

OptionButton::OptionButton(Container *container, QString name, int index)
    : WithCaption<Control>(container, std::move(name), index)
{
    setBackColor(SysColor::ButtonFace);
}

void OptionButton::setValue(bool value)
{
    if (m_value == value)
        return;
    m_value = value;
    if (value && container()) {
        for (Control *sibling : container()->children()) {
            auto *option = dynamic_cast<OptionButton *>(sibling);
            if (option && option != this && option->m_value) {
                option->m_value = false;
                option->notify(Property::Value);
            }
        }
    }
    notify(Property::Value);
    if (value && onClick)
        onClick();
}

void OptionButton::userClicked()
{
    userinput::deliver(*this, [this] {
        if (effectivelyEnabled())
            setValue(true);
    });
}

void ComboBox::setText(const QString &text)
{
    if (m_text == text)
        return;
    m_text = text;
    m_listIndex = int(m_list.indexOf(text));
    notify(Property::Text);
}

void ComboBox::addItem(const QString &item)
{
    m_list.append(item);
    notify(Property::List);
}

void ComboBox::clear()
{
    m_list.clear();
    m_listIndex = -1;
    notify(Property::List);
}

bool ComboBox::setListIndex(int index)
{
    if (index < -1 || index >= m_list.size())
        return false;
    if (m_listIndex == index)
        return true;
    m_listIndex = index;
    if (index >= 0)
        m_text = m_list.at(index);
    notify(Property::Text);
    if (onClick)
        onClick();
    return true;
}

void ComboBox::userChose(int index)
{
    userinput::deliver(*this, [=, this] {
        if (!effectivelyEnabled() || index < 0 || index >= m_list.size())
            return;
        if (m_listIndex == index && m_text == m_list.at(index)) {
            // Picking the item already chosen still counts as a click.
            if (onClick)
                onClick();
            return;
        }
        m_listIndex = -1;
        setListIndex(index);
    });
}

void ComboBox::userTyped(const QString &text)
{
    userinput::deliver(*this, [=, this] {
        if (!effectivelyEnabled() || m_text == text)
            return;
        m_text = text;
        m_listIndex = int(m_list.indexOf(text));
        notify(Property::Text);
        if (onChange)
            onChange();
    });
}

void ListBox::addItem(const QString &item)
{
    m_list.append(item);
    notify(Property::List);
}

void ListBox::clear()
{
    m_list.clear();
    m_listIndex = -1;
    notify(Property::List);
}

bool ListBox::setListIndex(int index)
{
    if (index < -1 || index >= m_list.size())
        return false;
    if (m_listIndex == index)
        return true;
    m_listIndex = index;
    notify(Property::Selection);
    if (onClick)
        onClick();
    return true;
}

void ListBox::userChose(int index)
{
    userinput::deliver(*this, [=, this] {
        if (effectivelyEnabled())
            setListIndex(index);
    });
}

void ListBox::userDoubleClicked()
{
    userinput::deliver(*this, [this] {
        if (effectivelyEnabled() && onDblClick)
            onDblClick();
    });
}

bool ListBox::keyAction(int keyCode, int)
{
    if (keyCode != keycode::Up && keyCode != keycode::Down)
        return false;
    if (m_list.isEmpty())
        return true;
    const int step = keyCode == keycode::Down ? 1 : -1;
    setListIndex(std::clamp(m_listIndex < 0 ? 0 : m_listIndex + step, 0, int(m_list.size()) - 1));
    return true;
}

bool ScrollBar::setValue(int value)
{
    if (value < lowest() || value > highest())
        return false;
    if (m_value == value)
        return true;
    m_value = value;
    notify(Property::Value);
    if (onChange)
        onChange();
    return true;
}

void ScrollBar::clampSilently()
{
    const int clamped = std::clamp(m_value, lowest(), highest());
    if (clamped != m_value) {
        m_value = clamped;
        notify(Property::Value);
    }
}

void ScrollBar::setMin(int min)
{
    if (m_min == min)
        return;
    m_min = min;
    clampSilently();
    notify(Property::Range);
}

void ScrollBar::setMax(int max)
{
    if (m_max == max)
        return;
    m_max = max;
    clampSilently();
    notify(Property::Range);
}

void ScrollBar::userStep(int direction)
{
    userinput::deliver(*this, [=, this] {
        if (!effectivelyEnabled())
            return;
        const int towardsMin = m_min < m_max ? -1 : 1;
        const int step = (direction < 0 ? towardsMin : -towardsMin) * m_smallChange;
        setValue(std::clamp(m_value + step, lowest(), highest()));
    });
}

void ScrollBar::userScrolled(int value)
{
    userinput::deliver(*this, [=, this] {
        if (effectivelyEnabled())
            setValue(std::clamp(value, lowest(), highest()));
    });
}
