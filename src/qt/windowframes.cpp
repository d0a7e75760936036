#include "qt/windowframes.h"

#include <QWidget>

QMargins WindowFrames::frameOf(const QWidget &window)
{
    return reported(window);
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
