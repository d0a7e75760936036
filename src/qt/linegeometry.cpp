#include "qt/linegeometry.h"

#include <QChar>
#include <QString>

#include <algorithm>
#include <cmath>

namespace {
qint64 toFixed(qreal pixels)
{
    return qint64(std::llround(pixels * 64));
}

bool pairAt(QStringView text, qsizetype i)
{
    return i + 1 < text.size() && QChar::isHighSurrogate(text[i].unicode()) &&
           QChar::isLowSurrogate(text[i + 1].unicode());
}
} // namespace

CharAdvances::CharAdvances(const QFont &font, qreal tabDistance)
    : m_metrics(font), m_tab(std::max<qint64>(1, toFixed(tabDistance > 0 ? tabDistance : 80))),
      m_basic(0x10000, -1)
{}

qint64 CharAdvances::measure(QStringView glyph) const
{
    return toFixed(m_metrics.horizontalAdvance(glyph.toString()));
}

qint64 CharAdvances::at(QStringView text, qsizetype i) const
{
    const char16_t c = text[i].unicode();
    if (!QChar::isSurrogate(c)) {
        qint32 &known = m_basic[c];
        if (known < 0)
            known = qint32(toFixed(m_metrics.horizontalAdvance(QChar(c))));
        return known;
    }
    if (pairAt(text, i)) {
        const char32_t code = QChar::surrogateToUcs4(c, text[i + 1].unicode());
        auto [it, added] = m_other.try_emplace(code, 0);
        if (added)
            it->second = measure(text.sliced(i, 2));
        return it->second;
    }
    if (i > 0 && pairAt(text, i - 1))
        return 0;
    // A surrogate on its own is drawn as a glyph of its own.
    auto [it, added] = m_other.try_emplace(char32_t(c) | 0x80000000u, 0);
    if (added)
        it->second = measure(text.sliced(i, 1));
    return it->second;
}

LineGeometry::Chunk LineGeometry::measure(QStringView text, const CharAdvances &advances)
{
    Chunk chunk;
    chunk.length = text.size();
    qint64 x = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\t') {
            x += advances.at(text, i);
        } else if (!chunk.tab) {
            chunk.tab = true;
            chunk.head = x;
            x = 0; // tab stops lie at multiples of one distance: the rest is counted from one
        } else {
            x = advances.tabStop(x);
        }
    }
    (chunk.tab ? chunk.tail : chunk.head) = x;
    return chunk;
}

void LineGeometry::measureInto(std::vector<Chunk> &out, qsizetype from, qsizetype length,
                               const Reader &read, const CharAdvances &advances) const
{
    const qsizetype end = from + length;
    while (from < end) {
        qsizetype to = std::min(end, from + ChunkSize);
        // A surrogate pair stays in one chunk, so that its advance is counted once.
        QStringView text = read(from, std::min(end, to + 1));
        if (to < end && pairAt(text, to - 1 - from))
            ++to;
        out.push_back(measure(text.first(to - from), advances));
        from = to;
    }
}

void LineGeometry::reset(qsizetype length, const Reader &read, const CharAdvances &advances)
{
    m_chunks.clear();
    m_length = length;
    measureInto(m_chunks, 0, length, read, advances);
}

void LineGeometry::replace(qsizetype column, qsizetype removed, qsizetype inserted,
                           const Reader &read, const CharAdvances &advances)
{
    // The chunks the removed columns touched, with the one before an edit at a chunk's start
    // (a surrogate pair may have been made across it), are measured again as they now stand.
    std::size_t first = 0;
    qsizetype start = 0;
    while (first + 1 < m_chunks.size() && start + m_chunks[first].length < column) {
        start += m_chunks[first].length;
        ++first;
    }
    if (first > 0 && start == column) {
        --first;
        start -= m_chunks[first].length;
    }
    std::size_t last = first;
    qsizetype end = start + (m_chunks.empty() ? 0 : m_chunks[first].length);
    while (last + 1 < m_chunks.size() && end <= column + removed) {
        ++last;
        end += m_chunks[last].length;
    }
    const qsizetype newEnd = end + inserted - removed;
    std::vector<Chunk> measured;
    measureInto(measured, start, newEnd - start, read, advances);
    const auto from = m_chunks.begin() + qsizetype(first);
    const auto to = m_chunks.empty() ? m_chunks.end() : m_chunks.begin() + qsizetype(last) + 1;
    m_chunks.erase(from, to);
    m_chunks.insert(m_chunks.begin() + qsizetype(first), measured.begin(), measured.end());
    m_length += inserted - removed;
}

LineGeometry::Found LineGeometry::chunkAt(qsizetype column, const CharAdvances &advances) const
{
    Found found{0, 0, 0};
    while (found.chunk + 1 < m_chunks.size() &&
           found.start + m_chunks[found.chunk].length <= column) {
        found.x = m_chunks[found.chunk].after(found.x, advances);
        found.start += m_chunks[found.chunk].length;
        ++found.chunk;
    }
    return found;
}

qint64 LineGeometry::xAt(qsizetype column, const Reader &read, const CharAdvances &advances) const
{
    column = std::clamp<qsizetype>(column, 0, m_length);
    if (m_chunks.empty())
        return 0;
    const Found found = chunkAt(column, advances);
    const QStringView text = read(found.start, found.start + m_chunks[found.chunk].length);
    qint64 x = found.x;
    qsizetype i = 0;
    for (; i < column - found.start; ++i)
        x = text[i] == u'\t' ? advances.tabStop(x) : x + advances.at(text, i);
    // Inside a pair: the caret stands after it.
    if (i > 0 && i < text.size() && pairAt(text, i - 1))
        x += advances.at(text, i);
    return x;
}

qsizetype LineGeometry::columnAt(qint64 x, const Reader &read, const CharAdvances &advances) const
{
    if (m_chunks.empty() || x <= 0)
        return 0;
    Found found{0, 0, 0};
    while (found.chunk + 1 < m_chunks.size()) {
        const qint64 next = m_chunks[found.chunk].after(found.x, advances);
        if (next > x)
            break;
        found.x = next;
        found.start += m_chunks[found.chunk].length;
        ++found.chunk;
    }
    const QStringView text = read(found.start, found.start + m_chunks[found.chunk].length);
    qint64 at = found.x;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qint64 next = text[i] == u'\t' ? advances.tabStop(at) : at + advances.at(text, i);
        if (next > x)
            return found.start + i;
        at = next;
    }
    return found.start + text.size();
}

qint64 LineGeometry::width(const CharAdvances &advances) const
{
    qint64 x = 0;
    for (const Chunk &chunk : m_chunks)
        x = chunk.after(x, advances);
    return x;
}
