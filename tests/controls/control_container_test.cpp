// Moving a control into another container while a window is built.

#include "controls/controls.h"
#include "controls/forms.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

TEST(ControlContainer, MovedControlJoinsItsNewContainer)
{
    Form form(QStringLiteral(u"Form"));
    Frame first(&form, QStringLiteral(u"First"));
    Frame second(&form, QStringLiteral(u"Second"));
    OptionButton a(&first, QStringLiteral(u"A"));
    OptionButton b(&first, QStringLiteral(u"B"));
    TextBox box(&form, QStringLiteral(u"Box"));

    box.setContainer(&second);
    b.setContainer(&second);
    EXPECT_EQ(box.container(), &second);
    EXPECT_EQ(first.children(), std::vector<Control *>{&a});
    EXPECT_EQ(second.children(), (std::vector<Control *>{&box, &b}));
    EXPECT_EQ(form.children().size(), 2u); // the two frames
    // The view's walk sees the frame before what it now holds.
    const std::vector<Control *> all = form.allControls();
    EXPECT_EQ(all, (std::vector<Control *>{&first, &a, &second, &box, &b}));

    // Option buttons group by their new container: choosing B leaves A chosen.
    a.setValue(true);
    b.setValue(true);
    EXPECT_TRUE(a.value());
    EXPECT_TRUE(b.value());
}

} // namespace
