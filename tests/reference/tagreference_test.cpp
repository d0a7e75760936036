// Validates the built-in tag reference text against its grammar and its tabled counts: physical
// lines, entries and levels, the category/subject/tag outline with each tag's number of attribute
// variants, separators, blanks, quotes and the entries given in full.
#include "reference/tagreference.h"
#include "support/reference_texts.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Entry
{
    int level;
    QString text; // without "$" and the level digit; an example keeps its inner CR LFs
};

std::vector<Entry> entriesOf(const QString &text)
{
    std::vector<Entry> out;
    for (const QString &piece : text.split(u"\r\n$"_s))
        out.push_back({piece.at(0).digitValue(), piece.mid(1)});
    return out;
}

QString separatorOf(const QString &entry)
{
    for (const QString &s : {u"---"_s, u" - --"_s, u"--"_s})
        if (entry.contains(s))
            return s;
    return {};
}

QString codePartOf(const QString &entry)
{
    const QString sep = separatorOf(entry);
    return sep.isEmpty() ? entry : entry.left(entry.indexOf(sep));
}

// Level 1 and 2 rows give their text; a subject's number is 1 when an example closes it.
// A tag's number is its count of attribute variants.
struct OutlineRow
{
    int level;
    const char16_t *text;
    int n;
};
const OutlineRow kOutline[] = {
    {1, u"基本構造関係", 0},
    {2, u"HTML File ", 0},
    {3, u"<html></html> ", 0},
    {2, u"ヘッダー ", 0},
    {3, u"<head></head>---ヘッダーを書く ", 0},
    {2, u"タイトル ", 0},
    {3, u"<title></title>---タイトルを記述する ", 0},
    {2, u"コメント", 0},
    {3, u"<!-- -->---間にコメントを書く ", 0},
    {2, u"ボデー ", 0},
    {3, u"<body></body> - --この中に記述する", 6},
    {2, u"ブロック要素(DIV)", 1},
    {3, u"<div></div>---ブロック要素", 4},
    {2, u"インライン要素(SPAN)", 1},
    {3, u"<span></span> ", 3},
    {1, u"基本テキスト関係 ", 0},
    {2, u"改行", 0},
    {3, u"<br>", 4},
    {2, u"段落(Paragraph) ", 0},
    {3, u"<p></p> ", 7},
    {2, u"太字（Bold）", 0},
    {3, u"<b></b> ", 0},
    {2, u"斜体文字（Italic）", 0},
    {3, u"<i></i> ", 0},
    {2, u"等幅フォント(TeleType)  ", 0},
    {3, u"<tt></tt> ", 0},
    {2, u"見出し(Heading)", 0},
    {3, u"<h1></h1> ", 4},
    {3, u"<h2></h2> ", 1},
    {3, u"<h3></h3> ", 1},
    {3, u"<h4></h4> ", 1},
    {3, u"<h5></h5> ", 1},
    {3, u"<h6></h6> ", 1},
    {2, u"フォント ", 0},
    {3, u"<font></font> ", 5},
    {2, u"罫線(Horizontal Rule) ", 0},
    {3, u"<hr>", 7},
    {2, u"引用文(Block Quote) ", 0},
    {3, u"<blockquote></blockquote> ", 1},
    {1, u"リスト関係", 0},
    {2, u"順序の無いリスト(Unordered List) ", 1},
    {3, u"<ul></ul> ", 3},
    {2, u"順序のあるリスト(Ordered List) ", 1},
    {3, u"<ol></ol> ", 3},
    {2, u"リストアイテム(List Item)", 0},
    {3, u"<li></li>", 0},
    {2, u"(定義リスト)Definiton List ", 0},
    {3, u"<dl></dl> ", 1},
    {2, u"定義語(Definition List Item) ", 0},
    {3, u"<dt></dt> ", 0},
    {2, u"定義の説明(Definition List Definition) ", 0},
    {3, u"<dd> </dd> ", 0},
    {1, u"リンク関係", 0},
    {2, u"アンカー(Anchor Link) ", 0},
    {3, u"<a></a> ", 3},
    {2, u"クリッカブルマップ(Define Map) ", 0},
    {3, u"<map></map> ", 1},
    {2, u"Area Definition ", 0},
    {3, u"<area></area>", 6},
    {1, u"画像関係  ", 0},
    {2, u"画像(Insert Image) ", 0},
    {3, u"<img></img> ", 14},
    {1, u"テーブル関係", 0},
    {2, u"テーブル(Table) ", 0},
    {3, u"<table></table> ", 26},
    {2, u"テーブルの行(Table Row) ", 0},
    {3, u"<tr></tr> ", 14},
    {2, u"テーブルデーター(Table Data) ", 0},
    {3, u"<td></td> ", 25},
    {2, u"テーブルのヘッダ(Table Header)", 0},
    {3, u"<th></th> ", 0},
    {2, u"テーブルの見出(Caption) ", 0},
    {3, u"<caption></caption>  ", 7},
    {1, u"フレーム関係", 0},
    {2, u"Setフレーム (Frames) ", 0},
    {3, u"<frameset></frameset>", 6},
    {2, u"フレームの個数(Frame Definition) ", 0},
    {3, u"<frame></frame>", 12},
    {1, u"フォーム関係", 0},
    {2, u"入力フォーム(Form) ", 0},
    {3, u"<form></form> ", 7},
    {2, u"フォーム部品(Input Field) ", 0},
    {3, u"<input></input>  ", 46},
    {2, u"セレクトボックス(Selection List) ", 0},
    {3, u"<select></select>  ", 6},
    {2, u"選択部品の選択項目(Selection Option) ", 0},
    {3, u"<option></option> ", 4},
    {2, u"複数行のフォーム(Scrolling Text Field) ", 0},
    {3, u"<textarea></textarea>  ", 17},
    {1, u"メタタグ関係", 0},
    {2, u"メタ情報(Server metatags)", 0},
    {3, u"<meta></meta> ", 4},
    {2, u"コンテキスト(Content metatags)", 0},
    {3, u"<meta></meta>--- ", 7},
    {1, u"スタイルシート関係  ", 0},
    {2, u"スタイルタグ(Style Definition Area) ", 0},
    {3, u"<style></style>  ", 1},
    {2, u"Link to external CSS File ", 0},
    {3, u"<link>", 23},
    {1, u"特殊文字関係  ", 0},
    {2, u"ampersand & -> &amp; ", 0},
    {2, u"cent sign ￠ ->    &cent; ", 0},
    {2, u"copyright symbol -> c &copy; or &#169; ", 0},
    {2, u"degree sign °-> &deg; ", 0},
    {2, u"greater than > -> &gt; ", 0},
    {2, u"less than <  -> &lt; ", 0},
    {2, u"non-breaking space ->  &nbsp; ", 0},
    {2, u"registered trademark ->R &#174; ", 0},
};

class TagRefTextTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        text = tagText();
        entries = entriesOf(text);
    }
    QString text;
    std::vector<Entry> entries;

    std::vector<QString> ofLevel(int level) const
    {
        std::vector<QString> out;
        for (const Entry &e : entries)
            if (e.level == level)
                out.push_back(e.text);
        return out;
    }
};

} // namespace

TEST(TagRefTextBuild, EmptyUntilBuiltAndTheSameTextAfterBuildingTwice)
{
    TagReference tag;
    EXPECT_TRUE(tag.tagRefText().isEmpty());
    tag.GetText();
    const QString once = tag.tagRefText();
    tag.setTagRefText(u"$1古い"_s);
    tag.GetText();
    EXPECT_EQ(tag.tagRefText(), once);
    tag.GetText();
    EXPECT_EQ(tag.tagRefText(), once);
    EXPECT_EQ(tag.tagRefText().count(u"1基本構造関係"), 1);
}

TEST_F(TagRefTextTest, PhysicalLinesAndCharacters)
{
    EXPECT_EQ(text.size(), 12903);
    const QStringList physical = text.split(u"\r\n"_s);
    EXPECT_EQ(physical.size(), 402);
    EXPECT_EQ(text.count(u'\r'), 401);
    EXPECT_EQ(text.count(u'\n'), 401);
    EXPECT_FALSE(text.endsWith(u"\r\n"));
    int continuation = 0;
    for (const QString &line : physical.mid(1))
        continuation += !line.startsWith(u'$');
    EXPECT_EQ(continuation, 8);
    EXPECT_TRUE(physical.first() == u"1基本構造関係");
    EXPECT_TRUE(physical.last() == u"$2registered trademark ->R &#174; ");
}

