#include "controls/richtextbox.h"

#include "controls/hugepages.h"
#include "controls/textfile.h"
#include "controls/userinput.h"

#include <QScopedValueRollback>
#include <algorithm>
#include <cstring>

namespace {
// The room a gap is given besides the write that opens it, a sixteenth of the text within these
// bounds: typing goes on into it without moving the text behind it. Opening it moves that text
// by as much, into memory not touched before: a larger gap would cost more page faults than it
// saves moves. The least is also the least room worth opening a gap in without moving the text
// to a larger buffer.
constexpr qsizetype GapRoom = 65536;
constexpr qsizetype MinGap = 1024;
} // namespace

RichTextBox::RichTextBox(Container *container, QString name, int index)
    : Control(container, std::move(name), index)
{
    m_runs.push_back({0, foreColor()});
    m_insertColor = foreColor();
}

void RichTextBox::changed()
{
    ++m_revision;
    ++m_textRevision;
    notify(Property::Text);
    if (onChange)
        onChange();
}

const QString &RichTextBox::text() const
{
    closeGap();
    m_wholeRead = true;
    return m_buf;
}

void RichTextBox::closeGap() const
{
    if (m_gapLen == 0)
        return;
    moveGap(length());
    m_buf.resize(length()); // keeps the capacity: the next gap may open in it
    m_gapLen = 0;
    ++m_gapCloses;
}

void RichTextBox::moveGap(qsizetype to) const
{
    if (m_gapLen > 0 && to != m_gap) {
        QChar *d = m_buf.data();
        if (to < m_gap)
            std::memmove(d + to + m_gapLen, d + to, std::size_t(m_gap - to) * sizeof(QChar));
        else
            std::memmove(d + m_gap, d + m_gap + m_gapLen, std::size_t(to - m_gap) * sizeof(QChar));
    }
    m_gap = to;
}

void RichTextBox::prepareEditAt(qsizetype position) const
{
    if (m_gapLen > 0)
        moveGap(std::clamp<qsizetype>(position, 0, length()));
}

QChar RichTextBox::charAt(qsizetype position) const
{
    Q_ASSERT(position >= 0 && position < length());
    return m_buf.at(position < m_gap ? position : position + m_gapLen);
}

QString RichTextBox::mid(qsizetype position, qsizetype n) const
{
    const qsizetype size = length();
    position = std::clamp<qsizetype>(position, 0, size);
    n = std::clamp<qsizetype>(n, 0, size - position);
    if (m_gapLen == 0 || position + n <= m_gap)
        return m_buf.mid(position, n);
    if (position >= m_gap)
        return m_buf.mid(position + m_gapLen, n);
    QString out;
    out.reserve(n);
    out.append(QStringView(m_buf).sliced(position, m_gap - position));
    out.append(QStringView(m_buf).sliced(m_gap + m_gapLen, position + n - m_gap));
    return out;
}

QStringView RichTextBox::span(qsizetype from, qsizetype to) const
{
    const qsizetype size = length();
    from = std::clamp<qsizetype>(from, 0, size);
    to = std::clamp<qsizetype>(to, from, size);
    if (m_gapLen > 0 && m_gap > from && m_gap < to)
        moveGap(m_gap - from < to - m_gap ? from : to);
    const qsizetype offset = from >= m_gap ? m_gapLen : 0;
    return QStringView(m_buf).sliced(from + offset, to - from);
}

QStringView RichTextBox::textFrom(qsizetype from) const
{
    from = std::clamp<qsizetype>(from, 0, length());
    if (m_gapLen == 0)
        return m_buf;
    if (m_gap > from)
        moveGap(from);
    return QStringView(m_buf).sliced(m_gapLen, length());
}

