// Validators of the plain candidate parts that follow "</common>;" in the member-list text.
#include "objref/objectreference.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QString &treeText()
{
    static const QString text = [] {
        ObjectReference obj;
        obj.Gets();
        return obj.objTreeText;
    }();
    return text;
}

// Everything after "</common>;".
QString tail()
{
    const QString end = QStringLiteral(u"</common>;");
    return treeText().mid(treeText().indexOf(end) + end.size());
}

// The text between two markers of the tail, split at ";" with empty pieces dropped.
QStringList piecesBetween(const QString &from, const QString &to)
{
    const QString text = tail();
    const qsizetype start = text.indexOf(from);
    const qsizetype end = text.indexOf(to, start + from.size());
    EXPECT_GE(start, 0) << from.toStdString();
    EXPECT_GT(end, start) << to.toStdString();
    return text.mid(start + from.size(), end - start - from.size()).split(u';', Qt::SkipEmptyParts);
}

} // namespace

TEST(ObjTreeTextTail, MarkersInOrderAndOnlyOneClosed)
{
    const QString text = tail();
    const QStringList markers = {
        QStringLiteral(u"<Element>;"), QStringLiteral(u"<DOM>"),
        QStringLiteral(u"<演算子>"),   QStringLiteral(u"<イベントハンドラ>"),
        QStringLiteral(u"<タグ>"),     QStringLiteral(u"<css>"),
        QStringLiteral(u"<color>"),    QStringLiteral(u"<その他>"),
    };
    qsizetype previous = -1;
    for (const QString &marker : markers) {
        const qsizetype at = text.indexOf(marker);
        EXPECT_GT(at, previous) << marker.toStdString();
        previous = at;
    }
    // Only "<Element>" is followed by ";", and only "<その他>" is closed, at the very end.
    for (const QString &marker : markers.mid(1))
        EXPECT_FALSE(text.contains(marker + u';')) << marker.toStdString();
    EXPECT_EQ(text.count(QStringLiteral(u"</")), 1);
    EXPECT_TRUE(text.endsWith(QStringLiteral(u"</その他>")));
}

TEST(ObjTreeTextTail, CountsOfEachPart)
{
    const QStringList documentRun = piecesBetween(QString(), QStringLiteral(u"<Element>"));
    ASSERT_EQ(documentRun.size(), 36);
    EXPECT_EQ(documentRun.first(), QStringLiteral(u" activeElement"));
    EXPECT_EQ(documentRun.last(), QStringLiteral(u" writeln()"));
    for (const QString &item : documentRun)
        EXPECT_TRUE(item.startsWith(u' ')) << item.toStdString();

    EXPECT_EQ(piecesBetween(QStringLiteral(u"<Element>;"), QStringLiteral(u"<DOM>")).size(), 10);
    EXPECT_EQ(piecesBetween(QStringLiteral(u"<DOM>"), QStringLiteral(u"<演算子>")).size(), 10);

    // Operators hold bare angle brackets, so they are cut by ";" only.
    const QString text = tail();
    const qsizetype ops = text.indexOf(QStringLiteral(u"<演算子>")) + 5;
    const qsizetype handlers = text.indexOf(QStringLiteral(u"<イベントハンドラ>"));
    const QStringList operators = text.mid(ops, handlers - ops).split(u';', Qt::SkipEmptyParts);
    EXPECT_EQ(operators.size(), 40);
    EXPECT_TRUE(operators.contains(QStringLiteral(u"<<=")));
    EXPECT_TRUE(operators.contains(QStringLiteral(u">>>")));
    EXPECT_TRUE(operators.contains(QStringLiteral(u"<=")));

    // 22 handler names run on into 27 form-element members through one joined item.
    const QStringList handlerItems =
        piecesBetween(QStringLiteral(u"<イベントハンドラ>"), QStringLiteral(u"<タグ>"));
    ASSERT_EQ(handlerItems.size(), 22 + 27 - 1);
    EXPECT_EQ(handlerItems.first(), QStringLiteral(u"onClick"));
    EXPECT_EQ(handlerItems[21], QStringLiteral(u"onSelect blur()"));

    const QStringList css = piecesBetween(QStringLiteral(u"<css>"), QStringLiteral(u"<color>"));
    ASSERT_EQ(css.size(), 162);
    EXPECT_EQ(css.first(), QStringLiteral(u"color"));
    EXPECT_EQ(css.last(), QStringLiteral(u"filter: Xray()"));

    const QStringList colors =
        piecesBetween(QStringLiteral(u"<color>"), QStringLiteral(u"<その他>"));
    ASSERT_EQ(colors.size(), 157);
    const qsizetype colorAt = colors.indexOf(QStringLiteral(u"=color"));
    ASSERT_GT(colorAt, 0);
    EXPECT_EQ(colors[colorAt + 1], QStringLiteral(u"=url"));
    for (qsizetype i = 0; i < colorAt; ++i)
        EXPECT_TRUE(colors[i].endsWith(u'=')) << colors[i].toStdString();
    for (qsizetype i = colorAt + 2; i < colors.size(); ++i)
        EXPECT_FALSE(colors[i].contains(u'=')) << colors[i].toStdString();

    EXPECT_EQ(piecesBetween(QStringLiteral(u"<その他>"), QStringLiteral(u"</その他>")).size(), 39);
}

