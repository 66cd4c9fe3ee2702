// The highlight's popup window: building, sizing and placing it, and closing it.
#include "setupctrls/boardimage.h"
#include "setupctrls/highlight.h"

namespace setupctrls {

namespace {
constexpr int kStatusHeight = 19;
constexpr int kButtonWidth = 58, kButtonHeight = 25;
constexpr int kMinWidth = 194, kMinHeight = 122;

TButton* AddButton(TPopupForm* popup, const char* name, const char* caption, TRect bounds, TAnchors anchors,
                   TNotifyEvent onClick) {
    auto* b = new TButton(popup);
    b->SetName(name);
    b->SetCaption(caption);
    b->SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
    b->SetParent(popup);
    b->SetAnchors(anchors);
    b->OnClick = std::move(onClick);
    return b;
}
}  // namespace

void TBoardHighlight::ShowPopup() {
    // 1. A popup that exists is only shown again, where and as large as it was.
    if (FPopup) {
        if (!FPopup->Visible()) FPinned = false;
        FPopup->Show();
        return;
    }
    // 2. A twin's popup, shown or hidden, is found by caption and tag: then this highlight builds none.
    TScreen& screen = Application()->Screen();
    for (int i = 0; i < screen.FormCount(); ++i) {
        TForm* f = screen.Forms(i);
        if (f->Caption() == FCaptionText && f->Tag() == highlightType_) return;
    }
    // 3.
    auto* popup = new TPopupForm(this);
    FPopup = popup;
    popup->FHighlight = this;
    popup->SetAutoScroll(false);
    popup->SetBorderStyle(bsSizeToolWin);
    popup->SetFormStyle(fsStayOnTop);
    FPinned = false;
    // 4. The panel moves into the popup for good.
    TRadioPanel* panel = radioPanel_;
    int memoHeight = 58, px = 0, py = 0;
    if (panel) {
        memoHeight = panel->MemoHeight();
        popup->OnActivate = panel->OnActivate;
        popup->OnDeactivate = panel->OnDeactivate;
        px = panel->Left();
        py = panel->Top();
        panel->SetBounds(0, 0, panel->Width(), panel->Height());
        panel->Show();
        popup->SetClientWidth(panel->Width());
        popup->SetClientHeight(panel->Height() + 32 + memoHeight + kStatusHeight);
        panel->SetParent(popup);
        panel->SetAnchors(panel->FinalAnchors());
        panel->FInPopup = true;
    } else {
        popup->SetBounds(popup->Left(), popup->Top(), 194, 141);
    }
    // 5. It can be enlarged, never made smaller than it opened.
    popup->SetCaption(FCaptionText);
    popup->SetBounds(popup->Left(), popup->Top(), std::max(popup->Width(), kMinWidth), std::max(popup->Height(), kMinHeight));
    popup->Constraints().MinWidth = popup->Width();
    popup->Constraints().MinHeight = popup->Height();
    popup->SetTag(highlightType_);
    popup->SetPosition(poDesigned);
    // 6. Where the panel was designed, moved by as much as the board has moved; used as screen position.
    TWinControl* p = Parent();
    int dx = 0, dy = 0;
    if (p && p->ClassNameIs("TBoardImage")) {
        dx = static_cast<TBoardImage*>(p)->FDesignLeft - px;
        dy = static_cast<TBoardImage*>(p)->FDesignTop - py;
    }
    if (!panel) {
        dx = 0;
        dy = -((p ? p->Height() : 0) + 38);
    }
    popup->SetBounds((p ? p->Left() : 0) - dx, (p ? p->Top() : 0) - dy, popup->Width(), popup->Height());
    // 7.
    popup->OnClose = TCloseEvent([this](TObject* s, TCloseAction& a) { PopupClosed(s, a); }, this);
    // 8. - 10. Status bar, buttons and memo, laid out on the settled client area.
    const int cw = popup->ClientWidth(), ch = popup->ClientHeight();
    auto* status = new TStatusBar(popup);
    popup->PopupStatus = status;
    status->SetName("PopupStatus");
    status->SetAlign(alNone);
    status->SetBounds(0, ch - kStatusHeight, cw, kStatusHeight);
    status->SetParent(popup);
    status->SetAnchors(akLeft | akRight | akBottom);
    status->AddPanel().Bevel = false;
    const int buttonTop = ch - 44;
    AddButton(popup, "PreviousButton", "Previous", Bounds(6, buttonTop, kButtonWidth, kButtonHeight), akLeft | akBottom,
              TNotifyEvent([this](TObject* s) { PreviousClick(s); }, this));
    AddButton(popup, "NextButton", "Next", Bounds((cw - kButtonWidth) / 2, buttonTop, kButtonWidth, kButtonHeight), akBottom,
              TNotifyEvent([this](TObject* s) { NextClick(s); }, this));
    TButton* done = AddButton(popup, "DoneButton", "Done", Bounds(cw - 64, buttonTop, kButtonWidth, kButtonHeight),
                              akRight | akBottom, TNotifyEvent([this](TObject* s) { DoneClick(s); }, this));
    auto* memo = new TMemo(popup);
    memo->SetName("StatusMemo");
    memo->SetBounds(6, done->Top() - 6 - memoHeight, cw - 12, memoHeight);
    memo->SetReadOnly(true);
    memo->SetScrollBars(ssVertical);
    memo->Lines().Clear();
    memo->SetParent(popup);
    memo->SetAnchors(akLeft | akTop | akRight | akBottom);
    if (panel) memo->Lines().Assign(panel->Lines());
    // 11. Into the screen; a window larger than the screen ends on its right or bottom edge.
    const int sw = Application()->Screen().Width(), sh = Application()->Screen().Height();
    int left = popup->Left(), top = popup->Top();
    if (left < 0)
        left = 0;
    else if (left + popup->Width() > sw)
        left = sw - popup->Width();
    if (top < 0)
        top = 0;
    else if (top + popup->Height() > sh)
        top = sh - popup->Height();
    popup->SetBounds(left, top, popup->Width(), popup->Height());
    // 12. Giving the panel the focus raises its OnEnter.
    popup->Show();
    popup->SetActiveControl(panel ? static_cast<TWinControl*>(panel) : done);
    popup->SetFocus();
}

void TBoardHighlight::PopupClosed(TObject*, TCloseAction&) {
    CheckMenuEntry(false);
    if (FPopup) FPopup->FCloseOnLeave = false;
    ClearHover();
    ForEachTwin([](TBoardHighlight* twin) { twin->ClearHover(); });
}

void TBoardHighlight::DoneClick(TObject*) {
    if (FPopup) FPopup->Close();
}

}  // namespace setupctrls
