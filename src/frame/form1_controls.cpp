// The controls of the main window as the window opens: the settings page's panels with their start
// values, the tool area, the completion panel and the menus. Their places are set in
// form1_layout.cpp.

#include "frame/form1.h"

namespace {
QString S(const char16_t *text)
{
    return QString::fromUtf16(text);
}

// The colour boxes and the merge boxes show green text on black.
constexpr quint32 Black = 0x000000;
constexpr quint32 Green = 0x00FF00;
} // namespace

Form1Controls::Form1Controls(Form *form)
    : Frame3(form, QStringLiteral(u"Frame3")),
      Frame5(form, QStringLiteral(u"Frame5")),
      Frame6(form, QStringLiteral(u"Frame6")),
      Frame7(form, QStringLiteral(u"Frame7")),
      Frame8(form, QStringLiteral(u"Frame8")),
      Frame9(form, QStringLiteral(u"Frame9")),
      Frame10(form, QStringLiteral(u"Frame10")),
      Frame11(form, QStringLiteral(u"Frame11")),
      Frame12(form, QStringLiteral(u"Frame12")),
      Frame13(form, QStringLiteral(u"Frame13")),
      Frame14(form, QStringLiteral(u"Frame14")),
      Frame15(form, QStringLiteral(u"Frame15")),
      Frame16(form, QStringLiteral(u"Frame16")),
      Combo2(form, QStringLiteral(u"Combo2")),
      Txttit(form, QStringLiteral(u"Txttit")),
      VScrollhaba(form, QStringLiteral(u"VScrollhaba")),
      Text3(form, QStringLiteral(u"Text3")),
      VScroll5(form, QStringLiteral(u"VScroll5")),
      Text4(form, QStringLiteral(u"Text4")),
      VScroll6(form, QStringLiteral(u"VScroll6")),
      Txttatek(form, QStringLiteral(u"Txttatek")),
      VScroll2(form, QStringLiteral(u"VScroll2")),
      Txtyokok(form, QStringLiteral(u"Txtyokok")),
      VScroll3(form, QStringLiteral(u"VScroll3")),
      Text6(form, QStringLiteral(u"Text6")),
      VScroll4(form, QStringLiteral(u"VScroll4")),
      Frame2(form, QStringLiteral(u"Frame2")),
      Check1(&Frame2, QStringLiteral(u"Check1")),
      Check2(&Frame2, QStringLiteral(u"Check2")),
      Check3(&Frame2, QStringLiteral(u"Check3")),
      Check4(&Frame2, QStringLiteral(u"Check4")),
      Check5(&Frame2, QStringLiteral(u"Check5")),
      Command18(&Frame2, QStringLiteral(u"Command18")),
      TabStrip1(form, QStringLiteral(u"TabStrip1")),
      WebBrowser1(form, QStringLiteral(u"WebBrowser1")),
      RB1(form, QStringLiteral(u"RB1")),
      RB2(form, QStringLiteral(u"RB2")),
      RB3(&Frame5, QStringLiteral(u"RB3")),
      Frame20(form, QStringLiteral(u"Frame20")),
      Label2(&Frame20, QStringLiteral(u"Label2")),
      Text8(&Frame20, QStringLiteral(u"Text8")),
      Text7(&Frame20, QStringLiteral(u"Text7")),
      Command29(&Frame20, QStringLiteral(u"Command29")),
      mk(form, QStringLiteral(u"mk")),
      Moomoji(form, QStringLiteral(u"Moomoji"), -1, &mk),
      Mkomoji(form, QStringLiteral(u"Mkomoji"), -1, &mk),
      mkoment(form, QStringLiteral(u"mkoment"), -1, &mk),
      med(form, QStringLiteral(u"med")),
      ms(form, QStringLiteral(u"ms")),
      hymm(form, QStringLiteral(u"hymm")),
      Command1(form, QStringLiteral(u"Command1")),
      Command4(form, QStringLiteral(u"Command4")),
      Command5(form, QStringLiteral(u"Command5")),
      Command7(form, QStringLiteral(u"Command7")),
      Command10(form, QStringLiteral(u"Command10")),
      Command13(form, QStringLiteral(u"Command13")),
      Command14(form, QStringLiteral(u"Command14")),
      Command20(form, QStringLiteral(u"Command20")),
      Command21(form, QStringLiteral(u"Command21")),
      Command23(form, QStringLiteral(u"Command23")),
      Command11(form, QStringLiteral(u"Command11")),
      Command12(form, QStringLiteral(u"Command12")),
      Command26(form, QStringLiteral(u"Command26")),
      Command16(form, QStringLiteral(u"Command16")),
      Command25(form, QStringLiteral(u"Command25")),
      Command17(form, QStringLiteral(u"Command17")),
      Command22(form, QStringLiteral(u"Command22")),
      Command27(form, QStringLiteral(u"Command27")),
      Frame17(form, QStringLiteral(u"Frame17")),
      Command15(form, QStringLiteral(u"Command15")),
      Command19(form, QStringLiteral(u"Command19")),
      Command9(form, QStringLiteral(u"Command9")),
      Command8(form, QStringLiteral(u"Command8")),
      List1(form, QStringLiteral(u"List1")),
      ImageList1(form, QStringLiteral(u"ImageList1")),
      L1(form, QStringLiteral(u"L1")),
      Frmexp(form, QStringLiteral(u"Frmexp")),
      LblExp(&Frmexp, QStringLiteral(u"LblExp")),
      TimerMove(form, QStringLiteral(u"TimerMove")),
      mfile(form, QStringLiteral(u"mfile")),
      msettei(form, QStringLiteral(u"msettei"), -1, &mfile),
      myomi(form, QStringLiteral(u"myomi"), -1, &mfile),
      mfilesep1(form, QStringLiteral(u"mfilesep1"), -1, &mfile),
      rcsv(form, QStringLiteral(u"rcsv"), -1, &mfile),
      mfilesep2(form, QStringLiteral(u"mfilesep2"), -1, &mfile),
      mhtml(form, QStringLiteral(u"mhtml"), -1, &mfile),
      med11(form, QStringLiteral(u"med11"), -1, &med),
      mksep1(form, QStringLiteral(u"mksep1"), -1, &mk),
      ms2(form, QStringLiteral(u"ms2"), -1, &ms),
      mssep1(form, QStringLiteral(u"mssep1"), -1, &ms),
      ms1(form, QStringLiteral(u"ms1"), -1, &ms),
      mssep2(form, QStringLiteral(u"mssep2"), -1, &ms),
      ms3(form, QStringLiteral(u"ms3"), -1, &ms),
      mhokan(form, QStringLiteral(u"mhokan")),
      mss(form, QStringLiteral(u"mss"), -1, &mhokan),
      mh(form, QStringLiteral(u"mh")),
      hmmorvane(form, QStringLiteral(u"hmmorvane"), -1, &mh),
      mb(form, QStringLiteral(u"mb"), -1, &mh),
      m_form(form)
{
}

