// The calibration run: one step every 100 ms while a run is active.
#include "setupctrls/supporter.h"

namespace setupctrls {

void TSetupSupporter::SetRunning(bool value) {
    if (value == FRunning) return;
    FRunning = value;
    UpdateTimer();
}

void TSetupSupporter::CalibrationStep() {
    if (onBeginCalib_.Assigned()) onBeginCalib_(this);
    if (!OnGetCalibString.Assigned()) {
        SetRunning(false);
        Application()->MessageBox("Error: calibration begun, but OnGetCalibString isn't assigned.",
                                  "OnGetCalibString Not Assigned", MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND | MB_TOPMOST);
        ResetButtons();
        return;
    }
    for (const TCalibControlSet& set : FCalibControls)
        if (set.HideSlot && *set.HideSlot) (*set.HideSlot)->Hide();
    bool itsAllBad = true;
    for (unsigned channel = 0; channel < Channels; ++channel) {
        const auto c = static_cast<uint8_t>(channel);
        WriteChannelLine(c, OnGetCalibString(this, c, itsAllBad));
    }
    if (!itsAllBad) return;
    // The timer stops before the prompt opens, so steps never overlap it.
    SetRunning(false);
    const int answer = Application()->MessageBox(
        "Total A/D failure. The card may not be installed, or it may be installed at a different base address.",
        "Total A/D failure", MB_RETRYCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON2 | MB_SETFOREGROUND | MB_TOPMOST);
    if (answer == IDRETRY)
        SetRunning(true);
    else
        ResetButtons();
}

void TSetupSupporter::WriteChannelLine(uint8_t channel, const std::string& text) {
    const std::string line = "Channel " + std::to_string(channel) + "\t" + text;
    for (const TCalibControlSet& set : FCalibControls) {
        TMemo* list = set.ListSlot ? *set.ListSlot : nullptr;
        if (!list) continue;
        if (channel >= list->Lines().Count())
            throw Exception("Line index out of bounds (" + std::to_string(channel) + ")");
        list->Lines().Put(channel, line);
    }
}

void TSetupSupporter::ResetButtons() {
    if (ChangeButtons)
        for (const TCalibControlSet& set : FCalibControls) {
            TButton* button = set.ButtonSlot ? *set.ButtonSlot : nullptr;
            if (!button) continue;
            button->OnClick = OnStartButtonClick;
            button->SetCaption("Start");
        }
    SetRunning(false);
}

}  // namespace setupctrls
