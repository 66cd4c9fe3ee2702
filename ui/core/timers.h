// Hidden message windows and their periodic timers, delivered as WM_TIMER on the GUI thread.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "ui/core/types.h"

namespace ui {

using HWND = uintptr_t;
using TWndMethod = std::function<void(TMessage&)>;

class TTimerTable {
public:
    HWND AllocateHWnd(TWndMethod proc);
    // Releases the window and every timer on it; pending ticks for it are dropped.
    void DeallocateHWnd(HWND wnd);
    bool IsWindow(HWND wnd) const { return windows_.count(wnd) != 0; }
    // Starts or restarts timer `id`; returns 0 (and starts nothing) when no timer is available.
    unsigned SetTimer(HWND wnd, unsigned id, unsigned intervalMs, int64_t nowMs);
    bool KillTimer(HWND wnd, unsigned id);
    // Limits how many timers may run at once (tests exhaust it); negative means no limit.
    void SetCapacity(int capacity) { capacity_ = capacity; }

    // Timers due at `nowMs` that have no tick pending yet; marks them pending.
    std::vector<std::pair<HWND, unsigned>> TakeDue(int64_t nowMs);
    // A tick was dispatched (or dropped): the timer may post its next one.
    void TickDone(HWND wnd, unsigned id);
    std::optional<int64_t> NextDue() const;
    // Delivers a message to a hidden window; false when the window no longer exists.
    bool Deliver(HWND wnd, TMessage& m);

private:
    struct Timer {
        unsigned interval;
        int64_t due;
        bool pending;
    };
    std::map<HWND, TWndMethod> windows_;
    std::map<std::pair<HWND, unsigned>, Timer> timers_;
    HWND nextWindow_ = 1;
    int capacity_ = -1;
};

// The platform's functions, acting on the running application's table.
HWND AllocateHWnd(TWndMethod proc);
void DeallocateHWnd(HWND wnd);
unsigned SetTimer(HWND wnd, unsigned id, unsigned intervalMs);
bool KillTimer(HWND wnd, unsigned id);
LRESULT DefWindowProc(HWND wnd, unsigned msg, WPARAM w, LPARAM l);

}  // namespace ui
