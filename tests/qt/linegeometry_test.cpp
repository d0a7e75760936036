// The places along a line, worked out without laying the line out, against a text layout of the
// whole line: every column, in several fonts, before and after edits anywhere in the line.

#include "qt/japanese.h"
#include "qt/linegeometry.h"

#include <QFontDatabase>
#include <QTextLayout>
#include <gtest/gtest.h>

#include <cmath>

namespace {

QFont unshaped(const QString &family)
{
    QFont font(family, 11);
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setKerning(false);
    return font;
}

// The places a layout of the whole line gives each caret position, in 1/64 pixel.
std::vector<qint64> laidOut(const QString &line, const QFont &font)
{
    QTextLayout layout(line, font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine l = layout.createLine();
    l.setLineWidth(1e7);
    layout.endLayout();
    std::vector<qint64> places;
    for (qsizetype c = 0; c <= line.size(); ++c)
        places.push_back(qint64(std::llround(l.cursorToX(int(c)) * 64)));
    return places;
}

// The first column whose place differs, described; empty when all agree.
std::string firstDifference(const QString &line, const QFont &font, const LineGeometry &geometry,
                            const CharAdvances &advances)
{
    const LineGeometry::Reader read = [&](qsizetype from, qsizetype to) {
        return QStringView(line).sliced(from, to - from);
    };
    if (geometry.length() != line.size())
        return "length " + std::to_string(geometry.length());
    const std::vector<qint64> places = laidOut(line, font);
    for (qsizetype c = 0; c <= line.size(); ++c) {
        if (geometry.xAt(c, read, advances) != places[std::size_t(c)])
            return "column " + std::to_string(c) + ": " +
                   std::to_string(geometry.xAt(c, read, advances)) + " against " +
                   std::to_string(places[std::size_t(c)]);
        // A place finds its column again (a character of no width gives the column after it).
        const qsizetype back = geometry.columnAt(places[std::size_t(c)], read, advances);
        if (c < line.size() && places[std::size_t(c) + 1] > places[std::size_t(c)] && back != c)
            return "x of column " + std::to_string(c) + " finds " + std::to_string(back);
    }
    if (geometry.width(advances) != places.back())
        return "width";
    return {};
}

// A line of several chunks: table source, Japanese of full and half width, tabs (at the start, in
// the middle, two in a row), a character outside the basic plane, a lone surrogate.
QString mixedLine()
{
    QString line = QStringLiteral(u"\t<td>");
    const QString pieces[] = {QStringLiteral(u"<td align=\"center\">東京、ﾃｽﾄ①㈱</td>"),
                              QStringLiteral(u"\tx\t\ty"), QStringLiteral(u"abc😀𠮷z"),
                              QStringLiteral(u"　全角スペース　")};
    for (int i = 0; line.size() < 5 * LineGeometry::ChunkSize; ++i)
        line += pieces[i % 4];
    line += QChar(0xD800);
    line += u"end";
    return line;
}

} // namespace

TEST(LineGeometry, PlacesAreWhereALayoutOfTheWholeLinePutsThem)
{
    useJapaneseFonts();
    QStringList families = {QStringLiteral(u"IPAGothic"), QStringLiteral(u"DejaVu Serif")};
    for (const QString &family : families) {
        SCOPED_TRACE(family.toStdString());
        const QFont font = unshaped(family);
        const CharAdvances advances(font, QTextOption().tabStopDistance());
        QString line = mixedLine();
        LineGeometry geometry;
        auto read = [&](qsizetype from, qsizetype to) {
            return QStringView(line).sliced(from, to - from);
        };
        geometry.reset(line.size(), read, advances);
        ASSERT_EQ(firstDifference(line, font, geometry, advances), "");

        // Edits at the start, the end, across chunk ends, a tab put in and taken out, a surrogate
        // pair made across a chunk's end.
        const struct
        {
            qsizetype at;
            qsizetype removed;
            QString inserted;
        } edits[] = {
            {0, 0, QStringLiteral(u"x")},
            {qsizetype(line.size()), 0, QStringLiteral(u"\tend")},
            {LineGeometry::ChunkSize - 3, 10, QStringLiteral(u"\t")},
            {2 * LineGeometry::ChunkSize, 0, QStringLiteral(u"東\t京")},
            {5, 3 * LineGeometry::ChunkSize, QString()},
            {LineGeometry::ChunkSize, 0, QString(QChar(0xD83D))},
            {LineGeometry::ChunkSize + 1, 0, QString(QChar(0xDE00))},
            {0, 1, QString()},
        };
        for (const auto &edit : edits) {
            SCOPED_TRACE(edit.at);
            const qsizetype at = std::min(edit.at, line.size());
            const qsizetype removed = std::min(edit.removed, line.size() - at);
            line.replace(at, removed, edit.inserted);
            geometry.replace(at, removed, edit.inserted.size(), read, advances);
            EXPECT_EQ(firstDifference(line, font, geometry, advances), "");
        }
    }
}
