#include "setupctrls/supporterforms.h"

#include "setupctrls/boardimage.h"

namespace setupctrls {

void THelpForm::StartButtonClick(TObject*) {
    Hide();
    TForm* main = Application()->MainForm();
    if (!main) return;
    for (int i = 0; i < main->ControlCount(); ++i)
        if (main->Controls(i)->InheritsFrom<TBoardImage>()) {
            main->Controls(i)->Perform(WM_BOARDSTART, 0, 0);
            return;
        }
}

}  // namespace setupctrls
