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
      Form1Controls(this),
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
