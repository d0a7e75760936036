#include "editor/htmlcolorizer.h"

#include "editor/golden.h"

#include <gtest/gtest.h>

using namespace editor;

namespace {

// A scheme whose colours are the role numbers, so runs read as roles.
const ColorScheme kRoles{true, 0, 1, 2, 3, 4, 5, 6, 100, 101, 102};

// The text with «N» in front of every run, N the run's role.
QString render(QStringView text, const ColorRuns &runs)
{
    QString out;
    for (size_t k = 0; k < runs.size(); ++k) {
        const qsizetype end = k + 1 < runs.size() ? runs[k + 1].start : text.size();
        out +=
            QStringLiteral(u"\u00AB") + QString::number(runs[k].color) + QStringLiteral(u"\u00BB");
        out += text.sliced(runs[k].start, end - runs[k].start);
    }
    return out;
}

// Colours line by line, each line from the state the line before returned.
ColorRuns runsByLine(QStringView text)
{
    HtmlColorizer colorizer(text);
    ColorRunCollector collector;
    ColorState state;
    qsizetype from = 0;
    while (from < text.size()) {
        qsizetype end = text.indexOf(u"\r\n", from);
        end = end < 0 ? text.size() : end + 2;
        state = colorizer.colorRange(from, end, state, kRoles, collector);
        from = end;
    }
    return collector.take();
}

class ColouringGolden : public testing::TestWithParam<std::string>
{
};

TEST_P(ColouringGolden, RunsMatchAndLinePassesAgree)
{
    const QString input = golden::read("colouring", GetParam(), "input.html");
    const ColorRuns runs = colorRuns(input, kRoles);
    golden::expectFile("colouring", GetParam(), "expected.txt", render(input, runs));

    ASSERT_FALSE(runs.empty());
    EXPECT_EQ(runs.front().start, 0);
    for (size_t k = 1; k < runs.size(); ++k) {
        EXPECT_LT(runs[k - 1].start, runs[k].start);
        EXPECT_NE(runs[k - 1].color, runs[k].color);
    }
    EXPECT_LT(runs.back().start, input.size());
    EXPECT_EQ(runsByLine(input), runs);

    // In slices, keeping the state between them: the same runs, and the states a piece by piece
    // colouring meets at the slices' ends.
    const HtmlColorizer colorizer(input);
    std::vector<HtmlColorizer::StateAt> states;
    EXPECT_EQ(colorizer.runs(kRoles, &states, 7), runs);
    ASSERT_EQ(states.size(), std::size_t((input.size() - 1) / 7));
    ColorRunCollector ignored;
    ColorState state;
    for (const HtmlColorizer::StateAt &at : states) {
        state = colorizer.colorRange(at.position - 7, at.position, state, kRoles, ignored);
        EXPECT_EQ(at.state, state) << at.position;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ColouringGolden, testing::ValuesIn(golden::cases("colouring")),
                         golden::caseName);

TEST(Colouring, LinkExampleInLightScheme)
{
    const ColorScheme &s = ColorScheme::light();
    const ColorRuns expected{{0, s.tag}, {9, s.value}, {10, s.tag}, {12, s.text}, {16, s.tag}};
    EXPECT_EQ(colorRuns(u"<a href=\"x\">link</a>", s), expected);
    EXPECT_EQ(s.tag, rgb(0, 0, 200));
    EXPECT_EQ(s.value, rgb(180, 0, 0));
}

TEST(Colouring, DarkSchemeDrawsDefaultTextVisibly)
{
    const ColorScheme &s = ColorScheme::dark();
    const ColorRuns runs = colorRuns(u"lead <!-- \"c\" --><b>", s);
    ASSERT_FALSE(runs.empty());
    EXPECT_EQ(runs.front().color, rgb(238, 238, 255));
    EXPECT_NE(runs.front().color, s.sourceBackground);
    EXPECT_EQ(s.tag, rgb(0, 150, 255));
    EXPECT_EQ(s.sourceBackground, rgb(0, 0, 0));
}

TEST(Colouring, SourceWithoutTagIsPlainText)
{
    struct Row
    {
        const ColorScheme *scheme;
        quint32 plain;
    };
    for (const Row &row : {Row{&ColorScheme::light(), rgb(150, 0, 150)},
                           Row{&ColorScheme::dark(), rgb(255, 255, 255)}}) {
        EXPECT_EQ(colorRuns(u"abc \"d\" -->", *row.scheme), (ColorRuns{{0, row.plain}}));
        EXPECT_TRUE(colorRuns(u"", *row.scheme).empty());
    }
}

TEST(Colouring, RecolouringFromALineOnMatchesAWholePass)
{
    // A caller keeps the state at each line start; after an edit of line 3 it recolours from there.
    const QString before = QStringLiteral(u"<p a=\"1\">\r\n<!-- \"x\r\ny\" -->\r\n<b>old</b>\r\nt");
    const QString after = QStringLiteral(u"<p a=\"1\">\r\n<!-- \"x\r\ny\" -->\r\n<b c=\"n\">\r\nt");
    const qsizetype line3 = before.indexOf(u"<b>");
    ColorRunCollector head;
    const ColorState state = HtmlColorizer(before).colorRange(0, line3, {}, kRoles, head);
    ColorRunCollector tail;
    HtmlColorizer(after).colorRange(line3, after.size(), state, kRoles, tail);
    ColorRuns joined = head.runs();
    for (const ColorRun &r : tail.runs()) {
        if (joined.empty() || joined.back().color != r.color)
            joined.push_back(r);
    }
    EXPECT_EQ(joined, colorRuns(after, kRoles));
}

TEST(ColourScheme, CellDataColours)
{
    const ColorScheme &light = ColorScheme::light();
    const ColorScheme &dark = ColorScheme::dark();
    EXPECT_EQ(&ColorScheme::forOption(1), &light);
    EXPECT_EQ(&ColorScheme::forOption(0), &dark);
    EXPECT_EQ(&ColorScheme::forOption(2), &dark);

    struct Row
    {
        CellDataColors actual;
        std::optional<quint32> background;
        quint32 text;
    };
    const Row rows[] = {
        {setcolor2CellData(light, true), rgb(238, 238, 255), rgb(0, 0, 0)},
        {setcolor2CellData(light, false), rgb(238, 238, 255), rgb(150, 0, 150)},
        {setcolor2CellData(dark, true), rgb(0, 0, 0), rgb(238, 238, 255)},
        {setcolor2CellData(dark, false), rgb(0, 0, 0), rgb(255, 255, 255)},
        {recolorCellData(light), std::nullopt, rgb(0, 0, 0)},
        {recolorCellData(dark), rgb(0, 0, 0), rgb(238, 238, 255)},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(row.actual.background, row.background);
        EXPECT_EQ(row.actual.text, row.text);
    }
}

} // namespace
