// The main window's controls as it opens: menus in order with their captions, the buttons of the
// panels and the tool area with captions and tips, and where each control stands.

#include "frame/form1.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

QString captions(const MenuItem &menu)
{
    QStringList out;
    for (const MenuItem *item : menu.items())
        out << item->caption();
    return out.join(u'|');
}

QString names(const MenuItem &menu)
{
    QStringList out;
    for (const MenuItem *item : menu.items())
        out << item->displayName();
    return out.join(u'|');
}

TEST(Form1Menus, MenuBarInOrderWithTheViewMenuHidden)
{
    Form1 f;
    QStringList bar;
    for (const MenuItem *menu : f.menus())
        bar << menu->caption() + (menu->visible() ? QString() : QStringLiteral(u"*"));
    EXPECT_EQ(bar.join(u'|'), QStringLiteral(u"ファイル(&F)|ソースの編集(&E)|HTMLの形式|"
                                             u"基本タグの挿入|文字補完|表示(&V)*|ヘルプ(&H)"));

    // Every item has a caption, and only separators are "-".
    std::vector<const MenuItem *> pending(f.menus().begin(), f.menus().end());
    int items = 0;
    while (!pending.empty()) {
        const MenuItem *m = pending.back();
        pending.pop_back();
        ++items;
        EXPECT_FALSE(m->caption().isEmpty()) << qPrintable(m->displayName());
        EXPECT_EQ(m->isSeparator(), m->name().contains(u"sep") || m->name() == u"mmm" ||
                                        m->displayName() == u"mm2(3)")
            << qPrintable(m->displayName());
        for (const MenuItem *child : m->items())
            pending.push_back(child);
    }
    EXPECT_EQ(items, 7 + 6 + 17 + 5 + 5 + 1 + 4 + 2); // the menus and their items
}

