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
    // Both searches look from 1-based position `start` (the character before the insertion)
    // to the inserted text's end; only what lies there decides.
    const qsizetype from = std::max<qsizetype>(start - 1, 0);
    const QStringView stretch = text.mid(from, std::clamp<qsizetype>(end - from, 0, text.size()));
    const qsizetype quote = stretch.indexOf(u'"');
    if (quote >= 0)
        return from + quote + 1;
    const qsizetype paren = stretch.lastIndexOf(u')');
    return paren < 0 ? end : from + paren;
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
