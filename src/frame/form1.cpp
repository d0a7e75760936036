#include "frame/form1.h"

#include "controls/strings.h"
#include "objref/fomobj.h"

namespace {
const QString S(const char16_t *text) { return QString::fromUtf16(text); }
} // namespace

Form1::Form1(const Services &services)
    : Form(QStringLiteral(u"Form1")),
      Frame3(this, QStringLiteral(u"Frame3")),
      Frame5(this, QStringLiteral(u"Frame5")),
      Frame6(this, QStringLiteral(u"Frame6")),
      Frame7(this, QStringLiteral(u"Frame7")),
      Frame8(this, QStringLiteral(u"Frame8")),
      Frame9(this, QStringLiteral(u"Frame9")),
      Frame10(this, QStringLiteral(u"Frame10")),
      Frame11(this, QStringLiteral(u"Frame11")),
      Frame12(this, QStringLiteral(u"Frame12")),
      Frame13(this, QStringLiteral(u"Frame13")),
      Frame14(this, QStringLiteral(u"Frame14")),
      Frame15(this, QStringLiteral(u"Frame15")),
      Frame16(this, QStringLiteral(u"Frame16")),
      Combo2(this, QStringLiteral(u"Combo2")),
      Txttit(this, QStringLiteral(u"Txttit")),
      VScrollhaba(this, QStringLiteral(u"VScrollhaba")),
      Text3(this, QStringLiteral(u"Text3")),
      VScroll5(this, QStringLiteral(u"VScroll5")),
      Text4(this, QStringLiteral(u"Text4")),
      VScroll6(this, QStringLiteral(u"VScroll6")),
      Txttatek(this, QStringLiteral(u"Txttatek")),
      VScroll2(this, QStringLiteral(u"VScroll2")),
      Txtyokok(this, QStringLiteral(u"Txtyokok")),
      VScroll3(this, QStringLiteral(u"VScroll3")),
      Text6(this, QStringLiteral(u"Text6")),
      VScroll4(this, QStringLiteral(u"VScroll4")),
      Frame2(this, QStringLiteral(u"Frame2")),
      Check1(&Frame2, QStringLiteral(u"Check1")),
      Check2(&Frame2, QStringLiteral(u"Check2")),
      Check3(&Frame2, QStringLiteral(u"Check3")),
      Check4(&Frame2, QStringLiteral(u"Check4")),
      Check5(&Frame2, QStringLiteral(u"Check5")),
      Command18(&Frame2, QStringLiteral(u"Command18")),
      TabStrip1(this, QStringLiteral(u"TabStrip1")),
      WebBrowser1(this, QStringLiteral(u"WebBrowser1")),
      RB1(this, QStringLiteral(u"RB1")),
      RB2(this, QStringLiteral(u"RB2")),
      RB3(&Frame5, QStringLiteral(u"RB3")),
      Frame20(this, QStringLiteral(u"Frame20")),
      Label2(&Frame20, QStringLiteral(u"Label2")),
      Text8(&Frame20, QStringLiteral(u"Text8")),
      Text7(&Frame20, QStringLiteral(u"Text7")),
      Command29(&Frame20, QStringLiteral(u"Command29")),
      Command15(&Frame2, QStringLiteral(u"Command15")),
      Command19(&Frame2, QStringLiteral(u"Command19")),
      Command22(&Frame2, QStringLiteral(u"Command22")),
      mfile(this, QStringLiteral(u"mfile")),
      msettei(this, QStringLiteral(u"msettei"), -1, &mfile),
      rcsv(this, QStringLiteral(u"rcsv"), -1, &mfile),
      mhtml(this, QStringLiteral(u"mhtml"), -1, &mfile),
      mk(this, QStringLiteral(u"mk")),
      Moomoji(this, QStringLiteral(u"Moomoji"), -1, &mk),
      Mkomoji(this, QStringLiteral(u"Mkomoji"), -1, &mk),
      mkoment(this, QStringLiteral(u"mkoment"), -1, &mk),
      med(this, QStringLiteral(u"med")),
      ms(this, QStringLiteral(u"ms")),
      hymm(this, QStringLiteral(u"hymm")),
      m_services(services)
{
    setCaption(QStringLiteral(u"Morvane"));
    createControls();
    wireDesignHandlers();
    wireFrameHandlers();
}

Form1::~Form1() = default;

