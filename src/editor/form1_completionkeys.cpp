// The keys of the source view and of the candidate list, the insertion of a chosen candidate and
// the automatic indentation of new lines.

#include "frame/form1.h"

using editor::InsertPath;

void Form1::insertCandidate(const QString &candidate, InsertPath path)
{
    // The change this insertion raises may open a list again and move kouhoStart: the caret rules
    // use the word's start as it was.
    const int start = kouhoStart;
    const QString closing = kouhoList.closingTagFor(candidate);
    const QString text = candidate + closing;
    // The text goes in directly: the user's clipboard is left alone.
    RB1.setFocus();
    RB1.setSelStart(start);
    RB1.setSelLength(kouhoTypedLength);
    RB1.setSelText(text);
    List1.setVisible(false);
    Frmexp.setVisible(false);
    RB1.setSelStart(
        int(editor::caretAfterInsertion(RB1.span(0, start + text.size()), start, text.size(),
                                        candidate.size(),
                                        !closing.isEmpty(), candidate.startsWith(u'<'), path)));
    RB1.setFocus();
}

void Form1::RB1_KeyDown(int &KeyCode, int Shift)
{
    if (m_keyDownBusy)
        return;
    const bool intoList = KeyCode == keycode::Tab || KeyCode == keycode::Control;
    if (List1.visible() && intoList) {
        if (List1.listIndex() >= 0)
            return;
        List1.setFocus();
        List1.setListIndex(0);
        KeyCode = 0;
        return;
    }
    if (L1.visible() && intoList) {
        L1.setFocus();
        KeyCode = 0;
        return;
    }
    if (KeyCode == keycode::Escape && (L1.visible() || List1.visible())) {
        L1.setVisible(false);
        List1.setVisible(false);
        return;
    }
    if (KeyCode == keycode::Back) {
        L1.setVisible(false);
        List1.setVisible(false);
        Frmexp.setVisible(false);
        return;
    }
    m_keyDownBusy = true;
    if (List1.visible() && (KeyCode == keycode::Return || KeyCode == keycode::Down)) {
        KeyCode = 0;
        if (List1.listCount() == 1) {
            insertCandidate(List1.listItem(0), InsertPath::SourceKey);
            RB1.setFocus();
            List1.setVisible(false);
            Frmexp.setVisible(false);
        } else {
            List1.setFocus();
            List1.setListIndex(0);
            ShowCandidateHelp();
        }
    } else if (KeyCode == keycode::Control ||
               (KeyCode >= keycode::Left && KeyCode <= keycode::Down)) {
        if (L1.visible()) {
            L1.setFocus();
            ShowMemberHelp();
            KeyCode = 0;
        } else if (List1.visible()) {
            List1.setFocus();
            KeyCode = 0;
        }
    } else if (KeyCode == keycode::Return) {
        // Enter keeps the tabs the line holds before the caret.
        if (const std::optional<QString> lineBreak =
                editor::autoIndentBreak(RB1.span(0, RB1.selStart()), RB1.selStart())) {
            RB1.setSelText(*lineBreak);
            KeyCode = 0;
        }
    }
    m_keyDownBusy = false;
}

void Form1::List1_KeyDown(int &KeyCode, int Shift)
{
    switch (KeyCode) {
    case keycode::Return:
        // With nothing chosen there is nothing to insert (the typed word would only be deleted).
        if (List1.listIndex() >= 0)
            insertCandidate(List1.text(), InsertPath::ListEnter);
        break;
    case keycode::Escape:
        List1.setVisible(false);
        Frmexp.setVisible(false);
        // Typing goes on in the source view, the caret where it was.
        RB1.setFocus();
        break;
    case keycode::Space:
        if (List1.listIndex() != 0 && List1.listIndex() == List1.listCount() - 1) {
            List1.setListIndex(0);
            break;
        }
        if (m_services.keys)
            m_services.keys->sendKeys(Shift & keycode::ShiftMask ? QStringLiteral(u"{UP}")
                                                                 : QStringLiteral(u"{DOWN}"));
        ShowCandidateHelp();
        break;
    default:
        break;
    }
}

void Form1::List1_DblClick()
{
    if (List1.listIndex() >= 0)
        insertCandidate(List1.text(), InsertPath::ListDoubleClick);
}

void Form1::RB1_MouseDown(int Button)
{
    if (Button == 2)
        PopupMenu(med);
}

void Form1::Form_KeyDown(int &KeyCode, int Shift)
{
    if (m_formKeyBusy)
        return;
    m_formKeyBusy = true;
    // Tab and Shift+Tab indent a block of the source view only when the source view has the
    // focus: elsewhere a Tab is the other control's (in the cell data it can be the delimiter).
    const bool block = KeyCode == keycode::Tab && RB1.hasFocus() && RB1.selLength() != 0;
    if (block && Shift == 0) {
        RB1.setSelText(editor::indentBlock(RB1.selText()));
        KeyCode = 0;
    } else if (block && Shift == keycode::ShiftMask) {
        RB1.setSelText(editor::unindentBlock(RB1.selText()));
        KeyCode = 0;
    } else if (KeyCode == keycode::F5) {
        TabStrip1.selectTab(TabStrip1.selectedTab() == 1 ? 2 : 1);
        KeyCode = 0;
    } else if (KeyCode == keycode::Escape) {
        if (L1.visible()) {
            L1.setVisible(false);
            Frmexp.setVisible(false);
        }
        if (List1.visible())
            List1.setVisible(false);
    } else if (KeyCode == 'X' && Shift == keycode::AltMask) {
        hymm.setVisible(true);
    }
    m_formKeyBusy = false;
}

void Form1::wireCompletionHandlers()
{
    setKeyPreview(true);
    onKeyDown = [this](int &key, int shift) { Form_KeyDown(key, shift); };
    RB1.onKeyDown = [this](int &key, int shift) { RB1_KeyDown(key, shift); };
    RB1.onMouseDown = [this](int button) { RB1_MouseDown(button); };
    List1.onKeyDown = [this](int &key, int shift) { List1_KeyDown(key, shift); };
    List1.onDblClick = [this] { List1_DblClick(); };
    // However the selection moves (keys, the mouse), the explanation is the selected item's.
    List1.onClick = [this] { ShowCandidateHelp(); };
    L1.onKeyDown = [this](int &key, int shift) { L1_KeyDown(key, shift); };
    ms1.onClick = [this] { ms1_Click(); };
    ms2.onClick = [this] { ms2_Click(); };
    ms3.onClick = [this] { ms3_Click(); };
}
