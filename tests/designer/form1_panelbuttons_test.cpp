// The "..." browse buttons and the "全体" buttons of the attribute panels.

#include "frame/form1.h"
#include "support/grid_text.h"
#include "support/handler_log.h"
#include "support/qt_printers.h"
#include "support/scripted_services.h"
#include "support/text_literal.h"

#include <QUrl>
#include <gtest/gtest.h>

namespace {

TEST(MarkSelectorAll, EachButtonMarksItsSelectorAndEmptiesTheCellColour)
{
    const int selectors[12] = {6, 7, 12, 13, 14, 15, 16, 17, 22, 23, 24, 25};
    for (int i = 0; i < 12; ++i) {
        Form1 f;
        HandlerLog log{f};
        f.VScroll1(selectors[i]).setValue(-2);
        f.Text5(4).setText(S(u"red"));
        f.Text5(5).setForeColor(0xFFFF00);
        log.clear();
        f.Command3(i).userClicked();
        // Writing "All" runs the box's handler, which leaves the spinner where it stands.
        EXPECT_EQ(log.text(),
                  QStringLiteral(u"Text1_Change(%1);Text5_Change(4)").arg(selectors[i]));
        EXPECT_EQ(f.Text1(selectors[i]).text(), S(u"All")) << i;
        EXPECT_FALSE(f.VScroll1(selectors[i]).enabled()) << i;
        EXPECT_EQ(f.VScroll1(selectors[i]).value(), -2) << i;
        EXPECT_EQ(f.Text5(4).text(), QString()) << i;
        EXPECT_EQ(f.Text5(5).foreColor(), i == 4 || i == 5 ? 0x00FF00u : 0xFFFF00u) << i;
        // Nothing else changes state.
        int disabled = 0;
        f.VScroll1.forEach([&](int, ScrollBar &bar) { disabled += bar.enabled() ? 0 : 1; });
        EXPECT_EQ(disabled, 1) << i;
    }
}

class BrowseImage : public ::testing::Test
{
protected:
    ScriptedFiles files;
    Form1 f{Services{nullptr, &files}};
    void SetUp() override
    {
        // Windows paths, as the user's files are named there.
        f.pathSeparator = u'\\';
        f.SetNamePath(S(u"$html$.html"), S(u"C:\\web\\site"));
    }
};

TEST_F(BrowseImage, CellImageBecomesARelativeLinkInTheBoxAndTheSelectedCell)
{
    f.VScroll1(4).setValue(-2);
    f.VScroll1(5).setValue(-3);
    files.openPath = S(u"C:\\web\\img\\x.gif");
    f.Command2(1).userClicked();
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].title, S(u"画像ファイルの読み込み"));
    EXPECT_EQ(files.requests[0].filter, S(u"設定ファイル (*.*)|*.*|&画像ファイル (*.*)|*.*|"));
    EXPECT_EQ(f.Text2(1).text(), S(u"../img/x.gif"));
    EXPECT_EQ(contents(f.cellImages), S(u"1,2=../img/x.gif"));

    // Selector boxes naming no cell of the table: the link is shown, the grid is left alone.
    for (const char16_t *typed : {u"7", u"0", u"-1", u"abc", u"99999999999"}) {
        f.Text1(5).userTyped(S(typed));
        files.openPath = S(u"C:\\web\\site\\y.gif");
        f.Command2(1).userClicked();
        EXPECT_EQ(f.Text2(1).text(), S(u"y.gif"));
        EXPECT_EQ(contents(f.cellImages), S(u"1,2=../img/x.gif")) << S(typed).toStdString();
    }
}

TEST_F(BrowseImage, TableImageOnAnotherDriveKeepsTheFullPathWithSlashes)
{
    files.openPath = S(u"D:\\pics\\e.gif");
    f.Command2(2).userClicked();
    EXPECT_EQ(f.Text2(2).text(), S(u"D:/pics/e.gif"));
    EXPECT_EQ(contents(f.cellImages), QString());
}

TEST_F(BrowseImage, ChosenNamesNeverEndTheirAttribute)
{
    f.VScroll1(0).setValue(-1);
    f.VScroll1(1).setValue(-1);
    files.openPath = S(u"C:\\web\\site\\b\" onload=\"x.png");
    f.Command2(1).userClicked();
    EXPECT_EQ(f.Text2(1).text(), S(u"b%22 onload=%22x.png"));
    EXPECT_EQ(contents(f.cellImages), S(u"0,0=b%22 onload=%22x.png"));
    files.openPath = S(u"C:\\web\\a&b#1?'<>%.gif");
    f.Command2(2).userClicked();
    EXPECT_EQ(f.Text2(2).text(), S(u"../a%26b%231%3F%27%3C%3E%25.gif"));
    // The browser, undoing the encoding, looks for the very file.
    EXPECT_EQ(QUrl::fromPercentEncoding(f.Text2(2).text().toUtf8()), S(u"../a&b#1?'<>%.gif"));
    f.RB3.setText(S(u"[[x]]"));
    ASSERT_TRUE(f.MakeTableSource());
    EXPECT_TRUE(f.RB1.text().contains(S(u" background=\"../a%26b%231%3F%27%3C%3E%25.gif\"")));
    EXPECT_TRUE(f.RB1.text().contains(S(u" background=\"b%22 onload=%22x.png\"")));
}

TEST_F(BrowseImage, HomePageTakesTheFoldersOfTheChosenFile)
{
    files.openPath = S(u"D:\\pages\\index.htm");
    f.Command2(0).userClicked();
    EXPECT_EQ(f.Text2(0).text(), S(u"D:\\pages\\"));
    EXPECT_EQ(f.htmlFolder, S(u"D:\\pages"));
    EXPECT_EQ(f.htmlFileName, S(u"$html$.html"));
}

TEST_F(BrowseImage, CancelChangesNothing)
{
    f.Text2(1).setText(S(u"old.gif"));
    for (int i : {0, 1, 2})
        f.Command2(i).userClicked();
    EXPECT_EQ(files.requests.size(), 3u);
    EXPECT_EQ(f.Text2(0).text(), S(u"C:\\web\\site\\"));
    EXPECT_EQ(f.Text2(1).text(), S(u"old.gif"));
    EXPECT_EQ(f.Text2(2).text(), QString());
    EXPECT_EQ(contents(f.cellImages), QString());
}

} // namespace
