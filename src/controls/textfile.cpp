#include "controls/textfile.h"

#include "controls/cp932.h"

#include <QFile>
#include <QSaveFile>

std::optional<QString> readTextFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
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
    // Two vectorised searches (this runs on sources of tens of millions of characters): every LF
    // must follow a CR, and every CR must precede an LF.
    const QStringView view(text);
    for (qsizetype at = view.indexOf(u'\n'); at >= 0; at = view.indexOf(u'\n', at + 1))
        if (at == 0 || view[at - 1] != u'\r')
            return false;
    for (qsizetype at = view.indexOf(u'\r'); at >= 0; at = view.indexOf(u'\r', at + 1))
        if (at + 1 >= view.size() || view[at + 1] != u'\n')
            return false;
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
