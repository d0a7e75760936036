#include "reference/fortag.h"

#include "controls/richtextbox.h"
#include "controls/strings.h"
#include "reference/tagtree.h"
#include "resources/treepictures.h"

#include <algorithm>
#include <cstdlib>

Fortag::Fortag(RichTextBox &source, const CheckBox &tagCase)
    : Form(QStringLiteral(u"Fortag")), TV1(this, QStringLiteral(u"TV1")),
      Text2(this, QStringLiteral(u"Text2")), Text1(this, QStringLiteral(u"Text1")),
      Command1(this, QStringLiteral(u"Command1")), Command2(this, QStringLiteral(u"Command2")),
      Command3(this, QStringLiteral(u"Command3")), ImageList1(this, QStringLiteral(u"ImageList1")),
      m_source(source), m_tagCase(tagCase)
{
    setCaption(QStringLiteral(u"HTMLTagTree"));
    move(8000, 4000, 7000, 7000);
    Command1.setCaption(QStringLiteral(u"挿入"));
    Command2.setCaption(QStringLiteral(u"全開"));
    Command3.setCaption(QStringLiteral(u"全閉"));
    Font gothic;
    gothic.name = QStringLiteral(u"ＭＳ ゴシック");
    gothic.size = 9.75;
    Text2.setFont(gothic);
    Text2.setForeColor(0x800000);
    Font proportional;
    proportional.size = 9.75;
    Text1.setFont(proportional);
    Text1.setMultiLine(true);
    treepictures::addTagTreePictures(ImageList1);
    TV1.setImageList(&ImageList1);

    TV1.onClick = [this] { TV1_Click(); };
    TV1.onDblClick = [this] { TV1_DblClick(); };
    Text1.onChange = [this] { Text1_Change(); };
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    onResize = [this] { Form_Resize(); };
    Form_Resize();
}

void Fortag::Form_Load()
{
    GetText();
    tagtree::build(tagRefText(), m_tagCase.value() == 1, TV1);
    setTopMost(true);
}

void Fortag::Form_Resize()
{
    // The tree and the example box fill the window to its bottom edge: they are laid out in the
    // inside, which the frame leaves of the window's size.
    const int W = insideWidth();
    const int H = insideHeight();
    const int breaks =
        Text1.text().isEmpty() ? -1 : strings::countOf(Text1.text(), QStringLiteral(u"\r\n"));
    const int n = std::min(breaks, 10);
    Text2.move(20, 0, std::abs(W - 2000), 350);
    CommandButton *previous = nullptr;
    for (CommandButton *button : {&Command1, &Command2, &Command3}) {
        const Control &before = previous ? static_cast<const Control &>(*previous) : Text2;
        button->move(before.left() + before.width() + 20, Text2.top() + 20, 580,
                     Text2.height() - 20);
        previous = button;
    }
    TV1.move(Text2.left(), Text2.top() + Text2.height() + 20, std::abs(W - 150),
             std::abs(H - (n + 4) * 250));
    Text1.move(Text2.left(), TV1.top() + TV1.height() + 20, TV1.width(),
               std::abs(H - TV1.height() - Text2.height() - 50));
}

void Fortag::Text1_Change()
{
    Form_Resize();
}

void Fortag::TV1_Click()
{
    TreeNode *node = TV1.selectedItem();
    if (!node)
        return;
    Text1.setText(QString());
    Text1.setText(tagtree::exampleFor(tagRefText(), node->text()));
    node->setExpandedImage(QStringLiteral(u"obj2"));
    Text2.setText(tagtree::codePart(node->text()));
}

void Fortag::TV1_DblClick()
{
    TreeNode *node = TV1.selectedItem();
    if (!node)
        return;
    node->setExpandedImage(QStringLiteral(u"obj2"));
    const QString code = tagtree::codePart(node->text());
    Text2.setText(strings::trim(code));
    if (code.startsWith(u'<'))
        insertCode(Text2.text());
}

void Fortag::Command1_Click()
{
    if (!Text2.text().isEmpty())
        insertCode(Text2.text());
}

void Fortag::insertCode(const QString &code)
{
    const std::optional<QString> text =
        tagtree::insertion(code, m_source.selText(), m_source.selLength() != 0);
    if (text)
        m_source.setSelText(*text);
}

void Fortag::Command2_Click()
{
    TV1.expandNodes(QStringLiteral(u"obj1"), QStringLiteral(u"obj2"), true);
    TV1.setSelectedItem(TV1.node(1));
}

void Fortag::Command3_Click()
{
    TV1.expandNodes(QStringLiteral(u"obj1"), QStringLiteral(u"obj2"), false);
}
