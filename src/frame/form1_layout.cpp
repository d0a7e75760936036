// The window layout: LayoutForm places the tabs, the tool area, the pages and the cell-data box
// from the window's size; the panels of the settings page keep the places given here.
//
// Panels follow one grid: the first line of a panel starts 240 below its top (under the caption),
// lines are 405 apart, boxes and buttons are 375 high, option buttons 255; panels stand 60 apart
// and their contents keep 120 from the left and right borders. A box's caption label stands left
// of it, a spinner right of it.

#include "frame/form1.h"

namespace {
constexpr int FirstLine = 240;
constexpr int Pitch = 405;
constexpr int BoxHeight = 375;
constexpr int OptionHeight = 255;
constexpr int Gap = 60;
constexpr int Inset = 120;

constexpr int line(int n)
{
    return FirstLine + n * Pitch;
}

// A frame of n lines of boxes, or of n rows of option buttons.
constexpr int boxFrameHeight(int lines)
{
    return line(lines - 1) + BoxHeight + 90;
}
constexpr int optionFrameHeight(int rows)
{
    return FirstLine + rows * OptionHeight + 75;
}

void put(Control &c, int left, int top, int width, int height = BoxHeight)
{
    c.move(left, top, width, height);
}
// Option buttons, check boxes and labels stand centred on a line of boxes.
void putOption(Control &c, int left, int lineTop, int width)
{
    c.move(left, lineTop + (BoxHeight - OptionHeight) / 2, width, OptionHeight);
}
// The colour buttons are 260 high (the layout keeps them so); they stand centred on the line.
void putColourButton(Control &c, int left, int lineTop)
{
    c.move(left, lineTop + (BoxHeight - 260) / 2, 330, 260);
}

// Geometry of the settings page, in the page area framesub(17).
constexpr int ColumnA = 60;      // the cell panels, the paths and the cell data
constexpr int PanelWidth = 3810; // two cell panels side by side
constexpr int ColumnAWidth = 2 * PanelWidth + Gap;
constexpr int ColumnB1 = ColumnA + ColumnAWidth + Gap; // table-wide settings
constexpr int ColumnB1Width = 2730;
constexpr int ColumnB2 = ColumnB1 + ColumnB1Width + Gap;
constexpr int ColumnB2Width = 2850;
constexpr int PanelRow = boxFrameHeight(2) + Gap;
} // namespace

Label &Form1Controls::addLabel(Container *container, const QString &caption, int left, int top,
                               int width)
{
    Label &label = Label3.add(container, QStringLiteral(u"Label3"), Label3.uBound() + 1);
    label.setCaption(caption);
    putOption(label, left, top, width);
    return label;
}

void Form1Controls::placeSettingsPage()
{
    placeCellPanels();
    placePathPanels();
    placeTablePanels();
    placeSpacingPanels();
}

namespace {
// A row or column selector: caption, box, spinner and, where the panel has one, its "全体" button.
// It takes 1600 across.
void putSelector(Form1Controls &f, int i, int left, int top, CommandButton *all)
{
    put(f.Text1(i), left + 240, top, 540);
    put(f.VScroll1(i), left + 780, top, 220);
    if (all)
        put(*all, left + 1060, top, 540);
}

// The second line of a cell panel ends with its Set and reset buttons at the right border.
void putSetAndReset(CommandButton &set, CommandButton &reset, int panelWidth, int top)
{
    const int resetWidth = reset.caption().contains(u' ') ? 1350 : 1260;
    const int resetLeft = panelWidth - Inset - resetWidth;
    put(reset, resetLeft, top, resetWidth);
    put(set, resetLeft - Gap - 450, top, 450);
}

void putColourValue(TextBox &box, CommandButton &pick, CommandButton &clear, int top)
{
    put(box, Inset, top, 870);
    putColourButton(pick, Inset + 870 + Gap, top);
    put(clear, Inset + 870 + Gap + 330 + Gap, top, 360);
}
} // namespace