void RichTextBox::writeAtGap(qsizetype start, qsizetype length, const QString &with)
{
    if (m_gapLen == 0)
        m_gap = start; // no gap yet: one opens at the write
    else
        moveGap(start);
    m_gapLen += length; // what goes joins the gap
    if (with.size() > m_gapLen) {
        const qsizetype behind = m_buf.size() - m_gap - m_gapLen;
        // Room the buffer has already is taken first (a made source comes with some): fresh
        // memory costs a page fault per page on first touch.
        const qsizetype want = with.size() + std::clamp(this->length() / 16, MinGap, GapRoom);
        const qsizetype room = m_gapLen + (m_buf.capacity() - m_buf.size());
        if (!m_buf.isDetached() || room < with.size() + MinGap) {
            // A new buffer, the text copied once into its place on either side of the gap, with
            // room to grow as a made source has.
            QString grown = hugepages::uninitialized(m_gap + want + behind,
                                                     hugepages::editingRoom(m_gap + behind));
            QChar *d = grown.data();
            std::memcpy(d, m_buf.constData(), std::size_t(m_gap) * sizeof(QChar));
            std::memcpy(d + m_gap + want, m_buf.constData() + m_gap + m_gapLen,
                        std::size_t(behind) * sizeof(QChar));
            m_buf = std::move(grown);
            m_gapLen = want;
        } else {
            const qsizetype gap = std::min(room, want);
            m_buf.resize(m_gap + gap + behind);
            QChar *d = m_buf.data();
            std::memmove(d + m_gap + gap, d + m_gap + m_gapLen,
                         std::size_t(behind) * sizeof(QChar));
            m_gapLen = gap;
        }
    }
    if (!with.isEmpty())
        std::memcpy(m_buf.data() + m_gap, with.constData(),
                    std::size_t(with.size()) * sizeof(QChar));
    m_gap += with.size();
    m_gapLen -= with.size();
}

QString RichTextBox::replaceWhole(QString text)
{
    closeGap();
    m_lastChange = {0, m_buf.size(), text.size(), true};
    QString old = std::exchange(m_buf, std::move(text));
    m_gap = m_buf.size();
    m_wholeRead = false;
    m_quietWrites = 0;
    m_lineStarts.clear();
    m_pendingRuns = nullptr;
    m_runs.clear();
    m_runs.push_back({0, foreColor()});
    m_insertColor = foreColor();
    m_selStart = 0;
    m_selLength = 0;
    m_firstVisibleLine = 0;
    return old;
}

void RichTextBox::setText(const QString &text)
{
    QString fixed = toCrLf(text);
    if (fixed.size() == length() && fixed == this->text()) {
        // Nothing to record, but a write all the same: typing after it starts a new step.
        m_undo.seal();
        return;
    }
    const UndoHistory::Place before = place();
    // The history takes the old text over: it costs nothing until the text would have been freed.
    m_undo.recordWhole(replaceWhole(std::move(fixed)), before, userinput::currentAction());
    stepWritten();
    changed();
}

void RichTextBox::stepWritten()
{
    const quint64 action = userinput::currentAction();
    if (action == 0) {
        m_undo.close(m_undoText);
    } else if (action != m_closingAction) {
        m_closingAction = action;
        userinput::afterAction(*this, [this] { m_undo.close(m_undoText); });
    }
}

void RichTextBox::setSelStart(int start)
{
    m_selStart = std::clamp(start, 0, int(length()));
    m_selLength = 0;
    m_insertColor = colorAt(m_selStart > 0 ? m_selStart - 1 : 0);
    notify(Property::Selection);
    if (onSelChange)
        onSelChange();
}

void RichTextBox::setSelLength(int length)
{
    m_selLength = std::clamp(length, 0, int(this->length()) - m_selStart);
    notify(Property::Selection);
    if (onSelChange)
        onSelChange();
}

QString RichTextBox::selText() const
{
    return mid(m_selStart, m_selLength);
}

void RichTextBox::replaceRange(qsizetype start, qsizetype length, const QString &with,
                               bool recordUndo)
{
    settleRuns();
    // One copy of what goes, for the view and the undo history alike.
    const QString removed = mid(start, length);
    if (recordUndo)
        m_undo.recordPiece(m_undoText, start, removed, with, m_editSource,
                           m_placeBefore.value_or(place()), userinput::currentAction());
    const quint32 color = length > 0 ? colorAt(start) : m_insertColor;
    // A gap opens once two writes in a row were not followed by a read of the whole text: where
    // something reads it whole after most writes, closing the gap each time would double the cost
    // of writing in place.
    m_quietWrites = m_wholeRead ? 0 : m_quietWrites + 1;
    // A text that must move to another buffer anyway is copied once around a new gap.
    const bool inPlace =
        m_buf.isDetached() && m_buf.capacity() - m_buf.size() >= with.size() - length;
    if (m_gapLen == 0 && m_quietWrites < 2 && inPlace)
        m_buf.replace(start, length, with);
    else
        writeAtGap(start, length, with);
    m_wholeRead = false;
    shiftLineStarts(start, length, with);
    m_lastChange = {start, length, with.size(), false, removed};

    // The runs behind the edit move, then the inserted text is coloured; normalised around the
    // edit only.
    shiftRuns(start, length, with.size());
    if (!with.isEmpty())
        setRunRange(start, start + with.size(), color);
    normaliseAround(start, start + with.size());
    if (recordUndo)
        stepWritten();
}

