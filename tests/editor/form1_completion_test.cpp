// Completion in the main window as the user meets it: typing in the source view opens the
// candidate list or the member list at the caret, with explanations; keys move, insert and close.

#include "controls/textfile.h"
#include "frame/form1.h"
#include "objref/objectreference.h"
#include "reference/cssreference.h"
#include "support/keyboard.h"
#include "support/qt_printers.h"
#include "support/scripted_services.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString js = u"<script type=\"text/javascript\">\r\n"_qs;

class Completion : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    ScriptedMessages messages;
    ScriptedClipboard clipboard;
    ScriptedCaret caret;
    FocusKeys keys;
    Services services = [this] {
        Services s;
        s.messages = &messages;
        s.clipboard = &clipboard;
        s.caret = &caret;
        s.keys = &keys;
        return s;
    }();
    Form1 f{services};
    Keyboard keyboard{f};

    void SetUp() override
    {
        f.settingsFolder = dir.path();
        f.workFolder = dir.path();
        f.Form_Load();
        keys.form = &f;
        f.TabStrip1.selectTab(3); // the source page
        f.RB1.setFocus();
    }
    // Puts a text into the source view with the caret at its end (or before `after`), as if it
    // had been made.
    void start(const QString &text, const QString &after = QString())
    {
        f.RB1.setText(text + after);
        f.RB1.setSelStart(int(text.size()));
        f.RB1.setFocus();
    }
    QStringList members() const
    {
        QStringList out;
        for (const ListView::Item &item : f.L1.items())
            out.append(item.text);
        return out;
    }
};

TEST_F(Completion, TheGuardSwallowsOneChangeAndTheFirstCharacterIsColoured)
{
    start(u"<p>\r\n"_qs);
    f.skipRb1Change = true;
    keyboard.type(u"<t"_qs); // the first change is swallowed, the second handled
    EXPECT_FALSE(f.skipRb1Change);
    EXPECT_TRUE(f.List1.visible());

    f.RB1.setText(QString());
    keyboard.type(u"<"_qs);
    EXPECT_EQ(f.RB1.selStart(), 1);
    EXPECT_FALSE(f.List1.visible());
    EXPECT_FALSE(f.L1.visible());
}

TEST_F(Completion, DocumentMembersNarrowAsTheUserTypes)
{
    start(js);
    keyboard.type(u"document."_qs);
    ASSERT_TRUE(f.L1.visible());
    EXPECT_EQ(f.L1.count(), 36 + 15);
    EXPECT_EQ(f.L1.selectedIndex(), 1);
    EXPECT_EQ(f.kouhoStart, f.RB1.selStart());
    EXPECT_EQ(f.L1.item(1).smallIcon, u"Pro"_qs);
    keyboard.type(u"wr"_qs);
    EXPECT_EQ(members(), (QStringList{u"write()"_qs, u"writeln()"_qs}));
    EXPECT_EQ(f.L1.item(1).smallIcon, u"Meth"_qs);
    keyboard.type(u"X"_qs); // no member begins with "wrX": the typed name is marked
    EXPECT_FALSE(f.L1.visible());
    EXPECT_FALSE(f.List1.visible());
    const int dot = int(f.RB1.text().lastIndexOf(u'.'));
    EXPECT_EQ(f.RB1.colorAt(dot + 1), 0xFF00FFu);
    EXPECT_EQ(f.RB1.colorAt(dot + 3), 0xFF00FFu);
    EXPECT_EQ(f.RB1.selStart(), f.RB1.text().size());
    EXPECT_NE(f.RB1.selColor(), 0xFF00FFu); // typing goes on in the colour it had
}

