// The colour picker as a user sees it: opened from a colour button of the main window, its three
// views and the help panel photographed (to $MORVANE_ARTIFACTS), the swatches grown at run time shown
// in their colours, clicks that click, presses that drag a swatch onto the mixing palette, and a
// double click that hands the colour back.

#include "colour/colourtext.h"
#include "frame/form1.h"
#include "qt/formview.h"
#include "qt/japanese.h"
#include "qt/windowservice.h"
#include "support/qt_printers.h"
#include "support/screenshots.h"

#include <QApplication>
#include <QDrag>
#include <QGroupBox>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class PickerView : public ::testing::Test
{
protected:
    QtWindowService windows;
    Services services = [this] {
        Services s;
        s.windows = &windows;
        return s;
    }();
    Form1 form{services};
    FomColor *picker = nullptr;
    FormView *view = nullptr;

    void SetUp() override
    {
        useJapaneseFonts();
        form.Command30(3).userClicked();
        picker = &form.FomColorWindow.get();
        view = windows.viewOf(*picker);
        settle();
    }
    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    QWidget *widget(const Control &c) const { return view->widgetOf(c); }
    void shoot(const QString &name)
    {
        settle();
        const QPixmap shot = view->grab();
        ASSERT_FALSE(shot.isNull());
        EXPECT_TRUE(saveArtifact(shot, name));
    }
    // Every swatch has a widget, shown, painted in the swatch's colour.
    void expectSwatchesShown(const ControlArray<TextBox> &swatches)
    {
        swatches.forEach([&](int i, TextBox &box) {
            QWidget *w = widget(box);
            ASSERT_NE(w, nullptr) << i;
            EXPECT_TRUE(w->isVisible()) << i;
            EXPECT_EQ(fromQColor(w->palette().color(QPalette::Base)), box.backColor()) << i;
            EXPECT_EQ(qobject_cast<QLineEdit *>(w)->text(), box.text()) << i;
        });
    }
    // The shown controls of a container do not overlap one another (a swatch array's elements
    // tile, so they may share an edge pixel with their neighbours).
    void expectNoOverlap(const Container &container)
    {
        std::vector<std::pair<const Control *, QRect>> shown;
        for (const Control *child : container.children())
            if (QWidget *w = widget(*child); w && w->isVisible())
                shown.push_back({child, w->geometry()});
        for (std::size_t i = 0; i < shown.size(); ++i)
            for (std::size_t j = i + 1; j < shown.size(); ++j)
                EXPECT_TRUE(shown[i].first->name() == shown[j].first->name() ||
                            !shown[i].second.intersects(shown[j].second))
                    << shown[i].first->displayName().toStdString() << " overlaps "
                    << shown[j].first->displayName().toStdString();
    }
    void mouse(QWidget *target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, at, target->mapToGlobal(at),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
};

TEST_F(PickerView, EachViewPhotographedWithItsSwatches)
{
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->windowTitle(), QStringLiteral(u"カラーTessik"));
    EXPECT_TRUE(view->windowFlags() & Qt::WindowStaysOnTopHint);
    expectSwatchesShown(picker->Text6);
    expectNoOverlap(picker->Frame6);
    expectNoOverlap(picker->Frame7);
    expectNoOverlap(picker->Frame4);
    auto *bar = qobject_cast<QScrollBar *>(widget(picker->HScroll1(0)));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->orientation(), Qt::Horizontal);
    picker->HScroll1(0).setValue(200);
    picker->HScroll1(2).setValue(120);
    shoot(QStringLiteral(u"colour_basic.png"));

    picker->Option1.userClicked();
    settle();
    EXPECT_EQ(picker->Text1.count(), 139);
    expectSwatchesShown(picker->Text1);
    expectNoOverlap(picker->Frame4);
    EXPECT_FALSE(widget(picker->Frame6)->isVisible());
    // The grid fills its frame from the top edge, over the frame's caption, in rows of one pitch.
    const TwipsScale &scale = view->scale();
    EXPECT_EQ(widget(picker->Text1(0))->geometry(), scale.toPixels(picker->Text1(0)));
    EXPECT_EQ(widget(picker->Text1(10))->geometry(), scale.toPixels(picker->Text1(10)));
    EXPECT_EQ(widget(picker->Text1(9))->y(), 0);
    // The frame keeps its caption but, without a border, draws none for the grid to cover.
    EXPECT_EQ(picker->Frame1.caption(), QStringLiteral(u"名前表示"));
    EXPECT_TRUE(qobject_cast<QGroupBox *>(widget(picker->Frame1))->title().isEmpty());
    picker->Frame1.setBorderStyle(1);
    EXPECT_EQ(qobject_cast<QGroupBox *>(widget(picker->Frame1))->title(), QStringLiteral(u"名前表示"));
    picker->Frame1.setBorderStyle(0);
    picker->Text1(9).userClicked();
    shoot(QStringLiteral(u"colour_named.png"));

    picker->Option3.userClicked();
    settle();
    EXPECT_EQ(picker->Text5.count(), 447);
    expectSwatchesShown(picker->Text5);
    expectNoOverlap(picker->Frame4);
    picker->Picture1.userDragDrop(picker->Text5(4), 0, 0);
    shoot(QStringLiteral(u"colour_extended.png"));

    picker->msetumei.userClicked();
    shoot(QStringLiteral(u"colour_help.png"));
}