void RichTextBox::setSelText(const QString &text)
{
    // A selection edge between the CR and the LF of a line end moves out of it (the start before
    // the CR, the end after the LF), so that the text keeps its CR LF pairs.
    auto splitsLineEnd = [this](int at) {
        return at > 0 && at < length() && charAt(at - 1) == u'\r' && charAt(at) == u'\n';
    };
    if (m_selLength == 0) {
        if (splitsLineEnd(m_selStart))
            --m_selStart;
    } else {
        if (splitsLineEnd(m_selStart + m_selLength))
            ++m_selLength;
        if (splitsLineEnd(m_selStart)) {
            --m_selStart;
            ++m_selLength;
        }
    }
    const QString fixed = toCrLf(text);
    if (fixed.isEmpty() && m_selLength == 0) {
        if (m_editSource != UndoHistory::Source::Typed)
            m_undo.seal();
        return;
    }
    // Compared where it stands: a selection may be most of a long source. Replaced by itself, it
    // changes nothing, yet ends the word being typed as any replaced selection does.
    if (fixed.size() == m_selLength && fixed == span(m_selStart, m_selStart + m_selLength)) {
        m_undo.seal();
        m_selStart += m_selLength;
        m_selLength = 0;
        notify(Property::Selection);
        return;
    }
    replaceRange(m_selStart, m_selLength, fixed, true);
    m_selStart += int(fixed.size());
    m_selLength = 0;
    changed();
}

quint32 RichTextBox::selColor() const
{
    if (m_selLength == 0)
        return m_insertColor;
    return colorAt(m_selStart);
}

void RichTextBox::setSelColor(quint32 color)
{
    if (m_selLength == 0) {
        m_insertColor = color;
        return;
    }
    setRunRange(m_selStart, m_selStart + m_selLength, color);
    normaliseAround(m_selStart, m_selStart + m_selLength);
    m_colorChange = {m_selStart, m_selStart + m_selLength};
    ++m_revision;
    notify(Property::ColorRuns);
}

const PositionList<NoValue> &RichTextBox::lineStarts() const
{
    if (m_lineStarts.empty()) {
        // One pass over the text; a table source has a line every twenty characters or so.
        m_lineStarts.push_back({0});
        // The text before the gap, then the text behind it.
        auto scan = [this](QStringView part, qsizetype at) {
            for (qsizetype i = 0; i < part.size(); ++i) {
                if (part[i] == u'\n')
                    m_lineStarts.push_back({at + i + 1});
            }
        };
        const qsizetype gap = m_gapLen > 0 ? m_gap : m_buf.size();
        scan(QStringView(m_buf).first(gap), 0);
        scan(QStringView(m_buf).sliced(gap + m_gapLen), gap);
    }
    return m_lineStarts;
}

void RichTextBox::shiftLineStarts(qsizetype start, qsizetype removed, const QString &inserted)
{
    if (m_lineStarts.empty())
        return;
    // The lines that began inside the removed text go; those behind it move; the line ends of the
    // inserted text start new ones.
    std::vector<PositionList<NoValue>::Item> added;
    for (qsizetype i = inserted.indexOf(u'\n'); i >= 0; i = inserted.indexOf(u'\n', i + 1))
        added.push_back({start + i + 1});
    m_lineStarts.splice(m_lineStarts.upperBound(start), m_lineStarts.upperBound(start + removed),
                        added, inserted.size() - removed);
}

int RichTextBox::lineCount() const
{
    return int(lineStarts().size());
}

qsizetype RichTextBox::lineStart(int line) const
{
    const PositionList<NoValue> &starts = lineStarts();
    return starts.position(std::clamp<qsizetype>(line, 0, starts.size() - 1));
}

