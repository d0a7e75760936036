#pragma once

#include <QString>
#include <vector>

// Large buffers backed by huge pages where the system offers them. Filling a fresh buffer costs a
// page fault per page touched, and on some machines (virtual ones above all) a fault costs tens of
// microseconds: a 40 MB text would spend a quarter of a second in faults. Huge pages cut that by
// the number of small pages they hold. Buffers below a few megabytes are left alone.
namespace hugepages {

// Advises the system that [data, data + bytes) is about to be filled; harmless on any memory and a
// no-op where huge pages are not offered.
void advise(const void *data, std::size_t bytes);

// `text` emptied and given room for `size` characters, advised before any is written.
inline void reserve(QString &text, qsizetype size)
{
    text.clear();
    text.reserve(size);
    advise(text.constData(), std::size_t(text.capacity()) * sizeof(QChar));
}

// A text of `size` characters whose contents are to be written, advised before any is. `room`
// more characters are reserved behind it, for a text that will be edited: the first insertion
// then finds room instead of moving the whole text.
inline QString uninitialized(qsizetype size, qsizetype room = 0)
{
    QString text;
    reserve(text, size + room);
    text.resize(size);
    return text;
}

// The room a large text to be edited is given: a sixteenth of it.
inline qsizetype editingRoom(qsizetype size)
{
    return size / 16;
}

template <typename T>
void reserve(std::vector<T> &items, std::size_t size)
{
    items.reserve(size);
    advise(items.data(), items.capacity() * sizeof(T));
}

} // namespace hugepages
