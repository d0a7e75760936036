// The colour runs of a rich-text box. A source has millions of runs: every change works on the
// runs around it only, and the runs behind an edit move by one addition per chunk of them.

#include "controls/richtextbox.h"

#include <algorithm>
#include <optional>

namespace {

using RunItem = ColorRunList::Item;

// Appends a run to a normalised list: a run that starts where the last one does replaces its
// colour, a run at or past the end of the text is dropped (unless the list is empty), and a run of
// its predecessor's colour merges into it.
void appendRun(std::vector<RunItem> &out, const RunItem &run, qsizetype n)
{
    const qsizetype start = std::clamp<qsizetype>(run.position, 0, n);
    if (!out.empty() && out.back().position == start)
        out.back().value = run.value;
    else if (start < n || out.empty())
        out.push_back({start, run.value});
    if (out.size() > 1 && out[out.size() - 2].value == out.back().value)
        out.pop_back();
}

// The items [first, last) of a run list, as plain runs.
ColorRuns toRuns(const ColorRunList &list, qsizetype first, qsizetype last)
{
    ColorRuns runs;
    runs.reserve(std::size_t(std::max<qsizetype>(0, last - first)));
    list.forEach(first, last, [&](const RunItem &item) {
        runs.push_back({item.position, item.value});
        return true;
    });
    return runs;
}

} // namespace

quint32 RichTextBox::colorAt(qsizetype position) const
{
    settleRuns();
    const qsizetype behind = m_runs.upperBound(position);
    return behind == 0 ? foreColor() : m_runs.at(behind - 1).value;
}

ColorRuns RichTextBox::colorRuns() const
{
    settleRuns();
    return toRuns(m_runs, 0, m_runs.size());
}

ColorRuns RichTextBox::runsIn(qsizetype from, qsizetype to) const
{
    settleRuns();
    const qsizetype first = std::max<qsizetype>(0, m_runs.upperBound(from) - 1);
    return toRuns(m_runs, first, m_runs.lowerBound(std::max(from + 1, to)));
}

qsizetype RichTextBox::runCount() const
{
    settleRuns();
    return m_runs.size();
}

void RichTextBox::shiftRuns(qsizetype start, qsizetype removed, qsizetype inserted)
{
    // Of the runs that began inside the removed range only the last one survives, moved behind
    // the inserted text; the runs behind the edit move with it.
    const qsizetype inside = m_runs.upperBound(start);
    const qsizetype behind = std::max(inside, m_runs.lowerBound(start + removed));
    std::vector<RunItem> kept;
    if (inside != behind)
        kept.push_back({start + inserted, m_runs.at(behind - 1).value});
    m_runs.splice(inside, behind, kept, inserted - removed);
}

void RichTextBox::setRangeColors(qsizetype start, qsizetype end, const ColorRuns &runs)
{
    start = std::clamp<qsizetype>(start, 0, length());
    end = std::clamp<qsizetype>(end, start, length());
    if (start == end || runs.empty())
        return;
    settleRuns();
    // The runs of the range are replaced in one splice, merged with their neighbours as they are
    // built, the colour in force at its end going on behind it: a long paste brings millions of
    // runs.
    const qsizetype first = m_runs.lowerBound(start);
    const qsizetype last = m_runs.upperBound(end);
    const quint32 after = last == 0 ? foreColor() : m_runs.at(last - 1).value;
    std::optional<quint32> current;
    if (first > 0)
        current = m_runs.at(first - 1).value;
    std::vector<RunItem> inside;
    inside.reserve(runs.size() + 1);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const qsizetype from = std::max(start, runs[i].start);
        const qsizetype to = i + 1 < runs.size() ? std::min(end, runs[i + 1].start) : end;
        if (from < to && current != runs[i].color) {
            inside.push_back({from, runs[i].color});
            current = runs[i].color;
        }
    }
    if (end < length() && current != after)
        inside.push_back({end, after});
    m_runs.splice(first, last, inside, 0);
    normaliseAround(start, end);
    m_colorChange = {start, end};
    ++m_revision;
    notify(Property::ColorRuns);
}

void RichTextBox::setRunRange(qsizetype start, qsizetype end, quint32 color)
{
    if (start >= end)
        return;
    settleRuns();
    const qsizetype first = m_runs.lowerBound(start);
    const qsizetype last = m_runs.lowerBound(end + 1);
    const quint32 after = last == 0 ? foreColor() : m_runs.at(last - 1).value;
    std::vector<RunItem> wanted;
    if (first == 0 || m_runs.at(first - 1).value != color)
        wanted.push_back({start, color});
    if (end < length() && after != color)
        wanted.push_back({end, after});
    m_runs.splice(first, last, wanted, 0);
}

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
    qsizetype first = m_runs.lowerBound(from);
    if (first > 0)
        --first;
    qsizetype last = m_runs.upperBound(to);
    if (last < m_runs.size())
        ++last;
    std::vector<RunItem> out;
    for (const RunItem &run : m_runs.items(first, last))
        appendRun(out, run, length());
    if (first == 0 && (out.empty() || out.front().position != 0))
        out.insert(out.begin(), RunItem{0, foreColor()});
    m_runs.splice(first, last, out, 0);
}

void RichTextBox::setColorRuns(ColorRuns runs)
{
    normalise(runs, length(), foreColor());
    m_pendingRuns = nullptr;
    m_runs = toRunList(runs);
    m_colorChange = {0, length()};
    ++m_revision;
    notify(Property::ColorRuns);
}

void RichTextBox::setColorRunsLater(ColorMaker make)
{
    m_pendingRuns = std::move(make);
    m_colorChange = {0, length()};
    ++m_revision;
    notify(Property::ColorRuns);
}

void RichTextBox::settleRuns() const
{
    if (!m_pendingRuns)
        return;
    // The text has not changed since the colours were set: every change of it settles them first.
    ColorRunList list = m_pendingRuns(text());
    m_pendingRuns = nullptr;
    if (isNormalised(list, length())) {
        m_runs = std::move(list);
        return;
    }
    ColorRuns runs = toRuns(list, 0, list.size());
    normalise(runs, length(), foreColor());
    m_runs = toRunList(runs);
}

bool RichTextBox::isNormalised(const ColorRunList &list, qsizetype n)
{
    // Colouring engines hand over runs in order, merged and within the text, as they are kept.
    if (list.empty() || list.at(0).position != 0)
        return false;
    bool normalised = true;
    RunItem previous{-1, 0};
    list.forEach(0, list.size(), [&](const RunItem &item) {
        normalised = previous.position < 0 || (item.position > previous.position &&
                                               item.value != previous.value && item.position < n);
        previous = item;
        return normalised;
    });
    return normalised;
}
