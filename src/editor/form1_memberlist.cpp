// The member list L1: placed at the caret, moved in with the keys, explained, and its member
// inserted after the dot.

#include "editor/memberlist.h"
#include "frame/form1.h"
#include "objref/objectreference.h"

void Form1::ShowMemberList()
{
    kouhoListBelow = placeAtCaret(L1, 3000);
    L1.setVisible(true);
    L1.zOrder(0);
    if (L1.count() > 0)
        L1.setSelectedIndex(1);
}

void Form1::ShowMemberHelp()
{
    Frmexp.setVisible(false);
    if (const std::optional<QString> help =
            editor::memberHelp(fomObj().objRefText, L1.selectedText()))
        showExplanation(L1, *help);
}

void Form1::L1_KeyDown(int &KeyCode, int Shift)
{
    switch (KeyCode) {
    case keycode::Return:
        insertKouho();
        break;
    case keycode::Escape:
        L1.setVisible(false);
        Frmexp.setVisible(false);
        RB1.setFocus();
        break;
    case keycode::Space:
        // The last member wraps round to the first one, and that is the move.
        if (L1.count() > 0 && L1.selectedIndex() == L1.count()) {
            L1.setSelectedIndex(1);
            ShowMemberHelp();
            break;
        }
        if (m_services.keys)
            m_services.keys->sendKeys(Shift & keycode::ShiftMask ? QStringLiteral(u"{UP}")
                                                                 : QStringLiteral(u"{DOWN}"));
        ShowMemberHelp();
        break;
    case keycode::Up:
    case keycode::Down:
        // The list moves first, so that the explanation is the one of the member now selected.
        if (L1.count() > 0) {
            const int step = KeyCode == keycode::Down ? 1 : -1;
            L1.setSelectedIndex(std::clamp(L1.selectedIndex() + step, 1, L1.count()));
        }
        ShowMemberHelp();
        KeyCode = 0;
        break;
    default:
        break;
    }
}

void Form1::insertKouho()
{
    const QString member = L1.selectedText();
    if (L1.selectedIndex() == 0)
        return;
    if (m_memberReplacesDot && kouhoStart >= 0 && kouhoStart < RB1.length() &&
        RB1.charAt(kouhoStart) == u'.') {
        m_memberReplacesDot = false;
        RB1.setSelStart(kouhoStart);
        RB1.setSelLength(1);
        RB1.setSelText(member);
        L1.setVisible(false);
        Frmexp.setVisible(false);
        RB1.setFocus();
        return;
    }
    const int start = kouhoStart;
    RB1.setSelStart(start);
    QString word;
    QString typed;
    ConstructorType(word, typed);
    RB1.setSelStart(start - int(typed.size()));
    RB1.setSelLength(int(typed.size()));
    RB1.setFocus();
    RB1.setSelText(member);
    L1.setVisible(false);
    Frmexp.setVisible(false);
    // Right after the first quote of the member when it has one, else at its end.
    // Only a quote that leaves the caret before the member's end counts.
    const qsizetype quote = RB1.span(start, start + member.size() - 1).indexOf(u'"');
    if (quote >= 0) {
        RB1.setSelStart(int(start + quote + 1));
    } else {
        const qsizetype dot = RB1.span(0, start).lastIndexOf(u'.') + 1;
        RB1.setSelStart(int(dot + member.size()));
    }
    RB1.setFocus();
}
