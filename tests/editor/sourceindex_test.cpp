// The indexes of the source text, kept edit by edit, against indexes made anew.

#include "editor/candidatelist.h"
#include "editor/sourceindex.h"
#include "support/qt_printers.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

using editor::PatternIndex;
using editor::SourceIndex;

// Pieces that make and break the indexed patterns when they are spliced into each other.
const QStringList pieces = {u"<script type=\"text/javascript\">"_qs,
                            u"<SCRIPT TYPE=\"TEXT/JAVASCRIPT\">"_qs,
                            u"<script language=JavaScript>"_qs,
                            u"</script>"_qs,
                            u"</SCRIPT>"_qs,
                            u"var "_qs,
                            u"va"_qs,
                            u"r"_qs,
                            u"with"_qs,
                            u"wi"_qs,
                            u"th"_qs,
                            u"}"_qs,
                            u"{"_qs,
                            u"<"_qs,
                            u"script"_qs,
                            u"x"_qs,
                            u"\r\n"_qs,
                            u"</scr"_qs,
                            u"ipt>"_qs,
                            // Folds to "s" and "k": case-insensitive matches beyond ASCII.
                            u"</\u017Fcript>"_qs,
                            u"<\u017Fcript type=\"text/java\u017Fcript\">"_qs,
                            u"\u212A"_qs};

QString randomText(QRandomGenerator &random, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += pieces.at(random.bounded(int(pieces.size())));
    return text;
}

TEST(SourceIndex, EditsKeepEveryIndexAsAFreshScanWouldGiveIt)
{
    QRandomGenerator random(20240611);
    for (int round = 0; round < 300; ++round) {
        QString text = randomText(random, random.bounded(1, 12));
        SourceIndex kept;
        kept.reset(text);
        for (int edit = 0; edit < 20; ++edit) {
            const qsizetype start = random.bounded(int(text.size()) + 1);
            const qsizetype removed = random.bounded(int(text.size() - start) + 1);
            const QString inserted =
                randomText(random, random.bounded(0, 3)).left(random.bounded(1, 40));
            text.replace(start, removed, inserted);
            kept.sync(text, start, removed, inserted.size(), false);
            SourceIndex fresh;
            fresh.reset(text);
            ASSERT_EQ(kept.scriptOpen.positions(), fresh.scriptOpen.positions())
                << text.toStdString();
            ASSERT_EQ(kept.scriptLanguage.positions(), fresh.scriptLanguage.positions());
            ASSERT_EQ(kept.scriptClose.positions(), fresh.scriptClose.positions());
            ASSERT_EQ(kept.var.positions(), fresh.var.positions()) << text.toStdString();
            ASSERT_EQ(kept.with.positions(), fresh.with.positions());
            ASSERT_EQ(kept.closeBrace.positions(), fresh.closeBrace.positions());
            for (qsizetype caret = 0; caret <= text.size(); ++caret)
                ASSERT_EQ(kept.inScriptBlock(caret), editor::isInScriptBlock(text, caret))
                    << text.toStdString() << " @" << caret;
        }
    }
}

// A long text is indexed in slices on several threads: each pattern's places are those its own
// scan finds, in order, also where an occurrence stands across a slice's end.
TEST(SourceIndex, ALongTextIsIndexedAsEachPatternAloneWouldIndexIt)
{
    QRandomGenerator random(20261210);
    const QString text = randomText(random, 500'000);
    ASSERT_GT(text.size(), 4 << 20);
    SourceIndex index;
    index.reset(text);
    for (const PatternIndex *kept : {&index.scriptOpen, &index.scriptLanguage, &index.scriptClose,
                                     &index.var, &index.with, &index.closeBrace}) {
        SCOPED_TRACE(kept->pattern().toStdString());
        PatternIndex alone = *kept;
        alone.reset(text);
        ASSERT_FALSE(alone.positions().empty());
        EXPECT_TRUE(kept->positions() == alone.positions());
    }
}

TEST(SourceIndex, NotesTravelWithUntouchedOccurrences)
{
    QString text = u"var a;\r\nvar b;"_qs;
    PatternIndex index(u"var"_qs, Qt::CaseSensitive);
    index.reset(text);
    index.note(0) = u"first"_qs;
    index.note(1) = u"second"_qs;
    text.insert(0, u"xx"_qs); // before both: they move and keep their notes
    index.update(text, 0, 0, 2);
    EXPECT_EQ(index.positions(), (std::vector<qsizetype>{2, 10}));
    EXPECT_EQ(index.note(0), u"first"_qs);
    text.replace(3, 1, u"A"_qs); // "vAr": the first occurrence is gone, the second keeps its note
    index.update(text, 3, 1, 1);
    EXPECT_EQ(index.positions(), (std::vector<qsizetype>{10}));
    EXPECT_EQ(index.note(0), u"second"_qs);
    text.replace(3, 1, u"a"_qs); // found again, without a note
    index.update(text, 3, 1, 1);
    EXPECT_EQ(index.positions(), (std::vector<qsizetype>{2, 10}));
    EXPECT_EQ(index.note(0), QString());
    EXPECT_EQ(index.find(10), 1);
    EXPECT_EQ(index.find(9), -1);
    EXPECT_EQ(index.lastWithin(12), 2); // the second one ends at 13
    EXPECT_EQ(index.lastWithin(13), 10);
    EXPECT_EQ(index.firstFrom(3), 10);
}

TEST(SourceIndex, ALengthThatDoesNotFitMakesTheIndexesAnew)
{
    SourceIndex index;
    index.reset(u"var a;"_qs);
    // A change reported against another text than the one indexed.
    index.sync(u"with var"_qs, 0, 0, 1, false);
    EXPECT_EQ(index.var.positions(), (std::vector<qsizetype>{5}));
    EXPECT_EQ(index.with.positions(), (std::vector<qsizetype>{0}));
}

} // namespace
