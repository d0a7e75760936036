// Validates the built-in CSS reference text against its grammar and its tabled counts, and walks it
// the way its readers do: the CSS tree's group and property cuts, its description cut, and the
// editor's value completion.
#include "controls/strings.h"
#include "reference/cssreference.h"
#include "support/reference_texts.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kCrLf = u"\r\n"_s;
const QString kIdeoSpace = QString(QChar(0x3000));

enum class Kind {
    Header,
    Property,
    ValueMarker,
    Value,
    DescMarker,
    Desc,
    ExampleMarker,
    Example,
    Blank,
    End
};

struct Block
{
    QStringList props;
    bool hasValues = false;
    QStringList values, desc, examples;
};

struct Group
{
    QString header;
    std::vector<Block> blocks;
    int blankLines = 0;
};

QStringList linesOf(const QString &text)
{
    QStringList lines = text.split(kCrLf);
    lines.removeLast(); // the text ends with CR LF
    return lines;
}

bool isDescMarker(const QString &line)
{
    // The marker may follow ideographic spaces on its line; readers find it by its text.
    if (!line.endsWith(u"<説明>"))
        return false;
    const QString lead = line.chopped(4);
    return lead.count(QChar(0x3000)) == lead.size();
}

// Classifies every line by the grammar and gathers groups and blocks; fails the test on a line
// that fits no kind or a section out of order.
struct Parsed
{
    std::vector<Kind> kinds;
    std::vector<Group> groups;
};

Parsed parse(const QStringList &lines)
{
    static const QRegularExpression propertyLine(u"^<([a-z-]+)>$"_s);
    Parsed p;
    Kind section = Kind::End;
    for (const QString &line : lines) {
        Kind kind;
        if (line == u"<$END>") {
            kind = Kind::End;
        } else if (line.startsWith(u"<$")) {
            kind = Kind::Header;
            p.groups.push_back({line, {}, 0});
        } else if (line == u"<バリュー>") {
            kind = Kind::ValueMarker;
            EXPECT_EQ(section, Kind::Property) << "value marker out of order";
            p.groups.back().blocks.back().hasValues = true;
        } else if (isDescMarker(line)) {
            kind = Kind::DescMarker;
            EXPECT_TRUE(section == Kind::Property || section == Kind::ValueMarker) << "description";
        } else if (line == u"<例>") {
            kind = Kind::ExampleMarker;
            EXPECT_EQ(section, Kind::DescMarker) << "example marker out of order";
        } else if (const auto m = propertyLine.match(line); m.hasMatch()) {
            kind = Kind::Property;
            EXPECT_FALSE(p.groups.empty());
            auto &blocks = p.groups.back().blocks;
            if (section != Kind::Property)
                blocks.push_back({});
            blocks.back().props << m.captured(1);
        } else if (line.isEmpty()) {
            kind = Kind::Blank;
            p.groups.back().blankLines++;
        } else {
            EXPECT_FALSE(line.startsWith(u'<')) << qPrintable(line);
            Block &b = p.groups.back().blocks.back();
            switch (section) {
            case Kind::ValueMarker:
                kind = Kind::Value;
                b.values << line;
                break;
            case Kind::DescMarker:
                kind = Kind::Desc;
                b.desc << line;
                break;
            case Kind::ExampleMarker:
                kind = Kind::Example;
                b.examples << line;
                break;
            default:
                ADD_FAILURE() << "content outside a section: " << qPrintable(line);
                continue;
            }
        }
        p.kinds.push_back(kind);
        if (kind != Kind::Value && kind != Kind::Desc && kind != Kind::Example &&
            kind != Kind::Blank)
            section = kind;
    }
    return p;
}

int countKind(const Parsed &p, Kind k)
{
    return int(std::count(p.kinds.begin(), p.kinds.end(), k));
}

std::vector<const Block *> allBlocks(const Parsed &p)
{
    std::vector<const Block *> out;
    for (const Group &g : p.groups)
        for (const Block &b : g.blocks)
            out.push_back(&b);
    return out;
}