int Form1::msgBox(const QString &prompt, int style, const QString &title)
{
    if (!m_services.messages) {
        // Without a message service every question is answered as the safe choice: No / Cancel.
        const int buttons = style & 7;
        if (buttons == vbmsg::YesNo || buttons == vbmsg::YesNoCancel)
            return vbmsg::No;
        return buttons == vbmsg::OKOnly ? vbmsg::OK : vbmsg::Cancel;
    }
    return m_services.messages->msgBox(prompt, style, title);
}

void Form1::createControls()
{
    framesub.add(this, QStringLiteral(u"framesub"), 17);
    createDesignControls();

    createFrameControls();
}

void Form1::createFrameControls()
{
    struct Option { CheckBox *box; const char16_t *caption; const char16_t *tip; int value; };
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

    for (const char16_t *tab : {u"設定", u"プレビュー", u"ソース"})
        TabStrip1.addTab(S(tab));
    WebBrowser1.setVisible(false);
    RB1.setVisible(false);
    RB2.setVisible(false);

    Frame20.setCaption(S(u"候補設定"));
    Frame20.setVisible(false);
    Label2.setCaption(S(u"設定"));
    Text8.setText(QStringLiteral(u"2"));
    Text7.setText(QStringLiteral(u"10"));
    Check6.add(&Frame20, QStringLiteral(u"Check6"), 0).setCaption(S(u"タグの補完を行わない"));
    Command29.setCaption(S(u"設定"));

    const char16_t *toolTips[] = {u"設定条件でｿｰｽファイルを作ります", nullptr,
                                  u"現在のｿｰｽファイルでプリビューします",
                                  u"サンプルテキストを挿入します", u"テキストを消去します",
                                  u"画像データ－を挿入します", u"テキストデータ－を挿入します"};
    for (int i = 1; i <= 7; ++i)
        if (toolTips[i - 1])
            Cmd.add(&Frame2, QStringLiteral(u"Cmd"), i).setToolTipText(S(toolTips[i - 1]));
    Command15.setToolTipText(S(u"ｿｰｽをクリップボードにコピーします"));
    Command19.setToolTipText(S(u"ソースをＨＴＭＬファイルで保存します"));
    Command22.setToolTipText(S(u"設定条件を保存します"));
    mfile.setCaption(S(u"ファイル(&F)"));
    msettei.setCaption(S(u"設定の保存"));
    rcsv.setCaption(S(u"CSVデーターの読み込み"));
    mhtml.setCaption(S(u"HTMLテキストの保存"));
    addMenu(&mfile);
    med.setCaption(S(u"ソースの編集(&E)"));
    mk.setCaption(S(u"HTMLの形式"));
    Moomoji.setCaption(S(u"全て大文字で"));
    Mkomoji.setCaption(S(u"全て小文字で"));
    mkoment.setCaption(S(u"行と列のコメントを挿入する"));
    moo.add(this, QStringLiteral(u"moo"), 0, &mk).setCaption(S(u"JavaScriptを関数に変換"));
    ms.setCaption(S(u"基本タグの挿入"));
    for (int i = 5; i <= 6; ++i)
        Text.add(&Frame5, QStringLiteral(u"Text"), i).setVisible(false);
    const char16_t *cellItems[] = {u"画像の挿入(&G)", u"テキストの挿入(&T)", u"-",
                                   u"テキストボックスの拡大"};
    for (int i = 1; i <= 4; ++i)
        mm2.add(this, QStringLiteral(u"mm2"), i, &med).setCaption(S(cellItems[i - 1]));
    hymm.setCaption(S(u"表示(&V)"));
    hymm.setVisible(false);
    for (MenuItem *menu : {&med, &mk, &ms, &hymm})
        addMenu(menu);
}

