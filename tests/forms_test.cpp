#include <string>
#include <vector>

#include "desktop.h"
#include "ui/core/extctrls.h"

using namespace ui;

namespace {

// Records the mouse and activation messages it receives.
std::vector<std::string> g_log;

class Spot : public TGraphicControl {
    UI_CLASS(Spot, TGraphicControl)
public:
    using TGraphicControl::TGraphicControl;
    void WndProc(TMessage& m) override {
        if (m.Msg == CM_MOUSEENTER) g_log.push_back("enter " + Name());
        if (m.Msg == CM_MOUSELEAVE) g_log.push_back("leave " + Name());
        TGraphicControl::WndProc(m);
    }
    void Click() override { g_log.push_back("click " + Name()); }
};

class Box : public TPanel {
    UI_CLASS(Box, TPanel)
public:
    using TPanel::TPanel;
    void WndProc(TMessage& m) override {
        if (m.Msg == CM_MOUSELEAVE && m.LParam) g_log.push_back(Name() + " hears leave of " + reinterpret_cast<TControl*>(m.LParam)->Name());
        TPanel::WndProc(m);
    }
};

class Window : public TForm {
    UI_CLASS(Window, TForm)
public:
    using TForm::TForm;
    void WndProc(TMessage& m) override {
        if (m.Msg == WM_ACTIVATE) g_log.push_back(Name() + (m.WParam == WA_INACTIVE ? " inactive" : " active"));
        TForm::WndProc(m);
    }
};

class KeyButton : public TPanel {
    UI_CLASS(KeyButton, TPanel)
public:
    KeyButton(TComponent* owner, bool isDefault, bool isCancel) : TPanel(owner), default_(isDefault), cancel_(isCancel) {}
    bool IsDefaultButton() const override { return default_; }
    bool IsCancelButton() const override { return cancel_; }
    void Click() override { g_log.push_back("click " + Name()); }

private:
    bool default_, cancel_;
};

class FormsTest : public DesktopTest {
protected:
    FormsTest() { g_log.clear(); }
    Window* NewWindow(const char* name, TRect bounds) {
        auto* w = new Window(app.get());
        w->SetName(name);
        w->SetPosition(poDesigned);
        w->SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
        return w;
    }
};

}  // namespace

TEST_F(FormsTest, OuterSizeIncludesFrameCaptionAndMenuBar) {
    Window* w = NewWindow("W", {0, 0, 300, 200});
    const FrameMetrics f = HeadlessWidgetSet::FrameFor(bsSizeable);
    EXPECT_EQ(w->ClientWidth(), 300 - f.left - f.right);
    EXPECT_EQ(w->ClientHeight(), 200 - f.top - f.bottom);
    w->SetClientHeight(100);
    EXPECT_EQ(w->Height(), 100 + f.top + f.bottom);
    auto* menu = new TMainMenu(w);
    auto* item = new TMenuItem(w);
    item->SetCaption("&File");
    menu->Items()->Add(item);
    w->SetMenu(menu);
    EXPECT_EQ(w->Height(), 100 + f.top + f.bottom);
    EXPECT_EQ(w->ClientHeight(), 100 - HeadlessWidgetSet::kMenuBarHeight);
}

TEST_F(FormsTest, AnchorsKeepDistancesAndUnanchoredAxesStayCentredInProportion) {
    Window* w = NewWindow("W", {0, 0, 300, 200});
    w->SetClientWidth(194);
    w->SetClientHeight(278);
    struct Case {
        TAnchors anchors;
        TRect start, afterGrow;
    };
    const Case cases[] = {
        {akLeft | akTop, Bounds(6, 10, 58, 25), Bounds(6, 10, 58, 25)},
        {akLeft | akBottom, Bounds(6, 234, 58, 25), Bounds(6, 334, 58, 25)},
        {akRight | akBottom, Bounds(130, 234, 58, 25), Bounds(236, 334, 58, 25)},
        {akBottom, Bounds(68, 234, 58, 25), Bounds(121, 334, 58, 25)},
        {akLeft | akTop | akRight | akBottom, Bounds(6, 170, 182, 58), Bounds(6, 170, 288, 158)},
    };
    std::vector<TPanel*> panels;
    for (const Case& c : cases) {
        auto* p = new TPanel(w);
        p->SetParent(w);
        p->SetBounds(c.start.left, c.start.top, c.start.Width(), c.start.Height());
        p->SetAnchors(c.anchors);
        panels.push_back(p);
    }
    w->SetClientWidth(300);
    w->SetClientHeight(378);
    for (size_t i = 0; i < panels.size(); ++i) EXPECT_EQ(panels[i]->BoundsRect(), cases[i].afterGrow) << "case " << i;
    w->SetClientWidth(194);
    w->SetClientHeight(278);
    for (size_t i = 0; i < panels.size(); ++i) EXPECT_EQ(panels[i]->BoundsRect(), cases[i].start) << "back, case " << i;
}

