#include "editor/completiontrigger.h"

#include "editor/candidatetable.h"

namespace editor {

bool CompletionTrigger::dotAfterBlank(QStringView text, qsizetype caret)
{
    if (caret < 2 || caret > text.size() || text[caret - 1] != u'.')
        return false;
    const QChar before = text[caret - 2];
    return before == u' ' || before == u'　' || before == u'\n' || before == u'\t';
}

CompletionTrigger::Offer CompletionTrigger::choose(QStringView text, qsizetype caret, bool inScript,
                                                   bool withObject, bool noTagCompletion)
{
    const bool afterDot = nearestDelimiter(text, caret) == u".";
    if (afterDot || withObject) {
        if (inScript)
            return Offer::Members;
        return afterDot ? Offer::CssValues : Offer::Nothing;
    }
    return noTagCompletion ? Offer::Nothing : Offer::Candidates;
}

std::optional<std::pair<qsizetype, qsizetype>>
CompletionTrigger::unknownMember(QStringView text, qsizetype caret, const QString &typed)
{
    if (typed.isEmpty() || QStringView(u");{,(").contains(typed.back()))
        return std::nullopt;
    const qsizetype dot =
        text.first(std::clamp<qsizetype>(caret, 0, text.size())).lastIndexOf(u'.');
    if (dot < 0)
        return std::nullopt;
    return std::pair<qsizetype, qsizetype>(dot + 1, typed.size());
}

} // namespace editor
