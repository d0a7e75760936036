#include "reference/csstree.h"

#include "controls/strings.h"
#include "controls/treeview.h"

namespace csstree {

namespace {

const QString kCrLf = QStringLiteral(u"\r\n");
const QString kValueMarker = QStringLiteral(u"<バリュー>");
const QString kDescriptionMarker = QStringLiteral(u"<説明>");
const QString kExampleMarker = QStringLiteral(u"<例>");

// Value lines are padded with blanks of either width; a piece of nothing else is no value (the
// ideographic spaces before the z-index block's description marker).
bool isBlank(const QString &piece)
{
    for (QChar c : piece)
        if (c != u' ' && c != QChar(0x3000))
            return false;
    return true;
}

QString headerText(QString header)
{
    header.remove(u'<');
    header.remove(u'$');
    header.remove(u'>');
    return header;
}

void addValues(const QString &group, int from, TreeNode &property, TreeView &tree)
{
    const int valueStart = strings::inStr(from, group, kValueMarker);
    if (valueStart == 0)
        return;
    const int valueEnd = strings::inStr(valueStart, group, kDescriptionMarker);
    if (valueEnd == 0)
        return;
    const int start = valueStart + int(kValueMarker.size());
    for (const QString &piece : strings::split(strings::mid(group, start, valueEnd - start), kCrLf))
        if (!isBlank(piece))
            tree.add(&property, tvw::Child, QString(), piece, QStringLiteral(u"value"));
}

} // namespace

void build(const QString &cssRefText, TreeView &tree)
{
    tree.clear();
    int position = 0;
    for (;;) {
        const int start = strings::inStr(position + 1, cssRefText, QStringLiteral(u"<$"));
        if (start == 0)
            return;
        const int end = strings::inStr(start, cssRefText, QStringLiteral(u">"));
        if (end == 0)
            return;
        const QString header = strings::mid(cssRefText, start, end - start + 1);
        if (header == u"<$END>")
            return;
        tree.add(nullptr, 0, header, headerText(header), QStringLiteral(u"obj1"));
        addGroup(cssRefText, header, tree);
        position = start;
    }
}

void addGroup(const QString &cssRefText, const QString &groupKey, TreeView &tree)
{
    TreeNode *groupNode = tree.node(groupKey);
    const int groupStart = strings::inStr(cssRefText, groupKey);
    if (!groupNode || groupStart == 0)
        return;
    const int groupEnd = strings::inStr(groupStart + 1, cssRefText, QStringLiteral(u"<$"));
    const QString group = groupEnd == 0
                              ? strings::mid(cssRefText, groupStart)
                              : strings::mid(cssRefText, groupStart, groupEnd - groupStart);
    // The scan starts past the group's own header, so every "<" found has a character before it.
    int scan = 1;
    for (;;) {
        scan = strings::inStr(scan + 1, group, QStringLiteral(u"<"));
        if (scan == 0)
            return;
        const int close = strings::inStr(scan, group, QStringLiteral(u">"));
        if (close == 0)
            return;
        const QString tag = strings::mid(group, scan, close - scan + 1);
        if (strings::mid(group, scan - 1, 1) != u"\n" || tag == kExampleMarker ||
            tag == kValueMarker || tag == kDescriptionMarker)
            continue;
        const QString name = tag.mid(1, tag.size() - 2);
        TreeNode *property = tree.add(groupNode, tvw::Child, groupKey + u'+' + name, name,
                                      QStringLiteral(u"propaty1"));
        if (property)
            addValues(group, close, *property, tree);
    }
}

PropertyDescription describeProperty(const QString &cssRefText, const QString &groupKey,
                                     const QString &name)
{
    PropertyDescription result;
    const int header = strings::inStr(cssRefText, groupKey);
    if (groupKey.isEmpty() || header == 0)
        return result;
    result.groupFound = true;
    const int line = strings::inStr(header + 1, cssRefText, u'<' + name + u'>');
    if (line == 0)
        return result;
    const int start = strings::inStr(line, cssRefText, kDescriptionMarker);
    if (start == 0)
        return result;
    int end = start;
    for (;;) {
        end = strings::inStr(end + 1, cssRefText, QStringLiteral(u"<"));
        if (end == 0) {
            end = int(cssRefText.size()) + 1;
            break;
        }
        const QString two = strings::mid(cssRefText, end, 2);
        if (strings::mid(cssRefText, end - 1, 1) == u"\n" && two != u"<説" && two != u"<例")
            break;
    }
    result.text = strings::mid(cssRefText, start, end - start);
    return result;
}

QString valueOf(const QString &valueLine)
{
    const int dashes = strings::inStr(valueLine, QStringLiteral(u"--"));
    return dashes == 0 ? valueLine : valueLine.left(dashes - 1);
}

} // namespace csstree
