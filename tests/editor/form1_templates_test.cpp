// The source menu's templates: the header around the source, the script and style blocks, their
// case and where the caret lands.

#include "frame/form1.h"
#include "support/qt_printers.h"
#include "support/scripted_services.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString docType = u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"_qs;

class Templates : public ::testing::Test
{
protected:
    ScriptedMessages messages;
    Services services{&messages};
    Form1 f{services};
    void SetUp() override
    {
        f.TabStrip1.selectTab(3);
        f.RB1.setVisible(true);
    }
    void start(const QString &text, int caret)
    {
        f.RB1.setText(text);
        f.RB1.setSelStart(caret);
    }
    // The text with "|" at the caret.
    QString shown() const { return QString(f.RB1.text()).insert(f.RB1.selStart(), u'|'); }
};

const QString upperHeader =
    u"<HTML>\r\n<HEAD>\r\n"
    u"<META NAME=\"GENERATOR\" CONTENT=\"MORVANE 1.0.0 FOR WINDOWS\">\r\n"
    u"<META HTTP-EQUIV=\"CONTENT-TYPE\" CONTENT=\"TEXT/HTML; CHARSET=SHIFT_JIS\" >\r\n"
    u"<META HTTP-EQUIV=\"CONTENT-STYLE-TYPE\" CONTENT=\"TEXT/CSS\">\r\n"
    u"<META HTTP-EQUIV=\"CONTENT-SCRIPT-TYPE\" CONTENT=\"TEXT/JAVASCRIPT\">\r\n"
    u"<TITLE></TITLE>\r\n</HEAD>\r\n\r\n<BODY>\r\n\r\n"_qs;

TEST_F(Templates, HeaderOnAnEmptySourceInEachCase)
{
    f.Check2.setValue(1);
    start(QString(), 0);
    f.ms2_Click();
    EXPECT_EQ(f.RB1.text(), docType + upperHeader + u"\r\n</BODY>\r\n</HTML>\r\n"_qs);
    // Between the CR and the LF of the empty line after <BODY>: the caret stands on that line.
    const int body = int(f.RB1.text().indexOf(u"<BODY>"_qs));
    EXPECT_EQ(f.RB1.selStart(), body + 9);
    EXPECT_TRUE(messages.prompts.isEmpty());
    EXPECT_TRUE(f.RB1.hasFocus());
    // Typing there goes onto the empty line and keeps the line ends whole.
    f.RB1.userTyped(u"x"_qs);
    EXPECT_TRUE(f.RB1.text().contains(u"<BODY>\r\nx\r\n"_qs));

    f.Check2.setValue(2);
    start(QString(), 0);
    f.ms2_Click();
    EXPECT_EQ(f.RB1.text(), docType + upperHeader.toLower() + u"\r\n</body>\r\n</html>\r\n"_qs);
    // Cleared, the option means lower case too.
    f.Check2.setValue(0);
    start(QString(), 0);
    f.ms2_Click();
    EXPECT_TRUE(f.RB1.text().contains(u"<meta name=\"generator\""_qs));
}

TEST_F(Templates, HeaderAroundAnExistingDocument)
{
    f.Check2.setValue(1);
    start(u"<html>\r\n<p>x</p>\r\n"_qs, 0);
    f.ms2_Click();
    EXPECT_TRUE(messages.prompts.isEmpty());
    EXPECT_FALSE(f.RB1.text().contains(u"<HTML>"_qs));
    EXPECT_TRUE(f.RB1.text().endsWith(u"<html>\r\n<p>x</p>\r\n\r\n</BODY>\r\n</HTML>\r\n"_qs));

    start(u"<head>\r\n"_qs, 0);
    messages.answers = {msgbox::No};
    f.ms2_Click();
    EXPECT_EQ(messages.prompts, QStringList{u"既にヘッダーは挿入されています、続行しますか?"_qs});
    EXPECT_EQ(messages.styles.back(), msgbox::YesNo);
    EXPECT_EQ(f.RB1.text(), u"<head>\r\n"_qs);
    messages.answers = {msgbox::Yes};
    f.ms2_Click();
    EXPECT_FALSE(f.RB1.text().contains(u"<HEAD>"_qs));
    EXPECT_TRUE(f.RB1.text().contains(u"<TITLE></TITLE>\r\n</HEAD>\r\n"_qs));
    // Only "<head" and "<HEAD" are looked for.
    start(u"<Head>"_qs, 0);
    f.ms2_Click();
    EXPECT_EQ(messages.prompts.size(), 2);
}

TEST_F(Templates, ScriptBlockAndItsCaret)
{
    const QString block =
        u"<script type=\"text/javascript\">\r\n<!--\r\n\r\n// -->\r\n</script>\r\n"_qs;
    // At position 0 of a document with a closing head tag: just before that tag.
    start(u"<head>\r\n</head>\r\n"_qs, 0);
    f.ms1_Click();
    EXPECT_EQ(shown(), u"<head>\r\n<script type=\"text/javascript\">\r\n<!--\r\n\r|\n// -->\r\n"
                       u"</script>\r\n</head>\r\n"_qs);
    // A source of blanks becomes the block alone.
    start(u"   "_qs, 1);
    f.ms1_Click();
    EXPECT_EQ(f.RB1.text(), block);
    // In a document with a header whose META line names "javascript" and a URL with "//" before
    // the caret: the caret still lands inside the new block.
    f.Check2.setValue(2);
    start(QString(), 0);
    f.ms2_Click();
    f.RB1.setSelText(u"<a href=\"http://example.com/\">x</a>\r\n"_qs);
    const int at = f.RB1.selStart();
    f.ms1_Click();
    EXPECT_EQ(f.RB1.text().mid(at, block.size()), block);
    EXPECT_EQ(f.RB1.selStart(), at + block.indexOf(u"//"_qs) - 1);
    EXPECT_TRUE(f.RB1.hasFocus());
    // Upper case when the option asks for it.
    f.Check2.setValue(1);
    start(u"x"_qs, 1);
    f.ms1_Click();
    EXPECT_TRUE(f.RB1.text().contains(u"<SCRIPT TYPE=\"TEXT/JAVASCRIPT\">"_qs));
    // Hidden and not blank: nothing goes in.
    f.RB1.setVisible(false);
    start(u"x"_qs, 1);
    f.ms1_Click();
    EXPECT_EQ(f.RB1.text(), u"x"_qs);
}

TEST_F(Templates, StyleBlock)
{
    const QString block = u"<style type=\"text/css\">\r\n<!--\r\n\r\n-->\r\n</style>\r\n"_qs;
    start(u"<head>\r\n</head>\r\n"_qs, 3);
    f.ms3_Click();
    EXPECT_EQ(shown(), u"<head>\r\n"_qs + block + u"|</head>\r\n"_qs);
    // Without a closing head tag the selection is replaced.
    start(u"one two three"_qs, 4);
    f.RB1.setSelLength(3);
    f.ms3_Click();
    EXPECT_EQ(shown(), u"one "_qs + block + u"| three"_qs);
    EXPECT_TRUE(messages.prompts.isEmpty());
}

} // namespace
