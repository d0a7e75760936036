// The source commands and pages: make, show, preview, save, copy.

#include "editor/blockindent.h"
#include "editor/colorscheme.h"
#include "editor/htmlcolorizer.h"
#include "frame/form1.h"
#include "support/design_script.h"
#include "support/qt_printers.h"
#include "support/scripted_services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

class SourceCommands : public ::testing::Test
{
protected:
    ScriptedMessages messages;
    ScriptedFiles files;
    ScriptedClipboard clipboard;
    QTemporaryDir dir;
    Services services = [this] {
        Services s;
        s.messages = &messages;
        s.files = &files;
        s.clipboard = &clipboard;
        return s;
    }();
    Form1 f{services};
    int pageSwitches = 0;
    void SetUp() override
    {
        f.workFolder = dir.path();
        f.Form_Load();
        f.TabStrip1.onClick = [this] {
            if (!f.tabSwitchBusy)
                ++pageSwitches;
            f.TabStrip1_Click();
        };
        f.RB3.setText(QStringLiteral(u"[[a$b]]\r\n[[c$d]]"));
    }

    ScriptedEventPump pump;
    // A second window, loaded like f, whose long commands let `pump` run.
    std::unique_ptr<Form1> pumpedWindow()
    {
        Services withPump = services;
        withPump.events = &pump;
        auto window = std::make_unique<Form1>(withPump);
        window->workFolder = dir.path();
        window->Form_Load();
        return window;
    }
};

TEST_F(SourceCommands, MakeSourceShowsTheSourcePageOnce)
{
    f.Cmd(1).userClicked();
    EXPECT_EQ(f.TabStrip1.selectedTab(), 3);
    EXPECT_EQ(pageSwitches, 0); // the page switch did not run a second time
    EXPECT_TRUE(f.RB1.visible());
    EXPECT_FALSE(f.framesub(17).visible());
    EXPECT_TRUE(f.med.enabled() && f.mk.enabled() && f.ms.enabled());
    EXPECT_TRUE(f.RB1.text().contains(QStringLiteral(u"\t\t<td>\r\n"))); // indented
    EXPECT_GT(f.RB1.colorRuns().size(), 3u);                             // coloured
    EXPECT_FALSE(f.tabSwitchBusy);
}

TEST_F(SourceCommands, EachPassOfTheMakeCommandRunsOnce)
{
    // What RB1 held after each change of its text: the command writes the generated source, then
    // its indentation, and nothing else (no unindent and indent again, no interim texts).
    QStringList texts;
    f.RB1.onChange = [this, &texts] {
        texts << f.RB1.text();
        f.RB1_Change();
    };
    f.Cmd(1).userClicked();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts[0].startsWith(QStringLiteral(u"<table")));
    EXPECT_EQ(editor::indentHtmlSource(texts[0]), texts[1]);
    EXPECT_EQ(f.RB1.text(), texts[1]);
    // Coloured when first needed, and as a whole pass over the shown text would colour it.
    EXPECT_TRUE(f.RB1.colorsPending());
    EXPECT_EQ(f.RB1.colorRuns(), editor::colorRuns(texts[1], editor::ColorScheme::dark()));

    // The source page shown again with the text as it was indented: nothing is rewritten.
    f.TabStrip1.userSelected(1);
    f.TabStrip1.userSelected(3);
    EXPECT_EQ(texts.size(), 2);

    // An edit since: the page unindents and indents again.
    f.RB1.setSelStart(0);
    f.RB1.userTyped(QStringLiteral(u"\t<p>x</p>"));
    f.TabStrip1.userSelected(1);
    f.TabStrip1.userSelected(3);
    ASSERT_EQ(texts.size(), 5);
    EXPECT_FALSE(texts[3].contains(u'\t'));
    EXPECT_EQ(texts[4], editor::indentHtmlSource(texts[3]));
}

