// The candidate table built from the object text, the user's candidate file and the reserved
// words; the candidate file's lines; the nearest word delimiter.

#include "editor/candidatetable.h"
#include "objref/objectreference.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

editor::CandidateTable builtIn(const QStringList &fileLines = {})
{
    ObjectReference obj;
    obj.Gets();
    editor::CandidateTable table;
    table.build(obj.objTreeText, fileLines, obj.Yoyakugo());
    return table;
}

TEST(CandidateTable, BuiltInEntriesAndTheMarkupSplit)
{
    const editor::CandidateTable table = builtIn();
    const QStringList &list = table.entries();
    ASSERT_GE(list.size(), 4);
    EXPECT_EQ(list.mid(0, 4),
              (QStringList{u"window"_qs, QString(), u"closed"_qs, u"defaultStatus"_qs}));
    EXPECT_EQ(list.back(), u"with"_qs);
    // The 53 reserved words close the table, in their order.
    ObjectReference obj;
    EXPECT_EQ(list.mid(list.size() - 53), obj.Yoyakugo().split(u';'));
    // Section names, their closing forms and members keep their text without the level code.
    EXPECT_TRUE(list.contains(u"/window"_qs));
    EXPECT_TRUE(list.contains(u"alert()"_qs));
    EXPECT_TRUE(list.contains(u"*onLoad"_qs));
    EXPECT_FALSE(list.contains(u"closedA1"_qs));
    // The escaped tags come back as tags; the script words lie before the first "<A>".
    const qsizetype markup = table.markupStart();
    ASSERT_LT(markup, list.size());
    EXPECT_EQ(list.at(markup), u"<A>"_qs);
    EXPECT_TRUE(list.mid(markup).contains(u"</TABLE>"_qs));
    EXPECT_TRUE(list.mid(markup).contains(u"<table>"_qs));
    EXPECT_FALSE(list.mid(0, markup).contains(u"<TABLE>"_qs));
    EXPECT_TRUE(list.mid(0, markup).contains(u"write()"_qs));
    // "<<=" leaves two empty entries and "="; ">>" leaves two entries emptied of their "AA".
    EXPECT_TRUE(list.contains(u"="_qs));
    EXPECT_FALSE(list.contains(u"AA"_qs));
    editor::CandidateTable plain;
    plain.build(QString(), {}, u"a;b"_qs);
    EXPECT_EQ(plain.markupStart(), plain.entries().size()); // no "<A>": all script words
    // Closing tags come from the table, in the candidate's exact case.
    EXPECT_EQ(table.closingTagFor(u"<TABLE>"_qs), u"</TABLE>"_qs);
    EXPECT_EQ(table.closingTagFor(u"<BR>"_qs), QString());
    EXPECT_EQ(table.closingTagFor(u"alert()"_qs), QString());
    EXPECT_EQ(table.closingTagFor(u"<Table>"_qs), QString());
}

TEST(CandidateTable, CandidateFileLinesEnterTheTable)
{
    struct Case
    {
        QString line;
        QString entry;
    };
    const Case cases[] = {
        {u"<img src=\"a.gif\">"_qs, u"<img src='a.gif'>"_qs}, // quotes stay single
        {u"a;b"_qs, u"a;b"_qs},                               // one entry with its ";"
        {u"x&&y"_qs, u"x<y"_qs},                              // escaped form read as the character
        {u"p%%q$$r"_qs, u"p>q;r"_qs},
        {u"  spaced out  "_qs, u"spaced out"_qs}, // blanks around dropped
        {u"levelA5"_qs, u"level"_qs},             // a kind suffix goes
        {u"pairAA"_qs, u"pair"_qs},
        {u"<b>"_qs, u"<b>"_qs}, // its escaped end "%%" is no suffix
        {u"全角　テキスト"_qs, u"全角　テキスト"_qs},
    };
    const QStringList without = builtIn().entries();
    QStringList lines;
    for (const Case &c : cases)
        lines.append(c.line);
    lines.append(QStringLiteral(u"   ")); // a blank line: a blank entry
    lines.append(cases[1].line);          // duplicates stay
    const QStringList list = builtIn(lines).entries();
    // The file's lines stand between the object text's entries and the reserved words; the
    // object text's last marker leaves an empty entry before them.
    const qsizetype first = without.size() - 53 + 1;
    EXPECT_EQ(list.at(first - 1), QString());
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(list.at(first + qsizetype(i)), cases[i].entry) << cases[i].line.toStdString();
    EXPECT_EQ(list.at(first + qsizetype(std::size(cases))), u"   "_qs);
    EXPECT_EQ(list.at(first + qsizetype(std::size(cases)) + 1), u"a;b"_qs);
    EXPECT_EQ(list.size(), without.size() + 1 + lines.size());

    QString escaped = u"<a href=\"x\">;"_qs;
    EXPECT_EQ(editor::escapeKouho(escaped), u"&&a href='x'%%$$"_qs);
    EXPECT_EQ(escaped, u"&&a href='x'%%$$"_qs);
}

TEST(CandidateTable, FileLinesEndAtCrLfAndLoneCr)
{
    struct Case
    {
        QString text;
        QStringList lines;
    };
    const Case cases[] = {
        {u"a\r\nb"_qs, {u"a"_qs, u"b"_qs}},
        {u"a\r\nb\r\n"_qs, {u"a"_qs, u"b"_qs}},
        {u"a\rb\r"_qs, {u"a"_qs, u"b"_qs}},
        {u"a\nb\r\n"_qs, {u"a\nb"_qs}}, // a lone LF stays in its line
        {u"\r\n\r\nx"_qs, {QString(), QString(), u"x"_qs}},
        {QString(), {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(editor::candidateFileLines(c.text), c.lines) << c.text.toStdString();
}

TEST(CandidateTable, NearestDelimiterBeforeTheCaret)
{
    struct Case
    {
        QString text;
        qsizetype caret;
        QString nearest;
    };
    const Case cases[] = {
        {u"x = document."_qs, 13, u"."_qs},
        {u"<td width="_qs, 10, u"="_qs},
        {u"word"_qs, 4, QString()},
        {u"a(b)c"_qs, 5, u")"_qs},
        {u"a}b{c"_qs, 5, u"{"_qs},
        {u"x\r\nyy"_qs, 5, u"\n"_qs},
        {u"漢字　かな"_qs, 5, u"　"_qs},
        {u"a:b\tc"_qs, 3, u":"_qs}, // the caret limits the search
        {u"ab"_qs, 0, QString()},
    };
    for (const Case &c : cases)
        EXPECT_EQ(editor::nearestDelimiter(c.text, c.caret), c.nearest) << c.text.toStdString();
    EXPECT_EQ(editor::wordDelimiters().size(), 16);
    for (int i = 0; i < 16; ++i)
        EXPECT_TRUE(editor::isWordDelimiter(editor::wordDelimiters().at(i).at(0)));
    EXPECT_FALSE(editor::isWordDelimiter(u')', 14));
}

} // namespace
