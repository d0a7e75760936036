#include "editor/memberlist.h"

#include "controls/strings.h"

namespace editor {

namespace {
// The text from the first "<name>" up to the first "</name>", or empty when either is missing.
std::optional<QString> section(const QString &text, const QString &name)
{
    const qsizetype start = text.indexOf(u'<' + name + u'>');
    const qsizetype end = text.indexOf(QStringLiteral(u"</") + name + u'>');
    // A closing marker before the opening one leaves no section either.
    if (start < 0 || end < start)
        return std::nullopt;
    return text.mid(start, end - start);
}
} // namespace

std::optional<std::vector<MemberItem>> objectMembers(const QString &objTreeText,
                                                     const QString &type, const QString &prefix)
{
    std::optional<QString> text = section(objTreeText, type);
    if (!text)
        return std::nullopt;
    *text += u';' + section(objTreeText, QStringLiteral(u"common")).value_or(QString());
    text->remove(u' ');
    std::vector<MemberItem> out;
    const QStringList items = text->split(u';');
    for (const QString &item : items) {
        if (item.isEmpty() || item.startsWith(u'<') || !item.startsWith(prefix))
            continue;
        QString name = strings::trim(item.chopped(std::min<qsizetype>(2, item.size())));
        QString icon = QStringLiteral(u"Pro");
        if (name.startsWith(u'*')) {
            name.remove(0, 1);
            icon = QStringLiteral(u"Even");
        } else if (name.endsWith(u')')) {
            icon = QStringLiteral(u"Meth");
        }
        out.push_back({name, icon});
    }
    return out;
}

std::optional<QString> memberHelp(const QString &objRefText, const QString &member)
{
    const QString name = strings::trim(member).remove(QStringLiteral(u"()"));
    const qsizetype at = objRefText.indexOf(QStringLiteral(u"\r\n") + name + u',');
    if (at < 0)
        return std::nullopt;
    const qsizetype from = at + 2;
    const qsizetype lineEnd = objRefText.indexOf(QStringLiteral(u"\r\n"), from);
    const QStringList fields = objRefText.mid(from, lineEnd < 0 ? -1 : lineEnd - from).split(u',');
    if (fields.size() < 2 || strings::trim(fields[1]).isEmpty())
        return std::nullopt;
    return fields[1];
}

} // namespace editor
