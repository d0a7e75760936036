// The picker window: its controls as it opens, the view switches, the hand-back, close and help.

#include "colour/fomcolor.h"

#include "colour/colourtext.h"
#include "colour/fomcolor_texts.h"
#include "controls/strings.h"

namespace {
QString S(const char16_t *text)
{
    return QString::fromUtf16(text);
}
constexpr quint32 White = 0xFFFFFF;
constexpr quint32 Black = 0x000000;
} // namespace

FomColor::FomColor(ControlArray<TextBox> &targets, qint16 &targetIndex, const Services &services)
    : Form(QStringLiteral(u"FomColor")),
      Frame1(this, QStringLiteral(u"Frame1")),
      Frame6(this, QStringLiteral(u"Frame6")),
      Label3(&Frame6, QStringLiteral(u"Label3")),
      Frame7(&Frame6, QStringLiteral(u"Frame7")),
      Command6(&Frame7, QStringLiteral(u"Command6")),
      Frame5(this, QStringLiteral(u"Frame5")),
      Frame4(this, QStringLiteral(u"Frame4")),
      Text3(&Frame4, QStringLiteral(u"Text3")),
      Text4(&Frame4, QStringLiteral(u"Text4")),
      Check1(&Frame4, QStringLiteral(u"Check1")),
      Option1(&Frame4, QStringLiteral(u"Option1")),
      Option2(&Frame4, QStringLiteral(u"Option2")),
      Option3(&Frame4, QStringLiteral(u"Option3")),
      Command3(&Frame4, QStringLiteral(u"Command3")),
      Command2(&Frame4, QStringLiteral(u"Command2")),
      Picture1(&Frame4, QStringLiteral(u"Picture1")),
      Label5(&Picture1, QStringLiteral(u"Label5")),
      Shape1(&Picture1, QStringLiteral(u"Shape1")),
      Command4(&Frame4, QStringLiteral(u"Command4")),
      Frame3(this, QStringLiteral(u"Frame3")),
      Label1(&Frame3, QStringLiteral(u"Label1")),
      Command1(&Frame3, QStringLiteral(u"Command1")),
      List1(this, QStringLiteral(u"List1")),
      msetumei(this, QStringLiteral(u"msetumei")),
      m_targets(targets),
      targetIndex(targetIndex),
      m_services(services)
{
    setCaption(S(u"カラーTessik"));
    createControls();
    wireHandlers();
}

FomColor::~FomColor() = default;

void FomColor::createControls()
{
    Frame1.setCaption(S(u"名前表示"));
    // The named swatches fill the frame from its top edge, where a caption would stand.
    Frame1.setBorderStyle(0);
    Text1.add(&Frame1, QStringLiteral(u"Text1"), 0);
    createBasicView();
    Text5.add(&Frame5, QStringLiteral(u"Text5"), 0);
    createBottomPanel();

    Frame3.setCaption(S(u"説明"));
    Frame3.move(0, 0, 5955, 4695);
    Label1.move(120, 270, 5700, 3840);
    Command1.setCaption(S(u"閉じる"));
    Command1.move(4800, 4200, 960, 360);
    List1.setVisible(false);
    msetumei.setCaption(S(u"説明"));
    addMenu(&msetumei);

    // The swatches' first elements: every swatch made later is a copy of its array's element 0.
    for (ControlArray<TextBox> *swatches : {&Text1, &Text6, &Text5}) {
        TextBox &first = (*swatches)(0);
        first.setLocked(true);
        first.setBorderStyle(swatches == &Text5 ? 0 : 1);
    }
    // The user chooses by name: a name wider than its swatch is narrowed to show whole.
    Text1(0).setNarrowToFit(true);
    Text6(0).move(120, 200, 1800, 250);
    Font small = Text5(0).font();
    small.size = 7;
    Text5(0).setFont(small);

    // What shows at first: the bottom panel and the named view; loading picks the basic view.
    Frame6.setVisible(false);
    Frame5.setVisible(false);
    Frame3.setVisible(false);
}

void FomColor::createBasicView()
{
    Text6.add(&Frame6, QStringLiteral(u"Text6"), 0);
    Label3.move(2040, 150, 3840, 2100);
    Frame7.setCaption(QStringLiteral(u"RGB"));
    Frame7.move(2040, 2280, 3840, 1920);
    const char16_t *names[] = {u"Red", u"Green", u"Blue", u"合成色"};
    for (int i = 0; i < 4; ++i) {
        Label &label = Label4.add(&Frame7, QStringLiteral(u"Label4"), i);
        label.setCaption(S(names[i]));
        TextBox &box = Text7.add(&Frame7, QStringLiteral(u"Text7"), i);
        box.setBackColor(Black);
        box.setForeColor(White);
        if (i < 3) {
            label.move(120, 330 + i * 390, 600, 255);
            ScrollBar &bar = HScroll1.add(&Frame7, QStringLiteral(u"HScroll1"), i);
            bar.setHorizontal(true);
            bar.setMin(0);
            bar.setMax(255);
            bar.setSmallChange(1);
            bar.setLargeChange(32);
            bar.move(720, 300 + i * 390, 2160, 270);
            box.move(2970, 285 + i * 390, 720, 300);
            box.setText(QStringLiteral(u"0"));
        } else {
            label.move(120, 1470, 600, 255);
            box.move(720, 1410, 1260, 360);
            box.setText(colourText(0, 0, 0));
        }
    }
    Command6.setCaption(S(u"Windows指定"));
    Command6.move(2100, 1380, 1590, 390);
}

