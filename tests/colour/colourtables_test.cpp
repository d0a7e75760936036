// The tables' readers, and the facts the basic colours held in code must satisfy.

#include "colour/colourtables.h"
#include "resources/stringresources.h"
#include "support/qt_printers.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

TEST(NamedColourReader, OneRecordPerLineFirstLineIncluded)
{
    const std::vector<NamedColour> records = readNamedColours(loadStringResource(101));
    ASSERT_EQ(records.size(), 139u);
    EXPECT_EQ(records.front().name, QStringLiteral(u"aliceblue"));
    EXPECT_EQ(records.front().hex, QStringLiteral(u"f0f8ff"));
    EXPECT_EQ(records.front().red, 240);
    EXPECT_EQ(records.front().blue, 255);
    EXPECT_EQ(records.back().name, QStringLiteral(u"yellow"));

    // Blank lines and the piece after the last line end hold no record.
    const auto two = readNamedColours(QStringLiteral(u"a,000001,0,0,1\r\n  \r\n\r\nb,ff0000,255,0,0\r\n"));
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[1].name, QStringLiteral(u"b"));
    EXPECT_EQ(two[1].red, 255);
    // A short line gives empty fields, not a failure.
    const NamedColour shortLine = parseNamedColour(QStringLiteral(u"odd"));
    EXPECT_EQ(shortLine.name, QStringLiteral(u"odd"));
    EXPECT_TRUE(shortLine.hex.isEmpty());
    EXPECT_EQ(shortLine.green, 0);
}

TEST(WebColourReader, ValuesAreTheRunsBeforeEachBlank)
{
    const QStringList lines = recordLines(loadStringResource(102));
    ASSERT_EQ(lines.size(), 36);
    int values = 0;
    for (const QString &line : lines)
        values += int(webColourValues(line).size());
    EXPECT_EQ(values, 216);
    EXPECT_EQ(webColourValues(lines.first()).join(u','),
              QStringLiteral(u"000000,000033,000066,000099,0000CC,0000FF"));
    // Text after the last blank is no value.
    EXPECT_EQ(webColourValues(QStringLiteral(u"AAAAAA BBBBBB")),
              QStringList{QStringLiteral(u"AAAAAA")});
    EXPECT_TRUE(webColourValues(QString()).isEmpty());
}

TEST(BasicColours, SixteenVgaColoursThatTheNamedTableAgreesWith)
{
    const auto &basics = basicColours();
    EXPECT_EQ(QString::fromUtf16(basics.front().name), QStringLiteral(u"navy"));
    EXPECT_EQ(QString::fromUtf16(basics.back().name), QStringLiteral(u"purple"));
    QSet<QString> names, hexes;
    const QRegularExpression vga(QStringLiteral(u"^((00|80|c0|ff)){3}$"));
    const std::vector<NamedColour> named = readNamedColours(loadStringResource(101));
    for (const BasicColour &colour : basics) {
        const QString name = QString::fromUtf16(colour.name);
        const QString hex = QString::fromUtf16(colour.hex);
        names.insert(name);
        hexes.insert(hex);
        EXPECT_TRUE(vga.match(hex).hasMatch()) << hex.toStdString();
        const auto it = std::find_if(named.begin(), named.end(),
                                     [&](const NamedColour &r) { return r.name == name; });
        ASSERT_NE(it, named.end()) << name.toStdString();
        EXPECT_EQ(it->hex, hex) << name.toStdString();
    }
    EXPECT_EQ(names.size(), 16);
    EXPECT_EQ(hexes.size(), 16);
}

TEST(ShadeRamps, SevenColumnsOfThirtyThreeLevels)
{
    EXPECT_EQ(shadeLevel(0), 0);
    EXPECT_EQ(shadeLevel(1), 8);
    EXPECT_EQ(shadeLevel(31), 248);
    EXPECT_EQ(shadeLevel(32), 255);
    QString order;
    for (const ShadeRamp &ramp : shadeRamps())
        order += QString::number(ramp.column) + u':' + (ramp.red ? u'r' : u'-') +
                 (ramp.green ? u'g' : u'-') + (ramp.blue ? u'b' : u'-') + u' ';
    EXPECT_EQ(order, QStringLiteral(u"6:rgb 7:r-- 8:-g- 9:--b 10:rg- 11:r-b 12:-gb "));
}

} // namespace
