#include "qt/windowframes.h"

#include <QWidget>

QMargins WindowFrames::frameOf(const QWidget &window)
{
    const QMargins frame = reported(window);
    if (frame.isNull())
        return m_lastFrame;
    m_lastFrame = frame;
    return frame;
}

QMargins WindowFrames::reported(const QWidget &window) const
{
    const QRect inner = window.geometry();
    const QRect outer = window.frameGeometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

WindowFrames &WindowFrames::system()
{
    static WindowFrames frames;
    return frames;
}
