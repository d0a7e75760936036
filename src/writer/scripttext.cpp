#include "writer/scripttext.h"

#include "controls/strings.h"
#include "writer/attributetext.h"

#include <algorithm>

namespace scripttext {

QString escaped(const QString &text)
{
    // Most texts hold nothing to escape: they are given back as they are, without a copy.
    if (std::none_of(text.cbegin(), text.cend(),
                     [](QChar c) { return c == u'\\' || c == u'\'' || c == u'<'; }))
        return text;
    QString out = text;
    out.replace(u'\\', QStringLiteral(u"\\\\"));
    out.replace(u'\'', QStringLiteral(u"\\'"));
    for (qsizetype at = out.indexOf(u"</script", 0, Qt::CaseInsensitive); at >= 0;
         at = out.indexOf(u"</script", at + 3, Qt::CaseInsensitive))
        out.insert(at + 1, u'\\');
    return out;
}

QString brokenCellText(const QString &raw)
{
    const QString &crLf = attributetext::crLf();
    // A cell shorter than a piece, with no line end, is one piece: most cells of a table.
    if (raw.size() < 40 && !raw.contains(crLf))
        return escaped(raw);
    const QString text = strings::replace(raw, crLf, QString());
    static const QString continuation = u'\'' + crLf + QString(10, u' ') + QStringLiteral(u"+ '");
    QString out;
    qsizetype copied = 0;
    const qsizetype n = text.size();
    for (qsizetype k = 40; k <= n; k += 40) {
        const qsizetype from = k - 1; // 1-based position k
        const QChar pairs[3][2] = {{u' ', u'>'}, {u'、', u','}, {u'　', u'。'}};
        qsizetype at = -1;
        for (const auto &pair : pairs) {
            const qsizetype a = text.indexOf(pair[0], from);
            const qsizetype b = text.indexOf(pair[1], from);
            if (a < 0 && b < 0)
                continue;
            at = b >= 0 && (a < 0 || b < a) ? b : a;
            break;
        }
        if (at < 0)
            continue;
        out += escaped(text.mid(copied, at + 1 - copied));
        out += continuation;
        copied = at + 1;
        k = ((at + 1) / 40) * 40; // the walk goes on after the break
    }
    out += escaped(text.mid(copied));
    return out;
}

} // namespace scripttext
