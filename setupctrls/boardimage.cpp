#include "setupctrls/boardimage.h"

#include "setupctrls/highlight.h"

namespace setupctrls {

TBoardImage::TBoardImage(TComponent* owner) : TCustomPanel(owner) {
    SetBoundsQuiet(Left(), Top(), 105, 105);
    SetAutoSize(true);
    picture_.OnChange = [this](TObject* sender) { PictureUpdated(sender); };
}

void TBoardImage::SetFlag(bool& flag, bool on) {
    if (flag == on) return;
    flag = on;
    PictureUpdated(&picture_);
}

TRect TBoardImage::DrawRect() const {
    const int pw = picture_.Width(), ph = picture_.Height();
    if (stretch_) return ClientRect();
    if (center_) return Bounds((Width() - pw) / 2, (Height() - ph) / 2, pw, ph);
    return Bounds(0, 0, pw, ph);
}

bool TBoardImage::CanAutoSize(int& newWidth, int& newHeight) {
    if (Align() == alNone || Align() == alLeft || Align() == alRight) newWidth = picture_.Width();
    if (Align() == alNone || Align() == alTop || Align() == alBottom) newHeight = picture_.Height();
    return true;
}

void TBoardImage::WndProc(TMessage& m) {
    if (m.Msg != WM_BOARDSTART) return TCustomPanel::WndProc(m);
    if (!first_) return;
    // The received parameters (0) go on, so the highlight passes the enter and leave to its twins.
    TMessage enter{CM_MOUSEENTER, m.WParam, m.LParam, 0};
    first_->WndProc(enter);
    first_->Click();
    TMessage leave{CM_MOUSELEAVE, m.WParam, m.LParam, 0};
    first_->WndProc(leave);
}

uintptr_t TBoardImage::GetPalette() const { return picture_.Graphic() ? picture_.Graphic()->Palette() : 0; }

void TBoardImage::Paint() {
    if (!FPositionRecorded) {
        FDesignLeft = Left();
        FDesignTop = Top();
        FPositionRecorded = true;
    }
    if (centerOnForm_ && Parent()) {
        // The parent's outer size: for a window, frame, caption and menu bar included.
        SetBounds((Parent()->Width() - Width()) / 2, (Parent()->Height() - Height()) / 2, Width(), Height());
    }
    const bool saved = FDrawing;
    FDrawing = true;
    try {
        if (TGraphic* g = picture_.Graphic()) Canvas()->StretchDraw(DrawRect(), *g);
    } catch (...) {
        FDrawing = saved;
        throw;
    }
    FDrawing = saved;
}

void TBoardImage::PictureUpdated(TObject*) {
    const int pw = picture_.Width(), ph = picture_.Height();
    if (AutoSize() && pw > 0 && ph > 0) SetBounds(Left(), Top(), pw, ph);
    if (TGraphic* g = picture_.Graphic()) {
        g->SetTransparent(transparent_);
        const bool covers = !g->Transparent() && (stretch_ || (g->Width() >= Width() && g->Height() >= Height()));
        SetControlStyle(covers ? ControlStyle() | csOpaque : ControlStyle() & ~csOpaque);
        // Pictures here carry no palette, so a reported palette change needs no realising.
        if (Visible() && !Loading() && g->PaletteModified()) g->SetPaletteModified(false);
    } else {
        SetControlStyle(ControlStyle() & ~csOpaque);
    }
    if (!FDrawing) Invalidate();
}

}  // namespace setupctrls
