#include "controls/undohistory.h"

#include <algorithm>
#include <cstring>

namespace {
// Texts are compared a page at a time: a generated source has tens of millions of characters.
constexpr qsizetype Chunk = 4096;

qsizetype commonPrefix(const QChar *a, const QChar *b, qsizetype n)
{
    qsizetype i = 0;
    while (i + Chunk <= n && std::memcmp(a + i, b + i, Chunk * sizeof(QChar)) == 0)
        i += Chunk;
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

// `aEnd` and `bEnd` point behind the texts.
qsizetype commonSuffix(const QChar *aEnd, const QChar *bEnd, qsizetype n)
{
    qsizetype i = 0;
    while (i + Chunk <= n &&
           std::memcmp(aEnd - i - Chunk, bEnd - i - Chunk, Chunk * sizeof(QChar)) == 0)
        i += Chunk;
    while (i < n && aEnd[-i - 1] == bEnd[-i - 1])
        ++i;
    return i;
}
} // namespace

namespace {
// A text held in one string.
class PlainText : public UndoHistory::Text
{
public:
    explicit PlainText(const QString &text) : m_text(text) {}
    qsizetype size() const override { return m_text.size(); }
    QChar at(qsizetype position) const override { return m_text.at(position); }
    QString mid(qsizetype position, qsizetype n) const override { return m_text.mid(position, n); }
    QStringView span(qsizetype from, qsizetype to) const override
    {
        return QStringView(m_text).sliced(from, to - from);
    }
    const QString &whole() const override { return m_text; }

private:
    const QString &m_text;
};
} // namespace

UndoHistory::Kind UndoHistory::mergeKind(const Text &text, qsizetype position, qsizetype length,
                                         const QString &with, Source source)
{
    QChar c;
    if (source == Source::Typed && length == 0 && with.size() == 1)
        c = with.at(0);
    else if ((source == Source::Backspace || source == Source::Delete) && length == 1 &&
             with.isEmpty())
        c = text.at(position);
    else
        return Kind::Other;
    if (c == u' ' || c == u'\t' || c == u'\x3000')
        return Kind::Blank;
    if (c.isLetterOrNumber() || c.isMark() || c == u'_')
        return Kind::Word;
    return Kind::Other;
}

bool UndoHistory::mergeTyping(const Text &text, qsizetype position, Kind kind, Source source,
                              quint64 action)
{
    Entry &last = m_steps.back();
    Step &step = last.step;
    if (kind == Kind::Other || !last.mergeable || last.source != source || last.kind != kind)
        return false;
    account(last, -1);
    bool merged = false;
    if (source == Source::Typed && position == step.position + step.inserted) {
        ++step.inserted;
        merged = true;
    } else if (source == Source::Backspace && step.inserted == 0 && position + 1 == step.position) {
        step.removed.prepend(text.at(position));
        step.position = position;
        merged = true;
    } else if (source == Source::Delete && step.inserted == 0 && position == step.position) {
        step.removed.append(text.at(position));
        merged = true;
    }
    account(last, +1);
    if (merged) {
        last.action = action;
        last.open = true;
    }
    return merged;
}

void UndoHistory::recordPiece(const Text &text, qsizetype position, const QString &removed,
                              const QString &with, Source source, const Place &before,
                              quint64 action)
{
    const qsizetype length = removed.size();
    if (!m_steps.empty()) {
        Entry &last = m_steps.back();
        if (last.open && action != 0 && last.action == action) {
            // One more write of the running command: the step grows to cover both pieces, and
            // keeps what stood there before the first.
            last.mergeable = false;
            if (last.step.whole)
                return;
            Step &step = last.step;
            account(last, -1);
            const qsizetype from = std::min(step.position, position);
            const qsizetype end = step.position + step.inserted;
            const qsizetype to = std::max(end, position + length);
            step.removed =
                text.mid(from, step.position - from) + step.removed + text.mid(end, to - end);
            step.position = from;
            step.inserted = to - from + with.size() - length;
            account(last, +1);
            return;
        }
        close(text);
    }
    const Kind kind = mergeKind(text, position, length, with, source);
    if (!m_steps.empty() && mergeTyping(text, position, kind, source, action))
        return;
    Entry entry;
    entry.step = {position, removed, with.size(), false, before};
    entry.source = source;
    entry.kind = kind;
    entry.action = action;
    entry.open = true;
    entry.mergeable = kind != Kind::Other;
    account(entry, +1);
    m_steps.push_back(std::move(entry));
}

void UndoHistory::recordWhole(QString old, const Place &before, quint64 action)
{
    if (!m_steps.empty()) {
        Entry &last = m_steps.back();
        if (last.open && action != 0 && last.action == action) {
            last.mergeable = false;
            // The text before the step is kept already, or worked out of the text now replaced;
            // the texts between the command's writes are not kept.
            if (!last.step.whole) {
                Step &step = last.step;
                account(last, -1);
                old.replace(step.position, step.inserted, step.removed);
                step = {0, std::move(old), 0, true, step.before};
                account(last, +1);
            }
            return;
        }
        close(PlainText(old));
    }
    Entry entry;
    entry.step = {0, std::move(old), 0, true, before};
    entry.action = action;
    entry.open = true;
    account(entry, +1);
    m_steps.push_back(std::move(entry));
}

void UndoHistory::trim(Step &step, const QString &text)
{
    const QString &old = step.removed;
    const qsizetype n = std::min(old.size(), text.size());
    const qsizetype prefix = old.constData() == text.constData()
                                 ? n
                                 : commonPrefix(old.constData(), text.constData(), n);
    const qsizetype suffix =
        commonSuffix(old.constData() + old.size(), text.constData() + text.size(), n - prefix);
    const qsizetype middle = old.size() - prefix - suffix;
    const qsizetype inserted = text.size() - prefix - suffix;
    // Keeping a part costs a copy of it: worth it only when it frees more than it takes. Equal
    // texts end as a piece that changes nothing.
    const bool equal = middle == 0 && inserted == 0;
    if (!equal && ((prefix == 0 && suffix == 0) || middle * 2 > old.size())) {
        step.inserted = text.size();
        return;
    }
    step.inserted = inserted;
    step.removed = old.mid(prefix, middle);
    step.position = prefix;
    step.whole = false;
}

void UndoHistory::close(const Text &text)
{
    if (m_steps.empty() || !m_steps.back().open)
        return;
    Entry &last = m_steps.back();
    last.open = false;
    account(last, -1);
    Step &step = last.step;
    if (step.whole)
        trim(step, text.whole());
    const bool changesNothing =
        !step.whole && step.position + step.inserted <= text.size() &&
        step.inserted == step.removed.size() &&
        text.span(step.position, step.position + step.inserted) == step.removed;
    if (changesNothing) {
        // The write still came between the keystrokes before it and those after it.
        m_steps.pop_back();
        seal();
        return;
    }
    account(last, +1);
    keepInBudget();
}

void UndoHistory::seal()
{
    if (!m_steps.empty())
        m_steps.back().mergeable = false;
}

std::optional<UndoHistory::Step> UndoHistory::takeNewest(const Text &text)
{
    close(text);
    if (m_steps.empty())
        return std::nullopt;
    account(m_steps.back(), -1);
    Step step = std::move(m_steps.back().step);
    m_steps.pop_back();
    // Typing after an undo starts afresh, even where an older word ended.
    seal();
    return step;
}

void UndoHistory::clear()
{
    m_steps.clear();
    m_bytes = 0;
}

void UndoHistory::account(const Entry &entry, qsizetype sign)
{
    m_bytes += sign * entry.step.removed.size() * qsizetype(sizeof(QChar));
}

void UndoHistory::keepInBudget()
{
    while (m_bytes > Budget && m_steps.size() > 1) {
        account(m_steps.front(), -1);
        m_steps.pop_front();
    }
}