void FomColor::createBottomPanel()
{
    Frame4.move(0, 4290, 6000, 960);
    Label2.add(&Frame4, QStringLiteral(u"Label2"), 1).setCaption(S(u"数値"));
    Label2.add(&Frame4, QStringLiteral(u"Label2"), 0).setCaption(S(u"名前"));
    Label2(1).move(120, 165, 420, 255);
    Text3.move(540, 120, 1140, 300);
    Label2(0).move(1800, 165, 420, 255);
    Text4.move(2220, 120, 1560, 300);
    Check1.setCaption(S(u"名前で挿入する"));
    Check1.move(3900, 120, 1980, 300);
    Check1.setValue(1);

    Option1.setCaption(S(u"色の名前"));
    Option1.move(120, 480, 1140, 300);
    Option2.setCaption(S(u"基本色と合成"));
    Option2.move(1260, 480, 1560, 300);
    Option2.setValue(true);
    Option3.setCaption(S(u"拡張表示"));
    Option3.move(2820, 480, 1140, 300);
    Command3.setCaption(S(u"挿入"));
    Command3.move(4080, 450, 840, 330);
    Command2.setCaption(S(u"閉じる"));
    Command2.move(5010, 450, 840, 330);

    Picture1.move(6000, 60, 2700, 720);
    Picture1.setBackColor(SysColor::ButtonFace);
    Label5.setCaption(S(u"混合パレット"));
    Label5.move(60, 30, 1500, 240);
    Shape1.move(60, 300, 2520, 330);
    Shape1.setFillStyle(0);
    Shape1.setFillColor(White);
    Command4.setCaption(QStringLiteral(u"CL"));
    Command4.move(8820, 300, 540, 330);
}

void FomColor::wireHandlers()
{
    Option1.onClick = [this] { Option1_Click(); };
    Option2.onClick = [this] { Option2_Click(); };
    Option3.onClick = [this] { Option3_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    msetumei.onClick = [this] { msetumei_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
    HScroll1.forEach([this](int i, ScrollBar &c) { c.onChange = [this, i] { HScroll1_Change(i); }; });
    Text7.forEach([this](int i, TextBox &c) {
        c.onChange = [this, i] { Text7_Change(i); };
        c.onDblClick = [this, i] { Text7_DblClick(i); };
    });
    Command6.onClick = [this] { Command6_Click(); };
    Picture1.onDragDrop = [this](Control &source, int x, int y) { Picture1_DragDrop(source, x, y); };
    Command4.onClick = [this] { Command4_Click(); };
    // A title-bar close is not intercepted: the window is unloaded.
    onQueryUnload = [](bool &) {};
}

void FomColor::Form_Load()
{
    setLeft(3000);
    setTop(2000);
    setHeight(10000);
    setWidth(9750);
    Option2_Click();
    setTopMost(true);
}

void FomColor::Sett(int t)
{
    targetIndex = qint16(t);
}

void FomColor::InsertC()
{
    QString value;
    if (Check1.visible() && Check1.value() == 1 && !strings::trim(Text4.text()).isEmpty()) {
        value = Text4.text();
    } else {
        if (strings::trim(Text3.text()).isEmpty())
            return;
        value = Text3.text();
    }
    if (m_targets.exists(targetIndex))
        m_targets(targetIndex).setText(value);
    setVisible(false);
}

void FomColor::Command3_Click()
{
    InsertC();
}

void FomColor::Option1_Click()
{
    for (Control *c : std::initializer_list<Control *>{&Frame5, &Frame6, &Command4, &Picture1})
        c->setVisible(false);
    for (Control *c : std::initializer_list<Control *>{&Frame1, &Check1, &Label2(0), &Text4})
        c->setVisible(true);
    BuildNamedColors();
}

void FomColor::Option2_Click()
{
    for (Control *c : std::initializer_list<Control *>{&Frame1, &Frame5, &Command4, &Picture1})
        c->setVisible(false);
    for (Control *c : std::initializer_list<Control *>{&Frame6, &Check1, &Label2(0), &Text4})
        c->setVisible(true);
    Frame6.move(0, 0, 6000, 4290);
    // The bottom panel keeps its height: 960 until another view has made it 825.
    Frame4.move(Frame6.left(), Frame6.top() + Frame6.height(), Frame6.width(), Frame4.height());
    setWidth(Frame6.width() + 200);
    setHeight(Frame4.height() + Frame6.height() + 800);
    BuildBasicColors();
}

void FomColor::Option3_Click()
{
    for (Control *c :
         std::initializer_list<Control *>{&Frame1, &Frame6, &Check1, &Label2(0), &Text4})
        c->setVisible(false);
    for (Control *c : std::initializer_list<Control *>{&Frame5, &Command4, &Picture1})
        c->setVisible(true);
    BuildExtendedPalette();
    Text4.setText(QString());
    Text3.setText(QStringLiteral(u"#000000"));
}

void FomColor::Command2_Click()
{
    // Selecting the basic view runs its switch when another view is showing.
    Option2.setValue(true);
    setVisible(false);
}

void FomColor::msetumei_Click()
{
    Frame3.move(0, 0, 5955, 4695);
    Frame3.setVisible(true);
    Frame3.zOrder(0);
    Label1.setCaption(colourHelpText());
}

void FomColor::Command1_Click()
{
    Frame3.setVisible(false);
}
