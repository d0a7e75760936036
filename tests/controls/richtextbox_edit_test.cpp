// Edits of a coloured rich-text box: the runs are shifted and normalised around the edit only, and
// must come out as a whole-list rebuild would give them; the last change says what was replaced.

#include "controls/controls.h"
#include "controls/forms.h"
#include "controls/richtextbox.h"
#include "support/qt_printers.h"

#include <QRandomGenerator>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// The colours of every position, which is what the runs mean.
std::vector<quint32> colourMap(const RichTextBox &rb)
{
    std::vector<quint32> out;
    for (qsizetype i = 0; i < rb.text().size(); ++i)
        out.push_back(rb.colorAt(i));
    return out;
}

// Replace [start, start + length) by `with`, colouring it as the box does, on a colour map.
void expectedEdit(std::vector<quint32> &map, qsizetype start, qsizetype length, qsizetype inserted,
                  quint32 colour)
{
    map.erase(map.begin() + start, map.begin() + start + length);
    map.insert(map.begin() + start, inserted, colour);
}

void expectNormalised(const RichTextBox &rb, const char *what)
{
    const ColorRuns &runs = rb.colorRuns();
    ASSERT_FALSE(runs.empty()) << what;
    EXPECT_EQ(runs.front().start, 0) << what;
    for (std::size_t i = 1; i < runs.size(); ++i) {
        EXPECT_LT(runs[i - 1].start, runs[i].start) << what;
        EXPECT_NE(runs[i - 1].color, runs[i].color) << what;
        EXPECT_LT(runs[i].start, rb.text().size()) << what;
    }
}

TEST(RichTextBoxEdits, RandomEditsKeepEveryPositionsColour)
{
    Form form{QStringLiteral(u"F")};
    RichTextBox rb{&form, QStringLiteral(u"RB1")};
    QRandomGenerator random(20261209);
    QString text;
    for (int i = 0; i < 400; ++i)
        text += QChar(u'a' + random.bounded(26));
    rb.setText(text);
    ColorRuns runs;
    for (qsizetype p = 0; p < text.size(); p += 1 + random.bounded(12))
        runs.push_back({p, quint32(random.bounded(4))});
    rb.setColorRuns(runs);
    std::vector<quint32> map = colourMap(rb);

    for (int step = 0; step < 600; ++step) {
        const int size = int(rb.text().size());
        const int start = random.bounded(size + 1);
        const int length = random.bounded(std::min(20, size - start) + 1);
        const int inserted = random.bounded(4);
        rb.userSelected(start, length);
        if (random.bounded(5) == 0) {
            // Colouring a selection goes the same local way.
            const quint32 colour = quint32(random.bounded(4));
            rb.setSelColor(colour);
            for (int i = start; i < start + length; ++i)
                map[i] = colour;
        } else {
            const quint32 colour = length > 0 ? rb.colorAt(start) : rb.selColor();
            const QString typed(inserted, u'x');
            // Typing what is selected changes nothing.
            const bool same = rb.selText() == typed;
            rb.userTyped(typed);
            if (same)
                continue;
            expectedEdit(map, start, length, inserted, colour);
            const RichTextBox::TextChange &change = rb.lastChange();
            EXPECT_FALSE(change.whole);
            EXPECT_EQ(change.start, start);
            EXPECT_EQ(change.removed, length);
            EXPECT_EQ(change.inserted, inserted);
        }
        const std::string what = "step " + std::to_string(step);
        ASSERT_EQ(colourMap(rb), map) << what;
        expectNormalised(rb, what.c_str());
    }
}

