// TBoardImage: the board photograph on the main window, parent of the highlight circles.
#pragma once

#include "ui/core/extctrls.h"
#include "ui/core/menus.h"

namespace setupctrls {

using namespace ui;

// Sent by the help window's Start button.
constexpr unsigned WM_BOARDSTART = WM_USER + 162;

class TBoardHighlight;

class TBoardImage : public TCustomPanel {
    UI_CLASS(TBoardImage, TCustomPanel)
public:
    explicit TBoardImage(TComponent* owner);

    TPicture& Picture() { return picture_; }
    void SetPicture(const TPicture& p) { picture_.Assign(p); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool on) { SetFlag(stretch_, on); }
    bool Center() const { return center_; }
    void SetCenter(bool on) { SetFlag(center_, on); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on) { SetFlag(transparent_, on); }
    bool Scale() const { return scale_; }
    void SetScale(bool on) { SetFlag(scale_, on); }
    bool CenterOnForm() const { return centerOnForm_; }
    void SetCenterOnForm(bool on) { centerOnForm_ = on; }
    TBoardHighlight* First() const { return first_; }
    void SetFirst(TBoardHighlight* h) { first_ = h; }
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* m) { menu_ = m; }

    // Where the picture is drawn, in client coordinates.
    TRect DrawRect() const;
    bool CanAutoSize(int& newWidth, int& newHeight) override;
    uintptr_t GetPalette() const;
    // WM_BOARDSTART opens and pins the popup of First, as a visit of the mouse with a click would.
    void WndProc(TMessage& m) override;

    // The position the description gave the control, recorded at its first paint.
    int FDesignLeft = 0;
    int FDesignTop = 0;
    bool FPositionRecorded = false;
    bool FDrawing = false;

protected:
    void Paint() override;

private:
    void PictureUpdated(TObject* sender);
    void SetFlag(bool& flag, bool on);

    TPicture picture_;
    bool stretch_ = false, center_ = false, transparent_ = false, scale_ = true, centerOnForm_ = true;
    TBoardHighlight* first_ = nullptr;
    TMainMenu* menu_ = nullptr;
};

}  // namespace setupctrls
