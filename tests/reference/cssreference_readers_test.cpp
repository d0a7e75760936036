// Reads the built-in CSS reference text with the searches its readers make: the blocks that a
// search from a group header finds, and the editor's value completion. (The CSS tree's own cuts are
// tested with the tree.)
#include "controls/strings.h"
#include "reference/cssreference.h"
#include "support/reference_texts.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kCrLf = u"\r\n"_s;
const QString kValueMarker = u"<バリュー>"_s;
const QString kDescMarker = u"<説明>"_s;

// The value pieces between "<バリュー>" at or after `from` and the next "<説明>", as the tree and
// the completion cut them: untrimmed, pieces that `blank` accepts dropped.
QStringList valuePieces(const QString &text, int from, bool (*blank)(const QString &))
{
    const int vs = strings::inStr(from, text, kValueMarker);
    if (vs == 0)
        return {};
    const int ve = strings::inStr(vs, text, kDescMarker);
    if (ve == 0)
        return {};
    const int start = vs + int(kValueMarker.size());
    QStringList out;
    for (const QString &piece : strings::split(strings::mid(text, start, ve - start), kCrLf))
        if (!blank(piece))
            out << piece;
    return out;
}

bool isBlankPiece(const QString &piece)
{
    return strings::trim(piece).isEmpty();
}

} // namespace

TEST(CssRefTextReaders, SearchesFindTheBlockTheyMust)
{
    const QString text = cssText();
    const int fontGroup = strings::inStr(text, u"<$フォントの設定>"_s);
    const int textGroup = strings::inStr(text, u"<$テキストの設定>"_s);
    const int first = strings::inStr(text, u"<line-height>"_s);
    EXPECT_GT(first, fontGroup);
    EXPECT_LT(first, textGroup);
    const int second = strings::inStr(textGroup, text, u"<line-height>"_s);
    EXPECT_GT(second, textGroup);
    EXPECT_LT(second, strings::inStr(text, u"<$色設定>"_s));

    // A bare word is found inside a longer property name; the bracketed name finds its line.
    EXPECT_EQ(strings::inStr(fontGroup, text, u"font"_s),
              strings::inStr(text, u"<font-family>"_s) + 1);
    EXPECT_EQ(strings::mid(text, strings::inStr(text, u"<font>"_s) - 2, 2), kCrLf);

    // The valueless properties find the next group's value section first.
    for (const QString &name : {u"font"_s, u"border"_s, u"border-top"_s, u"border-left"_s,
                                u"border-right"_s, u"border-bottom"_s}) {
        const int p = strings::inStr(text, u"<"_s + name + u">"_s);
        const int nextGroup = strings::inStr(p, text, u"<$"_s);
        const int values = strings::inStr(p, text, kValueMarker);
        EXPECT_GT(values, nextGroup) << qPrintable(name);
        EXPECT_GT(strings::inStr(nextGroup + 1, text, u"<$"_s), values) << qPrintable(name);
    }
}

TEST(CssRefTextReaders, CompletionListsValuesInTextOrder)
{
    const QString text = cssText();
    auto complete = [&](const QString &property) {
        const int p = strings::inStr(text, u"<"_s + property + u">"_s);
        QStringList values;
        if (p == 0)
            return values;
        for (const QString &piece : valuePieces(text, p, isBlankPiece)) {
            const int dash = strings::inStr(piece, u"--"_s);
            values << (dash == 0 ? piece : strings::mid(piece, 1, dash - 1));
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
    EXPECT_EQ(strings::inStr(unbuilt.cssRefText(), u"<color>"_s), 0);
}
