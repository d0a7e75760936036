// The side windows the main window opens: the reference trees from the View menu, each placed at
// its own fixed place, shown and kept in front; the colour picker from the colour buttons and the
// View menu; and the unloading of every side window at shutdown.

#include "frame/form1.h"
#include "frame/frmabout.h"
#include "frame/helpwindow.h"
#include "objref/fomobj.h"
#include "reference/forcss.h"
#include "reference/fortag.h"

namespace {

// A window whose size is set is laid out anew, as after the user sized it. One that is open
// already, minimised or behind others, comes back to its place and in front.
template <typename Window> void place(Window &window, int top, int left, int width, int height)
{
    window.move(left, top, width, height);
    window.Form_Resize();
    window.showInFront();
}

} // namespace

void Form1::wireSideWindowHandlers()
{
    hym1.forEach([this](int i, MenuItem &m) { m.onClick = [this, i] { hym1_Click(i); }; });
    Command30.forEach(
        [this](int i, CommandButton &c) { c.onClick = [this, i] { Command30_Click(i); }; });
}

void Form1::hym1_Click(int Index)
{
    switch (Index) {
    case 0:
        ShowObjectTree();
        break;
    case 1:
        ShowCssTree();
        break;
    case 2:
        ShowTagTree();
        break;
    case 3:
        ShowColourPicker();
        break;
    default:
        break;
    }
}

void Form1::ShowObjectTree()
{
    FomObj &window = FomObjWindow.get();
    window.tree();
    place(window, 2000, 6000, 7000, 7000);
}

void Form1::ShowCssTree()
{
    place(ForCssWindow.get(), 3000, 7000, 7000, 7000);
}

void Form1::ShowTagTree()
{
    place(FortagWindow.get(), 4000, 8000, 7000, 7000);
}

void Form1::ShowColourPicker()
{
    FomColorWindow->showInFront();
}

void Form1::unloadSideWindows()
{
    FomObjWindow.unload();
    ForCssWindow.unload();
    FortagWindow.unload();
    frmAboutWindow.unload();
    helpWindow.unload();
    FomColorWindow.unload();
}
