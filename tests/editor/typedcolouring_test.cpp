// Text put into the source view takes the colour a whole Setcolor2 pass gives it: typed after a
// tag's ">", inside quotes, comments and tags, over a selection, in small and long sources.

#include "frame/form1.h"
#include "support/qt_printers.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

// The colours a whole pass gives [from, to) of the text: a second window coloured by Setcolor2.
class Reference
{
public:
    std::vector<quint32> colours(const QString &text, int scheme, qsizetype from, qsizetype to)
    {
        m_form.Check1.setValue(scheme);
        m_form.RB1.setText(text);
        m_form.Setcolor2();
        std::vector<quint32> out;
        for (qsizetype i = from; i < to; ++i)
            out.push_back(m_form.RB1.colorAt(i));
        return out;
    }

private:
    Form1 m_form;
};

std::vector<quint32> coloursOf(const RichTextBox &box, qsizetype from, qsizetype to)
{
    std::vector<quint32> out;
    for (qsizetype i = from; i < to; ++i)
        out.push_back(box.colorAt(i));
    return out;
}

// Markup-heavy random text: tags, quotes, comment markers, line ends, Japanese.
QString randomText(QRandomGenerator &random, int pieces)
{
    static const char16_t *const kPieces[] = {u"<",
                                              u">",
                                              u"\"",
                                              u"<!--",
                                              u"-->",
                                              u"-",
                                              u"!",
                                              u"a",
                                              u" ",
                                              u"\r\n",
                                              u"あ",
                                              u"=",
                                              u"<td>",
                                              u"</td>",
                                              u"<p class=\"x\">",
                                              u"hello",
                                              u"<!-- \"q\" -->",
                                              u"'"};
    QString text;
    for (int i = 0; i < pieces; ++i)
        text += QString::fromUtf16(kPieces[random.bounded(int(std::size(kPieces)))]);
    return text;
}

// A caret never stands between the CR and the LF of a line end.
int caretAt(const QString &text, int position)
{
    if (position > 0 && position < text.size() && text.at(position - 1) == u'\r' &&
        text.at(position) == u'\n')
        return position - 1;
    return position;
}

QString randomTyping(QRandomGenerator &random)
{
    static const char16_t *const kTyped[] = {u"x", u"<",     u">",    u"\"", u"-",   u"!",
                                             u" ", u"hello", u"\r\n", u"漢", u"<b>", u"\">"};
    return QString::fromUtf16(kTyped[random.bounded(int(std::size(kTyped)))]);
}

// A source longer than the step between kept lexing states: long comments, tables, and (unless
// `inTurn`) random markup and lines whose comment markers do not pair in turn, so that their
// comments are comments only because the first one's text repeats.
QString longSource(QRandomGenerator &random, bool inTurn)
{
    QString text;
    while (text.size() < 50000) {
        switch (random.bounded(inTurn ? 2 : 5)) {
        case 0:
            text += QStringLiteral(u"<p><!-- \"") + QString(random.bounded(100, 20000), u'c') +
                    QStringLiteral(u"\" -->");
            break;
        case 1:
            text += QStringLiteral(u"<td class=\"v\">w</td><!-- x -->\r\n")
                        .repeated(random.bounded(1, 500));
            break;
        case 2:
            text +=
                QStringLiteral(u"<p>x</p><!-- a <!-- b -->\r\n").repeated(random.bounded(1, 400));
            break;
        case 3:
            text += (QStringLiteral(u"<p>x</p><!-- ") + QString(random.bounded(5000, 30000), u'a') +
                     QStringLiteral(u" <!-- b -->\r\n"))
                        .repeated(random.bounded(2, 4));
            break;
        default:
            text += randomText(random, 200);
            break;
        }
    }
    return text;
}

// Where the next edit of a sequence goes: inside a "<!--" or "-->", just inside a comment, just
// after a place where a lexing state is kept, on from the caret, or anywhere.
int editPlace(QRandomGenerator &random, const QString &text, int caret)
{
    const int size = int(text.size());
    const QStringView marker = random.bounded(2) ? QStringView(u"<!--") : QStringView(u"-->");
    const qsizetype found = text.indexOf(marker, random.bounded(size + 1));
    const int step = int(editor::TypedTextColouring::stateStep());
    switch (random.bounded(5)) {
    case 0:
        if (found >= 0)
            return int(found) + 1 + random.bounded(int(marker.size()) - 1);
        break;
    case 1:
        if (found >= 0)
            return std::min(size, int(found) + int(marker.size()) + random.bounded(3));
        break;
    case 2:
        return caretAt(text, std::min(caret, size));
    case 3:
        return caretAt(text, std::min(size, random.bounded(size + 1) / step * step + 20));
    default:
        break;
    }
    return caretAt(text, random.bounded(size + 1));
}

