#include "ui/core/forms.h"

#include "ui/core/comctrls.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

namespace ui {

namespace {
TApplication* g_application = nullptr;
LPARAM PackPoint(TPoint p) { return static_cast<LPARAM>((p.x & 0xFFFF) | (static_cast<int64_t>(p.y) << 16)); }
}  // namespace

TApplication* Application() { return g_application; }
TPoint GetCursorPos() { return g_application->WS().CursorPos(); }

// ---------------------------------------------------------------- TForm

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    TControl::SetVisible(false);
    SetParentFont(false);
    SetBoundsQuiet(0, 0, 320, 240);
    if (TApplication* app = Application()) {
        frame_ = app->WS().DefaultFrame(*this);
        app->FormCreated(this);
    }
}

TForm::~TForm() {
    if (TApplication* app = Application()) app->FormDestroyed(this);
}

void TForm::BeforeDestruction() {
    if (menu_) menu_->OnChange = nullptr;
    menu_ = nullptr;
    TWinControl::BeforeDestruction();
}

int TForm::ClientWidth() const { return std::max(0, Width() - frame_.left - frame_.right); }
int TForm::ClientHeight() const { return std::max(0, Height() - frame_.top - frame_.bottom); }
void TForm::SetClientWidth(int w) { SetBounds(Left(), Top(), w + frame_.left + frame_.right, Height()); }
void TForm::SetClientHeight(int h) { SetBounds(Left(), Top(), Width(), h + frame_.top + frame_.bottom); }
TPoint TForm::ClientOrigin() const { return {Left() + frame_.left, Top() + frame_.top}; }

void TForm::SetFrame(const FrameMetrics& f) {
    if (f == frame_) return;
    const int oldW = ClientWidth(), oldH = ClientHeight();
    frame_ = f;
    Resized(oldW, oldH);
}

void TForm::SetBorderStyle(TBorderStyle s) {
    if (s == borderStyle_) return;
    borderStyle_ = s;
    SetFrame(Application()->WS().DefaultFrame(*this));
    if (Handle()) Handle()->StyleChanged();
}

void TForm::SetFormStyle(TFormStyle s) {
    if (s == formStyle_) return;
    formStyle_ = s;
    if (Handle()) Handle()->StyleChanged();
}

void TForm::SetWindowState(TWindowState s) {
    if (s == windowState_) return;
    windowState_ = s;
    if (Visible()) {
        if (s == wsMaximized) {
            normalBounds_ = BoundsRect();
            TPoint screen = Application()->WS().ScreenSize();
            SetBounds(0, 0, screen.x, screen.y);
        } else if (s == wsNormal && !normalBounds_.Empty()) {
            SetBounds(normalBounds_.left, normalBounds_.top, normalBounds_.Width(), normalBounds_.Height());
        }
    }
    if (Handle()) Handle()->StyleChanged();
}

void TForm::SetMenu(TMainMenu* menu) {
    if (menu_) menu_->OnChange = nullptr;
    menu_ = menu;
    if (menu_)
        menu_->OnChange = [this] {
            if (Handle()) Handle()->MenuChanged();
        };
    SetFrame(Application()->WS().DefaultFrame(*this));
    if (Handle()) Handle()->MenuChanged();
}

void TForm::SetActiveControl(TWinControl* c) {
    activeControl_ = c;
    if (c && Active()) FocusActive();
}

void TForm::ConfigureHandle() {
    TWinControl::ConfigureHandle();
    Handle()->StyleChanged();
    Handle()->MenuChanged();
}

void TForm::SetBounds(int left, int top, int width, int height) { TWinControl::SetBounds(left, top, width, height); }

void TForm::PlaceForShow() {
    TApplication* app = Application();
    const TPoint screen = app->WS().ScreenSize();
    if (windowState_ == wsMaximized) {
        normalBounds_ = BoundsRect();
        SetBounds(0, 0, screen.x, screen.y);
        return;
    }
    auto centreOn = [this](const TRect& r) {
        SetBounds(r.left + (r.Width() - Width()) / 2, r.top + (r.Height() - Height()) / 2, Width(), Height());
    };
    switch (position_) {
        case poScreenCenter: centreOn({0, 0, screen.x, screen.y}); break;
        case poMainFormCenter: {
            TForm* main = app->MainForm();
            centreOn(main && main != this && main->Visible() ? main->BoundsRect() : TRect{0, 0, screen.x, screen.y});
            break;
        }
        case poDefault:
        case poDefaultPosOnly: {
            // The window system's cascade of default positions.
            const int step = 26 * (app->Screen().cascade_++ % 8);
            SetBounds(48 + step, 48 + step, Width(), Height());
            break;
        }
        default: break;
    }
}

