#include "controls/userinput.h"

#include "controls/control.h"

#include <deque>

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
    action();
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

} // namespace userinput
