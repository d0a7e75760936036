#include "objref/objecttree.h"

#include "controls/strings.h"
#include "controls/treeview.h"

#include <QStringList>

namespace objecttree {

namespace {

// One step of the skeleton: an object node under `parent` (a root when empty) with the category
// nodes of `categories` ("P", "M", "E"); with no object, only categories for `parent`.
struct Step
{
    const char16_t *parent;
    const char16_t *object;
    const char16_t *categories;
};

// In the order of creation.
constexpr Step kSkeleton[] = {
    {u"", u"window", u""},
    {u"", u"screen", u"P"},
    {u"", u"navigator", u"PM"},
    {u"navigator", u"plugins", u""},
    {u"navigator", u"mineTypes", u""},
    {u"plugins", nullptr, u"PM"},
    {u"mineTypes", nullptr, u"P"},
    {u"", u"event", u"P"},
    {u"window", nullptr, u"PME"},
    {u"window", u"frame", u"PM"},
    {u"window", u"document", u"PME"},
    {u"window", u"location", u"PM"},
    {u"window", u"history", u"PM"},
    {u"document", u"layers", u"PME"},
    {u"document", u"links", u"PME"},
    {u"document", u"image", u"PME"},
    {u"document", u"area", u"PME"},
    {u"document", u"anchor", u"P"},
    {u"document", u"embeds", u"P"},
    {u"document", u"Form", u"PME"},
    {u"Form", u"Textarea", u"PME"},
    {u"Form", u"Text", u"PME"},
    {u"Form", u"FileUpload", u"PME"},
    {u"Form", u"password", u"PME"},
    {u"Form", u"Hidden", u"P"},
    {u"Form", u"Submit", u"PME"},
    {u"Form", u"Reset", u"PME"},
    {u"Form", u"Radio", u"PME"},
    {u"Form", u"checkbox", u"PME"},
    {u"Form", u"button", u"PME"},
    {u"Form", u"select", u"PME"},
    {u"select", u"option", u"P"},
    {u"", u"Date", u"PM"},
    {u"", u"Math", u"PM"},
    {u"", u"string", u"PM"},
    {u"", u"Array", u"PM"},
    {u"", u"function", u"PM"},
    {u"", u"Object", u"PM"},
    {u"", u"Boolean", u"PM"},
    {u"", u"Number", u"PM"},
    {u"", u"RegExp", u"PM"},
};

// The order in which the categories are filled.
constexpr std::pair<const char16_t *, const char16_t *> kMembers[] = {
    {u"window", u"PEM"},   {u"frame", u"PM"},    {u"navigator", u"PM"}, {u"plugins", u"PM"},
    {u"mineTypes", u"P"},  {u"screen", u"P"},    {u"event", u"P"},      {u"document", u"PME"},
    {u"history", u"PM"},   {u"location", u"PM"}, {u"links", u"PEM"},    {u"anchor", u"P"},
    {u"Form", u"PEM"},     {u"button", u"PEM"},  {u"checkbox", u"PEM"}, {u"FileUpload", u"PEM"},
    {u"password", u"PEM"}, {u"Reset", u"PEM"},   {u"Hidden", u"P"},     {u"Radio", u"PEM"},
    {u"select", u"PEM"},   {u"Submit", u"PEM"},  {u"Text", u"PEM"},     {u"Textarea", u"PEM"},
    {u"area", u"PEM"},     {u"image", u"PEM"},   {u"layers", u"PEM"},   {u"embeds", u"P"},
    {u"Date", u"PM"},      {u"Math", u"PM"},     {u"string", u"PM"},    {u"Array", u"PM"},
    {u"function", u"PM"},  {u"Object", u"PM"},   {u"Boolean", u"PM"},   {u"Number", u"PM"},
    {u"RegExp", u"PM"},    {u"option", u"P"},
};

const QString kOpenMethodKey =
    QStringLiteral(u"windowmethodopen(\"URL\",\"ウィンドウ名\",\"属性\")A0");
const QString kCrLf = QStringLiteral(u"\r\n");

QString categoryEnding(QChar category)
{
    return category == u'P'   ? QStringLiteral(u"propaty")
           : category == u'M' ? QStringLiteral(u"method")
                              : QStringLiteral(u"events");
}

QString categoryText(QChar category)
{
    return category == u'P'   ? QStringLiteral(u"プロパティ")
           : category == u'M' ? QStringLiteral(u"メソド")
                              : QStringLiteral(u"イベント");
}

QString categoryImage(QChar category)
{
    return category == u'P'   ? QStringLiteral(u"pro")
           : category == u'M' ? QStringLiteral(u"meth")
                              : QStringLiteral(u"event");
}

void addSkeleton(TreeView &tree)
{
    for (const Step &step : kSkeleton) {
        const QString parentKey = QString::fromUtf16(step.parent);
        TreeNode *parent = parentKey.isEmpty() ? nullptr : tree.node(parentKey);
        TreeNode *object = parent;
        if (step.object) {
            const QString key = QString::fromUtf16(step.object);
            const QString text = key == u"embeds" ? QStringLiteral(u"applet") : key;
            object = tree.add(parent, tvw::Child, key, text, QStringLiteral(u"closed"));
        }
        if (!object)
            continue;
        for (QChar category : QStringView(step.categories))
            tree.add(object, tvw::Child, object->key() + categoryEnding(category),
                     categoryText(category), categoryImage(category));
    }
}

// The section of the member-list text that lists an object's members.
QString sectionName(const QString &object)
{
    return object == u"Form" ? QStringLiteral(u"forms") : object;
}

} // namespace

void build(const QString &objTreeText, TreeView &tree)
{
    tree.clear();
    addSkeleton(tree);
    for (const auto &[object, categories] : kMembers)
        for (QChar category : QStringView(categories))
            AddObjectMembers(objTreeText, QString::fromUtf16(object) + categoryEnding(category),
                             tree);
    if (TreeNode *open = tree.node(kOpenMethodKey)) {
        tree.add(open, tvw::Child, QStringLiteral(u"openoption"), QStringLiteral(u"option"),
                 QStringLiteral(u"closed"));
        AddObjectMembers(objTreeText, QStringLiteral(u"openoption"), tree);
    }
}

void AddObjectMembers(const QString &objTreeText, const QString &categoryKey, TreeView &tree)
{
    TreeNode *category = tree.node(categoryKey);
    if (!category)
        return;
    QString kind;
    for (const char16_t *ending : {u"propaty", u"events", u"method", u"option"})
        if (categoryKey.endsWith(QStringView(ending)))
            kind = QString::fromUtf16(ending);
    if (kind.isEmpty())
        return;
    const QString name = sectionName(categoryKey.chopped(kind.size()));
    const QString open = u'<' + name + u'>';
    const int start = strings::inStr(objTreeText, open);
    const int end = strings::inStr(objTreeText, QStringLiteral(u"</") + name + u'>');
    if (start == 0 || end == 0)
        return;
    const int from = start + int(open.size());
    for (const QString &piece :
         strings::split(strings::mid(objTreeText, from, end - from), QStringLiteral(u";"))) {
        const QString item = strings::trim(piece);
        if (item.isEmpty())
            continue;
        const bool event = item.startsWith(u'*');
        const bool method = strings::mid(item, int(item.size()) - 2, 1) == u")";
        const bool wanted = event    ? kind == u"events"
                            : method ? kind == u"method"
                                     : kind == u"propaty" || kind == u"option";
        if (!wanted)
            continue;
        QString text = item.size() > 2 ? item.chopped(2) : QString();
        if (event)
            text.remove(0, 1);
        tree.add(category, tvw::Child, categoryKey + item, text, item.right(2));
    }
}

QString accessPath(const TreeNode &node)
{
    QString path = node.fullPath();
    for (const char16_t *category : {u"プロパティ", u"イベント", u"メソド"})
        path.remove(QString::fromUtf16(category));
    path.replace(QStringLiteral(u"\\\\"), QStringLiteral(u"."));
    path.replace(u'\\', u'.');
    path.remove(QStringLiteral(u"window."));
    return path;
}

namespace {

// The member's line in a section: at a line start if there is one, else anywhere.
QString memberLine(const QString &section, const QString &member)
{
    qsizetype start = section.indexOf(kCrLf + member + u',');
    if (start >= 0)
        start += kCrLf.size();
    else
        start = section.indexOf(member + u',');
    if (start < 0)
        return QString();
    const qsizetype end = section.indexOf(kCrLf, start);
    return section.mid(start, end < 0 ? -1 : end - start);
}

// The example of the first of two member lines run together, `joined` being that example with
// the second member's name after it. That name is the longest end of `joined` that the second
// member's own example uses (an example names its member); empty when no such end leaves an
// example before it.
QString firstExample(const QString &joined, const QString &secondExample)
{
    for (qsizetype nameLength = joined.size() - 1; nameLength > 0; --nameLength)
        if (secondExample.contains(joined.right(nameLength)))
            return joined.chopped(nameLength);
    return QString();
}

} // namespace

QString explanation(const QString &key, const QString &objRefText, const QString &objRefTextLower)
{
    qsizetype at = -1;
    QString kind;
    for (const char16_t *ending : {u"propaty", u"events", u"method"}) {
        at = key.indexOf(QStringView(ending));
        if (at >= 0 && !key.endsWith(QStringView(ending))) {
            kind = QString::fromUtf16(ending);
            break;
        }
    }
    if (kind.isEmpty())
        return QString();
    QString member = key.mid(at + kind.size());
    member.chop(2);
    if (member.startsWith(u'*'))
        member.remove(0, 1);
    if (member.endsWith(u"()"))
        member.chop(2);
    const QString header = u'<' + strings::trim(key.left(at)).toLower() + u'>';
    const int start = strings::inStr(objRefTextLower, header);
    if (start == 0 || member.isEmpty())
        return QString();
    const int end = strings::inStr(start + 1, objRefTextLower, QStringLiteral(u"<"));
    const QString section =
        end == 0 ? strings::mid(objRefText, start) : strings::mid(objRefText, start, end - start);
    const QString line = memberLine(section, member);
    if (line.isEmpty())
        return QString();
    QStringList fields = strings::split(line, QStringLiteral(u","));
    if (fields.size() == 5) {
        // Two member lines run together: the first one's example runs straight into the second
        // member's name. Only the first member's own fields are shown.
        const QString example = firstExample(fields[2], fields[4]);
        if (example.isEmpty())
            return QString();
        fields = {fields[0], fields[1], example};
    } else if (fields.size() > 5) {
        return QString();
    }
    QString shown = fields.value(0) + u':';
    if (fields.size() >= 2)
        shown += fields[1] + kCrLf;
    if (fields.size() >= 3)
        shown += QStringLiteral(u"使用例:") + kCrLf + fields.mid(2).join(u',') + kCrLf;
    return shown;
}

} // namespace objecttree
