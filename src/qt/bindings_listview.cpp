// The list view with the small icons of its image list.

#include "qt/bindings_p.h"

#include "controls/listview.h"
#include "qt/qtconvert.h"

#include <QApplication>
#include <QListWidget>
#include <QSignalBlocker>

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
        QObject::connect(widgetList, &QListWidget::currentRowChanged, widgetList, [this](int row) {
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
        if (const ImageList *images = m_list.smallIcons())
            if (const Picture *picture = images->picture(item.smallIcon))
                out->setIcon(QIcon(toQPixmap(*picture)));
        return out;
    }

    ListView &m_list;
};

} // namespace

std::unique_ptr<ControlBinding> makeListViewBinding(FormView &view, Control &control,
                                                    QWidget *parent)
{
    if (auto *list = dynamic_cast<ListView *>(&control))
        return std::make_unique<ListViewBinding>(view, *list, parent);
    return nullptr;
}
