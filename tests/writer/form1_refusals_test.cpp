// What the writer refuses, and that a refusal changes nothing: counts beyond the designer's range,
// a delimiter holding a line break, a text-file marker naming something that is not a small file.

#include "support/design_script.h"
#include "support/qt_printers.h"
#include "support/scripted_services.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

TEST(RefusedCounts, NothingIsBuiltOrWrittenBeforeTheRefusal)
{
    ScriptedMessages messages;
    Services services;
    services.messages = &messages;
    Form1 f(services);
    f.Form_Load();
    f.RB1.setText(QStringLiteral(u"<p>old</p>"));
    for (const char16_t *cellData : {u"", u"   "}) {
        for (const char16_t *count : {u"1001", u"30000", u"99999999999999999999"}) {
            f.RB3.setText(QString::fromUtf16(cellData));
            f.Text1(0).setText(QString::fromUtf16(count)); // the spinner refuses it, the box keeps it
            EXPECT_FALSE(f.MakeTableSource()) << QString::fromUtf16(count).toStdString();
            EXPECT_EQ(f.RB3.text(), QString::fromUtf16(cellData));
            EXPECT_EQ(f.RB1.text(), QStringLiteral(u"<p>old</p>"));
            EXPECT_EQ(f.Text1(0).text(), QString::fromUtf16(count));
        }
    }
    // The make-source command tells the user and stays where it was.
    f.Cmd(1).userClicked();
    EXPECT_EQ(messages.prompts.size(), 1);
    EXPECT_EQ(f.TabStrip1.selectedTab(), 1);
    // A count within the range builds the template as before.
    f.RB3.setText(QString());
    f.Text1(0).setText(QStringLiteral(u"3"));
    EXPECT_TRUE(f.MakeTableSource());
    EXPECT_EQ(f.RB3.text().count(QStringLiteral(u"\r\n")), 3);
}

TEST(Delimiter, APastedLineBreakNeverReachesIt)
{
    Form1 f;
    f.Form_Load();
    f.Text6.userTyped(QStringLiteral(u"\r\n"));
    EXPECT_EQ(f.Text6.text(), QString());
    f.Text6.userTyped(QStringLiteral(u"|\r\nmore"));
    EXPECT_EQ(f.Text6.text(), QStringLiteral(u"|"));
    f.Text6.setText(QStringLiteral(u";\nx"));
    EXPECT_EQ(f.Text6.text(), QStringLiteral(u";"));
    f.RB3.setText(QStringLiteral(u"[[a;b]]\r\n[[c;d]]\r\n"));
    ASSERT_TRUE(f.MakeTableSource());
    EXPECT_EQ(f.Text1(0).text(), QStringLiteral(u"2"));
    EXPECT_EQ(f.Text1(1).text(), QStringLiteral(u"2"));
    EXPECT_EQ(f.RB1.text().count(QStringLiteral(u"<tr>")), 2);
}

class FileMarkers : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    // The cell's text after the writer took the marker in.
    QString cellFor(const QString &path)
    {
        Form1 f;
        f.Form_Load();
        f.RB3.setText(QStringLiteral(u"[[x[%") + path + QStringLiteral(u"]y]]"));
        EXPECT_TRUE(f.MakeTableSource());
        return f.cellTexts.get(0, 0).toString();
    }
    QString file(const QString &name, const QByteArray &bytes)
    {
        QFile out(dir.filePath(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return out.fileName();
    }
};

TEST_F(FileMarkers, OnlyARegularFileOfAtMost16MiBIsRead)
{
    EXPECT_EQ(cellFor(file(QStringLiteral(u"small.txt"), "inserted")), QStringLiteral(u"inserted"));
    const QByteArray limit(int(RichTextBox::MaxLoadBytes), 'a');
    EXPECT_EQ(cellFor(file(QStringLiteral(u"limit.txt"), limit)).size(), limit.size());
    const QString large = file(QStringLiteral(u"large.txt"), limit + 'b');
    EXPECT_EQ(cellFor(large), QStringLiteral(u"x[%") + large + QStringLiteral(u"]y"));
    for (const QString &other : {QStringLiteral(u"/dev/zero"), dir.path()})
        EXPECT_EQ(cellFor(other), QStringLiteral(u"x[%") + other + QStringLiteral(u"]y"));
}

TEST_F(FileMarkers, APipeIsNotWaitedFor)
{
    const QString fifo = dir.filePath(QStringLiteral(u"pipe"));
    if (mkfifo(QFile::encodeName(fifo).constData(), 0600) != 0)
        GTEST_SKIP() << "no named pipes here";
    EXPECT_FALSE(RichTextBox::readFileText(fifo).has_value());
    EXPECT_EQ(cellFor(fifo), QStringLiteral(u"x[%") + fifo + QStringLiteral(u"]y"));
}

} // namespace
