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

// A long text is converted in parts on several threads; a part may start inside a tag, a quoted
// value or a script region that began in the part before it, and must come out as the whole text
// converted in one pass would.
TEST(TagCase, ALongTextComesOutAsOnePassWouldMakeIt)
{
    QString unit;
    unit += u"<TD CLASS=\"Wide\r\nLong\">Cell Text</TD>\r\n";
    unit += u"<TABLE\r\nborder=1\r\nWIDTH=\"100%\">\r\n";
    unit += u"<!--JavaScript\r\n";
    for (int i = 0; i < 12; ++i)
        unit += u"document.write(\"<TD ALIGN=Center>\");\r\n";
    unit += u"</SCRIPT>\r\n";
    unit += u"<P TITLE=\"\u00C4\">\u0178\U00010400Ab\u00C4</P><!-- <B>Note</B>\r\n";
    unit += u"--> Tail\r\n";
    const qsizetype units = 3'000'000 / unit.size() + 1;
    QString text;
    text.reserve(unit.size() * units);
    for (qsizetype i = 0; i < units; ++i)
        text += unit;
    for (const int mode : {0, 1}) {
        SCOPED_TRACE(mode);
        const QString one = convertTagCase(unit, mode);
        ASSERT_NE(one, unit);
        const std::optional<QString> converted = convertedTagCase(text, mode);
        ASSERT_TRUE(converted.has_value());
        ASSERT_EQ(converted->size(), text.size());
        for (qsizetype at = 0; at < text.size(); at += unit.size())
            ASSERT_EQ(QStringView(*converted).sliced(at, unit.size()), one) << "at " << at;
        // Converted once more, nothing changes, and no copy is made.
        EXPECT_FALSE(convertedTagCase(*converted, mode).has_value());
    }
}
