// Start-up of the main window: the model's arrays, the choice lists, the script reference data, the
// working file, the stored options, the cell-data template and the first colouring.

#include "controls/strings.h"
#include "controls/userinput.h"
#include "frame/form1.h"
#include "objref/objectreference.h"
#include "reference/cssreference.h"

namespace {
const QString App = QStringLiteral(u"Quendarlis");
const QString Section = QStringLiteral(u"Setup");
} // namespace

ObjectReference &Form1::fomObj()
{
    if (!m_fomObj)
        m_fomObj = std::make_unique<ObjectReference>();
    return *m_fomObj;
}

CssReference &Form1::forCss()
{
    if (!m_forCss)
        m_forCss = std::make_unique<CssReference>();
    return *m_forCss;
}

void Form1::wireFrameHandlers()
{
    Check1.onClick = [this] { Check1_Click(); };
    Check2.onClick = [this] { Check2_Click(); };
    Check3.onClick = [this] { Check3_Click(); };
    Check4.onClick = [this] { Check4_Click(); };
    Check5.onClick = [this] { Check5_Click(); };
    Moomoji.onClick = [this] { Moomoji_Click(); };
    Mkomoji.onClick = [this] { Mkomoji_Click(); };
    mkoment.onClick = [this] { mkoment_Click(); };
    Text6.onChange = [this] { Text6_Change(); };
    RB1.onChange = [this] {
        sourceChanged();
        RB1_Change();
    };
    RB3.onMouseDown = [this](int button) { RB3_MouseDown(button); };
    Cmd.forEach([this](int i, CommandButton &c) { c.onClick = [this, i] { Cmd_Click(i); }; });
    TabStrip1.onClick = [this] { TabStrip1_Click(); };
    Command15.onClick = [this] { Command15_Click(); };
    Command19.onClick = [this] { Command19_Click(); };
    mhtml.onClick = [this] { mhtml_Click(); };
    Command22.onClick = [this] { Command22_Click(); };
    msettei.onClick = [this] { msettei_Click(); };
    rcsv.onClick = [this] { ImportCsv(); };
    med11.onClick = [this] { med11_Click(); };
    med2.forEach([this](int i, MenuItem &c) { c.onClick = [this, i] { med2_Click(i); }; });
    mm.forEach([this](int i, MenuItem &c) { c.onClick = [this, i] { mm_Click(i); }; });
    moo.forEach([this](int i, MenuItem &c) { c.onClick = [this, i] { moo_Click(i); }; });
    mm2.forEach([this](int i, MenuItem &c) { c.onClick = [this, i] { mm2_Click(i); }; });
    Text.forEach([this](int i, TextBox &c) {
        c.onDblClick = [this, i] { Text_DblClick(i); };
        c.onMouseDown = [this, i](int button, int, int, int) { Text_MouseDown(i, button); };
    });
    Command18.onClick = [this] { Command18_Click(); };
    Combo1(0).onClick = [this] { Combo1_Click(0); };
    Combo2.onClick = [this] { Combo2_Click(); };
    Option9.forEach([this](int i, OptionButton &c) { c.onClick = [this, i] { Option9_Click(i); }; });
    wireCompletionHandlers();
    Command17.onClick = [this] { LoadSettingsDocument(); };
    myomi.onClick = [this] { LoadSettingsDocument(); };
    Command9.onClick = [this] { Command9_Click(); };
    onQueryUnload = [this](bool &cancel) {
        int Cancel = 0;
        Form_Unload(Cancel);
        cancel = Cancel != 0;
    };
    hmmorvane.onClick = [this] { hmmorvane_Click(); };
    mb.onClick = [this] { mb_Click(); };
    mss.onClick = [this] { ShowCompletionPanel(); };
    Command29.onClick = [this] { ApplyCompletionSettings(); };
    Label2.onMouseDown = [this](int b, int s, int x, int y) { Label2_MouseDown(b, s, x, y); };
    Label2.onMouseMove = [this](int b, int s, int x, int y) { Label2_MouseMove(b, s, x, y); };
    Label2.onMouseUp = [this](int b, int s, int x, int y) { Label2_MouseUp(b, s, x, y); };
    TimerMove.onTimer = [this] { TimerMove_Timer(); };
}

void Form1::SetNamePath(const QString &s1, const QString &s2)
{
    htmlFileName = s1;
    htmlFolder = s2;
    if (htmlFolder.endsWith(pathSeparator))
        htmlFolder.chop(1);
    Text2(0).setText(htmlFolder + pathSeparator);
}

void Form1::processPendingEvents() const
{
    if (!m_services.events)
        return;
    // What the user does meanwhile waits until the running command has ended.
    const userinput::PumpScope pumping;
    m_services.events->processPendingEvents();
}

void Form1::SetAppri(const QString &)
{
}

