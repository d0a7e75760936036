#pragma once

#include "controls/services.h"

#include <QObject>
#include <QPointer>
#include <memory>
#include <unordered_map>

class FormView;
class WindowFrames;

// The side windows' real windows: one FormView per form, top-level, built when the form is first
// made visible. A window closed from its title bar is destroyed once the close event is over, and the
// form is then told (`Form::userClosed`), so that its owner can unload it.
class QtWindowService : public WindowService
{
public:
    // `frames` tells the window system's frames to the windows; null for the system's own.
    explicit QtWindowService(WindowFrames *frames = nullptr);
    ~QtWindowService() override;

    void show(Form &form) override;
    void release(Form &form) override;

    // The window of a form, or nullptr when it has none.
    FormView *viewOf(const Form &form) const;

private:
    void closedByUser(Form &form);

    WindowFrames *m_frames;
    std::unordered_map<const Form *, std::unique_ptr<FormView>> m_views;
    // Receives the deferred calls, so that none runs after the service is gone.
    std::unique_ptr<QObject> m_context;
};