void Form1::createControls()
{
    framesub.add(this, QStringLiteral(u"framesub"), 17);
    createDesignControls();
    createPanelButtons();
    createFrameControls();
    createToolControls();
    createMenus();

    placeSettingsPage();
    placeToolArea();
    placeCompletionPanel();
    onResize = [this] { Form_Resize(); };
    // The design size; start-up puts the window where the user left it.
    setWidth(13800);
    setHeight(10440);
    LayoutForm();
    // The hidden boxes of the cell-data area lie over RB3.
    Text.forEach(
        [this](int, TextBox &t) { t.move(RB3.left(), RB3.top(), RB3.width(), RB3.height()); });
}

void Form1Controls::createFrameControls()
{
    struct Option
    {
        CheckBox *box;
        const char16_t *caption;
        const char16_t *tip;
        int value;
    };
    const Option options[] = {
        {&Check1, u"色", u"テキストの色を設定します", 0},
        {&Check2, u"大文字", u"テキストの大文字、小文字表示の切り替えを行います", 2},
        {&Check3, u"段落し", u"テキストの段落しのを行います", 1},
        {&Check4, u"番号", u"セルのテキストに番号を入れます", 0},
        {&Check5, u"JavaScript", u"ソースJavaScriptで作成します", 0},
    };
    for (const Option &o : options) {
        o.box->setCaption(S(o.caption));
        o.box->setToolTipText(S(o.tip));
        o.box->setValue(o.value);
    }
    Command18.setCaption(S(u"フォント"));
    Command18.setToolTipText(S(u"テキストのフォントを設定します"));

    // Half-width captions keep the three tabs left of the tool area.
    for (const char16_t *tab : {u"設定", u"ﾌﾟﾚﾋﾞｭｰ", u"ｿｰｽ"})
        TabStrip1.addTab(S(tab));
    TabStrip1.selectTab(1); // the window opens on the settings page
    WebBrowser1.setVisible(false);
    RB1.setVisible(false);
    RB2.setVisible(false);
    // The editors take a fixed-pitch face, the only kind the font command offers.
    for (RichTextBox *box : {&RB1, &RB2, &RB3}) {
        Font font = box->font();
        font.name = S(u"ＭＳ ゴシック");
        box->setFont(font);
    }

    Frame20.setCaption(S(u"候補設定"));
    Frame20.setVisible(false);
    Label2.setCaption(S(u"設定"));
    Text8.setText(QStringLiteral(u"2"));
    Text7.setText(QStringLiteral(u"10"));
    Check6.add(&Frame20, QStringLiteral(u"Check6"), 0).setCaption(S(u"タグの補完を行わない"));
    Command29.setCaption(S(u"設定"));
    Command8.setContainer(&Frame20);
    Command8.setCaption(S(u"実行"));
    Command6.add(&Frame20, QStringLiteral(u"Command6"), 6).setCaption(S(u"×"));
    List1.setVisible(false);
    createCompletionControls();
    TimerMove.setInterval(20);
}

