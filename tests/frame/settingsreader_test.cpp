// The settings document reader: values found behind their keys in the joined text, per-cell records
// with colons in their values, damaged records skipped one by one, and the escapes undone.

#include "frame/settingsreader.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

QString describe(const TagValue &v)
{
    const char16_t *status = v.status == TagValue::Missing ? u"missing"
                             : v.status == TagValue::Found ? u"found"
                                                           : u"damaged";
    return QString::fromUtf16(status) + u'[' + v.value + u']';
}

QString describe(const CellRecords &records)
{
    QString out;
    for (const CellRecord &r : records.records)
        out += QStringLiteral(u"%1,%2=%3;").arg(r.row).arg(r.column).arg(r.value);
    return out + QStringLiteral(u"damaged %1").arg(records.damaged);
}

TEST(SettingsReader, LinesJoinWithNothingBetween)
{
    EXPECT_EQ(joinSettingsLines(QStringLiteral(u"<行>-3\r\n\r\n<列>-4\n<高>\r-75\r\n")),
              QStringLiteral(u"<行>-3<列>-4<高>-75"));
}

TEST(SettingsReader, ValueRunsUpToTheNextKey)
{
    const QString text = QStringLiteral(
        u"<幅>-75<幅単位>ﾊﾟｰｾﾝﾄ<枠色>#fff<枠色名>silver<タイトル>時刻表<タイトル位置>1<end>");
    // Keys that begin alike are told apart by their closing ">".
    EXPECT_EQ(describe(GetTagValue(text, QStringLiteral(u"<幅>"))), u"found[-75]");
    EXPECT_EQ(describe(GetTagValue(text, QStringLiteral(u"<幅単位>"))), u"found[ﾊﾟｰｾﾝﾄ]");
    EXPECT_EQ(describe(GetTagValue(text, QStringLiteral(u"<枠色>"))), u"found[#fff]");
    EXPECT_EQ(describe(GetTagValue(text, QStringLiteral(u"<タイトル>"))), u"found[時刻表]");
    EXPECT_EQ(describe(GetTagValue(text, QStringLiteral(u"<タイトル位置>"))), u"found[1]");
    EXPECT_EQ(describe(GetTagValue(text, QStringLiteral(u"<見出>"))), u"missing[]");
    // The first occurrence counts.
    EXPECT_EQ(describe(GetTagValue(QStringLiteral(u"<行>-2<行>-9<end>"), QStringLiteral(u"<行>"))),
              u"found[-2]");
}

TEST(SettingsReader, ValueThatNoKeyEndsIsDamaged)
{
    // No key after it (a cut-off file), or a ">" before the next "<".
    EXPECT_EQ(
        describe(GetTagValue(QStringLiteral(u"<content>[[a]]"), QStringLiteral(u"<content>"))),
        u"damaged[]");
    EXPECT_EQ(
        describe(GetTagValue(QStringLiteral(u"<タイトル>a>b<end>"), QStringLiteral(u"<タイトル>"))),
        u"damaged[]");
    EXPECT_EQ(
        describe(GetTagValue(QStringLiteral(u"<content><end>"), QStringLiteral(u"<content>"))),
        u"found[]");
}

TEST(SettingsReader, RecordsKeepColonsOfTheirValues)
{
    const QString text = QStringLiteral(u"<selImage>1:0:C:\\img\\a.gif<selImage>2:3:../b.png"
                                        u"<selcolor>0:0:red<content>x<end>");
    EXPECT_EQ(describe(readCellRecords(text, QStringLiteral(u"<selImage>"))),
              u"1,0=C:\\img\\a.gif;2,3=../b.png;damaged 0");
    EXPECT_EQ(describe(readCellRecords(text, QStringLiteral(u"<nowrap>"))), u"damaged 0");
}

TEST(SettingsReader, DamagedRecordsAreSkippedAndTheRestRead)
{
    const QString text =
        QStringLiteral(u"<selcolor>0:0:red"   // good
                       u"<selcolor>1-1-blue"  // fewer than two ":"
                       u"<selcolor>x:1:green" // row not a number
                       u"<selcolor>1:1e300:x" // column not a whole number
                       u"<selcolor>1:2:a>b"   // ">" before the next key
                       u"<selcolor> 2 :3:  "  // blanks round the numbers, a value of blanks
                       u"<selcolor>-1:4:gray" // read; the grid refuses it later
                       u"<selcolor>2.5:0.5:x" // rounded, a half to the even neighbour
                       u"<end>");
    EXPECT_EQ(describe(readCellRecords(text, QStringLiteral(u"<selcolor>"))),
              u"0,0=red;2,3=  ;-1,4=gray;2,0=x;damaged 4");
    EXPECT_EQ(
        describe(readCellRecords(QStringLiteral(u"<nowrap>0:0:no"), QStringLiteral(u"<nowrap>"))),
        u"damaged 1");
}

TEST(SettingsReader, EscapesAreUndoneInOrder)
{
    EXPECT_EQ(unescapeSettingsValue(QStringLiteral(u"\\0\\b\\1\\表\\0\\/b\\1\\\\3\\"), false),
              QStringLiteral(u"<b>表</b>\\3\\"));
    EXPECT_EQ(unescapeSettingsValue(QStringLiteral(u"[[a]]\\3\\[[\\0\\i\\1\\b]]\\3\\"), true),
              QStringLiteral(u"[[a]]\r\n[[<i>b]]\r\n"));
}

TEST(SettingsReader, FullEscapesGiveBackEveryText)
{
    for (const char16_t *text :
         {u"C:\\web\\1\\bg.png", u"\\0\\\\1\\\\2\\\\3\\", u">0<", u"\r\n0<", u"a\\", u"\\\\<\\>",
          u"[[x]]\r\n[[<b>\\3\\</b>]]\r\n", u"\n\r\r\n\n\\4\\\r"}) {
        const QString original = QString::fromUtf16(text);
        const QString escaped = escapeSettingsText(original);
        EXPECT_FALSE(escaped.contains(u'<') || escaped.contains(u'>') || escaped.contains(u'\n') ||
                     escaped.contains(u'\r'));
        EXPECT_EQ(unescapeSettingsText(escaped), original) << escaped.toStdString();
    }
    // A hand-written "\" that begins no escape stays.
    EXPECT_EQ(unescapeSettingsText(QStringLiteral(u"\\9\\ \\2")), QStringLiteral(u"\\9\\ \\2"));
}

} // namespace