void TForm::SetVisible(bool v) {
    if (v == Visible()) return;
    TApplication* app = Application();
    if (v) {
        if (!shownOnce_) {
            shownOnce_ = true;
            PlaceForShow();
        }
        TWinControl::SetVisible(true);
        app->Screen().Raise(this);
        app->ActivateForm(this);
    } else {
        TWinControl::SetVisible(false);
        app->FormHidden(this);
    }
}

void TForm::Show() {
    if (Visible()) {
        Application()->Screen().Raise(this);
        if (Handle()) Handle()->BringToFront();
        Application()->ActivateForm(this);
        return;
    }
    SetVisible(true);
}

void TForm::Close() {
    TCloseAction action = caHide;
    if (OnClose.Assigned()) OnClose(this, action);
    if (action == caNone) return;
    TApplication* app = Application();
    if (app->MainForm() == this) app->Terminate();
    Hide();
}

bool TForm::Active() const { return Application() && Application()->ActiveForm() == this; }

void TForm::SetFocus() {
    Application()->ActivateForm(this);
    FocusActive();
}

TWinControl* TForm::FirstFocusable(TWinControl& within) const {
    for (TWinControl* c : within.TabList()) {
        if (c->TabStop() && c->CanFocus()) return c;
        if (TWinControl* inner = FirstFocusable(*c)) return inner;
    }
    return nullptr;
}

void TForm::FocusActive() {
    TWinControl* target = activeControl_ && activeControl_->CanFocus() && activeControl_->GetParentForm() == this
                              ? activeControl_
                              : FirstFocusable(*this);
    activeControl_ = target;
    TApplication* app = Application();
    app->FocusControl(target ? target : this);
}

void TForm::DoCreate() {
    if (OnCreate.Assigned()) OnCreate(this);
}

void TForm::FitToControls() {
    TRect box;
    bool any = false;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->Visible()) continue;
        TRect r = c->BoundsRect();
        box = any ? TRect{std::min(box.left, r.left), std::min(box.top, r.top), std::max(box.right, r.right),
                          std::max(box.bottom, r.bottom)}
                  : r;
        any = true;
    }
    if (!any) return;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c->Align() == alNone) c->SetBounds(c->Left() - box.left, c->Top() - box.top, c->Width(), c->Height());
    }
    SetBounds(Left(), Top(), box.Width() + frame_.left + frame_.right, box.Height() + frame_.top + frame_.bottom);
}

void TForm::WndProc(TMessage& m) {
    switch (m.Msg) {
        case WM_ACTIVATE:
            // Standard activation: the keyboard focus goes back into the window.
            if (m.WParam != WA_INACTIVE) FocusActive();
            break;
        case WM_CLOSE: Close(); break;
        default: TWinControl::WndProc(m);
    }
}

// ---------------------------------------------------------------- TScreen

int TScreen::Width() const { return Application()->WS().ScreenSize().x; }
int TScreen::Height() const { return Application()->WS().ScreenSize().y; }
TForm* TScreen::ActiveForm() const { return Application()->ActiveForm(); }

void TScreen::Raise(TForm* f) {
    stacking_.erase(std::remove(stacking_.begin(), stacking_.end(), f), stacking_.end());
    stacking_.insert(stacking_.begin(), f);
}

std::vector<TForm*> TScreen::StackingOrder() const {
    std::vector<TForm*> order;
    for (bool onTop : {true, false})
        for (TForm* f : stacking_)
            if (f->Visible() && (f->FormStyle() == fsStayOnTop) == onTop) order.push_back(f);
    return order;
}

// ---------------------------------------------------------------- TApplication

TApplication::TApplication(std::unique_ptr<WidgetSet> widgetSet) : TComponent(nullptr), ws_(std::move(widgetSet)) {
    g_application = this;
    Title = program_invocation_short_name;
    SetTextService(ws_->Text());
    ws_->Attach(this);
}

TApplication::~TApplication() {
    while (ComponentCount() > 0) Components(ComponentCount() - 1)->Free();
    SetTextService(nullptr);
    ws_.reset();
    g_application = nullptr;
}

void TApplication::FormCreated(TForm* f) { screen_.forms_.push_back(f); }

void TApplication::FormDestroyed(TForm* f) {
    auto& forms = screen_.forms_;
    forms.erase(std::remove(forms.begin(), forms.end(), f), forms.end());
    auto& stack = screen_.stacking_;
    stack.erase(std::remove(stack.begin(), stack.end(), f), stack.end());
    if (activeForm_ == f) activeForm_ = nullptr;
    if (mainForm_ == f) mainForm_ = nullptr;
}

void TApplication::FormHidden(TForm* f) {
    if (activeForm_ != f) return;
    // The window below takes over the activation.
    TForm* next = nullptr;
    for (TForm* candidate : screen_.StackingOrder())
        if (candidate != f) {
            next = candidate;
            break;
        }
    ActivateForm(next);
}

