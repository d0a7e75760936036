// Combo and list boxes, scroll bars, the tab strip, the browser and the timer.

#include "qt/bindings_p.h"
#include "qt/browserpage.h"

#include "controls/controls.h"
#include "controls/forms.h"
#include "qt/formview.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

void syncListRows(QListWidget *list, int count,
                  const std::function<QListWidgetItem *(int row)> &makeItem)
{
    if (count != list->count() + 1 || count == 0)
        list->clear();
    for (int row = list->count(); row < count; ++row)
        list->addItem(makeItem(row));
}

void showListRow(QListWidget *list, int row)
{
    // The list's own focus handling can make a row current without selecting it.
    QListWidgetItem *item = row >= 0 ? list->item(row) : nullptr;
    if (list->currentRow() != row || (item && !item->isSelected()))
        list->setCurrentRow(row);
    if (item)
        list->scrollToItem(item);
}

namespace {

class ComboBinding : public ControlBinding
{
public:
    ComboBinding(FormView &view, ComboBox &combo, QWidget *parent)
        : ControlBinding(view, combo, new QComboBox(parent)), m_combo(combo)
    {
        auto *box = static_cast<QComboBox *>(widget());
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr);
        QObject::connect(box, &QComboBox::activated, this, [this](int index) {
            m_combo.userChose(index);
            refresh(Property::Text);
        });
        QObject::connect(box->lineEdit(), &QLineEdit::textEdited, this, [this](const QString &t) {
            m_combo.userTyped(t);
            if (auto *b = comboBox(); b && b->currentText() != m_combo.text())
                refresh(Property::Text);
        });
    }
    void refreshAll() override
    {
        ControlBinding::refreshAll();
        refresh(Property::List);
    }

protected:
    QComboBox *comboBox() const { return static_cast<QComboBox *>(widget()); }
    void applyColors() override
    {
        ControlBinding::applyColors();
        // The edit field draws with Base and Text.
        QPalette palette = comboBox()->palette();
        palette.setColor(QPalette::Base, palette.color(comboBox()->backgroundRole()));
        palette.setColor(QPalette::Text, palette.color(comboBox()->foregroundRole()));
        comboBox()->setPalette(palette);
    }
    void refresh(Property property) override
    {
        QComboBox *box = comboBox();
        if (!box)
            return;
        const QSignalBlocker blocker(box);
        const QSignalBlocker editBlocker(box->lineEdit());
        if (property == Property::List) {
            box->clear();
            box->addItems(m_combo.list());
            refresh(Property::Text);
        } else if (property == Property::Text) {
            if (box->currentIndex() != m_combo.listIndex())
                box->setCurrentIndex(m_combo.listIndex());
            if (box->currentText() != m_combo.text())
                box->setEditText(m_combo.text());
        } else {
            ControlBinding::refresh(property);
        }
    }

private:
    ComboBox &m_combo;
};

class ListBinding : public ControlBinding
{
public:
    ListBinding(FormView &view, ListBox &list, QWidget *parent)
        : ControlBinding(view, list, new QListWidget(parent)), m_list(list)
    {
        auto *widgetList = static_cast<QListWidget *>(widget());
        // Items are one line each: the list need not measure every one of them.
        widgetList->setUniformItemSizes(true);
        QObject::connect(widgetList, &QListWidget::currentRowChanged, this, [this](int row) {
            if (row >= 0)
                m_list.userChose(row);
            refresh(Property::Selection);
        });
        QObject::connect(widgetList, &QListWidget::itemDoubleClicked, this,
                         [this] { m_list.userDoubleClicked(); });
    }
    void refreshAll() override
    {
        ControlBinding::refreshAll();
        refresh(Property::List);
    }

protected:
    void refresh(Property property) override
    {
        auto *list = static_cast<QListWidget *>(widget());
        if (!list)
            return;
        const QSignalBlocker blocker(list);
        if (property == Property::List) {
            syncListRows(list, m_list.listCount(),
                         [this](int row) { return new QListWidgetItem(m_list.listItem(row)); });
            refresh(Property::Selection);
        } else if (property == Property::Selection) {
            showListRow(list, m_list.listIndex());
        } else {
            ControlBinding::refresh(property);
        }
    }

private:
    ListBox &m_list;
};

// A press on an arrow or in the trough steps at once and repeats while the button is held; a drag
// of the thumb goes on until the button is let go. A modal dialog that a step opens (the question
// before the cell data goes) takes the mouse from the window: the press ends there, as if the
// button had been let go, so that it neither steps again under the dialog nor after it.
class PressEndingScrollBar : public QScrollBar
{
public:
    using QScrollBar::QScrollBar;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::WindowBlocked)
            endPress();
        return QScrollBar::event(event);
    }

