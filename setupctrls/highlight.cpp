#include "setupctrls/highlight.h"

#include "setupctrls/boardimage.h"
#include "setupctrls/renderring.h"

namespace setupctrls {

const THighlightKind& KindOf(THighlightType t) {
    static const THighlightKind kinds[] = {
        {0x00FF0000, 0.25f, 1.0f, 0.5f, "&Options", "Options"},
        {0x0000FFFF, 0.5f, 1.0f, 0.75f, "&Settings", "Settings"},
        {0x000000FF, 0.5f, 1.0f, 0.75f, "&Calibration", "Calibration"},
    };
    return kinds[t];
}

TBoardHighlight::TBoardHighlight(TComponent* owner) : TGraphicControl(owner) {
    SetControlStyle(ControlStyle() | csReplicatable);
    SetBoundsQuiet(Left(), Top(), 65, 65);
    // The stored kind starts as htOptions, so this write sets the colour and strengths of htSettings.
    SetHighlightType(htSettings);
}

bool TBoardHighlight::OnBoardImage() const { return Parent() && Parent()->ClassNameIs("TBoardImage"); }

bool TBoardHighlight::IsTwin(const TControl* c) const {
    if (!c || !c->ClassNameIs("TBoardHighlight")) return false;
    const auto* h = static_cast<const TBoardHighlight*>(c);
    return h->title_ == title_ && h->highlightType_ == highlightType_;
}

void TBoardHighlight::ForEachTwin(const std::function<void(TBoardHighlight*)>& fn) {
    if (!OnBoardImage()) return;
    TWinControl* parent = Parent();
    const int count = parent->ControlCount();
    for (int i = 0; i < count && i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (IsTwin(c)) fn(static_cast<TBoardHighlight*>(c));
    }
}

void TBoardHighlight::SetHighlightType(THighlightType t) {
    if (t == highlightType_) return;
    highlightType_ = t;
    const THighlightKind& k = KindOf(t);
    FMarkerColor = k.color;
    FNormalStrength = k.normal;
    FHotStrength = k.hot;
    FActiveStrength = k.active;
    Invalidate();
}

void TBoardHighlight::SetTitle(const std::string& title) {
    if (title == title_) return;
    title_ = title;
    FCaptionText = StripAmpersands(title);
    FIdentName = MakeIdentifier(title);
}

std::string TBoardHighlight::StripAmpersands(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != '&') out += c;
    return out;
}

std::string TBoardHighlight::MakeIdentifier(const std::string& text) {
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    std::string out;
    for (char c : text) {
        if (out.empty() ? letter(c) : (letter(c) || digit(c))) out += c;
    }
    return out;
}

void TBoardHighlight::SetRadioPanel(TRadioPanel* panel) {
    if (panel == radioPanel_) return;
    if (!panel) {
        radioPanel_ = nullptr;
        return;
    }
    // Without a parent there are no other highlights to conflict with: the panel is stored.
    if (TWinControl* parent = Parent()) {
        for (int i = 0; i < parent->ControlCount(); ++i) {
            TControl* c = parent->Controls(i);
            if (c == this || !c->ClassNameIs("TBoardHighlight")) continue;
            const auto* other = static_cast<const TBoardHighlight*>(c);
            if (other->radioPanel_ == panel && !IsTwin(other)) return;  // refused silently
        }
    }
    radioPanel_ = panel;
}

void TBoardHighlight::Paint() {
    if (!FMarkersBuilt) {
        BuildMarkers();
        if (OnBoardImage()) {
            FMenu = static_cast<TBoardImage*>(Parent())->Menu();
            RegisterInMenu();
        } else {
            FMenu = nullptr;
        }
        FMarkersBuilt = true;
    }
    const TBitmap& marker = FLit && FMouseInside ? FHotMarker : (FLit || FMouseInside) ? FActiveMarker : FNormalMarker;
    BitBlt(*Canvas(), 0, 0, Width(), Height(), const_cast<TBitmap&>(marker).Canvas(), 0, 0, SRCCOPY);
}

