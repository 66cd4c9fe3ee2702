#include "ui/core/extctrls.h"

namespace ui {

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
    SetBoundsQuiet(0, 0, 185, 41);
    SetControlStyle(ControlStyle() | csAcceptsControls);
}

void TCustomPanel::SetName(const std::string& name) {
    const bool follow = Caption() == Name();
    TCustomControl::SetName(name);
    if (follow) SetCaption(name);
}

void TCustomPanel::SetBevelOuter(TBevelCut b) {
    bevelOuter_ = b;
    Invalidate();
}
void TCustomPanel::SetBevelInner(TBevelCut b) {
    bevelInner_ = b;
    Invalidate();
}
void TCustomPanel::SetBevelWidth(int w) {
    bevelWidth_ = w;
    Invalidate();
}
void TCustomPanel::SetBorderWidth(int w) {
    borderWidth_ = w;
    Invalidate();
}
void TCustomPanel::SetPanelBorderStyle(TPanelBorderStyle s) {
    borderStyle_ = s;
    Invalidate();
}

void TCustomPanel::Paint() {
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    auto frame = [&](TBevelCut cut) {
        if (cut == bvNone) return;
        const TColor light = cut == bvRaised ? clWhite : RGB(160, 160, 160);
        const TColor dark = cut == bvRaised ? RGB(160, 160, 160) : clWhite;
        for (int i = 0; i < bevelWidth_; ++i) {
            c.BrushColor = light;
            c.FillRect({r.left, r.top, r.right, r.top + 1});
            c.FillRect({r.left, r.top, r.left + 1, r.bottom});
            c.BrushColor = dark;
            c.FillRect({r.left, r.bottom - 1, r.right, r.bottom});
            c.FillRect({r.right - 1, r.top, r.right, r.bottom});
            r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
        }
    };
    frame(bevelOuter_);
    r = {r.left + borderWidth_, r.top + borderWidth_, r.right - borderWidth_, r.bottom - borderWidth_};
    frame(bevelInner_);
    if (!Caption().empty()) c.TextRect(r, Caption(), TextService::Center);
}

}  // namespace ui

namespace ui {

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
    SetBoundsQuiet(0, 0, 105, 105);
    picture_.OnChange = [this](TObject*) { PictureChanged(); };
}

void TImage::PictureChanged() {
    if (TGraphic* g = picture_.Graphic()) g->SetTransparent(transparent_);
    if (AutoSize() && picture_.Width() > 0 && picture_.Height() > 0) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
    Invalidate();
}

void TImage::SetCenter(bool on) {
    center_ = on;
    Invalidate();
}

void TImage::SetStretch(bool on) {
    stretch_ = on;
    Invalidate();
}

void TImage::SetTransparent(bool on) {
    transparent_ = on;
    PictureChanged();
}

bool TImage::CanAutoSize(int& newWidth, int& newHeight) {
    if (picture_.Width() > 0 && picture_.Height() > 0) {
        newWidth = picture_.Width();
        newHeight = picture_.Height();
    }
    return true;
}

TRect TImage::DestRect() const {
    if (stretch_) return ClientRect();
    if (center_) return Bounds((Width() - picture_.Width()) / 2, (Height() - picture_.Height()) / 2, picture_.Width(), picture_.Height());
    return Bounds(0, 0, picture_.Width(), picture_.Height());
}

void TImage::Paint() {
    if (TGraphic* g = picture_.Graphic()) Canvas()->StretchDraw(DestRect(), *g);
}

}  // namespace ui
