#include "editor/tagcase.h"

#include "editor/golden.h"

#include <gtest/gtest.h>

using namespace editor;

namespace {

class TagCaseGolden : public testing::TestWithParam<std::string>
{
};

TEST_P(TagCaseGolden, UpperAndLower)
{
    const QString input = golden::read("tagcase", GetParam(), "input.txt");
    const QString upper = convertTagCase(input, 0);
    golden::expectFile("tagcase", GetParam(), "upper.txt", upper);
    golden::expectFile("tagcase", GetParam(), "lower.txt", convertTagCase(input, 1));
    EXPECT_EQ(convertTagCase(input, 2), upper);
    EXPECT_EQ(convertTagCase(input, -7), upper);
    EXPECT_EQ(upper.size(), input.size());
}

INSTANTIATE_TEST_SUITE_P(Cases, TagCaseGolden, testing::ValuesIn(golden::cases("tagcase")),
                         golden::caseName);

TEST(TagCase, Rules)
{
    struct Row
    {
        const char16_t *input;
        int mode;
        const char16_t *expected;
    };
    const Row rows[] = {
        {u"<A HREF=\"Page.html\" TARGET=\"_blank\">", 1,
         u"<a href=\"Page.html\" target=\"_blank\">"},
        {u"<p>Hello</p>", 0, u"<P>Hello</P>"},
        {u"<p>Hello</p>", 2, u"<P>Hello</P>"},
        {u"<!-- Keep <B>this</B> -->", 1, u"<!-- Keep <b>this</b> -->"},
        {u"<!--JavaScript x=1; </SCRIPT>", 1, u"<!--JavaScript x=1; </SCRIPT>"},
        {u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD\">", 1, u"<!doctype html public \"-//W3C//DTD\">"},
        {u"<img alt='A B'>", 1, u"<img alt='a b'>"},
        {u"<a title=\"x<Y\" B>", 1, u"<a title=\"x<Y\" b>"},
        {u"<A <!-- B --> C>", 1, u"<a <!-- B --> C>"},
        {u"<A --> B>C", 1, u"<a --> B>C"},
        {u"Ab<CD", 1, u"Ab<cd"},
        {u"", 1, u""},
    };
    for (const Row &row : rows) {
        const QString input = QString::fromUtf16(row.input);
        const QString expected = QString::fromUtf16(row.expected);
        EXPECT_EQ(convertTagCase(input, row.mode), expected) << input.toStdString();
        // The variant that makes no copy tells "unchanged" apart.
        const std::optional<QString> converted = convertedTagCase(input, row.mode);
        EXPECT_EQ(converted.has_value(), expected != input) << input.toStdString();
        if (converted)
            EXPECT_EQ(*converted, expected);
    }
}

TEST(TagCase, InsertedTagsFollowTheOptionButReferencesKeepTheirCase)
{
    EXPECT_TRUE(upperCaseTags(1));
    EXPECT_FALSE(upperCaseTags(0));
    EXPECT_FALSE(upperCaseTags(2));
    EXPECT_EQ(tagCaseMode(1), 0);
    EXPECT_EQ(tagCaseMode(0), 1);
    EXPECT_EQ(tagCaseMode(2), 1);
    const QString font = QStringLiteral(u"<font size=\"3\" color=\"Red\">");
    EXPECT_EQ(insertedTagText(font, 1), QStringLiteral(u"<FONT SIZE=\"3\" COLOR=\"RED\">"));
    EXPECT_EQ(insertedTagText(font, 0), QStringLiteral(u"<font size=\"3\" color=\"red\">"));
    EXPECT_EQ(insertedTagText(u"&nbsp;", 1), QStringLiteral(u"&nbsp;"));
    EXPECT_EQ(insertedTagText(u"<P>&Auml;&#xA0;&amp</P>", 1),
              QStringLiteral(u"<P>&Auml;&#xA0;&AMP</P>"));
    EXPECT_EQ(insertedTagText(u"a & b; <B>", 2), QStringLiteral(u"a & b; <b>"));
}

} // namespace
