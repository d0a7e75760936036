#include "editor/candidatelist.h"

#include "controls/strings.h"
#include "editor/candidatetable.h"

namespace editor {

qsizetype findWordStart(QStringView text, qsizetype p)
{
    for (qsizetype i = std::min(p, text.size() + 1) - 2; i >= 0; --i)
        if (isWordDelimiter(text.at(i), 14))
            return i + 1;
    return 0;
}

namespace {
QString caseOutsideQuotes(QStringView s, bool upper)
{
    QString out;
    out.reserve(s.size());
    bool inside = false;
    for (QChar c : s) {
        if (c == u'"' || c == u'\'')
            inside = !inside;
        out += inside ? c : upper ? c.toUpper() : c.toLower();
    }
    out.replace(u'\'', u'"');
    return out;
}
} // namespace

QString upperOutsideQuotes(QStringView s)
{
    return caseOutsideQuotes(s, true);
}

QString lowerOutsideQuotes(QStringView s)
{
    return caseOutsideQuotes(s, false);
}

bool isInScriptBlock(QStringView text, qsizetype caret)
{
    const QStringView before = text.first(std::clamp<qsizetype>(caret, 0, text.size()));
    qsizetype open = before.lastIndexOf(u"<script type=\"text/javascript\">", Qt::CaseInsensitive);
    if (open < 0)
        open = before.lastIndexOf(u"<script language=javaScript", Qt::CaseInsensitive);
    const qsizetype close = before.lastIndexOf(u"</script>", Qt::CaseInsensitive);
    return open >= 0 && open >= close;
}

std::optional<QStringList> cssValues(const QString &cssRefText, const QString &property)
{
    const qsizetype marker = cssRefText.indexOf(u'<' + property + u'>');
    if (marker < 0)
        return std::nullopt;
    const QString valuesMark = QStringLiteral(u"<バリュー>");
    const qsizetype values = cssRefText.indexOf(valuesMark, marker);
    if (values < 0)
        return std::nullopt;
    const qsizetype explanation = cssRefText.indexOf(QStringLiteral(u"<説明>"), values);
    // A property without values of its own has its explanation first: the values found further
    // on belong to the next property.
    const qsizetype ownExplanation = cssRefText.indexOf(QStringLiteral(u"<説明>"), marker);
    if (explanation < 0 || ownExplanation < values)
        return QStringList();
    const qsizetype from = values + valuesMark.size();
    QStringList out;
    const QStringList lines =
        cssRefText.mid(from, explanation - from).split(QStringLiteral(u"\r\n"));
    for (const QString &line : lines) {
        if (strings::trim(line).isEmpty())
            continue;
        const qsizetype dashes = line.indexOf(QStringLiteral(u"--"));
        out.append(dashes < 0 ? line : line.left(dashes));
    }
    return out;
}

CandidateHelp candidateHelp(const QString &cssRefText, const QString &candidate)
{
    // An empty text holds nothing, not even the empty candidate.
    const qsizetype at = cssRefText.isEmpty() ? -1 : cssRefText.indexOf(candidate);
    if (at < 0)
        return {CandidateHelp::Hide, {}};
    const qsizetype lineEnd = cssRefText.indexOf(QStringLiteral(u"\r\n"), at);
    if (lineEnd < 0)
        return {CandidateHelp::Keep, {}};
    QString line = cssRefText.mid(at, lineEnd - at);
    if (!line.isEmpty()) {
        const qsizetype dashes = line.lastIndexOf(QStringLiteral(u"--"));
        if (dashes < 0)
            return {CandidateHelp::Keep, {}};
        line = line.mid(dashes + 2);
    }
    return {CandidateHelp::Show, line};
}

} // namespace editor
