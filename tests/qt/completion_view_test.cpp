// Completion through the real window: keys go through the platform's event path to the focused
// widget, and the lists, their icons and the explanation appear at the caret. The source page with
// an open list is photographed (to $MORVANE_ARTIFACTS).

#include "controls/textfile.h"
#include "frame/form1.h"
#include "qt/formview.h"
#include "qt/japanese.h"
#include "qt/qtservices.h"
#include "qt/richtextview.h"
#include "reference/cssreference.h"
#include "support/qt_printers.h"
#include "support/screenshots.h"
#include "support/shown_main_window.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString js = u"<script type=\"text/javascript\">\r\n"_qs;

class CompletionView : public ShownMainWindowTest
{
protected:
    void SetUp() override
    {
        useJapaneseFonts();
        // A candidate file with colour names, for values typed inside quotes.
        ASSERT_TRUE(writeTextFile(dir.path() + u"/interi.sns"_qs, u"<A>\r\nred\r\nrem\r\n"_qs));
        form.programFolder = dir.path();
        form.settingsFolder = dir.path();
        form.workFolder = dir.path();
        form.Form_Load();
        view = std::make_unique<FormView>(form);
        services.caret.view = view.get();
        view->show();
        view->activateWindow();
        // Without an active window no key reaches the source view: that must fail, not pass.
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
        form.TabStrip1.userSelected(3);
        form.RB1.setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(focused());
    }
    bool focused() const { return QApplication::focusWidget() == view->widgetOf(form.RB1); }
    void start(const QString &text)
    {
        form.RB1.setText(text);
        form.RB1.setSelStart(int(text.size()));
        form.RB1.setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(focused());
    }
    // Characters typed one by one, each as its key went down and up.
    void type(const QString &text)
    {
        for (QChar c : text)
            QTest::keyClick(view->windowHandle(), c.toLatin1());
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(view->windowHandle(), key, modifiers);
    }
    QListWidget *list(Control &control) const
    {
        return qobject_cast<QListWidget *>(view->widgetOf(control));
    }
    QString explanation() const
    {
        auto *frame = qobject_cast<QGroupBox *>(view->widgetOf(form.Frmexp));
        auto *label = qobject_cast<QLabel *>(view->widgetOf(form.LblExp));
        return frame && frame->isVisible() && label ? label->text() : QString();
    }
    void shoot(const QString &name)
    {
        QApplication::processEvents();
        EXPECT_TRUE(saveArtifact(view->grab(), name));
    }
};

TEST_F(CompletionView, TagCandidatesOpenAtTheCaretAndGoIn)
{
    form.Check2.setValue(2);
    start(u"<p>\r\n"_qs);
    type(u"<ta"_qs);
    QListWidget *candidates = list(form.List1);
    ASSERT_TRUE(candidates && candidates->isVisible());
    EXPECT_EQ(candidates->count(), 1);
    EXPECT_EQ(candidates->item(0)->text(), u"<table>"_qs);
    // Below the caret's line, in the source view.
    auto *source = static_cast<RichTextView *>(view->widgetOf(form.RB1));
    const QPoint caret =
        source->viewport()->mapTo(view->surface(), source->cursorRect().bottomLeft());
    EXPECT_GE(candidates->geometry().top(), caret.y() - 2);
    EXPECT_LT(std::abs(candidates->geometry().left() - caret.x()), 30);
    press(Qt::Key_Return); // one candidate: in it goes, with its closing tag
    EXPECT_EQ(form.RB1.text(), u"<p>\r\n<table></table>"_qs);
    EXPECT_EQ(form.RB1.selStart(), 12);
    EXPECT_FALSE(candidates->isVisible());
    EXPECT_TRUE(focused());
}

TEST_F(CompletionView, AValueInQuotesLeavesTheCaretAfterIt)
{
    form.Check2.setValue(2);
    start(u"<p>\r\n"_qs);
    type(u"<font color=\"re"_qs);
    QListWidget *candidates = list(form.List1);
    ASSERT_TRUE(candidates->isVisible());
    const QStringList offered = form.List1.list();
    const qsizetype red = offered.indexOf(u"red"_qs);
    ASSERT_GE(red, 0) << offered.join(u' ').toStdString();
    press(Qt::Key_Down); // into the list, on its first candidate
    for (qsizetype i = 0; i < red; ++i)
        press(Qt::Key_Down);
    ASSERT_EQ(candidates->currentItem()->text(), u"red"_qs);
    press(Qt::Key_Return);
    EXPECT_EQ(form.RB1.text(), u"<p>\r\n<font color=\"red"_qs);
    EXPECT_EQ(form.RB1.selStart(), form.RB1.text().size());
    EXPECT_TRUE(focused());
    type(u"\">"_qs);
    EXPECT_EQ(form.RB1.text(), u"<p>\r\n<font color=\"red\">"_qs);
}

