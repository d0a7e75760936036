// The spinners of the designer's panels: each scroll bar holds minus the number its box shows.

#include "controls/strings.h"
#include "frame/form1.h"

#include <cstdlib>

bool isRowSelector(int index)
{
    switch (index) {
    case 4: case 6: case 8: case 9: case 12: case 14: case 16: case 18: case 22: case 24:
        return true;
    default:
        return false;
    }
}

bool isSelector(int index)
{
    return (index >= 4 && index <= 19) || (index >= 22 && index <= 25);
}

void Form1::Text1_Change(int Index)
{
    // A typed number that the spinner cannot hold is ignored: the spinner keeps its value.
    const std::optional<int> value = strings::toInteger16(-strings::Val(Text1(Index).text()));
    if (value)
        VScroll1(Index).setValue(*value);
}

QString numberOf(const ScrollBar &bar)
{
    return strings::str(std::llabs(bar.value()));
}

void Form1::VScroll2_Change()
{
    Txttatek.setText(numberOf(VScroll2));
}

void Form1::VScroll3_Change()
{
    Txtyokok.setText(numberOf(VScroll3));
}

void Form1::VScroll4_Change()
{
    Text5(6).setText(numberOf(VScroll4));
    if (Text5(6).text() == u"0")
        Text5(6).setText(QString());
}

void Form1::VScroll5_Change()
{
    Text3.setText(numberOf(VScroll5));
    if (Text3.text() == u"0")
        Text3.setText(QString());
}

void Form1::VScroll6_Change()
{
    Text4.setText(numberOf(VScroll6));
    if (strings::Val(Text4.text()) == 0)
        Text4.setText(QString());
}

void Form1::VScrollhaba_Change()
{
    txtwaku2(1).setText(numberOf(VScrollhaba));
}

void Form1::Text5_Change(int)
{
    // The colour boxes react to nothing while the user types; their text is read when needed.
}

void Form1::Option1_Click(int Index)
{
    unitFactor = Index == 0 ? 1.0 : 0.35;
}
