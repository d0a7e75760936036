// The cell-data commands: sample, CSV import, image and text-file insertion, blank removal, menu.

#include "frame/form1.h"
#include "support/qt_printers.h"
#include "support/scripted_services.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class CellDataCommands : public ::testing::Test
{
protected:
    ScriptedMessages messages;
    ScriptedFiles files;
    QTemporaryDir dir;
    Services services = [this] {
        Services s;
        s.messages = &messages;
        s.files = &files;
        return s;
    }();
    Form1 f{services};
    void SetUp() override
    {
        f.workFolder = dir.path();
        f.Form_Load();
    }
    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }
};

TEST_F(CellDataCommands, SampleReplacesATemplateWithoutAsking)
{
    f.Text6.setText(QStringLiteral(u"|"));
    f.BuildRowTemplate();
    f.InsertSampleData();
    EXPECT_EQ(messages.prompts.size(), 0);
    EXPECT_TRUE(f.RB3.text().startsWith(QStringLiteral(u"[[   曜日/時間 |   月曜 |")));
    EXPECT_TRUE(f.RB3.text().endsWith(QStringLiteral(u"数学   ]]") + QString(55, u' ')));
    EXPECT_EQ(f.Txttit.text().size(), 14);
    EXPECT_TRUE(f.Txttit.text().endsWith(QStringLiteral(u"3年F組　時間割")));
    EXPECT_EQ(f.Text1(0).text(), QStringLiteral(u"5"));
    EXPECT_EQ(f.Text1(1).text(), QStringLiteral(u"6"));
    EXPECT_TRUE(f.RB1.text().contains(QStringLiteral(u"<th>   月曜 </th>")));
    EXPECT_FALSE(f.RB1.visible());
    EXPECT_FALSE(f.med.enabled());
}

TEST_F(CellDataCommands, SampleAsksBeforeReplacingData)
{
    f.RB3.setText(QStringLiteral(u"[[mine]]"));
    messages.answers = {msgbox::No};
    f.InsertSampleData();
    EXPECT_EQ(f.RB3.text(), QStringLiteral(u"[[mine]]"));
    messages.answers = {msgbox::Yes};
    f.InsertSampleData();
    EXPECT_TRUE(f.RB3.text().startsWith(QStringLiteral(u"[[   曜日")));
}

TEST_F(CellDataCommands, CsvImport)
{
    files.openPath = writeFile(QStringLiteral(u"時刻.csv"), "a,b,c\r\n\r\n\"x,y\",z\n\x95\x5c");
    f.ImportCsv();
    EXPECT_EQ(f.RB3.text(),
              QStringLiteral(u"[[a,b,c]]\r\n[[    ]]\r\n[[\"x,y\",z]]\r\n[[表]]\r\n"));
    EXPECT_EQ(f.Text6.text(), QStringLiteral(u","));
    EXPECT_EQ(f.Txttit.text(), QStringLiteral(u"時刻"));
    EXPECT_EQ(f.Text1(2).text(), QString());
    EXPECT_EQ(f.txtwaku2(1).text(), QStringLiteral(u"0"));
    EXPECT_EQ(f.Text1(0).text(), QStringLiteral(u"4"));
    EXPECT_EQ(f.Text1(1).text(), QStringLiteral(u"3"));
    // No size attributes and no border for an imported table.
    EXPECT_TRUE(f.RB1.text().startsWith(
        QStringLiteral(u"<table  align=\"center\" bgcolor=\"\" bordercolorlight")));
    EXPECT_TRUE(f.RB1.text().contains(QStringLiteral(u"<td>\"x</td>\r\n<td>y\"</td>")));
}

TEST_F(CellDataCommands, CsvIsReadInTheCodePageItWasWrittenIn)
{
    // ASCII and half-width katakana in the Japanese code page: "ﾃｽ" is also valid UTF-8.
    files.openPath = writeFile(QStringLiteral(u"k.csv"), "id,\xC3\xBD,\xC6\xAC\r\n");
    f.ImportCsv();
    EXPECT_EQ(f.RB3.text(), QStringLiteral(u"[[id,ﾃｽ,ﾆｬ]]\r\n"));
    // A Japanese line in UTF-8, with and without the byte-order mark.
    const QByteArray line = QStringLiteral(u"品名,価格,数量,備考の欄\r\n").toUtf8();
    for (const QByteArray &bytes : {line, "\xEF\xBB\xBF" + line}) {
        files.openPath = writeFile(QStringLiteral(u"u.csv"), bytes);
        f.ImportCsv();
        EXPECT_EQ(f.RB3.text(), QStringLiteral(u"[[品名,価格,数量,備考の欄]]\r\n"));
    }
}

