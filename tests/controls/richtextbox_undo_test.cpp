// Undo in the rich-text box: typing undone word by word, one step per action of the user however
// often it writes, and a history bounded by bytes.

#include "controls/forms.h"
#include "controls/richtextbox.h"
#include "controls/userinput.h"
#include "support/qt_printers.h"

#include <functional>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {
using namespace Qt::StringLiterals;

class RichTextBoxUndo : public ::testing::Test
{
protected:
    Form form{QStringLiteral(u"F")};
    RichTextBox rb{&form, QStringLiteral(u"RB1")};
    int changes = 0;
    void SetUp() override
    {
        rb.onChange = [this] { ++changes; };
    }
    void start(const QString &text, int caret)
    {
        rb.setText(text);
        rb.clearUndo();
        rb.setSelStart(caret);
    }
    void type(const QString &text)
    {
        for (QChar c : text)
            rb.userTyped(QString(c));
    }
    // Undoes step by step; the texts after each undo, up to the first that finds nothing.
    QStringList undoAll()
    {
        QStringList texts;
        while (rb.undo())
            texts.append(rb.text());
        return texts;
    }
};

TEST_F(RichTextBoxUndo, TypingIsUndoneWordByWord)
{
    start(QString(), 0);
    type(QStringLiteral(u"ab  cd"));
    rb.userTyped(QStringLiteral(u"\r\n"));
    type(QStringLiteral(u"表示."));
    EXPECT_EQ(undoAll(), QStringList({u"ab  cd\r\n表示"_s, u"ab  cd\r\n"_s, u"ab  cd"_s, u"ab  "_s,
                                      u"ab"_s, QString()}));

    // A caret the user moved, a replaced selection and a deletion each end the word.
    start(QStringLiteral(u"--"), 1);
    type(QStringLiteral(u"xy"));
    rb.userSelected(0, 0);
    rb.userSelected(3, 0);
    type(QStringLiteral(u"z"));
    rb.userSelected(0, 1);
    type(QStringLiteral(u"w"));
    rb.userDeleted(true);
    type(QStringLiteral(u"v"));
    EXPECT_EQ(rb.text(), QStringLiteral(u"vxyz-"));
    EXPECT_EQ(undoAll(), QStringList({u"xyz-"_s, u"wxyz-"_s, u"-xyz-"_s, u"-xy-"_s, u"--"_s}));

    // Backspaces and Deletes in a row are one step each; the caret comes back where it was.
    start(QStringLiteral(u"one two"), 7);
    for (int i = 0; i < 3; ++i)
        rb.userDeleted(true);
    rb.setSelStart(0);
    for (int i = 0; i < 2; ++i)
        rb.userDeleted(false);
    EXPECT_EQ(rb.text(), QStringLiteral(u"e "));
    changes = 0;
    EXPECT_TRUE(rb.undo());
    EXPECT_EQ(rb.text(), QStringLiteral(u"one "));
    EXPECT_EQ(rb.selStart(), 0);
    EXPECT_TRUE(rb.undo());
    EXPECT_EQ(rb.text(), QStringLiteral(u"one two"));
    EXPECT_EQ(rb.selStart(), 7);
    EXPECT_EQ(changes, 2);

    // After an undo, typing on where the older word ended is a step of its own.
    start(QString(), 0);
    type(u"ab "_s);
    rb.undo();
    type(u"c"_s);
    EXPECT_EQ(undoAll(), QStringList({u"ab"_s, QString()}));
}

TEST_F(RichTextBoxUndo, WhatOneActionWritesIsOneStep)
{
    start(QStringLiteral(u"typed\r\n1\r\n2\r\n3\r\n4"), 2);
    rb.lineScroll(3);
    // A command: pieces and whole texts, in any order.
    userinput::deliver(rb, [this] {
        rb.setSelText(QStringLiteral(u"<"));
        rb.setText(QStringLiteral(u"made"));
        rb.setText(QStringLiteral(u"MADE"));
        rb.setSelStart(4);
        rb.setSelText(QStringLiteral(u"!"));
    });
    EXPECT_EQ(rb.text(), QStringLiteral(u"MADE!"));
    changes = 0;
    EXPECT_TRUE(rb.undo());
    EXPECT_EQ(rb.text(), QStringLiteral(u"typed\r\n1\r\n2\r\n3\r\n4"));
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(rb.lastChange().undone);
    EXPECT_EQ(rb.selStart(), 2);
    EXPECT_EQ(rb.firstVisibleLine(), 3);
    EXPECT_FALSE(rb.canUndo());

    // Pieces far apart undo at once; a command that puts the text back leaves no step.
    userinput::deliver(rb, [this] {
        rb.setSelStart(0);
        rb.setSelText(QStringLiteral(u"["));
        rb.setSelStart(int(rb.text().size()));
        rb.setSelText(QStringLiteral(u"]"));
    });
    userinput::deliver(rb, [this] {
        const QString kept = rb.text();
        rb.setText(QString());
        rb.setText(kept);
    });
    // Writes outside any action are steps of their own.
    rb.setText(QStringLiteral(u"one"));
    rb.setText(QStringLiteral(u"two"));
    changes = 0;
    EXPECT_EQ(undoAll(), QStringList({u"one"_s, u"[typed\r\n1\r\n2\r\n3\r\n4]"_s,
                                      u"typed\r\n1\r\n2\r\n3\r\n4"_s}));
    EXPECT_EQ(changes, 3);
}

