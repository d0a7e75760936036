// The View menu's reference trees as the main window opens them: loaded on first use, placed, shown
// and kept on top; rebuilt or kept as each one must be; their texts outliving them; their snippets
// running the source view's change handling; and all of them unloaded at once.

#include "frame/form1.h"
#include "objref/fomobj.h"
#include "objref/objectreference.h"
#include "reference/cssreference.h"
#include "reference/forcss.h"
#include "reference/fortag.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Stands for the real service: a window, once built, follows the form (it observes it).
class RecordingWindows : public WindowService, private ControlObserver
{
public:
    void show(Form &form) override
    {
        log += u"show("_s + form.name() + u");"_s;
        form.setObserver(this);
    }
    void release(Form &form) override
    {
        log += u"release("_s + form.name() + u");"_s;
        form.setObserver(nullptr);
    }
    QString log;

private:
    void propertyChanged(Control &, Property) override {}
};

struct SideWindowsTest : ::testing::Test
{
    QTemporaryDir dir;
    RecordingWindows windows;
    std::unique_ptr<Form1> f;

    void SetUp() override
    {
        Services services;
        services.windows = &windows;
        f = std::make_unique<Form1>(services);
        f->settingsFolder = dir.path();
        f->workFolder = dir.path();
        f->Form_Load();
        // Alt+X shows the View menu.
        f->hymm.setVisible(true);
    }
    static QList<int> place(const Control &c) { return {c.top(), c.left(), c.width(), c.height()}; }
    void closeByUser(Form &form)
    {
        ASSERT_TRUE(form.userClosing());
        form.userClosed();
    }
};

TEST_F(SideWindowsTest, StartUpReadsTheObjectTextsWithoutLoadingAnyTree)
{
    EXPECT_FALSE(f->FomObjWindow.isLoaded());
    EXPECT_FALSE(f->ForCssWindow.isLoaded());
    EXPECT_FALSE(f->FortagWindow.isLoaded());
    EXPECT_FALSE(f->fomObj().objRefText.isEmpty());
    EXPECT_EQ(f->reservedWords.size(), 53);
    // The CSS text exists only once its window has loaded; reading it loads nothing.
    EXPECT_EQ(f->forCss().cssRefText(), QString());
    EXPECT_FALSE(f->ForCssWindow.isLoaded());
    EXPECT_EQ(windows.log, QString());
}

TEST_F(SideWindowsTest, MenuItemsPlaceShowAndKeepEachTreeOnTop)
{
    f->hym1(0).userClicked();
    f->hym1(1).userClicked();
    f->hym1(2).userClicked();
    EXPECT_EQ(windows.log, u"show(FomObj);show(ForCss);show(Fortag);"_s);
    ASSERT_TRUE(f->FomObjWindow.isLoaded() && f->ForCssWindow.isLoaded() &&
                f->FortagWindow.isLoaded());
    EXPECT_EQ(place(*f->FomObjWindow.loaded()), (QList<int>{2000, 6000, 7000, 7000}));
    EXPECT_EQ(place(*f->ForCssWindow.loaded()), (QList<int>{3000, 7000, 7000, 7000}));
    EXPECT_EQ(place(*f->FortagWindow.loaded()), (QList<int>{4000, 8000, 7000, 7000}));
    for (Form *w : std::initializer_list<Form *>{f->FomObjWindow.loaded(), f->ForCssWindow.loaded(),
                                                 f->FortagWindow.loaded()}) {
        EXPECT_TRUE(w->visible()) << qPrintable(w->name());
        EXPECT_TRUE(w->topMost()) << qPrintable(w->name());
    }
    // Laid out for the size they were given.
    EXPECT_EQ(f->ForCssWindow->TV1.height(), 4030);
    EXPECT_EQ(f->FortagWindow->TV1.height(), 6250);
    // The View menu hidden, its items do nothing.
    f->unloadSideWindows();
    f->hymm.setVisible(false);
    f->hym1(1).userClicked();
    EXPECT_FALSE(f->ForCssWindow.isLoaded());
}

TEST_F(SideWindowsTest, OpeningTheCssTreeOnceLeavesItsTextForTheEditor)
{
    f->ShowCssTree();
    const QString text = f->forCss().cssRefText();
    EXPECT_EQ(text.count(u"\r\n"_s), 766);
    EXPECT_EQ(f->ForCssWindow->cssRefText(), text);
    closeByUser(*f->ForCssWindow.loaded());
    EXPECT_FALSE(f->ForCssWindow.isLoaded());
    EXPECT_EQ(f->forCss().cssRefText(), text);
    f->ShowCssTree();
    EXPECT_EQ(f->forCss().cssRefText(), text);
    EXPECT_EQ(windows.log, u"show(ForCss);release(ForCss);show(ForCss);"_s);
}

