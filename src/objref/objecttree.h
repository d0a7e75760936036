#pragma once

#include <QString>

class TreeNode;
class TreeView;

// The object tree: the script object model as objects, their property, method and event category
// nodes and the member leaves read from the member-list text, and what a click on a node shows.
//
// Keys: an object node is keyed by the object's name; a category node by the object key followed by
// "propaty", "method" or "events"; a member leaf by the category key followed by the trimmed item
// of the member-list text, level code included (for example "windowpropatyclosedA1").
namespace objecttree {

// Clears the tree and builds it whole: the fixed skeleton of 38 objects and their 86 category
// nodes, the member leaves of every category, and the window.open features under the node
// "openoption" (text "option"), which hangs below the open method leaf with its quoted arguments.
void build(const QString &objTreeText, TreeView &tree);

// Adds the member leaves of one category node (or of "openoption") from the object's section of the
// member-list text: events to an "events" node, methods to a "method" node, the other items to a
// "propaty" or "option" node. A leaf's text is the item without its level code (and an event's
// "*"); its picture is the level code. Items whose level code the image list lacks, and items whose
// key the tree holds already, are left out. The form object's members stand in its "forms" section.
void AddObjectMembers(const QString &objTreeText, const QString &categoryKey, TreeView &tree);

// The dotted access path of a node: its path from the root with the category texts dropped, the
// parts joined by "." and "window." removed ("document.title", "Date.getDate()").
QString accessPath(const TreeNode &node);

// The explanation of a member leaf's key, from the member's line in its object's section of the
// description text: "name:description", then "使用例:" and the usage example (the third and fourth
// fields, with their comma, of a four-field line) on lines of their own. A line of five fields is
// two member lines run together, of which the first member's fields are shown; a longer line shows
// nothing. A line that begins with the member's name is preferred to a match inside a longer
// name. Empty for any other key or when nothing is found.
QString explanation(const QString &key, const QString &objRefText, const QString &objRefTextLower);

} // namespace objecttree
