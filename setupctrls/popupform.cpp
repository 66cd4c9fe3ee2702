#include "setupctrls/popupform.h"

#include "setupctrls/highlight.h"

namespace setupctrls {

void TPopupForm::WndProc(TMessage& m) {
    switch (m.Msg) {
        case WM_ACTIVATE:
            // Lights the circle; the standard activation (moving the focus into the window) is skipped.
            if (FHighlight) FHighlight->SetLit(m.WParam != WA_INACTIVE);
            m.Result = 0;
            return;
        case CM_MOUSELEAVE: {
            const TPoint cursor = GetCursorPos();
            const TPoint p{cursor.x - Left(), cursor.y - Top()};
            if (!PtInRect({0, 0, Width(), Height()}, p) && FCloseOnLeave) {
                Close();
                return;
            }
            break;
        }
        default: break;
    }
    TForm::WndProc(m);
}

}  // namespace setupctrls
