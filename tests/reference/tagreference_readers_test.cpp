// Reads the built-in tag reference text the way the tag tree does: its load splits the text into
// entry lines and keys, and a click finds the node's text again, takes the marker before it and
// shows an example only where one closes the entry's stretch of the text.
#include "controls/strings.h"
#include "reference/tagreference.h"

#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Node
{
    int level;
    QString key, text;
};

QString tagText()
{
    TagReference tag;
    tag.GetText();
    return tag.tagRefText();
}

// The tree's load: one node per entry of levels 1 to 4, keyed by the lines of its path.
std::vector<Node> loadTree(const QString &text, bool upperCase)
{
    std::vector<Node> nodes;
    QString lastKey[7];
    for (QString line : vb::split(text, u"\r\n$"_s)) {
        line = u"$"_s + vb::replace(line, u"\r\n"_s, QString());
        if (upperCase && vb::mid(line, 3, 1) == u"<")
            line = line.toUpper();
        const int level = vb::mid(line, 2, 1).toInt();
        if (level == 5)
            continue;
        const QString key = level == 1 ? line : lastKey[level - 1] + line;
        lastKey[level] = key;
        nodes.push_back({level, key, vb::mid(line, 3)});
    }
    return nodes;
}

int findIgnoringCase(int start, const QString &text, const QString &find)
{
    return int(text.indexOf(find, start - 1, Qt::CaseInsensitive)) + 1;
}

// The example a click on a node with this text shows, or nothing.
QString exampleFor(const QString &text, const QString &nodeText)
{
    const int p = findIgnoringCase(1, text, nodeText);
    const QString marker = p > 2 ? vb::mid(text, p - 2, 2) : QString();
    if (marker == u"$1" || p == 0)
        return {};
    const int q = marker.isEmpty() ? p : vb::inStr(p, text, marker);
    const int r = vb::inStr(p, text, u"$5"_s);
    if (r == 0 || q <= r)
        return {};
    const int e = vb::inStr(r + 2, text, u"$"_s);
    return vb::mid(text, r + 2, e - r - 4);
}

// The code a click puts into the code box: the text before its first "-".
QString clickCode(const QString &nodeText)
{
    const int dash = vb::inStr(nodeText, u"-"_s);
    return dash == 0 ? nodeText : vb::mid(nodeText, 1, dash - 1);
}

} // namespace

TEST(TagRefTextReaders, LoadGivesUniqueKeysInEitherCase)
{
    const QString text = tagText();
    EXPECT_EQ(vb::split(text, u"\r\n$"_s).size(), 394);
    for (bool upper : {false, true}) {
        const auto nodes = loadTree(text, upper);
        EXPECT_EQ(nodes.size(), 390u);
        QSet<QString> keys;
        int roots = 0;
        qsizetype longest = 0;
        for (const Node &n : nodes) {
            keys.insert(n.key.toLower());
            roots += n.level == 1;
            longest = std::max(longest, n.key.size());
        }
        EXPECT_EQ(keys.size(), 390);
        EXPECT_EQ(roots, 11);
        EXPECT_EQ(longest, 113);
    }
    const auto nodes = loadTree(text, false);
    EXPECT_EQ(nodes.front().key, u"$1基本構造関係");
    EXPECT_TRUE(std::any_of(nodes.begin(), nodes.end(), [](const Node &n) {
        return n.key.startsWith(u"$1基本構造関係$2ボデー $3<body></body> - --この中に記述する$4");
    }));
}

TEST(TagRefTextReaders, EveryEntryFindsItsOwnLineFirst)
{
    const QString text = tagText();
    int pos = 1, copies = 0, checked = 0;
    for (const QString &piece : vb::split(text, u"\r\n$"_s)) {
        const QString entry = piece.mid(1);
        const int own = pos + 1; // after the level digit
        pos += int(piece.size()) + 3;
        if (piece.startsWith(u'5'))
            continue;
        ++checked;
        const int found = findIgnoringCase(1, text, entry);
        if (found != own && entry == u"h1を参照  ") {
            ++copies;
            continue;
        }
        EXPECT_EQ(found, own) << qPrintable(entry);
    }
    EXPECT_EQ(checked, 390);
    EXPECT_EQ(copies, 4);
}

TEST(TagRefTextReaders, ClicksShowExamplesForTwelveNodes)
{
    const QString text = tagText();
    for (bool upper : {false, true}) {
        QStringList shown;
        QString olExample;
        for (const Node &n : loadTree(text, upper)) {
            const QString example = exampleFor(text, n.text);
            if (example.isEmpty())
                continue;
            shown << n.text;
            if (n.text.compare(u"<ol></ol> ", Qt::CaseInsensitive) == 0)
                olExample = example;
            if (n.text.startsWith(u"<div", Qt::CaseInsensitive)) {
                EXPECT_EQ(example,
                          u"<div align=\"left\" style=\"border:3px solid gray\">左寄せ</div>");
            }
        }
        const QStringList expected{u"ブロック要素(DIV)"_s,
                                   u"<div></div>---ブロック要素"_s,
                                   u"<div class=\"classname\">---クラス名"_s,
                                   u"インライン要素(SPAN)"_s,
                                   u"<span></span> "_s,
                                   u"<span id=idname>---ID名前"_s,
                                   u"順序の無いリスト(Unordered List) "_s,
                                   u"<ul></ul> "_s,
                                   u"<ul type=\"square\">---四角"_s,
                                   u"順序のあるリスト(Ordered List) "_s,
                                   u"<ol></ol> "_s,
                                   u"<ol type=i>---i,ii...."_s};
        ASSERT_EQ(shown.size(), 12);
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(shown[i].compare(expected[i], Qt::CaseInsensitive), 0)
                << qPrintable(shown[i]);
        EXPECT_EQ(olExample, u"<ol type=\"A\">\r\n<li>犬\r\n<li>猫\r\n<li>豚\r\n</ol>");
    }
}

TEST(TagRefTextReaders, CodePartsCutAtTheFirstHyphen)
{
    struct Case
    {
        const char16_t *entry, *click;
        bool inserts;
    };
    const Case cases[] = {
        {u"<!-- -->---間にコメントを書く ", u"<!", true},
        {u"<font font-weight=n>---文字の太さ（標準外の属性）", u"<font font", true},
        {u"<body></body> - --この中に記述する", u"<body></body> ", true},
        {u"<frame noresize>--フレームのリサイズを禁止  ", u"<frame noresize>", true},
        {u"ampersand & -> &amp; ", u"ampersand & ", false},
        {u"h1を参照  ", u"h1を参照  ", false},
        {u"rows=XX", u"rows=XX", false},
    };
    const auto nodes = loadTree(tagText(), false);
    for (const Case &c : cases) {
        const QString entry = QString::fromUtf16(c.entry);
        EXPECT_TRUE(std::any_of(nodes.begin(), nodes.end(), [&](const Node &n) {
            return n.text == entry;
        })) << qPrintable(entry);
        EXPECT_EQ(clickCode(entry), QString::fromUtf16(c.click));
        EXPECT_EQ(clickCode(entry).startsWith(u'<'), c.inserts) << qPrintable(entry);
    }
    // Every tag and attribute variant starting with "<" yields a code that starts with it.
    int codes = 0;
    for (const Node &n : nodes)
        if (n.level >= 3 && n.text.startsWith(u'<'))
            codes += clickCode(n.text).startsWith(u'<') && vb::trim(clickCode(n.text)).size() > 1;
    EXPECT_EQ(codes, 47 + 282 - 8);
}
