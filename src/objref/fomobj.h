#pragma once

#include "controls/controls.h"
#include "controls/forms.h"
#include "controls/imagelist.h"
#include "controls/treeview.h"

class ObjectReference;
class RichTextBox;

// The object tree window "JavaScriptオブジェクトウィンドウ": the script object model as objects,
// their property, method and event categories and their members. A click on a member puts its
// dotted access path into Text1 and its description and usage example into Rtb1; "挿入" writes
// Text1 over the selection of the source view. The texts it reads belong to `object`, which
// outlives it.
class FomObj : public Form
{
public:
    FomObj(ObjectReference &object, RichTextBox &source);

    Frame Frame1;
    TextBox Text1;          // the access path
    CommandButton Command1; // "挿入"
    CommandButton Command2; // "全開"
    CommandButton Command3; // "全閉"
    TreeView TV1;
    TextBox Rtb1; // description and usage example
    ImageList ImageList1;

    // Makes the member-list text hold its text and keeps the window on top.
    void Form_Load();
    // Rebuilds the whole tree, collapsed.
    void tree();
    // Acts on the selected node; nothing without one.
    void TV1_Click();
    // Writes Text1 over the source view's selection (the source's change handling runs as for
    // typing); an empty Text1 leaves the source as it is.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    // Lays the controls out from the window's outer size; no size comes out negative.
    void Form_Resize();

private:
    void expandObjects(bool expanded);

    ObjectReference &m_object;
    RichTextBox &m_source;
};