void Form1::createDesignControls()
{
    Container *page = &framesub(17);
    Frame4.add(page, QStringLiteral(u"Frame4"), 1).setCaption(S(u"セルのバックグランド画像"));
    Frame3.setCaption(S(u"ホームページのフォルダ"));
    Frame5.setCaption(S(u"セルのデータ"));
    Frame6.setCaption(S(u"見出し"));
    Frame7.setCaption(S(u"テーブルの位置"));
    Frame8.setCaption(S(u"タイトルの位置"));
    Frame9.setCaption(S(u"外枠"));
    Frame10.setCaption(S(u"罫線"));
    Frame11.setCaption(S(u"長さの単位"));
    Frame12.setCaption(S(u"セル内のテキストの位置"));
    Frame13.setCaption(S(u"テキスト区切り記号(デリミタ）"));
    Frame14.setCaption(S(u"テーブルのサイズ"));

    // The spinner pairs: counts, sizes, selectors and the row height / column width values.
    for (int i = 0; i <= 25; ++i) {
        TextBox &box = Text1.add(this, QStringLiteral(u"Text1"), i);
        ScrollBar &bar = VScroll1.add(this, QStringLiteral(u"VScroll1"), i);
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
    }

    Combo1.add(this, QStringLiteral(u"Combo1"), 0).setText(S(u"ﾊﾟｰｾﾝﾄ"));
    Combo2.setText(S(u"区切り記号選択"));

    const char16_t *headings[] = {u"見出しなし", u"一行目を見出しに", u"一列目を見出しに",
                                  u"一行目と一列目を見出に"};
    for (int i = 0; i < 4; ++i)
        Option10.add(&Frame6, QStringLiteral(u"Option10"), i).setCaption(S(headings[i]));
    Option10(1).setValue(true);

    const char16_t *positions[] = {u"左", u"中央", u"右"};
    for (int i = 0; i < 3; ++i)
        Optionichi2.add(&Frame7, QStringLiteral(u"Optionichi2"), i).setCaption(S(positions[i]));
    Optionichi2(1).setValue(true);

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

    txtwaku2.add(this, QStringLiteral(u"txtwaku2"), 1).setText(QStringLiteral(u"10"));
    VScrollhaba.setMin(-1000);
    VScrollhaba.setMax(0);
    VScrollhaba.setValue(-2);

    for (int i = 0; i <= 6; ++i)
        Text5.add(this, QStringLiteral(u"Text5"), i);
    Text5(1).setText(QStringLiteral(u"silver"));
    Text5(2).setText(QStringLiteral(u"gray"));
    Text5(3).setText(QStringLiteral(u"#CEFFCE"));
    Text5(5).setForeColor(0x00FF00);
    Text5(6).setForeColor(0x00FF00);

    for (ScrollBar *bar : {&VScroll5, &VScroll6, &VScroll2, &VScroll3, &VScrollhaba}) {
        bar->setMin(-1000);
        bar->setMax(0);
    }
    VScroll4.setMin(-7);
    VScroll4.setMax(0);
    VScroll4.setValue(-3);

    for (int i = 0; i <= 2; ++i)
        Text2.add(i == 0 ? static_cast<Container *>(&Frame3) : this, QStringLiteral(u"Text2"), i);
    Text6.setText(QStringLiteral(u"$"));

    Option1.add(&Frame11, QStringLiteral(u"Option1"), 0).setCaption(S(u"ピクセル"));
    Option1.add(&Frame11, QStringLiteral(u"Option1"), 1).setCaption(QStringLiteral(u"mm"));
    Option1(0).setValue(true);

    // Two independent groups: horizontal positions in one container, vertical in the other.
    const char16_t *aligns[] = {u"左", u"中央", u"右", u"上", u"中央", u"下"};
    for (int i = 0; i < 6; ++i) {
        OptionButton &option = Option9.add(i < 3 ? &Frame15 : &Frame16,
                                           QStringLiteral(u"Option9"), i);
        option.setCaption(S(aligns[i]));
        option.setForeColor(0x800000);
    }
    Option9(0).setValue(true);
    Option9(4).setValue(true);

    // The attribute grids start with rows 0..1000 and columns 0..4.
    for (TextGrid *grid : {&cellImages, &cellColors, &cellSpans, &cellColspans, &cellNowraps,
                           &cellFontColors, &cellFontSizes, &cellIchiTate, &cellIchiYoko})
        grid->redim(1000, 4);
    rowHeights.redim(1000);
    columnWidths.redim(4);
}

void Form1::wireDesignHandlers()
{
    VScroll1.forEach([this](int i, ScrollBar &c) { c.onChange = [this, i] { VScroll1_Change(i); }; });
    Text1.forEach([this](int i, TextBox &c) { c.onChange = [this, i] { Text1_Change(i); }; });
    Text5.forEach([this](int i, TextBox &c) { c.onChange = [this, i] { Text5_Change(i); }; });
    Option1.forEach([this](int i, OptionButton &c) { c.onClick = [this, i] { Option1_Click(i); }; });
    VScroll2.onChange = [this] { VScroll2_Change(); };
    VScroll3.onChange = [this] { VScroll3_Change(); };
    VScroll4.onChange = [this] { VScroll4_Change(); };
    VScroll5.onChange = [this] { VScroll5_Change(); };
    VScroll6.onChange = [this] { VScroll6_Change(); };
    VScrollhaba.onChange = [this] { VScrollhaba_Change(); };
}