void Form1Controls::createCompletionControls()
{
    // The member list's small icons: a property (a blue tag), a method (a purple block) and an
    // event (an orange flash).
    const QStringList property = {S(u"            "), S(u"  bbbbbbb   "), S(u" bwwwwwwbb  "),
                                  S(u" bwbbbbbwbb "), S(u" bwbbbbbwbbb"), S(u" bwwwwwwbbb "),
                                  S(u" bwbbbbbbb  "), S(u" bwbbbbbb   "), S(u" bwbbbbb    "),
                                  S(u"  bbbbb     "), S(u"            ")};
    ImageList1.add(S(u"Pro"), Picture{property, {{u'b', 0xC06010}, {u'w', 0xFFFFFF}}});
    const QStringList method = {S(u"     m      "), S(u"   mmmmm    "), S(u" mmmmmmmmm  "),
                                S(u"mmmmmmmmmmm "), S(u"dmmmmmmmmmd "), S(u"dddmmmmmddd "),
                                S(u"dddddmddddd "), S(u"dddddddddd  "), S(u"  dddddd    "),
                                S(u"    dd      ")};
    ImageList1.add(S(u"Meth"), Picture{method, {{u'm', 0xC040B0}, {u'd', 0x801070}}});
    const QStringList event = {S(u"      ooo   "), S(u"     ooo    "), S(u"    ooo     "),
                               S(u"   ooooooo  "), S(u"  ooooooo   "), S(u"     ooo    "),
                               S(u"    ooo     "), S(u"   oo       "), S(u"  o         ")};
    ImageList1.add(S(u"Even"), Picture{event, {{u'o', 0x0090F0}}});
    L1.setSmallIcons(&ImageList1);
    L1.setVisible(false);
    L1.move(0, 0, 3000, 2000);
    // The explanation pop-up: a pale frame around a label that takes its caption's size.
    constexpr quint32 Pale = 0xE1FFFF;
    Frmexp.setVisible(false);
    Frmexp.setBackColor(Pale);
    LblExp.setBackColor(Pale);
    LblExp.setAutoSize(true);
}