void Form1Controls::placeCellPanels()
{
    const int right = ColumnA + PanelWidth + Gap;
    const QString row = QStringLiteral(u"行");
    const QString column = QStringLiteral(u"列");
    struct Panel
    {
        Frame *frame;
        int left, top, rowIndex, allIndex;
    };
    // Panels whose two selectors share the first line, each with a "全体" button.
    const Panel panels[] = {
        {&Frame4(2), ColumnA, Gap, 6, 0},
        {&Frame4(5), right, Gap, 14, 4},
        {&Frame4(6), ColumnA, Gap + PanelRow, 16, 6},
        {&Frame4(4), right, Gap + PanelRow, 12, 2},
        {&Frame15, ColumnA, Gap + 3 * PanelRow, 22, 8},
        {&Frame16, right, Gap + 3 * PanelRow, 24, 10},
    };
    for (const Panel &p : panels) {
        put(*p.frame, p.left, p.top, PanelWidth, boxFrameHeight(2));
        addLabel(p.frame, row, Inset, line(0), 240);
        putSelector(*this, p.rowIndex, Inset, line(0), &Command3(p.allIndex));
        addLabel(p.frame, column, Inset + 1720, line(0), 240);
        putSelector(*this, p.rowIndex + 1, Inset + 1720, line(0), &Command3(p.allIndex + 1));
    }
    putColourValue(Text5(4), Command30(4), Command26, line(1));
    putSetAndReset(Command25, Command4, PanelWidth, line(1));
    putColourValue(Text5(5), Command30(5), Command24(5), line(1));
    putSetAndReset(Command28(5), Command13, PanelWidth, line(1));
    addLabel(&Frame4(6), QStringLiteral(u"サイズ"), Inset, line(1), 600);
    put(Text5(6), Inset + 600, line(1), 540);
    put(VScroll4, Inset + 1140, line(1), 220);
    putSetAndReset(Command16, Command14, PanelWidth, line(1));
    putSetAndReset(Command6(1), Command10, PanelWidth, line(1));
    // Left / centre / right and top / middle / bottom, in a row under the selectors.
    for (int i = 0; i < 6; ++i) {
        const int k = i % 3;
        putOption(Option9(i),
                  Inset + (k == 0   ? 0
                           : k == 1 ? 510
                                    : 1200),
                  line(1), k == 1 ? 630 : 450);
    }
    putSetAndReset(Command6(4), Command1, PanelWidth, line(1));
    putSetAndReset(Command6(5), Command23, PanelWidth, line(1));

    // Merge: first and last row, first and last column.
    Frame &merge = Frame4(3);
    put(merge, ColumnA, Gap + 2 * PanelRow, PanelWidth, boxFrameHeight(2));
    for (int n = 0; n < 2; ++n) {
        addLabel(&merge, n == 0 ? row : column, Inset, line(n), 240);
        putSelector(*this, 8 + 2 * n, Inset, line(n), nullptr);
        addLabel(&merge, QStringLiteral(u"～"), Inset + 1060, line(n), 240);
        putSelector(*this, 9 + 2 * n, Inset + 1060, line(n), nullptr);
    }
    put(Command6(0), PanelWidth - Inset - 1350, line(0), 450);
    put(Command7, PanelWidth - Inset - 1350, line(1), 1350);

    // Row height: the row and its height.
    Frame &height = Frame4(7);
    put(height, right, Gap + 2 * PanelRow, PanelWidth, boxFrameHeight(2));
    addLabel(&height, row, Inset, line(0), 240);
    putSelector(*this, 18, Inset, line(0), nullptr);
    addLabel(&height, QStringLiteral(u"高さ"), Inset + 1120, line(0), 420);
    putSelector(*this, 20, Inset + 1120 + 420 - 240, line(0), nullptr);
    putSetAndReset(Command6(2), Command20, PanelWidth, line(1));
}

void Form1Controls::placePathPanels()
{
    const int top = Gap + 4 * PanelRow;
    put(Frame3, ColumnA, top, ColumnAWidth, boxFrameHeight(1));
    put(Command2(0), ColumnAWidth - Inset - 450, line(0), 450);
    put(Text2(0), Inset, line(0), Command2(0).left() - Gap - Inset);

    // The cell background image: Frame5 (the cell data) is laid out right below it.
    Frame &image = Frame4(1);
    put(image, ColumnA, top + boxFrameHeight(1) + Gap, ColumnAWidth, boxFrameHeight(1));
    addLabel(&image, QStringLiteral(u"行"), Inset, line(0), 240);
    putSelector(*this, 4, Inset, line(0), nullptr);
    addLabel(&image, QStringLiteral(u"列"), Inset + 1120, line(0), 240);
    putSelector(*this, 5, Inset + 1120, line(0), nullptr);
    put(Command5, ColumnAWidth - Inset - 1260, line(0), 1260);
    put(Command11, Command5.left() - Gap - 360, line(0), 360);
    put(Command2(1), Command11.left() - Gap - 450, line(0), 450);
    put(Text2(1), Inset + 2240, line(0), Command2(1).left() - Gap - Inset - 2240);

    // The table's background image, in the right column.
    Frame &table = Frame4(0);
    put(table, ColumnB2, Gap + boxFrameHeight(1) + boxFrameHeight(5) + boxFrameHeight(4) + 3 * Gap,
        ColumnB2Width, boxFrameHeight(1));
    put(Command12, ColumnB2Width - Inset - 450, line(0), 450);
    put(Command2(2), Command12.left() - Gap - 450, line(0), 450);
    put(Text2(2), Inset, line(0), Command2(2).left() - Gap - Inset);
}