TEST(Form1Menus, ItemsInMenuOrder)
{
    Form1 f;
    struct Case
    {
        const MenuItem *menu;
        const char16_t *captions;
    };
    const Case cases[] = {
        {&f.mfile, u"設定の保存|設定の読み込み|-|CSVデーターの読み込み|-|HTMLテキストの保存"},
        {&f.med, u"元に戻す(&Z)|-|切り取り(&T)|コピー(&C)|貼り付け(&P)|-|画像の挿入(&G)|"
                 u"テキストの挿入(&T)|-|テキストボックスの拡大|-|<b></b>挿入  (&B)|"
                 u"<br>挿入       (&N)|<font></font>の挿入(&F)|<p></p>の挿入(&A)|"
                 u"<div></div>の挿入(&D)|&&sp;の挿入(&S)"},
        {&f.mk, u"全て大文字で|全て小文字で|行と列のコメントを挿入する|-|JavaScriptを関数に変換"},
        {&f.ms, u"HTMLのヘッダーの挿入|-|JavaのScriptタグの挿入|-|CSSのタグ挿入"},
        {&f.mhokan, u"設定"},
        {&f.hymm, u"JavaScriptオブジェクトツリーの表示|CCSツリー表示|HTMLツリー表示|"
                  u"カラーTessikを表示"},
        {&f.mh, u"Morvaneヘルプ|バージョン情報"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(captions(*c.menu), QString::fromUtf16(c.captions)) << qPrintable(c.menu->name());
    EXPECT_EQ(names(f.med), QStringLiteral(u"med11|medsep(0)|med2(0)|med2(1)|med2(2)|mmm(0)|"
                                           u"mm2(1)|mm2(2)|mm2(3)|mm2(4)|medsep(1)|mm(1)|mm(2)|"
                                           u"mm(3)|mm(4)|mm(5)|mm(6)"));
    EXPECT_EQ(names(f.ms), QStringLiteral(u"ms2|mssep1|ms1|mssep2|ms3"));
    EXPECT_EQ(names(f.mfile), QStringLiteral(u"msettei|myomi|mfilesep1|rcsv|mfilesep2|mhtml"));
    EXPECT_EQ(names(f.mh), QStringLiteral(u"hmmorvane|mb"));
    for (const MenuItem *m : {&f.mkoment, &f.moo(0), &f.Moomoji, &f.Mkomoji})
        EXPECT_FALSE(m->checked()) << qPrintable(m->displayName());
}

TEST(Form1Controls, ButtonsCaptionsTipsAndPanels)
{
    Form1 f;
    struct Case
    {
        const Control *control;
        const char16_t *caption;
        const char16_t *tip;
        const Container *panel;
    };
    const Case cases[] = {
        {&f.Cmd(1), u"作成", u"設定条件でｿｰｽファイルを作ります", &f.Frame2},
        {&f.Cmd(3), u"ﾌﾟﾚﾋﾞｭｰ", u"現在のｿｰｽファイルでプリビューします", &f.Frame2},
        {&f.Cmd(4), u"ｻﾝﾌﾟﾙ", u"サンプルテキストを挿入します", &f.Frame2},
        {&f.Cmd(5), u"消去", u"テキストを消去します", &f.Frame2},
        {&f.Cmd(6), u"画像", u"画像データ－を挿入します", &f.Frame2},
        {&f.Cmd(7), u"ﾃｷｽﾄ", u"テキストデータ－を挿入します", &f.Frame2},
        {&f.Command15, u"ｺﾋﾟｰ", u"ｿｰｽをクリップボードにコピーします", &f.Frame2},
        {&f.Command18, u"フォント", u"テキストのフォントを設定します", &f.Frame2},
        {&f.Command19, u"保存", u"ソースをＨＴＭＬファイルで保存します", &f.Frame2},
        {&f.Command9, u"終了", u"プログラムの終了", &f.Frame2},
        {&f.Check3, u"段落し", u"テキストの段落しのを行います", &f.Frame2},
        {&f.Command22, u"設定保存", u"設定条件を保存します", &f.framesub(17)},
        {&f.Command17, u"設定読込", u"設定ファイルを開きます", &f.framesub(17)},
        {&f.Command27, u"初期化", u"全ての設定をクリアーし初期化します", &f.framesub(17)},
        {&f.Command2(0), u"...", u"", &f.Frame3},
        {&f.Command2(1), u"...", u"", &f.Frame4(1)},
        {&f.Command2(2), u"...", u"", &f.Frame4(0)},
        {&f.Command6(0), u"Set", u"", &f.Frame4(3)},
        {&f.Command6(6), u"×", u"", &f.Frame20},
        {&f.Command16, u"Set", u"", &f.Frame4(6)},
        {&f.Command25, u"Set", u"", &f.Frame4(2)},
        {&f.Command28(5), u"Set", u"", &f.Frame4(5)},
        {&f.Command7, u"全て リセット", u"", &f.Frame4(3)},
        {&f.Command20, u"全て リセット", u"", &f.Frame4(7)},
        {&f.Command21, u"全て リセット", u"", &f.Frame4(8)},
        {&f.Command23, u"全てリセット", u"", &f.Frame16},
        {&f.Command11, u"cl", u"", &f.Frame4(1)},
        {&f.Command12, u"CLS", u"", &f.Frame4(0)},
        {&f.Command24(5), u"cl", u"", &f.Frame4(5)},
        {&f.Command26, u"cl", u"", &f.Frame4(2)},
        {&f.Command30(4), u"色", u"", &f.Frame4(2)},
        {&f.Command29, u"設定", u"", &f.Frame20},
        {&f.Command8, u"実行", u"", &f.Frame20},
        {&f.Frame4(1), u"セルのバックグランド画像", u"", &f.framesub(17)},
        {&f.Frame4(0), u"全体のバックグランド画像", u"", &f.framesub(17)},
        {&f.Frame11, u"長さの単位", u"", &f.framesub(17)},
        {&f.Frame13, u"テキスト区切り記号(デリミタ）", u"", &f.framesub(17)},
        {&f.Frame15, u"セル内のテキストの位置", u"", &f.framesub(17)},
        {&f.Frame5, u"セルのデータ", u"", &f.framesub(17)},
        {&f.Frame3, u"ホームページのパス", u"", &f.framesub(17)},
    };
    for (const Case &c : cases) {
        const char *name = qPrintable(c.control->displayName());
        QString caption;
        if (auto *b = dynamic_cast<const CommandButton *>(c.control))
            caption = b->caption();
        else if (auto *k = dynamic_cast<const CheckBox *>(c.control))
            caption = k->caption();
        else if (auto *fr = dynamic_cast<const Frame *>(c.control))
            caption = fr->caption();
        EXPECT_EQ(caption, QString::fromUtf16(c.caption)) << name;
        EXPECT_EQ(c.control->toolTipText(), QString::fromUtf16(c.tip)) << name;
        EXPECT_EQ(c.control->container(), c.panel) << name;
    }
    // The arrays hold exactly the elements the window has.
    EXPECT_FALSE(f.Cmd.exists(2));
    EXPECT_EQ(f.Cmd.count(), 6);
    EXPECT_EQ(f.Command3.count(), 12);
    EXPECT_EQ(f.Command6.count(), 7);
    EXPECT_FALSE(f.Command24.exists(4));
    EXPECT_EQ(f.Command24.count(), 5);
    EXPECT_EQ(f.Command28.count(), 1);
    EXPECT_EQ(f.Command30.count(), 6);
    f.Command3.forEach([](int, CommandButton &b) { EXPECT_EQ(b.caption(), u"全体"); });
}

TEST(Form1Controls, DesignValuesOfTheBoxesAndPanels)
{
    Form1 f;
    for (int i = 0; i <= 6; ++i)
        EXPECT_EQ(f.Text5(i).foreColor(), 0x00FF00u) << i;
    EXPECT_EQ(f.Text5(6).backColor(), 0x000000u);
    EXPECT_EQ(f.Text1(9).backColor(), 0x000000u);
    EXPECT_EQ(f.Text1(11).backColor(), 0x000000u);
    EXPECT_FALSE(f.Frame20.visible());
    EXPECT_EQ(f.Text8.text(), QStringLiteral(u"2"));
    EXPECT_EQ(f.Text7.text(), QStringLiteral(u"10"));
    EXPECT_EQ(f.TimerMove.interval(), 20);
    EXPECT_FALSE(f.TimerMove.enabled());
    EXPECT_FALSE(f.List1.visible());
    EXPECT_EQ(f.TabStrip1.selectedTab(), 1);
    EXPECT_EQ(f.RB3.container(), &f.Frame5);
    for (int i : {5, 6}) {
        EXPECT_FALSE(f.Text(i).visible());
        EXPECT_EQ(f.Text(i).container(), &f.Frame5);
    }
    // The completion panel's boxes carry their labels.
    QStringList labels;
    f.Label3.forEach([&](int, Label &l) {
        if (l.container() == &f.Frame20)
            labels << l.caption();
    });
    EXPECT_EQ(labels.join(u'|'), QStringLiteral(u"候補の最低文字の長さ|候補のフォントサイズ"));

    // Every spinner stands right of its box, on the same line and as high, in the same panel.
    std::vector<std::pair<const TextBox *, const ScrollBar *>> pairs{
        {&f.txtwaku2(1), &f.VScrollhaba}, {&f.Text3, &f.VScroll5},    {&f.Text4, &f.VScroll6},
        {&f.Txttatek, &f.VScroll2},       {&f.Txtyokok, &f.VScroll3}, {&f.Text5(6), &f.VScroll4}};
    for (int i = 0; i <= 25; ++i)
        pairs.emplace_back(&f.Text1(i), &f.VScroll1(i));
    for (auto [box, bar] : pairs) {
        const char *name = qPrintable(box->displayName());
        EXPECT_EQ(bar->container(), box->container()) << name;
        EXPECT_EQ(bar->left(), box->left() + box->width()) << name;
        EXPECT_EQ(bar->top(), box->top()) << name;
        EXPECT_EQ(bar->height(), box->height()) << name;
    }
}

} // namespace
