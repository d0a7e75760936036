#pragma once

#include "controls/controls.h"
#include "controls/forms.h"
#include "controls/imagelist.h"
#include "controls/treeview.h"

class CssReference;
class RichTextBox;

// The CSS tree window "CSSツリービュー": the CSS reference text as groups, properties and values.
// A click on a property shows its description and examples in Text1; a click on a value composes
// "property:value" in Text2, which "挿入" writes over the selection of the source view. Its loading
// builds the reference text, which stays with `object` after the window has gone.
class ForCss : public Form
{
public:
    ForCss(CssReference &object, RichTextBox &source);

    // The reference text of the window's object (see CssReference).
    QString cssRefText() const;
    void Gettext1();

    CommandButton Command3; // "全閉"
    CommandButton Command2; // "全開"
    CommandButton Command1; // "挿入"
    TextBox Text2;          // the snippet: property ":" value
    ImageList ImageList1;
    TextBox Text1; // description and examples of the clicked property
    TreeView TV1;

    // Builds the reference text and the tree, collapsed, and keeps the window on top.
    void Form_Load();
    void BuildCssTree();
    void AddCssGroup(const QString &text, const QString &groupKey);
    // Acts on the selected node; nothing without one.
    void TV1_Click();
    // Writes Text2 over the source view's selection (the source's change handling runs as for
    // typing); an empty Text2 leaves the source as it is.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    // Lays the controls out from the window's outer size; no size comes out negative.
    void Form_Resize();

private:
    CssReference &m_object;
    RichTextBox &m_source;
};
