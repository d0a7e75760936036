#include "qt/bindings_p.h"

#include "qt/bindings_drag.h"

#include "controls/controls.h"
#include "controls/forms.h"
#include "qt/formview.h"
#include "qt/keycodes.h"
#include "qt/qtconvert.h"

#include <QApplication>
#include <QHash>
#include <QCheckBox>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionGroupBox>

ControlBinding::ControlBinding(FormView &view, Control &control, QWidget *widget)
    : m_view(view), m_control(control), m_widget(widget)
{
    control.setObserver(this);
    if (widget) {
        // Named after the control ("Text1(3)"), as tools and tests find widgets by name.
        widget->setObjectName(control.displayName());
        // Where the user puts the focus, the form learns it.
        new EventHook(widget, this, [&control](QEvent *event) {
            if (event->type() == QEvent::FocusIn)
                control.userFocused();
            return false;
        });
    }
}

ControlBinding::~ControlBinding()
{
    if (m_control.observer() == this)
        m_control.setObserver(nullptr);
}

void ControlBinding::propertyChanged(Control &, Property property)
{
    refresh(property);
}

void ControlBinding::refreshAll()
{
    for (Property p : {Property::Geometry, Property::Visible, Property::Enabled, Property::Colors,
                       Property::Font, Property::ToolTip})
        refresh(p);
}

namespace {
// The bottom of a frame's caption as the style draws it, in the frame's coordinates; 0 without one.
// Every control placed in a frame asks for it: it is measured once per caption, font and style.
int captionBottom(const QGroupBox *box)
{
    if (box->title().isEmpty())
        return 0;
    static QHash<QString, int> known;
    const QString key = QString::number(quintptr(box->style())) + u'|' + box->font().key()
                        + u'|' + QString::number(int(box->alignment())) + u'|' + box->title();
    if (auto it = known.constFind(key); it != known.constEnd())
        return *it;
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.textAlignment = box->alignment();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect label =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    const int bottom = label.isValid() ? label.bottom() + 1 : 0;
    known.insert(key, bottom);
    return bottom;
}
} // namespace

void ControlBinding::applyGeometry()
{
    if (!m_widget)
        return;
    QRect rect = m_view.scale().toPixels(m_control);
    // The twips design leaves a frame's caption less height than the platform draws it with:
    // a control that would stand in the caption goes below it, keeping its bottom edge where the
    // design puts it when it has the height to spare, else keeping its height.
    if (auto *box = qobject_cast<QGroupBox *>(m_widget->parentWidget())) {
        const int band = captionBottom(box);
        if (rect.top() < band) {
            const int spare = rect.height() - (band - rect.top());
            if (spare >= m_widget->minimumSizeHint().height() && spare > 0)
                rect.setTop(band);
            else
                rect.moveTop(band);
        }
    }
    m_widget->setGeometry(rect);
}

void ControlBinding::applyColors()
{
    if (!m_widget)
        return;
    const QPalette system = QApplication::palette();
    QPalette palette = m_widget->palette();
    const QColor back = toQColor(m_control.backColor(), system);
    const QColor fore = toQColor(m_control.foreColor(), system);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, m_widget->backgroundRole(), back);
    // Disabled text keeps the style's grey.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, m_widget->foregroundRole(), fore);
    m_widget->setPalette(palette);
}

void ControlBinding::refresh(Property property)
{
    if (!m_widget)
        return;
    switch (property) {
    case Property::Geometry:
        applyGeometry();
        break;
    case Property::Visible:
        m_widget->setVisible(m_control.visible());
        break;
    case Property::Enabled:
        m_widget->setEnabled(m_control.enabled());
        break;
    case Property::Colors:
        applyColors();
        break;
    case Property::Font:
        m_widget->setFont(toQFont(m_control.font()));
        break;
    case Property::ToolTip:
        m_widget->setToolTip(m_control.toolTipText());
        break;
    case Property::ZOrder:
        m_view.restack(m_control.container());
        break;
    case Property::Focus:
        m_widget->setFocus(Qt::OtherFocusReason);
        break;
    default:
        break;
    }
}

EventHook::EventHook(QObject *target, QObject *owner, std::function<bool(QEvent *)> handler)
    : QObject(owner), m_target(target), m_handler(std::move(handler))
{
    target->installEventFilter(this);
}

bool EventHook::eventFilter(QObject *watched, QEvent *event)
{
    return watched == m_target && m_handler(event);
}

std::unique_ptr<ControlBinding> makeBinding(FormView &view, Control &control, QWidget *parent)
{
    if (auto binding = makeSimpleBinding(view, control, parent))
        return binding;
    if (auto binding = makeListBinding(view, control, parent))
        return binding;
    if (auto binding = makeListViewBinding(view, control, parent))
        return binding;
    if (auto binding = makeTreeBinding(view, control, parent))
        return binding;
    return makeRichTextBinding(view, control, parent);
}