private:
    void endPress()
    {
        // The release Qt would have delivered; the step the press made is the control's already.
        const QSignalBlocker blocker(this);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(), QPointF(), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        mouseReleaseEvent(&release);
    }
};

// Qt's bar moves its up (left) arrow towards its minimum; the control's up (left) arrow moves
// towards Min, which may be the larger end. A reversed control shows as the mirrored (negated) range.
class ScrollBinding : public ControlBinding
{
public:
    ScrollBinding(FormView &view, ScrollBar &bar, QWidget *parent)
        : ControlBinding(
              view, bar,
              new PressEndingScrollBar(bar.horizontal() ? Qt::Horizontal : Qt::Vertical, parent)),
          m_bar(bar)
    {
        auto *qbar = static_cast<QScrollBar *>(widget());
        // The slider has moved when the action comes, its value not yet: the control decides.
        QObject::connect(qbar, &QScrollBar::actionTriggered, this,
                         [this](int action) { userAction(action); });
    }
    void refreshAll() override
    {
        ControlBinding::refreshAll();
        refresh(Property::Range);
    }

protected:
    int toQt(int value) const { return reversed() ? -value : value; }
    int fromQt(int value) const { return reversed() ? -value : value; }
    bool reversed() const { return m_bar.min() > m_bar.max(); }
    QScrollBar *scrollBar() const { return static_cast<QScrollBar *>(widget()); }

    void userAction(int action)
    {
        QScrollBar *qbar = scrollBar();
        switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            m_bar.userStep(-1);
            break;
        case QAbstractSlider::SliderSingleStepAdd:
            m_bar.userStep(1);
            break;
        case QAbstractSlider::SliderPageStepSub:
            m_bar.userScrolled(fromQt(qbar->value() - qbar->pageStep()));
            break;
        case QAbstractSlider::SliderPageStepAdd:
            m_bar.userScrolled(fromQt(qbar->value() + qbar->pageStep()));
            break;
        case QAbstractSlider::SliderMove:
        case QAbstractSlider::SliderToMinimum:
        case QAbstractSlider::SliderToMaximum:
            m_bar.userScrolled(fromQt(qbar->sliderPosition()));
            break;
        default:
            break;
        }
        if ((qbar = scrollBar())) {
            const QSignalBlocker blocker(qbar);
            qbar->setSliderPosition(toQt(m_bar.value()));
        }
    }

    void refresh(Property property) override
    {
        QScrollBar *qbar = scrollBar();
        if (!qbar)
            return;
        const QSignalBlocker blocker(qbar);
        if (property == Property::Range || property == Property::Value) {
            qbar->setRange(std::min(toQt(m_bar.min()), toQt(m_bar.max())),
                           std::max(toQt(m_bar.min()), toQt(m_bar.max())));
            qbar->setSingleStep(std::max(1, m_bar.smallChange()));
            qbar->setPageStep(std::max(1, m_bar.largeChange()));
            qbar->setValue(toQt(m_bar.value()));
        } else {
            ControlBinding::refresh(property);
        }
    }

private:
    ScrollBar &m_bar;
};

