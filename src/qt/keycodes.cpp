#include "qt/keycodes.h"

#include "controls/control.h"

namespace {

struct KeyPair
{
    int qt;
    int code;
};

const KeyPair keyPairs[] = {
    {Qt::Key_Backspace, keycode::Back},
    {Qt::Key_Tab, keycode::Tab},
    {Qt::Key_Backtab, keycode::Tab},
    {Qt::Key_Return, keycode::Return},
    {Qt::Key_Enter, keycode::Return},
    {Qt::Key_Shift, keycode::Shift},
    {Qt::Key_Control, keycode::Control},
    {Qt::Key_Alt, keycode::Menu},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, keycode::Escape},
    {Qt::Key_Space, keycode::Space},
    {Qt::Key_PageUp, keycode::PageUp},
    {Qt::Key_PageDown, keycode::PageDown},
    {Qt::Key_End, keycode::End},
    {Qt::Key_Home, keycode::Home},
    {Qt::Key_Left, keycode::Left},
    {Qt::Key_Up, keycode::Up},
    {Qt::Key_Right, keycode::Right},
    {Qt::Key_Down, keycode::Down},
    {Qt::Key_Insert, keycode::Insert},
    {Qt::Key_Delete, keycode::Delete},
    // The punctuation keys of a US layout, shifted or not.
    {Qt::Key_Semicolon, 186},
    {Qt::Key_Colon, 186},
    {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},
    {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},
    {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},
    {Qt::Key_Slash, 191},
    {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},
    {Qt::Key_AsciiTilde, 192},
    {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220},
    {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
};

} // namespace

int keyCodeOf(const QKeyEvent &event)
{
    const int key = event.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return keycode::F1 + (key - Qt::Key_F1);
    for (const KeyPair &pair : keyPairs)
        if (pair.qt == key)
            return pair.code;
    return 0;
}

int shiftStateOf(Qt::KeyboardModifiers modifiers)
{
    int shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= keycode::ShiftMask;
    if (modifiers & Qt::ControlModifier)
        shift |= keycode::CtrlMask;
    if (modifiers & Qt::AltModifier)
        shift |= keycode::AltMask;
    return shift;
}

int mouseButtonsOf(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
           | (buttons & Qt::MiddleButton ? 4 : 0);
}