void TBoardHighlight::BuildMarkers() {
    const int w = Width(), h = Height();
    for (TBitmap* m : {&FNormalMarker, &FHotMarker, &FActiveMarker}) m->SetSize(w, h);
    const struct {
        TBitmap* bitmap;
        float strength;
        bool hot;
    } markers[] = {{&FNormalMarker, FNormalStrength, false}, {&FHotMarker, FHotStrength, true}, {&FActiveMarker, FActiveStrength, false}};
    for (const auto& m : markers) {
        // The control's canvas shows what its parent and the lower highlights painted beneath it.
        m.bitmap->Canvas().CopyRect({0, 0, w, h}, *Canvas(), {0, 0, w, h});
        RenderRing(*m.bitmap, w - 1, h - 1, m.strength, FMarkerColor, m.hot);
    }
}

void TBoardHighlight::WndProc(TMessage& m) {
    switch (m.Msg) {
        case CM_MOUSEENTER: MouseEnter(m); return;
        case CM_MOUSELEAVE: MouseLeave(m); return;
        default: TGraphicControl::WndProc(m);
    }
}

void TBoardHighlight::MouseEnter(const TMessage& m) {
    if (FMouseInside) return;
    FMouseInside = true;
    Invalidate();
    if (createPopup_) ShowPopup();
    if (m.WParam == 1) return;
    ForEachTwin([](TBoardHighlight* twin) { twin->Perform(CM_MOUSEENTER, 1, 0); });
}

void TBoardHighlight::MouseLeave(const TMessage& m) {
    if (!FMouseInside) return;
    if (FPopup && !FPinned) {
        const TPoint cursor = GetCursorPos();
        const TPoint p{cursor.x - FPopup->Left(), cursor.y - FPopup->Top()};
        if (PtInRect({0, 0, FPopup->Width(), FPopup->Height()}, p)) {
            FPopup->FCloseOnLeave = true;
            PinPopup();
        } else {
            FPopup->Close();
        }
    } else if (!FPopup) {
        // With no popup here or at a twin, nothing would ever close: the hover ends with the mouse.
        bool twinHasPopup = false;
        ForEachTwin([&](TBoardHighlight* twin) { twinHasPopup = twinHasPopup || twin->FPopup; });
        if (!twinHasPopup) ClearHover();
    }
    if (m.WParam == 1) return;
    ForEachTwin([](TBoardHighlight* twin) { twin->Perform(CM_MOUSELEAVE, 1, 0); });
}

void TBoardHighlight::Click() {
    TGraphicControl::Click();
    PinPopup();
}

void TBoardHighlight::PinPopup() {
    if (FPopup) {
        FPinned = true;
        CheckMenuEntry(true);
    }
    ForEachTwin([](TBoardHighlight* twin) { twin->PinAndFocus(); });
}

void TBoardHighlight::PinAndFocus() {
    if (!FPopup) return;
    FPinned = true;
    CheckMenuEntry(true);
    FPopup->SetFocus();
}

void TBoardHighlight::SetLit(bool value) {
    auto light = [value](TBoardHighlight* h) {
        h->FLit = value;
        h->BringToFront();
        h->Invalidate();
    };
    light(this);
    if (!OnBoardImage()) return;
    // A twin that has been lit moves to the end of the list, beyond the shrinking limit: each once.
    TWinControl* parent = Parent();
    int i = 0, n = parent->ControlCount();
    while (i < n) {
        TControl* c = parent->Controls(i);
        if (c != this && IsTwin(c)) {
            light(static_cast<TBoardHighlight*>(c));
            --n;
        } else {
            ++i;
        }
    }
}

void TBoardHighlight::ClearHover() {
    FMouseInside = false;
    Invalidate();
}

}  // namespace setupctrls