TEST_F(CompletionView, AWithBlocksDotStaysTypedAndTabEntersItsList)
{
    const QString block = js + u"with (document) {\r\n"_qs;
    start(block);
    type(u" ."_qs);
    ASSERT_TRUE(list(form.L1)->isVisible());
    type(u"w"_qs); // typing on keeps the dot
    EXPECT_EQ(form.RB1.text(), block + u" .w"_qs);
    EXPECT_FALSE(list(form.L1)->isVisible());

    start(block);
    type(u" ."_qs);
    press(Qt::Key_Tab); // into the member list, as with any list
    EXPECT_EQ(QApplication::focusWidget(), list(form.L1));
    EXPECT_EQ(form.RB1.text(), block + u" ."_qs);
    const auto &members = form.L1.items();
    const auto write = std::find_if(members.begin(), members.end(),
                                    [](const auto &item) { return item.text == u"write()"_qs; });
    ASSERT_NE(write, members.end());
    for (auto i = members.begin(); i != write; ++i)
        press(Qt::Key_Down);
    press(Qt::Key_Return); // the member takes the dot's place
    EXPECT_EQ(form.RB1.text(), block + u" write()"_qs);
    EXPECT_TRUE(focused());
}

TEST_F(CompletionView, CandidateListKeysKeepTheExplanationAndTheFocus)
{
    form.forCss().Gettext1();
    start(u"<p style=\""_qs);
    type(u"color."_qs);
    QListWidget *values = list(form.List1);
    ASSERT_TRUE(values->isVisible());
    ASSERT_GE(values->count(), 3);
    press(Qt::Key_Down);
    EXPECT_TRUE(values->item(0)->isSelected()); // shown chosen, not only framed
    EXPECT_EQ(explanation(), u"red、blueなどの色の名前"_qs);
    press(Qt::Key_Down); // the explanation follows the selected value
    EXPECT_EQ(values->currentRow(), 1);
    EXPECT_EQ(explanation(), u"16進数6桁で指定"_qs);
    shoot(u"completion-values.png"_qs);
    press(Qt::Key_Up);
    EXPECT_EQ(explanation(), u"red、blueなどの色の名前"_qs);
    // Shift+Space on the last value wraps to the first, as Space does.
    for (int i = 0; i < values->count(); ++i)
        press(Qt::Key_Down);
    ASSERT_EQ(values->currentRow(), values->count() - 1);
    press(Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(values->currentRow(), 0);
    EXPECT_EQ(explanation(), u"red、blueなどの色の名前"_qs);
    // Esc closes the list and gives the source view its focus back, the caret where it was.
    const int caret = form.RB1.selStart();
    press(Qt::Key_Escape);
    EXPECT_FALSE(values->isVisible());
    EXPECT_TRUE(focused());
    EXPECT_EQ(form.RB1.selStart(), caret);
    type(u"x"_qs);
    EXPECT_EQ(form.RB1.text(), u"<p style=\"color.x"_qs);
}

TEST_F(CompletionView, MinimumLengthAndEnterWithNothingChosen)
{
    form.Text8.setText(u"3"_qs);
    start(u"<p>\r\n"_qs);
    type(u"<t"_qs);
    EXPECT_FALSE(list(form.List1)->isVisible());
    type(u"a"_qs);
    EXPECT_TRUE(list(form.List1)->isVisible());
    form.Text8.setText(u"1"_qs);
    start(u"<p>\r\n"_qs);
    type(u"<"_qs);
    QListWidget *candidates = list(form.List1);
    ASSERT_TRUE(candidates->isVisible());
    // Up goes into the list and chooses nothing: Enter then inserts nothing.
    press(Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), candidates);
    EXPECT_EQ(form.List1.listIndex(), -1);
    press(Qt::Key_Return);
    EXPECT_EQ(form.RB1.text(), u"<p>\r\n<"_qs);
}

TEST_F(CompletionView, MembersWithIconsAndExplanations)
{
    start(js);
    type(u"document."_qs);
    QListWidget *members = list(form.L1);
    ASSERT_TRUE(members && members->isVisible());
    EXPECT_EQ(members->count(), 36 + 15);
    EXPECT_FALSE(members->item(0)->icon().isNull());
    EXPECT_EQ(members->currentRow(), 0);
    press(Qt::Key_Down); // into the list
    press(Qt::Key_Down); // to its second member
    EXPECT_EQ(QApplication::focusWidget(), members);
    EXPECT_EQ(members->currentRow(), 1);
    EXPECT_EQ(explanation(), u"文書内のアンカーを配列で返す"_qs);
    // The label shows its whole caption.
    auto *label = qobject_cast<QLabel *>(view->widgetOf(form.LblExp));
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
    shoot(u"completion-members.png"_qs);
    press(Qt::Key_Return);
    EXPECT_TRUE(form.RB1.text().endsWith(u"document.anchors"_qs));
    EXPECT_FALSE(members->isVisible());
    EXPECT_TRUE(focused());
}

TEST_F(CompletionView, EscClosesAndAltXShowsTheViewMenu)
{
    start(js);
    type(u"window."_qs);
    ASSERT_TRUE(list(form.L1)->isVisible());
    press(Qt::Key_Escape);
    EXPECT_FALSE(list(form.L1)->isVisible());
    QAction *viewMenu = view->actionOf(form.hymm);
    ASSERT_TRUE(viewMenu);
    EXPECT_FALSE(viewMenu->isVisible());
    press(Qt::Key_X, Qt::AltModifier);
    EXPECT_TRUE(viewMenu->isVisible());
    // Tab indents the selected lines of the source view.
    start(u"a\r\nb\r\nc"_qs);
    form.RB1.setSelStart(0);
    form.RB1.setSelLength(6);
    press(Qt::Key_Tab);
    EXPECT_EQ(form.RB1.text(), u"\ta\r\n\tb\r\nc"_qs);
    press(Qt::Key_F5);
    EXPECT_EQ(form.TabStrip1.selectedTab(), 1);
}

} // namespace
