#include "qt/bindings_drag.h"

#include "controls/controls.h"
#include "controls/forms.h"
#include "qt/formview.h"
#include "qt/keycodes.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>

namespace {

const QString ControlMimeType = QStringLiteral(u"application/x-morvane-control");

// "Form/Control(i)": the window's name keeps a drag from one window from naming a control of another.
QString dragName(const Control &control)
{
    const Control *root = &control;
    while (root->container())
        root = root->container();
    return root->name() + u'/' + control.displayName();
}

} // namespace

PressTracker::PressTracker(FormView &view, TextBox &box, QWidget *widget, QObject *owner)
    : QObject(owner), m_view(view), m_box(box), m_widget(widget)
{
    widget->installEventFilter(this);
}

bool PressTracker::eventFilter(QObject *watched, QEvent *event)
{
    return watched == m_widget && handle(event);
}

void PressTracker::dragRequested()
{
    if (m_inPress)
        m_dragArmed = true;
}

bool PressTracker::handle(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint at = mouse->position().toPoint();
        const bool left = mouse->button() == Qt::LeftButton;
        m_pressAt = at;
        m_pressed = left;
        m_afterDouble = false;
        m_dragArmed = false;
        m_inPress = left;
        const QPointer<QWidget> alive = m_widget;
        m_box.userMouseDown(mouseButtonsOf(mouse->button()), shiftStateOf(mouse->modifiers()),
                            m_view.scale().toTwips(at.x()), m_view.scale().toTwips(at.y()));
        if (!alive)
            return true;
        m_inPress = false;
        // A press that may become a drag must not start a text selection in the box.
        return m_dragArmed;
    }
    case QEvent::MouseMove: {
        if (!m_dragArmed)
            return false;
        const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
        if ((at - m_pressAt).manhattanLength() >= QApplication::startDragDistance())
            startDrag();
        return true;
    }
    case QEvent::ContextMenu:
        // A box whose handler takes the mouse shows that handler's menu instead of Qt's.
        return bool(m_box.onMouseDown);
    case QEvent::MouseButtonDblClick:
        m_afterDouble = true;
        m_box.userDoubleClicked();
        return false;
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        const bool swallowed = m_dragArmed;
        const bool click = m_pressed && !m_afterDouble && m_widget &&
                           m_widget->rect().contains(mouse->position().toPoint());
        m_pressed = m_dragArmed = m_afterDouble = false;
        if (click)
            m_box.userClicked();
        return swallowed;
    }
    default:
        return false;
    }
}

void PressTracker::startDrag()
{
    m_dragArmed = false;
    m_pressed = false;
    if (!m_widget)
        return;
    auto *drag = new QDrag(m_widget);
    drag->setMimeData(controlMimeData(m_box));
    drag->setPixmap(m_widget->grab());
    drag->setHotSpot(m_pressAt);
    drag->exec(Qt::MoveAction);
}

QMimeData *controlMimeData(const Control &control)
{
    auto *data = new QMimeData;
    data->setData(ControlMimeType, dragName(control).toUtf8());
    return data;
}

Control *controlFromMimeData(const QMimeData *data, const Form &form)
{
    if (!data || !data->hasFormat(ControlMimeType))
        return nullptr;
    const QString name = QString::fromUtf8(data->data(ControlMimeType));
    for (Control *control : form.allControls())
        if (dragName(*control) == name)
            return control;
    return nullptr;
}