TEST_F(CellDataCommands, CsvCaptionNeverCutsIntoTheFolder)
{
    QDir(dir.path()).mkdir(QStringLiteral(u"data.d"));
    files.openPath = writeFile(QStringLiteral(u"data.d/ab"), "1,2\r\n");
    f.ImportCsv();
    EXPECT_EQ(f.Txttit.text(), QString());
}

TEST_F(CellDataCommands, CsvTooLargeIsRefused)
{
    const QString before = f.RB3.text();
    files.openPath = writeFile(QStringLiteral(u"big.csv"), QByteArray("1\r\n").repeated(1001));
    messages.answers = {msgbox::OK};
    f.ImportCsv();
    EXPECT_EQ(messages.prompts.size(), 1);
    EXPECT_EQ(f.RB3.text(), before);
    files.openPath = writeFile(QStringLiteral(u"wide.csv"), QByteArray("1,").repeated(1000) + "1");
    messages.answers = {msgbox::OK};
    f.ImportCsv();
    EXPECT_EQ(messages.prompts.size(), 2);
    EXPECT_EQ(f.Text6.text(), QStringLiteral(u"$"));
}

// A long CSV file is made into rows on several threads: the rows are those of a short one, and a
// line of too many cells in the middle still refuses the file.
TEST_F(CellDataCommands, ALongCsvIsImportedAsAShortOne)
{
    QByteArray csv;
    QString rows;
    for (int r = 0; r < 1000; ++r) {
        QByteArray line;
        // Now and then an empty line, or one of a single short cell.
        if (r % 89 == 7)
            line = "x";
        for (int c = 0; r % 97 != 5 && r % 89 != 7 && c < 300; ++c)
            line += (c ? "," : "") + QByteArray::number(r) + "-" + QByteArray::number(c) + "abc";
        csv += line + "\r\n";
        rows += QStringLiteral(u"[[") +
                (line.isEmpty() ? QStringLiteral(u"    ") : QString::fromLatin1(line)) +
                QStringLiteral(u"]]\r\n");
    }
    ASSERT_GT(rows.size(), 2 << 20);
    files.openPath = writeFile(QStringLiteral(u"long.csv"), csv);
    f.ImportCsv();
    EXPECT_TRUE(f.RB3.text() == rows);
    EXPECT_EQ(f.Text1(0).text(), QStringLiteral(u"1000"));
    EXPECT_EQ(f.Text1(1).text(), QStringLiteral(u"300"));

    const qsizetype middle = csv.indexOf("\r\n", csv.size() / 2) + 2;
    files.openPath =
        writeFile(QStringLiteral(u"wide.csv"),
                  csv.left(middle) + QByteArray("1,").repeated(1000) + "1\r\n" +
                      csv.mid(middle, csv.lastIndexOf("\r\n", csv.size() - 3) - middle));
    messages.answers = {msgbox::OK};
    f.ImportCsv();
    EXPECT_EQ(messages.prompts.size(), 1);
    EXPECT_TRUE(f.RB3.text() == rows);
}

TEST_F(CellDataCommands, CancelChangesNothing)
{
    const QString before = f.RB3.text();
    f.ImportCsv();
    f.InsertImageFile();
    f.InsertTextFile();
    f.Text_DblClick(5);
    EXPECT_EQ(f.RB3.text(), before);
    EXPECT_EQ(files.requests.size(), 4u);
    EXPECT_EQ(files.requests[0].title, QStringLiteral(u"CSVデーターの読み込み"));
}