// A command between two keystrokes ends the word even when it leaves the text as it was and the
// caret where the typing stopped: the keystroke after it is a step of its own.
TEST_F(RichTextBoxUndo, WritesThatChangeNothingEndTheWord)
{
    const std::vector<std::pair<const char *, std::function<void()>>> commands = {
        {"the same text outside an action", [this] { rb.setText(rb.text()); }},
        {"the same text in an action",
         [this] { userinput::deliver(rb, [this] { rb.setText(rb.text()); }); }},
        {"the text changed and put back in an action",
         [this] {
             userinput::deliver(rb, [this] {
                 const QString kept = rb.text();
                 rb.setText(u"other"_s);
                 rb.setText(kept);
                 rb.setSelStart(int(kept.size()) - 1);
             });
         }},
        {"a piece changed and put back in an action",
         [this] {
             userinput::deliver(rb, [this] {
                 rb.setSelStart(0);
                 rb.setSelText(u"<"_s);
                 rb.setSelStart(0);
                 rb.setSelLength(1);
                 rb.setSelText(QString());
                 rb.setSelStart(int(rb.length()) - 1);
             });
         }},
        {"nothing put in at the caret", [this] { rb.setSelText(QString()); }},
        {"a selection replaced by the same text",
         [this] {
             rb.setSelStart(int(rb.length()) - 2);
             rb.setSelLength(1);
             rb.setSelText(u"b"_s);
         }},
    };
    for (const auto &[name, command] : commands) {
        SCOPED_TRACE(name);
        start(u"x"_s, 0);
        type(u"ab"_s);
        command();
        ASSERT_EQ(rb.text(), u"abx"_s);
        ASSERT_EQ(rb.selStart(), 2);
        type(u"c"_s);
        EXPECT_EQ(undoAll(), QStringList({u"abx"_s, u"x"_s}));
    }
}

TEST_F(RichTextBoxUndo, HistoryIsBoundedByBytes)
{
    constexpr qsizetype Budget = UndoHistory::Budget;
    // Texts that differ throughout are kept whole; four of a third of the budget do not fit.
    const qsizetype third = Budget / qsizetype(sizeof(QChar)) / 3 + 1;
    for (char16_t c : {u'a', u'b', u'c', u'd'})
        rb.setText(QString(third, QChar(c)));
    EXPECT_LE(rb.undoBytes(), Budget);
    EXPECT_EQ(undoAll(), QStringList({QString(third, u'c'), QString(third, u'b')}));

    // The newest step stays however large it is, until a newer one comes.
    const qsizetype huge = Budget / qsizetype(sizeof(QChar)) + 1;
    rb.setText(QString(huge, u'f'));
    rb.setText(QString(huge, u'g'));
    EXPECT_TRUE(rb.undo());
    EXPECT_EQ(rb.text(), QString(huge, u'f'));
    EXPECT_FALSE(rb.canUndo());
    rb.setText(QString(huge, u'g'));
    rb.setSelStart(0);
    rb.setSelText(QStringLiteral(u"x"));
    EXPECT_LT(rb.undoBytes(), 16);
    EXPECT_EQ(undoAll(), QStringList({QString(huge, u'g')}));

    // A whole text that changes little keeps only what changed, and is undone as a piece.
    const QString common(huge / 2, u'a');
    start(common + QStringLiteral(u"<b>") + common, 0);
    rb.setText(common + QStringLiteral(u"<i>") + common);
    EXPECT_LT(rb.undoBytes(), 16);
    EXPECT_TRUE(rb.undo());
    EXPECT_EQ(rb.text(), common + QStringLiteral(u"<b>") + common);
    EXPECT_FALSE(rb.lastChange().whole);
    EXPECT_EQ(rb.lastChange().start, common.size() + 1);
}

} // namespace