namespace {

// A left click released inside the widget.
bool isClick(QEvent *event)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    return static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
}

class ButtonBinding : public ControlBinding
{
public:
    ButtonBinding(FormView &view, CommandButton &button, QWidget *parent)
        : ControlBinding(view, button, new QPushButton(parent)), m_button(button)
    {
        auto *push = static_cast<QPushButton *>(widget());
        push->setAutoDefault(false);
        QObject::connect(push, &QPushButton::clicked, this, [this] { m_button.userClicked(); });
    }
    void refreshAll() override
    {
        ControlBinding::refreshAll();
        refresh(Property::Caption);
    }

protected:
    void refresh(Property property) override
    {
        if (property == Property::Caption)
            static_cast<QPushButton *>(widget())->setText(m_button.caption());
        else
            ControlBinding::refresh(property);
    }

private:
    CommandButton &m_button;
};

// Check boxes and option buttons: a caption and a value the control decides. Qt has already
// toggled the widget when `clicked` comes, so the widget is refreshed from the control after it.
void prepareToggle(QCheckBox *box)
{
    box->setTristate(true);
}

void prepareToggle(QRadioButton *radio)
{
    // The control clears the other buttons of its container; Qt's grouping would not know the
    // control's containers.
    radio->setAutoExclusive(false);
}

void showValue(QCheckBox *box, int value)
{
    box->setCheckState(value == 1   ? Qt::Checked
                       : value == 2 ? Qt::PartiallyChecked
                                    : Qt::Unchecked);
}

void showValue(QRadioButton *radio, bool value)
{
    radio->setChecked(value);
}

template <typename ControlT, typename WidgetT>
class ToggleBinding : public ControlBinding
{
public:
    ToggleBinding(FormView &view, ControlT &control, QWidget *parent)
        : ControlBinding(view, control, new WidgetT(parent)), m_control(control)
    {
        auto *button = static_cast<WidgetT *>(widget());
        prepareToggle(button);
        button->setAutoFillBackground(true);
        QObject::connect(button, &WidgetT::clicked, this, [this] {
            m_control.userClicked();
            refresh(Property::Value);
        });
    }
    void refreshAll() override
    {
        ControlBinding::refreshAll();
        refresh(Property::Caption);
        refresh(Property::Value);
    }

protected:
    void refresh(Property property) override
    {
        auto *button = static_cast<WidgetT *>(widget());
        if (!button)
            return;
        const QSignalBlocker blocker(button);
        if (property == Property::Caption)
            button->setText(m_control.caption());
        else if (property == Property::Value)
            showValue(button, m_control.value());
        else
            ControlBinding::refresh(property);
    }

private:
    ControlT &m_control;
};

class LabelBinding : public ControlBinding
{
public:
    LabelBinding(FormView &view, Label &label, QWidget *parent)
        : ControlBinding(view, label, new QLabel(parent)), m_label(label)
    {
        auto *qlabel = static_cast<QLabel *>(widget());
        qlabel->setAutoFillBackground(true);
        qlabel->setWordWrap(true);
        qlabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        qlabel->setTextFormat(Qt::PlainText);
        new EventHook(qlabel, this, [this, qlabel](QEvent *event) {
            reportMouse(event);
            if (isClick(event) &&
                qlabel->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint()))
                m_label.userClicked();
            return false;
        });
    }
    void refreshAll() override
    {
        ControlBinding::refreshAll();
        refresh(Property::Caption);
    }

protected:
    void refresh(Property property) override
    {
        if (property == Property::Caption)
            static_cast<QLabel *>(widget())->setText(m_label.caption());
        else
            ControlBinding::refresh(property);
    }

private:
    // Press, move (with a button held) and release, at the pointer's place within the label.
    void reportMouse(QEvent *event)
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove
            && type != QEvent::MouseButtonRelease)
            return;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const Qt::MouseButtons buttons =
            type == QEvent::MouseMove ? mouse->buttons() : Qt::MouseButtons(mouse->button());
        const int button = mouseButtonsOf(buttons);
        const int shift = shiftStateOf(mouse->modifiers());
        const QPoint at = mouse->position().toPoint();
        const TwipsScale &scale = view().scale();
        const int x = scale.toTwips(at.x());
        const int y = scale.toTwips(at.y());
        if (type == QEvent::MouseButtonPress)
            m_label.userMouseDown(button, shift, x, y);
        else if (type == QEvent::MouseMove)
            m_label.userMouseMove(button, shift, x, y);
        else
            m_label.userMouseUp(button, shift, x, y);
    }

    Label &m_label;
};

