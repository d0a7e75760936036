// The colour buttons "色" of the panels: each opens the colour picker for the colour box beside it.

#include "frame/form1.h"

void Form1::Command30_Click(int Index)
{
    FomColorWindow->showInFront();
    FomColorWindow->Sett(Index);
    // A border colour replaces the dark border colour and the other way round; the cell colour
    // boxes show in cyan that a colour is being chosen for them.
    switch (Index) {
    case 0:
        Text5(2).setText(QString());
        break;
    case 2:
        Text5(0).setText(QString());
        break;
    case 4:
    case 5:
        Text5(Index).setForeColor(0xFFFF00);
        break;
    default:
        break;
    }
}
