// Loading settings documents: round trips that give back the saved bytes, hand-written and damaged
// documents compared with the window they must leave, and the load command itself.

#include "controls/textfile.h"
#include "support/design_script.h"
#include "support/qt_printers.h"
#include "support/scripted_services.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString DataDir = QStringLiteral(MORVANE_TEST_DATA);

QString readUtf8(const QString &path)
{
    return QString::fromUtf8(readBytes(path));
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A window with scripted dialogs and messages whose open dialog answers `openPath`.
struct Window
{
    ScriptedMessages messages;
    ScriptedFiles files;
    std::unique_ptr<Form1> form;
    Window()
    {
        Services services;
        services.messages = &messages;
        services.files = &files;
        form = std::make_unique<Form1>(services);
    }
    bool load(const QString &path)
    {
        files.openPath = path;
        form->LoadSettingsDocument();
        return true;
    }
    QByteArray save(const QString &path)
    {
        files.savePath = path;
        form->SaveSettingsDocument();
        return readBytes(path);
    }
};

// ---- Round trips: a saved document loads back and saves again byte for byte ---------------------

class RoundTrip : public ::testing::TestWithParam<std::string>
{
};

TEST_P(RoundTrip, SavedDocumentLoadsBackByteForByte)
{
    const QString golden = DataDir + QStringLiteral(u"/settingsdoc/") +
                           QString::fromStdString(GetParam()) + QStringLiteral(u"/expected.set");
    QTemporaryDir out;
    // Into a fresh window and into one holding another design: the result is the same.
    for (bool otherDesignFirst : {false, true}) {
        Window w;
        if (otherDesignFirst) {
            applyDesign(*w.form, QStringLiteral(u"VScroll1(1)=-7\ncellColors(1,6)=blue\n"
                                                u"cellNowraps(0,0)=no\nrowHeights(5)=9\n"
                                                u"Option11=2\nTxttit=別の表\nText6=|"));
            w.form->RB3.setText(QStringLiteral(u"[[x|y]]"));
            w.messages.answers = {msgbox::Yes}; // the typed cell data may go
        }
        w.load(golden);
        EXPECT_EQ(w.messages.prompts.size(), otherDesignFirst ? 1 : 0) << otherDesignFirst;
        EXPECT_EQ(w.messages.unexpected, 0);
        EXPECT_EQ(w.save(out.filePath(QStringLiteral(u"again.set"))).toStdString(),
                  readBytes(golden).toStdString())
            << otherDesignFirst;
    }
}

INSTANTIATE_TEST_SUITE_P(GoldenDocuments, RoundTrip,
                         ::testing::Values("every_attribute", "empty", "tag_in_caption",
                                           "backslash_sequences"));

TEST(RoundTripDesign, JapaneseTextsAndEscapedValuesComeBack)
{
    const QString design = QStringLiteral(
        u"VScroll1(0)=-4\nVScroll1(1)=-3\nVScroll1(2)=-640\nCombo1(0)=ﾋﾟｸｾﾙ\nVScroll1(3)=-480\n"
        u"Option10=3\nTxttatek=2\nTxtyokok=5\nOption11=0\ntxtwaku2(1)=3\nText5(0)=#000080\n"
        u"Text5(1)=白\nText5(2)=<灰>\nText5(3)=ivory\nOptionichi2=2\nTxttit=<b>時刻表</b> & 案内\n"
        u"Option16=0\nText2(0)=/home/利用者/頁/\nText2(2)=背景/紙.png\nOption12=3\nText6=、\n"
        u"Text4=6\nText3=1\n"
        u"cellColors(0,2)=薄い青\ncellFontColors(3,0)=red\ncellFontSizes(1,1)=6\n"
        u"cellImages(2,2)=/home/利用者/画像/a.gif\ncellSpans(0,0)=2,3\ncellNowraps(3,2)=no\n"
        u"rowHeights(1)=25\ncolumnWidths(2)=120\ncellIchiTate(3,0)=Allbottom\n"
        u"cellIchiYoko(2,1)=center\ncellColors(1,0)=a>b<c");
    const QString cellData = QStringLiteral(
        u"[[<b>月</b>、火、水]]\r\n[[朝\\n、<br>昼、夜]]\r\n[[、、]]\r\n[[終わり、 、 ]]\r\n   ");
    QTemporaryDir out;
    Window first;
    applyDesign(*first.form, design);
    first.form->RB3.setText(cellData);
    const QByteArray saved = first.save(out.filePath(QStringLiteral(u"a.set")));
    ASSERT_FALSE(saved.isEmpty());
    EXPECT_TRUE(saved.contains("\r\n<escape>1\r\n"));

    Window second;
    second.load(out.filePath(QStringLiteral(u"a.set")));
    EXPECT_EQ(second.messages.prompts, QStringList());
    EXPECT_EQ(second.form->Txttit.text(), QStringLiteral(u"<b>時刻表</b> & 案内"));
    EXPECT_EQ(second.form->Text5(2).text(), QStringLiteral(u"<灰>"));
    EXPECT_EQ(second.form->cellColors.get(1, 0), QStringLiteral(u"a>b<c"));
    EXPECT_EQ(second.form->RB3.text(), cellData);
    EXPECT_EQ(second.save(out.filePath(QStringLiteral(u"b.set"))), saved);
}

TEST(RoundTripDesign, HalfWidthKatakanaComeBack)
{
    // Half-width katakana alone are often valid UTF-8 as well ("ﾃｽ" is C3 BD): the document is
    // still read in the code page it was written in.
    QTemporaryDir out;
    Window first;
    applyDesign(*first.form, QStringLiteral(u"Combo1(0)=mm\nTxttit=ﾃｽ\ncellColors(0,1)=ﾃｽ"));
    const QString katakana = u"ﾃｽ"_qs.repeated(1000);
    const QString cellData = u"[[ﾃｽ$"_qs + katakana + u"]]\r\n"_qs;
    first.form->RB3.setText(cellData);
    const QByteArray saved = first.save(out.filePath(QStringLiteral(u"k.set")));
    ASSERT_TRUE(saved.contains("\xC3\xBD\r\n")); // the caption "ﾃｽ" in the code page

    Window second;
    second.load(out.filePath(QStringLiteral(u"k.set")));
    EXPECT_EQ(second.form->Txttit.text(), QStringLiteral(u"ﾃｽ"));
    EXPECT_EQ(second.form->cellColors.get(0, 1), QStringLiteral(u"ﾃｽ"));
    EXPECT_EQ(second.form->RB3.text(), cellData);
    EXPECT_EQ(second.save(out.filePath(QStringLiteral(u"again.set"))), saved);

    // A document cut down by hand to keys of ASCII letters has no kanji left to betray its code
    // page; it reads the same.
    const QString cut = out.filePath(QStringLiteral(u"cut.set"));
    writeBytes(cut, "<selcolor>0:0:\xC3\xBD\r\n<content>[[\xC3\xBD]]\r\n<end>\r\n");
    Window third;
    third.load(cut);
    EXPECT_EQ(third.form->cellColors.get(0, 0), QStringLiteral(u"ﾃｽ"));
    EXPECT_EQ(third.form->RB3.text(), QStringLiteral(u"[[ﾃｽ]]"));
}

// A line end inside a value survives a save and a load, whether the other values call for no
// escapes, for those of "<" and ">", or for all of them; so do lone CR and LF.
TEST(RoundTripDesign, ValuesHoldingLineEndsComeBack)
{
    QTemporaryDir out;
    const QString in = out.filePath(QStringLiteral(u"in.set"));
    ASSERT_TRUE(writeTextFile(in, QStringLiteral(u"<幅単位>ﾋﾟｸｾﾙ\\3\\mm\r\n<escape>2\r\n"
                                                 u"<selcolor>0:0:red\\3\\blue\r\n"
                                                 u"<content>[[a]]\r\n<end>")));
    const QString extras[] = {QString(), QStringLiteral(u"<b>"), QStringLiteral(u"\\1\\")};
    for (const QString &extra : extras) {
        const std::string why = extra.toStdString();
        Window first;
        first.load(in);
        ASSERT_EQ(first.form->cellColors.get(0, 0), QStringLiteral(u"red\r\nblue"));
        first.form->cellFontColors.set(1, 1, QStringLiteral(u"a\nb"));
        first.form->cellFontSizes.set(2, 0, QStringLiteral(u"c\rd\r"));
        first.form->rowHeights.set(1, QStringLiteral(u"\n\r\r\n"));
        first.form->cellImages.set(0, 1, QStringLiteral(u"x\r\n") + extra);
        const QByteArray saved = first.save(out.filePath(QStringLiteral(u"a.set")));

        Window second;
        second.load(out.filePath(QStringLiteral(u"a.set")));
        EXPECT_EQ(second.messages.prompts, QStringList()) << why;
        EXPECT_EQ(second.form->Combo1(0).text(), QStringLiteral(u"ﾋﾟｸｾﾙ\r\nmm")) << why;
        EXPECT_EQ(second.form->cellColors.get(0, 0), QStringLiteral(u"red\r\nblue")) << why;
        EXPECT_EQ(second.form->cellFontColors.get(1, 1), QStringLiteral(u"a\nb")) << why;
        EXPECT_EQ(second.form->cellFontSizes.get(2, 0), QStringLiteral(u"c\rd\r")) << why;
        EXPECT_EQ(second.form->rowHeights.get(1), QStringLiteral(u"\n\r\r\n")) << why;
        EXPECT_EQ(second.form->cellImages.get(0, 1), QStringLiteral(u"x\r\n") + extra) << why;
        EXPECT_EQ(second.form->RB3.text(), QStringLiteral(u"[[a]]")) << why;
        EXPECT_EQ(second.save(out.filePath(QStringLiteral(u"b.set"))), saved) << why;
    }
}

// ---- Documents written by hand, damaged documents: the window they leave -----------------------

class LoadGolden : public ::testing::TestWithParam<std::string>
{
};

// "\r" and "\n" in an expected value stand for CR and LF.
QString unescapeExpected(QString value)
{
    return value.replace(QStringLiteral(u"\\r"), QStringLiteral(u"\r"))
        .replace(QStringLiteral(u"\\n"), QStringLiteral(u"\n"));
}

TEST_P(LoadGolden, LeavesTheExpectedWindow)
{
    const QString dir =
        DataDir + QStringLiteral(u"/settingsload/") + QString::fromStdString(GetParam());
    Window w;
    if (QFile::exists(dir + QStringLiteral(u"/before.txt")))
        applyDesign(*w.form, readUtf8(dir + QStringLiteral(u"/before.txt")));
    w.load(dir + QStringLiteral(u"/input.set"));
    EXPECT_EQ(w.messages.unexpected, int(w.messages.prompts.size()));
    for (QString line : readUtf8(dir + QStringLiteral(u"/expected.txt")).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype eq = line.indexOf(u'=');
        const QString name = line.left(eq);
        const QString expected = unescapeExpected(line.mid(eq + 1));
        if (name == u"prompts") {
            EXPECT_EQ(w.messages.prompts.size(), expected.toInt())
                << w.messages.prompts.join(u'|').toStdString();
        } else if (name == u"skipped") {
            ASSERT_EQ(w.messages.prompts.size(), 1);
            EXPECT_TRUE(w.messages.prompts[0].contains(expected + QStringLiteral(u" 件")))
                << w.messages.prompts[0].toStdString();
            EXPECT_EQ(w.messages.styles[0], msgbox::OKOnly | msgbox::Exclamation);
        } else if (name == u"prompt~") {
            ASSERT_EQ(w.messages.prompts.size(), 1);
            EXPECT_TRUE(w.messages.prompts[0].contains(expected))
                << w.messages.prompts[0].toStdString();
        } else {
            EXPECT_EQ(designValue(*w.form, name), expected) << name.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Documents, LoadGolden,
                         ::testing::Values("handwritten", "escaped", "unescaped", "damaged",
                                           "beyond_columns", "not_a_document",
                                           "previous_design_goes", "cut_off"));

// ---- The command ------------------------------------------------------------------------------

TEST(LoadSettingsDocument, DialogCancelChangesNothing)
{
    Window w;
    w.form->cellColors.set(0, 0, QStringLiteral(u"red"));
    w.form->Command17.userClicked();
    w.form->myomi.userClicked();
    ASSERT_EQ(w.files.requests.size(), 2u);
    EXPECT_EQ(w.files.requests[0].title, QStringLiteral(u"ファイルの読み込み"));
    EXPECT_EQ(w.files.requests[0].filter,
              QStringLiteral(u"設定ファイル (*.set)|*.set|&設定ファイル (*.set)|*.set|"
                             u"テキストファイル(*.txt)|*.txt|全てのファイル (*.*)|*.*|"));
    EXPECT_EQ(w.form->cellColors.get(0, 0), QStringLiteral(u"red"));
    EXPECT_TRUE(w.messages.prompts.isEmpty());
}

TEST(LoadSettingsDocument, TheDialogStartsWithTheNameLastUsed)
{
    QTemporaryDir out;
    Window w;
    const QString path = out.filePath(QStringLiteral(u"表.set"));
    w.save(path);
    w.files.openPath.clear();
    w.form->LoadSettingsDocument();
    EXPECT_EQ(w.files.requests.back().fileName, path);
}

TEST(LoadSettingsDocument, UnreadableFileIsReportedAndChangesNothing)
{
    QTemporaryDir out;
    Window w;
    w.form->Txttit.setText(QStringLiteral(u"元"));
    w.load(out.filePath(QStringLiteral(u"ない.set")));
    ASSERT_EQ(w.messages.prompts.size(), 1);
    EXPECT_TRUE(w.messages.prompts[0].endsWith(out.filePath(QStringLiteral(u"ない.set"))));
    EXPECT_EQ(w.form->Txttit.text(), QStringLiteral(u"元"));
}

TEST(LoadSettingsDocument, TypedCellDataGoesOnlyAfterOneYesAndCountsApplyFirst)
{
    const QString typed = QStringLiteral(u"[[typed$data]]");
    const QString doc = QStringLiteral(u"<行>-2\r\n<列>-6\r\n<selcolor>1:5:red\r\n"
                                       u"<content>[[1$2$3$4$5$6]]\r\n<end>");
    Window w;
    w.form->RB3.setText(typed);
    w.form->cellColors.set(0, 0, QStringLiteral(u"blue"));
    const QString before = w.form->BuildSettingsText();
    w.messages.answers = {msgbox::No};
    EXPECT_FALSE(w.form->LoadSettingsText(doc, QStringLiteral(u"six.set")));
    ASSERT_EQ(w.messages.prompts.size(), 1);
    EXPECT_EQ(
        w.messages.prompts[0],
        QStringLiteral(u"現在埋め込みデータ－が有ります、データ－を消去しても宜しいですか？"));
    EXPECT_EQ(w.messages.styles[0], msgbox::YesNo);
    EXPECT_EQ(w.form->BuildSettingsText(), before); // nothing changed, the typed data included

    w.messages.answers = {msgbox::Yes};
    EXPECT_TRUE(w.form->LoadSettingsText(doc, QStringLiteral(u"six.set")));
    EXPECT_EQ(w.messages.prompts.size(), 2); // once for the whole load
    // The column bound follows the document's count before the record for column 5 is stored.
    EXPECT_EQ(w.form->Text1(1).text(), QStringLiteral(u"6"));
    EXPECT_EQ(w.form->cellColors.columnUpper(), 6);
    EXPECT_EQ(w.form->cellColors.get(1, 5), QStringLiteral(u"red"));
    EXPECT_EQ(w.form->RB3.text(), QStringLiteral(u"[[1$2$3$4$5$6]]"));
    for (int i : {4, 6, 12, 14})
        EXPECT_EQ(w.form->VScroll1(i).min(), -2) << i;
    // The same document again takes nothing typed away: no question.
    EXPECT_TRUE(w.form->LoadSettingsText(doc, QStringLiteral(u"six.set")));
    EXPECT_EQ(w.messages.prompts.size(), 2);

    // Without cell data of its own, a new count would leave the bare template.
    const QString countsOnly = QStringLiteral(u"<行>-5\r\n<列>-3\r\n<end>");
    w.form->RB3.setText(typed);
    w.messages.answers = {msgbox::No};
    EXPECT_FALSE(w.form->LoadSettingsText(countsOnly, QStringLiteral(u"c.set")));
    EXPECT_EQ(w.form->RB3.text(), typed);
    EXPECT_EQ(w.form->Text1(0).text(), QStringLiteral(u"2"));
    w.messages.answers = {msgbox::Yes};
    w.form->LoadSettingsText(countsOnly, QStringLiteral(u"c.set"));
    EXPECT_EQ(w.messages.prompts.size(), 4);
    EXPECT_EQ(w.form->Text1(0).text(), QStringLiteral(u"5"));
    EXPECT_EQ(w.form->RB3.text().count(QStringLiteral(u"[[")), 5); // the template of five rows
    EXPECT_FALSE(w.form->RB3.text().contains(QStringLiteral(u"typed")));
    // The document's cell data would replace typed data under the same counts: asked as well.
    w.form->RB3.setText(typed);
    w.messages.answers = {msgbox::No};
    EXPECT_FALSE(w.form->LoadSettingsText(QStringLiteral(u"<行>-5<content>[[x]]<end>"), {}));
    EXPECT_EQ(w.messages.prompts.size(), 5);
    EXPECT_EQ(w.form->RB3.text(), typed);
    // Neither counts nor cell data in the document: the typed data stays, unasked.
    w.form->LoadSettingsText(QStringLiteral(u"<行>-5<タイトル>t<end>"), QStringLiteral(u"t.set"));
    EXPECT_EQ(w.messages.prompts.size(), 5);
    EXPECT_EQ(w.form->RB3.text(), typed);
    EXPECT_EQ(w.messages.unexpected, 0);
}

TEST(LoadSettingsDocument, LeavesTheSourceAlone)
{
    QTemporaryDir out;
    Window w;
    w.form->RB1.setText(QStringLiteral(u"<table></table>"));
    const QString path = out.filePath(QStringLiteral(u"a.set"));
    ASSERT_TRUE(writeTextFile(path, QStringLiteral(u"<タイトル>新しい<content>[[a]]<end>")));
    w.load(path);
    EXPECT_EQ(w.form->Txttit.text(), QStringLiteral(u"新しい"));
    EXPECT_EQ(w.form->RB1.text(), QStringLiteral(u"<table></table>"));
}

} // namespace
