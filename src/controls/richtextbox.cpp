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
    m_runs.assign(1, ColorRun{0, foreColor()});
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
    if (recordUndo)
        m_undo.recordPiece(m_text, start, length, with, m_editSource,
                           m_placeBefore.value_or(place()), userinput::currentAction());
    const QString removed = m_text.mid(start, length);
    const quint32 color = length > 0 ? colorAt(start) : m_insertColor;
    m_text.replace(start, length, with);
    shiftLineStarts(start, length, with);
    m_lastChange = {start, length, with.size(), false, removed};

    // Shift the runs behind the edit, then colour the inserted text. Of the runs that began inside
    // the removed range only the last one survives, moved behind the inserted text. The runs are
    // changed in place and normalised around the edit only: a large source has millions of them.
    const qsizetype delta = with.size() - length;
    auto inside = std::upper_bound(m_runs.begin(), m_runs.end(), start,
                                   [](qsizetype p, const ColorRun &run) { return p < run.start; });
    auto behind = std::lower_bound(inside, m_runs.end(), start + length,
                                   [](const ColorRun &run, qsizetype p) { return run.start < p; });
    if (inside != behind) {
        const ColorRun kept{start + with.size(), std::prev(behind)->color};
        inside = m_runs.erase(inside, std::prev(behind));
        *inside++ = kept;
    }
    for (auto it = inside; it != m_runs.end(); ++it)
        it->start += delta;
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
    if (fixed == selText()) {
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
    ++m_revision;
    notify(Property::ColorRuns);
}

quint32 RichTextBox::colorAt(qsizetype position) const
{
    settleRuns();
    auto it = std::upper_bound(m_runs.begin(), m_runs.end(), position,
                               [](qsizetype p, const ColorRun &run) { return p < run.start; });
    if (it == m_runs.begin())
        return foreColor();
    return std::prev(it)->color;
}

void RichTextBox::setRangeColors(qsizetype start, qsizetype end, const ColorRuns &runs)
{
    start = std::clamp<qsizetype>(start, 0, m_text.size());
    end = std::clamp<qsizetype>(end, start, m_text.size());
    if (start == end || runs.empty())
        return;
    settleRuns();
    // The runs of the range are replaced in one splice, merged with their neighbours as they are
    // built, the colour in force at its end going on behind it: a long paste brings millions of
    // runs, and a splice per run, or one that grows the list only to shrink it again, would move
    // all the runs behind it.
    auto first = std::lower_bound(m_runs.begin(), m_runs.end(), start,
                                  [](const ColorRun &run, qsizetype p) { return run.start < p; });
    auto last = std::upper_bound(first, m_runs.end(), end,
                                 [](qsizetype p, const ColorRun &run) { return p < run.start; });
    const quint32 after = last == m_runs.begin() ? foreColor() : std::prev(last)->color;
    std::optional<quint32> current;
    if (first != m_runs.begin())
        current = std::prev(first)->color;
    ColorRuns inside;
    inside.reserve(runs.size() + 1);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const qsizetype from = std::max(start, runs[i].start);
        const qsizetype to = i + 1 < runs.size() ? std::min(end, runs[i + 1].start) : end;
        if (from < to && current != runs[i].color) {
            inside.push_back({from, runs[i].color});
            current = runs[i].color;
        }
    }
    if (end < m_text.size() && current != after)
        inside.push_back({end, after});
    const auto present = last - first;
    const auto count = std::ptrdiff_t(inside.size());
    const auto common = std::min(present, count);
    std::copy(inside.begin(), inside.begin() + common, first);
    if (present > count)
        m_runs.erase(first + common, last);
    else
        m_runs.insert(first + common, inside.begin() + common, inside.end());
    normaliseAround(start, end);
    ++m_revision;
    notify(Property::ColorRuns);
}

void RichTextBox::setRunRange(qsizetype start, qsizetype end, quint32 color)
{
    if (start >= end)
        return;
    settleRuns();
    // Kept normalised, and changed in place: a source has millions of runs, and typing must not
    // shift them all along the list more than it must.
    auto byStart = [](const ColorRun &run, qsizetype p) { return run.start < p; };
    auto first = std::lower_bound(m_runs.begin(), m_runs.end(), start, byStart);
    auto last = std::lower_bound(first, m_runs.end(), end + 1, byStart);
    const quint32 after = last == m_runs.begin() ? foreColor() : std::prev(last)->color;
    const bool continuesBefore = first != m_runs.begin() && std::prev(first)->color == color;
    ColorRun wanted[2];
    int count = 0;
    if (!continuesBefore)
        wanted[count++] = {start, color};
    if (end < m_text.size() && after != color)
        wanted[count++] = {end, after};
    const auto present = last - first;
    const auto common = std::min<std::ptrdiff_t>(present, count);
    std::copy(wanted, wanted + common, first);
    if (present > count)
        m_runs.erase(first + common, last);
    else if (present < count)
        m_runs.insert(first + common, wanted + common, wanted + count);
}

