// The mixing palette adds dropped colours like light and empties itself on white.

#include "colour/colourtext.h"
#include "colour/mixingpalette.h"

#include <gtest/gtest.h>

namespace {

TEST(MixingPalette, FirstDropTakesTheColourLaterDropsAddAndSaturate)
{
    MixingPalette p;
    EXPECT_EQ(p.fill(), rgb(255, 255, 255));
    EXPECT_TRUE(p.add(0, 0, 0xCC));
    EXPECT_EQ(p.fill(), rgb(0, 0, 0xCC));
    EXPECT_TRUE(p.add(0, 0, 0x66));
    EXPECT_EQ(p.mixBlue, 255);
    EXPECT_EQ(colourText(p.mixRed, p.mixGreen, p.mixBlue), QStringLiteral(u"#0000FF"));
    EXPECT_TRUE(p.add(0x80, 0, 0));
    EXPECT_EQ(p.fill(), rgb(0x80, 0, 255));
}

TEST(MixingPalette, ReachingWhiteEmptiesThePalette)
{
    MixingPalette p;
    EXPECT_TRUE(p.add(255, 255, 0));
    EXPECT_FALSE(p.add(0, 0, 255));
    EXPECT_FALSE(p.mixHasColor);
    EXPECT_EQ(p.mixRed + p.mixGreen + p.mixBlue, 0);
    EXPECT_EQ(p.fill(), rgb(255, 255, 255));
    // White on an empty palette leaves it empty; black is a colour of its own.
    EXPECT_FALSE(p.add(255, 255, 255));
    EXPECT_FALSE(p.mixHasColor);
    EXPECT_TRUE(p.add(0, 0, 0));
    EXPECT_TRUE(p.mixHasColor);
    EXPECT_EQ(p.fill(), rgb(0, 0, 0));
    p.reset();
    EXPECT_FALSE(p.mixHasColor);
    EXPECT_EQ(p.fill(), rgb(255, 255, 255));
}

} // namespace
