#include "reference/forcss.h"

#include "controls/richtextbox.h"
#include "controls/strings.h"
#include "reference/cssreference.h"
#include "reference/csstree.h"
#include "resources/treepictures.h"

#include <cmath>
#include <cstdlib>

ForCss::ForCss(CssReference &object, RichTextBox &source)
    : Form(QStringLiteral(u"ForCss")), Command3(this, QStringLiteral(u"Command3")),
      Command2(this, QStringLiteral(u"Command2")), Command1(this, QStringLiteral(u"Command1")),
      Text2(this, QStringLiteral(u"Text2")), ImageList1(this, QStringLiteral(u"ImageList1")),
      Text1(this, QStringLiteral(u"Text1")), TV1(this, QStringLiteral(u"TV1")), m_object(object),
      m_source(source)
{
    setCaption(QStringLiteral(u"CSSツリービュー"));
    move(7000, 3000, 7000, 7000);
    Command3.setCaption(QStringLiteral(u"全閉"));
    Command2.setCaption(QStringLiteral(u"全開"));
    Command1.setCaption(QStringLiteral(u"挿入"));
    Font gothic;
    gothic.name = QStringLiteral(u"ＭＳ ゴシック");
    Text2.setFont(gothic);
    Text1.setMultiLine(true);
    treepictures::addCssTreePictures(ImageList1);
    TV1.setImageList(&ImageList1);

    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    TV1.onClick = [this] { TV1_Click(); };
    onResize = [this] { Form_Resize(); };
    Form_Resize();
}

QString ForCss::cssRefText() const
{
    return m_object.cssRefText();
}

void ForCss::Gettext1()
{
    m_object.Gettext1();
}

void ForCss::Form_Load()
{
    BuildCssTree();
    setTopMost(true);
}

void ForCss::BuildCssTree()
{
    Gettext1();
    csstree::build(cssRefText(), TV1);
}

void ForCss::AddCssGroup(const QString &text, const QString &groupKey)
{
    csstree::addGroup(text, groupKey, TV1);
}

void ForCss::TV1_Click()
{
    TreeNode *node = TV1.selectedItem();
    if (!node)
        return;
    Text2.setText(QString());
    const QStringList parts = strings::split(node->key(), QStringLiteral(u"+"));
    if (parts.size() == 2) {
        const csstree::PropertyDescription description =
            csstree::describeProperty(cssRefText(), parts[0], parts[1]);
        if (!description.groupFound)
            return;
        node->setExpandedImage(QStringLiteral(u"propaty"));
        if (description.text)
            Text1.setText(*description.text);
        return;
    }
    node->setExpandedImage(QStringLiteral(u"obj2"));
    if (node->image() == u"value" && node->parent())
        Text2.setText(node->parent()->text() + u':' + csstree::valueOf(node->text()));
}

void ForCss::Command1_Click()
{
    if (Text2.text().isEmpty())
        return;
    m_source.setSelText(Text2.text());
}

void ForCss::Command2_Click()
{
    TV1.expandNodes(QStringLiteral(u"obj1"), QStringLiteral(u"obj2"), true);
    TV1.setSelectedItem(TV1.node(1));
}

void ForCss::Command3_Click()
{
    TV1.expandNodes(QStringLiteral(u"obj1"), QStringLiteral(u"obj2"), false);
}

void ForCss::Form_Resize()
{
    const int W = width();
    const int H = height();
    Text2.move(50, 50, std::max(0, W - 200 - 1800), 350);
    Command1.move(Text2.left() + Text2.width() + 20, Text2.top(), 580, Text2.height());
    Command2.move(Command1.left() + Command1.width() + 20, Text2.top(), 580, Text2.height());
    Command3.move(Command2.left() + Command2.width() + 20, Text2.top(), 580, Text2.height());
    const int treeHeight = int(std::lround(std::abs((H - 400) / 3.0 * 2 - Text2.height() - 20)));
    TV1.move(50, Text2.top() + Text2.height() + 20, std::abs(W - 200), treeHeight);
    Text1.move(50, TV1.top() + TV1.height() + 50, std::abs(W - 200),
               std::abs(H - 550 - TV1.height() - Text2.height() - 20));
}
