// TBoardHighlight: a coloured circle over one part of the board photograph. Hovering it opens its
// popup, clicking pins it, and its menu entry lists it; twins (same Title and kind on one board) act as one.
#pragma once

#include <functional>
#include <string>

#include "setupctrls/popupform.h"
#include "setupctrls/radiopanel.h"
#include "ui/core/menus.h"

namespace setupctrls {

enum THighlightType : uint8_t { htOptions, htSettings, htCalibration };

class TBoardHighlight : public TGraphicControl {
    UI_CLASS(TBoardHighlight, TGraphicControl)
public:
    explicit TBoardHighlight(TComponent* owner);

    bool CreatePopup() const { return createPopup_; }
    void SetCreatePopup(bool on) { createPopup_ = on; }
    THighlightType HighlightType() const { return highlightType_; }
    void SetHighlightType(THighlightType t);
    TRadioPanel* RadioPanel() const { return radioPanel_; }
    void SetRadioPanel(TRadioPanel* panel);
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);

    void WndProc(TMessage& m) override;
    void Click() override;
    void PinPopup();
    void PinAndFocus();
    void SetLit(bool value);
    void ClearHover();

    // The popup (highlight_popup.cpp).
    void ShowPopup();
    void PopupClosed(TObject* sender, TCloseAction& action);
    void DoneClick(TObject* sender);

    // The menu entry (highlight_menu.cpp).
    void RegisterInMenu();
    void CheckMenuEntry(bool value);
    void MenuClick(TObject* sender);
    void PreviousClick(TObject* sender);
    void NextClick(TObject* sender);

    static std::string StripAmpersands(const std::string& text);
    static std::string MakeIdentifier(const std::string& text);

    TBitmap FNormalMarker, FHotMarker, FActiveMarker;
    float FNormalStrength = 0, FHotStrength = 0, FActiveStrength = 0;
    TColor FMarkerColor = 0;
    bool FMouseInside = false;
    TPopupForm* FPopup = nullptr;
    std::string FCaptionText;
    std::string FIdentName;
    TMainMenu* FMenu = nullptr;
    bool FMarkersBuilt = false;
    bool FPinned = false;
    bool FLit = false;

protected:
    void Paint() override;

private:
    void BuildMarkers();
    void MouseEnter(const TMessage& m);
    void MouseLeave(const TMessage& m);
    bool OnBoardImage() const;
    bool IsTwin(const TControl* c) const;
    // Runs `fn` on each control of the parent that passes the twin test, reading the count once.
    void ForEachTwin(const std::function<void(TBoardHighlight*)>& fn);
    TMenuItem* FindEntry(int* index = nullptr, int* count = nullptr) const;
    // Closes the popup and opens the entry `step` places on in the group, wrapping at both ends.
    void OpenNeighbour(int step);

    bool createPopup_ = true;
    THighlightType highlightType_ = htOptions;
    TRadioPanel* radioPanel_ = nullptr;
    std::string title_;
};

// Colour, blend strengths and menu group of each kind.
struct THighlightKind {
    TColor color;
    float normal, hot, active;
    const char* group;
    const char* groupPrefix;
};
const THighlightKind& KindOf(THighlightType t);

}  // namespace setupctrls
