// Reads the built-in CSS reference text with the cuts its readers make: the CSS tree's group and
// property scan, its description cut on a click, and the editor's value completion. Every group,
// property and value the text names must be found where it stands.
#include "controls/strings.h"
#include "reference/cssreference.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kCrLf = u"\r\n"_s;
const QString kValueMarker = u"<バリュー>"_s;
const QString kDescMarker = u"<説明>"_s;

QString cssText()
{
    CssReference css;
    css.Gettext1();
    return css.cssRefText();
}

// Blank for a value piece: ordinary blanks and ideographic spaces only. The z-index block's last
// piece, the six ideographic spaces before its description marker, thus adds no value.
bool isBlankPiece(const QString &piece)
{
    for (QChar c : piece)
        if (c != u' ' && c != QChar(0x3000))
            return false;
    return true;
}

// The value pieces between "<バリュー>" at or after `from` and the next "<説明>", as the tree and
// the completion cut them: untrimmed, pieces that `blank` accepts dropped.
QStringList valuePieces(const QString &text, int from, bool (*blank)(const QString &))
{
    const int vs = vb::inStr(from, text, kValueMarker);
    if (vs == 0)
        return {};
    const int ve = vb::inStr(vs, text, kDescMarker);
    if (ve == 0)
        return {};
    const int start = vs + int(kValueMarker.size());
    QStringList out;
    for (const QString &piece : vb::split(vb::mid(text, start, ve - start), kCrLf))
        if (!blank(piece))
            out << piece;
    return out;
}

bool vbBlank(const QString &piece)
{
    return vb::trim(piece).isEmpty();
}

struct PropertyNode
{
    QString key, name;
    QStringList values;
};

// The tree's build: groups by their "<$" headers, then each group's property lines and values.
std::vector<PropertyNode> walkTree(const QString &text, QStringList *groupKeys)
{
    std::vector<PropertyNode> nodes;
    int pos = 0;
    for (;;) {
        const int g = vb::inStr(pos + 1, text, u"<$"_s);
        if (g == 0)
            break;
        const int close = vb::inStr(g, text, u">"_s);
        const QString header = vb::mid(text, g, close - g + 1);
        if (header == u"<$END>")
            break;
        *groupKeys << header;
        const int gs = vb::inStr(text, header);
        const int ge = vb::inStr(gs + 1, text, u"<$"_s);
        const QString group = vb::mid(text, gs, ge - gs);
        int scan = 1;
        while ((scan = vb::inStr(scan + 1, group, u"<"_s)) != 0) {
            const int end = vb::inStr(scan, group, u">"_s);
            const QString tag = vb::mid(group, scan, end - scan + 1);
            if (vb::mid(group, scan - 1, 1) != u"\n" || tag == u"<例>" || tag == kValueMarker ||
                tag == kDescMarker)
                continue;
            const QString name = tag.mid(1, tag.size() - 2);
            nodes.push_back({header + u"+"_s + name, name, valuePieces(group, end, isBlankPiece)});
        }
        pos = g;
    }
    return nodes;
}

// The click's description cut: from the property's "<説明>" to the first line that starts with
// "<" and is neither a description nor an example marker.
QString descriptionCut(const QString &text, const QString &header, const QString &name)
{
    const int h = vb::inStr(text, header);
    const int p = vb::inStr(h + 1, text, u"<"_s + name + u">"_s);
    if (h == 0 || p == 0)
        return {};
    const int ds = vb::inStr(p, text, kDescMarker);
    int e = ds;
    for (;;) {
        e = vb::inStr(e + 1, text, u"<"_s);
        const QString two = vb::mid(text, e, 2);
        if (vb::mid(text, e - 1, 1) == u"\n" && two != u"<説" && two != u"<例")
            break;
    }
    return vb::mid(text, ds, e - ds);
}

} // namespace

TEST(CssRefTextReaders, TreeWalkFindsEveryGroupPropertyAndValue)
{
    const QString text = cssText();
    QStringList groups;
    const auto nodes = walkTree(text, &groups);
    EXPECT_EQ(groups,
              (QStringList{u"<$フォントの設定>"_s, u"<$テキストの設定>"_s, u"<$色設定>"_s,
                           u"<$背景の設定>"_s, u"<$ボックスの大きさの設定>"_s,
                           u"<$ボックスの枠線の設定>"_s, u"<$ボックスの余白の設定>"_s,
                           u"<$位置の指定>"_s, u"<$分類のプロパティ>"_s, u"<$リストの設定>"_s}));
    EXPECT_EQ(nodes.size(), 68u);
    QSet<QString> keys;
    int values = 0, border = 0;
    for (const PropertyNode &n : nodes) {
        keys.insert(n.key);
        EXPECT_EQ(n.key.count(u'+'), 1) << qPrintable(n.key);
        values += n.values.size();
        border += n.key.startsWith(u"<$ボックスの枠線の設定>+");
        static const QSet<QString> valueless{u"font"_s,         u"border"_s,
                                             u"border-top"_s,   u"border-left"_s,
                                             u"border-right"_s, u"border-bottom"_s};
        EXPECT_EQ(n.values.isEmpty(), valueless.contains(n.name)) << qPrintable(n.name);
        for (const QString &v : n.values)
            EXPECT_FALSE(v.startsWith(u'<')) << qPrintable(v);
    }
    EXPECT_EQ(keys.size(), 68);
    EXPECT_EQ(values, 486);
    EXPECT_EQ(border, 20);
    EXPECT_TRUE(keys.contains(u"<$フォントの設定>+line-height"_s));
    EXPECT_TRUE(keys.contains(u"<$テキストの設定>+line-height"_s));
}

