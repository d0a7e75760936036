#include "qt/windowservice.h"

#include "qt/formview.h"

#include <QTimer>

QtWindowService::QtWindowService(WindowFrames *frames)
    : m_frames(frames), m_context(std::make_unique<QObject>())
{}

QtWindowService::~QtWindowService()
{
    m_views.clear();
}

void QtWindowService::show(Form &form)
{
    auto it = m_views.find(&form);
    if (it == m_views.end()) {
        auto view = std::make_unique<FormView>(form, nullptr, m_frames);
        view->setAttribute(Qt::WA_DeleteOnClose, false);
        view->onClosedByUser = [this, &form] {
            // The close event is still running in the view: unload when it is over.
            QTimer::singleShot(0, m_context.get(), [this, &form] {
                if (m_views.count(&form))
                    closedByUser(form);
            });
        };
        it = m_views.emplace(&form, std::move(view)).first;
    }
    it->second->show();
    it->second->raise();
}

void QtWindowService::release(Form &form)
{
    auto it = m_views.find(&form);
    if (it == m_views.end())
        return;
    std::unique_ptr<FormView> view = std::move(it->second);
    m_views.erase(it);
    view->hide();
}

void QtWindowService::closedByUser(Form &form)
{
    form.userClosed();
    // An owner that keeps the form loaded keeps its window too, hidden until shown again.
}

FormView *QtWindowService::viewOf(const Form &form) const
{
    auto it = m_views.find(&form);
    return it == m_views.end() ? nullptr : it->second.get();
}
