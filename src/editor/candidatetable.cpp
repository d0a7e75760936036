#include "editor/candidatetable.h"

#include "controls/strings.h"
#include "editor/candidatelist.h"

#include <QSet>

namespace editor {

QString escapeKouho(QString &s)
{
    s.replace(u'<', QStringLiteral(u"&&"));
    s.replace(u'>', QStringLiteral(u"%%"));
    s.replace(u';', QStringLiteral(u"$$"));
    s.replace(u'"', u'\'');
    return s;
}

QStringList candidateFileLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text.at(i) != u'\r')
            continue;
        lines.append(text.mid(start, i - start));
        if (i + 1 < n && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

namespace {
bool hasKindSuffix(const QString &entry)
{
    if (entry.size() < 2 || entry.at(entry.size() - 2) != u'A')
        return false;
    const QChar last = entry.back();
    return last == u'A' || (last >= u'0' && last <= u'5');
}
} // namespace

void CandidateTable::build(const QString &objTreeText, const QStringList &fileLines,
                           const QString &reservedWords)
{
    QString t = objTreeText;
    for (QString line : fileLines)
        t += u';' + escapeKouho(line);

    // Names between "<" and ">" become entries of their own, marked with "AA".
    QString u;
    u.reserve(t.size() + t.size() / 8);
    for (QChar c : std::as_const(t)) {
        if (c == u'<')
            u += u';';
        else if (c == u'>')
            u += QStringLiteral(u"AA;");
        else
            u += c;
    }
    u = strings::trim(u);
    if (u.startsWith(u';'))
        u.remove(0, 1);
    if (u.endsWith(u';'))
        u.chop(1);
    u += u';' + reservedWords;

    QStringList list = u.split(u';');
    for (QString &entry : list) {
        const QString trimmed = strings::trim(entry);
        if (trimmed.isEmpty())
            continue;
        entry = trimmed;
        if (hasKindSuffix(entry))
            entry.chop(2);
        entry.replace(QStringLiteral(u"&&"), QStringLiteral(u"<"));
        entry.replace(QStringLiteral(u"%%"), QStringLiteral(u">"));
        entry.replace(QStringLiteral(u"$$"), QStringLiteral(u";"));
    }
    m_entries = list;
    const qsizetype at = m_entries.indexOf(QStringLiteral(u"<A>"));
    m_markupStart = at < 0 ? m_entries.size() : at;
}

QStringList CandidateTable::candidates(const QString &word, bool inScript, int caseMode) const
{
    QStringList out;
    QSet<QString> listed;
    const qsizetype n = word.size();
    const qsizetype from = inScript ? 0 : m_markupStart;
    const qsizetype to = inScript ? m_markupStart : m_entries.size();
    for (qsizetype i = from; i < to; ++i) {
        QString e = m_entries.at(i);
        if (QStringView(e).left(n).compare(word, Qt::CaseInsensitive) != 0)
            continue;
        if (!inScript && caseMode == 1)
            e = upperOutsideQuotes(e);
        else if (!inScript && caseMode == 2)
            e = lowerOutsideQuotes(e);
        if (e.startsWith(u'*'))
            e.remove(0, 1);
        if (QStringView(e).left(n).compare(word, Qt::CaseSensitive) > 0)
            break;
        if (listed.contains(e) || strings::trim(e).isEmpty())
            continue;
        listed.insert(e);
        out.append(e);
    }
    return out;
}

QString CandidateTable::closingTagFor(const QString &candidate) const
{
    if (!candidate.startsWith(u'<'))
        return QString();
    const QString closing = QStringLiteral(u"</") + candidate.mid(1);
    return m_entries.contains(closing) ? closing : QString();
}

const QStringList &wordDelimiters()
{
    static const QStringList delimiters = {
        QStringLiteral(u" "),  QStringLiteral(u","),  QStringLiteral(u"."), QStringLiteral(u";"),
        QStringLiteral(u"\n"), QStringLiteral(u"\""), QStringLiteral(u"'"), QStringLiteral(u"("),
        QStringLiteral(u"　"), QStringLiteral(u"\t"), QStringLiteral(u"{"), QStringLiteral(u"="),
        QStringLiteral(u">"),  QStringLiteral(u":"),  QStringLiteral(u")"), QStringLiteral(u"}")};
    return delimiters;
}

bool isWordDelimiter(QChar c, int count)
{
    static const char16_t order[] = u" ,.;\n\"'(　\t{=>:)}";
    for (int i = 0; i < count && i < 16; ++i)
        if (c.unicode() == order[i])
            return true;
    return false;
}

QString nearestDelimiter(QStringView text, qsizetype caret)
{
    // The nearest occurrence of any delimiter is the one a search per delimiter would rank first.
    for (qsizetype i = std::min(caret, text.size()) - 1; i >= 0; --i)
        if (isWordDelimiter(text.at(i)))
            return text.at(i);
    return QString();
}

} // namespace editor