TEST_F(FormsTest, AlignedControlsShareTheClientArea) {
    Window* w = NewWindow("W", {0, 0, 300, 200});
    auto* top = new TPanel(w);
    top->SetParent(w);
    top->SetHeight(30);
    top->SetAlign(alTop);
    auto* fill = new TPanel(w);
    fill->SetParent(w);
    fill->SetAlign(alClient);
    EXPECT_EQ(top->BoundsRect(), Bounds(0, 0, w->ClientWidth(), 30));
    EXPECT_EQ(fill->BoundsRect(), Bounds(0, 30, w->ClientWidth(), w->ClientHeight() - 30));
    w->SetWidth(400);
    EXPECT_EQ(fill->Width(), w->ClientWidth());
}

TEST_F(FormsTest, MouseEnterAndLeaveFollowTheTopmostDeepestControl) {
    Window* w = NewWindow("W", {0, 0, 400, 300});
    auto* box = new Box(w);
    box->SetName("Box");
    box->SetParent(w);
    box->SetBounds(10, 10, 200, 200);
    auto* a = new Spot(w);
    a->SetName("A");
    a->SetParent(box);
    a->SetBounds(0, 0, 50, 50);
    auto* b = new Spot(w);
    b->SetName("B");
    b->SetParent(box);
    b->SetBounds(25, 0, 50, 50);  // overlaps A, above it
    auto* hidden = new Spot(w);
    hidden->SetName("Hidden");
    hidden->SetParent(box);
    hidden->SetBounds(0, 100, 50, 50);
    hidden->Hide();
    w->Show();
    const TPoint client = w->ClientOrigin();
    auto at = [&](int x, int y) { return TPoint{client.x + 10 + x, client.y + 10 + y}; };

    desktop->MoveCursor(at(10, 10));
    desktop->MoveCursor(at(30, 10));   // the overlap belongs to B
    desktop->MoveCursor(at(30, 12));   // no change, no message
    desktop->MoveCursor(at(10, 110));  // over the hidden one: the box itself
    desktop->Click(at(60, 10));
    EXPECT_EQ(g_log, (std::vector<std::string>{"W active", "enter A", "leave A", "Box hears leave of A", "enter B", "leave B",
                                               "Box hears leave of B", "enter B", "click B"}));
    g_log.clear();
    desktop->MoveCursor({900, 700});  // off every window
    EXPECT_EQ(g_log, (std::vector<std::string>{"leave B", "Box hears leave of B"}));
}

TEST_F(FormsTest, ActivationTellsTheLosingWindowFirstAndHidingHandsItBack) {
    Window* main = NewWindow("Main", {0, 0, 400, 300});
    Window* pop = NewWindow("Pop", {50, 50, 100, 100});
    main->Show();
    pop->Show();
    EXPECT_EQ(app->ActiveForm(), pop);
    pop->Hide();
    EXPECT_EQ(app->ActiveForm(), main);
    EXPECT_EQ(g_log, (std::vector<std::string>{"Main active", "Main inactive", "Pop active", "Pop inactive", "Main active"}));
}

TEST_F(FormsTest, FocusRaisesOnEnterOnlyWhenTheFocusedControlChanges) {
    Window* main = NewWindow("Main", {0, 0, 400, 300});
    Window* other = NewWindow("Other", {50, 50, 100, 100});
    auto* panel = new TPanel(main);
    panel->SetParent(main);
    int enters = 0;
    panel->OnEnter = TNotifyEvent([&](TObject*) { ++enters; }, nullptr);
    main->Show();
    main->SetActiveControl(panel);
    EXPECT_EQ(enters, 1);
    other->Show();
    main->SetFocus();
    EXPECT_EQ(enters, 1);
    EXPECT_TRUE(panel->Focused());
}

TEST_F(FormsTest, EnterAndEscapeClickTheDefaultAndCancelButtons) {
    Window* w = NewWindow("W", {0, 0, 300, 200});
    auto* ok = new KeyButton(w, true, false);
    ok->SetName("Ok");
    ok->SetParent(w);
    auto* cancel = new KeyButton(w, false, true);
    cancel->SetName("Cancel");
    cancel->SetParent(w);
    w->Show();
    desktop->PressKey(*w, Key::Enter);
    desktop->PressKey(*w, Key::Escape);
    EXPECT_EQ(g_log, (std::vector<std::string>{"W active", "click Ok", "click Cancel"}));
}

