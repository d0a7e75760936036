#include "frame/writtenfile.h"

#include "controls/cp932.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>

namespace {

// The bytes are hashed in blocks of this size, so that a file read back in blocks hashes as the
// bytes did when they were written, however they were cut for encoding.
constexpr qsizetype Block = qsizetype(1) << 20;
// Characters encoded at a time: the encoded bytes of a large text are never held whole.
constexpr qsizetype Piece = qsizetype(1) << 16;

// The bytes written to a device in whole blocks, and their hash.
class BlockWriter
{
public:
    explicit BlockWriter(QIODevice &device) : m_device(device) { m_block.reserve(Block); }

    void write(QByteArrayView bytes)
    {
        while (!bytes.isEmpty()) {
            const qsizetype take = std::min(bytes.size(), Block - m_block.size());
            m_block.append(bytes.first(take));
            bytes = bytes.sliced(take);
            if (m_block.size() == Block)
                flush();
        }
    }
    // Writes what is left; false when any write fell short.
    bool finish()
    {
        flush();
        return m_ok;
    }
    qint64 size() const { return m_size; }
    std::size_t hash() const { return m_hash; }

private:
    void flush()
    {
        if (m_block.isEmpty())
            return;
        m_hash = qHashBits(m_block.constData(), std::size_t(m_block.size()), m_hash);
        m_ok = m_ok && m_device.write(m_block) == m_block.size();
        m_size += m_block.size();
        m_block.clear();
    }

    QIODevice &m_device;
    QByteArray m_block;
    qint64 m_size = 0;
    std::size_t m_hash = QHashSeed::globalSeed();
    bool m_ok = true;
};

// Where a piece of text that starts at `from` ends: `Piece` characters on, but never between the
// two halves of a surrogate pair, which encode as one character.
qsizetype pieceEnd(QStringView text, qsizetype from)
{
    qsizetype end = std::min(text.size(), from + Piece);
    if (end < text.size() && end > from + 1 && QChar::isHighSurrogate(text[end - 1].unicode()))
        --end;
    return end;
}

} // namespace

bool WrittenFile::holds(const QString &path, quint64 key) const
{
    if (m_size < 0 || path != m_path || key != m_key)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.isSequential() || file.size() != m_size)
        return false;
    QByteArray block(Block, Qt::Uninitialized);
    std::size_t hash = QHashSeed::globalSeed();
    qint64 total = 0;
    for (;;) {
        // A block is filled whole before it is hashed, as it was when it was written.
        qint64 got = 0;
        while (got < Block) {
            const qint64 n = file.read(block.data() + got, Block - got);
            if (n < 0)
                return false;
            if (n == 0)
                break;
            got += n;
        }
        if (got == 0)
            break;
        hash = qHashBits(block.constData(), std::size_t(got), hash);
        total += got;
        if (got < Block)
            break;
    }
    return total == m_size && hash == m_hash;
}

WrittenFile::Result WrittenFile::write(const QString &path, quint64 key, QStringView text,
                                       bool refuseUnmappable)
{
    forget();
    QSaveFile file(path);
    // Never fall back to writing over the file in place: that is what could leave it truncated.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return Result::Failed;
    BlockWriter out(file);
    for (qsizetype from = 0; from < text.size();) {
        const qsizetype end = pieceEnd(text, from);
        const cp932::Encoded encoded = cp932::encode(text.sliced(from, end - from));
        if (refuseUnmappable && !encoded.unmappable.isEmpty()) {
            file.cancelWriting();
            return Result::Unmappable;
        }
        out.write(encoded.bytes);
        from = end;
    }
    out.write("\r\n");
    if (!out.finish() || !file.commit())
        return Result::Failed;
    m_path = path;
    m_key = key;
    m_size = out.size();
    m_hash = out.hash();
    return Result::Written;
}

void WrittenFile::forget()
{
    m_path.clear();
    m_key = 0;
    m_size = -1;
    m_hash = 0;
}
