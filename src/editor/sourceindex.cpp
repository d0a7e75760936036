#include "editor/sourceindex.h"

#include "editor/asciimasks.h"

#include "controls/parallel.h"

#include <algorithm>

namespace editor {

namespace {

// Whether a character may stand for "s" in a pattern matched without regard to case: beyond ASCII,
// matchesAt() leaves the answer to the full case folding.
inline char16_t maybeS(char16_t c)
{
    return is(foldAscii(c), u's') | char16_t(-char16_t(c >= 0x80));
}

// Whether an occurrence of one of the patterns (see the constructor) may begin at p[i], judged by
// the characters up to p[i + 2] (which must exist): "<s" of the script tags, "</s" of the closing
// tag, "v", "w" and "}". Without branches, so that a loop over a block of places vectorises.
inline char16_t mayBegin(const char16_t *p, qsizetype i)
{
    const char16_t c = p[i];
    const char16_t script =
        is(c, u'<') & (maybeS(p[i + 1]) | (is(p[i + 1], u'/') & maybeS(p[i + 2])));
    return script | is(c, u'v') | is(c, u'w') | is(c, u'}');
}

} // namespace

PatternIndex::PatternIndex(QString pattern, Qt::CaseSensitivity cs)
    : m_pattern(std::move(pattern)), m_cs(cs)
{}

void PatternIndex::scan(QStringView text, qsizetype from, qsizetype to,
                        std::vector<qsizetype> &out) const
{
    // Occurrences that start in [from, to).
    from = std::max<qsizetype>(from, 0);
    const QStringView window = text.first(std::min(text.size(), to + m_pattern.size() - 1));
    for (qsizetype at = window.indexOf(m_pattern, from, m_cs); at >= 0 && at < to;
         at = window.indexOf(m_pattern, at + 1, m_cs))
        out.push_back(at);
}

bool PatternIndex::matchesAt(QStringView text, qsizetype at) const
{
    if (at + m_pattern.size() > text.size())
        return false;
    const char16_t *t = text.utf16() + at;
    const auto *p = reinterpret_cast<const char16_t *>(m_pattern.constData());
    auto lower = [](char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c; };
    for (qsizetype k = 0; k < m_pattern.size(); ++k) {
        if (t[k] >= 0x80) // the full comparison decides (case folding beyond ASCII)
            return text.sliced(at, m_pattern.size()).compare(m_pattern, m_cs) == 0;
        if (m_cs == Qt::CaseSensitive ? t[k] != p[k] : lower(t[k]) != lower(p[k]))
            return false;
    }
    return true;
}

void PatternIndex::reset(QStringView text)
{
    m_positions.clear();
    scan(text, 0, text.size(), m_positions);
    m_notes.assign(m_positions.size(), QString());
}

void PatternIndex::update(QStringView text, qsizetype start, qsizetype removed, qsizetype inserted)
{
    const qsizetype length = m_pattern.size();
    // Untouched: occurrences ending at or before the edit, and those starting after it.
    const auto keepBefore =
        std::upper_bound(m_positions.begin(), m_positions.end(), start - length);
    const auto keepAfter = std::lower_bound(keepBefore, m_positions.end(), start + removed);
    const qsizetype delta = inserted - removed;
    // New occurrences start between the last untouched one before and the first one after.
    std::vector<qsizetype> found;
    scan(text, start - length + 1, start + inserted, found);
    const auto first = std::size_t(keepBefore - m_positions.begin());
    const auto last = std::size_t(keepAfter - m_positions.begin());
    for (std::size_t i = last; i < m_positions.size(); ++i)
        m_positions[i] += delta;
    m_positions.erase(m_positions.begin() + first, m_positions.begin() + last);
    m_positions.insert(m_positions.begin() + first, found.begin(), found.end());
    m_notes.erase(m_notes.begin() + first, m_notes.begin() + last);
    m_notes.insert(m_notes.begin() + first, found.size(), QString());
}

qsizetype PatternIndex::lastWithin(qsizetype limit) const
{
    const auto it =
        std::upper_bound(m_positions.begin(), m_positions.end(), limit - m_pattern.size());
    return it == m_positions.begin() ? -1 : *std::prev(it);
}

qsizetype PatternIndex::firstFrom(qsizetype from) const
{
    const auto it = std::lower_bound(m_positions.begin(), m_positions.end(), from);
    return it == m_positions.end() ? -1 : *it;
}

qsizetype PatternIndex::find(qsizetype position) const
{
    const auto it = std::lower_bound(m_positions.begin(), m_positions.end(), position);
    return it != m_positions.end() && *it == position ? it - m_positions.begin() : -1;
}

SourceIndex::SourceIndex()
    : scriptOpen(QStringLiteral(u"<script type=\"text/javascript\">"), Qt::CaseInsensitive),
      scriptLanguage(QStringLiteral(u"<script language=javaScript"), Qt::CaseInsensitive),
      scriptClose(QStringLiteral(u"</script>"), Qt::CaseInsensitive),
      var(QStringLiteral(u"var"), Qt::CaseSensitive),
      with(QStringLiteral(u"with"), Qt::CaseSensitive),
      closeBrace(QStringLiteral(u"}"), Qt::CaseSensitive)
{
    // reset() looks closely only where mayBegin() says a pattern may begin.
    for (PatternIndex *index : all()) {
        const QString padded = index->m_pattern + QStringLiteral(u"  ");
        Q_ASSERT(mayBegin(reinterpret_cast<const char16_t *>(padded.constData()), 0));
        Q_ASSERT(index->m_pattern.size() <= reach());
    }
}

std::vector<PatternIndex *> SourceIndex::all()
{
    return {&scriptOpen, &scriptLanguage, &scriptClose, &var, &with, &closeBrace};
}

void SourceIndex::reset(QStringView text)
{
    // One pass over the whole text for all the patterns (a rewrite of the source indexes tens of
    // millions of characters): blocks where no pattern can begin are passed over in a loop the
    // compiler vectorises, and only the places that may begin one are looked at closely. A long
    // text is scanned in slices on several threads, each finding the places in its slice (a
    // pattern may reach beyond it) into lists of its own, which are then joined in turn.
    const std::vector<PatternIndex *> indexes = all();
    const char16_t *p = text.utf16();
    const qsizetype n = text.size();
    using Found = std::vector<std::vector<qsizetype>>; // one list per pattern
    auto scanSlice = [&](qsizetype from, qsizetype to, Found &found) {
        auto lookAt = [&](qsizetype i) {
            for (std::size_t k = 0; k < indexes.size(); ++k) {
                const PatternIndex *index = indexes[k];
                if (index->m_pattern.front() == p[i] || foldAscii(p[i]) == index->m_pattern.front())
                    if (index->matchesAt(text, i))
                        found[k].push_back(i);
            }
        };
        constexpr qsizetype Block = 32;
        qsizetype i = from;
        for (; i + Block <= to && i + Block + 2 <= n; i += Block) {
            char16_t any = 0;
            for (qsizetype k = 0; k < Block; ++k)
                any |= mayBegin(p, i + k);
            if (!any)
                continue;
            for (qsizetype k = 0; k < Block; ++k)
                if (mayBegin(p, i + k))
                    lookAt(i + k);
        }
        for (; i < to; ++i)
            lookAt(i);
    };
    const int workers = parallel::workersFor(n, parallel::TextPerWorker);
    std::vector<Found> found(static_cast<std::size_t>(workers));
    parallel::slices(n, workers, [&](int w, long long from, long long to) {
        Found own(indexes.size());
        scanSlice(from, to, own);
        found[std::size_t(w)] = std::move(own);
    });
    for (std::size_t k = 0; k < indexes.size(); ++k) {
        std::vector<qsizetype> &positions = indexes[k]->m_positions;
        positions.clear();
        for (const Found &slice : found)
            positions.insert(positions.end(), slice[k].begin(), slice[k].end());
        indexes[k]->m_notes.assign(positions.size(), QString());
    }
    m_length = text.size();
}

void SourceIndex::sync(QStringView text, qsizetype start, qsizetype removed, qsizetype inserted,
                       bool whole)
{
    if (canFollow(start, removed, inserted, text.size(), whole))
        follow(text, start, removed, inserted, text.size());
    else
        reset(text);
}

bool SourceIndex::canFollow(qsizetype start, qsizetype removed, qsizetype inserted,
                            qsizetype size, bool whole) const
{
    return !whole && start >= 0 && start + removed <= m_length &&
           m_length - removed + inserted == size;
}

qsizetype SourceIndex::reach()
{
    // The longest pattern: an occurrence found anew ends at most this far behind the change.
    return 32;
}

void SourceIndex::follow(QStringView text, qsizetype start, qsizetype removed, qsizetype inserted,
                         qsizetype size)
{
    Q_ASSERT(text.size() >= std::min(size, start + inserted + reach() - 1));
    for (PatternIndex *index : all())
        index->update(text, start, removed, inserted);
    m_length = size;
}

bool SourceIndex::inScriptBlock(qsizetype caret) const
{
    qsizetype open = scriptOpen.lastWithin(caret);
    if (open < 0)
        open = scriptLanguage.lastWithin(caret);
    return open >= 0 && open >= scriptClose.lastWithin(caret);
}

} // namespace editor
