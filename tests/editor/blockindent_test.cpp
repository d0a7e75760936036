#include "editor/blockindent.h"
#include "editor/scriptelements.h"

#include "editor/golden.h"

#include <gtest/gtest.h>

using namespace editor;

namespace {

QStringList scriptTexts(const QString &text)
{
    QStringList list;
    for (const TextSpan &s : findScriptElements(text))
        list << text.sliced(s.start, s.length);
    return list;
}

// The text without blanks, TABs, ideographic spaces and line breaks: what indentation never
// changes.
QString ink(const QString &text)
{
    QString out;
    for (QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\r' && c != u'\n' && c != u'\u3000')
            out += c;
    }
    return out;
}

class IndentGolden : public testing::TestWithParam<std::string>
{
};

TEST_P(IndentGolden, IndentThenUnindent)
{
    const QString input = golden::read("indent", GetParam(), "input.txt");
    const std::optional<QString> indented = indentHtmlSource(input);
    ASSERT_TRUE(indented.has_value());
    golden::expectFile("indent", GetParam(), "indented.txt", *indented);
    const QString unindented = removeIndentation(*indented);
    golden::expectFile("indent", GetParam(), "unindented.txt", unindented);

    EXPECT_EQ(scriptTexts(*indented), scriptTexts(input));
    EXPECT_EQ(scriptTexts(unindented), scriptTexts(input));
    EXPECT_EQ(ink(*indented), ink(input));
    EXPECT_EQ(ink(unindented), ink(input));
    // Indenting again gives the same text: the breaks and TABs of the first run are not doubled.
    EXPECT_EQ(indentHtmlSource(unindented), indented);
}

INSTANTIATE_TEST_SUITE_P(Cases, IndentGolden, testing::ValuesIn(golden::cases("indent")),
                         golden::caseName);

TEST(Indent, EmptyOrBlankSourceIsLeftAlone)
{
    EXPECT_FALSE(indentHtmlSource(u"").has_value());
    EXPECT_FALSE(indentHtmlSource(u"    ").has_value());
    // Only blanks count as empty: TABs and line breaks are still reworked.
    EXPECT_EQ(indentHtmlSource(u"\t"), QString());
    EXPECT_EQ(indentHtmlSource(u" \r\n "), QString());
}

TEST(Indent, RemoveIndentationTakesTabsOutsideScriptsOnly)
{
    const QString text =
        QStringLiteral(u"\t<td>\ta\t</td>\r\n<Script>\tx\r\n</sCRIPT>\t<script>\t");
    EXPECT_EQ(removeIndentation(text),
              QStringLiteral(u"<td>a</td>\r\n<Script>\tx\r\n</sCRIPT><script>"));
    EXPECT_EQ(removeIndentation(u""), QString());
}

TEST(Indent, ScriptElements)
{
    struct Row
    {
        const char16_t *text;
        std::vector<TextSpan> spans;
    };
    const Row rows[] = {
        {u"a<SCRIPT>x</script>b", {{1, 18}}},
        {u"<script>1</script><script>2</script>", {{0, 18}, {18, 18}}},
        {u"<script>\"<script>\"</script>", {{0, 27}}},
        {u"<script>no end<script>", {}},
        {u"</script><script>", {}},
        {u"<scr\u017Fipt></script>", {}},
    };
    for (const Row &row : rows)
        EXPECT_EQ(findScriptElements(row.text), row.spans)
            << QString::fromUtf16(row.text).toStdString();
}

TEST(Indent, MakeTabs)
{
    EXPECT_EQ(makeTabs(-1), QString());
    EXPECT_EQ(makeTabs(0), QString());
    EXPECT_EQ(makeTabs(3), QStringLiteral(u"\t\t\t"));
}

} // namespace