void Form1Controls::placeTablePanels()
{
    const int width = ColumnB1Width;
    int top = Gap;
    auto stack = [&](Frame &frame, int height) {
        put(frame, ColumnB1, top, width, height);
        top += height + Gap;
    };

    stack(Frame14, boxFrameHeight(3));
    // Wider boxes here: the table's width and height run to five digits.
    const char16_t *sizeLabels[] = {u"行数", u"列数", u"幅", u"高さ"};
    for (int i = 0; i < 4; ++i) {
        const int left = Inset + (i % 2) * 1270;
        addLabel(&Frame14, QString::fromUtf16(sizeLabels[i]), left, line(i / 2), 390);
        put(Text1(i), left + 390, line(i / 2), 600);
        put(VScroll1(i), left + 990, line(i / 2), 220);
    }
    addLabel(&Frame14, QStringLiteral(u"単位"), Inset, line(2), 390);
    put(Combo1(0), Inset + 390, line(2), 1200);

    stack(Frame6, optionFrameHeight(4));
    Option10.forEach([&](int i, OptionButton &o) {
        put(o, Inset, FirstLine + i * OptionHeight, width - 2 * Inset, OptionHeight);
    });
    stack(Frame7, optionFrameHeight(1));
    Optionichi2.forEach([&](int i, OptionButton &o) {
        put(o,
            Inset + (i == 0   ? 0
                     : i == 1 ? 510
                              : 1200),
            FirstLine, i == 1 ? 630 : 450, OptionHeight);
    });
    // Nine frame styles in two columns.
    stack(Frame9, optionFrameHeight(5));
    Option11.forEach([&](int i, OptionButton &o) {
        put(o, Inset + (i / 5) * 1260, FirstLine + (i % 5) * OptionHeight, 1200, OptionHeight);
    });
    stack(Frame10, optionFrameHeight(4));
    Option12.forEach([&](int i, OptionButton &o) {
        put(o, Inset, FirstLine + i * OptionHeight, width - 2 * Inset, OptionHeight);
    });
    stack(Frame11, optionFrameHeight(1));
    put(Option1(0), Inset, FirstLine, 990, OptionHeight);
    put(Option1(1), Inset + 990 + Gap, FirstLine, 720, OptionHeight);
    // The caption text and whether it stands above or below the table.
    stack(Frame8, boxFrameHeight(1));
    put(Txttit, Inset, line(0), 1320);
    putOption(Option16(0), Inset + 1320 + Inset, line(0), 450);
    putOption(Option16(1), Inset + 1320 + Inset + 450 + Gap, line(0), 450);

    put(Frame13, ColumnB2, Gap, ColumnB2Width, boxFrameHeight(1));
    put(Text6, Inset, line(0), 540);
    put(Combo2, Inset + 540 + Inset, line(0), 1800);
}

void Form1Controls::placeSpacingPanels()
{
    const int width = ColumnB2Width;
    int top = Gap + boxFrameHeight(1) + Gap;

    // Border width and the border and background colours.
    put(Frame12, ColumnB2, top, width, boxFrameHeight(5));
    addLabel(&Frame12, QStringLiteral(u"太さ"), Inset, line(0), 780);
    put(txtwaku2(1), Inset + 840, line(0), 540);
    put(VScrollhaba, Inset + 840 + 540, line(0), 220);
    const char16_t *colours[] = {u"枠の色", u"明るい色", u"暗い色", u"背景色"};
    for (int i = 0; i < 4; ++i) {
        addLabel(&Frame12, QString::fromUtf16(colours[i]), Inset, line(i + 1), 780);
        put(Text5(i), Inset + 840, line(i + 1), 900);
        putColourButton(Command30(i), Inset + 840 + 900 + Gap, line(i + 1));
        put(Command24(i), Inset + 840 + 900 + Gap + 330 + Gap, line(i + 1), 360);
    }
    top += boxFrameHeight(5) + Gap;

    put(Frame17, ColumnB2, top, width, boxFrameHeight(4));
    struct Pair
    {
        const char16_t *caption;
        TextBox *box;
        ScrollBar *bar;
    };
    const Pair pairs[] = {{u"セル間隔", &Text3, &VScroll5},
                          {u"セル内余白", &Text4, &VScroll6},
                          {u"縦の間隔(mm)", &Txttatek, &VScroll2},
                          {u"横の間隔(mm)", &Txtyokok, &VScroll3}};
    for (int i = 0; i < 4; ++i) {
        addLabel(&Frame17, QString::fromUtf16(pairs[i].caption), Inset, line(i), 1260);
        put(*pairs[i].box, Inset + 1320, line(i), 540);
        put(*pairs[i].bar, Inset + 1320 + 540, line(i), 220);
    }
    top += boxFrameHeight(4) + Gap + boxFrameHeight(1) + Gap; // below the table image

    // Column width: the column and its width.
    Frame &columnWidth = Frame4(8);
    put(columnWidth, ColumnB2, top, width, boxFrameHeight(2));
    addLabel(&columnWidth, QStringLiteral(u"列"), Inset, line(0), 240);
    putSelector(*this, 19, Inset, line(0), nullptr);
    addLabel(&columnWidth, QStringLiteral(u"幅"), Inset + 1120, line(0), 240);
    putSelector(*this, 21, Inset + 1120, line(0), nullptr);
    putSetAndReset(Command6(3), Command21, width, line(1));

    // The settings document and clear-all buttons close the column, level with its neighbour.
    const int bottom = Frame8.top() + Frame8.height();
    const int right = ColumnB2 + width;
    put(Command27, right - 690, bottom - BoxHeight, 690);
    put(Command17, Command27.left() - Gap - 870, bottom - BoxHeight, 870);
    put(Command22, Command17.left() - Gap - 870, bottom - BoxHeight, 870);
}

