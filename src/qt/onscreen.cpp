#include "qt/onscreen.h"

#include "controls/forms.h"
#include "qt/qtconvert.h"

bool keepOnScreen(Form &form, const TwipsScale &scale, const QList<QRect> &screens,
                  const QRect &primary)
{
    const QRect window(scale.toPixels(form.left()), scale.toPixels(form.top()),
                       scale.toPixels(form.width()), scale.toPixels(form.height()));
    // Enough of the title bar must show on some screen for the user to reach the window.
    const QRect titleBar(window.topLeft(), QSize(window.width(), 30));
    for (const QRect &screen : screens) {
        const QRect seen = screen.intersected(titleBar);
        if (seen.width() >= 60 && seen.height() >= 10)
            return false;
    }
    form.setLeft(scale.toTwips(primary.left()));
    form.setTop(scale.toTwips(primary.top()));
    return true;
}