TEST_F(TagRefTextTest, EntriesAndMarkers)
{
    ASSERT_EQ(entries.size(), 394u);
    EXPECT_EQ(entries.front().level, 1);
    EXPECT_EQ(entries.front().text, u"基本構造関係");
    EXPECT_EQ(entries.back().text, u"registered trademark ->R &#174; ");
    EXPECT_EQ(text.count(u'$'), 393);
    EXPECT_EQ(text.count(u"$5"), 4);
    for (const Entry &e : entries) {
        EXPECT_FALSE(e.text.contains(u'$')) << qPrintable(e.text);
        EXPECT_TRUE(e.level >= 1 && e.level <= 5) << qPrintable(e.text);
        const int inner = int(e.text.count(u"\r\n"));
        EXPECT_TRUE(inner == 0 || (e.level == 5 && inner == 4)) << qPrintable(e.text);
    }
    std::map<int, int> levels;
    for (const Entry &e : entries)
        levels[e.level]++;
    EXPECT_EQ(levels, (std::map<int, int>{{1, 11}, {2, 50}, {3, 47}, {4, 282}, {5, 4}}));

    // Depth first: every entry of level 2 to 4 follows one of the level above it.
    // An example follows an attribute variant and is followed by a new subject or category.
    int depth = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry &e = entries[i];
        if (e.level <= 4) {
            EXPECT_LE(e.level, depth + 1) << qPrintable(e.text);
            depth = e.level;
        } else {
            EXPECT_EQ(entries[i - 1].level, 4) << qPrintable(e.text);
            EXPECT_LE(entries[i + 1].level, 2) << qPrintable(e.text);
        }
    }
}

TEST_F(TagRefTextTest, LevelsPerCategory)
{
    struct Row
    {
        const char16_t *category;
        int subjects, tags, variants, examples;
    };
    const Row rows[] = {
        {u"基本構造関係", 7, 7, 13, 2},  {u"基本テキスト関係 ", 9, 14, 33, 0},
        {u"リスト関係", 6, 6, 7, 2},     {u"リンク関係", 3, 3, 10, 0},
        {u"画像関係  ", 1, 1, 14, 0},    {u"テーブル関係", 5, 5, 72, 0},
        {u"フレーム関係", 2, 2, 18, 0},  {u"フォーム関係", 5, 5, 80, 0},
        {u"メタタグ関係", 2, 2, 11, 0},  {u"スタイルシート関係  ", 2, 2, 24, 0},
        {u"特殊文字関係  ", 8, 0, 0, 0},
    };
    std::vector<std::array<int, 4>> counts;
    QStringList categories;
    for (const Entry &e : entries) {
        if (e.level == 1) {
            categories << e.text;
            counts.push_back({0, 0, 0, 0});
        } else {
            counts.back()[e.level - 2]++;
        }
    }
    ASSERT_EQ(counts.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(categories[int(i)], QString::fromUtf16(rows[i].category));
        EXPECT_EQ(counts[i], (std::array<int, 4>{rows[i].subjects, rows[i].tags, rows[i].variants,
                                                 rows[i].examples}))
            << qPrintable(categories[int(i)]);
        EXPECT_TRUE(categories[int(i)].trimmed().endsWith(u"関係"));
    }
}

TEST_F(TagRefTextTest, OutlineOfCategoriesSubjectsAndTags)
{
    struct Actual
    {
        int level;
        QString text;
        int n;
    };
    std::vector<Actual> actual;
    int lastSubject = -1, lastTag = -1;
    for (const Entry &e : entries) {
        if (e.level <= 3) {
            actual.push_back({e.level, e.text, 0});
            if (e.level == 2)
                lastSubject = int(actual.size()) - 1;
            if (e.level == 3)
                lastTag = int(actual.size()) - 1;
        } else if (e.level == 4) {
            actual[lastTag].n++;
        } else {
            actual[lastSubject].n++;
        }
    }
    ASSERT_EQ(actual.size(), std::size(kOutline));
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].level, kOutline[i].level) << i;
        EXPECT_EQ(actual[i].text, QString::fromUtf16(kOutline[i].text)) << i;
        EXPECT_EQ(actual[i].n, kOutline[i].n) << qPrintable(actual[i].text);
    }
}