void TApplication::ControlLeaving(TControl* c) {
    if (mouseControl_ == c) mouseControl_ = nullptr;
    if (pressed_ == c) pressed_ = nullptr;
    if (focused_ == c) focused_ = nullptr;
    for (TForm* f : screen_.forms_) {
        if (f->activeControl_ == c) f->activeControl_ = nullptr;
        if (f->entered_ == c) f->entered_ = nullptr;
    }
}

void TApplication::ControlDestroyed(TControl* c) {
    ControlLeaving(c);
    std::erase_if(queue_, [c](const Posted& p) { return p.control == c; });
}

void TApplication::ActivateForm(TForm* form) { SetActiveFormRaw(form, true); }

void TApplication::SetActiveFormRaw(TForm* form, bool tellWidgetSet) {
    if (form == activeForm_) return;
    TForm* old = activeForm_;
    activeForm_ = form;
    focused_ = nullptr;
    if (form) {
        screen_.Raise(form);
        if (tellWidgetSet && form->Handle()) form->Handle()->Activate();
    }
    if (old) {
        old->Perform(WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(form));
        if (old->OnDeactivate.Assigned()) old->OnDeactivate(old);
    }
    if (form && activeForm_ == form) {
        form->Perform(WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(old));
        if (form->OnActivate.Assigned()) form->OnActivate(form);
    }
}

void TApplication::FocusControl(TWinControl* control) {
    if (!control) return;
    TForm* form = control->GetParentForm();
    if (!form) return;
    if (control != form && !control->CanFocus()) throw Exception("Cannot focus a disabled or invisible window");
    if (control != form) form->activeControl_ = control;
    if (activeForm_ != form) SetActiveFormRaw(form, true);
    TWinControl* target = control == form ? nullptr : control;
    focused_ = control;
    if (target != form->entered_) {
        TWinControl* old = form->entered_;
        form->entered_ = target;
        if (old && old->OnExit.Assigned()) old->OnExit(old);
        if (target && target->OnEnter.Assigned()) target->OnEnter(target);
    }
    // A window gets its activation through ActivateForm; only controls inside it take the focus here.
    if (focused_ == control && control != form && control->Handle()) control->Handle()->SetFocus();
}

void TApplication::PostMessage(TControl* target, unsigned msg, WPARAM w, LPARAM l) {
    queue_.push_back({target, 0, {msg, w, l, 0}});
}

void TApplication::PostMessage(HWND target, unsigned msg, WPARAM w, LPARAM l) {
    queue_.push_back({nullptr, target, {msg, w, l, 0}});
}

void TApplication::DispatchWithReport(TObject* sender, const std::function<void()>& fn) {
    try {
        fn();
    } catch (const std::exception& e) {
        HandleException(sender, e);
    }
}

bool TApplication::DispatchOne() {
    for (auto [wnd, id] : timers_.TakeDue(ws_->NowMs())) PostMessage(wnd, WM_TIMER, id, 0);
    if (queue_.empty()) return false;
    Posted p = queue_.front();
    queue_.pop_front();
    DispatchWithReport(p.control, [&] {
        if (p.control) {
            p.control->Perform(p.msg.Msg, p.msg.WParam, p.msg.LParam);
        } else {
            if (p.msg.Msg == WM_TIMER) timers_.TickDone(p.window, static_cast<unsigned>(p.msg.WParam));
            timers_.Deliver(p.window, p.msg);
        }
    });
    return true;
}

void TApplication::ProcessMessages() {
    ws_->ProcessEvents();
    while (DispatchOne()) {
    }
    ws_->Flush();
}

void TApplication::Idle() {
    bool done = true;
    if (OnIdle.Assigned()) DispatchWithReport(this, [&] { OnIdle(this, done); });
}

void TApplication::Run() {
    if (!mainForm_) return;
    DispatchWithReport(mainForm_, [&] { mainForm_->Show(); });
    while (!terminated_ && mainForm_) {
        ProcessMessages();
        if (terminated_) break;
        Idle();
        if (!queue_.empty()) continue;
        auto next = timers_.NextDue();
        ws_->WaitForEvents(next ? *next : -1);
    }
}

void TApplication::HandleException(TObject*, const std::exception& e) {
    MessageBox(e.what(), Title, MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    return ws_->MessageBox(text, caption, flags);
}

TControl* TApplication::ControlUnder(TPoint screen, TForm* under) const {
    if (!under || !under->Visible() || !under->BoundsRect().Contains(screen)) return nullptr;
    TPoint p = under->ScreenToClient(screen);
    if (!under->ClientRect().Contains(p)) return under;  // the frame belongs to the window
    return ControlAtPos(*under, p);
}

void TApplication::UpdateMouseControl(TPoint screen, TForm* under) {
    TControl* now = ControlUnder(screen, under);
    if (now == mouseControl_) return;
    TControl* old = mouseControl_;
    mouseControl_ = now;
    if (old) {
        old->Perform(CM_MOUSELEAVE, 0, 0);
        // The parents hear of it too, so a window learns when the mouse leaves any control in it.
        for (TControl* p = old->Parent(); p; p = p->Parent())
            p->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(old));
    }
    if (now && mouseControl_ == now) now->Perform(CM_MOUSEENTER, 0, 0);
}