TEST_F(Completion, UnknownObjectsOpenNoList)
{
    start(js);
    keyboard.type(u"nothing."_qs);
    EXPECT_FALSE(f.L1.visible());
    EXPECT_FALSE(f.List1.visible());
    // A declared variable takes its constructor's members when a section bears the constructor's
    // name; an assigned text gives the string's members.
    start(js + u"var list = new Array();\r\n"_qs);
    keyboard.type(u"list."_qs);
    EXPECT_TRUE(f.L1.visible());
    EXPECT_TRUE(members().contains(u"join()"_qs));
    start(js + u"var pic = new Image();\r\n"_qs);
    keyboard.type(u"pic."_qs);
    EXPECT_FALSE(f.L1.visible()); // the image's section is "<image>", not "<Image()>"
    start(js + u"s = \"abc\";\r\n"_qs, u"\r\n</script>"_qs);
    keyboard.type(u"s."_qs);
    EXPECT_TRUE(members().contains(u"substring()"_qs));
}

TEST_F(Completion, AWithBlocksObjectAfterABlank)
{
    start(js + u"with (document) {\r\n"_qs);
    keyboard.type(u"\t."_qs);
    ASSERT_TRUE(f.L1.visible());
    EXPECT_EQ(f.RB1.selLength(), 0); // the dot is not selected, yet the member replaces it
    EXPECT_TRUE(members().contains(u"write()"_qs));
    f.L1.setSelectedIndex(int(members().indexOf(u"write()"_qs)) + 1);
    f.insertKouho();
    EXPECT_TRUE(f.RB1.text().endsWith(u"{\r\n\twrite()"_qs));
    EXPECT_FALSE(f.L1.visible());
    EXPECT_TRUE(f.RB1.hasFocus());
}

TEST_F(Completion, CssValuesOnceTheCssWindowHasMadeItsText)
{
    start(u"<p style=\""_qs);
    keyboard.type(u"color."_qs);
    EXPECT_FALSE(f.List1.visible()); // no CSS text yet
    f.forCss().Gettext1();
    f.Check6(0).setValue(1); // the values come whatever the tag option says
    start(u"<p style=\""_qs);
    keyboard.type(u"color."_qs);
    ASSERT_TRUE(f.List1.visible());
    EXPECT_EQ(f.List1.list().first(), u"色名"_qs);
    EXPECT_EQ(f.kouhoStart, f.RB1.selStart());
    EXPECT_EQ(f.kouhoTypedLength, 0);
    keyboard.press(keycode::Down); // several values: into the list, its first one explained
    EXPECT_TRUE(f.List1.hasFocus());
    EXPECT_EQ(f.List1.listIndex(), 0);
    EXPECT_TRUE(f.Frmexp.visible());
    EXPECT_EQ(f.LblExp.caption(), u"red、blueなどの色の名前"_qs);
    keyboard.press(keycode::Space);
    EXPECT_EQ(keys.sent, QStringList{u"{DOWN}"_qs});
    EXPECT_EQ(f.List1.listIndex(), 1);
    EXPECT_EQ(f.LblExp.caption(), u"16進数6桁で指定"_qs);
    keyboard.press(keycode::Return);
    EXPECT_TRUE(f.RB1.text().endsWith(u"color.#rrggbb"_qs));
    EXPECT_FALSE(f.List1.visible());
}

TEST_F(Completion, TagCandidatesAndTheirOptions)
{
    start(u"<p>\r\n"_qs);
    keyboard.type(u"<"_qs);
    EXPECT_FALSE(f.List1.visible()); // shorter than the minimum length "2"
    keyboard.type(u"ta"_qs);
    ASSERT_TRUE(f.List1.visible());
    // With the case option cleared the tags come as the table holds them.
    EXPECT_TRUE(f.List1.list().contains(u"<table>"_qs));
    EXPECT_TRUE(f.List1.list().contains(u"<TABLE>"_qs));
    f.Check2.setValue(2);
    start(u"<p>\r\n"_qs);
    keyboard.type(u"<tab"_qs);
    EXPECT_EQ(f.List1.list(), QStringList{u"<table>"_qs});
    f.Check6(0).setValue(1);
    keyboard.type(u"l"_qs);
    EXPECT_FALSE(f.List1.visible());
    // The only candidate equal to the typed word opens nothing.
    f.Check6(0).setValue(0);
    start(u"<p>\r\n<TABLE"_qs);
    keyboard.type(u">"_qs);
    EXPECT_FALSE(f.List1.visible());
}

