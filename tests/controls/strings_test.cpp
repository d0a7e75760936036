// Numbers read from boxes, rounding, and the replace/search/split/trim rules.

#include "support/qt_printers.h"
#include "controls/strings.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(Val, ReadsTheLeadingNumber)
{
    struct Case { const char16_t *text; double value; };
    const Case cases[] = {
        {u"", 0}, {u"abc", 0}, {u"12", 12}, {u"  12", 12}, {u"12abc", 12}, {u"2.5", 2.5},
        {u"-3.5", -3.5}, {u"+4", 4}, {u".5", 0.5}, {u"-.5", -0.5}, {u"7.", 7}, {u"1.2.3", 1.2},
        {u"\t7", 7}, {u"All", 0}, {u"75%", 75}, {u"１２", 0}, {u"-", 0},
        // Decimal only: a blank ends the number, and neither exponents nor "&H" or "&O" count.
        {u"1 2 3", 1}, {u" - 3", 0}, {u"1e3", 1}, {u"&H1F", 0}, {u"&O17", 0}, {u"12&H1", 12},
    };
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(strings::Val(QString::fromUtf16(c.text)), c.value)
            << QString::fromUtf16(c.text).toStdString();
}

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(strings::roundHalfEven(2.5), 2);
    EXPECT_EQ(strings::roundHalfEven(3.5), 4);
    EXPECT_EQ(strings::roundHalfEven(-2.5), -2);
    EXPECT_EQ(strings::roundHalfEven(2 / 0.35), 6);
    EXPECT_EQ(strings::roundHalfEven(70 / 0.35), 200);
    EXPECT_EQ(*strings::toInteger16(-32768.4), -32768);
    EXPECT_FALSE(strings::toInteger16(40000).has_value());
    EXPECT_FALSE(strings::toWhole(1e12).has_value());
}

TEST(Rounding, WholePartsThatCannotBeHeldAreRefused)
{
    EXPECT_EQ(*strings::truncated(12.9), 12);
    EXPECT_EQ(*strings::truncated(-12.9), -12);
    EXPECT_EQ(*strings::truncated(2147483647.9), 2147483647);
    EXPECT_EQ(*strings::truncated(-2147483648.5), -2147483648);
    for (double refused : {2147483648.0, -2147483649.0, 1e300, -1e300,
                           std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN()})
        EXPECT_FALSE(strings::truncated(refused).has_value()) << refused;
    // Texts read as numbers: more digits than a number can hold become infinite, and are refused;
    // a fraction too small to hold is 0.
    const QString digits(400, u'9');
    EXPECT_FALSE(strings::truncated(strings::Val(digits)).has_value());
    EXPECT_FALSE(
        strings::toWhole(strings::Val(QStringLiteral(u"+") + digits + QStringLiteral(u".5")))
            .has_value());
    EXPECT_FALSE(strings::toInteger16(strings::Val(QStringLiteral(u"-") + digits)).has_value());
    EXPECT_EQ(strings::Val(QStringLiteral(u"-0.") + QString(400, u'0') + QStringLiteral(u"1")), 0);
}

TEST(StringFunctions, EmptyArgumentsBehaveSafely)
{
    EXPECT_EQ(strings::replace(QStringLiteral(u"abc"), QString(), QStringLiteral(u"x")),
              QStringLiteral(u"abc"));
    EXPECT_EQ(strings::replace(QStringLiteral(u"aaa"), QStringLiteral(u"aa"), QStringLiteral(u"b")),
              QStringLiteral(u"ba"));
    EXPECT_EQ(strings::inStr(QStringLiteral(u"abcabc"), QStringLiteral(u"c")), 3);
    EXPECT_EQ(strings::inStr(4, QStringLiteral(u"abcabc"), QStringLiteral(u"c")), 6);
    EXPECT_EQ(strings::inStr(QStringLiteral(u"abc"), QStringLiteral(u"x")), 0);
    EXPECT_EQ(strings::inStr(2, QStringLiteral(u"abc"), QString()), 2);
    EXPECT_EQ(strings::inStrRev(QStringLiteral(u"a\\b\\c"), QStringLiteral(u"\\")), 4);
    EXPECT_TRUE(strings::split(QString(), QStringLiteral(u",")).isEmpty());
    EXPECT_EQ(strings::split(QStringLiteral(u"a,,b"), QStringLiteral(u",")).size(), 3);
    EXPECT_EQ(strings::split(QStringLiteral(u"a,b"), QString()).size(), 1);
    EXPECT_EQ(strings::trim(QStringLiteral(u"  a\t ")), QStringLiteral(u"a\t"));
    EXPECT_EQ(strings::mid(QStringLiteral(u"abc"), 2), QStringLiteral(u"bc"));
    EXPECT_EQ(strings::mid(QStringLiteral(u"abc"), 5), QString());
}

} // namespace
