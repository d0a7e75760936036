// Comments as the colouring takes them: markers paired by order, each comment's text taken out
// wherever it still stands.

#include "editor/commentspans.h"

#include "support/qt_printers.h"

#include <QRandomGenerator>
#include <QStringList>
#include <gtest/gtest.h>

using namespace editor;

namespace {

// The spans as the texts they cover, joined with "|".
QString covered(QStringView text)
{
    QStringList out;
    for (const TextSpan &s : findCommentSpans(text))
        out << text.sliced(s.start, s.length).toString();
    return out.join(u'|');
}

// Takes the comments out literally: for each pair in order, every occurrence of its text is
// replaced by a stand-in character, then the stand-ins are mapped back to positions.
std::vector<TextSpan> byReplacing(const QString &text)
{
    std::vector<qsizetype> opens, closes;
    for (qsizetype p = text.indexOf(u"<!--"); p >= 0; p = text.indexOf(u"<!--", p + 1))
        opens.push_back(p);
    for (qsizetype p = text.indexOf(u"-->"); p >= 0; p = text.indexOf(u"-->", p + 1))
        closes.push_back(p);
    QString work = text;
    std::vector<qsizetype> lengths;
    for (std::size_t k = 0; k < std::min(opens.size(), closes.size()); ++k) {
        if (closes[k] < opens[k] + 2)
            continue;
        const QString comment = text.mid(opens[k], closes[k] + 3 - opens[k]);
        work.replace(comment, QString(QChar(char16_t(0xE000 + lengths.size()))));
        lengths.push_back(comment.size());
    }
    std::vector<TextSpan> spans;
    qsizetype at = 0;
    for (QChar c : work) {
        const int k = c.unicode() - 0xE000;
        if (k >= 0 && k < int(lengths.size())) {
            spans.push_back({at, lengths[std::size_t(k)]});
            at += lengths[std::size_t(k)];
        } else {
            ++at;
        }
    }
    return spans;
}

TEST(CommentSpans, MarkersPairByOrder)
{
    // The k-th "<!--" with the k-th "-->": the second comment is cut into by the first and goes.
    EXPECT_EQ(covered(u"<p><!-- a <!-- b --> c <!-- d --> \"e\" --></p>"),
              QStringLiteral(u"<!-- a <!-- b -->|<!-- d --> \"e\" -->"));
    EXPECT_EQ(covered(u"<!-->x<!---->"), QStringLiteral(u"<!-->|<!---->"));
    // A "-->" before its "<!--" pairs into no comment, and neither do the markers left over.
    EXPECT_EQ(covered(u"a --> <!-- b --> <!-- c"), QString());
    EXPECT_EQ(covered(u"<!-- a --> <!-- b"), QStringLiteral(u"<!-- a -->"));
    EXPECT_EQ(covered(u"no markers <b>"), QString());
}

TEST(CommentSpans, ACommentsTextIsTakenOutWhereverItStands)
{
    // The first comment's text stands again inside the third pair, which is then not found.
    const QString text = QStringLiteral(u"<!-- x --> <!-- <!-- x --> -->y");
    EXPECT_EQ(covered(text), QStringLiteral(u"<!-- x -->|<!-- x -->"));
    EXPECT_EQ(findCommentSpans(text), byReplacing(text));
    // Eleven comments, told apart however many there are.
    QString many;
    for (int i = 0; i < 11; ++i)
        many += QStringLiteral(u"<!--") + QString::number(i) + QStringLiteral(u"--><br>");
    EXPECT_EQ(findCommentSpans(many).size(), 11u);
}

TEST(CommentSpans, AgreesWithLiteralReplacementOnMixedMarkers)
{
    const QStringList pieces = {QStringLiteral(u"<!--"), QStringLiteral(u"-->"),
                                QStringLiteral(u"a"),    QStringLiteral(u" "),
                                QStringLiteral(u"-"),    QStringLiteral(u"<"),
                                QStringLiteral(u">"),    QStringLiteral(u"!")};
    QRandomGenerator random(20240607);
    for (int round = 0; round < 20000; ++round) {
        QString text;
        const int n = random.bounded(1, 30);
        for (int i = 0; i < n; ++i)
            text += pieces[random.bounded(int(pieces.size()))];
        ASSERT_EQ(findCommentSpans(text), byReplacing(text)) << text.toStdString();
    }
}

// Texts that repeat a few pieces of markup over and over, as sources do, with stray pieces between
// the repeats: the markers mostly do not pair in turn, and comment texts stand again and again.
TEST(CommentSpans, AgreesWithLiteralReplacementOnRepeatedMarkup)
{
    const QStringList pieces = {
        QStringLiteral(u"<!--"),       QStringLiteral(u"-->"),
        QStringLiteral(u"a"),          QStringLiteral(u"-"),
        QStringLiteral(u"<!-->"),      QStringLiteral(u"<p>x</p>"),
        QStringLiteral(u"<!-- a -->"), QStringLiteral(u"<!-- a <!-- b -->")};
    QRandomGenerator random(20240615);
    for (int round = 0; round < 6000; ++round) {
        const int kinds = random.bounded(2, int(pieces.size()) + 1);
        QString unit;
        for (int i = random.bounded(1, 6); i > 0; --i)
            unit += pieces[random.bounded(kinds)];
        QString text;
        for (int i = random.bounded(1, round % 10 == 0 ? 300 : 40); i > 0; --i)
            text += random.bounded(4) == 0 ? pieces[random.bounded(kinds)] : unit;
        ASSERT_EQ(findCommentSpans(text), byReplacing(text)) << text.toStdString();
    }
}

} // namespace