void TApplication::MouseMove(TPoint screen, TForm* under) {
    DispatchWithReport(this, [&] { UpdateMouseControl(screen, under); });
}

void TApplication::MouseDown(TPoint screen, TForm* under) {
    DispatchWithReport(this, [&] {
        UpdateMouseControl(screen, under);
        pressed_ = mouseControl_;
        if (under && under != activeForm_) {
            SetActiveFormRaw(under, false);
        }
        if (pressed_) pressed_->Perform(WM_LBUTTONDOWN, 0, PackPoint(pressed_->ScreenToClient(screen)));
    });
}

void TApplication::MouseUp(TPoint screen, TForm* under) {
    DispatchWithReport(this, [&] {
        UpdateMouseControl(screen, under);
        TControl* target = pressed_;
        pressed_ = nullptr;
        if (!target) return;
        target->Perform(WM_LBUTTONUP, 0, PackPoint(target->ScreenToClient(screen)));
        if (target == mouseControl_) target->Click();
    });
}

void TApplication::ControlClicked(TControl& control) {
    DispatchWithReport(&control, [&] { control.Click(); });
}

void TApplication::MenuItemChosen(TMenuItem& item) {
    DispatchWithReport(&item, [&] { item.Click(); });
}

void TApplication::ControlFocused(TWinControl& control) {
    DispatchWithReport(&control, [&] {
        if (focused_ != &control && control.CanFocus()) FocusControl(&control);
    });
}

void TApplication::PageChosen(TWinControl& control, int index) {
    DispatchWithReport(&control, [&] {
        if (auto* pc = As<TPageControl>(&control); pc && index >= 0 && index < static_cast<int>(pc->Pages().size()))
            pc->SetActivePage(pc->Pages()[static_cast<size_t>(index)]);
    });
}

namespace {
TWinControl* FindButton(TWinControl& within, bool wantDefault) {
    for (int i = 0; i < within.ControlCount(); ++i) {
        auto* c = dynamic_cast<TWinControl*>(within.Controls(i));
        if (!c || !c->Visible() || !c->Enabled()) continue;
        if (wantDefault ? c->IsDefaultButton() : c->IsCancelButton()) return c;
        if (TWinControl* inner = FindButton(*c, wantDefault)) return inner;
    }
    return nullptr;
}
}  // namespace

void TApplication::KeyPressed(TForm& form, int key) {
    DispatchWithReport(&form, [&] {
        if (key == static_cast<int>(Key::Enter)) {
            if (focused_ && focused_->WantsReturn()) return;
            if (TWinControl* b = FindButton(form, true)) b->Click();
        } else if (key == static_cast<int>(Key::Escape)) {
            if (TWinControl* b = FindButton(form, false)) b->Click();
        } else if (key == static_cast<int>(Key::Tab)) {
            std::vector<TWinControl*> order;
            std::function<void(TWinControl&)> collect = [&](TWinControl& w) {
                for (TWinControl* c : w.TabList()) {
                    if (c->TabStop() && c->CanFocus()) order.push_back(c);
                    collect(*c);
                }
            };
            collect(form);
            if (order.empty()) return;
            auto it = std::find(order.begin(), order.end(), focused_);
            TWinControl* next = it == order.end() || std::next(it) == order.end() ? order.front() : *std::next(it);
            FocusControl(next);
        }
    });
}

void TApplication::FormGeometryChanged(TForm& form, const TRect& outer, const FrameMetrics& frame) {
    DispatchWithReport(&form, [&] {
        form.SetFrame(frame);
        form.SetBounds(outer.left, outer.top, outer.Width(), outer.Height());
    });
}

void TApplication::FormActivated(TForm& form) {
    DispatchWithReport(&form, [&] { SetActiveFormRaw(&form, false); });
}

void TApplication::FormDeactivated(TForm& form) {
    DispatchWithReport(&form, [&] {
        if (activeForm_ == &form) SetActiveFormRaw(nullptr, false);
    });
}

void TApplication::CloseRequested(TForm& form) {
    DispatchWithReport(&form, [&] { form.Close(); });
}

const TBitmap& TApplication::PaintControl(TWinControl& control) {
    DispatchWithReport(&control, [&] { PaintWindow(control, control.Backing()); });
    return control.Backing();
}

}  // namespace ui