void Form1Controls::createToolControls()
{
    struct Button
    {
        int index;
        const char16_t *caption;
        const char16_t *tip;
    };
    const Button buttons[] = {
        {1, u"作成", u"設定条件でｿｰｽファイルを作ります"},
        {3, u"ﾌﾟﾚﾋﾞｭｰ", u"現在のｿｰｽファイルでプリビューします"},
        {4, u"ｻﾝﾌﾟﾙ", u"サンプルテキストを挿入します"},
        {5, u"消去", u"テキストを消去します"},
        {6, u"画像", u"画像データ－を挿入します"},
        {7, u"ﾃｷｽﾄ", u"テキストデータ－を挿入します"},
    };
    for (const Button &b : buttons) {
        CommandButton &button = Cmd.add(&Frame2, QStringLiteral(u"Cmd"), b.index);
        button.setCaption(S(b.caption));
        button.setToolTipText(S(b.tip));
    }
    struct Single
    {
        CommandButton *button;
        const char16_t *caption;
        const char16_t *tip;
    };
    const Single singles[] = {
        {&Command15, u"ｺﾋﾟｰ", u"ｿｰｽをクリップボードにコピーします"},
        {&Command19, u"保存", u"ソースをＨＴＭＬファイルで保存します"},
        {&Command9, u"終了", u"プログラムの終了"},
    };
    for (const Single &b : singles) {
        b.button->setContainer(&Frame2);
        b.button->setCaption(S(b.caption));
        b.button->setToolTipText(S(b.tip));
    }
}

void Form1Controls::createMenus()
{
    mfile.setCaption(S(u"ファイル(&F)"));
    msettei.setCaption(S(u"設定の保存"));
    myomi.setCaption(S(u"設定の読み込み"));
    rcsv.setCaption(S(u"CSVデーターの読み込み"));
    mhtml.setCaption(S(u"HTMLテキストの保存"));

    med.setCaption(S(u"ソースの編集(&E)"));
    med11.setCaption(S(u"元に戻す(&Z)"));
    medsep.add(m_form, QStringLiteral(u"medsep"), 0, &med);
    const char16_t *clipboard[] = {u"切り取り(&T)", u"コピー(&C)", u"貼り付け(&P)"};
    for (int i = 0; i < 3; ++i)
        med2.add(m_form, QStringLiteral(u"med2"), i, &med).setCaption(S(clipboard[i]));
    mmm.add(m_form, QStringLiteral(u"mmm"), 0, &med);
    const char16_t *cellData[] = {u"画像の挿入(&G)", u"テキストの挿入(&T)", u"-",
                                  u"テキストボックスの拡大"};
    for (int i = 1; i <= 4; ++i)
        mm2.add(m_form, QStringLiteral(u"mm2"), i, &med).setCaption(S(cellData[i - 1]));
    medsep.add(m_form, QStringLiteral(u"medsep"), 1, &med);
    const char16_t *tags[] = {u"<b></b>挿入  (&B)",       u"<br>挿入       (&N)",
                              u"<font></font>の挿入(&F)", u"<p></p>の挿入(&A)",
                              u"<div></div>の挿入(&D)",   u"&&sp;の挿入(&S)"};
    for (int i = 1; i <= 6; ++i)
        mm.add(m_form, QStringLiteral(u"mm"), i, &med).setCaption(S(tags[i - 1]));

    mk.setCaption(S(u"HTMLの形式"));
    Moomoji.setCaption(S(u"全て大文字で"));
    Mkomoji.setCaption(S(u"全て小文字で"));
    mkoment.setCaption(S(u"行と列のコメントを挿入する"));
    moo.add(m_form, QStringLiteral(u"moo"), 0, &mk).setCaption(S(u"JavaScriptを関数に変換"));

    ms.setCaption(S(u"基本タグの挿入"));
    ms2.setCaption(S(u"HTMLのヘッダーの挿入"));
    ms1.setCaption(S(u"JavaのScriptタグの挿入"));
    ms3.setCaption(S(u"CSSのタグ挿入"));

    mhokan.setCaption(S(u"文字補完"));
    mss.setCaption(S(u"設定"));

    hymm.setCaption(S(u"表示(&V)"));
    hymm.setVisible(false);
    const char16_t *views[] = {u"JavaScriptオブジェクトツリーの表示", u"CCSツリー表示",
                               u"HTMLツリー表示", u"カラーTessikを表示"};
    for (int i = 0; i < 4; ++i)
        hym1.add(m_form, QStringLiteral(u"hym1"), i, &hymm).setCaption(S(views[i]));

    mh.setCaption(S(u"ヘルプ(&H)"));
    hmmorvane.setCaption(S(u"Morvaneヘルプ"));
    mb.setCaption(S(u"バージョン情報"));

    for (MenuItem *separator : {&mfilesep1, &mfilesep2, &mksep1, &mssep1, &mssep2})
        separator->setCaption(QStringLiteral(u"-"));
    medsep.forEach([](int, MenuItem &m) { m.setCaption(QStringLiteral(u"-")); });
    mmm(0).setCaption(QStringLiteral(u"-"));
    for (MenuItem *menu : {&mfile, &med, &mk, &ms, &mhokan, &hymm, &mh})
        m_form->addMenu(menu);
}