int RichTextBox::lineAt(qsizetype position) const
{
    position = std::clamp<qsizetype>(position, 0, length());
    return int(lineStarts().upperBound(position)) - 1;
}

void RichTextBox::lineScroll(int lines)
{
    const int target = std::clamp(m_firstVisibleLine + lines, 0, lineCount() - 1);
    if (target == m_firstVisibleLine)
        return;
    m_firstVisibleLine = target;
    notify(Property::Scroll);
}

void RichTextBox::viewScrolledTo(int line)
{
    m_firstVisibleLine = std::clamp(line, 0, lineCount() - 1);
}

bool RichTextBox::undo()
{
    std::optional<UndoHistory::Step> step = m_undo.takeNewest(m_undoText);
    if (!step)
        return false;
    const qsizetype size = length();
    const bool whole = step->whole || step->inserted * 2 > size;
    if (whole) {
        // Most of the text goes: it is replaced whole, without a copy of what goes.
        QString before;
        if (step->whole) {
            before = std::move(step->removed);
        } else {
            closeGap();
            before = std::exchange(m_buf, QString());
            m_gap = 0;
            before.replace(step->position, step->inserted, step->removed);
        }
        replaceWhole(std::move(before));
        m_lastChange.removed = size;
    } else {
        replaceRange(step->position, step->inserted, step->removed, false);
    }
    m_lastChange.undone = true;
    m_selStart = std::clamp(step->before.selStart, 0, int(length()));
    m_selLength = std::clamp(step->before.selLength, 0, int(length()) - m_selStart);
    m_insertColor = colorAt(m_selStart > 0 ? m_selStart - 1 : 0);
    if (whole)
        m_firstVisibleLine = std::clamp(step->before.firstLine, 0, lineCount() - 1);
    changed();
    if (whole && m_firstVisibleLine != 0)
        notify(Property::Scroll);
    return true;
}

void RichTextBox::userUndo()
{
    userinput::deliver(*this, [this] {
        if (effectivelyEnabled() && !m_locked)
            undo();
    });
}

void RichTextBox::userTyped(const QString &text)
{
    userinput::deliver(*this, [=, this] {
        if (!effectivelyEnabled() || m_locked)
            return;
        const QScopedValueRollback source(m_editSource, UndoHistory::Source::Typed);
        setSelText(text);
    });
}

void RichTextBox::userSelected(int start, int length)
{
    userinput::deliver(*this, [=, this] {
        const int oldStart = m_selStart;
        const int oldLength = m_selLength;
        m_selStart = std::clamp(start, 0, int(this->length()));
        m_selLength = std::clamp(length, 0, int(this->length()) - m_selStart);
        // A caret the user moved ends the word being typed.
        if (m_selStart != oldStart || m_selLength != oldLength)
            m_undo.seal();
        if (m_selLength == 0)
            m_insertColor = colorAt(m_selStart > 0 ? m_selStart - 1 : 0);
        if (onSelChange)
            onSelChange();
    });
}

void RichTextBox::userDeleted(bool backwards)
{
    userinput::deliver(*this, [=, this] {
        if (!effectivelyEnabled() || m_locked)
            return;
        const QScopedValueRollback source(m_editSource, backwards ? UndoHistory::Source::Backspace
                                                                  : UndoHistory::Source::Delete);
        // An undo puts the caret back where the key found it.
        const QScopedValueRollback caret(m_placeBefore, std::optional(place()));
        if (m_selLength == 0) {
            // A line end goes as one piece.
            if (backwards) {
                if (m_selStart == 0)
                    return;
                const bool crlf = m_selStart >= 2 && charAt(m_selStart - 1) == u'\n' &&
                                  charAt(m_selStart - 2) == u'\r';
                m_selStart -= crlf ? 2 : 1;
                m_selLength = crlf ? 2 : 1;
            } else {
                if (m_selStart >= length())
                    return;
                const bool crlf = charAt(m_selStart) == u'\r' && m_selStart + 1 < length() &&
                                  charAt(m_selStart + 1) == u'\n';
                m_selLength = crlf ? 2 : 1;
            }
        }
        setSelText(QString());
    });
}

void RichTextBox::userMouseDown(int button)
{
    userinput::deliver(*this, [=, this] {
        if (effectivelyEnabled() && onMouseDown)
            onMouseDown(button);
    });
}
