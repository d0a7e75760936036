#pragma once

#include "controls/control.h"

#include <QStringList>
#include <functional>

// The simple controls. Each event is a std::function the window wires to its handler; an unset event
// is a no-op. See control.h for the rules every control follows.

// Single- or multi-line text box. `onChange` runs after every change of Text, by code or typing, and
// never when the new text equals the old. A single-line box (the default) holds one line: a text
// that comes in with a line break, set or typed (pasted), keeps what stands before its first CR or
// LF, so the box never holds either. A press of a mouse button runs `onMouseDown`; a left press
// released over the box runs `onClick` (not when the press began a drag); a double click runs
// `onDblClick` after the click of its first press.
class TextBox : public Control
{
public:
    using Control::Control;
    void copyPropertiesFrom(const Control &other) override;

    const QString &text() const { return m_text; }
    void setText(const QString &text);
    bool multiLine() const { return m_multiLine; }
    void setMultiLine(bool on) { m_multiLine = on; }
    bool locked() const { return m_locked; }
    void setLocked(bool on);
    // 0 left, 1 right, 2 centre.
    int alignment() const { return m_alignment; }
    void setAlignment(int alignment);
    // 0 no border, 1 a fixed single border (the default).
    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    // With it on, a single-line box shows its whole text even when the text is wider than the box:
    // the view narrows the font (same size, glyphs condensed) just as far as the text needs.
    bool narrowToFit() const { return m_narrowToFit; }
    void setNarrowToFit(bool on);

    // Selection, 0-based; setting the start clears the length.
    int selStart() const { return m_selStart; }
    void setSelStart(int start);
    int selLength() const { return m_selLength; }
    void setSelLength(int length);

    // The user replaced the whole text (the view sends the box's new content).
    void userTyped(const QString &text);
    // Records the focus with the form (see Control::userFocused()), then runs `onGotFocus`.
    void userFocused() override;
    // The user moved the caret or selected; clamped like the setters, runs nothing.
    void userSelected(int start, int length);
    void userDoubleClicked();
    // Mouse buttons 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt; x and y in twips
    // from the box's top left. Runs `onMouseDown` while the box is enabled.
    void userMouseDown(int button, int shift = 0, int x = 0, int y = 0);
    void userClicked();

    std::function<void()> onChange;
    std::function<void()> onGotFocus;
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void(int button, int shift, int x, int y)> onMouseDown;

private:
    QString m_text;
    bool m_multiLine = false;
    bool m_locked = false;
    int m_alignment = 0;
    int m_borderStyle = 1;
    bool m_narrowToFit = false;
    int m_selStart = 0;
    int m_selLength = 0;
};

// A label. Besides its click it reports the mouse: the button (1 left, 2 right, 4 middle; 0 for a
// move with no button down), the shift state and the pointer's position within the label, in twips.
// The view reports moves while a button is held down. With AutoSize on it takes the size its caption
// needs in its font whenever the caption is set (the width of the longest line and the height of
// all lines).
class Label : public WithCaption<Control>
{
public:
    Label(Container *container, QString name, int index = -1);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    void setCaption(const QString &caption);
    void userClicked();
    void userMouseDown(int button, int shift, int x, int y);
    void userMouseMove(int button, int shift, int x, int y);
    void userMouseUp(int button, int shift, int x, int y);
    std::function<void()> onClick;
    using MouseHandler = std::function<void(int button, int shift, int x, int y)>;
    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
    MouseHandler onMouseUp;

    // How a text is measured, in twips: the view installs the platform's measure; without one a
    // full-width character takes the font's size in points × 20 twips and any other half of it.
    using TextMeasure = std::function<std::pair<int, int>(const QString &text, const Font &font)>;
    static void setTextMeasure(TextMeasure measure);
    static std::pair<int, int> measureText(const QString &text, const Font &font);

private:
    void fitCaption();
    bool m_autoSize = false;
};

// A frame draws its border and caption around the controls it holds; with BorderStyle 0 it draws
// neither (its Caption stays what it is) and its controls may use all of it.
class Frame : public WithCaption<Container>
{
public:
    Frame(Container *container, QString name, int index = -1);
    // 0 none, 1 a fixed single border with the caption (the default).
    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);

private:
    int m_borderStyle = 1;
};

class CommandButton : public WithCaption<Control>
{
public:
    CommandButton(Container *container, QString name, int index = -1);
    // Runs the click as a press would, when the button is enabled.
    void userClicked();
    std::function<void()> onClick;
};

