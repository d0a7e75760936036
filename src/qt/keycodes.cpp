#include "qt/keycodes.h"

#include "controls/control.h"

namespace {

struct KeyPair
{
    int qt;
    int vb;
};

const KeyPair keyPairs[] = {
    {Qt::Key_Backspace, vbkey::Back},
    {Qt::Key_Tab, vbkey::Tab},
    {Qt::Key_Backtab, vbkey::Tab},
    {Qt::Key_Return, vbkey::Return},
    {Qt::Key_Enter, vbkey::Return},
    {Qt::Key_Shift, vbkey::Shift},
    {Qt::Key_Control, vbkey::Control},
    {Qt::Key_Alt, vbkey::Menu},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, vbkey::Escape},
    {Qt::Key_Space, vbkey::Space},
    {Qt::Key_PageUp, vbkey::PageUp},
    {Qt::Key_PageDown, vbkey::PageDown},
    {Qt::Key_End, vbkey::End},
    {Qt::Key_Home, vbkey::Home},
    {Qt::Key_Left, vbkey::Left},
    {Qt::Key_Up, vbkey::Up},
    {Qt::Key_Right, vbkey::Right},
    {Qt::Key_Down, vbkey::Down},
    {Qt::Key_Insert, vbkey::Insert},
    {Qt::Key_Delete, vbkey::Delete},
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

int vbKeyCode(const QKeyEvent &event)
{
    const int key = event.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return vbkey::F1 + (key - Qt::Key_F1);
    for (const KeyPair &pair : keyPairs)
        if (pair.qt == key)
            return pair.vb;
    return 0;
}

int vbShift(Qt::KeyboardModifiers modifiers)
{
    int shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= vbkey::ShiftMask;
    if (modifiers & Qt::ControlModifier)
        shift |= vbkey::CtrlMask;
    if (modifiers & Qt::AltModifier)
        shift |= vbkey::AltMask;
    return shift;
}
