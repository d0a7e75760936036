#pragma once

#include <QString>
#include <optional>

class TreeView;

// The CSS tree: the CSS reference text read as groups ("<$name>" header lines), their property
// lines ("<name>") and the value lines of each property's block, and the cuts the CSS tree window
// shows on a click. The text's lines end with CR LF.
namespace csstree {

// Clears the tree and adds, for every group header before "<$END>", a root keyed by the header
// (text: the header without "<", "$" and ">", picture "obj1") and the group's properties and
// values (see addGroup).
void build(const QString &cssRefText, TreeView &tree);

// Adds the property and value nodes of the group keyed `groupKey` (its header line) under that
// group's node. A property line is a "<name>" that begins a line and is not a section marker; its
// node is keyed groupKey + "+" + name (text: the name, picture "propaty1"). Its value nodes are the
// non-blank lines of the first value section after it within the group (no key, the line as
// written, picture "value"), so all properties of one block get the block's values. Nothing is
// added when the group's node or header is missing.
void addGroup(const QString &cssRefText, const QString &groupKey, TreeView &tree);

// What a click on a property shows: the text from its block's "<説明>" marker up to the next line
// that starts with "<" and is not a section marker of the block (the next property, group header or
// "<$END>"), CR LF included. `groupFound` is false when the header is not in the text; the
// description is empty when the property line or its marker is missing.
struct PropertyDescription
{
    bool groupFound = false;
    std::optional<QString> text;
};
PropertyDescription describeProperty(const QString &cssRefText, const QString &groupKey,
                                     const QString &name);

// The value of a value line: the text before its first "--", or the whole line without one.
QString valueOf(const QString &valueLine);

} // namespace csstree
