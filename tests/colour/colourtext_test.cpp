// Reading and writing colours: hexadecimal texts, the "#RRGGBB" colour text, and the platform's
// 0x00BBGGRR numbers.

#include "colour/colourtext.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

TEST(HexToByte, ReadsEitherCaseAndCountsOtherCharactersAsZero)
{
    EXPECT_EQ(HexToByte(u"ff"), QStringLiteral(u"255"));
    EXPECT_EQ(HexToByte(u"FF"), QStringLiteral(u"255"));
    EXPECT_EQ(HexToByte(u"0A"), QStringLiteral(u"10"));
    EXPECT_EQ(HexToByte(u"80"), QStringLiteral(u"128"));
    EXPECT_EQ(HexToByte(u"o1"), QStringLiteral(u"1"));
    EXPECT_EQ(HexToByte(u"1o"), QStringLiteral(u"16"));
    EXPECT_EQ(HexToByte(u"#"), QStringLiteral(u"0"));
    EXPECT_EQ(HexToByte(u""), QStringLiteral(u"0"));
    EXPECT_EQ(HexToByte(u"123"), QStringLiteral(u"291"));
    // A text far longer than a pair saturates, never wraps round to a negative number.
    EXPECT_GT(hexValue(u"ffffffffffffffffffffffff"), 0);
}

TEST(ColourText, UpperCaseTwoDigitsPerComponent)
{
    EXPECT_EQ(colourText(10, 0, 255), QStringLiteral(u"#0A00FF"));
    EXPECT_EQ(colourText(0, 0, 8), QStringLiteral(u"#000008"));
    EXPECT_EQ(colourText(255, 255, 255), QStringLiteral(u"#FFFFFF"));
    EXPECT_EQ(colourText(171, 205, 239), QStringLiteral(u"#ABCDEF"));
}

TEST(ColourNumbers, RedInTheLowByte)
{
    EXPECT_EQ(rgb(255, 0, 0), 0x0000FFu);
    EXPECT_EQ(rgb(0, 0, 255), 0xFF0000u);
    EXPECT_EQ(rgb(0x12, 0x34, 0x56), 0x563412u);
    EXPECT_EQ(redOf(0x563412), 0x12);
    EXPECT_EQ(greenOf(0x563412), 0x34);
    EXPECT_EQ(blueOf(0x563412), 0x56);
    EXPECT_EQ(colourOfHex(u"f0f8ff"), rgb(240, 248, 255));
    EXPECT_EQ(colourOfHex(u"0000CC"), rgb(0, 0, 204));
}

TEST(ColourNumbers, RgbHexReversesThePlatformOrder)
{
    EXPECT_EQ(rgbHexOf(255), QStringLiteral(u"FF0000"));
    EXPECT_EQ(rgbHexOf(0x123456), QStringLiteral(u"563412"));
    EXPECT_EQ(rgbHexOf(0), QStringLiteral(u"000000"));
    EXPECT_EQ(rgbHexOf(0xFF0000), QStringLiteral(u"0000FF"));
}

} // namespace