namespace {
// The panel of each spinner pair Text1(i) / VScroll1(i): the table size for 0..3, then the cell
// panels Frame4(k) and the text positions.
Container *spinnerPanel(Form1Controls &f, int i)
{
    static const int panels[26] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3,  3,  3,  4,
                                   4, 5, 5, 6, 6, 7, 8, 7, 8, 15, 15, 16, 16};
    const int k = panels[i];
    return k == 0 ? &f.Frame14 : k == 15 ? &f.Frame15 : k == 16 ? &f.Frame16 : &f.Frame4(k);
}
} // namespace

void Form1::createDesignControls()
{
    Container *page = &framesub(17);
    // Frame4 holds the image and per-cell attribute panels; 1 is the cell background image.
    const char16_t *panels[] = {u"全体のバックグランド画像",
                                u"セルのバックグランド画像",
                                u"セルの背景色",
                                u"セルの結合",
                                u"セル内の折り返し禁止",
                                u"セルの文字色",
                                u"セルの文字サイズ",
                                u"行の高さ",
                                u"列の幅"};
    for (int i = 0; i < 9; ++i)
        Frame4.add(page, QStringLiteral(u"Frame4"), i).setCaption(S(panels[i]));
    struct Group
    {
        Frame *frame;
        const char16_t *caption;
    };
    const Group groups[] = {
        {&Frame14, u"テーブルのサイズ"},
        {&Frame6, u"見出し"},
        {&Frame7, u"テーブルの位置"},
        {&Frame8, u"タイトル"},
        {&Frame9, u"外枠"},
        {&Frame10, u"罫線"},
        {&Frame11, u"長さの単位"},
        {&Frame12, u"枠線と背景の色"},
        {&Frame13, u"テキスト区切り記号(デリミタ）"},
        {&Frame17, u"セルとテキストの間隔"},
        {&Frame15, u"セル内のテキストの位置"},
        {&Frame16, u"セル内のテキストの縦位置"},
        {&Frame3, u"ホームページのパス"},
        {&Frame5, u"セルのデータ"},
    };
    for (const Group &g : groups) {
        g.frame->setContainer(page);
        g.frame->setCaption(S(g.caption));
    }

    createSpinnerPairs();
    createOptionGroups();
    createValueBoxes();

    // The attribute grids start with rows 0..1000 and columns 0..4.
    for (TextGrid *grid : {&cellImages, &cellColors, &cellSpans, &cellColspans, &cellNowraps,
                           &cellFontColors, &cellFontSizes, &cellIchiTate, &cellIchiYoko})
        grid->redim(1000, 4);
    rowHeights.redim(1000);
    columnWidths.redim(4);
}

// The spinner pairs: counts, sizes, selectors and the row height / column width values.
void Form1Controls::createSpinnerPairs()
{
    for (int i = 0; i <= 25; ++i) {
        TextBox &box = Text1.add(spinnerPanel(*this, i), QStringLiteral(u"Text1"), i);
        ScrollBar &bar = VScroll1.add(spinnerPanel(*this, i), QStringLiteral(u"VScroll1"), i);
        const bool rowSelector = isRowSelector(i);
        if (i == 0 || i == 1) {
            bar.setMin(-1000);
            bar.setMax(-1);
        } else if (i == 2 || i == 3) {
            bar.setMin(-10000);
            bar.setMax(-1);
        } else if (i == 20 || i == 21) {
            bar.setMin(-1000);
            bar.setMax(0);
        } else {
            bar.setMin(rowSelector ? -3 : -4);
            bar.setMax(-1);
        }
        int value = -1;
        QString text = QStringLiteral(u"1");
        if (i == 0) {
            value = -3;
            text = QStringLiteral(u"3");
        } else if (i == 1) {
            value = -4;
            text = QStringLiteral(u"4");
        } else if (i == 2 || i == 3) {
            value = -75;
            text = QStringLiteral(u"75");
        } else if (i == 20 || i == 21) {
            value = i == 20 ? -1 : 0;
            text.clear();
        }
        bar.setValue(value);
        box.setText(text);
        if (i >= 8 && i <= 11) {
            box.setBackColor(Black);
            box.setForeColor(Green);
        }
    }

    Combo1.add(&Frame14, QStringLiteral(u"Combo1"), 0).setText(S(u"ﾊﾟｰｾﾝﾄ"));
    Combo2.setContainer(&Frame13);
    Combo2.setText(S(u"区切り記号選択"));
}

