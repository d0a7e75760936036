// The rich-text box: CR LF text, selection arithmetic, colour runs that never raise a change, and
// exactly one change event per text change.

#include "support/qt_printers.h"
#include "controls/forms.h"
#include "controls/richtextbox.h"

#include <gtest/gtest.h>

namespace {

class RichTextBoxTest : public ::testing::Test
{
protected:
    Form form{QStringLiteral(u"F")};
    RichTextBox rb{&form, QStringLiteral(u"RB1")};
    int changes = 0;
    void SetUp() override { rb.onChange = [this] { ++changes; }; }
};

std::string runs(const RichTextBox &rb)
{
    std::string out;
    for (const ColorRun &r : rb.colorRuns())
        out += std::to_string(r.start) + ":" + QString::number(r.color, 16).toStdString() + " ";
    return out;
}

TEST_F(RichTextBoxTest, TextIsStoredWithCrLf)
{
    rb.setText(QStringLiteral(u"a\nb\rc\r\nd"));
    EXPECT_EQ(rb.text(), QStringLiteral(u"a\r\nb\r\nc\r\nd"));
    EXPECT_EQ(rb.lineCount(), 4);
    EXPECT_EQ(changes, 1);
    rb.setText(QStringLiteral(u"a\r\nb\nc\rd")); // the same text once normalised
    EXPECT_EQ(changes, 1);
}

TEST_F(RichTextBoxTest, SelectionCountsCrLfAsTwo)
{
    rb.setText(QStringLiteral(u"表\r\nab"));
    rb.setSelStart(3);
    rb.setSelLength(10);
    EXPECT_EQ(rb.selLength(), 2);
    EXPECT_EQ(rb.selText(), QStringLiteral(u"ab"));
    rb.setSelStart(1);
    rb.setSelLength(2);
    EXPECT_EQ(rb.selText(), QStringLiteral(u"\r\n"));
    rb.setSelText(QStringLiteral(u"\n--\n"));
    EXPECT_EQ(rb.text(), QStringLiteral(u"表\r\n--\r\nab"));
    EXPECT_EQ(rb.selStart(), 7); // after the inserted text
    EXPECT_EQ(rb.selLength(), 0);
    EXPECT_EQ(changes, 2);
}

TEST_F(RichTextBoxTest, ColouringNeverRaisesChange)
{
    rb.setText(QStringLiteral(u"<a href=\"x\">link</a>"));
    changes = 0;
    rb.setSelStart(0);
    rb.setSelLength(2);
    rb.setSelColor(0x800000);
    rb.setSelStart(3);
    rb.setSelLength(4);
    rb.setSelColor(0x0000FF);
    rb.setColorRuns({{0, 0x1}, {5, 0x2}});
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(runs(rb), "0:1 5:2 ");
}

TEST_F(RichTextBoxTest, SelColorSplitsAndMergesRuns)
{
    rb.setText(QStringLiteral(u"0123456789"));
    rb.setSelStart(2);
    rb.setSelLength(3);
    rb.setSelColor(0xFF);
    EXPECT_EQ(runs(rb), "0:0 2:ff 5:0 ");
    rb.setSelStart(4);
    rb.setSelLength(4);
    rb.setSelColor(0xFF);
    EXPECT_EQ(runs(rb), "0:0 2:ff 8:0 ");
    rb.setSelStart(0);
    rb.setSelLength(10);
    rb.setSelColor(0);
    EXPECT_EQ(runs(rb), "0:0 ");
    EXPECT_EQ(rb.colorAt(9), 0u);
}

TEST_F(RichTextBoxTest, RangeColoursReplaceOnlyTheirRange)
{
    rb.setText(QStringLiteral(u"0123456789"));
    rb.setColorRuns({{0, 0x1}, {4, 0x2}});
    rb.setRangeColors(2, 6, {{2, 0x3}, {3, 0x2}, {5, 0x1}});
    EXPECT_EQ(runs(rb), "0:1 2:3 3:2 5:1 6:2 ");
    rb.setRangeColors(5, 6, {{5, 0x2}}); // merges with its neighbours
    EXPECT_EQ(runs(rb), "0:1 2:3 3:2 ");
    rb.setRangeColors(8, 20, {{8, 0x4}}); // clipped to the text
    EXPECT_EQ(runs(rb), "0:1 2:3 3:2 8:4 ");
    EXPECT_EQ(changes, 1);
}

TEST_F(RichTextBoxTest, EditsShiftRunsAndTakeTheColourBeforeTheCaret)
{
    rb.setText(QStringLiteral(u"aaabbbccc"));
    rb.setColorRuns({{0, 0x1}, {3, 0x2}, {6, 0x3}});
    rb.setSelStart(3); // caret after the "a"s: typed text takes their colour
    rb.userTyped(QStringLiteral(u"XY"));
    EXPECT_EQ(runs(rb), "0:1 5:2 8:3 ");
    rb.setSelStart(4);
    rb.setSelLength(5); // "Ybbbc" -> deleted
    rb.userDeleted(true);
    EXPECT_EQ(rb.text(), QStringLiteral(u"aaaXcc"));
    EXPECT_EQ(runs(rb), "0:1 4:3 ");
}

TEST_F(RichTextBoxTest, ColoursSetForLaterAreWorkedOutOnFirstUse)
{
    rb.setText(QStringLiteral(u"aaabbbccc"));
    QStringList made; // the texts the colours were worked out for
    auto maker = [&made](const QString &text) {
        made << text;
        return toRunList({{0, 0x1}, {3, 0x2}, {3, 0x2}, {6, 0x3}});
    };
    const quint64 before = rb.revision();
    rb.setColorRunsLater(maker);
    EXPECT_GT(rb.revision(), before);
    EXPECT_TRUE(rb.colorsPending());
    EXPECT_TRUE(made.isEmpty());
    EXPECT_EQ(runs(rb), "0:1 3:2 6:3 "); // normalised as setColorRuns would
    EXPECT_EQ(runs(rb), "0:1 3:2 6:3 ");
    EXPECT_EQ(made, QStringList{QStringLiteral(u"aaabbbccc")}); // once

    // An edit works on the colours of the text as it was, then shifts them.
    rb.setColorRunsLater(maker);
    rb.setSelStart(3);
    rb.userTyped(QStringLiteral(u"XY"));
    EXPECT_EQ(made.last(), QStringLiteral(u"aaabbbccc"));
    EXPECT_EQ(runs(rb), "0:1 5:2 8:3 ");

    // A text replaced before anyone looked is never coloured; so are colours set over them.
    made.clear();
    rb.setColorRunsLater(maker);
    rb.setText(QStringLiteral(u"other"));
    rb.setColorRunsLater(maker);
    rb.setColorRuns({{0, 0x7}});
    EXPECT_TRUE(made.isEmpty());
    EXPECT_EQ(runs(rb), "0:7 ");
    EXPECT_EQ(changes, 3);
}

TEST_F(RichTextBoxTest, LineIndexFollowsEdits)
{
    // The index kept through edits against one worked out afresh from the text.
    auto freshStarts = [](const QString &text) {
        std::vector<qsizetype> starts{0};
        for (qsizetype i = 0; i < text.size(); ++i)
            if (text.at(i) == u'\n')
                starts.push_back(i + 1);
        return starts;
    };
    auto keptStarts = [this] {
        std::vector<qsizetype> starts;
        for (int line = 0; line < rb.lineCount(); ++line)
            starts.push_back(rb.lineStart(line));
        return starts;
    };
    rb.setText(QStringLiteral(u"a\r\nbb\r\n\r\nccc\r\nd"));
    EXPECT_EQ(rb.lineCount(), 5);
    EXPECT_EQ(rb.lineAt(0), 0);
    EXPECT_EQ(rb.lineAt(2), 0); // the CR LF belongs to the line it ends
    EXPECT_EQ(rb.lineAt(3), 1);
    EXPECT_EQ(rb.lineAt(100), 4);
    const struct
    {
        int start;
        int length;
        const char16_t *with;
    } edits[] = {{1, 0, u"x"},          {0, 0, u"\r\n\r\n"}, {5, 6, u""},     {2, 3, u"y\r\nz"},
                 {0, 4, u"\r\n"},      {int(1e6), 0, u"\r\nend"}};
    for (const auto &edit : edits) {
        rb.setSelStart(edit.start);
        rb.setSelLength(edit.length);
        rb.setSelText(QString::fromUtf16(edit.with));
        EXPECT_EQ(keptStarts(), freshStarts(rb.text())) << rb.text().toStdString();
        for (qsizetype p = 0; p <= rb.text().size(); ++p) {
            const int line = rb.lineAt(p);
            EXPECT_LE(rb.lineStart(line), p);
            EXPECT_TRUE(line + 1 == rb.lineCount() || rb.lineStart(line + 1) > p);
        }
    }
    EXPECT_EQ(rb.lineStart(-3), 0);
    EXPECT_EQ(rb.lineStart(rb.lineCount() + 5), rb.lineStart(rb.lineCount() - 1));
}

TEST_F(RichTextBoxTest, BackspaceRemovesALineEndWhole)
{
    rb.setText(QStringLiteral(u"a\r\nb"));
    rb.setSelStart(3);
    rb.userDeleted(true);
    EXPECT_EQ(rb.text(), QStringLiteral(u"ab"));
    rb.userDeleted(false);
    EXPECT_EQ(rb.text(), QStringLiteral(u"a"));
}

TEST_F(RichTextBoxTest, UndoRevertsEditsAndProgramTexts)
{
    rb.setText(QStringLiteral(u"abc"));
    rb.setSelStart(3);
    rb.userTyped(QStringLiteral(u"d"));
    rb.setSelStart(0);
    rb.setSelLength(1);
    rb.setSelText(QStringLiteral(u"X"));
    changes = 0;
    EXPECT_TRUE(rb.undo());
    EXPECT_EQ(rb.text(), QStringLiteral(u"abcd"));
    EXPECT_EQ(rb.selText(), QStringLiteral(u"a")); // selected again, as before the edit
    EXPECT_TRUE(rb.undo());
    EXPECT_EQ(rb.text(), QStringLiteral(u"abc"));
    EXPECT_EQ(rb.selStart(), 3);
    EXPECT_TRUE(rb.undo());
    EXPECT_EQ(rb.text(), QString());
    EXPECT_FALSE(rb.undo());
    EXPECT_EQ(changes, 3);
}

TEST_F(RichTextBoxTest, WritesThatChangeNothingRaiseNothing)
{
    rb.setText(QStringLiteral(u"abc"));
    changes = 0;
    rb.setSelStart(1);
    rb.setSelText(QString()); // nothing selected, nothing inserted
    rb.setSelLength(1);
    rb.setSelText(QStringLiteral(u"b")); // same text over itself
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(rb.selStart(), 2);
}

TEST_F(RichTextBoxTest, ScrollingIsClampedAndResetByText)
{
    QString text;
    for (int i = 0; i < 40000; ++i)
        text += QStringLiteral(u"line\r\n");
    rb.setText(text);
    rb.lineScroll(35000);
    EXPECT_EQ(rb.firstVisibleLine(), 35000);
    rb.lineScroll(10000);
    EXPECT_EQ(rb.firstVisibleLine(), 40000);
    rb.lineScroll(-50000);
    EXPECT_EQ(rb.firstVisibleLine(), 0);
    rb.lineScroll(5);
    rb.setText(QStringLiteral(u"x"));
    EXPECT_EQ(rb.firstVisibleLine(), 0);
}

} // namespace