TEST_F(SourceCommands, APageChosenDuringTheMakeCommandWaitsUntilItEnds)
{
    const std::unique_ptr<Form1> window = pumpedWindow();
    Form1 &g = *window;
    g.RB3.setText(QStringLiteral(u"[[a$b]]\r\n[[c$d]]"));
    QStringList log;
    g.TabStrip1.onClick = [&] {
        log << QStringLiteral(u"page %1%2")
                   .arg(g.TabStrip1.selectedTab())
                   .arg(g.tabSwitchBusy ? QStringLiteral(u" (by the command)") : QString());
        g.TabStrip1_Click();
    };
    g.Cmd(1).onClick = [&] {
        log << QStringLiteral(u"make begins");
        g.Cmd_Click(1);
        log << QStringLiteral(u"make ends");
    };
    // The window paints in the middle of the make; the user picks the preview page meanwhile.
    pump.during = [&] {
        if (log.size() == 1)
            g.TabStrip1.userSelected(2);
    };
    g.Cmd(1).userClicked();
    EXPECT_GT(pump.calls, 1);
    EXPECT_EQ(log.join(u'|'),
              QStringLiteral(u"make begins|page 3 (by the command)|make ends|page 2"));
    EXPECT_TRUE(g.WebBrowser1.visible()); // the page switch ran whole, after the make
    EXPECT_EQ(g.TabStrip1.selectedTab(), 2);
}

TEST_F(SourceCommands, PreviewLetsTheWindowPaintBetweenItsSteps)
{
    const std::unique_ptr<Form1> window = pumpedWindow();
    Form1 &g = *window;
    QStringList states;
    pump.during = [&] {
        states << QStringLiteral(u"%1 %2 %3")
                      .arg(QFile::exists(dir.filePath(QStringLiteral(u"$html$.html"))))
                      .arg(QFile::exists(dir.filePath(QStringLiteral(u"$Set$.set"))))
                      .arg(g.WebBrowser1.visible());
    };
    g.ShowPreview();
    // After the preview file, after the settings copy, after the browser was sent and shown.
    EXPECT_EQ(states.join(u'|'), QStringLiteral(u"1 0 0|1 1 0|1 1 1"));
}

TEST_F(SourceCommands, PreviewOfEditedTextVersusThePreviewPage)
{
    f.Cmd(1).userClicked();
    f.RB1.setText(QStringLiteral(u"<p>edited</p>"));
    f.Cmd(3).userClicked();
    EXPECT_EQ(f.TabStrip1.selectedTab(), 2);
    EXPECT_EQ(pageSwitches, 0);
    const QString preview = dir.filePath(QStringLiteral(u"$html$.html"));
    EXPECT_EQ(readBytes(preview), QByteArray("<p>edited</p>\r\n"));
    EXPECT_EQ(f.WebBrowser1.locationURL(), preview);
    EXPECT_TRUE(f.WebBrowser1.visible());
    EXPECT_FALSE(f.RB1.visible());
    EXPECT_TRUE(readBytes(dir.filePath(QStringLiteral(u"$Set$.set"))).endsWith("<end>\r\n"));

    f.TabStrip1.userSelected(1);
    f.TabStrip1.userSelected(2); // by hand: the source is made anew, edits are gone
    EXPECT_TRUE(f.RB1.text().startsWith(QStringLiteral(u"<table")));
    EXPECT_TRUE(readBytes(preview).startsWith("<table"));
    EXPECT_FALSE(f.med.enabled());
}

TEST_F(SourceCommands, ASecondPreviewWritesOnlyFilesThatChangedOrWereTouched)
{
    f.Cmd(1).userClicked();
    f.Cmd(3).userClicked();
    const QString preview = dir.filePath(QStringLiteral(u"$html$.html"));
    const QString settings = dir.filePath(QStringLiteral(u"$Set$.set"));
    const QByteArray page = readBytes(preview);
    const QByteArray design = readBytes(settings);
    const QDateTime longAgo(QDate(2001, 1, 1), QTime(0, 0));
    auto age = [&](const QString &path) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
    };
    auto rewritten = [&](const QString &path) { return QFileInfo(path).lastModified() != longAgo; };
    age(preview);
    age(settings);
    f.Cmd(3).userClicked();
    EXPECT_FALSE(rewritten(preview));
    EXPECT_FALSE(rewritten(settings));

    // Deleted or edited meanwhile: written anew.
    ASSERT_TRUE(QFile::remove(preview));
    QByteArray edited = design;
    edited[edited.size() - 9] = 'X';
    QFile copy(settings);
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly | QIODevice::Truncate));
    copy.write(edited);
    copy.close();
    f.Cmd(3).userClicked();
    EXPECT_EQ(readBytes(preview), page);
    EXPECT_EQ(readBytes(settings), design);

    // A changed design, an edited source: only the file that shows it is written.
    age(preview);
    age(settings);
    f.RB3.setText(QStringLiteral(u"[[e$f]]"));
    f.Cmd(3).userClicked();
    EXPECT_FALSE(rewritten(preview));
    EXPECT_TRUE(readBytes(settings).contains("[[e$f]]"));
    age(settings);
    f.RB1.setText(QStringLiteral(u"<p>edited</p>"));
    f.Cmd(3).userClicked();
    EXPECT_EQ(readBytes(preview), QByteArray("<p>edited</p>\r\n"));
    EXPECT_FALSE(rewritten(settings));
}