TEST_F(Completion, DeclaredVariablesAreOffered)
{
    start(js + u"var total = 0;\r\n</script>\r\n"_qs);
    keyboard.type(u"to"_qs);
    ASSERT_TRUE(f.List1.visible());
    EXPECT_EQ(f.List1.list().last(), u"total"_qs);
}

TEST_F(Completion, ReservedWordsAreWarnedOncePerDeclarationOrLine)
{
    start(js + u"x = 0;\r\n"_qs);
    keyboard.type(u"var if = 3;"_qs);
    EXPECT_EQ(messages.prompts, QStringList{u"予約語は使用できません"_qs});
    keyboard.type(u" // still the same declaration"_qs);
    EXPECT_EQ(messages.prompts.size(), 1);
    keyboard.type(u"\r\nfor=1"_qs);
    EXPECT_EQ(messages.prompts.last(), u"予約文字は使用できません"_qs);
    EXPECT_EQ(messages.prompts.size(), 2);
    keyboard.type(u"\r\n\tIf("_qs);
    EXPECT_EQ(messages.prompts.last(), u"予約文字ではありません。"_qs);
    EXPECT_EQ(messages.prompts.size(), 3);
    EXPECT_EQ(f.varTable.name(1), u"if"_qs);
}

TEST_F(Completion, OneCandidateGoesInWithItsClosingTag)
{
    clipboard.content = u"the user's own"_qs;
    f.Check2.setValue(1);
    start(u"<p>\r\n"_qs);
    keyboard.type(u"<tabl"_qs);
    ASSERT_EQ(f.List1.list(), QStringList{u"<TABLE>"_qs});
    keyboard.press(keycode::Return);
    EXPECT_EQ(f.RB1.text(), u"<p>\r\n<TABLE></TABLE>"_qs);
    EXPECT_EQ(f.RB1.selStart(), 12); // between the tags
    EXPECT_FALSE(f.List1.visible());
    EXPECT_EQ(clipboard.content, u"the user's own"_qs);
}

TEST_F(Completion, ListKeysAndTheirInsertions)
{
    start(u"<p>\r\n"_qs);
    keyboard.type(u"<t"_qs);
    ASSERT_GT(f.List1.listCount(), 2);
    keyboard.press(keycode::Tab); // nothing chosen: into the list, its first item chosen
    EXPECT_TRUE(f.List1.hasFocus());
    EXPECT_EQ(f.List1.listIndex(), 0);
    keyboard.press(keycode::Space, keycode::ShiftMask);
    EXPECT_EQ(keys.sent.last(), u"{UP}"_qs);
    f.List1.setListIndex(f.List1.listCount() - 1);
    keyboard.press(keycode::Space); // the last one wraps to the first
    EXPECT_EQ(f.List1.listIndex(), 0);
    const QString chosen = f.List1.listItem(0);
    f.List1.userDoubleClicked();
    EXPECT_TRUE(f.RB1.text().startsWith(u"<p>\r\n"_qs + chosen));
    EXPECT_EQ(f.RB1.selStart(), 5 + chosen.size()); // a tag: the caret after the candidate
    EXPECT_TRUE(f.RB1.hasFocus());

    start(u"<p>\r\n"_qs);
    keyboard.type(u"<ta"_qs);
    ASSERT_TRUE(f.List1.visible());
    EXPECT_FALSE(f.RB1.userKeyDown(keycode::Back, 0)); // closes the lists, the key goes on
    EXPECT_FALSE(f.List1.visible());
    f.RB1.userDeleted(true); // "<t" opens them again
    ASSERT_TRUE(f.List1.visible());
    keyboard.press(keycode::Back);
    EXPECT_FALSE(f.List1.visible());
    EXPECT_EQ(f.RB1.text(), u"<p>\r\n<"_qs);
    keyboard.type(u"ta"_qs);
    ASSERT_TRUE(f.List1.visible());
    f.List1.setListIndex(1);
    keyboard.press(keycode::Tab, 0, u"\t"_qs); // an item is chosen: the Tab goes into the text
    EXPECT_TRUE(f.RB1.text().endsWith(u"<ta\t"_qs));
}

