// The windows the setup supporter builds at run time: help, technical support and the card list.
#pragma once

#include "ui/core/comctrls.h"
#include "ui/core/forms.h"
#include "ui/core/stdctrls.h"

namespace setupctrls {

using namespace ui;

class THelpForm : public TForm {
    UI_CLASS(THelpForm, TForm)
public:
    using TForm::TForm;
    // Hides the window and opens the first circle of the first board on the main window.
    void StartButtonClick(TObject* sender);

    TRichEdit* HelpRich = nullptr;
    TLabel* HelpLabel = nullptr;
    TButton* StartButton = nullptr;
};

class TTechForm : public TForm {
    UI_CLASS(TTechForm, TForm)
public:
    using TForm::TForm;
    TMemo* TechMemo = nullptr;
    TButton* CloseButton = nullptr;
};

class TPCIForm : public TForm {
    UI_CLASS(TPCIForm, TForm)
public:
    using TForm::TForm;
    TMemo* PCIMemo = nullptr;
    TButton* CloseButton = nullptr;
};

}  // namespace setupctrls
