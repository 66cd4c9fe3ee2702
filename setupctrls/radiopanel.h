// TRadioPanel: the hidden panel that carries one popup's content until its popup takes it over.
#pragma once

#include "ui/core/extctrls.h"

namespace setupctrls {

using namespace ui;

class TRadioPanel : public TCustomPanel {
    UI_CLASS(TRadioPanel, TCustomPanel)
public:
    explicit TRadioPanel(TComponent* owner);

    TStrings& Lines() { return lines_; }
    const TStrings& Lines() const { return lines_; }
    void SetLines(const TStrings& lines) { lines_.Assign(lines); }
    int MemoHeight() const { return memoHeight_; }
    void SetMemoHeight(int h) { memoHeight_ = h; }
    TAnchors FinalAnchors() const { return finalAnchors_; }
    // Takes effect at once only inside the popup; on the main window it waits for the popup.
    void SetFinalAnchors(TAnchors a);
    bool RadioEnabled() const { return radioEnabled_; }
    void SetRadioEnabled(bool on) { radioEnabled_ = on; }
    // Unlike a plain panel, the caption never follows the name.
    void SetName(const std::string& name) override { TComponent::SetName(name); }

    TNotifyEvent OnActivate, OnDeactivate, OnRadioChange;
    bool FInPopup = false;

private:
    TStrings lines_;
    int memoHeight_ = 58;
    TAnchors finalAnchors_ = akLeft | akTop;
    bool radioEnabled_ = false;
};

}  // namespace setupctrls
