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
}

TEST(Indent, TextWithoutBlockTagsComesBackUnchanged)
{
    for (const char16_t *text :
         {u"\r\n", u"\t", u" \r\n ", u"a\tb  \r\n\r\n  c\t", u"<b>x</b>\r\n\t<i>y</i>", u"a <br>b",
          u"<script>\tif (a<b) x();\r\n</script>\r\n"})
        EXPECT_EQ(indentHtmlSource(text), QString::fromUtf16(text))
            << QString::fromUtf16(text).toStdString();
}

TEST(Indent, TabsInsideATagNeverJoinWhatTheySeparate)
{
    EXPECT_EQ(indentHtmlSource(u"<table><tr><td\tnowrap>a</td></tr></table>"),
              QStringLiteral(u"\r\n<table>\r\n\t<tr>\r\n\t\t<td nowrap>\r\n\t\t\ta\r\n"
                             u"\t\t</td>\r\n\t</tr>\r\n</table>"));
    EXPECT_EQ(removeIndentation(u"<td\tnowrap\t\twidth=\"1\">\ta\tb</td>"),
              QStringLiteral(u"<td nowrap width=\"1\">ab</td>"));
    // Next to a blank or a line break there is nothing to join: the TABs just go.
    EXPECT_EQ(removeIndentation(u"<td \tnowrap\t >"), QStringLiteral(u"<td nowrap >"));
    EXPECT_EQ(removeIndentation(u"<td\r\n\t\tnowrap>"), QStringLiteral(u"<td\r\nnowrap>"));
    // A TAB cannot make a script element that was not there.
    const QString split = QStringLiteral(u"<p><SCRIP\tT>a</SCRIPT></p>");
    EXPECT_EQ(removeIndentation(split), QStringLiteral(u"<p><SCRIP T>a</SCRIPT></p>"));
    EXPECT_TRUE(findScriptElements(*indentHtmlSource(split)).empty());
    // A tag over two lines keeps its shape however often it is indented and unindented.
    const QString wide = QStringLiteral(u"<div><div><p\r\nclass=\"a\">x</p></div></div>");
    const QString once = *indentHtmlSource(wide);
    EXPECT_EQ(indentHtmlSource(removeIndentation(once)), once);
}

TEST(Indent, ALongSourceIsIndentedAsItsPartsAre)
{
    // A long source is worked on piece by piece: a line end or a break tag that joins the line
    // before it counts alike wherever the pieces end. The part's length is odd, so that pieces of
    // a power of two end on each of its places in turn.
    const QString part = QStringLiteral(
        u"<table><tr><td>a \r\n\u3000<br>b</td></tr></table>\r\n<P>x\r\n<BR></P>\r\n<BR>");
    ASSERT_EQ(part.size() % 2, 1);
    const QString once = *indentHtmlSource(part);
    QString many;
    QString expected;
    for (int i = 0; i < 40000; ++i) {
        many += part;
        expected += once;
    }
    EXPECT_EQ(indentHtmlSource(many), expected);
}

TEST(Indent, DepthStopsAtThirtyTwoTabs)
{
    QString open;
    for (int i = 0; i < 2000; ++i)
        open += QStringLiteral(u"<p>x");
    const QString indented = *indentHtmlSource(open);
    qsizetype deepest = 0;
    for (const QString &line : indented.split(QStringLiteral(u"\r\n"))) {
        qsizetype tabs = 0;
        while (tabs < line.size() && line[tabs] == u'\t')
            ++tabs;
        deepest = std::max(deepest, tabs);
    }
    EXPECT_EQ(deepest, 32);
    EXPECT_LT(indented.size(), 40 * open.size());
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
    for (const Row &row : rows) {
        EXPECT_EQ(findScriptElements(row.text), row.spans)
            << QString::fromUtf16(row.text).toStdString();
        // Long texts are searched in blocks: an element is found wherever it stands in them.
        for (qsizetype shift = 1; shift < 70; shift += 17) {
            std::vector<TextSpan> shifted = row.spans;
            for (TextSpan &span : shifted)
                span.start += shift;
            EXPECT_EQ(findScriptElements(QString(shift, u'x') + QString::fromUtf16(row.text)),
                      shifted)
                << shift << " " << QString::fromUtf16(row.text).toStdString();
        }
    }
}

TEST(Indent, MakeTabs)
{
    EXPECT_EQ(makeTabs(-1), QString());
    EXPECT_EQ(makeTabs(0), QString());
    EXPECT_EQ(makeTabs(3), QStringLiteral(u"\t\t\t"));
}

} // namespace
