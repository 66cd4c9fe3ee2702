#include "app/template.h"

#include "setupctrls/registration.h"
#include "ui/core/resources.h"
#include "ui/stream/reader.h"
#include "ui/stream/standard_classes.h"

void RegisterTemplateResources();  // generated from the description and its pictures

TMainForm::TMainForm(TComponent* owner) : TMainForm(owner, TemplateDescription()) {}

TMainForm::TMainForm(TComponent* owner, std::string_view description) : TForm(owner) {
    PublishField("BoardImage1", BoardImage1);
    PublishField("DCHighlight", DCHighlight);
    PublishField("USBHighlight", USBHighlight);
    PublishField("RS232Highlight", RS232Highlight);
    PublishField("LEDHighlight", LEDHighlight);
    PublishField("RS232Panel", RS232Panel);
    PublishField("PageControl1", PageControl1);
    PublishField("DB9Sheet", DB9Sheet);
    PublishField("DB9Label", DB9Label);
    PublishField("Label1", Label1);
    PublishField("RJ12Sheet", RJ12Sheet);
    PublishField("RJ12Label", RJ12Label);
    PublishField("Label2", Label2);
    PublishField("RJ45Sheet", RJ45Sheet);
    PublishField("RJ45Label", RJ45Label);
    PublishField("Label3", Label3);
    PublishField("USBPanel", USBPanel);
    PublishField("LEDPanel", LEDPanel);
    PublishField("DCPanel", DCPanel);
    PublishField("Image1", Image1);
    PublishField("MainMenu1", MainMenu1);
    PublishField("File1", File1);
    PublishField("Exit2", Exit2);
    PublishField("Help1", Help1);
    PublishField("Howtousethisprogram1", Howtousethisprogram1);
    PublishField("TechnicalSupport1", TechnicalSupport1);
    PublishField("SetSup", SetSup);
    PublishMethod("Exit2Click", [this](TObject* s) { Exit2Click(s); }, this);
    PublishMethod("LEDPanelEnter", [this](TObject* s) { LEDPanelEnter(s); }, this);
    PublishMethod("FormCreate", [this](TObject* s) { FormCreate(s); }, this);
    PublishMethod("Howtousethisprogram1Click", [this](TObject* s) { Howtousethisprogram1Click(s); }, this);
    PublishMethod("TechnicalSupport1Click", [this](TObject* s) { TechnicalSupport1Click(s); }, this);
    PublishMethod("DisplayClick", [this](TObject* s) { DisplayClick(s); }, this);
    PublishMethod("Closehelpdialog1Click", [this](TObject* s) { Closehelpdialog1Click(s); }, this);
    ReadDescription(*this, description, Classes());
    DoCreate();
}

void TMainForm::Exit2Click(TObject*) { Close(); }

void TMainForm::FormCreate(TObject*) {
    TSetupSupporter* supporter = SetSup;
    Application()->OnIdle = TIdleEvent([supporter](TObject* s, bool& done) { supporter->AppIdle(s, done); }, supporter);
}

// The supporter's windows exist only once it has built them; until then these do nothing.
void TMainForm::Howtousethisprogram1Click(TObject*) {
    if (SetSup->FHelpForm) SetSup->FHelpForm->SetVisible(true);
}

void TMainForm::TechnicalSupport1Click(TObject*) {
    if (SetSup->FTechForm) SetSup->FTechForm->SetVisible(true);
}

void TMainForm::DisplayClick(TObject*) {
    if (SetSup->FPCIForm) SetSup->FPCIForm->SetVisible(true);
}

void TMainForm::Closehelpdialog1Click(TObject*) {
    if (SetSup->FHelpForm) SetSup->FHelpForm->SetVisible(false);
}

void TMainForm::LEDPanelEnter(TObject*) {
    LEDPanel->OnEnter.Clear();
    if (TWinControl* parent = LEDPanel->Parent()) parent->SetHeight(parent->Height() + 160);
}

void RegisterTemplate() {
    static bool done = false;
    if (done) return;
    done = true;
    RegisterTemplateResources();
    RegisterStandardClasses(Classes());
    setupctrls::RegisterSetupControls(Classes());
}

std::string_view TemplateDescription() {
    auto data = FindResource("template.desc");
    return data ? std::string_view(reinterpret_cast<const char*>(data->data()), data->size()) : std::string_view();
}