const Block &blockOf(const Parsed &p, const QString &header, const QString &prop)
{
    for (const Group &g : p.groups)
        if (g.header == header)
            for (const Block &b : g.blocks)
                if (b.props.contains(prop))
                    return b;
    ADD_FAILURE() << "no block " << qPrintable(prop);
    static const Block none;
    return none;
}

// The value of a value line: the text before its first "--", or the whole line.
QString valueOf(const QString &line)
{
    const int p = strings::inStr(line, u"--"_s);
    return p == 0 ? line : strings::mid(line, 1, p - 1);
}

class CssRefTextTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        text = cssText();
        lines = linesOf(text);
        parsed = parse(lines);
    }
    QString text;
    QStringList lines;
    Parsed parsed;
};

} // namespace

TEST(CssRefTextBuild, EmptyUntilBuiltAndOneCopyAfterBuildingTwice)
{
    CssReference css;
    EXPECT_TRUE(css.cssRefText().isEmpty());
    css.Gettext1();
    const QString once = css.cssRefText();
    css.Gettext1();
    EXPECT_EQ(css.cssRefText(), once);
    EXPECT_EQ(css.cssRefText().count(u"<$フォントの設定>"), 1);
    EXPECT_EQ(linesOf(css.cssRefText()).size(), 766);

    // An assigned text is replaced whole by the next build.
    css.setCssRefText(u"<$古い>\r\n"_s);
    css.Gettext1();
    EXPECT_EQ(css.cssRefText(), once);
}

TEST_F(CssRefTextTest, LinesCharactersAndLineEnds)
{
    EXPECT_EQ(lines.size(), 766);
    EXPECT_EQ(text.size(), 17163);
    EXPECT_TRUE(text.endsWith(u"<$END>\r\n"));
    EXPECT_EQ(text.count(u'\r'), 766);
    EXPECT_EQ(text.count(u'\n'), 766);
    EXPECT_FALSE(text.contains(u'\t'));
    EXPECT_EQ(lines.first(), u"<$フォントの設定>");
}

TEST_F(CssRefTextTest, LineKindsAsTabled)
{
    const std::pair<Kind, int> expected[] = {
        {Kind::Header, 10},        {Kind::Property, 68},
        {Kind::ValueMarker, 39},   {Kind::Value, 271},
        {Kind::DescMarker, 41},    {Kind::Desc, 178},
        {Kind::ExampleMarker, 41}, {Kind::Example, 115},
        {Kind::Blank, 2},          {Kind::End, 1},
    };
    for (const auto &[kind, count] : expected)
        EXPECT_EQ(countKind(parsed, kind), count) << int(kind);
    EXPECT_EQ(parsed.kinds.back(), Kind::End);

    QSet<QString> names;
    for (const Block *b : allBlocks(parsed))
        for (const QString &n : b->props)
            names.insert(n);
    EXPECT_EQ(names.size(), 67);
}

