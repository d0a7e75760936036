// Completion through the real window: keys go to the focused widget as the platform sends them,
// and the lists, their icons and the explanation appear at the caret. The source page with an
// open list is photographed (to $MORVANE_ARTIFACTS).

#include "frame/form1.h"
#include "qt/formview.h"
#include "qt/japanese.h"
#include "qt/qtservices.h"
#include "qt/richtextview.h"
#include "support/qt_printers.h"
#include "support/screenshots.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class CompletionView : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QtServices services;
    Form1 form{services.services()};
    std::unique_ptr<FormView> view;

    void SetUp() override
    {
        useJapaneseFonts();
        form.settingsFolder = dir.path();
        form.workFolder = dir.path();
        form.Form_Load();
        view = std::make_unique<FormView>(form);
        services.caret.view = view.get();
        view->show();
        view->activateWindow();
        form.TabStrip1.userSelected(3);
        form.RB1.setFocus();
        QApplication::processEvents();
    }
    bool focused() const { return QApplication::focusWidget() == view->widgetOf(form.RB1); }
    void start(const QString &text)
    {
        form.RB1.setText(text);
        form.RB1.setSelStart(int(text.size()));
        form.RB1.setFocus();
    }
    void type(const QString &keys)
    {
        services.keys.sendKeys(keys);
        QApplication::processEvents();
    }
    QListWidget *list(Control &control) const
    {
        return qobject_cast<QListWidget *>(view->widgetOf(control));
    }
    void shoot(const QString &name)
    {
        QApplication::processEvents();
        EXPECT_TRUE(saveArtifact(view->grab(), name));
    }
};

TEST_F(CompletionView, TagCandidatesOpenAtTheCaretAndGoIn)
{
    if (!focused())
        GTEST_SKIP() << "the platform gives no focus";
    form.Check2.setValue(2);
    start(QStringLiteral(u"<p>\r\n"));
    type(QStringLiteral(u"<ta"));
    QListWidget *candidates = list(form.List1);
    ASSERT_TRUE(candidates && candidates->isVisible());
    EXPECT_EQ(candidates->count(), 1);
    EXPECT_EQ(candidates->item(0)->text(), QStringLiteral(u"<table>"));
    // Below the caret's line, in the source view.
    auto *source = static_cast<RichTextView *>(view->widgetOf(form.RB1));
    const QPoint caret =
        source->viewport()->mapTo(view->surface(), source->cursorRect().bottomLeft());
    EXPECT_GE(candidates->geometry().top(), caret.y() - 2);
    EXPECT_LT(std::abs(candidates->geometry().left() - caret.x()), 30);
    type(QStringLiteral(u"{ENTER}")); // one candidate: in it goes, with its closing tag
    EXPECT_EQ(form.RB1.text(), QStringLiteral(u"<p>\r\n<table></table>"));
    EXPECT_EQ(form.RB1.selStart(), 12);
    EXPECT_FALSE(candidates->isVisible());
    EXPECT_TRUE(focused());
}

TEST_F(CompletionView, MembersWithIconsAndExplanations)
{
    if (!focused())
        GTEST_SKIP() << "the platform gives no focus";
    start(QStringLiteral(u"<script type=\"text/javascript\">\r\n"));
    type(QStringLiteral(u"document."));
    QListWidget *members = list(form.L1);
    ASSERT_TRUE(members && members->isVisible());
    EXPECT_EQ(members->count(), 36 + 15);
    EXPECT_FALSE(members->item(0)->icon().isNull());
    EXPECT_EQ(members->currentRow(), 0);
    type(QStringLiteral(u"{DOWN}{DOWN}")); // into the list, then to its second member
    EXPECT_EQ(QApplication::focusWidget(), members);
    EXPECT_EQ(members->currentRow(), 1);
    auto *frame = qobject_cast<QGroupBox *>(view->widgetOf(form.Frmexp));
    auto *label = qobject_cast<QLabel *>(view->widgetOf(form.LblExp));
    ASSERT_TRUE(frame && label);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(label->text(), QStringLiteral(u"文書内のアンカーを配列で返す"));
    // The label shows its whole caption.
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
    shoot(QStringLiteral(u"completion-members.png"));
    type(QStringLiteral(u"{ENTER}"));
    EXPECT_TRUE(form.RB1.text().endsWith(QStringLiteral(u"document.anchors")));
    EXPECT_FALSE(members->isVisible());
    EXPECT_TRUE(focused());
}

TEST_F(CompletionView, EscClosesAndAltXShowsTheViewMenu)
{
    if (!focused())
        GTEST_SKIP() << "the platform gives no focus";
    start(QStringLiteral(u"<script type=\"text/javascript\">\r\n"));
    type(QStringLiteral(u"window."));
    ASSERT_TRUE(list(form.L1)->isVisible());
    type(QStringLiteral(u"{ESC}"));
    EXPECT_FALSE(list(form.L1)->isVisible());
    QAction *viewMenu = view->actionOf(form.hymm);
    ASSERT_TRUE(viewMenu);
    EXPECT_FALSE(viewMenu->isVisible());
    type(QStringLiteral(u"%x"));
    EXPECT_TRUE(viewMenu->isVisible());
    // Tab indents the selected lines of the source view.
    start(QStringLiteral(u"a\r\nb\r\nc"));
    form.RB1.setSelStart(0);
    form.RB1.setSelLength(6);
    type(QStringLiteral(u"{TAB}"));
    EXPECT_EQ(form.RB1.text(), QStringLiteral(u"\ta\r\n\tb\r\nc"));
    type(QStringLiteral(u"{F5}"));
    EXPECT_EQ(form.TabStrip1.selectedTab(), 1);
}

} // namespace