TEST(TypedColouring, TextTypedAfterAClosingTagTakesTheTextColour)
{
    Form1 f;
    f.Check1.setValue(1);
    f.RB1.setText(QStringLiteral(u"<tr>\r\n<td>a</td>\r\n</tr>"));
    f.Setcolor2();
    const qsizetype lineEnd = f.RB1.text().indexOf(u"</td>") + 5;
    f.RB1.userSelected(int(lineEnd), 0);
    for (QChar c : QStringLiteral(u"hello"))
        f.RB1.userTyped(QString(c));
    ASSERT_EQ(f.RB1.text().mid(lineEnd, 7), QStringLiteral(u"hello\r\n"));
    const std::vector<quint32> typed = coloursOf(f.RB1, lineEnd, lineEnd + 5);
    const quint32 text = editor::ColorScheme::light().text;
    EXPECT_EQ(typed, std::vector<quint32>(5, text));
    f.Setcolor2();
    EXPECT_EQ(coloursOf(f.RB1, lineEnd, lineEnd + 5), typed);
}

// One keystroke (or paste) at a random place of a freshly coloured random text, in both schemes.
TEST(TypedColouring, FuzzedEditsAgreeWithAWholePass)
{
    QRandomGenerator random(20240611);
    Reference reference;
    Form1 f;
    int compared = 0;
    for (int round = 0; round < 3000; ++round) {
        const int scheme = round % 2;
        f.Check1.setValue(scheme);
        f.RB1.setText(randomText(random, random.bounded(0, 16)));
        f.Setcolor2();
        const QString &text = f.RB1.text();
        const int start = caretAt(text, random.bounded(int(text.size()) + 1));
        const int length = random.bounded(3) == 0
                               ? caretAt(text, random.bounded(start, int(text.size()) + 1)) - start
                               : 0;
        f.RB1.userSelected(start, length);
        const QString before = f.RB1.text();
        const QString typing = randomTyping(random);
        f.RB1.userTyped(typing);
        const qsizetype typedStart = f.RB1.lastChange().start;
        const qsizetype typedEnd = typedStart + f.RB1.lastChange().inserted;
        if (typedEnd == typedStart)
            continue;
        const std::vector<quint32> got = coloursOf(f.RB1, typedStart, typedEnd);
        const std::vector<quint32> want =
            reference.colours(f.RB1.text(), scheme, typedStart, typedEnd);
        ASSERT_EQ(got, want) << "typed " << typing.toStdString() << " over " << start << "+"
                             << length << " of " << before.toStdString();
        ++compared;
    }
    EXPECT_GT(compared, 2500);
}

// Many edits in a row on a source longer than the step between kept lexing states: typing,
// deleting and replacing selections keep each insertion in agreement with a whole pass.
TEST(TypedColouring, KeptStatesFollowEditsInALongSource)
{
    QRandomGenerator random(7);
    Reference reference;
    Form1 f;
    f.Check1.setValue(1);
    f.RB1.setText(randomText(random, 40000));
    ASSERT_GT(f.RB1.text().size(), 100000);
    f.Setcolor2();
    for (int round = 0; round < 400; ++round) {
        const QString &text = f.RB1.text();
        const int size = int(text.size());
        // Mostly near one place, as a user types, with jumps now and then.
        const int start = caretAt(text, round % 25 == 0 ? random.bounded(size + 1)
                                                        : std::min(size, f.RB1.selStart()));
        switch (random.bounded(4)) {
        case 0:
            f.RB1.userSelected(caretAt(text, std::max(0, start - 2)), 0);
            f.RB1.userDeleted(true);
            continue;
        case 1:
            f.RB1.userSelected(start, caretAt(text, std::min(size, start + 5)) - start);
            break;
        default:
            f.RB1.userSelected(start, 0);
            break;
        }
        f.RB1.userTyped(randomTyping(random));
        const qsizetype from = f.RB1.lastChange().start;
        const qsizetype to = from + f.RB1.lastChange().inserted;
        ASSERT_EQ(coloursOf(f.RB1, from, to), reference.colours(f.RB1.text(), 1, from, to))
            << "round " << round << " at " << from;
    }
}

// Sequences of edits without a whole pass between them, in long sources with and without markers
// in turn: typing inside markers and inside comments that are comments only because their text
// repeats, deleting and replacing selections. After every edit the inserted text agrees with a
// whole pass.
TEST(TypedColouring, EditSequencesAgreeWithAWholePass)
{
    QRandomGenerator random(20240614);
    Reference reference;
    Form1 f;
    for (int round = 0; round < 16; ++round) {
        const int scheme = round % 2;
        const bool inTurn = round % 4 < 2;
        f.Check1.setValue(scheme);
        f.RB1.setText(longSource(random, inTurn));
        f.Setcolor2();
        for (int edit = 0; edit < 30; ++edit) {
            // Copied without reading it whole: the box keeps its gap, as between keys.
            const QString text = f.RB1.mid(0, f.RB1.length());
            const int start = editPlace(random, text, f.RB1.selStart());
            const QString before = text.mid(start - 8, 16);
            switch (random.bounded(5)) {
            case 0:
                f.RB1.userSelected(start, 0);
                f.RB1.userDeleted(true);
                continue;
            case 1:
                f.RB1.userSelected(start,
                                   caretAt(text, std::min(int(text.size()), start + 3)) - start);
                break;
            default:
                f.RB1.userSelected(start, 0);
                break;
            }
            const QString typing = randomTyping(random);
            f.RB1.userTyped(typing);
            const qsizetype from = f.RB1.lastChange().start;
            const qsizetype to = from + f.RB1.lastChange().inserted;
            ASSERT_EQ(coloursOf(f.RB1, from, to),
                      reference.colours(f.RB1.mid(0, f.RB1.length()), scheme, from, to))
                << "round " << round << " edit " << edit << ": " << typing.toStdString() << " at "
                << start << " in " << before.toStdString();
        }
    }
}