TEST_F(CssRefTextTest, GroupsAsTabled)
{
    struct Row
    {
        const char16_t *header;
        const char16_t *props; // blocks separated by "|"
        int values, desc, examples;
    };
    const Row rows[] = {
        {u"<$フォントの設定>",
         u"font-family|font-style|font-variant|font-weight|font-size|"
         u"line-height|font",
         45, 38, 19},
        {u"<$テキストの設定>",
         u"word-spacing|letter-spacing|text-align|text-decoration|"
         u"text-indent|line-height|vertical-align|text-transform",
         62, 28, 18},
        {u"<$色設定>", u"color", 6, 3, 2},
        {u"<$背景の設定>",
         u"background-color|background-image|background-repeat|"
         u"background-attachment|background-position|background",
         30, 28, 17},
        {u"<$ボックスの大きさの設定>", u"width height|float|overflow|clear", 22, 20, 7},
        {u"<$ボックスの枠線の設定>",
         u"border-style border-top-style border-left-style border-right-style border-bottom-style|"
         u"border-width border-top-width border-left-width border-right-width "
         u"border-bottom-width|border-color border-top-color border-left-color border-right-color "
         u"border-bottom-color|border border-top border-left border-right border-bottom",
         25, 14, 18},
        {u"<$ボックスの余白の設定>",
         u"margin-top margin-left margin-right margin-bottom|"
         u"padding padding-top padding-left padding-right padding-bottom",
         20, 12, 11},
        {u"<$位置の指定>", u"position|top left right bottom|z-index", 17, 9, 5},
        {u"<$分類のプロパティ>", u"display|white-space", 10, 11, 6},
        {u"<$リストの設定>", u"list-style-type|list-style-image|list-style-position|list-style", 34,
         15, 12},
    };
    ASSERT_EQ(parsed.groups.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Group &g = parsed.groups[i];
        const Row &r = rows[i];
        SCOPED_TRACE(qPrintable(g.header));
        EXPECT_EQ(g.header, QString::fromUtf16(r.header));
        const QStringList blocks = QString::fromUtf16(r.props).split(u'|');
        ASSERT_EQ(g.blocks.size(), std::size_t(blocks.size()));
        int values = 0, desc = 0, examples = 0;
        for (int b = 0; b < blocks.size(); ++b) {
            EXPECT_EQ(g.blocks[b].props, blocks[b].split(u' '));
            values += g.blocks[b].values.size();
            desc += g.blocks[b].desc.size();
            examples += g.blocks[b].examples.size();
        }
        EXPECT_EQ(values, r.values);
        EXPECT_EQ(desc, r.desc);
        EXPECT_EQ(examples, r.examples);
        static const QRegularExpression forbidden(u"[<>$+]"_s);
        EXPECT_FALSE(g.header.mid(2, g.header.size() - 3).contains(forbidden));
    }
}

TEST_F(CssRefTextTest, BlocksAndTheirSections)
{
    const auto blocks = allBlocks(parsed);
    EXPECT_EQ(blocks.size(), 41u);
    EXPECT_EQ(std::count_if(blocks.begin(), blocks.end(), [](auto b) { return b->hasValues; }), 39);
    for (const Block *b : blocks) {
        EXPECT_EQ(b->hasValues, !b->values.isEmpty()) << qPrintable(b->props.first());
        EXPECT_FALSE(b->desc.isEmpty()) << qPrintable(b->props.first());
        EXPECT_FALSE(b->examples.isEmpty()) << qPrintable(b->props.first());
    }
    // The two blocks without values close their groups.
    const Group &font = parsed.groups[0];
    EXPECT_FALSE(font.blocks.back().hasValues);
    EXPECT_EQ(font.blocks.back().props, QStringList{u"font"_s});
    const Group &border = parsed.groups[5];
    EXPECT_FALSE(border.blocks.back().hasValues);
    EXPECT_EQ(border.blocks.back().props.join(u' '),
              u"border border-top border-left border-right border-bottom");

    // Each block's own lines, from its first property line to the next block or group, hold
    // one description marker and one example marker.
    std::vector<int> starts;
    for (int i = 0; i < lines.size(); ++i) {
        const bool prop = parsed.kinds[i] == Kind::Property;
        if ((prop && parsed.kinds[i - 1] != Kind::Property) || parsed.kinds[i] == Kind::Header ||
            parsed.kinds[i] == Kind::End)
            starts.push_back(i);
    }
    int checked = 0;
    for (std::size_t s = 0; s + 1 < starts.size(); ++s) {
        if (parsed.kinds[starts[s]] != Kind::Property)
            continue;
        const QString own = lines.mid(starts[s], starts[s + 1] - starts[s]).join(kCrLf);
        EXPECT_EQ(own.count(u"<説明>"), 1) << qPrintable(lines[starts[s]]);
        EXPECT_EQ(own.count(u"<例>"), 1) << qPrintable(lines[starts[s]]);
        ++checked;
    }
    EXPECT_EQ(checked, 41);
}

