// TMainForm: the main window, built from its compiled-in description.
#pragma once

#include "setupctrls/boardimage.h"
#include "setupctrls/highlight.h"
#include "setupctrls/radiopanel.h"
#include "setupctrls/supporter.h"
#include "ui/core/comctrls.h"
#include "ui/core/forms.h"
#include "ui/stream/registry.h"

using namespace ui;
using setupctrls::TBoardHighlight;
using setupctrls::TBoardImage;
using setupctrls::TRadioPanel;
using setupctrls::TSetupSupporter;

class TMainForm : public TForm, public TPublished {
    UI_CLASS(TMainForm, TForm)
public:
    // Reads the description (an EReadError names a faulty line) and then raises OnCreate.
    explicit TMainForm(TComponent* owner);
    TMainForm(TComponent* owner, std::string_view description);

    // One reference per component of the description, under its name.
    TBoardImage* BoardImage1 = nullptr;
    TBoardHighlight* DCHighlight = nullptr;
    TBoardHighlight* USBHighlight = nullptr;
    TBoardHighlight* RS232Highlight = nullptr;
    TBoardHighlight* LEDHighlight = nullptr;
    TRadioPanel* RS232Panel = nullptr;
    TPageControl* PageControl1 = nullptr;
    TTabSheet* DB9Sheet = nullptr;
    TLabel* DB9Label = nullptr;
    TLabel* Label1 = nullptr;
    TTabSheet* RJ12Sheet = nullptr;
    TLabel* RJ12Label = nullptr;
    TLabel* Label2 = nullptr;
    TTabSheet* RJ45Sheet = nullptr;
    TLabel* RJ45Label = nullptr;
    TLabel* Label3 = nullptr;
    TRadioPanel* USBPanel = nullptr;
    TRadioPanel* LEDPanel = nullptr;
    TRadioPanel* DCPanel = nullptr;
    TImage* Image1 = nullptr;
    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* File1 = nullptr;
    TMenuItem* Exit2 = nullptr;
    TMenuItem* Help1 = nullptr;
    TMenuItem* Howtousethisprogram1 = nullptr;
    TMenuItem* TechnicalSupport1 = nullptr;
    TSetupSupporter* SetSup = nullptr;

    void Exit2Click(TObject* sender);
    // Hooks the supporter's one-shot idle handler, which builds the help and support windows.
    void FormCreate(TObject* sender);
    void Howtousethisprogram1Click(TObject* sender);
    void TechnicalSupport1Click(TObject* sender);
    void DisplayClick(TObject* sender);
    void Closehelpdialog1Click(TObject* sender);
    // The LED popup grows once, when it first gets the focus, to give its thirteen lines room.
    void LEDPanelEnter(TObject* sender);
};

// Makes the main window's classes and pictures known; call once before creating a TMainForm.
void RegisterTemplate();
// The compiled-in description of the main window.
std::string_view TemplateDescription();