TEST_F(SourceCommands, PreviewKeepsCharactersTheCodePageLacks)
{
    f.RB1.setText(QStringLiteral(u"<p>€</p>"));
    f.Cmd(3).userClicked();
    EXPECT_EQ(readBytes(dir.filePath(QStringLiteral(u"$html$.html"))), QByteArray("<p>&#8364;</p>\r\n"));
}

TEST_F(SourceCommands, UnwritablePreviewIsReported)
{
    f.Cmd(3).userClicked();
    const QString earlier = f.WebBrowser1.locationURL();
    EXPECT_FALSE(earlier.isEmpty());
    f.SetNamePath(QStringLiteral(u"$html$.html"), dir.filePath(QStringLiteral(u"missing/folder")));
    messages.answers = {msgbox::OK};
    f.Cmd(3).userClicked();
    EXPECT_EQ(messages.prompts.size(), 1);
    EXPECT_NE(f.WebBrowser1.locationURL(), earlier);
}

// The source page comes back on the line it showed, in a source of more lines than a 16-bit
// line number holds, with the line in view beyond that range and near the end. A typed character
// makes the page indent the source again, a rewrite of the whole text.
TEST_F(SourceCommands, FirstVisibleLineIsKept)
{
    // The largest table a design holds is 1000 rows; twelve cells a row make the lines.
    f.RB3.setText(QStringLiteral(u"[[x$x$x$x$x$x$x$x$x$x$x$x]]\r\n").repeated(1000));
    f.Cmd(1).userClicked();
    ASSERT_GT(f.RB1.lineCount(), 36000);
    for (const int line : {40, 35000, f.RB1.lineCount() - 2}) {
        f.RB1.userSelected(int(f.RB1.text().size()), 0);
        f.RB1.userTyped(QStringLiteral(u"y"));
        f.RB1.lineScroll(line - f.RB1.firstVisibleLine());
        ASSERT_EQ(f.RB1.firstVisibleLine(), line);
        f.TabStrip1.userSelected(1);
        f.TabStrip1.userSelected(3);
        EXPECT_EQ(f.RB1.firstVisibleLine(), line);
    }
}

