#pragma once

#include <QString>
#include <QStringView>

// A file the program writes again and again with what is mostly the same text (the preview and
// its settings copy), and what it last wrote there, so that the same bytes are not encoded and
// written again while the file still holds them.
//
// The file counts as still holding them only when it is read back and found to be as long as they
// were and to hash alike (a keyed 64-bit hash, its key drawn anew each run), so that a file
// deleted, replaced, truncated or edited meanwhile, by the user or by any program, is written anew,
// whatever its dates say. Reading a file back costs a small part of encoding and writing it.
class WrittenFile
{
public:
    enum class Result { Written, Unmappable, Failed };

    // True when `path` is where the last write went, `key` is the key it was made for, and the
    // file still holds the bytes that write wrote.
    bool holds(const QString &path, quint64 key) const;

    // Replaces the file at `path` (never leaving it half written) with `text` followed by CR LF,
    // in CP932, encoded and written a piece at a time, and remembers it for `key`, which must
    // stand for the text: the same key, the same text. With `refuseUnmappable`, a character the
    // code page cannot hold leaves the file as it was and gives Unmappable; otherwise it is
    // written as "?". A failed write leaves nothing remembered.
    Result write(const QString &path, quint64 key, QStringView text, bool refuseUnmappable);

    // Nothing is remembered any more.
    void forget();

private:
    QString m_path;
    quint64 m_key = 0;
    qint64 m_size = -1;
    std::size_t m_hash = 0;
};
