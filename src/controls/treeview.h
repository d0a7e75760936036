#pragma once

#include "controls/control.h"

#include <QHash>
#include <functional>
#include <memory>
#include <vector>

class ImageList;
class TreeView;

// Relationships of a new node to its relative node.
namespace tvw {
constexpr int Child = 4;
} // namespace tvw

// A node of a tree view. Nodes belong to their tree: they are made by TreeView::add and live until
// the tree is cleared or destroyed.
//
// Setting a property from code runs no event of the tree. A picture key must name a picture of the
// tree's image list (or be empty for none); another key is refused and the node keeps its picture.
class TreeNode
{
public:
    const QString &key() const { return m_key; }
    const QString &text() const { return m_text; }
    void setText(const QString &text);
    const QString &image() const { return m_image; }
    bool setImage(const QString &key);
    const QString &expandedImage() const { return m_expandedImage; }
    bool setExpandedImage(const QString &key);
    // The picture shown: the expanded picture while the node is expanded and has one, else Image.
    const QString &shownImage() const;
    bool expanded() const { return m_expanded; }
    void setExpanded(bool expanded);
    bool selected() const;
    // Selecting a node makes it the tree's selected node; unselecting the selected node leaves the
    // tree without one.
    void setSelected(bool selected);

    TreeNode *parent() const { return m_parent; }
    const std::vector<TreeNode *> &children() const { return m_children; }
    // 1-based position in the tree's node list, which is the order of adding.
    int index() const { return m_index; }
    // The texts from the root down to this node, joined by the tree's path separator.
    QString fullPath() const;
    TreeView &treeView() const { return m_tree; }

private:
    friend class TreeView;
    TreeNode(TreeView &tree, TreeNode *parent, int index, QString key, QString text);
    void changed();

    TreeView &m_tree;
    TreeNode *m_parent;
    int m_index;
    QString m_key;
    QString m_text;
    QString m_image;
    QString m_expandedImage;
    bool m_expanded = false;
    std::vector<TreeNode *> m_children;
};

// A tree view: nodes added under relatives, each with a key (unique within the tree, compared
// without regard to letter case; empty keys are allowed any number of times), a text and pictures
// from an image list, and one selected node at most.
//
// Events: `onClick` runs for every click of the user in the tree, also one beside any node, after
// the clicked node (if any) has become the selected node; `onDblClick` likewise for a double click.
// Selecting, expanding or changing nodes from code runs nothing.
class TreeView : public Control
{
public:
    TreeView(Container *container, QString name, int index = -1);
    ~TreeView() override;

    ImageList *imageList() const { return m_imageList; }
    void setImageList(ImageList *list) { m_imageList = list; }
    const QString &pathSeparator() const { return m_pathSeparator; }

    // Adds a node: a root after the last root when `relative` is null, otherwise with the
    // relationship tvw::Child the last child of `relative`. Refused (returns nullptr, the tree
    // unchanged) when the key is already taken, the picture key is not in the image list,
    // `relative` belongs to another tree or the relationship is not Child.
    TreeNode *add(TreeNode *relative, int relationship, const QString &key, const QString &text,
                  const QString &image = QString());
    // Removes every node; no node is selected afterwards.
    void clear();
    int count() const { return int(m_nodes.size()); }
    // The node at a 1-based position of the node list; nullptr outside 1..count.
    TreeNode *node(int index) const;
    // The node with that key (letter case ignored), or nullptr.
    TreeNode *node(const QString &key) const;
    std::vector<TreeNode *> roots() const;

    TreeNode *selectedItem() const { return m_selected; }
    // Code's selection: runs nothing. Null clears the selection.
    void setSelectedItem(TreeNode *node);
    // Opens (or closes) every node whose picture is `image` and gives each `expandedImage` as its
    // picture while open. The tree is hidden meanwhile, so that a view redraws it once. Runs
    // nothing.
    void expandNodes(const QString &image, const QString &expandedImage, bool expanded);

    // What the last change did, for a view that mirrors the tree piecewise: a node was added, a
    // node's text, pictures or expansion changed, or the whole tree went (node null).
    enum class ChangeKind { Cleared, Added, NodeChanged };
    struct Change
    {
        ChangeKind kind = ChangeKind::Cleared;
        TreeNode *node = nullptr;
    };
    const Change &lastChange() const { return m_lastChange; }

    // What a person did. A click or double click names the node under the pointer, or null beside
    // every node; keyboard moves select without a click; the expander opens or closes a node.
    void userClicked(TreeNode *node);
    void userDoubleClicked(TreeNode *node);
    void userSelected(TreeNode *node);
    void userExpanded(TreeNode *node, bool expanded);

    std::function<void()> onClick;
    std::function<void()> onDblClick;

private:
    friend class TreeNode;
    bool ownsNode(const TreeNode *node) const;
    bool holds(const TreeNode *node) const;
    bool imageAllowed(const QString &key) const;
    void nodeChanged(TreeNode &node);

    ImageList *m_imageList = nullptr;
    QString m_pathSeparator = QStringLiteral(u"\\");
    std::vector<std::unique_ptr<TreeNode>> m_nodes;
    QHash<QString, TreeNode *> m_byKey;
    TreeNode *m_selected = nullptr;
    Change m_lastChange;
};
