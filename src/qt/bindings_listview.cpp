// The list view with the small icons of its image list.

#include "qt/bindings_p.h"

#include "controls/listview.h"
#include "qt/qtconvert.h"

#include <QApplication>
#include <QListWidget>
#include <QSignalBlocker>
#include <unordered_map>

namespace {

class ListViewBinding : public ControlBinding
{
public:
    ListViewBinding(FormView &view, ListView &list, QWidget *parent)
        : ControlBinding(view, list, new QListWidget(parent)), m_list(list)
    {
        auto *widgetList = listWidget();
        widgetList->setSelectionMode(QAbstractItemView::SingleSelection);
        widgetList->setUniformItemSizes(true);
        QObject::connect(widgetList, &QListWidget::currentRowChanged, this, [this](int row) {
            if (row >= 0)
                m_list.userSelected(row + 1);
            refresh(Property::Selection);
        });
    }
    void refreshAll() override
    {
        ControlBinding::refreshAll();
        refresh(Property::List);
    }

protected:
    QListWidget *listWidget() const { return static_cast<QListWidget *>(widget()); }
    void refresh(Property property) override
    {
        QListWidget *list = listWidget();
        if (!list)
            return;
        const QSignalBlocker blocker(list);
        if (property == Property::List) {
            syncListRows(list, m_list.count(),
                         [this](int row) { return makeItem(m_list.item(row + 1)); });
            refresh(Property::Selection);
        } else if (property == Property::Selection) {
            showListRow(list, m_list.selectedIndex() - 1);
        } else {
            ControlBinding::refresh(property);
        }
    }

private:
    QListWidgetItem *makeItem(const ListView::Item &item)
    {
        auto *out = new QListWidgetItem(item.text);
        if (const QIcon icon = iconOf(item.smallIcon); !icon.isNull())
            out->setIcon(icon);
        return out;
    }

    // The list is filled again at every keystroke of a completion: each picture is drawn once,
    // not once per item. A key's picture never changes; another image list starts afresh.
    QIcon iconOf(const QString &key)
    {
        const ImageList *images = m_list.smallIcons();
        if (images != m_iconSource) {
            m_icons.clear();
            m_iconSource = images;
        }
        if (!images)
            return {};
        if (auto it = m_icons.find(key); it != m_icons.end())
            return it->second;
        const Picture *picture = images->picture(key);
        if (!picture)
            return {};
        return m_icons.emplace(key, QIcon(toQPixmap(*picture))).first->second;
    }

    ListView &m_list;
    const ImageList *m_iconSource = nullptr;
    std::unordered_map<QString, QIcon> m_icons;
};

} // namespace

std::unique_ptr<ControlBinding> makeListViewBinding(FormView &view, Control &control,
                                                    QWidget *parent)
{
    if (auto *list = dynamic_cast<ListView *>(&control))
        return std::make_unique<ListViewBinding>(view, *list, parent);
    return nullptr;
}
