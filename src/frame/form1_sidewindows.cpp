// The side windows the main window opens: the colour picker from the colour buttons and the View
// menu, and the one procedure that closes them all at shutdown.

#include "frame/form1.h"

void Form1::wireSideWindowHandlers()
{
    Command30.forEach(
        [this](int i, CommandButton &c) { c.onClick = [this, i] { Command30_Click(i); }; });
    hym1.forEach([this](int i, MenuItem &m) { m.onClick = [this, i] { hym1_Click(i); }; });
}

void Form1::hym1_Click(int Index)
{
    switch (Index) {
    case 3:
        ShowColourPicker();
        break;
    default:
        break;
    }
}

void Form1::ShowColourPicker()
{
    FomColorWindow->setVisible(true);
}

void Form1::unloadSideWindows()
{
    FomColorWindow.unload();
}