TEST_F(CellDataCommands, ImageAndTextInsertion)
{
    f.RB3.setText(QStringLiteral(u"[[a$b]]"));
    f.RB3.setSelStart(2);
    f.RB3.setSelLength(1);
    QDir(dir.path()).mkdir(QStringLiteral(u"img"));
    files.openPath = writeFile(QStringLiteral(u"img/p.gif"), "GIF");
    f.InsertImageFile();
    EXPECT_EQ(f.RB3.text(), QStringLiteral(u"[[<img src=\"img/p.gif\" alt=\"image\">$b]]"));
    const QString text = writeFile(QStringLiteral(u"t.txt"), "hello");
    files.openPath = text;
    f.RB3.setSelStart(f.RB3.text().size() - 2);
    f.InsertTextFile();
    EXPECT_TRUE(f.RB3.text().endsWith(QStringLiteral(u"$b[%") + text + QStringLiteral(u"]]]")));
    files.openPath = dir.filePath(QStringLiteral(u"missing.txt"));
    const QString before = f.RB3.text();
    f.InsertTextFile();
    EXPECT_EQ(f.RB3.text(), before);
}

TEST_F(CellDataCommands, ChosenFileNamesNeverBreakTheirTagMarkerOrCell)
{
    f.RB3.setText(QStringLiteral(u"[[]]"));
    f.RB3.setSelStart(2);
    files.openPath = writeFile(QStringLiteral(u"a\" onerror=\"x$y.gif"), "GIF");
    f.InsertImageFile();
    EXPECT_EQ(f.RB3.text(),
              QStringLiteral(u"[[<img src=\"a%22 onerror=%22x%24y.gif\" alt=\"image\">]]"));
    f.RB3.setSelStart(2);
    files.openPath = writeFile(QStringLiteral(u"b]].PNG"), "PNG");
    f.Text_DblClick(5);
    EXPECT_TRUE(
        f.RB3.text().startsWith(QStringLiteral(u"[[<img src=\"b%5D%5D.PNG\" alt=\"image\">")));

    // A text file whose name holds "]" or the delimiter gets the encoded marker, and the writer
    // still reads the file into the cell.
    f.Text6.setText(QStringLiteral(u","));
    const QString text = writeFile(QStringLiteral(u"[draft] 1,2%.txt"), "memo");
    files.openPath = text;
    f.RB3.setText(QStringLiteral(u"[[a,]]"));
    f.RB3.setSelStart(4);
    f.InsertTextFile();
    const QString encoded = text.chopped(16) + QStringLiteral(u"%5Bdraft%5D 1%2C2%25.txt");
    EXPECT_EQ(f.RB3.text(), QStringLiteral(u"[[a,[%%") + encoded + QStringLiteral(u"]]]"));
    ASSERT_TRUE(f.MakeTableSource());
    EXPECT_TRUE(f.RB1.text().contains(QStringLiteral(u"<th>a</th>\r\n<th>memo</th>")))
        << f.RB1.text().toStdString();
    files.openPath = text;
    f.RB3.setText(QStringLiteral(u"[[]]"));
    f.RB3.setSelStart(2);
    f.Text_DblClick(6);
    EXPECT_EQ(f.RB3.text(), QStringLiteral(u"[[[%%") + encoded + QStringLiteral(u"]]]"));
}

TEST_F(CellDataCommands, DoubleClickExtensionRules)
{
    f.RB3.setText(QStringLiteral(u"[[x]]"));
    f.RB3.setSelStart(2);
    f.RB3.setSelLength(1); // a selection is not replaced
    files.openPath = writeFile(QStringLiteral(u"P.JPG"), "x");
    f.Text_DblClick(5);
    EXPECT_EQ(f.RB3.text(), QStringLiteral(u"[[<img src=\"P.JPG\" alt=\"image\">x]]"));
    QDir(dir.path()).mkdir(QStringLiteral(u"v1.0"));
    const QString plain = writeFile(QStringLiteral(u"v1.0/readme"), "r");
    files.openPath = plain;
    f.RB3.setText(QStringLiteral(u"[[]]"));
    f.RB3.setSelStart(2);
    f.Text_DblClick(6);
    EXPECT_EQ(f.RB3.text(), QStringLiteral(u"[[[%") + plain + QStringLiteral(u"]]]"));
}

