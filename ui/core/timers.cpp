#include "ui/core/timers.h"

#include "ui/core/forms.h"

namespace ui {

HWND TTimerTable::AllocateHWnd(TWndMethod proc) {
    HWND wnd = nextWindow_++;
    windows_[wnd] = std::move(proc);
    return wnd;
}

void TTimerTable::DeallocateHWnd(HWND wnd) {
    windows_.erase(wnd);
    for (auto it = timers_.begin(); it != timers_.end();)
        it = it->first.first == wnd ? timers_.erase(it) : std::next(it);
}

unsigned TTimerTable::SetTimer(HWND wnd, unsigned id, unsigned intervalMs, int64_t nowMs) {
    if (!IsWindow(wnd)) return 0;
    auto it = timers_.find({wnd, id});
    if (it == timers_.end() && capacity_ >= 0 && static_cast<int>(timers_.size()) >= capacity_) return 0;
    const bool pending = it != timers_.end() && it->second.pending;
    timers_[{wnd, id}] = Timer{intervalMs, nowMs + intervalMs, pending};
    return id;
}

bool TTimerTable::KillTimer(HWND wnd, unsigned id) { return timers_.erase({wnd, id}) != 0; }

std::vector<std::pair<HWND, unsigned>> TTimerTable::TakeDue(int64_t nowMs) {
    std::vector<std::pair<HWND, unsigned>> due;
    for (auto& [key, t] : timers_) {
        if (t.pending || t.due > nowMs) continue;
        t.pending = true;
        // The period runs on from the tick; ticks missed while busy are not made up.
        t.due = std::max(t.due + t.interval, nowMs);
        due.push_back(key);
    }
    return due;
}

void TTimerTable::TickDone(HWND wnd, unsigned id) {
    auto it = timers_.find({wnd, id});
    if (it != timers_.end()) it->second.pending = false;
}

std::optional<int64_t> TTimerTable::NextDue() const {
    std::optional<int64_t> next;
    for (const auto& [key, t] : timers_)
        if (!t.pending && (!next || t.due < *next)) next = t.due;
    return next;
}

bool TTimerTable::Deliver(HWND wnd, TMessage& m) {
    auto it = windows_.find(wnd);
    if (it == windows_.end()) return false;
    TWndMethod proc = it->second;  // the procedure may release its own window
    proc(m);
    return true;
}

HWND AllocateHWnd(TWndMethod proc) { return Application()->Timers().AllocateHWnd(std::move(proc)); }
void DeallocateHWnd(HWND wnd) {
    if (TApplication* app = Application()) app->Timers().DeallocateHWnd(wnd);
}
unsigned SetTimer(HWND wnd, unsigned id, unsigned intervalMs) {
    TApplication* app = Application();
    return app->Timers().SetTimer(wnd, id, intervalMs, app->WS().NowMs());
}
bool KillTimer(HWND wnd, unsigned id) {
    TApplication* app = Application();
    return app && app->Timers().KillTimer(wnd, id);
}
LRESULT DefWindowProc(HWND, unsigned, WPARAM, LPARAM) { return 0; }

}  // namespace ui
