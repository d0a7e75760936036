// The form's menu bar: one QMenu per menu item that holds items, one QAction per command.

#include "qt/bindings.h"
#include "qt/formview.h"

#include <QCursor>
#include <QMenu>
#include <QMenuBar>

namespace {

class MenuBinding : public ControlBinding
{
public:
    MenuBinding(FormView &view, MenuItem &item, QAction *action)
        : ControlBinding(view, item, nullptr), m_item(item), m_action(action)
    {}
    QAction *action() const override { return m_action; }
    void refreshAll() override
    {
        for (Property p :
             {Property::Caption, Property::Checked, Property::Enabled, Property::Visible})
            refresh(p);
    }
    void refresh(Property property) override
    {
        if (!m_action)
            return;
        switch (property) {
        case Property::Caption:
            m_action->setSeparator(m_item.isSeparator());
            // A separator's "-" is only its mark: styles draw a separator's text beside the line.
            // Text after a tab is shown as the shortcut; the key itself is the logic's business.
            m_action->setText(m_item.isSeparator()        ? QString()
                              : m_item.shortcut().isEmpty()
                                  ? m_item.caption()
                                  : m_item.caption() + u'\t' + m_item.shortcut());
            break;
        case Property::Checked:
            // Only a checked item reserves a check mark, so plain commands look plain.
            m_action->setCheckable(m_item.checked());
            m_action->setChecked(m_item.checked());
            break;
        case Property::Enabled:
            m_action->setEnabled(m_item.enabled());
            break;
        case Property::Visible:
            m_action->setVisible(m_item.visible());
            break;
        default:
            break;
        }
    }

private:
    MenuItem &m_item;
    QPointer<QAction> m_action;
};

} // namespace

void FormView::buildMenus()
{
    for (MenuItem *menu : m_form.menus())
        addMenuItem(*menu, nullptr);
    m_form.showPopup = [this](MenuItem &item) {
        if (QAction *action = actionOf(item); action && action->menu())
            action->menu()->exec(QCursor::pos());
    };
}

void FormView::addMenuItem(MenuItem &item, QMenu *parentMenu)
{
    QMenu *menu = nullptr;
    QAction *action = nullptr;
    if (!item.items().empty()) {
        menu =
            parentMenu ? parentMenu->addMenu(item.caption()) : menuBar()->addMenu(item.caption());
        action = menu->menuAction();
    } else {
        action = parentMenu ? parentMenu->addAction(item.caption())
                            : menuBar()->addAction(item.caption());
    }
    auto binding = std::make_unique<MenuBinding>(*this, item, action);
    MenuBinding *context = binding.get();
    if (menu) {
        // Opening a menu is its click: handlers use it to set their items' check marks.
        connect(menu, &QMenu::aboutToShow, context, [&item] { item.userClicked(); });
    } else {
        connect(action, &QAction::triggered, context, [context, &item] {
            const QPointer<MenuBinding> alive(context);
            item.userClicked();
            // Qt toggles a checkable action by itself; the item's state is the handler's (unless
            // the handler closed the window).
            if (alive)
                alive->propertyChanged(item, Property::Checked);
        });
    }
    binding->refreshAll();
    m_byControl[&item] = context;
    m_bindings.push_back(std::move(binding));
    if (menu)
        for (MenuItem *child : item.items())
            addMenuItem(*child, menu);
}
