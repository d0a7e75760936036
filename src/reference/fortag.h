#pragma once

#include "controls/controls.h"
#include "controls/forms.h"
#include "controls/imagelist.h"
#include "controls/treeview.h"
#include "reference/tagreference.h"

class RichTextBox;

// The tag tree window "HTMLTagTree": categories, subjects, tags and attribute variants of the tag
// reference text. A click puts the entry's code into Text2 and shows the entry's example, if any,
// in Text1; a double click on a code that begins with "<", or "挿入", puts the code into the source
// view, around the selection when there is one. The tag-case option is read once, at loading: with
// upper case, the tag entries show (and go in) in upper case.
class Fortag : public Form
{
public:
    Fortag(RichTextBox &source, const CheckBox &tagCase);

    QString tagRefText() const { return m_reference.tagRefText(); }
    void setTagRefText(const QString &text) { m_reference.setTagRefText(text); }
    void GetText() { m_reference.GetText(); }

    TreeView TV1;
    TextBox Text2;          // the code box
    TextBox Text1;          // the example box
    CommandButton Command1; // "挿入"
    CommandButton Command2; // "全開"
    CommandButton Command3; // "全閉"
    ImageList ImageList1;

    // Builds the reference text and the tree (categories collapsed, nothing selected) and keeps the
    // window on top.
    void Form_Load();
    // Lays the controls out from the window's outer size and the example's line count; no size
    // comes out negative.
    void Form_Resize();
    void Text1_Change();
    // Both act on the selected node; nothing without one.
    void TV1_Click();
    void TV1_DblClick();
    // Inserts Text2 as it stands; an empty Text2 changes nothing.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    void insertCode(const QString &code);

    TagReference m_reference;
    RichTextBox &m_source;
    const CheckBox &m_tagCase;
};
