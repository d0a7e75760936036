#include "controls/richtextbox.h"

#include "controls/textfile.h"
#include "controls/userinput.h"

#include <QScopedValueRollback>
#include <algorithm>

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

QString RichTextBox::replaceWhole(QString text)
{
    m_lastChange = {0, m_text.size(), text.size(), true};
    QString old = std::exchange(m_text, std::move(text));
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
    if (fixed == m_text)
        return;
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
        m_undo.close(m_text);
    } else if (action != m_closingAction) {
        m_closingAction = action;
        userinput::afterAction(*this, [this] { m_undo.close(m_text); });
    }
}

void RichTextBox::setSelStart(int start)
{
    m_selStart = std::clamp(start, 0, int(m_text.size()));
    m_selLength = 0;
    m_insertColor = colorAt(m_selStart > 0 ? m_selStart - 1 : 0);
    notify(Property::Selection);
    if (onSelChange)
        onSelChange();
}

void RichTextBox::setSelLength(int length)
{
    m_selLength = std::clamp(length, 0, int(m_text.size()) - m_selStart);
    notify(Property::Selection);
    if (onSelChange)
        onSelChange();
}

QString RichTextBox::selText() const
{
    return m_text.mid(m_selStart, m_selLength);
}

void RichTextBox::replaceRange(qsizetype start, qsizetype length, const QString &with,
                               bool recordUndo)
{
    settleRuns();
    // One copy of what goes, for the view and the undo history alike.
    const QString removed = m_text.mid(start, length);
    if (recordUndo)
        m_undo.recordPiece(m_text, start, removed, with, m_editSource,
                           m_placeBefore.value_or(place()), userinput::currentAction());
    const quint32 color = length > 0 ? colorAt(start) : m_insertColor;
    m_text.replace(start, length, with);
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
        return at > 0 && at < m_text.size() && m_text.at(at - 1) == u'\r' && m_text.at(at) == u'\n';
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
    if (fixed.isEmpty() && m_selLength == 0)
        return;
    // Compared where it stands: a selection may be most of a long source.
    if (fixed == QStringView(m_text).sliced(m_selStart, m_selLength)) {
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
        const QChar *p = m_text.constData();
        const qsizetype n = m_text.size();
        for (qsizetype i = 0; i < n; ++i) {
            if (p[i] == u'\n')
                m_lineStarts.push_back({i + 1});
        }
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
    position = std::clamp<qsizetype>(position, 0, m_text.size());
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
    std::optional<UndoHistory::Step> step = m_undo.takeNewest(m_text);
    if (!step)
        return false;
    const qsizetype size = m_text.size();
    const bool whole = step->whole || step->inserted * 2 > size;
    if (whole) {
        // Most of the text goes: it is replaced whole, without a copy of what goes.
        QString before;
        if (step->whole) {
            before = std::move(step->removed);
        } else {
            before = std::exchange(m_text, QString());
            before.replace(step->position, step->inserted, step->removed);
        }
        replaceWhole(std::move(before));
        m_lastChange.removed = size;
    } else {
        replaceRange(step->position, step->inserted, step->removed, false);
    }
    m_lastChange.undone = true;
    m_selStart = std::clamp(step->before.selStart, 0, int(m_text.size()));
    m_selLength = std::clamp(step->before.selLength, 0, int(m_text.size()) - m_selStart);
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
        m_selStart = std::clamp(start, 0, int(m_text.size()));
        m_selLength = std::clamp(length, 0, int(m_text.size()) - m_selStart);
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
                const bool crlf = m_selStart >= 2 && m_text.at(m_selStart - 1) == u'\n'
                                  && m_text.at(m_selStart - 2) == u'\r';
                m_selStart -= crlf ? 2 : 1;
                m_selLength = crlf ? 2 : 1;
            } else {
                if (m_selStart >= m_text.size())
                    return;
                const bool crlf = m_text.at(m_selStart) == u'\r' && m_selStart + 1 < m_text.size()
                                  && m_text.at(m_selStart + 1) == u'\n';
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
