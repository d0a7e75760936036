#include "controls/userinput.h"

#include "controls/control.h"

#include <deque>
#include <vector>

namespace userinput {

namespace {

struct Waiting
{
    std::weak_ptr<const int> control;
    std::function<void()> action;
};

// The window thread's state: actions of the user running, pumps running, actions waiting.
int g_running = 0;
int g_pumping = 0;
std::deque<Waiting> g_waiting;
// The action scopes open, the number of the outermost one, and what waits for its end.
int g_actionDepth = 0;
quint64 g_action = 0;
quint64 g_lastAction = 0;
std::vector<Waiting> g_afterAction;

void runNow(const std::function<void()> &action);

void runWaiting()
{
    while (g_running == 0 && g_pumping == 0 && !g_waiting.empty()) {
        Waiting next = std::move(g_waiting.front());
        g_waiting.pop_front();
        if (!next.control.expired())
            runNow(next.action);
    }
}

void runNow(const std::function<void()> &action)
{
    ++g_running;
    {
        const ActionScope scope;
        action();
    }
    --g_running;
    if (g_running == 0)
        runWaiting();
}

} // namespace

void deliver(const Control &control, std::function<void()> action)
{
    if (g_pumping > 0 || !g_waiting.empty()) {
        // Behind what already waits: the user's actions keep their order.
        g_waiting.push_back({control.lifetime(), std::move(action)});
        if (g_pumping == 0 && g_running == 0)
            runWaiting();
        return;
    }
    runNow(action);
}

PumpScope::PumpScope()
{
    ++g_pumping;
}

PumpScope::~PumpScope()
{
    --g_pumping;
    if (g_pumping == 0 && g_running == 0)
        runWaiting();
}

int waiting()
{
    return int(g_waiting.size());
}

ActionScope::ActionScope()
{
    if (g_actionDepth++ == 0)
        g_action = ++g_lastAction;
}

ActionScope::~ActionScope()
{
    if (g_actionDepth > 1) {
        --g_actionDepth;
        return;
    }
    // Still inside the action while its followers run: what they do belongs to it.
    while (!g_afterAction.empty()) {
        std::vector<Waiting> due;
        due.swap(g_afterAction);
        for (const Waiting &then : due)
            if (!then.control.expired())
                then.action();
    }
    g_actionDepth = 0;
    g_action = 0;
}

quint64 currentAction()
{
    return g_action;
}

void afterAction(const Control &control, std::function<void()> then)
{
    if (g_actionDepth == 0) {
        then();
        return;
    }
    g_afterAction.push_back({control.lifetime(), std::move(then)});
}

} // namespace userinput
