#pragma once

#include "controls/forms.h"
#include "controls/services.h"

#include <functional>
#include <memory>

// A side window that exists only while it is loaded: created (and loaded) on first use, shown through
// the window service, and unloaded when the user closes it from its title bar or the owner says so.
// After an unload the next use creates the window afresh, as on first use.
template <typename F>
class SideWindow
{
public:
    // `load` creates the window and runs its load; `windows` may be null (tests without a display).
    SideWindow(std::function<std::unique_ptr<F>()> load, WindowService *windows)
        : m_load(std::move(load)), m_windows(windows)
    {
    }
    ~SideWindow() { unload(); }
    SideWindow(const SideWindow &) = delete;
    SideWindow &operator=(const SideWindow &) = delete;

    // A form that unloaded itself (Form::unloadSelf) counts as unloaded already.
    bool isLoaded() const { return m_base != nullptr && !m_base->unloadPending(); }
    // The window, loading it first when it is not loaded.
    F &get()
    {
        if (m_form && m_form->unloadPending())
            unload();
        if (!m_form) {
            m_form = m_load();
            m_base = m_form.get();
            m_form->setWindowService(m_windows);
            m_form->onUnloaded = [this] { unload(); };
        }
        return *m_form;
    }
    F *operator->() { return &get(); }
    // The window if it is loaded, else null; never loads it.
    F *loaded() const { return isLoaded() ? m_form.get() : nullptr; }
    // Closes the window and destroys it; nothing when it is not loaded.
    void unload()
    {
        if (!m_form)
            return;
        std::unique_ptr<F> form = std::move(m_form);
        m_base = nullptr;
        if (m_windows)
            m_windows->release(*form);
    }

private:
    std::function<std::unique_ptr<F>()> m_load;
    WindowService *m_windows;
    std::unique_ptr<F> m_form;
    // The same form as a Form, so that asking whether it is loaded needs only its declaration.
    const Form *m_base = nullptr;
};
