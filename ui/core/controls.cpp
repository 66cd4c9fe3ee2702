#include "ui/core/controls.h"

#include <algorithm>

#include "ui/core/forms.h"

namespace ui {

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
    if (parent_) parent_->RemoveControl(this);
    if (TApplication* app = Application()) app->ControlDestroyed(this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw EComponentError("A control cannot be its own parent");
    if (parent_) {
        if (visible_ && !IsWindowed()) parent_->InvalidateRect(BoundsRect());
        parent_->RemoveControl(this);
    }
    parent_ = nullptr;
    if (parent) parent->InsertControl(this);
    if (parentFont_) ParentFontChanged();
    if (parentColor_ && parent_) color_ = parent_->Color();
    UpdateAnchorRules();
    if (parent_ && align_ != alNone) parent_->AlignControls();
    Invalidate();
}

bool TControl::CanAutoSize(int&, int&) { return true; }

void TControl::SetAutoSize(bool on) {
    if (on == autoSize_) return;
    autoSize_ = on;
    if (on) SetBounds(left_, top_, width_, height_);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    // Like the platform, content sizing applies to placed controls only, never while loading.
    if (autoSize_ && parent_ && !Loading() && align_ != alClient) CanAutoSize(width, height);
    if (constraints_.MinWidth > 0) width = std::max(width, constraints_.MinWidth);
    if (constraints_.MinHeight > 0) height = std::max(height, constraints_.MinHeight);
    if (constraints_.MaxWidth > 0) width = std::min(width, constraints_.MaxWidth);
    if (constraints_.MaxHeight > 0) height = std::min(height, constraints_.MaxHeight);
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    const bool wasShown = visible_ && parent_;
    if (wasShown && !IsWindowed()) parent_->InvalidateRect(BoundsRect());
    const int oldClientWidth = ClientWidth(), oldClientHeight = ClientHeight();
    const bool resized = width != width_ || height != height_;
    SetBoundsQuiet(left, top, width, height);
    if (!anchoring_) UpdateAnchorRules();
    if (resized) Resized(oldClientWidth, oldClientHeight);
    if (parent_ && align_ != alNone && !anchoring_) parent_->AlignControls();
    if (wasShown && !IsWindowed()) parent_->InvalidateRect(BoundsRect());
}

void TControl::SetBoundsQuiet(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    if (auto* self = dynamic_cast<TWinControl*>(this); self && self->Handle()) {
        if (auto* form = As<TForm>(this))
            self->Handle()->SetBounds(form->BoundsRect());
        else
            self->Handle()->SetBounds(BoundsRect());
    }
}

void TControl::Resized(int, int) {}

TPoint TControl::ClientOrigin() const {
    if (!parent_) return {left_, top_};
    TPoint p = parent_->ClientOrigin();
    return {p.x + left_, p.y + top_};
}

TPoint TControl::ClientToScreen(TPoint p) const {
    TPoint o = ClientOrigin();
    return {p.x + o.x, p.y + o.y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
    TPoint o = ClientOrigin();
    return {p.x - o.x, p.y - o.y};
}

void TControl::UpdateAnchorRules() {
    anchorOrigin_ = BoundsRect();
    anchorParentWidth_ = parent_ ? parent_->ClientWidth() : 0;
    anchorParentHeight_ = parent_ ? parent_->ClientHeight() : 0;
}

void TControl::SetAnchors(TAnchors a) {
    anchors_ = a;
    UpdateAnchorRules();
}

// Keeps the distances to the anchored edges; an axis without anchors keeps the control's centre in proportion.
void TControl::ApplyAnchors(int parentWidth, int parentHeight) {
    if (align_ != alNone || anchors_ == kDefaultAnchors) return;
    const TRect& o = anchorOrigin_;
    auto axis = [](bool lowEdge, bool highEdge, int pos, int size, int oldParent, int newParent, int& outPos,
                   int& outSize) {
        const int delta = newParent - oldParent;
        outSize = size;
        if (lowEdge && highEdge) {
            outPos = pos;
            outSize = size + delta;
        } else if (highEdge) {
            outPos = pos + delta;
        } else if (lowEdge) {
            outPos = pos;
        } else {
            const int64_t centre = pos + size / 2;
            outPos = oldParent > 0 ? static_cast<int>(centre * newParent / oldParent) - size / 2 : pos;
        }
    };
    int l, t, w, h;
    axis(anchors_ & akLeft, anchors_ & akRight, o.left, o.Width(), anchorParentWidth_, parentWidth, l, w);
    axis(anchors_ & akTop, anchors_ & akBottom, o.top, o.Height(), anchorParentHeight_, parentHeight, t, h);
    anchoring_ = true;
    SetBounds(l, t, w, h);
    anchoring_ = false;
}

void TControl::SetAlign(TAlign a) {
    if (a == align_) return;
    align_ = a;
    if (parent_) parent_->AlignControls();
}

void TControl::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    if (parent_) {
        parent_->InvalidateRect(BoundsRect());
        if (align_ != alNone) parent_->AlignControls();
    }
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->parent_) {
        if (!c->visible_) return false;
        if (!c->parent_ && !As<TForm>(const_cast<TControl*>(c))) return false;
    }
    return true;
}

