#include "objref/fomobj.h"

#include "controls/richtextbox.h"
#include "objref/objectreference.h"
#include "objref/objecttree.h"
#include "resources/treepictures.h"

#include <cmath>
#include <cstdlib>

FomObj::FomObj(ObjectReference &object, RichTextBox &source)
    : Form(QStringLiteral(u"FomObj")), Frame1(this, QStringLiteral(u"Frame1")),
      Text1(&Frame1, QStringLiteral(u"Text1")), Command1(&Frame1, QStringLiteral(u"Command1")),
      Command2(&Frame1, QStringLiteral(u"Command2")),
      Command3(&Frame1, QStringLiteral(u"Command3")), TV1(&Frame1, QStringLiteral(u"TV1")),
      Rtb1(&Frame1, QStringLiteral(u"Rtb1")), ImageList1(this, QStringLiteral(u"ImageList1")),
      m_object(object), m_source(source)
{
    setCaption(QStringLiteral(u"JavaScriptオブジェクトウィンドウ"));
    move(6000, 2000, 7000, 7000);
    Command1.setCaption(QStringLiteral(u"挿入"));
    Command2.setCaption(QStringLiteral(u"全開"));
    Command3.setCaption(QStringLiteral(u"全閉"));
    Font uiGothic;
    uiGothic.name = QStringLiteral(u"MS UI Gothic");
    Rtb1.setFont(uiGothic);
    Rtb1.setMultiLine(true);
    treepictures::addObjectTreePictures(ImageList1);
    TV1.setImageList(&ImageList1);

    TV1.onClick = [this] { TV1_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    onResize = [this] { Form_Resize(); };
    Form_Resize();
}

void FomObj::Form_Load()
{
    m_object.Gets();
    setTopMost(true);
}

void FomObj::tree()
{
    objecttree::build(m_object.objTreeText, TV1);
}

void FomObj::TV1_Click()
{
    TreeNode *node = TV1.selectedItem();
    if (!node)
        return;
    Text1.setText(objecttree::accessPath(*node));
    if (node->image() == u"closed")
        node->setExpandedImage(QStringLiteral(u"open"));
    Rtb1.setText(
        objecttree::explanation(node->key(), m_object.objRefText, m_object.objRefTextLower));
}

void FomObj::Command1_Click()
{
    if (Text1.text().isEmpty())
        return;
    m_source.setSelText(Text1.text());
}

void FomObj::expandObjects(bool expanded)
{
    TV1.expandNodes(QStringLiteral(u"closed"), QStringLiteral(u"open"), expanded);
    TV1.setSelectedItem(TV1.node(1));
}

void FomObj::Command2_Click()
{
    expandObjects(true);
}

void FomObj::Command3_Click()
{
    expandObjects(false);
}

void FomObj::Form_Resize()
{
    const int W = width();
    const int H = height();
    Frame1.move(50, 50, std::abs(W - 200), std::abs(H - 550));
    Text1.move(50, 150, std::abs(Frame1.width() - 1900), 375);
    const Control *before = &Text1;
    for (CommandButton *button : {&Command1, &Command2, &Command3}) {
        button->move(before->left() + before->width() + 20, Text1.top(), 580, Text1.height());
        before = button;
    }
    const int wide = Text1.width() + 1800;
    const double treeHeight = Frame1.height() - Text1.height() - Frame1.height() / 4.0;
    TV1.move(Text1.left(), Text1.top() + Text1.height() + 20, wide,
             int(std::lround(std::abs(treeHeight))));
    Rtb1.move(Text1.left(), TV1.top() + TV1.height() + 50, wide,
              std::abs(Frame1.height() - Text1.height() - TV1.height() - 300));
}
