#pragma once

#include "controls/hugepages.h"

#include <QString>
#include <QStringView>

#include <algorithm>

namespace editor {

// A text built by appending, written through a pointer into a buffer sized ahead: a pass that
// rewrites a source of tens of millions of characters appends millions of short pieces, and an
// append through QString costs a call and a capacity check each time. The buffer grows (keeping
// what was written) when a piece does not fit.
class TextWriter
{
public:
    explicit TextWriter(qsizetype estimate)
        : m_text(hugepages::uninitialized(std::max<qsizetype>(estimate, 16)))
    {
        m_data = reinterpret_cast<char16_t *>(m_text.data());
    }

    qsizetype size() const { return m_size; }
    const char16_t *data() const { return m_data; }
    QStringView view() const { return QStringView(m_data, m_size); }

    // Where the next `n` units go; write them, then call advance(n).
    char16_t *room(qsizetype n)
    {
        if (m_size + n > m_text.size())
            grow(m_size + n);
        return m_data + m_size;
    }
    void advance(qsizetype n) { m_size += n; }

    void append(const char16_t *from, qsizetype n)
    {
        std::copy_n(from, n, room(n));
        m_size += n;
    }
    void append(QStringView piece) { append(piece.utf16(), piece.size()); }
    void append(char16_t c)
    {
        *room(1) = c;
        ++m_size;
    }
    void appendRepeated(char16_t c, qsizetype n)
    {
        std::fill_n(room(n), n, c);
        m_size += n;
    }

    // Drops all but the first `n` units.
    void truncate(qsizetype n) { m_size = std::min(n, m_size); }
    // Drops the first `n` units, moving the rest to the front.
    void removeFront(qsizetype n)
    {
        std::copy(m_data + n, m_data + m_size, m_data);
        m_size -= n;
    }

    // The text written, with room behind it for `room` more units.
    QString take(qsizetype room = 0)
    {
        m_text.resize(m_size);
        if (m_text.capacity() - m_size < room)
            m_text.reserve(m_size + room);
        m_size = 0;
        m_data = nullptr;
        return std::move(m_text);
    }

private:
    void grow(qsizetype needed)
    {
        m_text.resize(std::max(needed, m_text.size() * 2));
        m_data = reinterpret_cast<char16_t *>(m_text.data());
        hugepages::advise(m_data, std::size_t(m_text.capacity()) * sizeof(char16_t));
    }

    QString m_text;
    char16_t *m_data = nullptr;
    qsizetype m_size = 0;
};

} // namespace editor