TEST_F(Completion, EscClosesTheListsAndLeavesTheExplanation)
{
    f.forCss().Gettext1();
    start(u"<p style=\""_qs);
    keyboard.type(u"color."_qs);
    keyboard.press(keycode::Down);
    ASSERT_TRUE(f.Frmexp.visible());
    f.RB1.setFocus();
    keyboard.press(keycode::Escape);
    EXPECT_FALSE(f.List1.visible());
    EXPECT_TRUE(f.Frmexp.visible());
}

TEST_F(Completion, EnterKeepsTheIndentation)
{
    start(u"<p>\r\n\t\t<b>"_qs);
    keyboard.type(u"\r\nx"_qs);
    EXPECT_EQ(f.RB1.text(), u"<p>\r\n\t\t<b>\r\n\t\tx"_qs);
    start(u"first"_qs);
    keyboard.type(u"\r\n"_qs);
    EXPECT_EQ(f.RB1.text(), u"first\r\n"_qs);
}

TEST_F(Completion, MemberListKeysAndExplanations)
{
    start(js);
    keyboard.type(u"document."_qs);
    ASSERT_TRUE(f.L1.visible());
    keyboard.press(keycode::Down); // into the list; the selected member explained
    EXPECT_TRUE(f.L1.hasFocus());
    EXPECT_EQ(f.L1.selectedIndex(), 1);
    EXPECT_TRUE(f.Frmexp.visible());
    EXPECT_EQ(f.LblExp.caption(), u"クリック中のリンクの色を取得・設定"_qs);
    keyboard.press(keycode::Down); // the explanation follows the member the key selects
    EXPECT_EQ(f.L1.selectedIndex(), 2);
    EXPECT_EQ(f.LblExp.caption(), u"文書内のアンカーを配列で返す"_qs);
    keyboard.press(keycode::Space);
    EXPECT_EQ(keys.sent, QStringList{u"{DOWN}"_qs});
    EXPECT_EQ(f.L1.selectedIndex(), 3);
    f.L1.setSelectedIndex(f.L1.count());
    keyboard.press(keycode::Space); // the last member wraps to the first, and that is all
    EXPECT_EQ(f.L1.selectedIndex(), 1);
    EXPECT_EQ(keys.sent.size(), 1);
    const QString text = f.RB1.text();
    keyboard.press(keycode::Escape);
    EXPECT_FALSE(f.L1.visible());
    EXPECT_FALSE(f.Frmexp.visible());
    EXPECT_TRUE(f.RB1.hasFocus());
    EXPECT_EQ(f.RB1.text(), text);
}

TEST_F(Completion, MembersGoInAfterTheDot)
{
    start(js);
    keyboard.type(u"document.wr"_qs);
    keyboard.press(keycode::Control); // Ctrl moves into the list as well
    ASSERT_TRUE(f.L1.hasFocus());
    keyboard.press(keycode::Return);
    EXPECT_EQ(f.RB1.text(), js + u"document.write()"_qs);
    EXPECT_EQ(f.RB1.selStart(), f.RB1.text().size()); // after the ")"
    EXPECT_TRUE(f.RB1.hasFocus());
    EXPECT_FALSE(f.L1.visible());
    // A member with quotes: the caret right after the first one.
    start(js);
    keyboard.type(u"window.op"_qs);
    const QStringList offered = members();
    const int open = int(offered.indexOf(u"open(\"URL\",\"ウィンドウ名\",\"属性\")"_qs));
    ASSERT_GE(open, 0);
    f.L1.setSelectedIndex(open + 1);
    f.insertKouho();
    EXPECT_EQ(f.RB1.text(), js + u"window.open(\"URL\",\"ウィンドウ名\",\"属性\")"_qs);
    EXPECT_EQ(f.RB1.selStart(), js.size() + 13);
}