TEST_F(SourceCommands, SaveAsksBeforeOverwriting)
{
    f.Cmd(1).userClicked();
    const QString path = dir.filePath(QStringLiteral(u"out.html"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("keep");
    file.close();
    files.savePath = path;
    messages.answers = {msgbox::No};
    f.Command19.userClicked();
    EXPECT_EQ(readBytes(path), QByteArray("keep"));
    messages.answers = {msgbox::Yes};
    f.mhtml.userClicked();
    EXPECT_EQ(readBytes(path), f.RB1.text().toUtf8()); // ASCII source: same bytes in CP932
    EXPECT_EQ(files.requests.back().title, QStringLiteral(u"名前を付けて保存"));
}

TEST_F(SourceCommands, ASavedSourceInsertedAgainThroughAMarkerReadsAsWritten)
{
    // Two half-width katakana are the bytes C3 BD in the code page, which also form a valid
    // UTF-8 character: the saved file must still read back as the katakana it was written from.
    f.Cmd(1).userClicked();
    f.RB1.setText(QStringLiteral(u"<p>ﾃｽ</p>\r\n"));
    const QString path = dir.filePath(QStringLiteral(u"saved.html"));
    files.savePath = path;
    f.mhtml.userClicked();
    ASSERT_EQ(readBytes(path), QByteArray("<p>\xC3\xBD</p>\r\n"));
    f.RB3.setText(QStringLiteral(u"[[[%") + path + QStringLiteral(u"]]]"));
    ASSERT_TRUE(f.MakeTableSource());
    EXPECT_TRUE(f.RB1.text().contains(QStringLiteral(u"<p>ﾃｽ</p>\r\n</t")))
        << f.RB1.text().toStdString();
}

TEST_F(SourceCommands, ClipboardAndClearCommand)
{
    f.Cmd(1).userClicked();
    f.Command15.userClicked();
    EXPECT_EQ(clipboard.content, f.RB1.text());
    messages.answers = {msgbox::No};
    f.Cmd(5).userClicked();
    EXPECT_FALSE(f.RB3.text().isEmpty());
    messages.answers = {msgbox::Yes};
    f.Cmd(5).userClicked();
    EXPECT_TRUE(f.RB3.text().isEmpty());
    EXPECT_EQ(messages.prompts.last(), QStringLiteral(u"テキストを消去します"));
    f.Cmd_Click(2);
    f.Cmd_Click(8);
    EXPECT_EQ(messages.prompts.size(), 2);
}

// The make command and the preview page bring the tag case in line with Check2, as the sample
// and the CSV import do; a script keeps the writer's case, its names being case-sensitive.
TEST_F(SourceCommands, MadeSourceFollowsTheTagCaseOption)
{
    f.RB3.setText(QStringLiteral(u"[[<B>a</B>$b]]"));
    f.Check2.userClicked(); // "大文字": Check2 at 1
    ASSERT_EQ(f.Check2.value(), 1);
    f.Cmd(1).userClicked();
    EXPECT_TRUE(f.RB1.text().contains(QStringLiteral(u"<TABLE  BORDER=")));
    EXPECT_TRUE(f.RB1.text().contains(QStringLiteral(u"<B>a</B>")));
    EXPECT_FALSE(f.RB1.text().contains(QStringLiteral(u"<td")));

    f.TabStrip1.userSelected(1);
    f.TabStrip1.userSelected(2);
    EXPECT_TRUE(readBytes(dir.filePath(QStringLiteral(u"$html$.html"))).startsWith("<TABLE  BORDER="));

    f.Check2.userClicked(); // cleared: 0, lower case
    ASSERT_EQ(f.Check2.value(), 0);
    f.Cmd(1).userClicked();
    EXPECT_TRUE(f.RB1.text().contains(QStringLiteral(u"<b>a</b>")));

    f.Moomoji.userClicked();
    f.Check5.setValue(1); // on the source page: made anew at once, as a script
    EXPECT_TRUE(f.RB1.text().contains(QStringLiteral(u"document.write('<tr',IchiTate[i],IchiYoko[i],'>');")));
}

// Ticking "番号" or "JavaScript" on the source page shows the source made with it at once; on the
// settings page nothing is made.
TEST_F(SourceCommands, NumberAndScriptOptionsRemakeTheShownSource)
{
    f.Check4.userClicked();
    EXPECT_TRUE(f.RB1.text().isEmpty());
    f.Check4.userClicked();
    f.Cmd(1).userClicked();
    f.Check4.userClicked();
    EXPECT_TRUE(f.RB1.text().contains(QStringLiteral(u"(1,1)a")));
    EXPECT_EQ(f.TabStrip1.selectedTab(), 3);
    f.Check5.userClicked();
    EXPECT_TRUE(f.RB1.text().startsWith(QStringLiteral(u"<script type=\"text/javascript\">")));
    EXPECT_TRUE(f.RB1.text().contains(QStringLiteral(u"Data[0] = '(1,1)a';")));
    f.Check4.userClicked();
    EXPECT_TRUE(f.RB1.text().contains(QStringLiteral(u"Data[0] = 'a';")));
    EXPECT_EQ(f.GetSettingIni({}, {}, QStringLiteral(u"Java"), {}), QStringLiteral(u"1"));
    EXPECT_EQ(pageSwitches, 0);
}

} // namespace
