// What the control layer offers windows that grow and react at run time: array elements made as
// copies of element 0, mouse presses and clicks on text boxes, manual drags dropped on a picture
// box, and the shapes they paint.

#include "controls/controls.h"
#include "controls/forms.h"
#include "support/qt_printers.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct Recorder : ControlObserver
{
    void propertyChanged(Control &control, Property property) override
    {
        if (property == Property::Drag)
            log << QStringLiteral(u"drag ") + control.displayName();
        else if (property == Property::ControlAdded)
            log << QStringLiteral(u"added ") + control.displayName();
    }
    QStringList log;
};

TEST(ControlArrayLoad, NewElementsCopyTheFirstAndStartHidden)
{
    // The view outlives the form, which tells it about every element that goes.
    Recorder view;
    Form form(QStringLiteral(u"F"));
    Frame frame(&form, QStringLiteral(u"Frame5"));
    ControlArray<TextBox> boxes;
    TextBox &first = boxes.add(&frame, QStringLiteral(u"Text5"), 0);
    first.move(50, 100, 800, 200);
    first.setBackColor(0x123456);
    first.setForeColor(0xFFFFFF);
    Font font = first.font();
    font.size = 7;
    first.setFont(font);
    first.setLocked(true);
    first.setBorderStyle(0);
    first.setNarrowToFit(true);
    first.setText(QStringLiteral(u"#000000"));
    form.setObserver(&view);

    TextBox &copy = boxes.load(5);
    EXPECT_EQ(copy.container(), &frame);
    EXPECT_EQ(copy.displayName(), QStringLiteral(u"Text5(5)"));
    EXPECT_FALSE(copy.visible());
    EXPECT_EQ(QStringLiteral(u"%1,%2,%3,%4").arg(copy.left()).arg(copy.top()).arg(copy.width())
                  .arg(copy.height()),
              QStringLiteral(u"50,100,800,200"));
    EXPECT_EQ(copy.backColor(), 0x123456u);
    EXPECT_EQ(copy.foreColor(), 0xFFFFFFu);
    EXPECT_EQ(copy.font().size, 7);
    EXPECT_TRUE(copy.locked());
    EXPECT_EQ(copy.borderStyle(), 0);
    EXPECT_TRUE(copy.narrowToFit());
    EXPECT_EQ(copy.text(), QStringLiteral(u"#000000"));
    // Handlers are the window's business: the copy runs none of the first element's.
    first.onChange = [] { FAIL() << "the first element's handler ran"; };
    EXPECT_FALSE(copy.onChange);
    EXPECT_EQ(view.log.join(u';'), QStringLiteral(u"added Text5(5)"));

    EXPECT_THROW(boxes.load(5), std::invalid_argument);
    ControlArray<TextBox> empty;
    EXPECT_THROW(empty.load(1), std::out_of_range);
}

TEST(TextBoxMouse, PressClickAndDoubleClickReachTheirHandlers)
{
    Form form(QStringLiteral(u"F"));
    TextBox box(&form, QStringLiteral(u"Text6"), 2);
    QStringList log;
    box.onMouseDown = [&](int button, int shift, int x, int y) {
        log << QStringLiteral(u"MouseDown(%1,%2,%3,%4)").arg(button).arg(shift).arg(x).arg(y);
    };
    box.onClick = [&] { log << QStringLiteral(u"Click"); };
    box.onDblClick = [&] { log << QStringLiteral(u"DblClick"); };
    box.userMouseDown(1, 0, 30, 45);
    box.userClicked();
    box.userDoubleClicked();
    box.setEnabled(false);
    box.userMouseDown(1, 0, 0, 0);
    box.userClicked();
    box.userDoubleClicked();
    EXPECT_EQ(log.join(u';'), QStringLiteral(u"MouseDown(1,0,30,45);Click;DblClick"));
}

TEST(ManualDrag, ThePressAsksTheViewAndTheDropNamesTheSource)
{
    Form form(QStringLiteral(u"F"));
    TextBox swatch(&form, QStringLiteral(u"Text5"), 7);
    PictureBox picture(&form, QStringLiteral(u"Picture1"));
    Recorder view;
    swatch.setObserver(&view);
    swatch.onMouseDown = [&](int, int, int, int) { swatch.drag(); };
    QStringList drops;
    picture.onDragDrop = [&](Control &source, int x, int y) {
        drops << QStringLiteral(u"%1 at %2,%3").arg(source.displayName()).arg(x).arg(y);
    };
    swatch.userMouseDown(1, 0, 0, 0);
    picture.userDragDrop(swatch, 120, 45);
    picture.setEnabled(false);
    picture.userDragDrop(swatch, 0, 0);
    EXPECT_EQ(view.log.join(u';'), QStringLiteral(u"drag Text5(7)"));
    EXPECT_EQ(drops.join(u';'), QStringLiteral(u"Text5(7) at 120,45"));
}

TEST(ShapeAndStyle, ChangesNotifyOnlyWhenTheyChange)
{
    struct Count : ControlObserver
    {
        void propertyChanged(Control &, Property property) override
        {
            log << (property == Property::Colors ? QStringLiteral(u"colors")
                    : property == Property::Style ? QStringLiteral(u"style")
                                                  : QStringLiteral(u"other"));
        }
        QStringList log;
    } count;
    Form form(QStringLiteral(u"F"));
    Shape shape(&form, QStringLiteral(u"Shape1"));
    TextBox box(&form, QStringLiteral(u"Text3"));
    Frame frame(&form, QStringLiteral(u"Frame1"));
    shape.setObserver(&count);
    box.setObserver(&count);
    frame.setObserver(&count);
    EXPECT_EQ(shape.fillStyle(), 1);
    shape.setFillStyle(0);
    shape.setFillColor(0xFFFFFF);
    shape.setFillColor(0xFFFFFF);
    box.setBorderStyle(1);
    box.setBorderStyle(0);
    box.setLocked(true);
    box.setLocked(true);
    frame.setBorderStyle(0);
    frame.setBorderStyle(0);
    EXPECT_EQ(count.log.join(u';'), QStringLiteral(u"colors;colors;style;style;style"));
}

} // namespace