TEST(RichTextBoxEdits, LastChangeOfWholeTextsAndUndo)
{
    Form form{QStringLiteral(u"F")};
    RichTextBox rb{&form, QStringLiteral(u"RB1")};
    rb.setText(QStringLiteral(u"abc"));
    EXPECT_TRUE(rb.lastChange().whole);
    EXPECT_EQ(rb.lastChange().removed, 0);
    EXPECT_EQ(rb.lastChange().inserted, 3);
    rb.setSelStart(1);
    rb.setSelLength(1);
    rb.setSelText(QStringLiteral(u"\n"));
    EXPECT_EQ(rb.lastChange().start, 1);
    EXPECT_EQ(rb.lastChange().removed, 1);
    EXPECT_EQ(rb.lastChange().removedText, QStringLiteral(u"b"));
    EXPECT_EQ(rb.lastChange().inserted, 2);
    rb.undo();
    EXPECT_EQ(rb.lastChange().start, 1);
    EXPECT_EQ(rb.lastChange().removed, 2);
    EXPECT_EQ(rb.lastChange().removedText, QStringLiteral(u"\r\n"));
    EXPECT_EQ(rb.lastChange().inserted, 1);
    EXPECT_FALSE(rb.lastChange().whole);
}

TEST(TextBoxDoors, SelectionAndDoubleClick)
{
    Form form{QStringLiteral(u"F")};
    TextBox box{&form, QStringLiteral(u"Text1")};
    int clicks = 0;
    box.onDblClick = [&] { ++clicks; };
    box.setText(QStringLiteral(u"12345"));
    box.userSelected(3, 10);
    EXPECT_EQ(box.selStart(), 3);
    EXPECT_EQ(box.selLength(), 2);
    box.userDoubleClicked();
    box.setEnabled(false);
    box.userDoubleClicked();
    EXPECT_EQ(clicks, 1);
}

TEST(RichTextEdits, ACaretBetweenCrAndLfNeverSplitsTheLineEnd)
{
    Form form{QStringLiteral(u"F")};
    RichTextBox rb{&form, QStringLiteral(u"RB1")};
    struct Case
    {
        int start;
        int length;
        const char16_t *text;
        const char16_t *result;
    };
    // "a", CR, LF, "b": position 2 lies between the CR and the LF.
    const Case cases[] = {
        {2, 0, u"x", u"ax\r\nb"}, // inserted at the end of the line
        {2, 1, u"x", u"axb"},      // a selection taking the LF takes the CR too
        {0, 2, u"y", u"yb"},       // one ending between them takes the LF too
        {2, 0, u"", u"a\r\nb"},    // nothing to insert: nothing changes
    };
    for (const Case &c : cases) {
        rb.setText(QStringLiteral(u"a\r\nb"));
        rb.setSelStart(c.start);
        rb.setSelLength(c.length);
        rb.setSelText(QString::fromUtf16(c.text));
        EXPECT_EQ(rb.text(), QString::fromUtf16(c.result)) << c.start << '/' << c.length;
    }
}

} // namespace