namespace {
// Appends a run to a normalised list: a run that starts where the last one does replaces its
// colour, a run at or past the end of the text is dropped (unless the list is empty), and a run of
// its predecessor's colour merges into it.
void appendRun(ColorRuns &out, const ColorRun &run, qsizetype n)
{
    const qsizetype start = std::clamp<qsizetype>(run.start, 0, n);
    if (!out.empty() && out.back().start == start)
        out.back().color = run.color;
    else if (start < n || out.empty())
        out.push_back({start, run.color});
    if (out.size() > 1 && out[out.size() - 2].color == out.back().color)
        out.pop_back();
}
} // namespace

void RichTextBox::normalise(ColorRuns &runs, qsizetype n, quint32 foreColor)
{
    // Colouring engines hand over runs already in order: sort only what is not.
    auto byStart = [](const ColorRun &a, const ColorRun &b) { return a.start < b.start; };
    if (!std::is_sorted(runs.begin(), runs.end(), byStart))
        std::stable_sort(runs.begin(), runs.end(), byStart);
    // In place: clip to the text, let a later run win over an earlier one at the same start, and
    // merge neighbours of one colour.
    std::size_t out = 0;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        ColorRun run = runs[i];
        run.start = std::clamp<qsizetype>(run.start, 0, n);
        if (out > 0 && runs[out - 1].start == run.start)
            runs[out - 1].color = run.color;
        else if (run.start < n || out == 0)
            runs[out++] = run;
        if (out > 1 && runs[out - 2].color == runs[out - 1].color)
            --out;
    }
    runs.resize(out);
    if (runs.empty() || runs.front().start != 0)
        runs.insert(runs.begin(), ColorRun{0, foreColor});
}

void RichTextBox::normaliseAround(qsizetype from, qsizetype to)
{
    settleRuns();
    // Runs outside [from, to] are normalised already; the window takes one run more on each side
    // so that the runs at its edges merge with their neighbours.
    auto first = std::lower_bound(m_runs.begin(), m_runs.end(), from,
                                  [](const ColorRun &run, qsizetype p) { return run.start < p; });
    if (first != m_runs.begin())
        --first;
    auto last = std::upper_bound(first, m_runs.end(), to,
                                 [](qsizetype p, const ColorRun &run) { return p < run.start; });
    if (last != m_runs.end())
        ++last;
    const bool atFront = first == m_runs.begin();
    ColorRuns out;
    for (auto it = first; it != last; ++it)
        appendRun(out, *it, m_text.size());
    if (atFront && (out.empty() || out.front().start != 0))
        out.insert(out.begin(), ColorRun{0, foreColor()});
    const auto window = last - first;
    const auto kept = std::min<std::ptrdiff_t>(window, std::ptrdiff_t(out.size()));
    std::copy(out.begin(), out.begin() + kept, first);
    if (kept < window)
        m_runs.erase(first + kept, last);
    else
        m_runs.insert(first + kept, out.begin() + kept, out.end());
}

void RichTextBox::setColorRuns(ColorRuns runs)
{
    normalise(runs, m_text.size(), foreColor());
    m_pendingRuns = nullptr;
    m_runs = std::move(runs);
    ++m_revision;
    notify(Property::ColorRuns);
}

void RichTextBox::setColorRunsLater(ColorMaker make)
{
    m_pendingRuns = std::move(make);
    ++m_revision;
    notify(Property::ColorRuns);
}

void RichTextBox::settleRuns() const
{
    if (!m_pendingRuns)
        return;
    // The text has not changed since the colours were set: every change of it settles them first.
    ColorRuns runs = m_pendingRuns(m_text);
    m_pendingRuns = nullptr;
    normalise(runs, m_text.size(), foreColor());
    m_runs = std::move(runs);
}

const std::vector<qsizetype> &RichTextBox::lineStarts() const
{
    if (m_lineStarts.empty()) {
        // One pass over the text; a table source has a line every twenty characters or so.
        m_lineStarts.reserve(std::size_t(m_text.size() / 16 + 1));
        m_lineStarts.push_back(0);
        const QChar *p = m_text.constData();
        const qsizetype n = m_text.size();
        for (qsizetype i = 0; i < n; ++i) {
            if (p[i] == u'\n')
                m_lineStarts.push_back(i + 1);
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
    auto first = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), start);
    auto last = std::upper_bound(first, m_lineStarts.end(), start + removed);
    auto behind = m_lineStarts.erase(first, last);
    const qsizetype delta = inserted.size() - removed;
    for (auto it = behind; it != m_lineStarts.end(); ++it)
        *it += delta;
    std::vector<qsizetype> added;
    for (qsizetype i = inserted.indexOf(u'\n'); i >= 0; i = inserted.indexOf(u'\n', i + 1))
        added.push_back(start + i + 1);
    if (!added.empty())
        m_lineStarts.insert(behind, added.begin(), added.end());
}

int RichTextBox::lineCount() const
{
    return int(lineStarts().size());
}

qsizetype RichTextBox::lineStart(int line) const
{
    const std::vector<qsizetype> &starts = lineStarts();
    return starts[std::size_t(std::clamp(line, 0, int(starts.size()) - 1))];
}

int RichTextBox::lineAt(qsizetype position) const
{
    const std::vector<qsizetype> &starts = lineStarts();
    position = std::clamp<qsizetype>(position, 0, m_text.size());
    return int(std::upper_bound(starts.begin(), starts.end(), position) - starts.begin()) - 1;
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
