#include "desktop.h"
#include "setupctrls/supporter.h"
#include "ui/core/extctrls.h"

using namespace ui;
using namespace setupctrls;

namespace {

class CalibrationTest : public DesktopTest {
protected:
    CalibrationTest() {
        form = app->CreateForm<TForm>();
        sup = new TSetupSupporter(form);
        for (TMemo*& list : lists) {
            list = new TMemo(form);
            list->SetParent(form);
            list->Lines().SetLines({"", "", ""});
        }
        start = new TButton(form);
        start->SetParent(form);
        start->SetCaption("Stop");
        hidden = new TPanel(form);
        hidden->SetParent(form);
        for (TMemo*& list : lists) sup->FCalibControls.push_back({&list, &start, &hidden});
        sup->Channels = 1;
        sup->OnGetCalibString = TCalibEvent(
            [this](TObject* s, uint8_t channel, bool& bad) {
                EXPECT_EQ(s, sup);
                asked.push_back(channel);
                if (channel < working) bad = false;
                return "value " + std::to_string(steps);
            },
            nullptr);
        sup->SetOnBeginCalib(TNotifyEvent([this](TObject*) { ++steps; }, nullptr));
    }
    const std::vector<ShownMessageBox>& Boxes() { return desktop->Boxes(); }

    TForm* form;
    TSetupSupporter* sup;
    TMemo* lists[2];
    TButton* start;
    TControl* hidden;
    int steps = 0;
    uint8_t working = 8;  // channels below this one work
    std::vector<uint8_t> asked;
};

const char* kTotalFailure = "Total A/D failure. The card may not be installed, or it may be installed at a different base address.";

}  // namespace

TEST_F(CalibrationTest, OneChannelWritesItsLineIntoEveryListEvery100Ms) {
    sup->SetRunning(true);
    desktop->Advance(99);
    EXPECT_EQ(steps, 0);
    desktop->Advance(1);
    EXPECT_EQ(steps, 1);
    EXPECT_EQ(asked, (std::vector<uint8_t>{0}));
    for (TMemo* list : lists) EXPECT_EQ(list->Lines().Lines(), (std::vector<std::string>{"Channel 0\tvalue 1", "", ""}));
    EXPECT_FALSE(hidden->Visible());
    desktop->Advance(200);
    EXPECT_EQ(steps, 3);
    EXPECT_EQ(lists[1]->Lines()[0], "Channel 0\tvalue 3");
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(CalibrationTest, WithoutChannelsEveryStepIsATotalFailure) {
    sup->Channels = 0;
    desktop->AnswerNextBoxes({IDCANCEL});
    sup->SetRunning(true);
    desktop->Advance(100);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, kTotalFailure);
    EXPECT_EQ(Boxes()[0].caption, "Total A/D failure");
    EXPECT_EQ(Boxes()[0].flags, 0x50135u);
    EXPECT_TRUE(asked.empty());
    EXPECT_FALSE(sup->FRunning);
    desktop->Advance(1000);
    EXPECT_EQ(steps, 1);
}

TEST_F(CalibrationTest, OneWorkingChannelIsEnoughAndALaterOneDoesNotUndoIt) {
    sup->Channels = 3;
    working = 1;  // channel 0 clears the flag, 1 and 2 leave it alone
    sup->SetRunning(true);
    desktop->Advance(300);
    EXPECT_EQ(steps, 3);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(lists[0]->Lines()[2], "Channel 2\tvalue 3");
}

TEST_F(CalibrationTest, RetryResumes100MsAfterThePromptAndCancelRestoresTheButtons) {
    working = 0;
    int startClicks = 0;
    sup->OnStartButtonClick = TNotifyEvent([&](TObject*) { ++startClicks; }, nullptr);
    desktop->AnswerNextBoxes({IDRETRY, IDCANCEL});
    sup->SetRunning(true);
    desktop->Advance(100);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_TRUE(sup->FRunning);
    desktop->Advance(99);
    EXPECT_EQ(steps, 1);
    desktop->Advance(1);
    EXPECT_EQ(steps, 2);
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_FALSE(sup->FRunning);
    EXPECT_EQ(start->Caption(), "Start");
    start->Click();
    EXPECT_EQ(startClicks, 1);
    desktop->Advance(1000);
    EXPECT_EQ(steps, 2);
}

TEST_F(CalibrationTest, WithoutChangeButtonsOrControlsEndingOnlyStopsTheRun) {
    sup->ChangeButtons = false;
    sup->SetRunning(true);
    sup->ResetButtons();
    EXPECT_EQ(start->Caption(), "Stop");
    EXPECT_FALSE(sup->FRunning);
    sup->FCalibControls.clear();
    sup->ChangeButtons = true;
    sup->SetRunning(true);
    desktop->Advance(100);
    EXPECT_EQ(steps, 1);
    EXPECT_TRUE(hidden->Visible());  // nothing to hide or write
    EXPECT_EQ(lists[0]->Lines()[0], "");
    sup->ResetButtons();
    EXPECT_EQ(start->Caption(), "Stop");
    EXPECT_FALSE(sup->FRunning);
}

TEST_F(CalibrationTest, OnlyOnBeginCalibGivesTheNotAssignedMessageAndEndsTheRun) {
    sup->OnGetCalibString.Clear();
    sup->SetRunning(true);
    desktop->Advance(100);
    EXPECT_EQ(steps, 1);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, "Error: calibration begun, but OnGetCalibString isn't assigned.");
    EXPECT_EQ(Boxes()[0].caption, "OnGetCalibString Not Assigned");
    EXPECT_EQ(Boxes()[0].flags, 0x50030u);
    EXPECT_FALSE(sup->FRunning);
    EXPECT_EQ(start->Caption(), "Start");
    EXPECT_FALSE(start->OnClick.Assigned());
}

TEST_F(CalibrationTest, AFailingStepReportsOnceWhileOnScreenAndTheRunGoesOn) {
    sup->Channels = 3;  // lists hold three lines; a fourth channel has none to write
    sup->OnGetCalibString = TCalibEvent(
        [this](TObject*, uint8_t, bool& bad) -> std::string {
            bad = false;
            if (steps == 2) throw Exception("the board did not answer");
            return "ok";
        },
        nullptr);
    desktop->WhileBoxShown = [this] { desktop->Advance(1000); };  // the user reads the report for a second
    sup->SetRunning(true);
    desktop->Advance(200);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, "the board did not answer");
    EXPECT_EQ(steps, 2);  // no step ran while the report was on screen
    desktop->WhileBoxShown = nullptr;
    desktop->Advance(300);
    EXPECT_EQ(steps, 5);
    EXPECT_TRUE(sup->FRunning);
    EXPECT_EQ(Boxes().size(), 1u);
}

TEST_F(CalibrationTest, AssigningOnBeginCalibRestartsThePeriod) {
    sup->SetRunning(true);
    desktop->Advance(60);
    sup->SetOnBeginCalib(TNotifyEvent([this](TObject*) { steps += 10; }, nullptr));
    desktop->Advance(60);
    EXPECT_EQ(steps, 0);
    desktop->Advance(40);
    EXPECT_EQ(steps, 10);
}
