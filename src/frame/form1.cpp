#include "frame/form1.h"

#include "controls/strings.h"
#include "frame/frmabout.h"
#include "frame/helpwindow.h"
#include "objref/fomobj.h"
#include "objref/objectreference.h"
#include "reference/forcss.h"
#include "reference/fortag.h"
#include "reference/cssreference.h"

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
      mk(this, QStringLiteral(u"mk")),
      Moomoji(this, QStringLiteral(u"Moomoji"), -1, &mk),
      Mkomoji(this, QStringLiteral(u"Mkomoji"), -1, &mk),
      mkoment(this, QStringLiteral(u"mkoment"), -1, &mk),
      med(this, QStringLiteral(u"med")),
      ms(this, QStringLiteral(u"ms")),
      hymm(this, QStringLiteral(u"hymm")),
      m_services(services),
      FomObjWindow([this] {
          auto window = std::make_unique<FomObj>(fomObj(), RB1);
          window->Form_Load();
          return window;
      }, m_services.windows),
      ForCssWindow([this] {
          auto window = std::make_unique<ForCss>(forCss(), RB1);
          window->Form_Load();
          return window;
      }, m_services.windows),
      FortagWindow([this] {
          auto window = std::make_unique<Fortag>(RB1, Check2);
          window->Form_Load();
          return window;
      }, m_services.windows),
      frmAboutWindow([this] { return loadAbout(); }, services.windows),
      helpWindow([] { return std::make_unique<HelpWindow>(); }, services.windows)
{
    setCaption(QStringLiteral(u"Morvane"));
    createControls();
    wireDesignHandlers();
    wireFrameHandlers();
    wireSideWindowHandlers();
}

Form1::~Form1() = default;

int Form1::msgBox(const QString &prompt, int style, const QString &title)
{
    if (!m_services.messages) {
        // Without a message service every question is answered as the safe choice: No / Cancel.
        const int buttons = style & 7;
        if (buttons == msgbox::YesNo || buttons == msgbox::YesNoCancel)
            return msgbox::No;
        return buttons == msgbox::OKOnly ? msgbox::OK : msgbox::Cancel;
    }
    return m_services.messages->msgBox(prompt, style, title);
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
    wirePanelButtons();
}