// Value 0 unchecked, 1 checked, 2 grayed. `onClick` runs whenever Value changes, by code or click.
// A click turns 0 into 1 and 1 or 2 into 0.
class CheckBox : public WithCaption<Control>
{
public:
    CheckBox(Container *container, QString name, int index = -1);
    int value() const { return m_value; }
    // Values outside 0..2 are refused (returns false).
    bool setValue(int value);
    void userClicked();
    std::function<void()> onClick;

private:
    int m_value = 0;
};

// Option buttons group by container: choosing one clears the others of its container (without running
// their handlers). `onClick` runs when the button becomes chosen, by code or click; choosing a chosen
// button runs nothing.
class OptionButton : public WithCaption<Control>
{
public:
    OptionButton(Container *container, QString name, int index = -1);
    bool value() const { return m_value; }
    void setValue(bool value);
    void userClicked();
    std::function<void()> onClick;

private:
    bool m_value = false;
};

// Drop-down combo box: a list of items and an editable text. Setting Text runs no handler (it selects the
// item that matches exactly, silently). Choosing an item (code sets ListIndex, or the user picks one)
// sets the text to the item and runs `onClick`; typing runs `onChange`.
class ComboBox : public Control
{
public:
    using Control::Control;

    const QString &text() const { return m_text; }
    void setText(const QString &text);
    const QStringList &list() const { return m_list; }
    int listCount() const { return int(m_list.size()); }
    QString listItem(int index) const { return m_list.value(index); }
    void addItem(const QString &item);
    void clear();
    int listIndex() const { return m_listIndex; }
    // -1 clears the choice; other values outside the list are refused (returns false).
    bool setListIndex(int index);

    void userChose(int index);
    void userTyped(const QString &text);
    std::function<void()> onClick;
    std::function<void()> onChange;

private:
    QString m_text;
    QStringList m_list;
    int m_listIndex = -1;
};

// List box. Choosing an item runs `onClick` when the choice changes; a double click runs `onDblClick`.
// Up and Down that no key handler swallowed move the choice by one item (staying inside the list;
// with nothing chosen, Down chooses the first item), as the user's keys would.
class ListBox : public Control
{
public:
    using Control::Control;

    const QStringList &list() const { return m_list; }
    int listCount() const { return int(m_list.size()); }
    QString listItem(int index) const { return m_list.value(index); }
    void addItem(const QString &item);
    void clear();
    int listIndex() const { return m_listIndex; }
    bool setListIndex(int index);
    QString text() const { return m_list.value(m_listIndex); }

    void userChose(int index);
    void userDoubleClicked();
    std::function<void()> onClick;
    std::function<void()> onDblClick;

protected:
    bool keyAction(int keyCode, int shift) override;

private:
    QStringList m_list;
    int m_listIndex = -1;
};

// Vertical or horizontal scroll bar. Value lies between Min and Max (either may be the larger); a value
// outside is refused and nothing runs. `onChange` runs only when Value really changes. Setting Min or
// Max never runs it: a Value left outside the new range is moved to the nearest end silently.
// The up (left) arrow moves Value towards Min by SmallChange.
class ScrollBar : public Control
{
public:
    using Control::Control;

    // A horizontal bar (left arrow towards Min) rather than a vertical one; fixed at design time.
    bool horizontal() const { return m_horizontal; }
    void setHorizontal(bool on) { m_horizontal = on; }

    int value() const { return m_value; }
    // Returns false (and changes nothing) when the value lies outside Min..Max.
    bool setValue(int value);
    int min() const { return m_min; }
    int max() const { return m_max; }
    void setMin(int min);
    void setMax(int max);
    int smallChange() const { return m_smallChange; }
    void setSmallChange(int step) { m_smallChange = step; }
    int largeChange() const { return m_largeChange; }
    void setLargeChange(int step) { m_largeChange = step; }
    int lowest() const { return m_min < m_max ? m_min : m_max; }
    int highest() const { return m_min < m_max ? m_max : m_min; }

    // The user pressed the up (-1) or down (+1) arrow; nothing happens while disabled.
    void userStep(int direction);
    // The user dragged the thumb to a value (clamped to the range).
    void userScrolled(int value);
    std::function<void()> onChange;

private:
    void clampSilently();
    int m_value = 0;
    int m_min = 0;
    int m_max = 32767;
    int m_smallChange = 1;
    int m_largeChange = 1;
    bool m_horizontal = false;
};
