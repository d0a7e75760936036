// The candidate list engine: the word at the caret, the case of markup candidates, the table walk,
// CSS values and their explanations, the script-element test.

#include "editor/candidatelist.h"
#include "editor/candidatetable.h"
#include "objref/objectreference.h"
#include "reference/cssreference.h"
#include "support/qt_printers.h"
#include "support/reference_texts.h"

#include <gtest/gtest.h>

namespace {

TEST(CandidateList, WordStartSkipsTheCharacterBeforeTheCaret)
{
    struct Case
    {
        QString text;
        qsizetype caret;
        qsizetype start;
    };
    const Case cases[] =
        {
            {u"ab <ta"_qs, 6, 3},    {u"<ta"_qs, 3, 0},        {u"x=y"_qs, 3, 2},
            {u"color."_qs, 6, 0},    {u"a color."_qs, 8, 2},   {u"a,,"_qs, 3, 2},
            {u"a)bc"_qs, 4, 0}, // ")" and "}" do not delimit a word
            {u"p:q\r\nrs"_qs, 7, 5}, {u"全角　かな"_qs, 5, 3},
        };
    for (const Case &c : cases)
        EXPECT_EQ(editor::findWordStart(c.text, c.caret), c.start) << c.text.toStdString();
}

TEST(CandidateList, CaseOutsideQuotes)
{
    EXPECT_EQ(editor::upperOutsideQuotes(u"<a href='x.html'>link</a>"),
              u"<A HREF=\"x.html\">LINK</A>"_qs);
    EXPECT_EQ(editor::lowerOutsideQuotes(u"<IMG SRC=\"A.GIF\" ALT='Q'>"),
              u"<img src=\"A.GIF\" alt=\"Q\">"_qs);
    // Either quote closes what either opened.
    EXPECT_EQ(editor::upperOutsideQuotes(u"a'b\"c"), u"A\"b\"C"_qs);
}

class TableWalk : public ::testing::Test
{
protected:
    editor::CandidateTable table = [] {
        ObjectReference obj;
        obj.Gets();
        editor::CandidateTable built;
        built.build(obj.objTreeText, {u"<img src=\"a.gif\" alt=\"\">"_qs}, obj.Yoyakugo());
        return built;
    }();
    QStringList offered(const QString &word, bool inScript, int caseMode) const
    {
        return table.candidates(word, inScript, caseMode);
    }
};

TEST_F(TableWalk, TagsInEachCaseMode)
{
    // Unchanged case: both spellings, in table order.
    const QStringList asTheyAre = offered(u"<ta"_qs, false, 0);
    EXPECT_TRUE(asTheyAre.contains(u"<TABLE>"_qs));
    EXPECT_TRUE(asTheyAre.contains(u"<table>"_qs));
    EXPECT_LT(asTheyAre.indexOf(u"<TABLE>"_qs), asTheyAre.indexOf(u"<table>"_qs));
    // Upper case: each tag once.
    const QStringList upper = offered(u"<ta"_qs, false, 1);
    EXPECT_EQ(upper.count(u"<TABLE>"_qs), 1);
    EXPECT_FALSE(upper.contains(u"<table>"_qs));
    EXPECT_EQ(upper.size() * 2, asTheyAre.size());
    const QStringList lower = offered(u"<ta"_qs, false, 2);
    EXPECT_EQ(lower.count(u"<table>"_qs), 1);
    // Typed in capitals with lower case shown, the first lower-case match sorts after the word and
    // ends the walk at once.
    EXPECT_TRUE(offered(u"<TA"_qs, false, 2).isEmpty());
    // Inside a script the same letters find script words only.
    EXPECT_FALSE(offered(u"<ta"_qs, true, 0).contains(u"<TABLE>"_qs));
    EXPECT_TRUE(offered(u"wr"_qs, true, 0).contains(u"write()"_qs));
    EXPECT_FALSE(offered(u"wr"_qs, false, 0).contains(u"write()"_qs));
}

TEST_F(TableWalk, QuotedAttributesAndEvents)
{
    // The file's snippet is held with single quotes; upper case turns them back.
    EXPECT_TRUE(offered(u"<im"_qs, false, 1).contains(u"<IMG SRC=\"a.gif\" ALT=\"\">"_qs));
    EXPECT_TRUE(offered(u"<im"_qs, false, 0).contains(u"<img src='a.gif' alt=''>"_qs));
    // An event entry is matched only by a word beginning with "*", and the match ends the walk
    // before anything is offered.
    EXPECT_TRUE(offered(u"*on"_qs, true, 0).isEmpty());
    // The event handler names of their own part are plain script words.
    EXPECT_TRUE(offered(u"on"_qs, true, 0).contains(u"onLoad"_qs));
    EXPECT_TRUE(offered(u"zz"_qs, false, 0).isEmpty());
}

TEST(CandidateList, CssValuesAndTheirExplanations)
{
    const QString css = cssText();
    const std::optional<QStringList> color = editor::cssValues(css, u"color"_qs);
    ASSERT_TRUE(color);
    EXPECT_EQ(*color, (QStringList{u"色名"_qs, u"#rrggbb"_qs, u"#rgb"_qs, u"rgb(r,g,b)"_qs,
                                   u"rgb(r%,g%,b%)"_qs, u"inherit"_qs}));
    const QStringList family = editor::cssValues(css, u"font-family"_qs).value();
    EXPECT_TRUE(family.contains(u"sans-serif"_qs)); // "sans-serif---..." gives the bare value
    // A description marker after six ideographic spaces leaves them as a value of their own.
    EXPECT_TRUE(editor::cssValues(css, u"z-index"_qs).value().contains(QString(6, u'　')));
    // Properties without values of their own list none (not the next property's).
    EXPECT_EQ(editor::cssValues(css, u"font"_qs), QStringList());
    EXPECT_EQ(editor::cssValues(css, u"border"_qs), QStringList());
    EXPECT_EQ(editor::cssValues(css, u"no-such-property"_qs), std::nullopt);
    // Before the CSS window has made its text there is nothing.
    EXPECT_EQ(editor::cssValues(QString(), u"color"_qs), std::nullopt);

    using Help = editor::CandidateHelp;
    const Help hex = editor::candidateHelp(css, u"#rrggbb"_qs);
    EXPECT_EQ(hex.action, Help::Show);
    EXPECT_EQ(hex.caption, u"16進数6桁で指定"_qs);
    EXPECT_EQ(editor::candidateHelp(css, QString()).action, Help::Keep); // its first line: no "--"
    EXPECT_EQ(editor::candidateHelp(css, u"never there"_qs).action, Help::Hide);
    EXPECT_EQ(editor::candidateHelp(QString(), QString()).action, Help::Hide);
}

TEST(CandidateList, ScriptElementsAsTheTestFindsThem)
{
    struct Case
    {
        QString text;
        bool inside;
    };
    const Case cases[] = {
        {u"<script type=\"text/javascript\">x"_qs, true},
        {u"<SCRIPT TYPE=\"TEXT/JAVASCRIPT\">x"_qs, true},
        {u"<script type=\"text/javascript\">x</script>y"_qs, false},
        {u"<script language=javaScript>x"_qs, true},
        {u"<script language=JAVASCRIPT"_qs, true},
        {u"<script>x"_qs, false},
        {u"<script type='text/javascript'>x"_qs, false},
        {u"<script defer type=\"text/javascript\">x"_qs, false},
        {u"</script><script type=\"text/javascript\">x"_qs, true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(editor::isInScriptBlock(c.text, c.text.size()), c.inside) << c.text.toStdString();
    // The tag must lie wholly before the caret.
    EXPECT_FALSE(editor::isInScriptBlock(u"<script type=\"text/javascript\">", 10));
}

} // namespace
