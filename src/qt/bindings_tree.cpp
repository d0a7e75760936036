// The tree view, with the pictures of its image list.

#include "qt/bindings_p.h"

#include "controls/imagelist.h"
#include "controls/treeview.h"
#include "qt/formview.h"
#include "qt/qtconvert.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <unordered_map>
#include <utility>

namespace {

class TreeBinding : public ControlBinding
{
public:
    TreeBinding(FormView &view, TreeView &tree, QWidget *parent)
        : ControlBinding(view, tree, new QTreeWidget(parent)), m_tree(tree)
    {
        QTreeWidget *widget = treeWidget();
        widget->setHeaderHidden(true);
        widget->setColumnCount(1);
        widget->setRootIsDecorated(true);
        widget->setUniformRowHeights(true);
        widget->setSelectionMode(QAbstractItemView::SingleSelection);
        widget->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        widget->header()->setStretchLastSection(false);
        // Clicks are reported from the viewport, so that a click beside every node counts too.
        new EventHook(widget->viewport(), this,
                      [this](QEvent *event) { return mouseEvent(event); });
        // The user selects with the mouse and the keys. The row Qt makes current by itself (the
        // first one, when the tree takes the focus with no row current) is selected by nobody.
        QObject::connect(widget, &QTreeWidget::itemSelectionChanged, this, [this] {
            const QList<QTreeWidgetItem *> selected = treeWidget()->selectedItems();
            if (!selected.isEmpty())
                m_tree.userSelected(nodeOf(selected.constFirst()));
            refresh(Property::Selection);
        });
        QObject::connect(widget, &QTreeWidget::itemExpanded, this,
                         [this](QTreeWidgetItem *item) { userExpanded(item, true); });
        QObject::connect(widget, &QTreeWidget::itemCollapsed, this,
                         [this](QTreeWidgetItem *item) { userExpanded(item, false); });
    }
    void refreshAll() override
    {
        ControlBinding::refreshAll();
        rebuild();
    }

protected:
    QTreeWidget *treeWidget() const { return static_cast<QTreeWidget *>(widget()); }

    void refresh(Property property) override
    {
        QTreeWidget *widget = treeWidget();
        if (!widget)
            return;
        const QSignalBlocker blocker(widget);
        switch (property) {
        case Property::List:
            if (m_tree.lastChange().kind == TreeView::ChangeKind::Added)
                addItem(*m_tree.lastChange().node);
            else
                rebuild();
            break;
        case Property::Value:
            if (TreeNode *node = m_tree.lastChange().node)
                if (auto it = m_items.find(node); it != m_items.end())
                    applyNode(*node, it->second);
            break;
        case Property::Selection:
            applySelection();
            break;
        default:
            ControlBinding::refresh(property);
        }
    }

private:
    TreeNode *nodeOf(QTreeWidgetItem *item) const
    {
        auto it = m_nodes.find(item);
        return it == m_nodes.end() ? nullptr : it->second;
    }

    bool mouseEvent(QEvent *event)
    {
        const bool dbl = event->type() == QEvent::MouseButtonDblClick;
        if (event->type() != QEvent::MouseButtonRelease && !dbl)
            return false;
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        // The release that ends a double click is no click of its own.
        if (!dbl && std::exchange(m_afterDoubleClick, false))
            return false;
        m_afterDoubleClick = dbl;
        const QPoint pos = mouse->position().toPoint();
        QTreeWidgetItem *item = treeWidget()->itemAt(pos);
        // Just left of a node with children lies its expander, which opens and closes the node
        // without a click; anywhere else on its row the press has selected the node.
        if (item && item->childCount() > 0) {
            const int left = treeWidget()->visualItemRect(item).left();
            if (pos.x() < left && pos.x() >= left - treeWidget()->indentation())
                return false;
        }
        TreeNode *node = nodeOf(item);
        if (dbl)
            m_tree.userDoubleClicked(node);
        else
            m_tree.userClicked(node);
        if (treeWidget())
            refresh(Property::Selection);
        // Qt goes on with the event: a double click still opens or closes the node.
        return false;
    }

    void userExpanded(QTreeWidgetItem *item, bool expanded)
    {
        if (TreeNode *node = nodeOf(item))
            m_tree.userExpanded(node, expanded);
        if (auto *widget = treeWidget()) {
            const QSignalBlocker blocker(widget);
            if (TreeNode *node = nodeOf(item))
                applyNode(*node, item);
        }
    }

    QIcon iconOf(const QString &key)
    {
        if (key.isEmpty() || !m_tree.imageList())
            return {};
        if (auto it = m_icons.find(key); it != m_icons.end())
            return it->second;
        const Picture *picture = m_tree.imageList()->picture(key);
        QIcon icon = picture ? QIcon(toQPixmap(*picture)) : QIcon();
        m_icons.emplace(key, icon);
        return icon;
    }

    void applyNode(const TreeNode &node, QTreeWidgetItem *item)
    {
        item->setText(0, node.text());
        item->setIcon(0, iconOf(node.shownImage()));
        if (item->isExpanded() != node.expanded())
            item->setExpanded(node.expanded());
    }

    void addItem(TreeNode &node)
    {
        QTreeWidgetItem *item = nullptr;
        if (node.parent()) {
            auto it = m_items.find(node.parent());
            if (it == m_items.end())
                return;
            item = new QTreeWidgetItem(it->second);
        } else {
            item = new QTreeWidgetItem(treeWidget());
        }
        m_items[&node] = item;
        m_nodes[item] = &node;
        applyNode(node, item);
        // A parent's expansion can only show once it has children.
        if (node.parent())
            applyNode(*node.parent(), m_items[node.parent()]);
    }

    void rebuild()
    {
        QTreeWidget *widget = treeWidget();
        const QSignalBlocker blocker(widget);
        widget->clear();
        m_items.clear();
        m_nodes.clear();
        m_icons.clear();
        for (int i = 1; i <= m_tree.count(); ++i)
            addItem(*m_tree.node(i));
        applySelection();
    }

    void applySelection()
    {
        QTreeWidget *widget = treeWidget();
        TreeNode *selected = m_tree.selectedItem();
        auto it = selected ? m_items.find(selected) : m_items.end();
        QTreeWidgetItem *item = it == m_items.end() ? nullptr : it->second;
        // The tree's own focus handling can make a row current without selecting it.
        if (widget->currentItem() != item || (item && !item->isSelected()))
            widget->setCurrentItem(item);
        if (!item)
            widget->clearSelection();
    }

    TreeView &m_tree;
    std::unordered_map<const TreeNode *, QTreeWidgetItem *> m_items;
    std::unordered_map<QTreeWidgetItem *, TreeNode *> m_nodes;
    std::unordered_map<QString, QIcon> m_icons;
    bool m_afterDoubleClick = false;
};

} // namespace

std::unique_ptr<ControlBinding> makeTreeBinding(FormView &view, Control &control, QWidget *parent)
{
    if (auto *tree = dynamic_cast<TreeView *>(&control))
        return std::make_unique<TreeBinding>(view, *tree, parent);
    return nullptr;
}
