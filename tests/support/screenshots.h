#pragma once

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

// Photographs of windows for a person to look at, saved to $MORVANE_ARTIFACTS (the temp folder
// when it is not set).

// A window as the user sees it. On a real display the screen holds what an embedded browser drew;
// offscreen, the window's own rendering is all there is (the browser's page shows blank there).
inline QPixmap photograph(QWidget &window)
{
    return QGuiApplication::platformName() == u"xcb"
               ? window.screen()->grabWindow(window.winId())
               : window.grab();
}

// Saves a picture (QPixmap or QImage) under `name` in the artifacts folder; false when it could
// not be written.
template <typename Picture>
bool saveArtifact(const Picture &shot, const QString &name)
{
    const QString folder = qEnvironmentVariable("MORVANE_ARTIFACTS", QDir::tempPath());
    QDir().mkpath(folder);
    return shot.save(folder + u'/' + name);
}
