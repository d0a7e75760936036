// Numbers read from boxes and stored settings: whatever a text holds ("nan", "inf", 400 digits,
// counts beyond the range), reading it neither crashes nor blows up.

#include "frame/form1.h"
#include "support/ini_file.h"
#include "support/qt_printers.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(Counts, BoxesReadAsWholeCountsOrRefused)
{
    Form1 f;
    f.Text1(0).onChange = nullptr; // the box's text as typed, without its spinner rewriting it
    const QString digits(400, u'9');
    const struct
    {
        QString text;
        std::optional<int> count;
    } cases[] = {{u"12"_s, 12},
                 {u"12.9"_s, 12},
                 {u"1000"_s, 1000},
                 {u"0"_s, 0},
                 {u"-5"_s, 0},
                 {u"abc"_s, 0},
                 {QString(), 0},
                 {u"1001"_s, std::nullopt},
                 {u"30000"_s, std::nullopt},
                 {digits, std::nullopt},
                 {u"-"_s + digits, std::nullopt},
                 {u"2147483648"_s, std::nullopt},
                 {u"nan"_s, 0},
                 {u"inf"_s, 0},
                 // In decimal: a blank ends the number; an exponent or "&H" is no part of it.
                 {u" 12"_s, 12},
                 {u"1 2"_s, 1},
                 {u"1e300"_s, 1},
                 {u"&H10"_s, 0}};
    for (const auto &c : cases) {
        f.Text1(0).setText(c.text);
        EXPECT_EQ(f.countIn(0), c.count) << c.text.toStdString();
    }
}

TEST(Counts, RefusedCountsBuildNothingAnywhere)
{
    Form1 f;
    f.Form_Load();
    for (const QString &count : {QString(400, u'9'), u"2147483647"_s, u"30000"_s}) {
        f.Text1(0).setText(count);
        f.Text1(1).setText(count);
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
    const QByteArray digits(400, '9');
    load("Top,nan\r\nLeft,inf\r\nWidth," + digits + "\r\nHeight,-" + digits + "\r\nFontSize," +
         digits + "\r\n");
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
