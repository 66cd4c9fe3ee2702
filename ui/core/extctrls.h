// Panels: windowed containers that paint their colour, bevels and caption.
#pragma once

#include "ui/core/controls.h"
#include "ui/core/graphics.h"

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

// A picture on its parent's surface; a transparent bitmap leaves out the colour of its bottom-left pixel.
class TImage : public TGraphicControl {
    UI_CLASS(TImage, TGraphicControl)
public:
    explicit TImage(TComponent* owner);
    TPicture& Picture() { return picture_; }
    bool Center() const { return center_; }
    void SetCenter(bool on);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool on);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    bool CanAutoSize(int& newWidth, int& newHeight) override;
    TRect DestRect() const;

protected:
    void Paint() override;

private:
    void PictureChanged();
    TPicture picture_;
    bool center_ = false, stretch_ = false, transparent_ = false;
};

class TPanel : public TCustomPanel {
    UI_CLASS(TPanel, TCustomPanel)
public:
    using TCustomPanel::TCustomPanel;
};

}  // namespace ui
