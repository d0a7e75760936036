// The string resources the program carries: the facts each colour table must satisfy (sizes, line
// format, order, the published keyword values, the web-colour grid), checked without a second copy
// of the tables.

#include "resources/stringresources.h"
#include "support/qt_printers.h"

#include <QColor>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

QStringList linesOf(const QString &text)
{
    EXPECT_TRUE(text.endsWith(QStringLiteral(u"\r\n")));
    QStringList lines = text.split(QStringLiteral(u"\r\n"));
    EXPECT_TRUE(lines.last().isEmpty());
    lines.removeLast();
    for (const QString &line : lines)
        EXPECT_FALSE(line.contains(u'\r') || line.contains(u'\n')) << line.toStdString();
    return lines;
}

TEST(NamedColourResource, SizeLinesAndRecordFormat)
{
    const QString text = loadStringResource(101);
    EXPECT_EQ(text.size(), 4010);
    const QStringList lines = linesOf(text);
    ASSERT_EQ(lines.size(), 139);
    EXPECT_EQ(lines.first(), QStringLiteral(u"aliceblue,f0f8ff,240,248,255"));
    EXPECT_EQ(lines.at(76), QStringLiteral(u"lime,00ff00,0,255,0"));
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral(u"yellow,")));

    // name, six lower-case hex digits, three decimals 0..255 without leading zeros.
    const QRegularExpression record(QStringLiteral(
        u"^([a-z]+),([0-9a-f]{6}),(0|[1-9][0-9]{0,2}),(0|[1-9][0-9]{0,2}),(0|[1-9][0-9]{0,2})$"));
    QString previous;
    for (const QString &line : lines) {
        const QRegularExpressionMatch m = record.match(line);
        ASSERT_TRUE(m.hasMatch()) << line.toStdString();
        const QString name = m.captured(1);
        EXPECT_LT(previous, name) << "not in alphabetical order: " << name.toStdString();
        previous = name;
        const int hex = m.captured(2).toInt(nullptr, 16);
        const int red = m.captured(3).toInt(), green = m.captured(4).toInt(),
                  blue = m.captured(5).toInt();
        EXPECT_TRUE(red <= 255 && green <= 255 && blue <= 255) << line.toStdString();
        EXPECT_EQ(hex, red << 16 | green << 8 | blue) << line.toStdString();
        // The published value of the keyword.
        const QColor published = QColor::fromString(name);
        ASSERT_TRUE(published.isValid()) << name.toStdString();
        EXPECT_EQ(m.captured(2), published.name().mid(1)) << name.toStdString();
    }
}

TEST(NamedColourResource, KeywordsLeftOutAndTheGreySpellings)
{
    QStringList names;
    for (const QString &line : linesOf(loadStringResource(101)))
        names << line.section(u',', 0, 0);
    for (const char16_t *absent : {u"yellowgreen", u"darkgrey", u"darkslategrey", u"dimgrey",
                                   u"grey", u"lightgray", u"lightslategrey", u"slategrey"})
        EXPECT_FALSE(names.contains(QString::fromUtf16(absent))) << QString::fromUtf16(absent).toStdString();
    QStringList greys;
    for (const QString &name : names)
        if (name.contains(QStringLiteral(u"gr")) && (name.contains(QStringLiteral(u"gray")) ||
                                                     name.contains(QStringLiteral(u"grey"))))
            greys << name;
    EXPECT_EQ(greys.filter(QStringLiteral(u"grey")), QStringList{QStringLiteral(u"lightgrey")});
    EXPECT_EQ(greys.size(), 7);
}

TEST(WebColourResource, SizeAndTheGridOfValues)
{
    const QString text = loadStringResource(102);
    EXPECT_EQ(text.size(), 1584);
    const QStringList lines = linesOf(text);
    ASSERT_EQ(lines.size(), 36);
    EXPECT_EQ(lines.first(), QStringLiteral(u"000000 000033 000066 000099 0000CC 0000FF "));
    EXPECT_EQ(lines.last(), QStringLiteral(u"FFFF00 FFFF33 FFFF66 FFFF99 FFFFCC FFFFFF "));
    const QRegularExpression line(QStringLiteral(u"^([0-9A-F]{6} ){6}$"));
    const int blues[] = {0x00, 0x33, 0x66, 0x99, 0xCC, 0xFF};
    for (int n = 0; n < lines.size(); ++n) {
        ASSERT_TRUE(line.match(lines.at(n)).hasMatch()) << lines.at(n).toStdString();
        for (int j = 0; j < 6; ++j) {
            const int value = lines.at(n).mid(j * 7, 6).toInt(nullptr, 16);
            EXPECT_EQ(value >> 16, 0x33 * (n / 6)) << n << ',' << j;
            EXPECT_EQ(value >> 8 & 0xFF, 0x33 * (n % 6)) << n << ',' << j;
            EXPECT_EQ(value & 0xFF, blues[j]) << n << ',' << j;
        }
    }
}

TEST(StringResources, AnIdTheProgramDoesNotCarryIsEmpty)
{
    EXPECT_TRUE(loadStringResource(100).isEmpty());
    EXPECT_TRUE(loadStringResource(103).isEmpty());
}

} // namespace
