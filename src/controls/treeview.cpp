#include "controls/treeview.h"

#include "controls/imagelist.h"
#include "controls/userinput.h"

#include <QStringList>
#include <algorithm>

TreeNode::TreeNode(TreeView &tree, TreeNode *parent, int index, QString key, QString text)
    : m_tree(tree), m_parent(parent), m_index(index), m_key(std::move(key)), m_text(std::move(text))
{}

void TreeNode::changed()
{
    m_tree.nodeChanged(*this);
}

void TreeNode::setText(const QString &text)
{
    if (m_text == text)
        return;
    m_text = text;
    changed();
}

bool TreeNode::setImage(const QString &key)
{
    if (!m_tree.imageAllowed(key))
        return false;
    if (m_image != key) {
        m_image = key;
        changed();
    }
    return true;
}

bool TreeNode::setExpandedImage(const QString &key)
{
    if (!m_tree.imageAllowed(key))
        return false;
    if (m_expandedImage != key) {
        m_expandedImage = key;
        changed();
    }
    return true;
}

const QString &TreeNode::shownImage() const
{
    return m_expanded && !m_expandedImage.isEmpty() ? m_expandedImage : m_image;
}

void TreeNode::setExpanded(bool expanded)
{
    if (m_expanded == expanded)
        return;
    m_expanded = expanded;
    changed();
}

bool TreeNode::selected() const
{
    return m_tree.selectedItem() == this;
}

void TreeNode::setSelected(bool selected)
{
    if (selected)
        m_tree.setSelectedItem(this);
    else if (this->selected())
        m_tree.setSelectedItem(nullptr);
}

QString TreeNode::fullPath() const
{
    QStringList texts;
    for (const TreeNode *node = this; node; node = node->m_parent)
        texts.prepend(node->m_text);
    return texts.join(m_tree.pathSeparator());
}

TreeView::TreeView(Container *container, QString name, int index)
    : Control(container, std::move(name), index)
{}

TreeView::~TreeView() = default;

bool TreeView::imageAllowed(const QString &key) const
{
    return key.isEmpty() || (m_imageList && m_imageList->contains(key));
}

bool TreeView::ownsNode(const TreeNode *node) const
{
    return node && &node->m_tree == this && node->m_index >= 1 && node->m_index <= count() &&
           m_nodes[node->m_index - 1].get() == node;
}

TreeNode *TreeView::add(TreeNode *relative, int relationship, const QString &key,
                        const QString &text, const QString &image)
{
    if (relative && (relationship != tvw::Child || !ownsNode(relative)))
        return nullptr;
    const QString folded = key.toCaseFolded();
    if (!key.isEmpty() && m_byKey.contains(folded))
        return nullptr;
    if (!imageAllowed(image))
        return nullptr;
    auto node = std::unique_ptr<TreeNode>(new TreeNode(*this, relative, count() + 1, key, text));
    node->m_image = image;
    TreeNode *added = node.get();
    m_nodes.push_back(std::move(node));
    if (relative)
        relative->m_children.push_back(added);
    if (!key.isEmpty())
        m_byKey.insert(folded, added);
    m_lastChange = {ChangeKind::Added, added};
    notify(Property::List);
    return added;
}

void TreeView::clear()
{
    if (m_nodes.empty())
        return;
    m_selected = nullptr;
    m_byKey.clear();
    m_nodes.clear();
    m_lastChange = {ChangeKind::Cleared, nullptr};
    notify(Property::List);
}

TreeNode *TreeView::node(int index) const
{
    if (index < 1 || index > count())
        return nullptr;
    return m_nodes[index - 1].get();
}

TreeNode *TreeView::node(const QString &key) const
{
    if (key.isEmpty())
        return nullptr;
    return m_byKey.value(key.toCaseFolded(), nullptr);
}

std::vector<TreeNode *> TreeView::roots() const
{
    std::vector<TreeNode *> out;
    for (const auto &node : m_nodes)
        if (!node->m_parent)
            out.push_back(node.get());
    return out;
}

void TreeView::setSelectedItem(TreeNode *node)
{
    if (node && !ownsNode(node))
        return;
    if (m_selected == node)
        return;
    m_selected = node;
    notify(Property::Selection);
}

void TreeView::expandNodes(const QString &image, const QString &expandedImage, bool expanded)
{
    setVisible(false);
    for (const std::unique_ptr<TreeNode> &node : m_nodes) {
        if (node->image() != image)
            continue;
        node->setExpanded(expanded);
        node->setExpandedImage(expandedImage);
    }
    setVisible(true);
}

void TreeView::nodeChanged(TreeNode &node)
{
    m_lastChange = {ChangeKind::NodeChanged, &node};
    notify(Property::Value);
}

bool TreeView::holds(const TreeNode *node) const
{
    // Compared by address only: a node cleared away meanwhile must not be read.
    return std::any_of(m_nodes.begin(), m_nodes.end(),
                       [node](const std::unique_ptr<TreeNode> &n) { return n.get() == node; });
}

void TreeView::userClicked(TreeNode *node)
{
    userinput::deliver(*this, [=, this] {
        if (!effectivelyEnabled() || (node && !holds(node)))
            return;
        if (node)
            setSelectedItem(node);
        if (onClick)
            onClick();
    });
}

void TreeView::userDoubleClicked(TreeNode *node)
{
    userinput::deliver(*this, [=, this] {
        if (!effectivelyEnabled() || (node && !holds(node)))
            return;
        if (node)
            setSelectedItem(node);
        if (onDblClick)
            onDblClick();
    });
}

void TreeView::userSelected(TreeNode *node)
{
    userinput::deliver(*this, [=, this] {
        if (effectivelyEnabled() && node && holds(node))
            setSelectedItem(node);
    });
}

void TreeView::userExpanded(TreeNode *node, bool expanded)
{
    userinput::deliver(*this, [=, this] {
        if (effectivelyEnabled() && holds(node) && !node->m_children.empty())
            node->setExpanded(expanded);
    });
}
