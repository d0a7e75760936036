#pragma once

#include "qt/formview.h"
#include "qt/windowframes.h"

#include <QApplication>
#include <QMoveEvent>
#include <QPointer>
#include <QSet>
#include <QTimer>

// Frames the forms' windows as a reparenting window manager does: a window has no frame until it
// has been shown and the event loop has run; then it gets `frame` and is told so by a move event,
// as the window system's configure notification tells it. The headless platform frames nothing
// itself.
class FramingWindowManager : public QObject, public WindowFrames
{
public:
    explicit FramingWindowManager(QMargins frame = QMargins(1, 20, 1, 5)) : m_frame(frame)
    {
        qApp->installEventFilter(this);
    }
    ~FramingWindowManager() override { qApp->removeEventFilter(this); }

    QMargins frame() const { return m_frame; }

protected:
    QMargins reported(const QWidget &window) const override
    {
        return m_framed.contains(&window) ? m_frame : QMargins();
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = dynamic_cast<FormView *>(watched);
        if (event->type() != QEvent::Show || !window || m_framed.contains(window))
            return false;
        QTimer::singleShot(0, this, [this, shown = QPointer<QWidget>(window)] {
            if (!shown || m_framed.contains(shown.data()))
                return;
            m_framed.insert(shown.data());
            connect(shown.data(), &QObject::destroyed, this,
                    [this, gone = shown.data()] { m_framed.remove(gone); });
            QMoveEvent moved(shown->pos(), shown->pos());
            QApplication::sendEvent(shown.data(), &moved);
        });
        return false;
    }

private:
    QMargins m_frame;
    QSet<const QWidget *> m_framed;
};
