// Controls: bounds, anchors, align, visibility, messages, windowed and graphic controls.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/core/classes.h"
#include "ui/core/graphics.h"
#include "ui/core/types.h"
#include "ui/ws/widgetset.h"

namespace ui {

class TWinControl;
class TForm;

enum TAlign : uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAnchorKind : uint8_t { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = uint8_t;
constexpr TAnchors kDefaultAnchors = akLeft | akTop;

enum TControlStyleFlag : uint32_t { csOpaque = 1, csReplicatable = 2, csAcceptsControls = 4 };

struct TSizeConstraints {
    int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
};

class TControl : public TComponent {
    UI_CLASS(TControl, TComponent)
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    virtual int ClientWidth() const { return width_; }
    virtual int ClientHeight() const { return height_; }
    TRect ClientRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }
    // Screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors a);
    TAlign Align() const { return align_; }
    void SetAlign(TAlign a);
    TSizeConstraints& Constraints() { return constraints_; }
    // Sizes follow content when on; classes that support it answer CanAutoSize.
    bool AutoSize() const { return autoSize_; }
    virtual void SetAutoSize(bool on);
    virtual bool CanAutoSize(int& newWidth, int& newHeight);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible itself and every parent up to a visible form.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool e);

    const std::string& Caption() const { return caption_; }
    virtual void SetCaption(const std::string& text);
    TColor Color() const { return color_; }
    void SetColor(TColor c);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool on);
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool on);
    // Call after changing Font() directly.
    void FontChanged();
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool on) { showHint_ = on; }
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool on) { parentShowHint_ = on; }

    uint32_t ControlStyle() const { return controlStyle_; }
    void SetControlStyle(uint32_t s) { controlStyle_ = s; }

    TNotifyEvent OnClick;
    virtual void Click();

    LRESULT Perform(unsigned msg, WPARAM w = 0, LPARAM l = 0);
    virtual void WndProc(TMessage& m);

    // Marks the control for repainting; paints happen later.
    virtual void Invalidate();
    void BringToFront();
    void SendToBack();

    // The canvas the control paints on; valid only while it is being painted.
    TCanvas* Canvas() const { return canvas_; }
    TForm* GetParentForm() const;
    virtual bool IsWindowed() const { return false; }

protected:
    virtual void Paint() {}
    virtual void MouseDown(TPoint) {}
    virtual void MouseUp(TPoint) {}
    // Called after this control's size changed, with the old client size.
    virtual void Resized(int oldClientWidth, int oldClientHeight);
    void SetBoundsQuiet(int left, int top, int width, int height);

private:
    friend class TWinControl;
    friend class TApplication;
    friend void PaintWindow(TWinControl&, TBitmap&);
    void UpdateAnchorRules();
    void ApplyAnchors(int parentWidth, int parentHeight);
    void ParentFontChanged();

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAnchors anchors_ = kDefaultAnchors;
    TAlign align_ = alNone;
    TSizeConstraints constraints_;
    bool autoSize_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    TFont font_;
    bool parentFont_ = true;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    uint32_t controlStyle_ = 0;
    TCanvas* canvas_ = nullptr;
    // Where the control stood, and the parent's client size, when its anchors were last taken.
    TRect anchorOrigin_;
    int anchorParentWidth_ = 0, anchorParentHeight_ = 0;
    bool anchoring_ = false;
};

class TWinControl : public TControl {
    UI_CLASS(TWinControl, TControl)
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // Children in z-order: index 0 is the bottom-most.
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int i) const { return controls_.at(static_cast<size_t>(i)); }
    int IndexOf(const TControl* c) const;

    WindowHandle* Handle() const { return handle_.get(); }
    bool HandleAllocated() const { return handle_ != nullptr; }
    // Creates the window handle (and those of windowed children) when the parent chain has one.
    void HandleNeeded();
    bool IsWindowed() const override { return true; }
    // Controls that paint themselves into a backing bitmap (panels, forms); native ones do not.
    virtual bool SelfPainted() const { return false; }

    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool on) { tabStop_ = on; }
    TNotifyEvent OnEnter, OnExit;
    virtual bool CanFocus() const;
    void SetFocus();
    bool Focused() const;

    void Invalidate() override;
    void InvalidateRect(const TRect& r);
    void SetCaption(const std::string& text) override;
    void SetVisible(bool v) override;
    void SetEnabled(bool e) override;
    void AlignControls();
    // Children sorted by tab order (stable by creation among equals).
    std::vector<TWinControl*> TabList() const;

    // Keyboard roles that the form's Enter and Escape handling asks about.
    virtual bool IsDefaultButton() const { return false; }
    virtual bool IsCancelButton() const { return false; }
    virtual bool WantsReturn() const { return false; }

    bool NeedsPaint() const { return needsPaint_; }
    void ClearNeedsPaint() { needsPaint_ = false; }
    TBitmap& Backing() { return backing_; }

protected:
    void Resized(int oldClientWidth, int oldClientHeight) override;
    virtual void CreateHandle();
    // Hands the new handle everything but visibility.
    virtual void ConfigureHandle();
    void DestroyHandle();

private:
    friend class TControl;
    void InsertControl(TControl* c);
    void RemoveControl(TControl* c);

    std::vector<TControl*> controls_;
    std::unique_ptr<WindowHandle> handle_;
    int tabOrder_ = -1;
    bool tabStop_ = false;
    bool needsPaint_ = true;
    bool aligning_ = false;
    TBitmap backing_;
};

class TGraphicControl : public TControl {
    UI_CLASS(TGraphicControl, TControl)
public:
    using TControl::TControl;
};

class TCustomControl : public TWinControl {
    UI_CLASS(TCustomControl, TWinControl)
public:
    using TWinControl::TWinControl;
    bool SelfPainted() const override { return true; }
};

// Paints a self-painted windowed control and its visible graphic children into `backing`.
void PaintWindow(TWinControl& control, TBitmap& backing);

// The deepest visible, enabled control under `p` (client coordinates of `root`); `root` itself when none.
TControl* ControlAtPos(TWinControl& root, TPoint p);

}  // namespace ui
