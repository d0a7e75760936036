#include "controls/textfile.h"

#include "controls/cp932.h"
#include "controls/hugepages.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

std::optional<QString> readTextFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Read whole into a buffer of the file's size (a large one backed by huge pages); a file
    // that is not a regular one is read as it comes.
    QByteArray bytes;
    const qint64 size = file.size();
    if (size > 0 && !file.isSequential()) {
        bytes.resize(size);
        hugepages::advise(bytes.constData(), std::size_t(size));
        const qint64 got = file.read(bytes.data(), size);
        if (got < 0)
            return std::nullopt;
        bytes.truncate(got);
        bytes += file.readAll(); // grown since it was measured
    } else {
        bytes = file.readAll();
    }
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return cp932::decode(bytes);
}

bool writeTextFile(const QString &path, const QString &text, QString *unmappable)
{
    const cp932::Encoded encoded = cp932::encode(text);
    if (unmappable)
        *unmappable = encoded.unmappable;
    QSaveFile file(path);
    // Never fall back to writing over the file in place: that is what could leave it truncated.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(encoded.bytes) != encoded.bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

namespace {
bool isCrLfOnly(const QString &text)
{
    // This runs on every write of a text box, on sources of tens of millions of characters: blocks
    // without any CR or LF (nearly all of them) are passed over in a loop the compiler vectorises.
    const auto *p = reinterpret_cast<const char16_t *>(text.constData());
    const qsizetype n = text.size();
    constexpr qsizetype Block = 32;
    qsizetype i = 0;
    while (i < n) {
        if (i + Block <= n) {
            bool lineEnd = false;
            for (qsizetype k = 0; k < Block; ++k)
                lineEnd |= (p[i + k] == u'\r') | (p[i + k] == u'\n');
            if (!lineEnd) {
                i += Block;
                continue;
            }
        }
        const qsizetype end = std::min(n, i + Block);
        for (; i < end; ++i) {
            if (p[i] == u'\r') {
                if (i + 1 >= n || p[i + 1] != u'\n')
                    return false;
                ++i; // the LF of this pair
            } else if (p[i] == u'\n') {
                return false;
            }
        }
    }
    return true;
}
} // namespace

QString toCrLf(const QString &text)
{
    // Most texts already are CR LF throughout: hand them back shared, without a copy.
    if (isCrLfOnly(text))
        return text;
    QString out;
    out.reserve(text.size() + text.size() / 8);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            out += u"\r\n";
            if (i + 1 < n && text[i + 1] == u'\n')
                ++i;
        } else if (c == u'\n') {
            out += u"\r\n";
        } else {
            out += c;
        }
    }
    return out;
}
