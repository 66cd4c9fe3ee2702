// Panels: windowed containers that paint their colour, bevels and caption.
#pragma once

#include "ui/core/controls.h"

namespace ui {

enum TBevelCut : uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
enum TPanelBorderStyle : uint8_t { bsPanelNone, bsPanelSingle };

class TCustomPanel : public TCustomControl {
    UI_CLASS(TCustomPanel, TCustomControl)
public:
    explicit TCustomPanel(TComponent* owner);

    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut b);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut b);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int w);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int w);
    TPanelBorderStyle PanelBorderStyle() const { return borderStyle_; }
    void SetPanelBorderStyle(TPanelBorderStyle s);
    bool FullRepaint() const { return fullRepaint_; }
    void SetFullRepaint(bool on) { fullRepaint_ = on; }
    // A panel whose caption still equals its name follows a rename.
    void SetName(const std::string& name) override;

protected:
    void Paint() override;

private:
    TBevelCut bevelOuter_ = bvRaised, bevelInner_ = bvNone;
    int bevelWidth_ = 1, borderWidth_ = 0;
    TPanelBorderStyle borderStyle_ = bsPanelNone;
    bool fullRepaint_ = true;
};

class TPanel : public TCustomPanel {
    UI_CLASS(TPanel, TCustomPanel)
public:
    using TCustomPanel::TCustomPanel;
};

}  // namespace ui