class FrameBinding : public ControlBinding
{
public:
    FrameBinding(FormView &view, Frame &frame, QWidget *parent)
        : ControlBinding(view, frame, new QGroupBox(parent)), m_frame(frame)
    {
        widget()->setAutoFillBackground(true);
        // The caption's height follows the frame's font and style: its controls are placed again.
        new EventHook(widget(), this, [this](QEvent *event) {
            if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
                placeContents();
            return false;
        });
    }
    void refreshAll() override
    {
        ControlBinding::refreshAll();
        refresh(Property::Caption);
    }

protected:
    void refresh(Property property) override
    {
        if (property == Property::Caption || property == Property::Style) {
            // Without a border the frame shows no caption either.
            auto *box = static_cast<QGroupBox *>(widget());
            const bool bordered = m_frame.borderStyle() != 0;
            box->setFlat(!bordered);
            const QString title = bordered ? m_frame.caption() : QString();
            if (box->title() == title)
                return;
            box->setTitle(title);
            placeContents();
        } else {
            ControlBinding::refresh(property);
        }
    }

private:
    void placeContents()
    {
        for (Control *child : m_frame.children())
            view().placeAgain(*child);
    }
    Frame &m_frame;
};

// A picture box takes the drops of controls of its own window (Control::drag).
class PictureBinding : public ControlBinding
{
public:
    PictureBinding(FormView &view, PictureBox &picture, QWidget *parent)
        : ControlBinding(view, picture, new QFrame(parent)), m_picture(picture)
    {
        auto *frame = static_cast<QFrame *>(widget());
        frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        frame->setAutoFillBackground(true);
        frame->setAcceptDrops(true);
        new EventHook(frame, this, [this](QEvent *event) { return handle(event); });
    }

private:
    bool handle(QEvent *event)
    {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto *drag = static_cast<QDropEvent *>(event);
            if (m_picture.onDragDrop && sourceOf(drag))
                drag->acceptProposedAction();
            else
                drag->ignore();
            return true;
        }
        case QEvent::Drop: {
            auto *drop = static_cast<QDropEvent *>(event);
            Control *source = sourceOf(drop);
            if (!source)
                return false;
            drop->acceptProposedAction();
            const QPoint at = drop->position().toPoint();
            m_picture.userDragDrop(*source, view().scale().toTwips(at.x()),
                                   view().scale().toTwips(at.y()));
            return true;
        }
        default:
            if (isClick(event))
                m_picture.userClicked();
            return false;
        }
    }
    Control *sourceOf(const QDropEvent *event) const
    {
        return controlFromMimeData(event->mimeData(), view().form());
    }

    PictureBox &m_picture;
};

// A shape is drawn, never clicked: the mouse goes through to what lies below it.
class ShapeBinding : public ControlBinding
{
public:
    ShapeBinding(FormView &view, Shape &shape, QWidget *parent)
        : ControlBinding(view, shape, new QFrame(parent)), m_shape(shape)
    {
        auto *frame = static_cast<QFrame *>(widget());
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void applyColors() override
    {
        QWidget *frame = widget();
        if (!frame)
            return;
        const bool solid = m_shape.fillStyle() == 0;
        frame->setAutoFillBackground(solid);
        QPalette palette = frame->palette();
        const QPalette system = QApplication::palette();
        palette.setColor(QPalette::Window, toQColor(m_shape.fillColor(), system));
        palette.setColor(QPalette::WindowText, toQColor(m_shape.foreColor(), system));
        frame->setPalette(palette);
    }

private:
    Shape &m_shape;
};

} // namespace

std::unique_ptr<ControlBinding> makeTextBinding(FormView &view, TextBox &box, QWidget *parent);

std::unique_ptr<ControlBinding> makeSimpleBinding(FormView &view, Control &control, QWidget *parent)
{
    if (auto *c = dynamic_cast<CommandButton *>(&control))
        return std::make_unique<ButtonBinding>(view, *c, parent);
    if (auto *c = dynamic_cast<CheckBox *>(&control))
        return std::make_unique<ToggleBinding<CheckBox, QCheckBox>>(view, *c, parent);
    if (auto *c = dynamic_cast<OptionButton *>(&control))
        return std::make_unique<ToggleBinding<OptionButton, QRadioButton>>(view, *c, parent);
    if (auto *c = dynamic_cast<Label *>(&control))
        return std::make_unique<LabelBinding>(view, *c, parent);
    if (auto *c = dynamic_cast<Frame *>(&control))
        return std::make_unique<FrameBinding>(view, *c, parent);
    if (auto *c = dynamic_cast<PictureBox *>(&control))
        return std::make_unique<PictureBinding>(view, *c, parent);
    if (auto *c = dynamic_cast<Shape *>(&control))
        return std::make_unique<ShapeBinding>(view, *c, parent);
    if (auto *c = dynamic_cast<TextBox *>(&control))
        return makeTextBinding(view, *c, parent);
    return nullptr;
}
