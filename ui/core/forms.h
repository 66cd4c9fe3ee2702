// Top-level windows (forms), the screen and the application object.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "ui/core/controls.h"
#include "ui/core/menus.h"
#include "ui/core/timers.h"
#include "ui/ws/widgetset.h"

namespace ui {

enum TBorderStyle : uint8_t { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TFormStyle : uint8_t { fsNormal, fsStayOnTop };
enum TWindowState : uint8_t { wsNormal, wsMinimized, wsMaximized };
enum TPosition : uint8_t { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poMainFormCenter };
enum TCloseAction : uint8_t { caNone, caHide, caFree, caMinimize };
using TCloseEvent = TEvent<void(TObject* sender, TCloseAction& action)>;

class TForm : public TWinControl {
    UI_CLASS(TForm, TWinControl)
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    bool SelfPainted() const override { return true; }
    // Width and Height are the outer size; the client area excludes frame, caption and menu bar.
    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetClientWidth(int w);
    void SetClientHeight(int h);
    TPoint ClientOrigin() const override;
    const FrameMetrics& Frame() const { return frame_; }

    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle s);
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle s);
    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState s);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition p) { position_ = p; }
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool on) { autoScroll_ = on; }
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);
    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* c);

    TNotifyEvent OnCreate, OnActivate, OnDeactivate;
    TCloseEvent OnClose;

    void Show();
    void Close();
    // Activates the window and focuses its active control.
    void SetFocus();
    bool Active() const;
    // Runs OnCreate; the description reader calls it once the window is complete.
    void DoCreate();
    // Fits the client area to the bounding box of the visible controls, moving them to the top-left corner.
    void FitToControls();

    void SetBounds(int left, int top, int width, int height) override;
    void SetVisible(bool v) override;
    void WndProc(TMessage& m) override;

protected:
    void BeforeDestruction() override;
    void ConfigureHandle() override;
    void Paint() override {}

private:
    friend class TApplication;
    void SetFrame(const FrameMetrics& f);
    void PlaceForShow();
    // Moves the keyboard focus to the active control (or the first focusable one), raising OnEnter on a change.
    void FocusActive();
    TWinControl* FirstFocusable(TWinControl& within) const;

    FrameMetrics frame_;
    TBorderStyle borderStyle_ = bsSizeable;
    TFormStyle formStyle_ = fsNormal;
    TWindowState windowState_ = wsNormal;
    TPosition position_ = poDefaultPosOnly;
    bool autoScroll_ = true;
    bool shownOnce_ = false;
    TMainMenu* menu_ = nullptr;
    TWinControl* activeControl_ = nullptr;
    TWinControl* entered_ = nullptr;  // the control that last received OnEnter in this form
    TRect normalBounds_;  // to return to from the maximised state
};

class TScreen {
public:
    int Width() const;
    int Height() const;
    // The application's forms in order of creation.
    int FormCount() const { return static_cast<int>(forms_.size()); }
    TForm* Forms(int i) const { return forms_.at(static_cast<size_t>(i)); }
    TForm* ActiveForm() const;
    // Visible forms from the top of the stacking order down.
    std::vector<TForm*> StackingOrder() const;

private:
    friend class TForm;
    friend class TApplication;
    void Raise(TForm* f);
    std::vector<TForm*> forms_;
    std::vector<TForm*> stacking_;  // front first
    int cascade_ = 0;               // windows placed at the default position so far
};

using TIdleEvent = TEvent<void(TObject* sender, bool& done)>;

class TApplication : public TComponent, public WidgetSetEvents {
    UI_CLASS(TApplication, TComponent)
public:
    explicit TApplication(std::unique_ptr<WidgetSet> widgetSet);
    ~TApplication() override;

    WidgetSet& WS() { return *ws_; }
    TScreen& Screen() { return screen_; }
    TTimerTable& Timers() { return timers_; }
    TForm* MainForm() const { return mainForm_; }
    // The first form created becomes the main form.
    template <class T> T* CreateForm() {
        T* form = new T(this);
        if (!mainForm_) mainForm_ = form;
        return form;
    }
    std::string Title;
    TIdleEvent OnIdle;

    // Shows the main form and processes messages until the main form closes.
    void Run();
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    // Dispatches everything pending (window-system events, posted messages, due timers, paints) without blocking.
    void ProcessMessages();
    // Runs the idle event as the message loop does once the queue is empty.
    void Idle();
    void PostMessage(TControl* target, unsigned msg, WPARAM w = 0, LPARAM l = 0);
    void PostMessage(HWND target, unsigned msg, WPARAM w = 0, LPARAM l = 0);

    // Shows the error's text in a message box; the program carries on.
    void HandleException(TObject* sender, const std::exception& e);
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags);

    TForm* ActiveForm() const { return activeForm_; }
    // Makes `form` the active window, sending WM_ACTIVATE to the form losing and the form gaining it.
    void ActivateForm(TForm* form);
    TWinControl* FocusedControl() const { return focused_; }
    void FocusControl(TWinControl* control);
    TControl* MouseControl() const { return mouseControl_; }

    // WidgetSetEvents
    void MouseMove(TPoint screen, TForm* under) override;
    void MouseDown(TPoint screen, TForm* under) override;
    void MouseUp(TPoint screen, TForm* under) override;
    void ControlClicked(TControl& control) override;
    void MenuItemChosen(TMenuItem& item) override;
    void ControlFocused(TWinControl& control) override;
    void PageChosen(TWinControl& control, int index) override;
    void KeyPressed(TForm& form, int key) override;
    void FormGeometryChanged(TForm& form, const TRect& outer, const FrameMetrics& frame) override;
    void FormActivated(TForm& form) override;
    void FormDeactivated(TForm& form) override;
    void CloseRequested(TForm& form) override;
    const TBitmap& PaintControl(TWinControl& control) override;

    // A control was hidden or moved to another parent: it no longer has the mouse or the focus.
    void ControlLeaving(TControl* c);
    // Called by controls as they go, so that no reference to them outlives them.
    void ControlDestroyed(TControl* c);
    void FormCreated(TForm* f);
    void FormDestroyed(TForm* f);
    void FormHidden(TForm* f);

private:
    struct Posted {
        TControl* control;
        HWND window;
        TMessage msg;
    };
    bool DispatchOne();
    void DispatchWithReport(TObject* sender, const std::function<void()>& fn);
    TControl* ControlUnder(TPoint screen, TForm* under) const;
    void UpdateMouseControl(TPoint screen, TForm* under);
    void SetActiveFormRaw(TForm* form, bool tellWidgetSet);

    std::unique_ptr<WidgetSet> ws_;
    TScreen screen_;
    TTimerTable timers_;
    TForm* mainForm_ = nullptr;
    TForm* activeForm_ = nullptr;
    TWinControl* focused_ = nullptr;
    TControl* mouseControl_ = nullptr;
    TControl* pressed_ = nullptr;
    std::deque<Posted> queue_;
    bool terminated_ = false;
};

// The application object of this process (or of the running test).
TApplication* Application();
// The cursor position in screen coordinates.
TPoint GetCursorPos();

}  // namespace ui
