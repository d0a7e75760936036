// The floating panel of the completion settings: opened from the menu on the source page, dragged
// by its title label at most once per tick of TimerMove, applied with its Set button.

#include "controls/strings.h"
#include "frame/form1.h"

namespace {
const QString App = QStringLiteral(u"Pelvarine");
const QString Section = QStringLiteral(u"StartUp");
// The largest font size a list takes; the Set button refuses larger ones.
constexpr double LargestFontSize = 2160;
} // namespace

void Form1::ShowCompletionPanel()
{
    if (TabStrip1.selectedTab() != 3)
        return;
    Frame20.move(1000, 1000, 3960, 1900);
    Frame20.zOrder(0);
    Frame20.setVisible(true);
}

void Form1::ApplyCompletionSettings()
{
    SaveSettingIni(App, Section, QStringLiteral(u"kouhoNo"), Text8.text());
    const double size = strings::Val(Text7.text());
    if (size > LargestFontSize) {
        // Refused: the panel stays open with the size as typed, so that it can be mended.
        msgBox(QStringLiteral(u"候補のフォントサイズが2160を超えるため、設定できません。"),
               msgbox::OKOnly | msgbox::Exclamation);
        return;
    }
    if (size <= 8) {
        Text7.setText(QStringLiteral(u"9"));
    } else {
        SaveSettingIni(App, Section, QStringLiteral(u"HelpFont"), Text7.text());
        Font font = List1.font();
        font.size = size;
        List1.setFont(font);
        font = L1.font();
        font.size = size;
        L1.setFont(font);
    }
    Frame20.setVisible(false);
}

void Form1::CloseCompletionPanel()
{
    Frame20.setVisible(false);
}

void Form1::Label2_MouseDown(int, int, int X, int Y)
{
    panelDragging = true;
    panelDragX = X;
    panelDragY = Y;
}

void Form1::Label2_MouseMove(int, int, int X, int Y)
{
    if (Y > 600 || !panelDragging || panelMoveWait)
        return;
    // Moves between two ticks are dropped, not queued: the panel follows at most once per tick.
    panelMoveWait = true;
    TimerMove.setEnabled(true);
    const int left = X - panelDragX + Frame20.left();
    if (left > 0)
        Frame20.setLeft(left);
    const int top = Y - panelDragY + Frame20.top();
    if (top > 0)
        Frame20.setTop(top);
}

void Form1::Label2_MouseUp(int, int, int, int)
{
    panelDragging = false;
}

void Form1::TimerMove_Timer()
{
    panelMoveWait = false;
    TimerMove.setEnabled(false);
}
