#pragma once

#include <QtGlobal>

#include <functional>
#include <memory>

class Control;

// What a person does while a command runs. A long command may let the window system handle what
// is pending in its middle (EventPump), so that the window repaints; a click, a key, a page chosen
// or a value typed that arrives meanwhile must not start another command half-way through the
// running one (it would change the design under it). The user doors of the controls deliver what
// the user did through here: while a pump runs, it waits in a queue, and runs, in the order it
// came, once the command that pumped has ended (or, for a pump outside any command of the user,
// once that pump has ended). At any other time it runs at once, as before.
namespace userinput {

// Runs `action`, what the user did to `control`, now or later as said above. A queued action whose
// control has gone meanwhile is dropped.
void deliver(const Control &control, std::function<void()> action);

// Held while the window system handles pending events in the middle of a command.
class PumpScope
{
public:
    PumpScope();
    ~PumpScope();
    PumpScope(const PumpScope &) = delete;
    PumpScope &operator=(const PumpScope &) = delete;
};

// How many actions wait (for tests and diagnostics).
int waiting();

// Marks what runs inside it as one action of the user, for code that acts at once on what the user
// did (a key going to the key handlers) rather than through deliver(), which marks its own. Scopes
// nest: an action begun inside another is part of it.
class ActionScope
{
public:
    ActionScope();
    ~ActionScope();
    ActionScope(const ActionScope &) = delete;
    ActionScope &operator=(const ActionScope &) = delete;
};

// The action of the user now running: a number that stays the same for everything the action
// runs and differs from that of every other action; 0 while none runs.
quint64 currentAction();

// Runs `then` once the action now running has ended (at once when none runs). Dropped when
// `control` has gone meanwhile.
void afterAction(const Control &control, std::function<void()> then);

} // namespace userinput