TEST_F(TagRefTextTest, BlanksQuotesAndSeparators)
{
    int trailing = 0, quotes = 0;
    for (const Entry &e : entries) {
        trailing += e.text.endsWith(u' ');
        if (e.level >= 4)
            quotes += e.text.count(u'"');
    }
    EXPECT_EQ(trailing, 144);
    EXPECT_EQ(quotes, 165);
    EXPECT_EQ(text.count(u'"'), 165);

    std::map<QString, int> tagSeps, variantSeps;
    for (const QString &t : ofLevel(3))
        tagSeps[separatorOf(t)]++;
    for (const QString &v : ofLevel(4))
        variantSeps[separatorOf(v)]++;
    EXPECT_EQ(tagSeps, (std::map<QString, int>{{u"---"_s, 5}, {u" - --"_s, 1}, {QString(), 41}}));
    EXPECT_EQ(variantSeps,
              (std::map<QString, int>{{u"---"_s, 268}, {u"--"_s, 3}, {QString(), 11}}));
    for (int level : {1, 2})
        for (const QString &t : ofLevel(level))
            EXPECT_FALSE(t.contains(u"--")) << qPrintable(t);

    // Only these code parts hold a hyphen; the tree's code cut at the first "-" hinges on it.
    QStringList hyphenated;
    for (int level : {3, 4})
        for (const QString &t : ofLevel(level))
            if (codePartOf(t).contains(u'-'))
                hyphenated << codePartOf(t);
    EXPECT_EQ(hyphenated, (QStringList{u"<!-- -->"_s, u"<font size=\"+/-value/fixed size\">"_s,
                                       u"<font font-weight=n>"_s, u"<font point-size=n>"_s,
                                       u"<form accept-charset=\"charset\">"_s,
                                       u"<meta http-equiv=\"XX\" content=\"XX\">"_s}));

    QStringList notTags;
    for (const QString &v : ofLevel(4))
        if (!v.startsWith(u'<'))
            notTags << v;
    ASSERT_EQ(notTags.size(), 8);
    EXPECT_EQ(notTags.count(u"h1を参照  "_s), 5);
    EXPECT_TRUE(notTags.contains(u"rows=XX"_s));
    EXPECT_TRUE(notTags.contains(u"cols=XX "_s));
    EXPECT_EQ(notTags.filter(u"name="_s).size(), 1);
    EXPECT_TRUE(notTags.filter(u"name="_s).first().startsWith(u"name="));
}

TEST_F(TagRefTextTest, EntriesGivenInFull)
{
    const QStringList physical = text.split(u"\r\n"_s);
    auto follows = [&](const QString &before, const QString &line) {
        const int i = physical.indexOf(before);
        return i >= 0 && physical.value(i + 1) == line;
    };
    EXPECT_TRUE(physical.contains(u"$2HTML File "_s));
    EXPECT_TRUE(physical.contains(u"$3<head></head>---ヘッダーを書く "_s));
    EXPECT_TRUE(physical.contains(u"$4<body background=\"filename\">---画面の背景画像を指定"_s));
    EXPECT_TRUE(physical.contains(u"$4<br clear=left>---行頭を最も左端に表示できる位置まで改行"_s));
    EXPECT_TRUE(physical.contains(u"$4<frame noresize>--フレームのリサイズを禁止  "_s));
    EXPECT_TRUE(physical.contains(u"$2ampersand & -> &amp; "_s));
    EXPECT_TRUE(follows(u"$4<div class=\"classname\">---クラス名"_s,
                        u"$5<div align=\"left\" style=\"border:3px solid gray\">左寄せ</div>"_s));
    const int span =
        physical.indexOf(u"$5この部分を<span style=\"color:red\">赤く</span>表示します"_s);
    ASSERT_GT(span, 0);
    EXPECT_TRUE(physical[span - 1].startsWith(u"$4<span ") &&
                physical[span - 1].contains(u"ID名前"));
    EXPECT_EQ(
        physical.mid(physical.indexOf(u"$4<ol type=i>---i,ii...."_s) + 1, 5),
        (QStringList{u"$5<ol type=\"A\">"_s, u"<li>犬"_s, u"<li>猫"_s, u"<li>豚"_s, u"</ol>"_s}));
    const int ul = physical.indexOf(u"$4<ul type=\"square\">---四角"_s);
    ASSERT_GT(ul, 0);
    EXPECT_EQ(physical[ul + 1], u"$5<ul type=\"circle\">");
    for (int i = ul + 2; i <= ul + 5; ++i)
        EXPECT_FALSE(physical[i].startsWith(u'$')) << qPrintable(physical[i]);
    EXPECT_EQ(physical[ul + 5], u"</ul>");
    EXPECT_TRUE(physical.contains(u"$4<ol type=a>---a,b,c,d..."_s));

    // The two meta tags differ in their text; h2 to h6 share their only variant.
    EXPECT_EQ(ofLevel(3)[43], u"<meta></meta> ");
    EXPECT_EQ(ofLevel(3)[44], u"<meta></meta>--- ");
}