TEST(CssRefTextReaders, ClickCutsEachPropertysOwnDescription)
{
    const QString text = cssText();
    QStringList groups;
    for (const PropertyNode &n : walkTree(text, &groups)) {
        const QString header = n.key.section(u'+', 0, 0);
        const QString cut = descriptionCut(text, header, n.name);
        SCOPED_TRACE(qPrintable(n.key));
        ASSERT_TRUE(cut.startsWith(u"<説明>\r\n"));
        EXPECT_EQ(cut.count(kDescMarker), 1);
        EXPECT_EQ(cut.count(u"\r\n<例>\r\n"), 1);
        EXPECT_TRUE(cut.endsWith(kCrLf));
        // The cut ends where the next property, group or the end line begins.
        const int after = vb::inStr(text, cut) + int(cut.size());
        EXPECT_TRUE(vb::mid(text, after, 1) == u"<") << qPrintable(vb::mid(text, after, 20));
        // A property's own line lies in its group, before the description cut.
        const int own = vb::inStr(vb::inStr(text, header) + 1, text, u"<"_s + n.name + u">"_s);
        const int nextGroup = vb::inStr(vb::inStr(text, header) + 1, text, u"<$"_s);
        EXPECT_LT(own, nextGroup);
        EXPECT_EQ(vb::mid(text, own - 2, 2), kCrLf);
        // No other block's description and no group header stand between the two.
        const QString between = vb::mid(text, own, vb::inStr(text, cut) - own);
        EXPECT_FALSE(between.contains(u"<$")) << qPrintable(n.key);
        EXPECT_FALSE(between.contains(u"<例>")) << qPrintable(n.key);
    }
    // Mid-line tags in examples stay inside the cut.
    EXPECT_TRUE(descriptionCut(text, u"<$テキストの設定>"_s, u"vertical-align"_s)
                    .contains(u"水はH<span style=\"vertical-align:sub\">2</span>Oと書く\r\n"));
    EXPECT_TRUE(descriptionCut(text, u"<$リストの設定>"_s, u"list-style-position"_s)
                    .contains(u"内側のマーカー</ul>となる\r\n"));
    EXPECT_TRUE(descriptionCut(text, u"<$フォントの設定>"_s, u"font"_s)
                    .startsWith(u"<説明>\r\nフォント関係のプロパティ"));
}

TEST(CssRefTextReaders, SearchesFindTheBlockTheyMust)
{
    const QString text = cssText();
    const int fontGroup = vb::inStr(text, u"<$フォントの設定>"_s);
    const int textGroup = vb::inStr(text, u"<$テキストの設定>"_s);
    const int first = vb::inStr(text, u"<line-height>"_s);
    EXPECT_GT(first, fontGroup);
    EXPECT_LT(first, textGroup);
    const int second = vb::inStr(textGroup, text, u"<line-height>"_s);
    EXPECT_GT(second, textGroup);
    EXPECT_LT(second, vb::inStr(text, u"<$色設定>"_s));

    // A bare word is found inside a longer property name; the bracketed name finds its line.
    EXPECT_EQ(vb::inStr(fontGroup, text, u"font"_s), vb::inStr(text, u"<font-family>"_s) + 1);
    EXPECT_EQ(vb::mid(text, vb::inStr(text, u"<font>"_s) - 2, 2), kCrLf);

    // The valueless properties find the next group's value section first.
    for (const QString &name : {u"font"_s, u"border"_s, u"border-top"_s, u"border-left"_s,
                                u"border-right"_s, u"border-bottom"_s}) {
        const int p = vb::inStr(text, u"<"_s + name + u">"_s);
        const int nextGroup = vb::inStr(p, text, u"<$"_s);
        const int values = vb::inStr(p, text, kValueMarker);
        EXPECT_GT(values, nextGroup) << qPrintable(name);
        EXPECT_GT(vb::inStr(nextGroup + 1, text, u"<$"_s), values) << qPrintable(name);
    }
}

TEST(CssRefTextReaders, CompletionListsValuesInTextOrder)
{
    const QString text = cssText();
    auto complete = [&](const QString &property) {
        const int p = vb::inStr(text, u"<"_s + property + u">"_s);
        QStringList values;
        if (p == 0)
            return values;
        for (const QString &piece : valuePieces(text, p, vbBlank)) {
            const int dash = vb::inStr(piece, u"--"_s);
            values << (dash == 0 ? piece : vb::mid(piece, 1, dash - 1));
        }
        return values;
    };
    EXPECT_EQ(complete(u"color"_s),
              (QStringList{u"色名"_s, u"#rrggbb"_s, u"#rgb"_s, u"rgb(r,g,b)"_s, u"rgb(r%,g%,b%)"_s,
                           u"inherit"_s}));
    const QStringList family = complete(u"font-family"_s);
    EXPECT_EQ(family.mid(0, 3), (QStringList{u"フォント名"_s, u"serif"_s, u"sans-serif"_s}));
    // Trimming only ordinary blanks keeps the ideographic spaces before the z-index marker.
    EXPECT_EQ(complete(u"z-index"_s),
              (QStringList{u"番号"_s, u"auto"_s, QString(6, QChar(0x3000))}));
    EXPECT_EQ(complete(u"font-weight"_s).mid(4, 3), (QStringList{u"100"_s, u"200"_s, u"300"_s}));
    EXPECT_TRUE(complete(u"no-such-property"_s).isEmpty());
    CssReference unbuilt;
    EXPECT_EQ(vb::inStr(unbuilt.cssRefText(), u"<color>"_s), 0);
}
