// Numbers read from boxes and stored settings: whatever a text holds ("nan", "inf", "1e300",
// counts beyond the range), reading it neither crashes nor blows up.

#include "frame/form1.h"
#include "support/ini_file.h"
#include "support/qt_printers.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(Counts, BoxesReadAsWholeCountsOrRefused)
{
    Form1 f;
    f.Text1(0).onChange = nullptr; // the box's text as typed, without its spinner rewriting it
    const struct
    {
        const char16_t *text;
        std::optional<int> count;
    } cases[] = {{u"12", 12},       {u"12.9", 12},  {u"1000", 1000}, {u"0", 0},
                 {u"-5", 0},        {u"abc", 0},    {u"", 0},        {u"1001", std::nullopt},
                 {u"30000", std::nullopt}, {u"1e300", std::nullopt}, {u"1e999", std::nullopt},
                 {u"-1e999", std::nullopt}, {u"2147483648", std::nullopt}, {u"nan", 0},
                 {u"inf", 0}};
    for (const auto &c : cases) {
        f.Text1(0).setText(QString::fromUtf16(c.text));
        EXPECT_EQ(f.countIn(0), c.count) << QString::fromUtf16(c.text).toStdString();
    }
}

TEST(Counts, RefusedCountsBuildNothingAnywhere)
{
    Form1 f;
    f.Form_Load();
    for (const char16_t *count : {u"1e300", u"2147483647", u"30000"}) {
        f.Text1(0).setText(QString::fromUtf16(count));
        f.Text1(1).setText(QString::fromUtf16(count));
        f.BuildMergeMap();
        EXPECT_TRUE(f.coveredCellFlags.size() <= 1u);
        // A settings document still lists every stored cell, and no more than the grids hold.
        f.cellColors.set(3, 2, QStringLiteral(u"red"));
        EXPECT_TRUE(f.BuildSettingsText().contains(QStringLiteral(u"<selcolor>3:2:red")));
    }
}

class StoredGeometry : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    Form1 f;
    void load(const QByteArray &ini)
    {
        writeIniFile(dir, ini);
        f.settingsFolder = dir.path();
        f.workFolder = dir.path();
        f.Form_Load();
    }
};

TEST_F(StoredGeometry, ValuesNoWindowCanHoldGiveTheDefaults)
{
    load("Top,nan\r\nLeft,inf\r\nWidth,1e300\r\nHeight,-1e300\r\nFontSize,1e999\r\n");
    EXPECT_EQ(f.top(), 1000);
    EXPECT_EQ(f.left(), 1000);
    EXPECT_EQ(f.width(), 13800); // the default, held at the settings page's width
    EXPECT_EQ(f.height(), 10440);
    EXPECT_EQ(f.RB1.font().size, Font().size);
}

TEST_F(StoredGeometry, LargeButHoldableValuesAreTaken)
{
    load("Top,-2000.7\r\nLeft,3e4\r\nHeight,12000\r\n");
    EXPECT_EQ(f.top(), -2000);
    EXPECT_EQ(f.left(), 30000);
    EXPECT_EQ(f.height(), 12000);
}

} // namespace