// Typing in a long source without comments, and in one whose comments pair in turn, reads the
// text only around the edit (the box's gap stays open from the third key on), and every typed
// character takes the colour of a whole pass.
TEST(TypedColouring, TypingInALongSourceReadsItOnlyAroundTheEdit)
{
    Reference reference;
    for (const QString &comment : {QString(), u"<!-- a \"q\" -->"_qs}) {
        Form1 f;
        f.Check1.setValue(1);
        QString source = u"<html><body><table>\r\n"_qs;
        for (int row = 0; row < 4000; ++row)
            source += u"<tr><td class=\"c\">%1</td>%2</tr>\r\n"_qs.arg(row).arg(comment);
        f.RB1.setText(source + u"</table></body></html>"_qs);
        f.Setcolor2();
        f.RB1.userSelected(int(f.RB1.lineStart(2000)), 0);
        const QStringList keys{u"<"_qs, u"t"_qs, u"a"_qs, u"{BS}"_qs, u"{BS}"_qs, u"{BS}"_qs,
                               u"<b>"_qs, u"x"_qs, u"\""_qs, u"y"_qs, u"\r\n"_qs, u"{BS}"_qs,
                               u">"_qs, u"z"_qs};
        quint64 closes = 0;
        for (int k = 0; k < keys.size(); ++k) {
            if (keys[k] == u"{BS}")
                f.RB1.userDeleted(true);
            else
                f.RB1.userTyped(keys[k]);
            if (k == 1)
                closes = f.RB1.gapCloses();
            const qsizetype from = f.RB1.lastChange().start;
            const qsizetype to = from + f.RB1.lastChange().inserted;
            ASSERT_EQ(coloursOf(f.RB1, from, to),
                      reference.colours(f.RB1.mid(0, f.RB1.length()), 1, from, to))
                << keys[k].toStdString() << " " << comment.toStdString();
        }
        EXPECT_EQ(f.RB1.gapCloses(), closes) << comment.toStdString();
    }
}

// Closing a comment far below its "<!--" turns everything before the edit into a comment: the
// states kept from before are not used for the characters typed after that.
TEST(TypedColouring, ACommentClosedFarBelowItsStart)
{
    Reference reference;
    Form1 f;
    f.Check1.setValue(1);
    f.RB1.setText(QStringLiteral(u"<!--") + QStringLiteral(u"<p>x</p>\r\n").repeated(8000));
    f.Setcolor2();
    const int end = int(f.RB1.text().size());
    f.RB1.userSelected(end, 0);
    QString log;
    for (const QString &typed : {QStringLiteral(u"a"), QStringLiteral(u"-"), QStringLiteral(u"-"),
                                 QStringLiteral(u">"), QStringLiteral(u"b")}) {
        f.RB1.userTyped(typed);
        const qsizetype at = f.RB1.lastChange().start;
        const bool same =
            coloursOf(f.RB1, at, at + 1) == reference.colours(f.RB1.text(), 1, at, at + 1);
        log += typed + (same ? u'=' : u'!');
    }
    EXPECT_EQ(log, QStringLiteral(u"a=-=-=>=b="));
}

// Typing inside a long comment moves its "-->": a state kept from before the edit, inside that
// comment, still ends it at the right place for text typed after it.
TEST(TypedColouring, ACommentLengthenedAcrossAKeptState)
{
    Reference reference;
    Form1 f;
    f.Check1.setValue(1);
    f.RB1.setText(QStringLiteral(u"<p><!--") + QString(40000, u'a') + QStringLiteral(u"--><b ") +
                  QString(30000, u'c'));
    f.Setcolor2();
    QString log;
    for (const int at : {35000, 36000, 60000}) {
        f.RB1.userSelected(at, 0);
        f.RB1.userTyped(QStringLiteral(u"y"));
        const bool same =
            coloursOf(f.RB1, at, at + 1) == reference.colours(f.RB1.text(), 1, at, at + 1);
        log += QString::number(at) + (same ? u'=' : u'!');
    }
    EXPECT_EQ(log, QStringLiteral(u"35000=36000=60000="));
}

} // namespace
