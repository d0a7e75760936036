// The option switches of the tool area and the tag-case and comment items of the menu.

#include "frame/form1.h"

namespace {
const QString App = QStringLiteral(u"Quendarlis");
const QString Section = QStringLiteral(u"Setup");
QString flag(int value)
{
    return value == 1 ? QStringLiteral(u"1") : QStringLiteral(u"0");
}
} // namespace

void Form1::Check1_Click()
{
    Setcolor2();
    if (Check1.value() != 1 && RB1.text().isEmpty()) {
        // Text typed into the empty dark editor then shows in white.
        RB1.setText(QStringLiteral(u" "));
        RB1.setSelStart(0);
        RB1.setSelLength(1);
        RB1.setSelColor(0xFFFFFF);
        RB1.setSelLength(0);
        RB1.setSelStart(0);
    }
    SaveSettingIni(App, Section, QStringLiteral(u"Gamen"), flag(Check1.value()));
    Savereg();
}

void Form1::Check2_Click()
{
    const bool upper = Check2.value() == 1;
    ConvertTagCase(upper ? 2 : 1);
    Moomoji.setChecked(upper);
    Mkomoji.setChecked(!upper);
    SaveSettingIni(App, Section, QStringLiteral(u"Char"), flag(Check2.value()));
    Savereg();
}

void Form1::Check3_Click()
{
    if (Check3.value() == 1)
        IndentHtmlSource();
    else
        RemoveIndentation();
}

void Form1::Check4_Click()
{
    SaveSettingIni(App, Section, QStringLiteral(u"No"), flag(Check4.value()));
    // On the source page the source follows the option at once.
    if (TabStrip1.selectedTab() == 3)
        MakeSourceAndShow();
    Savereg();
}

void Form1::Check5_Click()
{
    SaveSettingIni(App, Section, QStringLiteral(u"Java"), flag(Check5.value()));
    if (TabStrip1.selectedTab() == 3)
        MakeSourceAndShow();
    Savereg();
}

void Form1::Moomoji_Click()
{
    const bool wasChecked = Moomoji.checked();
    Moomoji.setChecked(!wasChecked);
    Mkomoji.setChecked(wasChecked);
    Check2.setValue(wasChecked ? 2 : 1);
}

void Form1::Mkomoji_Click()
{
    const bool wasChecked = Mkomoji.checked();
    Mkomoji.setChecked(!wasChecked);
    Moomoji.setChecked(wasChecked);
    Check2.setValue(wasChecked ? 1 : 2);
}

void Form1::mkoment_Click()
{
    mkoment.setChecked(!mkoment.checked());
}

void Form1::moo_Click(int)
{
    // Whichever element was clicked, the check mark is the first one's.
    moo(0).setChecked(!moo(0).checked());
}

void Form1::Text6_Change()
{
    SaveSettingIni(App, Section, QStringLiteral(u"Delimita"), Text6.text());
}