TEST_F(CssRefTextTest, LineStartInvariants)
{
    int angle = 0, blank = 0, blankTag = 0, ideo = 0;
    for (const QString &l : lines)
        angle += l.startsWith(u'<');
    EXPECT_EQ(angle, 199);
    for (const Block *b : allBlocks(parsed)) {
        for (const QString &l : b->values + b->desc + b->examples)
            EXPECT_FALSE(l.startsWith(u'<')) << qPrintable(l);
        for (const QString &l : b->examples) {
            blank += l.startsWith(u' ');
            blankTag += l.startsWith(u" <");
            ideo += l.startsWith(kIdeoSpace);
        }
        for (const QString &n : b->props)
            EXPECT_FALSE(n.contains(u'+'));
    }
    EXPECT_EQ(blank, 21);
    EXPECT_EQ(blankTag, 20);
    EXPECT_EQ(ideo, 3);
    for (const QString &l : blockOf(parsed, u"<$フォントの設定>"_s, u"line-height"_s).examples)
        EXPECT_TRUE(l.startsWith(kIdeoSpace));
}

TEST_F(CssRefTextTest, ZIndexMarkerAndBlankLines)
{
    const int i = lines.indexOf(u"<z-index>"_s);
    ASSERT_GT(i, 0);
    EXPECT_EQ(lines[i + 4], kIdeoSpace.repeated(6) + u"<説明>"_s);
    EXPECT_EQ(lines.filter(u"<説明>"_s).size(), 41);
    int plain = 0;
    for (const QString &l : lines)
        plain += l == u"<説明>";
    EXPECT_EQ(plain, 40);

    const int b1 = lines.indexOf(QString());
    const int b2 = lines.indexOf(QString(), b1 + 1);
    EXPECT_EQ(lines[b1 + 1], u"<text-transform>");
    EXPECT_EQ(blockOf(parsed, u"<$テキストの設定>"_s, u"vertical-align"_s).examples.last(),
              lines[b1 - 1]);
    EXPECT_EQ(lines[b2 + 1], u"<$ボックスの大きさの設定>");
    EXPECT_EQ(parsed.groups[3].blankLines, 1);
}

TEST_F(CssRefTextTest, BlocksGivenInFull)
{
    const std::pair<const char16_t *, QStringList> blocks[] = {
        {u"<font-style>",
         {u"<font-style>"_s, u"<バリュー>"_s, u"italic-----斜体"_s,
          u"normal-----通常（デフォルト）"_s, u"oblique----オブリーク体"_s, u"<説明>"_s,
          u"フォントファミリ内から通常体、イタリック体、オブリーク体のいずれかを選択する。"_s,
          u"全ての要素に適応"_s, u"継承：有り"_s, u"<例>"_s, u"H1{font-style:italic}"_s,
          u"H1{font-style:normal}"_s, u"<font-variant>"_s}},
        {u"<top>",
         {u"<top>"_s,
          u"<left>"_s,
          u"<right>"_s,
          u"<bottom>"_s,
          u"<バリュー>"_s,
          u"px-----------ピクセル"_s,
          u"pt-----------ポイント(72py=1in)"_s,
          u"pc-----------パイか(1pc=12pt)"_s,
          u"mm-----------ミリメートル"_s,
          u"cm-----------センチメートル"_s,
          u"in-----------インチ"_s,
          u"em-----------基準になるフォントサイズ"_s,
          u"ex-----------基準になるフォント「x」の高さ"_s,
          u"%------------親要素の指定値に対する割合"_s,
          u"normal-------通常（デフォルト）"_s,
          u"auto---------自動調整"_s,
          u"<説明>"_s,
          u"これらのプロパティはpositionプロパティと組み合わせてボックスの配置体系を決めます。"_s,
          u"全ての要素に適応"_s,
          u"継承：無し"_s,
          u"<例>"_s,
          u"SPAN.sample1{color:#ff0000;position:static;top:10px;left:10px}"_s,
          u"SPAN.sample2{color:#ff0000;position:relative;top:10px;left:10px}"_s,
          u"<z-index>"_s}},
        {u"<z-index>",
         {u"<z-index>"_s, u"<バリュー>"_s, u"番号-------数字１２３"_s, u"auto-------自動調整"_s,
          kIdeoSpace.repeated(6) + u"<説明>"_s,
          u"重なりの順序を整数で指定します。0を基準として、"_s, u"値が大きいものほど上になります"_s,
          u"<例>"_s, u"無し"_s, u"<$分類のプロパティ>"_s}},
    };
    for (const auto &[first, expected] : blocks) {
        const int i = lines.indexOf(QString::fromUtf16(first));
        ASSERT_GE(i, 0);
        EXPECT_EQ(lines.mid(i, expected.size()), expected);
    }
}

