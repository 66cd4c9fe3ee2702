// TMainForm: the main window, built from its compiled-in description.
#pragma once

#include "setupctrls/boardimage.h"
#include "ui/core/forms.h"
#include "ui/stream/registry.h"

using namespace ui;
using setupctrls::TBoardImage;

class TMainForm : public TForm, public TPublished {
    UI_CLASS(TMainForm, TForm)
public:
    // Reads the description (an EReadError names a faulty line) and then raises OnCreate.
    explicit TMainForm(TComponent* owner);
    TMainForm(TComponent* owner, std::string_view description);

    TBoardImage* BoardImage1 = nullptr;
    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* File1 = nullptr;
    TMenuItem* Exit2 = nullptr;
    TMenuItem* Help1 = nullptr;
    TMenuItem* Howtousethisprogram1 = nullptr;
    TMenuItem* TechnicalSupport1 = nullptr;

    void Exit2Click(TObject* sender);
};

// Makes the main window's classes and pictures known; call once before creating a TMainForm.
void RegisterTemplate();
// The compiled-in description of the main window.
std::string_view TemplateDescription();
