// Start-up: options, fonts, geometry and delimiter restored through the controls' own handlers,
// and the INI file written at every start.

#include "frame/form1.h"
#include "support/ini_file.h"
#include "support/qt_printers.h"
#include "support/scripted_services.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class StartUp : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    std::unique_ptr<Form1> f = std::make_unique<Form1>();
    void SetUp() override
    {
        f->settingsFolder = dir.path();
        f->workFolder = dir.path();
    }
    void writeIni(const QByteArray &bytes) { writeIniFile(dir, bytes); }
    QByteArray readIni() const { return readIniFile(dir); }
};

TEST_F(StartUp, WithoutAnIniFile)
{
    const Font designFont = f->RB1.font();
    f->Form_Load();
    EXPECT_EQ(f->Check1.value(), 0);
    EXPECT_EQ(f->Check2.value(), 0);
    EXPECT_TRUE(f->Mkomoji.checked());
    EXPECT_FALSE(f->Moomoji.checked());
    EXPECT_EQ(f->Check4.value(), 0);
    EXPECT_EQ(f->Check5.value(), 0);
    EXPECT_EQ(f->Check3.value(), 1);
    EXPECT_EQ(f->RB1.font(), designFont);
    EXPECT_EQ(f->top(), 1000);
    EXPECT_EQ(f->left(), 1000);
    // The stored default is 14055, but the settings page holds the window at 13800 wide.
    EXPECT_EQ(f->width(), 13800);
    EXPECT_EQ(f->height(), 10440);
    EXPECT_EQ(f->Text6.text(), QStringLiteral(u"$"));
    EXPECT_EQ(readIni(), QByteArray("Char,0\r\n"));
    EXPECT_EQ(f->Combo1(0).listCount(), 3);
    EXPECT_EQ(f->Combo2.listItem(3), QStringLiteral(u"\\"));
    EXPECT_EQ(f->Combo2.text(), QStringLiteral(u"区切り記号選択"));
    EXPECT_EQ(f->reservedWords.size(), 53);
    EXPECT_EQ(f->Text2(0).text(), dir.path() + u'/');
    EXPECT_EQ(f->htmlFileName, QStringLiteral(u"$html$.html"));
    EXPECT_FALSE(f->layoutBusy);
    EXPECT_TRUE(f->RB3.text().startsWith(QStringLiteral(u"[[     $")));
    EXPECT_FALSE(f->RB1.visible()); // the settings page stays uncovered
}

TEST_F(StartUp, RestoresStoredOptions)
{
    writeIni("Java,1\r\nNo,1\r\nChar,1\r\nGamen,1\r\nFontName,IPAGothic\r\nFontSize,12\r\n"
             "FontBold,True\r\nTop,abc\r\nLeft,200\r\nWidth,15000.5\r\nHeight,9000\r\nDelimita,\r\n");
    f->Form_Load();
    EXPECT_EQ(f->Check5.value(), 1);
    EXPECT_EQ(f->Check4.value(), 1);
    EXPECT_EQ(f->Check2.value(), 1);
    EXPECT_TRUE(f->Moomoji.checked());
    EXPECT_EQ(f->Check1.value(), 1);
    EXPECT_EQ(f->RB1.font().name, QStringLiteral(u"IPAGothic"));
    EXPECT_EQ(f->RB3.font().size, 12);
    EXPECT_TRUE(f->RB3.font().bold);
    EXPECT_EQ(f->top(), 1000); // not a number: the default
    EXPECT_EQ(f->left(), 200);
    EXPECT_EQ(f->width(), 13800);
    EXPECT_EQ(f->height(), 9500); // 9000 is below the settings page's least height
    EXPECT_EQ(f->Text6.text(), QStringLiteral(u"$")); // an empty delimiter gives "$"
    EXPECT_TRUE(f->RB1.text().isEmpty());             // no source is made at start-up
    EXPECT_TRUE(readIni().startsWith("Java,1\r\n"));
}

TEST_F(StartUp, UnknownFontKeepsTheBoxesFont)
{
    ScriptedFonts fonts;
    fonts.missing = {QStringLiteral(u"NoSuchFont")};
    Services services;
    services.fonts = &fonts;
    f = std::make_unique<Form1>(services);
    f->settingsFolder = dir.path();
    const Font design = f->RB1.font();
    writeIni("FontName,NoSuchFont\r\nFontSize,14\r\n");
    f->Form_Load();
    EXPECT_EQ(f->RB1.font().name, design.name);
    EXPECT_EQ(f->RB3.font().name, design.name); // what RB1 took, not the stored text
    EXPECT_EQ(f->RB3.font().size, 14);
}

TEST(SetNamePath, OneSeparatorAtTheEnd)
{
    Form1 f;
    f.pathSeparator = u'\\';
    f.SetNamePath(QStringLiteral(u"a.html"), QStringLiteral(u"C:\\"));
    EXPECT_EQ(f.htmlFolder, QStringLiteral(u"C:"));
    EXPECT_EQ(f.Text2(0).text(), QStringLiteral(u"C:\\"));
    f.SetNamePath(QStringLiteral(u"a.html"), QStringLiteral(u"C:\\web"));
    EXPECT_EQ(f.htmlFolder, QStringLiteral(u"C:\\web"));
    EXPECT_EQ(f.Text2(0).text(), QStringLiteral(u"C:\\web\\"));
    f.SetAppri(QStringLiteral(u"x"));
    EXPECT_EQ(f.htmlFileName, QStringLiteral(u"a.html"));
}

} // namespace
