// TPopupForm: the small window that explains one highlight circle.
#pragma once

#include "ui/core/comctrls.h"
#include "ui/core/forms.h"

namespace setupctrls {

using namespace ui;
class TBoardHighlight;

class TPopupForm : public TForm {
    UI_CLASS(TPopupForm, TForm)
public:
    using TForm::TForm;
    void WndProc(TMessage& m) override;

    TStatusBar* PopupStatus = nullptr;
    TBoardHighlight* FHighlight = nullptr;
    // Set when the mouse went from the circle straight into this window: leaving it then closes it.
    bool FCloseOnLeave = false;
};

}  // namespace setupctrls