void TControl::SetEnabled(bool e) {
    if (e == enabled_) return;
    enabled_ = e;
    Invalidate();
}

void TControl::SetCaption(const std::string& text) {
    if (text == caption_) return;
    caption_ = text;
    Invalidate();
}

void TControl::SetColor(TColor c) {
    parentColor_ = false;
    if (c == color_) return;
    color_ = c;
    Invalidate();
}

void TControl::SetParentColor(bool on) {
    parentColor_ = on;
    if (on && parent_) {
        color_ = parent_->Color();
        Invalidate();
    }
}

void TControl::SetParentFont(bool on) {
    parentFont_ = on;
    if (on) ParentFontChanged();
}

void TControl::FontChanged() {
    parentFont_ = false;
    Invalidate();
    if (auto* w = dynamic_cast<TWinControl*>(this))
        for (int i = 0; i < w->ControlCount(); ++i) w->Controls(i)->ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!parentFont_ || !parent_) return;
    font_.Assign(parent_->Font());
    Invalidate();
    if (auto* w = dynamic_cast<TWinControl*>(this))
        for (int i = 0; i < w->ControlCount(); ++i) w->Controls(i)->ParentFontChanged();
}

void TControl::Click() {
    if (OnClick.Assigned()) OnClick(this);
}

LRESULT TControl::Perform(unsigned msg, WPARAM w, LPARAM l) {
    TMessage m{msg, w, l, 0};
    WndProc(m);
    return m.Result;
}

void TControl::WndProc(TMessage& m) {
    switch (m.Msg) {
        case WM_LBUTTONDOWN: MouseDown({static_cast<int>(m.LParam & 0xFFFF), static_cast<int>(m.LParam >> 16)}); break;
        case WM_LBUTTONUP: MouseUp({static_cast<int>(m.LParam & 0xFFFF), static_cast<int>(m.LParam >> 16)}); break;
        default: break;
    }
}

void TControl::Invalidate() {
    if (parent_ && visible_) parent_->InvalidateRect(BoundsRect());
}

void TControl::BringToFront() {
    if (parent_) {
        auto& list = parent_->controls_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        list.push_back(this);
        Invalidate();
    }
    if (auto* w = dynamic_cast<TWinControl*>(this); w && w->Handle()) w->Handle()->BringToFront();
}

void TControl::SendToBack() {
    if (!parent_) return;
    auto& list = parent_->controls_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    list.insert(list.begin(), this);
    Invalidate();
}

TForm* TControl::GetParentForm() const {
    const TControl* c = this;
    while (c->parent_) c = c->parent_;
    return As<TForm>(const_cast<TControl*>(c));
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    // Children that are owned elsewhere outlive their parent as orphans.
    while (!controls_.empty()) {
        TControl* c = controls_.back();
        controls_.pop_back();
        c->parent_ = nullptr;
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->DestroyHandle();
    }
    DestroyHandle();
}

int TWinControl::IndexOf(const TControl* c) const {
    auto it = std::find(controls_.begin(), controls_.end(), c);
    return it == controls_.end() ? -1 : static_cast<int>(it - controls_.begin());
}

void TWinControl::InsertControl(TControl* c) {
    controls_.push_back(c);
    c->parent_ = this;
    if (auto* w = dynamic_cast<TWinControl*>(c)) {
        w->DestroyHandle();  // a handle belongs to one parent window
        // A tab order set before the control had a parent takes effect now; otherwise it goes last.
        const int wanted = w->tabOrder_;
        int count = 0;
        for (TControl* s : controls_)
            if (s != c && dynamic_cast<TWinControl*>(s)) ++count;
        w->tabOrder_ = count;
        if (wanted >= 0 && wanted < count) w->SetTabOrder(wanted);
        if (handle_) w->HandleNeeded();
    }
}

void TWinControl::RemoveControl(TControl* c) {
    if (auto* w = dynamic_cast<TWinControl*>(c)) {
        w->DestroyHandle();
        w->tabOrder_ = -1;  // a new parent puts it last
    }
    controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
    c->parent_ = nullptr;
    if (TApplication* app = Application()) app->ControlLeaving(c);
}

void TWinControl::HandleNeeded() {
    if (handle_) return;
    if (Parent() && !Parent()->HandleAllocated()) return;
    if (!Application()) return;
    CreateHandle();
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->HandleNeeded();
}

void TWinControl::CreateHandle() {
    handle_ = Application()->WS().CreateHandle(*this);
    ConfigureHandle();
    handle_->SetVisible(Visible());  // last, once the window is complete
}

void TWinControl::ConfigureHandle() {
    handle_->SetBounds(BoundsRect());
    handle_->SetText(Caption());
    handle_->SetEnabled(Enabled());
}

void TWinControl::DestroyHandle() {
    if (!handle_) return;
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->DestroyHandle();
    handle_.reset();
}