TEST_F(CellDataCommands, BlanksRemovedUnderMerges)
{
    f.BuildRowTemplate(); // 3 x 4, "$"
    f.cellSpans.set(0, 0, QStringLiteral(u"2,2"));
    f.RB3.setText(f.RB3.text() + QStringLiteral(u"$ extra $ more "));
    f.RemoveBlanksInFields();
    const QStringList lines = f.RB3.text().split(QStringLiteral(u"\r\n"));
    EXPECT_EQ(lines[0], QStringLiteral(u"[[     $$     $     ]]"));
    EXPECT_EQ(lines[1], QStringLiteral(u"[[$$     $     ]]"));
    EXPECT_EQ(lines[2], QStringLiteral(u"[[     $     $     $     ]]"));
    EXPECT_EQ(lines[3], QString(25, u' ') + QStringLiteral(u"$ extra $ more "));
}

// A merge set over a one-cell block rewrites the cell data as it was, caret and all: the letters
// typed after it are still undone on their own.
TEST_F(CellDataCommands, UndoAfterAMergeThatRemovedNoBlanksKeepsTheWordTypedBefore)
{
    f.BuildRowTemplate();
    const QString blank = f.RB3.text();
    f.RB3.clearUndo();
    f.RB3.setSelStart(2);
    f.RB3.userTyped(QStringLiteral(u"a"));
    f.RB3.userTyped(QStringLiteral(u"b"));
    f.Command6(0).userClicked();
    ASSERT_EQ(f.cellSpans.get(0, 0), QStringLiteral(u"1,1"));
    f.RB3.userTyped(QStringLiteral(u"c"));
    ASSERT_EQ(f.RB3.text(), QStringLiteral(u"[[abc") + blank.mid(2));
    f.med11.userClicked();
    EXPECT_EQ(f.RB3.text(), QStringLiteral(u"[[ab") + blank.mid(2));
    f.med11.userClicked();
    EXPECT_EQ(f.RB3.text(), blank);
}

TEST_F(CellDataCommands, RightButtonOverTheCellDataPopsUpTheSourceMenu)
{
    f.RB3.userMouseDown(1);
    EXPECT_EQ(f.lastPopup(), nullptr);
    f.RB3.userMouseDown(2);
    EXPECT_EQ(f.lastPopup(), &f.med);
}

// The right button over the box that lies on the cell data pops up the same menu, with the cell
// data switched off while it is open; other buttons and the other box pop up nothing.
TEST_F(CellDataCommands, RightButtonOverTheBoxOnTheCellDataPopsUpTheSourceMenu)
{
    QString log;
    f.showPopup = [&](MenuItem &menu) {
        log += menu.name() +
               (f.RB3.enabled() ? QStringLiteral(u"(RB3 on);") : QStringLiteral(u"(RB3 off);"));
    };
    f.Text(6).userMouseDown(1);
    f.Text(5).userMouseDown(2);
    f.Text(6).userMouseDown(4);
    EXPECT_EQ(log, QString());
    f.Text(6).userMouseDown(2);
    EXPECT_EQ(log, QStringLiteral(u"med(RB3 off);"));
    EXPECT_TRUE(f.RB3.enabled());
    f.Text_MouseDown(6, 2);
    EXPECT_EQ(log, QStringLiteral(u"med(RB3 off);med(RB3 off);"));
    EXPECT_TRUE(f.RB3.enabled());
}

TEST_F(CellDataCommands, MenuItemsActOnlyOnTheSettingsPage)
{
    EXPECT_EQ(f.mm2(4).caption(), QStringLiteral(u"テキストボックスの拡大"));
    f.mm2(4).userClicked();
    EXPECT_EQ(f.mm2(4).caption(), QStringLiteral(u"テキストボックスの縮小"));
    f.mm2(4).userClicked();
    EXPECT_EQ(f.mm2(4).caption(), QStringLiteral(u"テキストボックスの拡大"));
    f.framesub(17).setVisible(false);
    f.mm2(4).userClicked();
    f.mm2(1).userClicked();
    EXPECT_EQ(f.mm2(4).caption(), QStringLiteral(u"テキストボックスの拡大"));
    EXPECT_TRUE(files.requests.empty());
}

} // namespace
