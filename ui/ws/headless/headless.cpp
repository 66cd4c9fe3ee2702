#include "ui/ws/headless/headless.h"

#include <functional>

namespace ui {

namespace {
// The simulated windows keep no state of their own: the model is the desktop's truth.
class HeadlessHandle : public WindowHandle {};

int DefaultAnswer(unsigned flags) {
    static const std::vector<std::vector<int>> buttons = {
        {IDOK}, {IDOK, IDCANCEL}, {IDABORT, IDRETRY, IDIGNORE}, {IDYES, IDNO, IDCANCEL}, {IDYES, IDNO}, {IDRETRY, IDCANCEL}};
    const auto& set = buttons.at(std::min<size_t>(flags & MB_TYPEMASK, buttons.size() - 1));
    const size_t index = (flags & MB_DEFMASK) >> 8;
    return set.at(std::min(index, set.size() - 1));
}
}  // namespace

FrameMetrics HeadlessWidgetSet::FrameFor(TBorderStyle style) {
    switch (style) {
        case bsNone: return {0, 0, 0, 0};
        case bsSizeable: return {4, 4 + 23, 4, 4};
        case bsSizeToolWin: return {4, 4 + 17, 4, 4};
        case bsToolWindow: return {3, 3 + 17, 3, 3};
        case bsSingle:
        case bsDialog: return {3, 3 + 23, 3, 3};
    }
    return {};
}

FrameMetrics HeadlessWidgetSet::DefaultFrame(const TForm& form) {
    FrameMetrics f = FrameFor(form.BorderStyle());
    if (form.Menu() && form.Menu()->Items()->Count() > 0) f.top += kMenuBarHeight;
    return f;
}

std::unique_ptr<WindowHandle> HeadlessWidgetSet::CreateHandle(TWinControl&) {
    return std::make_unique<HeadlessHandle>();
}

int HeadlessWidgetSet::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    int answer = DefaultAnswer(flags);
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    boxes_.push_back({text, caption, flags, answer});
    if (WhileBoxShown) {
        auto during = std::move(WhileBoxShown);  // one box at a time: a nested box does not run it again
        during();
        WhileBoxShown = std::move(during);
    }
    return answer;
}

void HeadlessWidgetSet::Flush() {
    std::function<void(TWinControl&)> paint = [&](TWinControl& w) {
        if (!w.Visible()) return;
        if (w.SelfPainted() && w.NeedsPaint()) {
            events_->PaintControl(w);
            ++paints_[&w];
        }
        for (int i = 0; i < w.ControlCount(); ++i)
            if (auto* child = dynamic_cast<TWinControl*>(w.Controls(i))) paint(*child);
    };
    TScreen& screen = Application()->Screen();
    for (int i = 0; i < screen.FormCount(); ++i) paint(*screen.Forms(i));
}

void HeadlessWidgetSet::WaitForEvents(int64_t wakeAtMs) {
    if (wakeAtMs > now_) now_ = wakeAtMs;
}

TForm* HeadlessWidgetSet::FormAt(TPoint screen) const {
    for (TForm* f : Application()->Screen().StackingOrder())
        if (f->BoundsRect().Contains(screen)) return f;
    return nullptr;
}

void HeadlessWidgetSet::MoveCursor(TPoint screen) {
    cursor_ = screen;
    events_->MouseMove(screen, FormAt(screen));
    Application()->ProcessMessages();
}

void HeadlessWidgetSet::Click(TPoint screen) {
    MoveCursor(screen);
    events_->MouseDown(screen, FormAt(screen));
    events_->MouseUp(screen, FormAt(screen));
    Application()->ProcessMessages();
}

void HeadlessWidgetSet::PressKey(TForm& form, Key key) {
    events_->KeyPressed(form, static_cast<int>(key));
    Application()->ProcessMessages();
}

bool HeadlessWidgetSet::ChooseMenu(TForm& form, const std::vector<std::string>& path) {
    if (!form.Menu()) return false;
    TMenuItem* item = form.Menu()->Items();
    for (const std::string& caption : path) {
        TMenuItem* next = nullptr;
        for (int i = 0; i < item->Count() && !next; ++i)
            if (item->Items(i)->Caption() == caption && item->Items(i)->Visible()) next = item->Items(i);
        if (!next || !next->Enabled()) return false;
        item = next;
    }
    events_->MenuItemChosen(*item);
    Application()->ProcessMessages();
    return true;
}

void HeadlessWidgetSet::Advance(int64_t ms) {
    TApplication* app = Application();
    const int64_t end = now_ + ms;
    app->ProcessMessages();
    for (;;) {
        auto next = app->Timers().NextDue();
        if (!next || *next > end) break;
        now_ = std::max(now_, *next);
        app->ProcessMessages();
    }
    now_ = std::max(now_, end);  // time spent inside a nested wait (a box on screen) is not given back
    app->ProcessMessages();
}

void HeadlessWidgetSet::RunIdle() {
    TApplication* app = Application();
    app->ProcessMessages();
    app->Idle();
    app->ProcessMessages();
}

int HeadlessWidgetSet::PaintCount(const TWinControl& c) const {
    auto it = paints_.find(&c);
    return it == paints_.end() ? 0 : it->second;
}

TBitmap HeadlessWidgetSet::Pixels(TControl& c) {
    Application()->ProcessMessages();
    if (auto* w = dynamic_cast<TWinControl*>(&c); w && w->SelfPainted()) {
        TBitmap copy;
        copy.Assign(w->Backing());
        return copy;
    }
    TBitmap part(c.Width(), c.Height());
    if (TWinControl* parent = c.Parent())
        BitBlt(part.Canvas(), 0, 0, c.Width(), c.Height(), parent->Backing().Canvas(), c.Left(), c.Top(), SRCCOPY);
    return part;
}

}  // namespace ui
