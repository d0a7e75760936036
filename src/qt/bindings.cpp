#include "qt/bindings_p.h"

#include "controls/controls.h"
#include "controls/forms.h"
#include "qt/formview.h"
#include "qt/qtconvert.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

ControlBinding::ControlBinding(FormView &view, Control &control, QWidget *widget)
    : m_view(view), m_control(control), m_widget(widget)
{
    control.setObserver(this);
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

void ControlBinding::applyGeometry()
{
    if (m_widget)
        m_widget->setGeometry(m_view.scale().toPixels(m_control));
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
    default:
        break;
    }
}

EventHook::EventHook(QObject *target, std::function<bool(QEvent *)> handler)
    : QObject(target), m_handler(std::move(handler))
{
    target->installEventFilter(this);
}

bool EventHook::eventFilter(QObject *watched, QEvent *event)
{
    return watched == parent() && m_handler(event);
}

std::unique_ptr<ControlBinding> makeBinding(FormView &view, Control &control, QWidget *parent)
{
    if (auto binding = makeSimpleBinding(view, control, parent))
        return binding;
    if (auto binding = makeListBinding(view, control, parent))
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
        QObject::connect(push, &QPushButton::clicked, push, [this] { m_button.userClicked(); });
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

Qt::CheckState checkState(int value)
{
    return value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
}

class CheckBinding : public ControlBinding
{
public:
    CheckBinding(FormView &view, CheckBox &check, QWidget *parent)
        : ControlBinding(view, check, new QCheckBox(parent)), m_check(check)
    {
        auto *box = static_cast<QCheckBox *>(widget());
        box->setTristate(true);
        box->setAutoFillBackground(true);
        // Qt has already toggled the box when `clicked` comes: the control decides the state.
        QObject::connect(box, &QCheckBox::clicked, box, [this] {
            m_check.userClicked();
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
        auto *box = static_cast<QCheckBox *>(widget());
        if (!box)
            return;
        const QSignalBlocker blocker(box);
        if (property == Property::Caption)
            box->setText(m_check.caption());
        else if (property == Property::Value)
            box->setCheckState(checkState(m_check.value()));
        else
            ControlBinding::refresh(property);
    }

private:
    CheckBox &m_check;
};

class OptionBinding : public ControlBinding
{
public:
    OptionBinding(FormView &view, OptionButton &option, QWidget *parent)
        : ControlBinding(view, option, new QRadioButton(parent)), m_option(option)
    {
        auto *radio = static_cast<QRadioButton *>(widget());
        // The control clears the other buttons of its container; Qt's grouping would not know
        // the control's containers.
        radio->setAutoExclusive(false);
        radio->setAutoFillBackground(true);
        QObject::connect(radio, &QRadioButton::clicked, radio, [this] {
            m_option.userClicked();
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
        auto *radio = static_cast<QRadioButton *>(widget());
        if (!radio)
            return;
        const QSignalBlocker blocker(radio);
        if (property == Property::Caption)
            radio->setText(m_option.caption());
        else if (property == Property::Value)
            radio->setChecked(m_option.value());
        else
            ControlBinding::refresh(property);
    }

private:
    OptionButton &m_option;
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
        new EventHook(qlabel, [this, qlabel](QEvent *event) {
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
    Label &m_label;
};

class FrameBinding : public ControlBinding
{
public:
    FrameBinding(FormView &view, Frame &frame, QWidget *parent)
        : ControlBinding(view, frame, new QGroupBox(parent)), m_frame(frame)
    {
        widget()->setAutoFillBackground(true);
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
            static_cast<QGroupBox *>(widget())->setTitle(m_frame.caption());
        else
            ControlBinding::refresh(property);
    }

private:
    Frame &m_frame;
};

class PictureBinding : public ControlBinding
{
public:
    PictureBinding(FormView &view, PictureBox &picture, QWidget *parent)
        : ControlBinding(view, picture, new QFrame(parent))
    {
        auto *frame = static_cast<QFrame *>(widget());
        frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        frame->setAutoFillBackground(true);
        new EventHook(frame, [&picture](QEvent *event) {
            if (isClick(event))
                picture.userClicked();
            return false;
        });
    }
};

} // namespace

std::unique_ptr<ControlBinding> makeTextBinding(FormView &view, TextBox &box, QWidget *parent);

std::unique_ptr<ControlBinding> makeSimpleBinding(FormView &view, Control &control, QWidget *parent)
{
    if (auto *c = dynamic_cast<CommandButton *>(&control))
        return std::make_unique<ButtonBinding>(view, *c, parent);
    if (auto *c = dynamic_cast<CheckBox *>(&control))
        return std::make_unique<CheckBinding>(view, *c, parent);
    if (auto *c = dynamic_cast<OptionButton *>(&control))
        return std::make_unique<OptionBinding>(view, *c, parent);
    if (auto *c = dynamic_cast<Label *>(&control))
        return std::make_unique<LabelBinding>(view, *c, parent);
    if (auto *c = dynamic_cast<Frame *>(&control))
        return std::make_unique<FrameBinding>(view, *c, parent);
    if (auto *c = dynamic_cast<PictureBox *>(&control))
        return std::make_unique<PictureBinding>(view, *c, parent);
    if (auto *c = dynamic_cast<TextBox *>(&control))
        return makeTextBinding(view, *c, parent);
    return nullptr;
}
