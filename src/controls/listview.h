#pragma once

#include "controls/control.h"
#include "controls/imagelist.h"

#include <optional>
#include <vector>

// List view in its list mode: items with a text and the key of a small icon, numbered from 1.
// At most one item is selected (0 = none). Selecting from code notifies the view and runs nothing.
// Up and Down that no key handler swallowed move the selection by one item, staying inside the
// list (with nothing selected, Down selects the first item).
class ListView : public Control
{
public:
    struct Item
    {
        QString text;
        QString smallIcon;
    };

    ListView(Container *container, QString name, int index = -1);

    int count() const { return int(m_items.size()); }
    // Item `index` (1-based); an index outside 1..count gives an empty item.
    Item item(int index) const;
    const std::vector<Item> &items() const { return m_items; }
    // Appends an item and returns its index.
    int add(const QString &text, const QString &smallIcon = QString());
    void clear();

    int selectedIndex() const { return m_selected; }
    // 0 clears the selection; other values outside 1..count are refused (returns false).
    bool setSelectedIndex(int index);
    // The selected item's text, empty when none is selected.
    QString selectedText() const { return item(m_selected).text; }

    // The image list the small icons are taken from (may be null: no icons).
    ImageList *smallIcons() const { return m_smallIcons; }
    void setSmallIcons(ImageList *images);

    // The user selected an item (1-based) by mouse or key.
    void userSelected(int index);

protected:
    bool keyAction(int keyCode, int shift) override;

private:
    std::vector<Item> m_items;
    int m_selected = 0;
    ImageList *m_smallIcons = nullptr;
};
