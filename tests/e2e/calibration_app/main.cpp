// A small program for the end-to-end tests of the calibration run: one red circle whose popup holds a
// channel list and a Start button. Each run reads three channels for 15 steps, then every channel fails,
// which brings up the total-failure prompt; after Retry it counts 15 steps again.
#include <cstdio>

#include "setupctrls/registration.h"
#include "setupctrls/supporter.h"
#include "ui/core/resources.h"
#include "ui/stream/reader.h"
#include "ui/stream/standard_classes.h"
#include "ui/ws/qt6/qtwidgetset.h"

using namespace ui;
using namespace setupctrls;

void RegisterCalibrationResources();

class TCalibrationForm : public TForm, public TPublished {
    UI_CLASS(TCalibrationForm, TForm)
public:
    explicit TCalibrationForm(TComponent* owner) : TForm(owner) {
        PublishField("ChannelList", ChannelList);
        PublishField("StartButton", StartButton);
        PublishField("SetSup", SetSup);
        PublishMethod("FormCreate", [this](TObject*) { SetSup->FCalibControls.push_back({&ChannelList, &StartButton, nullptr}); }, this);
        PublishMethod("StartClick", [this](TObject*) { StartClick(); }, this);
        // A step after the failing one is a retried run: it starts counting again.
        PublishMethod("BeginCalib", [this](TObject*) { step_ = step_ > 15 ? 1 : step_ + 1; }, this);
        PublishMethod<std::string(TObject*, uint8_t, bool&)>(
            "CalibString",
            [this](TObject*, uint8_t channel, bool& bad) -> std::string {
                if (step_ > 15) return "no answer";
                bad = false;
                return std::to_string(1000 + 37 * step_ + 11 * channel) + " counts";
            },
            this);
        auto text = FindResource("calibration.desc");
        ReadDescription(*this, std::string_view(reinterpret_cast<const char*>(text->data()), text->size()), Classes());
        DoCreate();
    }

    TMemo* ChannelList = nullptr;
    TButton* StartButton = nullptr;
    TSetupSupporter* SetSup = nullptr;

private:
    void StartClick() {
        step_ = 0;
        StartButton->SetCaption("Stop");
        StartButton->OnClick = TNotifyEvent([this](TObject*) { SetSup->ResetButtons(); }, this);
        SetSup->SetRunning(true);
    }
    int step_ = 0;
};

int main(int argc, char** argv) {
    TApplication application(CreateQtWidgetSet(argc, argv));
    RegisterCalibrationResources();
    RegisterStandardClasses(Classes());
    RegisterSetupControls(Classes());
    try {
        application.CreateForm<TCalibrationForm>();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "calibration_app: %s\n", e.what());
        return 1;
    }
    application.Run();
    return 0;
}