TEST_F(Completion, ListsOpenBelowTheCaretOrAboveIt)
{
    start(u"<p>\r\n"_qs);
    f.RB1.move(300, 600, 9000, 6000);
    caret.pos = QPoint(40, 20);
    keyboard.type(u"<ta"_qs);
    ASSERT_TRUE(f.List1.visible());
    EXPECT_TRUE(f.kouhoListBelow);
    EXPECT_EQ(f.List1.left(), 40 * 15 + 300 - 150);
    EXPECT_EQ(f.List1.top(), 20 * 15 + 600 + int(2 * 15 * f.RB1.font().size));
    EXPECT_EQ(f.List1.height(), 2000);
    EXPECT_EQ(f.List1.width(), 2000); // never narrower
    // Low in the view the list opens above the caret line, and its explanation above the list.
    f.forCss().Gettext1();
    caret.pos = QPoint(40, 300);
    start(u"<p style=\""_qs);
    keyboard.type(u"color."_qs);
    keyboard.press(keycode::Down);
    EXPECT_FALSE(f.kouhoListBelow);
    EXPECT_EQ(f.List1.top(), 300 * 15 + 600 - 2000);
    EXPECT_LT(f.Frmexp.top() + f.Frmexp.height(), f.List1.top());
    // A long candidate widens the list up to the view's right edge.
    f.List1.setFont(Font{u"x"_qs, 40});
    caret.pos = QPoint(400, 20);
    start(u"<p>\r\n"_qs);
    keyboard.type(u"<ta"_qs);
    EXPECT_EQ(f.List1.width(), f.RB1.width() - f.List1.left() - 100);
    // Members: always 3000 wide and 2000 high.
    start(js);
    keyboard.type(u"document."_qs);
    EXPECT_EQ(f.L1.width(), 3000);
    EXPECT_EQ(f.L1.height(), 2000);
}

TEST_F(Completion, RightButtonPopsTheEditMenuUp)
{
    f.RB1.userMouseDown(1);
    EXPECT_EQ(f.lastPopup(), nullptr);
    f.RB1.userMouseDown(2);
    EXPECT_EQ(f.lastPopup(), &f.med);
}

} // namespace

namespace {

TEST_F(Completion, TheCompletionPanelSetsBothListsFontSize)
{
    f.Text7.setText(u"14"_qs);
    f.Command29.userClicked();
    EXPECT_EQ(f.List1.font().size, 14);
    EXPECT_EQ(f.L1.font().size, 14);
}

} // namespace

namespace {

TEST(CandidateFile, ReadInCp932FromTheProgramFolder)
{
    QTemporaryDir dir;
    // Lines ended by CR alone and by CR LF, in the Japanese code page.
    ASSERT_TRUE(writeTextFile(dir.path() + u"/interi.sns"_qs,
                              u"<div class=\"見出し\">\r  <span>;x  \r\n"_qs));
    Form1 f;
    f.programFolder = dir.path();
    f.settingsFolder = dir.path();
    f.workFolder = dir.path();
    f.Form_Load();
    const QStringList &entries = f.kouhoList.entries();
    const qsizetype reserved = entries.indexOf(u"abstract"_qs);
    ASSERT_GE(reserved, 2);
    EXPECT_EQ(entries.at(reserved - 2), u"<div class='見出し'>"_qs);
    EXPECT_EQ(entries.at(reserved - 1), u"<span>;x"_qs);
    // Half-width katakana alone, which the code page writes as bytes that are valid UTF-8 too.
    ASSERT_TRUE(writeTextFile(dir.path() + u"/interi.sns"_qs, u"<b>ﾃｽ</b>\r\n"_qs));
    Form1 katakana;
    katakana.programFolder = dir.path();
    katakana.BuildKouhoList();
    EXPECT_TRUE(katakana.kouhoList.entries().contains(u"<b>ﾃｽ</b>"_qs));
    // Without the file the table is the object text's and the reserved words'.
    Form1 plain;
    plain.BuildKouhoList();
    EXPECT_EQ(plain.kouhoList.entries().size(), entries.size() - 3); // an empty entry, two lines
}

} // namespace
