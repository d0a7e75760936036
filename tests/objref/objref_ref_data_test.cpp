// Validators of the description text: lines, headers, closing markers, field counts and the
// irregularities its readers must accept.
#include "objref/objectreference.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const ObjectReference &built()
{
    static const ObjectReference obj = [] {
        ObjectReference o;
        o.GetString();
        return o;
    }();
    return obj;
}

const QString &refText()
{
    return built().objRefText;
}

QStringList lines()
{
    return refText().split(QStringLiteral(u"\r\n"));
}

} // namespace

TEST(ObjRefText, LinesAndLength)
{
    const QString &text = refText();
    EXPECT_EQ(text.size(), 31566);
    EXPECT_EQ(text.count(QStringLiteral(u"\r\n")), 698);
    // No bare CR or LF: every line end is CR LF.
    EXPECT_EQ(text.count(u'\r'), 698);
    EXPECT_EQ(text.count(u'\n'), 698);
    EXPECT_EQ(lines().size(), 699);
    EXPECT_TRUE(text.endsWith(QStringLiteral(u"\r\n<>")));
    EXPECT_TRUE(text.startsWith(QStringLiteral(u"<window>\r\n")));
}

TEST(ObjRefText, HeadersInOrder)
{
    const QStringList expected =
        QStringLiteral(
            u"window screen anchor applet Arguments area links Image location applet history "
            u"document "
            u"frame layers Link Form Textarea Text Button checkbox select Hidden option navigator "
            u"mineTypes plugins button checkbox FileUpload Submit password Radio Reset text "
            u"textarea "
            u"option Array Object Boolean Date event function Math Number common object RegExp "
            u"screen "
            u"string")
            .split(u' ');
    static const QRegularExpression header(QStringLiteral(u"<([^/<>][^<>]*)>"));
    QStringList found;
    for (auto it = header.globalMatch(refText()); it.hasNext();)
        found.append(it.next().captured(1));
    EXPECT_EQ(found, expected);
}

TEST(ObjRefText, ClosingMarkersRunIntoTheNextHeader)
{
    const QStringList closed =
        QStringLiteral(
            u"Form Textarea Text Button checkbox select Hidden option mineTypes plugins Submit")
            .split(u' ');
    static const QRegularExpression closing(QStringLiteral(u"</([^<>]*)>"));
    QStringList found;
    for (auto it = closing.globalMatch(refText()); it.hasNext();) {
        const auto match = it.next();
        found.append(match.captured(1));
        // At a line start, followed at once by the next header.
        EXPECT_EQ(refText().mid(match.capturedStart() - 2, 2), QStringLiteral(u"\r\n"));
        EXPECT_EQ(refText().mid(match.capturedEnd(), 1), QStringLiteral(u"<"));
    }
    EXPECT_EQ(found, closed);
}

TEST(ObjRefText, OnlyMarkersHoldAngleBrackets)
{
    // 49 headers, 11 closing markers and the sentinel.
    EXPECT_EQ(refText().count(u'<'), 61);
    EXPECT_EQ(refText().count(u'>'), 61);
}

TEST(ObjRefText, FieldCountsOfMemberLines)
{
    int byFields[6] = {0, 0, 0, 0, 0, 0};
    int memberLines = 0;
    for (const QString &line : lines()) {
        if (line.startsWith(u'<'))
            continue;
        ++memberLines;
        const qsizetype fields = line.count(u',') + 1;
        ASSERT_LE(fields, 5) << line.toStdString();
        ++byFields[fields];
    }
    EXPECT_EQ(memberLines, 652);
    EXPECT_EQ(byFields[1], 3);
    EXPECT_EQ(byFields[2], 25);
    EXPECT_EQ(byFields[3], 617);
    EXPECT_EQ(byFields[4], 4);
    EXPECT_EQ(byFields[5], 3);
}

TEST(ObjRefText, TellingLinesStandExactly)
{
    const char16_t *pieces[] = {
        u"\r\nself,現在のウインドウを返す,self\r\n",
        u"\r\ngetDate, 日付を取得,r=objDate.getDate()\r\n",
        u"\r\nclearInterval, タイマーを解除する,clearInterval(timerID) \r\n",
        u"\r\nmax, ２つの数値を比較し大きい方を返す, myvalue=Math.max(2,5) \r\n",
        u"window.moveBy(100、、100)",
        u"window.status=\"今日は\"",
    };
    for (const char16_t *piece : pieces)
        EXPECT_TRUE(refText().contains(QString::fromUtf16(piece)))
            << QString::fromUtf16(piece).toStdString();
}

TEST(ObjRefText, IrregularitiesTheReadersAccept)
{
    const QString &text = refText();
    // Headers that follow the previous member's last field directly.
    EXPECT_TRUE(text.contains(QStringLiteral(u"= 初期値<location>\r\n")));
    EXPECT_TRUE(
        text.contains(QStringLiteral(u"toString([基数 (2 - 16)])<common>encodeURI,URIのコード化,"
                                     u"encodeURI=encodeURI(url)\r\n")));
    const qsizetype regexp = text.indexOf(QStringLiteral(u"<RegExp>"));
    ASSERT_GT(regexp, 2);
    EXPECT_NE(text.mid(regexp - 2, 2), QStringLiteral(u"\r\n"));
    EXPECT_TRUE(text.mid(regexp + 8).startsWith(QStringLiteral(u"\r\n")));
    // Odd headers.
    EXPECT_TRUE(text.contains(QStringLiteral(u"\r\n<Arguments>+vbcrlflength,関数の引数の数を返す,"
                                             u"count.checkValue.argument.length\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral(u"\r\n<Image> \r\n")));
    // Two members run together with the line before them.
    for (const char16_t *member : {u"outerHeight,", u"visibility,"}) {
        const qsizetype at = text.indexOf(QString::fromUtf16(member));
        ASSERT_GT(at, 2);
        EXPECT_NE(text.mid(at - 2, 2), QStringLiteral(u"\r\n"));
    }
}

TEST(ObjRefText, HeadersThatDifferOnlyInCase)
{
    const QString &lower = built().objRefTextLower;
    const struct
    {
        const char16_t *name;
        int times;
    } twice[] = {{u"applet", 2}, {u"screen", 2},   {u"checkbox", 2}, {u"option", 2}, {u"button", 2},
                 {u"text", 2},   {u"textarea", 2}, {u"object", 2},   {u"link", 1},   {u"links", 1}};
    for (const auto &row : twice) {
        const QString header = u'<' + QString::fromUtf16(row.name) + u'>';
        EXPECT_EQ(lower.count(header), row.times) << header.toStdString();
    }
}

TEST(ObjRefText, LowerCopyKeepsEveryPosition)
{
    const QString &text = refText();
    const QString &lower = built().objRefTextLower;
    ASSERT_EQ(lower.size(), text.size());
    EXPECT_EQ(lower, text.toLower());
    // Line ends and markers stand at the same places.
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'<' || text[i] == u'\r' || text[i] == u',') {
            ASSERT_EQ(lower[i], text[i]) << i;
        }
    }
}
