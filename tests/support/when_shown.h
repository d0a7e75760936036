#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

// Acts on each modal dialog of type T that the real services show (they run it with exec()), once
// it has been open for `afterMs`: meanwhile its event loop runs, as it does while a user reads
// it. Each dialog is counted once, however often others open above it and close again.
template <typename T> class WhenShown
{
public:
    explicit WhenShown(std::function<void(T *)> act, int afterMs = 0)
        : m_act(std::move(act)), m_afterMs(afterMs)
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }
    int shown = 0;

private:
    void poll()
    {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dialog || dialog->property(actedKey).toBool())
            return;
        if (!dialog->property(seenKey).isValid()) {
            ++shown;
            dialog->setProperty(seenKey, QDeadlineTimer(m_afterMs).deadline());
        }
        if (QDeadlineTimer::current().deadline() >= dialog->property(seenKey).toLongLong()) {
            dialog->setProperty(actedKey, true);
            m_act(dialog);
        }
    }
    static constexpr const char *seenKey = "whenShownDeadline";
    static constexpr const char *actedKey = "whenShownActed";
    std::function<void(T *)> m_act;
    int m_afterMs;
    QTimer m_timer;
};
