// TSetupSupporter: builds the title strip, the help, support and card-list windows once the main window
// is up, and runs the 100 ms timer that shows the help window and steps a calibration run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "driver/llzornix.h"
#include "setupctrls/supporterforms.h"
#include "ui/core/timers.h"

namespace setupctrls {

using TPCIEvent = TEvent<std::string(TObject* sender, int32_t cardIndex)>;
using TCalibEvent = TEvent<std::string(TObject* sender, uint8_t channel, bool& itsAllBad)>;

// Where a calibration run finds its controls: each slot refers to the variable that holds a control,
// which is read at every use, so a set can be filled in before its controls exist.
struct TCalibControlSet {
    TMemo** ListSlot = nullptr;      // one line per channel
    TButton** ButtonSlot = nullptr;  // a Start button
    TControl** HideSlot = nullptr;   // hidden at the start of every step
};

class TSetupSupporter : public TComponent {
    UI_CLASS(TSetupSupporter, TComponent)
public:
    explicit TSetupSupporter(TComponent* owner);
    ~TSetupSupporter() override;

    std::string CompanyName, CardNameA, CardNameB, CallHow;
    bool UseCardNameB = false;
    bool MultiPort = false;
    uint8_t Channels = 8;
    bool ChangeButtons = true;
    bool bSeries = true;
    TPCIEvent OnGetCardString;
    TCalibEvent OnGetCalibString;
    TNotifyEvent OnStopButtonClick, OnStartButtonClick;
    const TNotifyEvent& OnBeginCalib() const { return onBeginCalib_; }
    // Restarts the timer's period when a run is active.
    void SetOnBeginCalib(const TNotifyEvent& e);

    std::string CardName() const { return UseCardNameB ? CardNameB : CardNameA; }
    // The driver binding the card list asks; the process's own unless another is handed in.
    void SetDriverBinding(llzornix::DriverBinding& binding) { driver_ = &binding; }
    void AppIdle(TObject* sender, bool& done);
    void BuildWindows();
    void CloseButtonClick(TObject* sender);
    void DisplayPCIClick(TObject* sender);

    // The timer: at most one, identifier 1, every 100 ms, while the help window is due or a run is active.
    void UpdateTimer();
    void TimerWndProc(TMessage& m);
    void TimerTick();

    // Calibration (calibration.cpp).
    void SetRunning(bool value);
    void WriteChannelLine(uint8_t channel, const std::string& text);
    void ResetButtons();
    std::vector<TCalibControlSet> FCalibControls;

    bool FShowHelpPending = false;
    bool FRunning = false;
    HWND FWindowHandle = 0;
    TLabel* FHeaderLabel = nullptr;
    TPCIForm* FPCIForm = nullptr;
    THelpForm* FHelpForm = nullptr;
    TTechForm* FTechForm = nullptr;

private:
    void CalibrationStep();
    void BuildHelpForm(TForm* main);
    void BuildTechForm(TForm* main);
    bool BuildCardList(TForm* main);

    TNotifyEvent onBeginCalib_;
    llzornix::DriverBinding* driver_ = &llzornix::Driver();
    bool reportingError_ = false;
};

}  // namespace setupctrls
