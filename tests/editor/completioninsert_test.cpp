// What a chosen candidate puts into the text and where the caret goes; the indentation keys.

#include "editor/completioninsert.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

using editor::InsertPath;

TEST(CandidateInsertion, CaretRules)
{
    struct Case
    {
        const char16_t *name;
        QString before;    // the text before the inserted text
        QString candidate; // the candidate; its closing tag follows when `closing` is given
        QString closing;
        QString after;
        InsertPath path;
        qsizetype caret; // relative to the start of the inserted text
    };
    const Case cases[] = {
        {u"tag pair, key", u"x "_qs, u"<TABLE>"_qs, u"</TABLE>"_qs, {}, InsertPath::SourceKey, 7},
        {u"tag pair, list", u"x "_qs, u"<TABLE>"_qs, u"</TABLE>"_qs, {}, InsertPath::ListEnter, 7},
        {u"lone tag, key", u"x "_qs, u"<BR>"_qs, {}, {}, InsertPath::SourceKey, 4},
        {u"quoted attribute, key", u"x "_qs, u"<A HREF=\"\">"_qs, {}, {}, InsertPath::SourceKey, 9},
        {u"quoted attribute, list",
         u"x "_qs,
         u"<A HREF=\"\">"_qs,
         {},
         {},
         InsertPath::ListDoubleClick,
         11},
        {u"parentheses", u"x "_qs, u"alert()"_qs, {}, {}, InsertPath::ListEnter, 6},
        {u"plain word", u"x "_qs, u"length"_qs, {}, {}, InsertPath::ListEnter, 6},
        {u"quote after the text", u"x "_qs, u"length"_qs, {}, u"\""_qs, InsertPath::SourceKey, 6},
        // A quote or ")" just before the inserted word leaves the caret after the word.
        {u"quote before", u"x=\""_qs, u"red"_qs, {}, {}, InsertPath::SourceKey, 3},
        {u"paren before", u"f()"_qs, u"red"_qs, {}, {}, InsertPath::SourceKey, 3},
        // At the very start the list's Enter leaves the caret at the end.
        {u"start, enter", {}, u"alert()"_qs, {}, {}, InsertPath::ListEnter, 7},
        {u"start, double click", {}, u"alert()"_qs, {}, {}, InsertPath::ListDoubleClick, 6},
        {u"start, key", {}, u"<A HREF=\"\">"_qs, {}, {}, InsertPath::SourceKey, 9},
    };
    for (const Case &c : cases) {
        const QString inserted = c.candidate + c.closing;
        const QString text = c.before + inserted + c.after;
        const qsizetype start = c.before.size();
        EXPECT_EQ(editor::caretAfterInsertion(text, start, inserted.size(), c.candidate.size(),
                                              !c.closing.isEmpty(), c.candidate.startsWith(u'<'),
                                              c.path),
                  start + c.caret)
            << QString::fromUtf16(c.name).toStdString();
    }
}

TEST(CandidateInsertion, EnterKeepsTheLinesTabs)
{
    struct Case
    {
        QString text;
        qsizetype caret;
        std::optional<QString> lineBreak;
    };
    const Case cases[] = {
        {u"a\r\n\t\tb"_qs, 6, u"\r\n\t\t"_qs},
        {u"a\r\nx\ty"_qs, 6, u"\r\n\t"_qs},   // a tab in the middle counts as well
        {u"a\r\n\tx\ty"_qs, 5, u"\r\n\t"_qs}, // only the tabs before the caret
        {u"\t\tfirst"_qs, 7, std::nullopt},   // the first line: none
        {u"a\r\nplain"_qs, 8, std::nullopt},
        {u"\t\r\n"_qs, 0, std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(editor::autoIndentBreak(c.text, c.caret), c.lineBreak) << c.text.toStdString();
}

TEST(CandidateInsertion, BlockIndentShapes)
{
    struct Case
    {
        QString selected;
        QString indented;
    };
    const Case indent[] = {
        {u"a\r\nb\r\n"_qs, u"\ta\r\n\tb\r\n"_qs}, // with the final line break: next line untouched
        {u"a\r\nb"_qs, u"\ta\r\n\tb"_qs},
        {u"ddle"_qs, u"\tddle"_qs}, // a selection from the middle of a line
        {u"a\t"_qs, u"\ta\t"_qs},   // a TAB the block ends with stays
        {u"a\r\n\t"_qs, u"\ta\r\n\t\t"_qs},
    };
    for (const Case &c : indent)
        EXPECT_EQ(editor::indentBlock(c.selected), c.indented) << c.selected.toStdString();
    EXPECT_EQ(editor::unindentBlock(u"\ta\r\nb\r\n\t\tc"_qs), u"a\r\nb\r\n\tc"_qs);
    EXPECT_EQ(editor::unindentBlock(u"  a\r\n  b"_qs), u"  a\r\n  b"_qs); // blanks stay
}

} // namespace