void Form1Controls::createOptionGroups()
{
    const char16_t *headings[] = {u"見出しなし", u"一行目を見出しに", u"一列目を見出しに",
                                  u"一行目と一列目を見出に"};
    for (int i = 0; i < 4; ++i)
        Option10.add(&Frame6, QStringLiteral(u"Option10"), i).setCaption(S(headings[i]));
    Option10(1).setValue(true);

    const char16_t *positions[] = {u"左", u"中央", u"右"};
    for (int i = 0; i < 3; ++i)
        Optionichi2.add(&Frame7, QStringLiteral(u"Optionichi2"), i).setCaption(S(positions[i]));
    Optionichi2(1).setValue(true);

    Txttit.setContainer(&Frame8);
    Option16.add(&Frame8, QStringLiteral(u"Option16"), 0).setCaption(S(u"上"));
    Option16.add(&Frame8, QStringLiteral(u"Option16"), 1).setCaption(S(u"下"));
    Option16(1).setValue(true);

    const char16_t *frames[] = {u"四辺縁取り", u"上のみ",   u"下のみ",   u"上下のみ", u"左右のみ",
                                u"左側のみ",   u"右側のみ", u"外枠全て", u"外枠なし"};
    for (int i = 0; i < 9; ++i)
        Option11.add(&Frame9, QStringLiteral(u"Option11"), i).setCaption(S(frames[i]));
    Option11(7).setValue(true);

    const char16_t *rules[] = {u"全ての境界", u"横の境界のみ", u"縦の境界のみ", u"罫線なし"};
    for (int i = 0; i < 4; ++i)
        Option12.add(&Frame10, QStringLiteral(u"Option12"), i).setCaption(S(rules[i]));
    Option12(0).setValue(true);

    Option1.add(&Frame11, QStringLiteral(u"Option1"), 0).setCaption(S(u"ピクセル"));
    Option1.add(&Frame11, QStringLiteral(u"Option1"), 1).setCaption(QStringLiteral(u"mm"));
    Option1(0).setValue(true);

    // Two independent groups: horizontal positions in one container, vertical in the other.
    const char16_t *aligns[] = {u"左", u"中央", u"右", u"上", u"中央", u"下"};
    for (int i = 0; i < 6; ++i) {
        OptionButton &option =
            Option9.add(i < 3 ? &Frame15 : &Frame16, QStringLiteral(u"Option9"), i);
        option.setCaption(S(aligns[i]));
        option.setForeColor(0x800000);
    }
    Option9(0).setValue(true);
    Option9(4).setValue(true);
}

void Form1Controls::createValueBoxes()
{
    txtwaku2.add(&Frame12, QStringLiteral(u"txtwaku2"), 1).setText(QStringLiteral(u"10"));
    VScrollhaba.setContainer(&Frame12);
    VScrollhaba.setMin(-1000);
    VScrollhaba.setMax(0);
    VScrollhaba.setValue(-2);

    Frame *colourPanels[] = {&Frame12,   &Frame12,   &Frame12,  &Frame12,
                             &Frame4(2), &Frame4(5), &Frame4(6)};
    for (int i = 0; i <= 6; ++i) {
        TextBox &box = Text5.add(colourPanels[i], QStringLiteral(u"Text5"), i);
        box.setBackColor(Black);
        box.setForeColor(Green);
    }
    Text5(1).setText(QStringLiteral(u"silver"));
    Text5(2).setText(QStringLiteral(u"gray"));
    Text5(3).setText(QStringLiteral(u"#CEFFCE"));
    VScroll4.setContainer(&Frame4(6));

    for (Control *c : std::initializer_list<Control *>{&Text3, &VScroll5, &Text4, &VScroll6,
                                                       &Txttatek, &VScroll2, &Txtyokok, &VScroll3})
        c->setContainer(&Frame17);
    for (ScrollBar *bar : {&VScroll5, &VScroll6, &VScroll2, &VScroll3, &VScrollhaba}) {
        bar->setMin(-1000);
        bar->setMax(0);
    }
    VScroll4.setMin(-7);
    VScroll4.setMax(0);
    VScroll4.setValue(-3);

    Text2.add(&Frame3, QStringLiteral(u"Text2"), 0);
    Text2.add(&Frame4(1), QStringLiteral(u"Text2"), 1);
    Text2.add(&Frame4(0), QStringLiteral(u"Text2"), 2);
    Text6.setContainer(&Frame13);
    Text6.setText(QStringLiteral(u"$"));

    // The cell-data area: RB3 and the two boxes that stand over it while hidden.
    for (int i : {5, 6})
        Text.add(&Frame5, QStringLiteral(u"Text"), i).setVisible(false);
}

