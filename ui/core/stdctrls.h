// Labels (painted text), buttons and memos (drawn by the widgetset as native controls).
#pragma once

#include "ui/core/controls.h"

namespace ui {

enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };
enum TScrollStyle : uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };

class TLabel : public TGraphicControl {
    UI_CLASS(TLabel, TGraphicControl)
public:
    explicit TLabel(TComponent* owner);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    void SetCaption(const std::string& text) override;
    void SetAutoSize(bool on) override;
    bool CanAutoSize(int& newWidth, int& newHeight) override;
    // Sizes the label to its text (tabs expanded) when AutoSize is on.
    void AdjustSize();

protected:
    void Paint() override;

private:
    TAlignment alignment_ = taLeftJustify;
    bool wordWrap_ = false;
    bool transparent_ = false;
};

// Controls whose content a native widget shows tell its handle when that content changes.
class TNativeControl : public TWinControl {
    UI_CLASS(TNativeControl, TWinControl)
public:
    using TWinControl::TWinControl;

protected:
    void ContentChanged() {
        if (Handle()) Handle()->ContentChanged();
    }
};

class TButton : public TNativeControl {
    UI_CLASS(TButton, TNativeControl)
public:
    explicit TButton(TComponent* owner);
    bool Default() const { return default_; }
    void SetDefault(bool on);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool on) { cancel_ = on; }
    bool IsDefaultButton() const override { return default_; }
    bool IsCancelButton() const override { return cancel_; }

private:
    bool default_ = false, cancel_ = false;
};

class TMemo : public TNativeControl {
    UI_CLASS(TMemo, TNativeControl)
public:
    explicit TMemo(TComponent* owner);
    TStrings& Lines() { return lines_; }
    const TStrings& Lines() const { return lines_; }
    std::string Text() const { return lines_.Text(); }
    void SetText(std::string_view text) { lines_.SetText(text); }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on) { readOnly_ = on; ContentChanged(); }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle s) { scrollBars_ = s; ContentChanged(); }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on) { wordWrap_ = on; ContentChanged(); }
    bool WantsReturn() const override { return !readOnly_; }

private:
    TStrings lines_;
    bool readOnly_ = false, wordWrap_ = true;
    TScrollStyle scrollBars_ = ssNone;
};

}  // namespace ui
