#include "setupctrls/supporter.h"

#include <cmath>

#include "setupctrls/supporter_texts.h"
#include "ui/core/rtf.h"

namespace setupctrls {

namespace {

constexpr unsigned kTimerId = 1;
constexpr unsigned kTimerMs = 100;

TButton* AddCloseButton(TForm* form, TSetupSupporter* supporter, int left) {
    auto* b = new TButton(form);
    b->SetName("CloseButton");
    b->SetBounds(left, 105, 73, 25);
    b->SetCancel(true);
    b->SetCaption("Close");
    b->SetTabOrder(0);
    b->OnClick = TNotifyEvent([supporter](TObject* s) { supporter->CloseButtonClick(s); }, supporter);
    b->SetParent(form);
    return b;
}

void UseFont(TControl& c, const char* name, int points, bool bold) {
    c.Font().Name = name;
    c.Font().SetSize(points);
    c.Font().Style = bold ? static_cast<TFontStyles>(TFontStyle::Bold) : 0;
    c.FontChanged();
}

TMemo* AddMemo(TForm* form, const char* name) {
    auto* m = new TMemo(form);
    m->SetName(name);
    m->SetBounds(8, 8, 305, 89);
    m->SetReadOnly(true);
    m->SetScrollBars(ssVertical);
    m->SetParent(form);
    return m;
}

}  // namespace

TSetupSupporter::TSetupSupporter(TComponent* owner) : TComponent(owner) {
    FWindowHandle = AllocateHWnd([this](TMessage& m) { TimerWndProc(m); });
}

TSetupSupporter::~TSetupSupporter() {
    FRunning = false;
    FShowHelpPending = false;
    KillTimer(FWindowHandle, kTimerId);
    DeallocateHWnd(FWindowHandle);
}

void TSetupSupporter::SetOnBeginCalib(const TNotifyEvent& e) {
    onBeginCalib_ = e;
    UpdateTimer();
}

void TSetupSupporter::AppIdle(TObject* sender, bool&) {
    if (auto* app = As<TApplication>(sender)) app->OnIdle.Clear();
    BuildWindows();
}

void TSetupSupporter::BuildWindows() {
    TForm* main = Application()->MainForm();
    if (!main) return;
    // 1. The title strip; its text comes once the cards are counted.
    FHeaderLabel = new TLabel(main);
    FHeaderLabel->SetName("HeaderLabel");
    FHeaderLabel->SetAlign(alTop);
    FHeaderLabel->SetAlignment(taCenter);
    FHeaderLabel->Font().Color = clBlack;
    UseFont(*FHeaderLabel, "Tahoma", 18, true);
    FHeaderLabel->SetParent(main);
    BuildHelpForm(main);
    BuildTechForm(main);
    const bool found = BuildCardList(main);
    // 5.
    if (found) {
        FHeaderLabel->SetCaption(CardName() + (bSeries ? " Series" : "") + " Settings Program");
    } else {
        FPCIForm->PCIMemo->SetText("No Card Found");
        FHeaderLabel->SetCaption("No " + CardName() + (bSeries ? " Series Card" : "") + " Found");
    }
    // 6. The help window is shown at the first tick.
    FShowHelpPending = true;
    UpdateTimer();
}

void TSetupSupporter::BuildHelpForm(TForm* main) {
    auto* help = new THelpForm(main);
    FHelpForm = help;
    help->SetName("HelpForm");
    help->SetCaption("Instructions for Settings utility");
    help->SetFormStyle(fsStayOnTop);
    help->SetPosition(poMainFormCenter);

    help->HelpLabel = new TLabel(help);
    help->HelpLabel->SetName("HelpLabel");
    help->HelpLabel->SetAlign(alTop);
    help->HelpLabel->SetAlignment(taCenter);
    help->HelpLabel->SetCaption("How to use this program");
    UseFont(*help->HelpLabel, "Verdana", 12, true);
    help->HelpLabel->SetParent(help);

    help->HelpRich = new TRichEdit(help);
    help->HelpRich->SetName("HelpRich");
    help->HelpRich->SetBounds(0, 24, 305, 73);
    help->HelpRich->SetReadOnly(true);
    help->HelpRich->SetScrollBars(ssVertical);
    help->HelpRich->SetColor(RGB(221, 221, 221));
    help->HelpRich->SetDocument(ReadRtf(HelpText({CompanyName, CardName(), bSeries, MultiPort, OnGetCardString.Assigned()})));
    help->HelpRich->SetParent(help);

    help->StartButton = new TButton(help);
    help->StartButton->SetName("StartButton");
    help->StartButton->SetBounds(0, 105, 173, 25);
    help->StartButton->SetDefault(true);
    help->StartButton->SetCancel(true);
    help->StartButton->SetCaption("Start");
    help->StartButton->SetTabOrder(0);
    help->StartButton->OnClick = TNotifyEvent([help](TObject* s) { help->StartButtonClick(s); }, help);
    help->StartButton->SetParent(help);

    help->SetClientWidth(help->HelpRich->Width());
    help->FitToControls();
    help->SetClientHeight(help->ClientHeight() + 8);
    help->HelpRich->SetAnchors(akLeft | akTop | akRight | akBottom);
    help->StartButton->SetLeft((help->ClientWidth() - help->StartButton->Width()) / 2);
    help->StartButton->SetAnchors(akBottom);
    // Enlarged on screens beyond 800 x 450, never shrunk; halves round to the even neighbour.
    const double scale = std::max(1.0, std::min(static_cast<double>(Application()->Screen().Height()) / 450.0,
                                                static_cast<double>(Application()->Screen().Width()) / 800.0));
    const int width = static_cast<int>(std::nearbyint(help->ClientWidth() * scale));
    const int height = static_cast<int>(std::nearbyint(help->ClientHeight() * scale));
    help->SetClientWidth(width);
    help->SetClientHeight(height);
}

void TSetupSupporter::BuildTechForm(TForm* main) {
    auto* tech = new TTechForm(main);
    FTechForm = tech;
    tech->SetName("TechForm");
    tech->SetCaption("Technical Support");
    tech->SetFormStyle(fsStayOnTop);
    tech->SetPosition(poDefault);
    tech->TechMemo = AddMemo(tech, "TechMemo");
    tech->TechMemo->SetWordWrap(true);
    tech->TechMemo->SetText(SupportText(CompanyName, CallHow));
    tech->CloseButton = AddCloseButton(tech, this, 165);
    tech->FitToControls();
    tech->TechMemo->SetAnchors(akLeft | akTop | akRight | akBottom);
    tech->CloseButton->SetLeft((tech->ClientWidth() - 73) / 2);
    tech->CloseButton->SetAnchors(akBottom);
}

// Returns whether the cards count as found.
bool TSetupSupporter::BuildCardList(TForm* main) {
    if (!OnGetCardString.Assigned()) return true;
    // 4.1 The entry at the top of "&File".
    if (TMainMenu* menu = main->Menu()) {
        TMenuItem* top = menu->Items();
        for (int i = 0; i < top->Count(); ++i) {
            if (top->Items(i)->Caption() != "&File") continue;
            auto* entry = new TMenuItem(top->Items(i));
            entry->SetName("DisplayPCI");
            entry->SetCaption("Display " + CardName() + " Cards Installed");
            entry->OnClick = TNotifyEvent([this](TObject* s) { DisplayPCIClick(s); }, this);
            top->Items(i)->Insert(0, entry);
            break;
        }
    }
    // 4.2 - 4.5 The window, visible at once, before its controls exist.
    auto* list = new TPCIForm(main);
    FPCIForm = list;
    list->SetName("PCIForm");
    list->SetCaption(CardName() + " Cards installed");
    list->SetFormStyle(fsStayOnTop);
    list->SetPosition(poDefault);
    list->Show();
    list->PCIMemo = AddMemo(list, "PCIMemo");
    UseFont(*list->PCIMemo, "Tahoma", 10, true);
    list->CloseButton = AddCloseButton(list, this, (list->Width() - 73) / 2);
    list->FitToControls();
    list->PCIMemo->SetAnchors(akLeft | akTop | akRight | akBottom);
    list->CloseButton->SetAnchors(akBottom);
    // 4.6 One line per card the driver reports.
    driver_->BindDriverLibrary();
    const llzornix::TGetNumCards getNumCards = driver_->Slots().GetNumCards;
    const int32_t count = getNumCards ? getNumCards() : 0;
    if (count <= 0) return false;
    list->PCIMemo->Lines().Clear();
    bool found = false;
    for (int32_t card = 0; card < count; ++card) {
        const std::string line = OnGetCardString(this, card);
        if (line.empty()) continue;
        list->PCIMemo->Lines().Add(line);
        found = true;
    }
    return found;
}

void TSetupSupporter::CloseButtonClick(TObject* sender) {
    if (auto* c = As<TControl>(sender); c && c->Parent()) c->Parent()->Hide();
}

void TSetupSupporter::DisplayPCIClick(TObject*) {
    if (FPCIForm) FPCIForm->Show();
}

void TSetupSupporter::UpdateTimer() {
    KillTimer(FWindowHandle, kTimerId);
    if ((FRunning || FShowHelpPending) && SetTimer(FWindowHandle, kTimerId, kTimerMs) == 0)
        throw EOutOfResources("Not enough timers available");
}

void TSetupSupporter::TimerWndProc(TMessage& m) {
    if (m.Msg != WM_TIMER) {
        m.Result = DefWindowProc(FWindowHandle, m.Msg, m.WParam, m.LParam);
        return;
    }
    // While the report of a failed step is on screen, further ticks are held back.
    if (reportingError_) return;
    try {
        TimerTick();
    } catch (const std::exception& e) {
        reportingError_ = true;
        Application()->HandleException(this, e);
        reportingError_ = false;
    }
}

void TSetupSupporter::TimerTick() {
    if (FShowHelpPending) {
        if (FHelpForm) FHelpForm->Show();
        FShowHelpPending = false;
        UpdateTimer();
        return;
    }
    CalibrationStep();
}

}  // namespace setupctrls