void Form1::relayout()
{
    // The layout reads the page from the views' visibility and the enlarged state of the cell
    // data from the caption of mm2(4).
    Form_Resize();
}

void Form1::InitDelimiters()
{
    wordDelimiters = {QStringLiteral(u" "), QStringLiteral(u","),  QStringLiteral(u"."),
                      QStringLiteral(u";"), QStringLiteral(u"\n"), QStringLiteral(u"\""),
                      QStringLiteral(u"'"), QStringLiteral(u"("),  QStringLiteral(u"　"),
                      QStringLiteral(u"\t"), QStringLiteral(u"{"), QStringLiteral(u"="),
                      QStringLiteral(u">"), QStringLiteral(u":"),  QStringLiteral(u")"),
                      QStringLiteral(u"}")};
}

namespace {
// A stored geometry value that is not a number, or one no window position or size can hold
// ("nan", "inf", a run of 400 digits), falls back to the key's default.
int twips(const QString &stored, int fallback)
{
    bool ok = false;
    const float value = stored.trimmed().toFloat(&ok);
    const std::optional<int> whole = ok ? strings::truncated(value) : std::nullopt;
    return whole.value_or(fallback);
}
} // namespace

void Form1::Form_Load()
{
    layoutBusy = true;

    for (TextGrid *grid : {&cellImages, &cellColors, &cellSpans, &cellColspans, &cellNowraps,
                           &cellFontColors, &cellFontSizes, &cellIchiTate, &cellIchiYoko})
        grid->redim(1000, 4);
    rowHeights.redim(1000);
    columnWidths.redim(4);
    fileTexts = QStringList{QString()};

    Combo1(0).clear();
    for (const char16_t *unit : {u"ﾊﾟｰｾﾝﾄ", u"ﾋﾟｸｾﾙ", u"mm"})
        Combo1(0).addItem(QString::fromUtf16(unit));
    Combo1(0).setText(QStringLiteral(u"ﾊﾟｰｾﾝﾄ"));
    for (const char16_t *item : {u"半角カンマ", u"全角カンマ", u"#", u"\\", u"$", u"|"})
        Combo2.addItem(QString::fromUtf16(item));

    varTable.clear();
    BuildKouhoList();
    InitDelimiters();
    fomObj().GetString();
    reservedWords = fomObj().Yoyakugo().split(u';');

    SetNamePath(QStringLiteral(u"$html$.html"), workFolder);
    Frame3.setCaption(QStringLiteral(
        u"表が挿入されるHTMLテキストのフォルダー（画像を埋め込むときのリンク先の設定に使用)"));
    unitFactor = 1;

    LoadSettingsIni();
    auto get = [this](const char16_t *key, const char16_t *fallback) {
        return GetSettingIni(App, Section, QString::fromUtf16(key), QString::fromUtf16(fallback));
    };
    Check5.setValue(get(u"Java", u"0") == u"1" ? 1 : 0);
    Check4.setValue(get(u"No", u"0") == u"1" ? 1 : 0);
    Check2.setValue(get(u"Char", u"0") == u"1" ? 1 : 0);

    // RB3 takes what RB1 accepted, not the stored text.
    Font font = RB1.font();
    // A font the system lacks is not taken: the box keeps the one it has.
    if (const QString name = get(u"FontName", u"");
        !name.isEmpty() && (!m_services.fonts || m_services.fonts->exists(name)))
        font.name = name;
    if (const QString size = get(u"FontSize", u"");
        !size.isEmpty() && strings::Val(size) > 0 && strings::truncated(strings::Val(size)))
        font.size = strings::Val(size);
    if (const QString italic = get(u"FontItalic", u""); !italic.isEmpty())
        font.italic = italic == u"True" || italic == u"1" || italic == u"-1";
    if (const QString bold = get(u"FontBold", u""); !bold.isEmpty())
        font.bold = bold == u"True" || bold == u"1" || bold == u"-1";
    RB1.setFont(font);
    RB3.setFont(RB1.font());

    Check1.setValue(get(u"Gamen", u"0") == u"1" ? 1 : 0);
    setTop(twips(get(u"Top", u"1000"), 1000));
    setLeft(twips(get(u"Left", u"1000"), 1000));
    setWidth(twips(get(u"Width", u"14055"), 14055));
    setHeight(twips(get(u"Height", u"10440"), 10440));
    const QString delimiter = get(u"Delimita", u"$");
    Text6.setText(delimiter.isEmpty() ? QStringLiteral(u"$") : delimiter);

    BuildRowTemplate();
    Setcolor2();
    settingsPageMenus(); // the window opens on the settings page
    Form_Resize(); // lays nothing out yet: the guard is still set
    layoutBusy = false;
    LayoutForm();
    // The texts start-up wrote are where the user begins: there is nothing to undo yet.
    RB1.clearUndo();
    RB3.clearUndo();
}
