#include "reference/tagtree.h"

#include "controls/strings.h"
#include "controls/treeview.h"

#include <QRegularExpression>
#include <array>

namespace tagtree {

void build(const QString &tagRefText, bool upperCaseTags, TreeView &tree)
{
    tree.clear();
    // The last node and key of each level, for the entries of the next level down.
    std::array<TreeNode *, 7> lastNode{};
    std::array<QString, 7> lastKey{};
    for (QString line : strings::split(tagRefText, QStringLiteral(u"\r\n$"))) {
        line = u'$' + line;
        line.remove(QStringLiteral(u"\r\n"));
        if (upperCaseTags && strings::mid(line, 3, 1) == u"<")
            line = line.toUpper();
        const int level = int(strings::Val(strings::mid(line, 2, 1)));
        const QString text = strings::mid(line, 3);
        if (level == 1) {
            lastNode[1] = tree.add(nullptr, 0, line, text, QStringLiteral(u"obj1"));
            lastKey[1] = line;
        } else if (level >= 2 && level <= 4) {
            TreeNode *parent = lastNode[level - 1];
            if (!parent)
                continue;
            const QString key = lastKey[level - 1] + line;
            lastNode[level] = tree.add(parent, tvw::Child, key, text, QStringLiteral(u"leaf"));
            lastKey[level] = key;
            parent->setImage(QStringLiteral(u"obj1"));
        }
    }
}

QString exampleFor(const QString &tagRefText, const QString &nodeText)
{
    const int p = int(tagRefText.indexOf(nodeText, 0, Qt::CaseInsensitive)) + 1;
    if (p == 0)
        return QString();
    const QString marker = p > 2 ? strings::mid(tagRefText, p - 2, 2) : QString();
    if (marker == u"$1")
        return QString();
    const int nextOfLevel = marker.isEmpty() ? p : strings::inStr(p, tagRefText, marker);
    const int example = strings::inStr(p, tagRefText, QStringLiteral(u"$5"));
    if (example == 0 || nextOfLevel <= example)
        return QString();
    const int next = strings::inStr(example + 2, tagRefText, QStringLiteral(u"$"));
    // The example's CR LF stands before the next entry; the text's last line has none.
    if (next == 0)
        return strings::mid(tagRefText, example + 2);
    return strings::mid(tagRefText, example + 2, next - example - 4);
}

QString codePart(const QString &entryText)
{
    // A special character's entry ("ampersand & -> &amp; ") stands for its character reference.
    static const QRegularExpression reference(QStringLiteral(u"->[^&]*(&#?[A-Za-z0-9]+;)"));
    if (!entryText.startsWith(u'<')) {
        const QRegularExpressionMatch match = reference.match(entryText);
        if (match.hasMatch())
            return match.captured(1);
    }
    for (const char16_t *separator : {u"---", u" - --", u"--"}) {
        const qsizetype at = entryText.indexOf(QStringView(separator));
        if (at >= 0)
            return entryText.left(at);
    }
    return entryText;
}

std::optional<QString> insertion(const QString &code, const QString &selectedText,
                                 bool hasSelection)
{
    if (!hasSelection)
        return code;
    const int second = strings::inStr(2, code, QStringLiteral(u"<"));
    if (second == 0)
        return std::nullopt;
    return code.left(second - 1) + selectedText + code.mid(second - 1);
}

} // namespace tagtree