TEST_F(CssRefTextTest, ValueLines)
{
    static const QRegularExpression padded(u"^(.+?)-{2,}([^-].*)$"_s);
    int withoutRun = 0;
    for (const Block *b : allBlocks(parsed)) {
        for (const QString &l : b->values) {
            if (!l.contains(u"--")) {
                ++withoutRun;
                continue;
            }
            const auto m = padded.match(l);
            ASSERT_TRUE(m.hasMatch()) << qPrintable(l);
            EXPECT_EQ(m.captured(1), valueOf(l)) << qPrintable(l);
        }
    }
    EXPECT_EQ(withoutRun, 8);

    struct Quoted
    {
        const char16_t *prop, *line, *value;
    };
    const Quoted quoted[] = {
        {u"font-family", u"sans-serif---ゴシック系のフォント", u"sans-serif"},
        {u"font-family", u"serif--------明朝系のフォント", u"serif"},
        {u"font-family", u"フォント名----ＭＳゴシックなど", u"フォント名"},
        {u"list-style-type", u"cjk-ideographic--漢数字。「一」,「二」,「三」・・「十」",
         u"cjk-ideographic"},
        {u"z-index", u"番号-------数字１２３", u"番号"},
    };
    for (const Quoted &q : quoted) {
        const QString line = QString::fromUtf16(q.line);
        bool found = false;
        for (const Block *b : allBlocks(parsed))
            found |= b->props.contains(QString::fromUtf16(q.prop)) && b->values.contains(line);
        EXPECT_TRUE(found) << qPrintable(line);
        EXPECT_EQ(valueOf(line), QString::fromUtf16(q.value));
    }
}

TEST_F(CssRefTextTest, DescriptionsAndExamples)
{
    int inherited = 0, notInherited = 0, elementLines = 0, allElements = 0, none = 0;
    for (const Block *b : allBlocks(parsed)) {
        const QString last = b->desc.last();
        if (last != u"継承：有り" && last != u"継承：無し")
            continue;
        (last == u"継承：有り" ? inherited : notInherited)++;
        const QString before = b->desc.value(b->desc.size() - 2);
        if (b->desc.size() >= 2 && before.endsWith(u"に適応")) {
            ++elementLines;
            allElements += before == u"全ての要素に適応";
        }
    }
    EXPECT_EQ(inherited, 18);
    EXPECT_EQ(notInherited, 18);
    EXPECT_EQ(elementLines, 34);
    EXPECT_GT(allElements, elementLines / 2);
    for (const Block *b : allBlocks(parsed))
        none += b->examples == QStringList{u"無し"_s};
    EXPECT_EQ(none, 1);
    EXPECT_EQ(blockOf(parsed, u"<$位置の指定>"_s, u"z-index"_s).examples, QStringList{u"無し"_s});
}

TEST_F(CssRefTextTest, LineHeightBlocksDifferOnlyAsStated)
{
    const Block &font = blockOf(parsed, u"<$フォントの設定>"_s, u"line-height"_s);
    const Block &txt = blockOf(parsed, u"<$テキストの設定>"_s, u"line-height"_s);
    EXPECT_EQ(font.desc, txt.desc);
    ASSERT_EQ(font.values.size(), txt.values.size());
    int differing = 0;
    for (int i = 0; i < font.values.size(); ++i)
        differing += font.values[i] != txt.values[i];
    EXPECT_EQ(differing, 2);
    ASSERT_EQ(font.examples.size(), txt.examples.size());
    for (int i = 0; i < font.examples.size(); ++i) {
        QString stripped = font.examples[i];
        while (stripped.startsWith(kIdeoSpace))
            stripped.remove(0, 1);
        EXPECT_EQ(stripped, txt.examples[i]);
    }
}