// The user chooses by name: every name of the names view shows whole, in the size the grid gives
// it, in the part of its swatch that the view's frame shows (the grid is a little wider than the
// frame). With the caret at its end, a name that fits is not scrolled and ends in that part.
TEST_F(PickerView, EveryNameOfTheNamesViewFitsItsSwatch)
{
    picker->Option1.userClicked();
    settle();
    QStringList cut;
    picker->Text1.forEach([&](int, TextBox &box) {
        auto *edit = qobject_cast<QLineEdit *>(widget(box));
        ASSERT_NE(edit, nullptr);
        edit->setCursorPosition(int(edit->text().size()));
        edit->grab(); // the text is scrolled to the caret as it is painted
        // The caret's place, in the middle of the band the edit repaints round it.
        const QRect band = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int caret = band.left() + band.width() / 2;
        const int shownRight = std::min(edit->width(), edit->parentWidget()->width() - edit->x());
        if (edit->cursorPositionAt(QPoint(0, edit->height() / 2)) != 0 || caret >= shownRight - 1 ||
            edit->font().pointSizeF() != box.font().size)
            cut.append(box.text());
    });
    EXPECT_EQ(cut.join(u' ').toStdString(), "");
}

TEST_F(PickerView, APressReleasedInPlaceClicksAPressMovedDragsOntoThePalette)
{
    picker->Option3.userClicked();
    settle();
    QWidget *navy = widget(picker->Text5(2)); // #000066
    ASSERT_NE(navy, nullptr);
    const QPoint at = navy->rect().center();
    picker->Text3.setText(QString());
    mouse(navy, QEvent::MouseButtonPress, at, Qt::LeftButton);
    EXPECT_EQ(picker->Text3.text(), QStringLiteral(u"#000066"));
    picker->Text3.setText(QString());
    mouse(navy, QEvent::MouseButtonRelease, at, Qt::NoButton);
    EXPECT_EQ(picker->Text3.text(), QStringLiteral(u"#000066")) << "the click did not run";

    // A press that moves drags the swatch; the palette takes its drop.
    picker->Picture1.userDragDrop(picker->Text5(4), 0, 0); // #0000CC first
    mouse(navy, QEvent::MouseButtonPress, at, Qt::LeftButton);
    // On a real display the drag runs its own loop until the button goes up: end it from there.
    QTimer::singleShot(200, [] { QDrag::cancel(); });
    mouse(navy, QEvent::MouseMove, at + QPoint(QApplication::startDragDistance() + 2, 0),
          Qt::LeftButton);
    auto *drag = navy->findChild<QDrag *>();
    ASSERT_NE(drag, nullptr) << "no drag started";
    QWidget *palette = widget(picker->Picture1);
    const QPoint dropAt = palette->rect().center();
    QDragEnterEvent enter(dropAt, Qt::MoveAction, drag->mimeData(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(palette, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(dropAt, Qt::MoveAction, drag->mimeData(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(palette, &drop);
    EXPECT_EQ(picker->Text3.text(), QStringLiteral(u"#0000FF"));
    EXPECT_EQ(fromQColor(widget(picker->Shape1)->palette().color(QPalette::Window)),
              rgb(0, 0, 255));
    // The release after a drag is no click.
    picker->Text3.setText(QString());
    mouse(navy, QEvent::MouseButtonRelease, at, Qt::NoButton);
    EXPECT_TRUE(picker->Text3.text().isEmpty());

    // Something that is no control of this window is refused.
    QMimeData foreign;
    foreign.setText(QStringLiteral(u"#FF0000"));
    QDragEnterEvent stranger(dropAt, Qt::CopyAction, &foreign, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(palette, &stranger);
    EXPECT_FALSE(stranger.isAccepted());
}

TEST_F(PickerView, DoubleClickOnABasicSwatchHandsTheNameBack)
{
    QWidget *yellow = widget(picker->Text6(5));
    ASSERT_NE(yellow, nullptr);
    int clicks = 0;
    picker->Text6(5).onClick = [this, &clicks] {
        ++clicks;
        picker->Text6_Click(5);
    };
    const QPoint at = yellow->rect().center();
    mouse(yellow, QEvent::MouseButtonPress, at, Qt::LeftButton);
    mouse(yellow, QEvent::MouseButtonRelease, at, Qt::NoButton);
    EXPECT_EQ(picker->Text4.text(), QStringLiteral(u"yellow"));
    EXPECT_TRUE(view->isVisible());
    mouse(yellow, QEvent::MouseButtonPress, at, Qt::LeftButton);
    mouse(yellow, QEvent::MouseButtonDblClick, at, Qt::LeftButton);
    mouse(yellow, QEvent::MouseButtonRelease, at, Qt::NoButton);
    EXPECT_EQ(form.Text5(3).text(), QStringLiteral(u"yellow"));
    EXPECT_FALSE(view->isVisible());
    // The release that ends a double click is no second click.
    EXPECT_EQ(clicks, 1);
}

TEST_F(PickerView, TitleBarCloseThenTheButtonAgainBuildsAFreshWindow)
{
    picker->Option1.userClicked();
    settle();
    ASSERT_TRUE(view->close());
    settle();
    EXPECT_FALSE(form.FomColorWindow.isLoaded());
    form.Command30(1).userClicked();
    settle();
    FomColor &again = form.FomColorWindow.get();
    FormView *fresh = windows.viewOf(again);
    ASSERT_NE(fresh, nullptr);
    EXPECT_TRUE(fresh->isVisible());
    EXPECT_TRUE(again.Frame6.visible());
    EXPECT_EQ(again.Text1.count(), 1);
}

} // namespace
