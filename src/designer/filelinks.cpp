#include "designer/filelinks.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace filelinks {

namespace {

// `text` with every code point for which `encode` holds written as "%XX" per UTF-8 byte.
template <typename Encode> QString percentEncoded(const QString &text, Encode encode)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                ? 2
                : 1;
        const QStringView c = QStringView(text).sliced(i, length);
        i += length - 1;
        if (!encode(c)) {
            out += c;
            continue;
        }
        static const char16_t hex[] = u"0123456789ABCDEF";
        for (const char byte : c.toUtf8()) {
            out += u'%';
            out += hex[uchar(byte) >> 4];
            out += hex[uchar(byte) & 15];
        }
    }
    return out;
}

} // namespace

QString pageLink(const QString &link, const QString &delimiter)
{
    static const QString special = QStringLiteral(u"%\"'<>&#?[]\\");
    return percentEncoded(link, [&delimiter](QStringView c) {
        if (delimiter.contains(c))
            return true;
        const char16_t u = c.at(0).unicode();
        return c.size() == 1 && (u < 0x20 || u == 0x7F || special.contains(c.at(0)));
    });
}

QString textFileMarker(const QString &path, const QString &delimiter)
{
    const bool plain = !path.contains(u'[') && !path.contains(u']') && !path.contains(u'\r') &&
                       !path.contains(u'\n') && (delimiter.isEmpty() || !path.contains(delimiter));
    if (plain)
        return QStringLiteral(u"[%") + path + u']';
    static const QString special = QStringLiteral(u"%[]\r\n");
    return QStringLiteral(u"[%%") +
           percentEncoded(path,
                          [&delimiter](QStringView c) {
                              return (c.size() == 1 && special.contains(c.at(0))) ||
                                     delimiter.contains(c);
                          }) +
           u']';
}

QString markerFile(QStringView marker)
{
    // A marker has always named the file its text names: typed by hand, "[%%41.txt]" is the file
    // "%41.txt". Only where that names nothing, and the text decodes to a full path (what the file
    // dialog gives), is it the encoded form textFileMarker writes.
    const QString literal = marker.toString();
    if (!marker.startsWith(u'%') || QFileInfo::exists(literal))
        return literal;
    const QString decoded = QUrl::fromPercentEncoding(marker.sliced(1).toUtf8());
    return QDir::isAbsolutePath(decoded) ? decoded : literal;
}

} // namespace filelinks
