#include "qt/formview.h"

#include "qt/bindings.h"
#include "qt/windowframes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScopedValueRollback>
#include <QTimer>
#include <algorithm>
#include <unordered_set>

FormView::FormView(Form &form, QWidget *parent, WindowFrames *frames)
    : QMainWindow(parent), m_form(form), m_frames(frames ? *frames : WindowFrames::system()),
      m_scale(TwipsScale::ofPrimaryScreen())
{
    m_surface = new QWidget(this);
    m_surface->setObjectName(form.name());
    m_surface->setAutoFillBackground(true);
    setCentralWidget(m_surface);

    buildControls();
    buildMenus();
    arrangeControls();
    watchInput();

    m_form.setObserver(this);
    setWindowTitle(m_form.caption());
    applyFormColors();
    m_surface->setFont(toQFont(m_form.font()));
    setEnabled(m_form.enabled());
    applyTopMost();
    applyFormGeometry();
}

FormView::~FormView()
{
    // Nothing may lead from the form or from Qt into this view once it goes: the form forgets it,
    // keys stop coming here, and each binding takes its hooks and connections along before the
    // window closes (closing sends focus and activation events to the widgets left).
    if (m_form.observer() == this)
        m_form.setObserver(nullptr);
    m_form.showPopup = nullptr;
    qApp->removeEventFilter(this);
    m_byControl.clear();
    m_byWidget.clear();
    m_bindings.clear();
}

QWidget *FormView::parentWidgetOf(const Control &control) const
{
    if (ControlBinding *binding = bindingOf(*control.container()); binding && binding->widget())
        return binding->widget();
    return m_surface;
}

ControlBinding *FormView::bindingOf(const Control &control) const
{
    auto it = m_byControl.find(&control);
    return it == m_byControl.end() ? nullptr : it->second;
}

QWidget *FormView::widgetOf(const Control &control) const
{
    ControlBinding *binding = bindingOf(control);
    return binding ? binding->widget() : nullptr;
}

QAction *FormView::actionOf(const MenuItem &item) const
{
    ControlBinding *binding = bindingOf(item);
    return binding ? binding->action() : nullptr;
}

QTimer *FormView::timerOf(const Timer &timer) const
{
    ControlBinding *binding = bindingOf(timer);
    return binding ? binding->timer() : nullptr;
}

void FormView::buildControls()
{
    for (Control *control : m_form.allControls()) {
        if (dynamic_cast<MenuItem *>(control) || !control->container() ||
            m_byControl.count(control))
            continue;
        std::unique_ptr<ControlBinding> binding =
            makeBinding(*this, *control, parentWidgetOf(*control));
        if (!binding)
            continue;
        binding->refreshAll();
        m_byControl[control] = binding.get();
        if (binding->widget())
            m_byWidget[binding->widget()] = control;
        m_bindings.push_back(std::move(binding));
    }
}

void FormView::placeAgain(Control &control)
{
    if (ControlBinding *binding = bindingOf(control))
        binding->propertyChanged(control, Property::Geometry);
}

void FormView::adoptNewControls()
{
    m_adoptPending = false;
    const std::size_t before = m_bindings.size();
    buildControls();
    if (m_bindings.size() != before)
        arrangeControls();
}

void FormView::arrangeControls()
{
    restack(&m_form);
    for (Control *control : m_form.allControls())
        if (auto *container = dynamic_cast<Container *>(control))
            restack(container);
    applyTabOrder();
}

void FormView::applyTopMost()
{
    const bool wasVisible = isVisible();
    if (testAttribute(Qt::WA_WState_Created) &&
        bool(windowFlags() & Qt::WindowStaysOnTopHint) == m_form.topMost())
        return;
    setWindowFlag(Qt::WindowStaysOnTopHint, m_form.topMost());
    // Changing the flags hides a shown window.
    if (wasVisible)
        show();
}

