// A stored window position off every screen comes back onto the primary one.

#include "controls/forms.h"
#include "qt/onscreen.h"
#include "qt/qtconvert.h"

#include <gtest/gtest.h>

namespace {

TEST(KeepOnScreen, OnlyWindowsOffEveryScreenMove)
{
    const TwipsScale scale(96); // 15 twips a pixel
    const QList<QRect> screens = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    Form form(QStringLiteral(u"F"));
    form.move(1000, 1000, 14055, 10440);
    EXPECT_FALSE(keepOnScreen(form, scale, screens, screens[0]));
    form.move(2500 * 15, 100 * 15, 14055, 10440); // on the second screen
    EXPECT_FALSE(keepOnScreen(form, scale, screens, screens[0]));
    form.move(4000 * 15, 2000 * 15, 14055, 10440); // where a third screen used to be
    EXPECT_TRUE(keepOnScreen(form, scale, screens, screens[0]));
    EXPECT_EQ(form.left(), 0);
    EXPECT_EQ(form.top(), 0);
    EXPECT_EQ(form.width(), 14055);
    form.move(-930 * 15, 500, 14055, 10440); // only a 7-pixel sliver at the left edge
    EXPECT_TRUE(keepOnScreen(form, scale, screens, QRect(0, 0, 1920, 1080)));
}

} // namespace
