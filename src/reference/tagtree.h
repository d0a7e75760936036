#pragma once

#include <QString>
#include <optional>

class TreeView;

// The tag tree: the tag reference text read as entries ("$" + level digit + text; the very first
// entry has no "$"), the example shown for an entry, the code an entry stands for and how a code
// goes around the source view's selection.
namespace tagtree {

// Clears the tree and adds one node per entry of levels 1 to 4, in text order: categories (level 1)
// as roots, every other entry under the last entry one level up. A node's key is its parent's key
// followed by its own line ("$" and level digit included), a category's key its own line; its text
// is the entry text; its picture "obj1" for categories and entries with children, else "leaf".
// Examples (level 5) are no nodes. With `upperCaseTags`, an entry whose text begins with "<" is
// upper-cased whole, key and text.
void build(const QString &tagRefText, bool upperCaseTags, TreeView &tree);

// The example shown for a node's text: the example entry that follows the node's entry (found in
// the text without regard to letter case) before the next entry of the same level, without its
// trailing CR LF; empty for categories and for entries no example follows.
QString exampleFor(const QString &tagRefText, const QString &nodeText);

// The code part of an entry text, untrimmed: the text before its separator ("---", else " - --",
// else "--"), or the whole text when it has none. A special character's entry, "name -> &ref;",
// gives its (first) character reference alone.
QString codePart(const QString &entryText);

// How a code goes into the source view: with a selection, the code's start tag (up to its second
// "<") and the rest around the selected text, or nothing (empty) when the code holds no second "<";
// without a selection, the code itself.
std::optional<QString> insertion(const QString &code, const QString &selectedText,
                                 bool hasSelection);

} // namespace tagtree
