#pragma once

#include <QMargins>

class QWidget;

// The frames the window system puts around the top-level windows: title bar and borders, in pixels.
// A form's Top, Left, Width and Height are its window's outer geometry, frame included, so the
// views ask here how much of that the frame takes.
class WindowFrames
{
public:
    virtual ~WindowFrames() = default;

    // The frame of `window`. Until the window system has framed it (it frames a window only once
    // the window is shown, and may take the frame away while it is hidden), the frame it gave the
    // last framed window: the frames of one program's windows are alike, and a window sized with
    // the right frame from the start does not change size when the frame comes.
    QMargins frameOf(const QWidget &window);

    // The frames of the running window system.
    static WindowFrames &system();

protected:
    // What the window system reports of the window's frame: none while it has not framed it.
    virtual QMargins reported(const QWidget &window) const;

private:
    QMargins m_lastFrame;
};
