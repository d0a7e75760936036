// What the user does with the keyboard and the focus, reported to the controls.

#include "controls/controls.h"
#include "qt/formview.h"
#include "qt/keycodes.h"
#include "qt/qtconvert.h"

#include <QApplication>
#include <QFontMetrics>
#include <algorithm>

Control *FormView::controlOf(const QWidget *widget) const
{
    for (; widget; widget = widget->parentWidget()) {
        const auto it = m_byWidget.find(widget);
        if (it != m_byWidget.end())
            return it->second;
    }
    return nullptr;
}

void FormView::watchInput()
{
    qApp->installEventFilter(this);
    // Labels that size themselves to their caption measure it in the font they are drawn in.
    Label::setTextMeasure([scale = m_scale](const QString &text, const Font &font) {
        const QSize size = QFontMetrics(toQFont(font)).size(0, toLf(text));
        // A few pixels more, so that a word-wrapping label never wraps its own caption.
        return std::pair<int, int>(scale.toTwips(size.width() + 4), scale.toTwips(size.height()));
    });
}

bool FormView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (widget->window() != this)
        return false;
    // A key goes to the focus widget and then, unused, to its parents: it is handled once, where
    // it arrives first.
    const QWidget *focus = QApplication::focusWidget();
    if (focus ? widget != focus : widget != this)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const int code = keyCodeOf(*key);
    if (code == 0)
        return false;
    Control *control = controlOf(widget);
    const bool used = (control ? *control : static_cast<Control &>(m_form))
                          .userKeyDown(code, shiftStateOf(key->modifiers()));
    // A letter held with Alt is a menu key, as on the platform the program comes from: the
    // window's key handling sees it (Alt+X shows the View menu), but it types nothing into a box
    // and moves no caret. Ctrl+Alt is AltGr on some keyboards and still types.
    const Qt::KeyboardModifiers mods = key->modifiers() & (Qt::AltModifier | Qt::ControlModifier);
    const QString text = key->text();
    const bool typed = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() >= 0x20 && c.unicode() != 0x7F;
    });
    return used || (mods == Qt::AltModifier && typed);
}
