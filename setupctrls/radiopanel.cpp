#include "setupctrls/radiopanel.h"

namespace setupctrls {

TRadioPanel::TRadioPanel(TComponent* owner) : TCustomPanel(owner) {
    SetBoundsQuiet(Left(), Top(), 194, 100);
    TCustomPanel::SetVisible(false);
    SetBevelOuter(bvNone);
}

void TRadioPanel::SetFinalAnchors(TAnchors a) {
    if (FInPopup) SetAnchors(a);
    finalAnchors_ = a;
}

}  // namespace setupctrls
