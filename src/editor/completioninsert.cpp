#include "editor/completioninsert.h"

namespace editor {

qsizetype caretAfterInsertion(QStringView text, qsizetype start, qsizetype inserted,
                              qsizetype candidate, bool closingAppended, bool beginsWithTag,
                              InsertPath path)
{
    const qsizetype end = start + inserted;
    if (path == InsertPath::ListEnter && start == 0)
        return end;
    const bool tagRule = path == InsertPath::SourceKey ? closingAppended : beginsWithTag;
    if (tagRule)
        return start + candidate;
    // Only the inserted text decides: a quote or ")" just before it (a value typed after `="`)
    // would put the caret in front of the word that went in.
    const QStringView added = text.mid(start, inserted);
    const qsizetype quote = added.indexOf(u'"');
    if (quote >= 0)
        return start + quote + 1;
    const qsizetype paren = added.lastIndexOf(u')');
    return paren < 0 ? end : start + paren;
}

std::optional<QString> autoIndentBreak(QStringView text, qsizetype caret)
{
    const qsizetype lineStart =
        text.first(std::clamp<qsizetype>(caret, 0, text.size())).lastIndexOf(u"\r\n");
    if (lineStart < 0)
        return std::nullopt;
    const qsizetype tabs = text.mid(lineStart, caret - lineStart).count(u'\t');
    if (tabs == 0)
        return std::nullopt;
    return QStringLiteral(u"\r\n") + QString(tabs, u'\t');
}

QString indentBlock(const QString &selected)
{
    QString s = u'\t' + selected;
    s.replace(QStringLiteral(u"\r\n"), QStringLiteral(u"\r\n\t"));
    // Only the TAB put after a final line break goes again: a TAB the block itself ended with
    // stays.
    if (selected.endsWith(QStringLiteral(u"\r\n")))
        s.chop(1);
    return s;
}

QString unindentBlock(const QString &selected)
{
    QString s = selected;
    if (s.startsWith(u'\t'))
        s.remove(0, 1);
    s.replace(QStringLiteral(u"\r\n\t"), QStringLiteral(u"\r\n"));
    return s;
}

} // namespace editor