void FormView::restack(Container *container)
{
    if (!container)
        return;
    std::vector<std::pair<std::pair<int, int>, QWidget *>> order;
    for (Control *child : container->children()) {
        QWidget *widget = widgetOf(*child);
        if (!widget)
            continue;
        // Tab strips hold no controls: their pages' controls are drawn over them.
        const int layer = dynamic_cast<TabStrip *>(child) ? 0 : 1;
        order.push_back({{layer, child->zLevel()}, widget});
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    if (order.empty())
        return;
    // Only the widgets from the first one out of place are raised again: bringing one control in
    // front (a pop-up list at every keystroke) raises that one alone.
    std::unordered_set<const QObject *> stacked;
    for (const auto &entry : order)
        stacked.insert(entry.second);
    std::size_t inPlace = 0;
    if (const QWidget *parent = order.front().second->parentWidget()) {
        for (const QObject *child : parent->children()) {
            if (!stacked.count(child))
                continue;
            if (inPlace >= order.size() || order[inPlace].second != child)
                break;
            ++inPlace;
        }
    }
    for (std::size_t i = inPlace; i < order.size(); ++i)
        order[i].second->raise();
}

void FormView::applyTabOrder()
{
    std::vector<std::pair<int, QWidget *>> order;
    for (Control *control : m_form.allControls())
        if (QWidget *widget = widgetOf(*control); widget && widget->focusPolicy() != Qt::NoFocus)
            order.push_back({control->tabIndex(), widget});
    std::stable_sort(order.begin(), order.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
}

void FormView::applyFormColors()
{
    QPalette palette = m_surface->palette();
    palette.setColor(QPalette::Window, toQColor(m_form.backColor(), QApplication::palette()));
    palette.setColor(QPalette::WindowText, toQColor(m_form.foreColor(), QApplication::palette()));
    m_surface->setPalette(palette);
}

void FormView::applyFormGeometry()
{
    {
        const QScopedValueRollback guard(m_applyingGeometry, true);
        const Qt::WindowStates state = m_form.windowState() == 1   ? Qt::WindowMinimized
                                       : m_form.windowState() == 2 ? Qt::WindowMaximized
                                                                   : Qt::WindowNoState;
        if (windowState() != state)
            setWindowState(state);
        // A minimized or maximized window is neither moved nor sized: the system holds its place,
        // and gives back the window's own when it is restored.
        if (state != Qt::WindowNoState)
            return;
        m_frame = m_frames.frameOf(*this);
        const QSize outer(m_scale.toPixels(m_form.width()), m_scale.toPixels(m_form.height()));
        if (size().grownBy(m_frame) != outer)
            resize(outer.shrunkBy(m_frame).expandedTo(QSize(1, 1)));
        const QPoint topLeft(m_scale.toPixels(m_form.left()), m_scale.toPixels(m_form.top()));
        if (frameGeometry().topLeft() != topLeft)
            move(topLeft);
    }
    // Told once the window has its size: the form's resize handling may size it again.
    reportFrameRoom();
}

void FormView::followFrame()
{
    if (m_applyingGeometry || windowState() != Qt::WindowNoState)
        return;
    if (m_frames.frameOf(*this) != m_frame)
        applyFormGeometry();
}

void FormView::reportFrameRoom()
{
    int menuHeight = 0;
    if (const QWidget *bar = menuWidget(); bar && !bar->isHidden()) {
        menuHeight = bar->heightForWidth(width());
        if (menuHeight < 0)
            menuHeight = bar->sizeHint().height();
    }
    m_form.setFrameRoom(m_scale.toTwips(m_frame.left() + m_frame.right()),
                        m_scale.toTwips(m_frame.top() + m_frame.bottom() + menuHeight));
}

void FormView::propertyChanged(Control &control, Property property)
{
    if (property == Property::ControlRemoved) {
        auto it = m_byControl.find(&control);
        if (it == m_byControl.end())
            return;
        ControlBinding *binding = it->second;
        QWidget *widget = binding->widget();
        m_byControl.erase(it);
        m_byWidget.erase(widget);
        std::erase_if(m_bindings, [binding](const auto &b) { return b.get() == binding; });
        // The widget's connections lead into the control that is going: none may run any more.
        if (widget) {
            widget->blockSignals(true);
            delete widget;
        }
        return;
    }
    if (property == Property::ControlAdded) {
        if (!m_adoptPending) {
            m_adoptPending = true;
            QTimer::singleShot(0, this, [this] { adoptNewControls(); });
        }
        return;
    }
    switch (property) {
    case Property::Caption:
        setWindowTitle(m_form.caption());
        break;
    case Property::Geometry:
        if (!m_applyingGeometry)
            applyFormGeometry();
        break;
    case Property::Visible:
        if (!m_applyingGeometry)
            setVisible(m_form.visible());
        break;
    case Property::Enabled:
        setEnabled(m_form.enabled());
        break;
    case Property::Colors:
        applyFormColors();
        break;
    case Property::Font:
        m_surface->setFont(toQFont(m_form.font()));
        break;
    case Property::ZOrder:
        applyTopMost();
        if (isVisible()) {
            raise();
            activateWindow();
        }
        break;
    default:
        break;
    }
}

void FormView::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (m_applyingGeometry || !isVisible())
        return;
    followFrame();
    const QSize outer = size().grownBy(m_frame);
    if (outer.width() == m_scale.toPixels(m_form.width()) &&
        outer.height() == m_scale.toPixels(m_form.height()))
        return;
    const int width = m_scale.toTwips(outer.width());
    const int height = m_scale.toTwips(outer.height());
    {
        // The form learns the size the window has; written back half-way (the new width with the
        // old height) it would size the window against the user.
        const QScopedValueRollback guard(m_applyingGeometry, true);
        m_form.setWidth(width);
        m_form.setHeight(height);
    }
    // Its resize handling may size the window itself (the settings page keeps a fixed width).
    m_form.userResized(width, height);
    // A narrower window may have wrapped its menu bar onto more lines.
    reportFrameRoom();
}

void FormView::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    if (m_applyingGeometry || !isVisible())
        return;
    // The window system tells of the frame it has put round a shown window with a move.
    followFrame();
    const QScopedValueRollback guard(m_applyingGeometry, true);
    m_form.setLeft(m_scale.toTwips(frameGeometry().x()));
    m_form.setTop(m_scale.toTwips(frameGeometry().y()));
}

void FormView::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || m_applyingGeometry)
        return;
    const QScopedValueRollback guard(m_applyingGeometry, true);
    m_form.setWindowState(isMinimized() ? 1 : isMaximized() ? 2 : 0);
}

void FormView::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    followFrame();
    const QScopedValueRollback guard(m_applyingGeometry, true);
    m_form.setVisible(true);
    // A control given the focus before the window showed takes it now.
    if (Control *active = m_form.activeControl())
        if (QWidget *widget = widgetOf(*active))
            widget->setFocus(Qt::OtherFocusReason);
}

void FormView::closeEvent(QCloseEvent *event)
{
    if (!m_form.userClosing()) {
        event->ignore();
        return;
    }
    event->accept();
    if (onClosedByUser)
        onClosedByUser();
}
