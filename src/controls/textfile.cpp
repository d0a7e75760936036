#include "controls/textfile.h"

#include "controls/cp932.h"
#include "controls/hugepages.h"
#include "controls/textdetect.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>

namespace {

const QByteArrayView Utf8Mark("\xEF\xBB\xBF");

// The bytes as UTF-8, or nothing when they are not valid UTF-8 throughout (a sequence cut off at
// the end included).
std::optional<QString> strictUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

QString decodeTextFile(QByteArrayView bytes, TextOrigin origin)
{
    if (bytes.startsWith(Utf8Mark))
        return QString::fromUtf8(bytes.sliced(Utf8Mark.size()));
    if (origin == TextOrigin::Chosen && textdetect::isUtf8(bytes)) {
        if (std::optional<QString> text = strictUtf8(bytes))
            return std::move(*text);
    }
    return cp932::decode(bytes);
}

std::optional<QString> readTextFile(const QString &path, TextOrigin origin)
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
    return decodeTextFile(bytes, origin);
}

bool writeTextFile(const QString &path, const QString &text, QString *unmappable)
{
    const cp932::Encoded encoded = cp932::encode(text);
    if (unmappable)
        *unmappable = encoded.unmappable;
    return writeFileBytes(path, encoded.bytes);
}

bool writeFileBytes(const QString &path, QByteArrayView bytes)
{
    QSaveFile file(path);
    // Never fall back to writing over the file in place: that is what could leave it truncated.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

namespace {
bool isCrLfOnly(const QString &text)
{
    // This runs on every write of a text box, on sources of tens of millions of characters with a
    // line end every few characters. Every CR is followed by an LF and every LF follows a CR
    // exactly when, at each place, "a CR stands here" equals "an LF stands next": a test without
    // branches, which the compiler vectorises over blocks of places.
    const auto *p = reinterpret_cast<const char16_t *>(text.constData());
    const qsizetype n = text.size();
    if (n == 0)
        return true;
    if (p[0] == u'\n' || p[n - 1] == u'\r')
        return false;
    // All ones where c is v: masks of the character's width, which vectorise where bools do not.
    auto is = [](char16_t c, char16_t v) { return char16_t(-char16_t(c == v)); };
    constexpr qsizetype Block = 64;
    qsizetype i = 0;
    for (; i + Block < n; i += Block) {
        char16_t unpaired = 0;
        for (qsizetype k = 0; k < Block; ++k)
            unpaired |= is(p[i + k], u'\r') ^ is(p[i + k + 1], u'\n');
        if (unpaired)
            return false;
    }
    for (; i + 1 < n; ++i) {
        if ((p[i] == u'\r') != (p[i + 1] == u'\n'))
            return false;
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