void TWinControl::SetTabOrder(int order) {
    if (!Parent()) {
        tabOrder_ = order;
        return;
    }
    // The siblings make room, as on the platform: orders stay 0, 1, 2, ... without duplicates.
    std::vector<TWinControl*> list = Parent()->TabList();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    list.insert(list.begin() + std::clamp(order, 0, static_cast<int>(list.size())), this);
    for (size_t i = 0; i < list.size(); ++i) list[i]->tabOrder_ = static_cast<int>(i);
}

std::vector<TWinControl*> TWinControl::TabList() const {
    std::vector<TWinControl*> list;
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c)) list.push_back(w);
    std::stable_sort(list.begin(), list.end(), [](auto* a, auto* b) { return a->tabOrder_ < b->tabOrder_; });
    return list;
}

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return GetParentForm() != nullptr;
}

void TWinControl::SetFocus() {
    if (TApplication* app = Application()) app->FocusControl(this);
}

bool TWinControl::Focused() const { return Application() && Application()->FocusedControl() == this; }

void TWinControl::Invalidate() { InvalidateRect(ClientRect()); }

void TWinControl::InvalidateRect(const TRect& r) {
    needsPaint_ = true;
    if (handle_) handle_->Invalidate(r);
}

void TWinControl::SetCaption(const std::string& text) {
    if (text == Caption()) return;
    TControl::SetCaption(text);
    if (handle_) handle_->SetText(text);
}

void TWinControl::SetVisible(bool v) {
    if (v == Visible()) return;
    TControl::SetVisible(v);
    if (v) HandleNeeded();
    if (handle_) handle_->SetVisible(v);
    if (!v)
        if (TApplication* app = Application()) app->ControlLeaving(this);
}

void TWinControl::SetEnabled(bool e) {
    TControl::SetEnabled(e);
    if (handle_) handle_->SetEnabled(e);
}

void TWinControl::Resized(int oldClientWidth, int oldClientHeight) {
    if (ClientWidth() == oldClientWidth && ClientHeight() == oldClientHeight) return;
    for (TControl* c : std::vector<TControl*>(controls_)) c->ApplyAnchors(ClientWidth(), ClientHeight());
    AlignControls();
    Invalidate();
}

void TWinControl::AlignControls() {
    if (aligning_) return;
    aligning_ = true;
    TRect rest = ClientRect();
    auto place = [](TControl* c, int l, int t, int w, int h) {
        c->anchoring_ = true;
        c->SetBounds(l, t, w, h);
        c->anchoring_ = false;
    };
    for (TAlign a : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* c : controls_) {
            if (c->align_ != a || !c->visible_) continue;
            switch (a) {
                case alTop: place(c, rest.left, rest.top, rest.Width(), c->height_); rest.top += c->height_; break;
                case alBottom: place(c, rest.left, rest.bottom - c->height_, rest.Width(), c->height_); rest.bottom -= c->height_; break;
                case alLeft: place(c, rest.left, rest.top, c->width_, rest.Height()); rest.left += c->width_; break;
                case alRight: place(c, rest.right - c->width_, rest.top, c->width_, rest.Height()); rest.right -= c->width_; break;
                case alClient: place(c, rest.left, rest.top, rest.Width(), rest.Height()); break;
                case alNone: break;
            }
        }
    }
    aligning_ = false;
}

void PaintWindow(TWinControl& control, TBitmap& backing) {
    backing.SetSize(control.ClientWidth(), control.ClientHeight());
    const TRect full{0, 0, backing.Width(), backing.Height()};
    TCanvas canvas(backing, {0, 0}, full);
    canvas.Font.Assign(control.Font());
    if (!(control.ControlStyle() & csOpaque)) {
        canvas.BrushColor = control.Color();
        canvas.FillRect(full);
    }
    control.canvas_ = &canvas;
    try {
        control.Paint();
    } catch (...) {
        control.canvas_ = nullptr;
        throw;
    }
    control.canvas_ = nullptr;
    for (int i = 0; i < control.ControlCount(); ++i) {
        TControl* child = control.Controls(i);
        if (child->IsWindowed() || !child->Visible()) continue;
        const TRect r = child->BoundsRect().Intersect(full);
        if (r.Empty()) continue;
        TCanvas childCanvas(backing, {child->Left(), child->Top()}, r);
        childCanvas.Font.Assign(child->Font());
        child->canvas_ = &childCanvas;
        try {
            child->Paint();
        } catch (...) {
            child->canvas_ = nullptr;
            throw;
        }
        child->canvas_ = nullptr;
    }
    control.ClearNeedsPaint();
}

TControl* ControlAtPos(TWinControl& root, TPoint p) {
    for (int i = root.ControlCount() - 1; i >= 0; --i) {
        TControl* c = root.Controls(i);
        if (!c->Visible() || !c->Enabled() || !c->BoundsRect().Contains(p)) continue;
        if (auto* w = dynamic_cast<TWinControl*>(c)) return ControlAtPos(*w, {p.x - c->Left(), p.y - c->Top()});
        return c;
    }
    return &root;
}

}  // namespace ui