TEST_F(FormsTest, TimersTickOnTheVirtualClockAndDieWithTheirWindow) {
    int ticks = 0;
    HWND wnd = AllocateHWnd([&](TMessage& m) {
        if (m.Msg == WM_TIMER) ++ticks;
    });
    ASSERT_EQ(SetTimer(wnd, 1, 100), 1u);
    desktop->Advance(99);
    EXPECT_EQ(ticks, 0);
    desktop->Advance(1);
    EXPECT_EQ(ticks, 1);
    desktop->Advance(250);
    EXPECT_EQ(ticks, 3);
    KillTimer(wnd, 1);
    const int before = ticks;
    desktop->Advance(500);
    EXPECT_EQ(ticks, before);
    SetTimer(wnd, 1, 100);
    DeallocateHWnd(wnd);
    desktop->Advance(500);
    EXPECT_EQ(ticks, before);
}

TEST_F(FormsTest, TimersCanRunOut) {
    HWND wnd = AllocateHWnd([](TMessage&) {});
    app->Timers().SetCapacity(0);
    EXPECT_EQ(SetTimer(wnd, 1, 100), 0u);
    app->Timers().SetCapacity(1);
    EXPECT_EQ(SetTimer(wnd, 1, 100), 1u);
    EXPECT_EQ(SetTimer(wnd, 1, 100), 1u);  // restarting the same timer takes no second one
    EXPECT_EQ(SetTimer(wnd, 2, 100), 0u);
}

TEST_F(FormsTest, AFailingHandlerShowsItsErrorAndTheProgramCarriesOn) {
    Window* w = NewWindow("W", {0, 0, 300, 200});
    auto* spot = new TPanel(w);
    spot->SetParent(w);
    spot->SetBounds(0, 0, 50, 50);
    spot->OnClick = TNotifyEvent([](TObject*) { throw Exception("the handler failed"); }, nullptr);
    w->Show();
    int idles = 0;
    app->OnIdle = TIdleEvent([&](TObject*, bool&) { ++idles; }, nullptr);
    desktop->Click(w->ClientToScreen({5, 5}));
    ASSERT_EQ(desktop->Boxes().size(), 1u);
    EXPECT_EQ(desktop->Boxes()[0].text, "the handler failed");
    EXPECT_EQ(desktop->Boxes()[0].flags, MB_OK | MB_ICONSTOP);
    desktop->RunIdle();
    EXPECT_EQ(idles, 1);
    EXPECT_FALSE(app->Terminated());
}

TEST_F(FormsTest, ClosingTheMainWindowEndsTheProgram) {
    Window* main = app->CreateForm<Window>();
    main->Show();
    main->Close();
    EXPECT_TRUE(app->Terminated());
    EXPECT_FALSE(main->Visible());
}

TEST_F(FormsTest, PostedMessagesWaitForTheLoopAndDieWithTheirTarget) {
    Window* w = NewWindow("W", {0, 0, 300, 200});
    auto* a = new Spot(w);
    a->SetName("A");
    auto* b = new Spot(w);
    b->SetName("B");
    app->PostMessage(a, CM_MOUSEENTER);
    app->PostMessage(b, CM_MOUSEENTER);
    EXPECT_TRUE(g_log.empty());  // nothing runs before the loop does
    a->Hide();                   // a hidden control still gets its message
    b->Free();
    app->ProcessMessages();
    EXPECT_EQ(g_log, (std::vector<std::string>{"enter A"}));
}

TEST(TimerTable, ATimerHasAtMostOneTickPendingAndMissedTicksAreNotMadeUp) {
    TTimerTable table;
    HWND wnd = table.AllocateHWnd([](TMessage&) {});
    ASSERT_EQ(table.SetTimer(wnd, 1, 100, 0), 1u);
    EXPECT_TRUE(table.TakeDue(99).empty());
    EXPECT_EQ(table.TakeDue(1000).size(), 1u);  // ten periods late: one tick
    EXPECT_TRUE(table.TakeDue(5000).empty());   // still pending: no second one
    table.TickDone(wnd, 1);
    EXPECT_EQ(table.NextDue(), std::optional<int64_t>(1000));
    EXPECT_EQ(table.TakeDue(1000).size(), 1u);
    TMessage m{WM_TIMER, 1, 0, 0};
    EXPECT_FALSE(table.Deliver(wnd + 1, m));  // no such window
}