TEST(ObjTreeTextTail, TagListIsEscapedAndFollowedByItsLowerCase)
{
    const QStringList tags = piecesBetween(QStringLiteral(u"<タグ>"), QStringLiteral(u"<css>"));
    ASSERT_EQ(tags.size(), 2 * 185);
    const QStringList upper = tags.mid(0, 185);
    const QStringList lower = tags.mid(185);
    EXPECT_EQ(upper.first(), QStringLiteral(u"&&A%%"));
    EXPECT_EQ(lower.first(), QStringLiteral(u"&&a%%"));
    const qsizetype comment = upper.indexOf(QStringLiteral(u"&&!--"));
    ASSERT_GT(comment, 0);
    static const QRegularExpression opening(QStringLiteral(u"^&&[A-Z][A-Z0-9]*%%$"));
    static const QRegularExpression closing(QStringLiteral(u"^&&/[A-Z][A-Z0-9]*%%$"));
    for (qsizetype i = 0; i < upper.size(); ++i) {
        if (i == comment)
            continue;
        const auto &rule = i < comment ? opening : closing;
        EXPECT_TRUE(rule.match(upper[i]).hasMatch()) << upper[i].toStdString();
        EXPECT_EQ(lower[i], upper[i].toLower());
    }
    EXPECT_TRUE(upper.contains(QStringLiteral(u"&&/TABLE%%")));
    // No markup candidate comes before the tag list: its "<A>" is the first in the text.
    const QString text = treeText();
    EXPECT_EQ(text.indexOf(QStringLiteral(u"&&A%%")), text.indexOf(QStringLiteral(u"<タグ>")) + 4);
}

TEST(ObjTreeTextTail, ExamplesAreEscapedForTheCandidateTable)
{
    const QStringList examples =
        piecesBetween(QStringLiteral(u"<その他>"), QStringLiteral(u"</その他>"));
    for (const QString &example : examples) {
        SCOPED_TRACE(example.toStdString());
        EXPECT_FALSE(example.contains(u'<'));
        EXPECT_FALSE(example.contains(u'>'));
        EXPECT_FALSE(example.contains(u'"'));
        // Code inserted into the user's source uses ASCII separators.
        EXPECT_FALSE(example.contains(u'、'));
    }
    ASSERT_FALSE(examples.isEmpty());
    EXPECT_EQ(examples.first(),
              QStringLiteral(u"&&script language='JavaScript'%%&&!-- //--%%&&/script%%"));
}

TEST(ObjTreeTextTail, NoPlainCandidateLooksLikeItCarriesAKindSuffix)
{
    // The completion table drops a trailing "AA" or "A0" to "A5" from every entry; the plain
    // candidates carry no level code, so none may end that way.
    static const QRegularExpression suffix(QStringLiteral(u"A[A0-5]$"));
    static const QRegularExpression separators(QStringLiteral(u"[;<>]"));
    for (const QString &piece : tail().split(separators, Qt::SkipEmptyParts))
        EXPECT_FALSE(suffix.match(piece.trimmed()).hasMatch()) << piece.toStdString();
}