// Typing in a long text goes into a gap held where the text was last edited. Edits anywhere
// (typed, deleted, replacing a selection, undone), each followed by reads of parts of the text that
// keep the gap (characters, pieces, views) and now and then by a read of the whole text, must show
// the text a plain string given the same edits holds, with its line starts.
TEST(RichTextBoxEdits, PartsReadAroundTheGapAreTheText)
{
    QRandomGenerator random(20261210);
    Form form{QStringLiteral(u"F")};
    RichTextBox rb{&form, QStringLiteral(u"RB1")};
    QString model;
    for (int i = 0; i < 3000; ++i)
        model += QStringLiteral(u"<td>%1</td>\r\n").arg(i);
    rb.setText(model);
    auto randomText = [&random] {
        static const QString pieces[] = {u"a"_qs, u"<"_qs, u"\r\n"_qs, u"セル"_qs, u"xyz"_qs};
        QString out;
        for (int k = int(random.bounded(1, 4)); k > 0; --k)
            out += pieces[random.bounded(5)];
        // Now and then a paste larger than any gap.
        if (random.bounded(80) == 0)
            out += QStringLiteral(u"<p>long</p>\r\n").repeated(6000);
        return out;
    };
    for (int step = 0; step < 1000; ++step) {
        // Mostly near the caret, as a user types; sometimes far away.
        const qsizetype n = model.size();
        qsizetype at = random.bounded(10) < 8
                           ? std::clamp<qsizetype>(rb.selStart() + random.bounded(-40, 40), 0, n)
                           : random.bounded(n + 1);
        while (at > 0 && at < n && model.at(at - 1) == u'\r')
            --at; // not between a CR and its LF
        const int action = int(random.bounded(10));
        if (action < 6) {
            const QString typed = randomText();
            rb.userSelected(int(at), 0);
            rb.userTyped(typed);
            model.insert(at, typed);
        } else if (action < 8 && at < n) {
            qsizetype end = std::min(n, at + random.bounded(1, 20));
            if (end < n && model.at(end) == u'\n')
                ++end;
            rb.userSelected(int(at), int(end - at));
            rb.userDeleted(true);
            model.remove(at, end - at);
        } else if (action == 8 && rb.canUndo()) {
            rb.userUndo();
            model = rb.mid(0, rb.length()); // the reads below must agree with it
        } else if (action == 9) {
            // The gap made ready where the caret went, as a view does when idle (also beyond
            // the text's ends, which stand for them).
            rb.prepareEditAt(random.bounded(10) == 0 ? n + 5 : at);
        }
        ASSERT_EQ(rb.length(), model.size()) << step;
        // Parts, read without the whole text.
        for (int k = 0; k < 4; ++k) {
            const qsizetype from = random.bounded(model.size() + 1);
            const qsizetype to = std::min(model.size(), from + random.bounded(200));
            ASSERT_EQ(rb.mid(from, to - from), model.mid(from, to - from)) << step;
            ASSERT_EQ(rb.span(from, to), QStringView(model).sliced(from, to - from)) << step;
            const QStringView tail = rb.textFrom(from);
            ASSERT_EQ(tail.size(), model.size()) << step;
            ASSERT_EQ(tail.sliced(from), QStringView(model).sliced(from)) << step;
            if (from < model.size()) {
                ASSERT_EQ(rb.charAt(from), model.at(from)) << step;
            }
        }
        const int line = int(random.bounded(rb.lineCount()));
        const qsizetype lineStart = rb.lineStart(line);
        ASSERT_TRUE(lineStart == 0 || model.at(lineStart - 1) == u'\n') << step;
        ASSERT_EQ(rb.lineAt(lineStart), line) << step;
        if (random.bounded(25) == 0) {
            ASSERT_EQ(rb.text(), model) << step;
        }
    }
    EXPECT_EQ(rb.text(), model);
    EXPECT_EQ(rb.lineCount(), model.count(u'\n') + 1);
}

// Typing on in one place after a read of the whole text leaves the text in one piece until two
// writes in a row are not followed by such a read; from then on typing keeps the gap open.
TEST(RichTextBoxEdits, AGapOpensOnlyWhereTheTextIsNotReadWholeAtEveryWrite)
{
    Form form{QStringLiteral(u"F")};
    RichTextBox rb{&form, QStringLiteral(u"RB1")};
    rb.setText(QStringLiteral(u"<p>x</p>\r\n").repeated(50000));
    rb.setSelStart(250000);
    // The first write moves the text into a buffer with room to grow, around a gap.
    rb.userTyped(u"a"_qs);
    (void)rb.text();
    const quint64 closes = rb.gapCloses();
    for (int i = 1; i < 20; ++i) {
        rb.userTyped(u"a"_qs);
        (void)rb.text(); // a reader that reads it whole at every write
    }
    EXPECT_EQ(rb.gapCloses(), closes);
    for (int i = 0; i < 20; ++i)
        rb.userTyped(u"b"_qs);
    (void)rb.text();
    EXPECT_EQ(rb.gapCloses(), closes + 1);
    EXPECT_EQ(rb.mid(250000, 41), u"a"_qs.repeated(20) + u"b"_qs.repeated(20) + u"<"_qs);
}