void Form1Controls::createPanelButtons()
{
    Frame *browsePanels[] = {&Frame3, &Frame4(1), &Frame4(0)};
    for (int i = 0; i < 3; ++i)
        Command2.add(browsePanels[i], QStringLiteral(u"Command2"), i).setCaption(S(u"..."));
    Frame *allPanels[] = {&Frame4(2), &Frame4(4), &Frame4(5), &Frame4(6), &Frame15, &Frame16};
    for (int i = 0; i < 12; ++i)
        Command3.add(allPanels[i / 2], QStringLiteral(u"Command3"), i).setCaption(S(u"全体"));
    Frame *setPanels[] = {&Frame4(3), &Frame4(4), &Frame4(7), &Frame4(8), &Frame15, &Frame16};
    for (int i = 0; i < 6; ++i)
        Command6.add(setPanels[i], QStringLiteral(u"Command6"), i)
            .setCaption(QStringLiteral(u"Set"));
    for (int i : {0, 1, 2, 3, 5}) {
        CommandButton &clear =
            Command24.add(i == 5 ? &Frame4(5) : &Frame12, QStringLiteral(u"Command24"), i);
        clear.setCaption(QStringLiteral(u"cl"));
    }
    Command28.add(&Frame4(5), QStringLiteral(u"Command28"), 5).setCaption(QStringLiteral(u"Set"));
    for (int i = 0; i <= 5; ++i) {
        Container *panel = i < 4 ? &Frame12 : i == 4 ? &Frame4(2) : &Frame4(5);
        Command30.add(panel, QStringLiteral(u"Command30"), i).setCaption(S(u"色"));
    }

    struct Single
    {
        CommandButton *button;
        Container *panel;
        const char16_t *caption;
    };
    const Single singles[] = {
        {&Command1, &Frame15, u"全てリセット"},
        {&Command4, &Frame4(2), u"全てリセット"},
        {&Command5, &Frame4(1), u"全てリセット"},
        {&Command7, &Frame4(3), u"全て リセット"},
        {&Command10, &Frame4(4), u"全てリセット"},
        {&Command13, &Frame4(5), u"全てリセット"},
        {&Command14, &Frame4(6), u"全てリセット"},
        {&Command20, &Frame4(7), u"全て リセット"},
        {&Command21, &Frame4(8), u"全て リセット"},
        {&Command23, &Frame16, u"全てリセット"},
        {&Command11, &Frame4(1), u"cl"},
        {&Command12, &Frame4(0), u"CLS"},
        {&Command26, &Frame4(2), u"cl"},
        {&Command16, &Frame4(6), u"Set"},
        {&Command25, &Frame4(2), u"Set"},
        {&Command22, &framesub(17), u"設定保存"},
        {&Command17, &framesub(17), u"設定読込"},
        {&Command27, &framesub(17), u"初期化"},
    };
    for (const Single &b : singles) {
        b.button->setContainer(b.panel);
        b.button->setCaption(S(b.caption));
    }
    Command22.setToolTipText(S(u"設定条件を保存します"));
    Command17.setToolTipText(S(u"設定ファイルを開きます"));
    Command27.setToolTipText(S(u"全ての設定をクリアーし初期化します"));
}