// The tabs and the page border below them; the pages' controls are the form's, drawn in front.
class TabBinding : public ControlBinding
{
public:
    TabBinding(FormView &view, TabStrip &tabs, QWidget *parent)
        : ControlBinding(view, tabs, new QWidget(parent)), m_tabs(tabs)
    {
        auto *layout = new QVBoxLayout(widget());
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        m_tabBar = new QTabBar(widget());
        m_tabBar->setDrawBase(false);
        m_tabBar->setExpanding(false);
        // The tool area starts 2000 twips right of the tabs: tight tabs keep all three in view.
        m_tabBar->setUsesScrollButtons(false);
        m_tabBar->setElideMode(Qt::ElideNone);
        // The tool area starts 2000 twips right of the tabs: narrow tabs keep all three in view.
        m_tabBar->setStyleSheet(QStringLiteral(
            u"QTabBar::tab { padding: 3px 4px; border: 1px solid palette(mid); border-bottom: none; }"
            u"QTabBar::tab:selected { background: palette(base); }"
            u"QTabBar::tab:!selected { margin-top: 2px; background: palette(button); }"));
        auto *page = new QFrame(widget());
        page->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
        layout->addWidget(m_tabBar);
        layout->addWidget(page, 1);
        QObject::connect(m_tabBar, &QTabBar::currentChanged, this, [this](int index) {
            m_tabs.userSelected(index + 1);
            refresh(Property::Tabs);
        });
    }
    QTabBar *tabBar() const { return m_tabBar; }
    void refreshAll() override
    {
        ControlBinding::refreshAll();
        refresh(Property::Tabs);
    }

protected:
    void refresh(Property property) override
    {
        if (!m_tabBar)
            return;
        if (property != Property::Tabs) {
            ControlBinding::refresh(property);
            return;
        }
        const QSignalBlocker blocker(m_tabBar.data());
        bool same = m_tabBar->count() == m_tabs.tabCount();
        for (int i = 0; same && i < m_tabs.tabCount(); ++i)
            same = m_tabBar->tabText(i) == m_tabs.tabCaption(i + 1);
        if (same) {
            // Only the selection to follow: the bar's size stays as it is.
            m_tabBar->setCurrentIndex(m_tabs.selectedTab() - 1);
            return;
        }
        while (m_tabBar->count() > m_tabs.tabCount())
            m_tabBar->removeTab(m_tabBar->count() - 1);
        for (int i = 0; i < m_tabs.tabCount(); ++i) {
            if (i < m_tabBar->count())
                m_tabBar->setTabText(i, m_tabs.tabCaption(i + 1));
            else
                m_tabBar->addTab(m_tabs.tabCaption(i + 1));
        }
        m_tabBar->setCurrentIndex(m_tabs.selectedTab() - 1);
        // The styled bar's height is only known once it has tabs; the layout must not squeeze it.
        m_tabBar->setFixedHeight(m_tabBar->sizeHint().height());
    }

private:
    TabStrip &m_tabs;
    QPointer<QTabBar> m_tabBar;
};

// The browser's widget is a frame that gets the browser page on the first location sent to it.
class BrowserBinding : public ControlBinding
{
public:
    BrowserBinding(FormView &view, WebBrowser &browser, QWidget *parent)
        : ControlBinding(view, browser, new QWidget(parent)), m_browser(browser)
    {
        auto *layout = new QVBoxLayout(widget());
        layout->setContentsMargins(0, 0, 0, 0);
    }
    void refreshAll() override
    {
        ControlBinding::refreshAll();
        if (!m_browser.locationURL().isEmpty())
            refresh(Property::Location);
    }

protected:
    void refresh(Property property) override
    {
        if (property != Property::Location) {
            ControlBinding::refresh(property);
            return;
        }
        QWidget *frame = widget();
        if (!frame)
            return;
        if (!m_page) {
            m_page = createBrowserPage(frame);
            if (!m_page)
                return;
            frame->layout()->addWidget(m_page->widget());
        }
        const QString location = m_browser.locationURL();
        const QFileInfo file(location);
        m_page->load(file.isAbsolute() && file.exists() ? QUrl::fromLocalFile(location)
                                                        : QUrl::fromUserInput(location));
    }

private:
    WebBrowser &m_browser;
    std::unique_ptr<BrowserPage> m_page;
};

class TimerBinding : public ControlBinding
{
public:
    TimerBinding(FormView &view, Timer &timer)
        : ControlBinding(view, timer, nullptr), m_timer(timer), m_qtimer(new QTimer(this))
    {
        QObject::connect(m_qtimer, &QTimer::timeout, this, [this] { m_timer.fire(); });
    }
    QTimer *timer() const override { return m_qtimer; }
    void refreshAll() override { refresh(Property::Enabled); }

protected:
    void refresh(Property property) override
    {
        if (property != Property::Enabled && property != Property::Value)
            return;
        if (m_timer.enabled() && m_timer.interval() > 0)
            m_qtimer->start(m_timer.interval());
        else
            m_qtimer->stop();
    }

private:
    Timer &m_timer;
    QTimer *m_qtimer;
};

} // namespace

std::unique_ptr<ControlBinding> makeListBinding(FormView &view, Control &control, QWidget *parent)
{
    if (auto *c = dynamic_cast<ComboBox *>(&control))
        return std::make_unique<ComboBinding>(view, *c, parent);
    if (auto *c = dynamic_cast<ListBox *>(&control))
        return std::make_unique<ListBinding>(view, *c, parent);
    if (auto *c = dynamic_cast<ScrollBar *>(&control))
        return std::make_unique<ScrollBinding>(view, *c, parent);
    if (auto *c = dynamic_cast<TabStrip *>(&control))
        return std::make_unique<TabBinding>(view, *c, parent);
    if (auto *c = dynamic_cast<WebBrowser *>(&control))
        return std::make_unique<BrowserBinding>(view, *c, parent);
    if (auto *c = dynamic_cast<Timer *>(&control))
        return std::make_unique<TimerBinding>(view, *c);
    return nullptr;
}
