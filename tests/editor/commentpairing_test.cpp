// Comment pairing kept up to date through edits: after every edit the spans are those a whole
// pairing of the new text gives, and nothing before the place it reports changed.

#include "editor/commentpairing.h"

#include "support/qt_printers.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace editor;

namespace {

std::string describe(const std::vector<TextSpan> &spans)
{
    std::string out;
    for (const TextSpan &s : spans)
        out += std::to_string(s.start) + "+" + std::to_string(s.length) + " ";
    return out;
}

// Applies an edit to `text` and to `pairing`, and checks the outcome against a whole pairing.
class Follower
{
public:
    explicit Follower(QString text) : m_text(std::move(text)) { m_pairing.reset(m_text); }

    ::testing::AssertionResult edit(qsizetype start, qsizetype removed, const QString &inserted)
    {
        const std::vector<TextSpan> before = m_pairing.spans();
        m_text.replace(start, removed, inserted);
        const qsizetype changed =
            m_pairing.update(m_text, {start, removed, qsizetype(inserted.size())});
        if (m_pairing.lastInPlace())
            ++inPlace;
        const std::vector<TextSpan> whole = findCommentSpansOutOfTurn(m_text);
        if (m_pairing.spans() != whole)
            return ::testing::AssertionFailure()
                   << "after " << start << " -" << removed << " +\"" << inserted.toStdString()
                   << "\": " << describe(m_pairing.spans()) << "instead of " << describe(whole);
        // Before the place reported, the spans are those before the edit, moved with their text.
        const qsizetype delta = inserted.size() - removed;
        std::vector<TextSpan> kept;
        for (TextSpan s : before) {
            if (s.start >= start + removed)
                s.start += delta;
            if (s.start + s.length <= changed && s.start + s.length <= start)
                kept.push_back(s);
        }
        std::vector<TextSpan> now;
        for (const TextSpan &s : whole)
            if (s.start + s.length <= changed && s.start + s.length <= start)
                now.push_back(s);
        if (kept != now)
            return ::testing::AssertionFailure() << "changed before " << changed;
        return ::testing::AssertionSuccess();
    }
    const QString &text() const { return m_text; }
    int inPlace = 0;

private:
    QString m_text;
    CommentPairing m_pairing;
};

QString pick(QRandomGenerator &random, std::initializer_list<const char16_t *> pieces)
{
    return QString::fromUtf16(*(pieces.begin() + random.bounded(int(pieces.size()))));
}

} // namespace

// Random texts of markers, quotes, tags and text, under random edits: typing and deleting single
// characters, pasting and cutting pieces, making and breaking markers.
TEST(CommentPairing, FollowsEveryEditAsAWholePairingWould)
{
    QRandomGenerator random(20261210);
    int inPlace = 0;
    for (int round = 0; round < 60; ++round) {
        QString text;
        const int tokens = 20 + random.bounded(400);
        for (int i = 0; i < tokens; ++i)
            text += pick(random, {u"<!--", u"-->", u"<!-->", u" a ", u"b", u"\r\n", u"<p>", u"</p>",
                                  u"\"", u"-", u">", u"<!-- x -->", u"<!-- x"});
        Follower follower(text);
        for (int step = 0; step < 80; ++step) {
            const qsizetype size = follower.text().size();
            const qsizetype at = random.bounded(int(size) + 1);
            const int kind = random.bounded(4);
            const qsizetype removed =
                kind == 0 ? 0 : std::min<qsizetype>(size - at, random.bounded(kind == 3 ? 12 : 2));
            const QString inserted = kind == 2 ? QString()
                                               : pick(random, {u"a", u"-", u">", u"<", u"!", u"\"",
                                                               u"<!--", u"-->", u" x ", u"\r\n"});
            ASSERT_TRUE(follower.edit(at, removed, inserted)) << "round " << round;
        }
        inPlace += follower.inPlace;
    }
    // Most edits are followed in place, not paired anew.
    EXPECT_GT(inPlace, 60 * 80 / 4);
}

// Lines of a few kinds, some whose markers do not pair in turn, some repeating one comment, some
// in turn, under edits at and around their markers: markers made and broken before pairs whose
// spans then grow or shrink, comments of several pairs on either side of the edit.
TEST(CommentPairing, FollowsEditsOfMarkersBetweenLinesOfSeveralKinds)
{
    QRandomGenerator random(1210);
    const char16_t *const kinds[] = {u"<p>x</p><!-- a <!-- b -->\r\n", u"<p><!-- c --></p>\r\n",
                                     u"<!-- d -->--><br>\r\n",         u"text line\r\n",
                                     u"<!-- a <!-- b -->\r\n",         u"<!-- e\r\n"};
    int inPlace = 0;
    for (int round = 0; round < 40; ++round) {
        QString text;
        const int lines = 30 + random.bounded(200);
        const int common = random.bounded(7);
        for (int i = 0; i < lines; ++i) {
            const int kind = random.bounded(4) == 0 ? random.bounded(7) : common;
            // The seventh kind: comments of their own, each taken by a pair of its own.
            text += kind == 6 ? QStringLiteral(u"<p><!-- c%1 --></p>\r\n").arg(i)
                              : QString::fromUtf16(kinds[kind]);
        }
        Follower follower(text);
        for (int step = 0; step < 60; ++step) {
            // Near a marker: at one of its characters or just beside it; or anywhere.
            const QString &now = follower.text();
            qsizetype at =
                now.indexOf(random.bounded(2) ? u"-->" : u"<!--", random.bounded(int(now.size())));
            if (at < 0 || random.bounded(4) == 0)
                at = random.bounded(int(now.size()) + 1);
            at = std::clamp<qsizetype>(at + random.bounded(5) - 1, 0, now.size());
            const qsizetype removed = std::min<qsizetype>(now.size() - at, random.bounded(3));
            const QString inserted = pick(random, {u"", u"-", u">", u"a", u"<!--", u"-->"});
            ASSERT_TRUE(follower.edit(at, removed, inserted)) << "round " << round;
        }
        inPlace += follower.inPlace;
    }
    EXPECT_GT(inPlace, 40 * 60 / 4);
}

// Lines whose markers do not pair in turn, each line's comment one only because the first line's
// repeats there: typing into a line's comment, between its tags, and into its "-->" (breaking it,
// then typing on), deleting, and putting the marker back, in lines far from the ends.
TEST(CommentPairing, FollowsTypingInLinesOfUnpairedMarkers)
{
    const QString line = QStringLiteral(u"<p>x</p><!-- a <!-- b -->\r\n");
    Follower follower(line.repeated(3000));
    for (const qsizetype offset : {qsizetype(14), qsizetype(4), qsizetype(24)}) {
        for (int lineNumber : {1500, 17, 2990}) {
            SCOPED_TRACE(offset);
            SCOPED_TRACE(lineNumber);
            const qsizetype at = lineNumber * line.size() + offset;
            for (int key = 0; key < 5; ++key)
                ASSERT_TRUE(follower.edit(at + key, 0, QStringLiteral(u"k")));
            for (int key = 5; key-- > 0;)
                ASSERT_TRUE(follower.edit(at + key, 1, QString()));
        }
    }
    EXPECT_GE(follower.inPlace, 70);
}
