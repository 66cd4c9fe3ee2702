#include "ui/core/stdctrls.h"

#include <algorithm>

namespace ui {

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    SetBoundsQuiet(0, 0, 65, 17);
    SetControlStyle(ControlStyle() | csReplicatable);
    SetParentColor(true);
    TControl::SetAutoSize(true);
}

void TLabel::SetAlignment(TAlignment a) {
    alignment_ = a;
    Invalidate();
}

void TLabel::SetWordWrap(bool on) {
    wordWrap_ = on;
    AdjustSize();
    Invalidate();
}

void TLabel::SetTransparent(bool on) {
    transparent_ = on;
    Invalidate();
}

void TLabel::SetCaption(const std::string& text) {
    TGraphicControl::SetCaption(text);
    AdjustSize();
}

void TLabel::SetAutoSize(bool on) {
    TGraphicControl::SetAutoSize(on);
    AdjustSize();
}

bool TLabel::CanAutoSize(int& newWidth, int& newHeight) {
    TextService* ts = GetTextService();
    if (!ts) return true;
    int lines = 1;
    int widest = 0;
    size_t start = 0;
    const std::string& text = Caption();
    for (;;) {
        size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        widest = std::max(widest, ts->TextWidth(Font(), line));
        if (end == std::string::npos) break;
        ++lines;
        start = end + 1;
    }
    if (Align() != alTop && Align() != alBottom && !wordWrap_) newWidth = widest;
    newHeight = lines * ts->TextHeight(Font());
    return true;
}

void TLabel::AdjustSize() {
    if (AutoSize() && !Loading()) SetBounds(Left(), Top(), Width(), Height());
}

void TLabel::Paint() {
    TCanvas& c = *Canvas();
    if (!transparent_) {
        c.BrushColor = Color();
        c.FillRect(ClientRect());
    }
    unsigned flags = TextService::ExpandTabs;
    if (alignment_ == taRightJustify) flags |= TextService::Right;
    if (alignment_ == taCenter) flags |= TextService::Center;
    if (wordWrap_) flags |= TextService::WordBreak;
    c.TextRect(ClientRect(), Caption(), flags);
}

TButton::TButton(TComponent* owner) : TNativeControl(owner) {
    SetBoundsQuiet(0, 0, 75, 25);
    SetTabStop(true);
}

void TButton::SetDefault(bool on) {
    default_ = on;
    ContentChanged();
}

TMemo::TMemo(TComponent* owner) : TNativeControl(owner) {
    SetBoundsQuiet(0, 0, 185, 89);
    SetTabStop(true);
    SetColor(clWindow);
    lines_.OnChange = [this] { ContentChanged(); };
}

}  // namespace ui