void Form1Controls::placeToolArea()
{
    // One row of buttons 300 high in the 310 of the tool area; the groups stand a little apart.
    int left = 60;
    auto next = [&](Control &c, int width, int groupGap = 30) {
        left += groupGap;
        if (dynamic_cast<CheckBox *>(&c))
            c.move(left, 28, width, OptionHeight);
        else
            c.move(left, 5, width, 300);
        left += width;
    };
    const int commandWidths[] = {540, 0, 780, 660, 540, 540, 570};
    Cmd.forEach([&](int i, CommandButton &b) { next(b, commandWidths[i - 1], i == 1 ? 0 : 30); });
    next(Command15, 510, 150);
    next(Command19, 540);
    next(Check1, 510, 150);
    next(Check2, 870);
    next(Check3, 870);
    next(Check4, 690);
    next(Check5, 1320);
    next(Command18, 900, 150);
    next(Command9, 540, 150);
}

void Form1Controls::placeCompletionPanel()
{
    // The panel opens at 1000, 1000 with 3960 by 1900; its title label is the handle to drag it.
    Frame20.move(1000, 1000, 3960, 1900);
    Label2.move(Inset, FirstLine, 3240, 285);
    put(Command6(6), 3420, FirstLine - 15, 420, 315);
    addLabel(&Frame20, QStringLiteral(u"候補の最低文字の長さ"), Inset, line(1), 1860);
    put(Text8, 2040, line(1), 540);
    addLabel(&Frame20, QStringLiteral(u"候補のフォントサイズ"), Inset, line(2), 1860);
    put(Text7, 2040, line(2), 540);
    putOption(Check6(0), Inset, line(3), 2160);
    put(Command29, 2700, line(3), 540);
    put(Command8, 3300, line(3), 540);
}

void Form1::Form_Resize()
{
    LayoutForm();
}

void Form1::LayoutForm()
{
    if (layoutBusy)
        return;
    layoutBusy = true;

    // A minimised or maximised window refuses a new size; the rest is laid out all the same.
    const bool sizeable = windowState() == 0;
    if (!WebBrowser1.visible() && !RB1.visible() && sizeable) {
        setWidth(13800);
        if (height() < 9500)
            setHeight(9500);
    }
    // Each placement stands alone: a negative size is refused and the control keeps its value.
    auto place = [](Control &c, int top, int left, int height, int width) {
        c.setTop(top);
        c.setLeft(left);
        c.setHeight(height);
        c.setWidth(width);
    };
    place(TabStrip1, 30, 20, height() - 800, width() - 200);
    place(Frame2, TabStrip1.top() - 20, TabStrip1.left() + 2000, 310, TabStrip1.width() - 200);
    Frame &page = framesub(17);
    place(page, TabStrip1.top() + 400, TabStrip1.left() + 50, TabStrip1.height() - 450,
          TabStrip1.width() - 100);
    place(WebBrowser1, page.top(), page.left(), page.height() - 70, page.width());
    place(RB1, page.top(), page.left(), page.height(), page.width());

    if (mm2(4).caption() == u"テキストボックスの縮小") {
        place(Frame5, 0, 20, height() - 800, width() - 40);
        Frame5.zOrder(0);
    } else {
        const Frame &image = Frame4(1);
        const int top = image.top() + image.height() + 20;
        place(Frame5, top, image.left(), page.height() - top - 50,
              Frame3.left() + Frame3.width() - 50);
    }
    place(RB3, 100, 20, Frame5.height() - 200, Frame5.width() - 40);
    for (int i = 0; i <= 4; ++i) {
        Command30(i).setHeight(260);
        Command30(i).setWidth(330);
    }
    for (int i = 0; i <= 11; ++i) {
        VScroll1(i).setHeight(375);
        VScroll1(i).setWidth(220);
    }

    layoutBusy = false;
}