TEST_F(SideWindowsTest, ShowingAnOpenTreeAgainOnlyMovesItBackExceptTheObjectTree)
{
    f->ShowCssTree();
    f->ShowTagTree();
    f->ShowObjectTree();
    ForCss &css = f->ForCssWindow.get();
    Fortag &tag = f->FortagWindow.get();
    FomObj &obj = f->FomObjWindow.get();
    css.Command2_Click();
    tag.Command2_Click();
    obj.Command2_Click();
    css.move(0, 0, 5000, 5000);
    tag.move(0, 0, 5000, 5000);
    f->ShowCssTree();
    f->ShowTagTree();
    f->ShowObjectTree();
    EXPECT_EQ(&f->ForCssWindow.get(), &css);
    EXPECT_EQ(&f->FortagWindow.get(), &tag);
    EXPECT_EQ(place(css), (QList<int>{3000, 7000, 7000, 7000}));
    EXPECT_EQ(place(tag), (QList<int>{4000, 8000, 7000, 7000}));
    EXPECT_TRUE(css.TV1.node(1)->expanded());
    EXPECT_TRUE(tag.TV1.node(1)->expanded());
    // The object tree is built anew by every use of its menu item.
    EXPECT_FALSE(obj.TV1.node(1)->expanded());
    // Loading the object window refills the member text; it is never held twice.
    EXPECT_EQ(f->fomObj().objTreeText.size(), 18805);
    closeByUser(obj);
    f->ShowObjectTree();
    EXPECT_EQ(f->fomObj().objTreeText.size(), 18805);
    EXPECT_EQ(windows.log,
              u"show(ForCss);show(Fortag);show(FomObj);release(FomObj);show(FomObj);"_s);
}

TEST_F(SideWindowsTest, TagTreeTakesTheTagCaseOfItsLoading)
{
    f->Check2.setValue(1);
    f->ShowTagTree();
    EXPECT_EQ(f->FortagWindow->TV1.node(1)->children()[5]->children()[0]->text(),
              u"<DIV></DIV>---ブロック要素");
    f->Check2.setValue(0);
    f->ShowTagTree();
    EXPECT_EQ(f->FortagWindow->TV1.node(1)->children()[5]->children()[0]->text(),
              u"<DIV></DIV>---ブロック要素");
    closeByUser(*f->FortagWindow.loaded());
    f->ShowTagTree();
    EXPECT_EQ(f->FortagWindow->TV1.node(1)->children()[5]->children()[0]->text(),
              u"<div></div>---ブロック要素");
}

TEST_F(SideWindowsTest, SnippetsRunTheSourceViewsChangeHandling)
{
    QString log;
    auto handler = f->RB1.onChange;
    f->RB1.onChange = [&] {
        log += u"RB1_Change(skip="_s + (f->skipRb1Change ? u"1"_s : u"0"_s) + u");"_s;
        handler();
    };
    f->RB1.setText(u"<p>abc</p>"_s);
    f->RB1.setSelStart(3);
    f->RB1.setSelLength(3);
    log.clear();
    f->ShowTagTree();
    Fortag &tag = f->FortagWindow.get();
    tag.Text2.setText(u"<b></b>"_s);
    tag.Command1_Click();
    EXPECT_EQ(f->RB1.text(), u"<p><b>abc</b></p>");

    f->ShowCssTree();
    ForCss &css = f->ForCssWindow.get();
    css.Text2.setText(u"color:red"_s);
    f->RB1.setSelStart(0);
    css.Command1_Click();
    EXPECT_EQ(f->RB1.text(), u"color:red<p><b>abc</b></p>");

    f->ShowObjectTree();
    FomObj &obj = f->FomObjWindow.get();
    obj.Text1.setText(u"document.title"_s);
    // A pending skip of the source's own commands is taken by the change, as for typing.
    f->skipRb1Change = true;
    obj.Command1_Click();
    EXPECT_EQ(f->RB1.text(), u"color:reddocument.title<p><b>abc</b></p>");
    EXPECT_FALSE(f->skipRb1Change);
    EXPECT_EQ(log, u"RB1_Change(skip=0);RB1_Change(skip=0);RB1_Change(skip=1);"_s);
}

TEST_F(SideWindowsTest, UnloadingClosesEveryLoadedSideWindow)
{
    f->ShowCssTree();
    f->ShowObjectTree();
    f->unloadSideWindows();
    EXPECT_FALSE(f->FomObjWindow.isLoaded());
    EXPECT_FALSE(f->ForCssWindow.isLoaded());
    EXPECT_FALSE(f->FortagWindow.isLoaded());
    EXPECT_EQ(windows.log, u"show(ForCss);show(FomObj);release(FomObj);release(ForCss);"_s);
    f->unloadSideWindows();
    EXPECT_EQ(windows.log, u"show(ForCss);show(FomObj);release(FomObj);release(ForCss);"_s);
}

} // namespace
