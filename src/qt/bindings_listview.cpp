// The list view with its small icons, and the image list it takes them from (which shows
// nothing by itself).

#include "qt/bindings_p.h"

#include "controls/listview.h"
#include "qt/qtconvert.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>
#include <QSignalBlocker>

namespace {

// A picture of an image list: a rounded square of its colour with its glyph in white.
QIcon iconOf(const ListImage &image, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(image.color, QApplication::palette()));
    painter.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), 3, 3);
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPixelSize(size * 3 / 4);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, image.glyph);
    return QIcon(pixmap);
}

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
            // Items are added one by one: only a change other than an appended item rebuilds.
            const int count = m_list.count();
            if (count != list->count() + 1 || count == 0)
                list->clear();
            for (int i = list->count(); i < count; ++i)
                list->addItem(makeItem(m_list.item(i + 1)));
            refresh(Property::Selection);
        } else if (property == Property::Selection) {
            const int row = m_list.selectedIndex() - 1;
            if (list->currentRow() != row)
                list->setCurrentRow(row);
            if (row >= 0)
                list->scrollToItem(list->item(row));
        } else {
            ControlBinding::refresh(property);
        }
    }

private:
    QListWidgetItem *makeItem(const ListView::Item &item)
    {
        auto *out = new QListWidgetItem(item.text);
        if (const ImageList *images = m_list.smallIcons()) {
            if (const std::optional<ListImage> image = images->find(item.smallIcon))
                out->setIcon(iconOf(*image, 16));
        }
        return out;
    }

    ListView &m_list;
};

// Pictures are drawn by the list views that use them.
class ImageListBinding : public ControlBinding
{
public:
    ImageListBinding(FormView &view, ImageList &images) : ControlBinding(view, images, nullptr) {}
    void refreshAll() override {}
};

} // namespace

std::unique_ptr<ControlBinding> makeListViewBinding(FormView &view, Control &control,
                                                    QWidget *parent)
{
    if (auto *list = dynamic_cast<ListView *>(&control))
        return std::make_unique<ListViewBinding>(view, *list, parent);
    if (auto *images = dynamic_cast<ImageList *>(&control))
        return std::make_unique<ImageListBinding>(view, *images);
    return nullptr;
}
