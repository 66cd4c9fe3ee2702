#include "app/template.h"
#include "board_fixture.h"
#include "setupctrls/supporter.h"
#include "setupctrls/supporter_texts.h"

namespace {

// A product window whose supporter can be given card strings and calibration events.
class TSupportForm : public TForm, public TPublished {
    UI_CLASS(TSupportForm, TForm)
public:
    explicit TSupportForm(TComponent* owner) : TForm(owner) {
        PublishMethod<std::string(TObject*, int32_t)>(
            "CardString", [this](TObject*, int32_t card) { return card < static_cast<int32_t>(cards.size()) ? cards[card] : ""; }, this);
        PublishMethod("FormCreate", [this](TObject*) {
            auto* sup = As<TSetupSupporter>(FindComponent("Sup"));
            Application()->OnIdle = TIdleEvent([sup](TObject* s, bool& d) { sup->AppIdle(s, d); }, sup);
        }, this);
    }
    std::vector<std::string> cards;
};

class SupporterTest : public DesktopTest {
protected:
    static ClassRegistry& Registry() {
        static ClassRegistry r = [] {
            ClassRegistry reg;
            RegisterStandardClasses(reg);
            RegisterSetupControls(reg);
            return reg;
        }();
        return r;
    }
    // A window with a File menu and a supporter with `settings`; idle has run once afterwards.
    TSetupSupporter* Start(const std::string& settings, std::vector<std::string> cards = {}, const char* driverFolder = "none") {
        form = app->CreateForm<TSupportForm>();
        form->cards = std::move(cards);
        ReadDescription(*form, R"(object Main: TSupportForm
  Menu = Menu1
  OnCreate = FormCreate
  object Menu1: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
      object Exit1: TMenuItem
        Caption = '&Exit'
      end
    end
  end
  object Sup: TSetupSupporter
    CompanyName = 'ACME'
    CardNameA = 'CARDA'
    CardNameB = 'CARDB'
)" + settings + "  end\nend\n",
                        Registry());
        driver = std::make_unique<llzornix::DriverBinding>(
            [folder = std::string(ZORNIX_STUB_DIR) + "/" + driverFolder](const std::string& name) { return LoadLibraryFrom({folder}, name); });
        sup = As<TSetupSupporter>(form->FindComponent("Sup"));
        sup->SetDriverBinding(*driver);
        form->DoCreate();
        form->Show();
        desktop->RunIdle();
        return sup;
    }
    std::string Title() { return sup->FHeaderLabel->Caption(); }
    std::string HelpPlainText() { return sup->FHelpForm->HelpRich->Document().PlainText(); }

    TSupportForm* form = nullptr;
    TSetupSupporter* sup = nullptr;
    std::unique_ptr<llzornix::DriverBinding> driver;
};

}  // namespace

TEST_F(SupporterTest, ConstructionGivesTheValuesAfterConstruction) {
    TSetupSupporter s(nullptr);
    EXPECT_EQ(s.Channels, 8);
    EXPECT_TRUE(s.ChangeButtons);
    EXPECT_TRUE(s.bSeries);
    EXPECT_FALSE(s.UseCardNameB || s.MultiPort || s.FRunning || s.FShowHelpPending);
    EXPECT_NE(s.FWindowHandle, 0u);
    EXPECT_EQ(s.FHelpForm, nullptr);
}

TEST(SupporterTexts, TheHelpTextIsJoinedPieceByPiece) {
    const std::string text = setupctrls::HelpText({"NORVEL", "TESSARO", false, false, false});
    EXPECT_EQ(text.substr(0, 41), "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033");
    EXPECT_NE(text.find("\\cf0\r\n{\\b NORVEL TESSARO Settings Program}\\par\\par\\fs24\r\nThis program will help"), std::string::npos);
    EXPECT_NE(text.find("once the card is installed. Repeat the {\\cf1 setup circles}"), std::string::npos);
    EXPECT_NE(text.find("remain on-screen. You can have all"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 22), "you desire.\\par\\par\r\n}");
    EXPECT_EQ(text.find("Note:"), std::string::npos);
    EXPECT_EQ(text.find("To see a list"), std::string::npos);
    const std::string all = setupctrls::HelpText({"NORVEL", "TESSARO", true, true, true});
    EXPECT_NE(all.find("{\\b NORVEL TESSARO Series Settings Program}"), std::string::npos);
    const size_t popups = all.find("as you desire."), note = all.find("{\\fs32\\b Note:}"), list = all.find("To see a list");
    EXPECT_LT(popups, note);
    EXPECT_LT(note, list);
    EXPECT_NE(all.find("option group \\emdash  the configuration"), std::string::npos);
    EXPECT_NE(all.find("click \"Display TESSARO Cards Installed\" under the File menu.\\par\\par\r\n}"), std::string::npos);
    EXPECT_EQ(setupctrls::SupportText("NORVEL", "at any hour"),
              "There are several ways to get technical support. First and fastest is to skim the relevant sections of the "
              "manual. However, some questions require personal assistance, and NORVEL stands ready to provide that help. "
              "You can call us at any hour for any of your product questions.\r\n\r\nIn order to provide the best and "
              "fastest support possible, we ask that you be at your computer when you call, and have the NORVEL product "
              "manual and Vantrell CD at hand.");
}

TEST_F(SupporterTest, ThisProductHasNoCardListAndShowsItsHelpOnceByItself) {
    RegisterTemplate();
    auto* main = app->CreateForm<TMainForm>();
    main->Show();
    desktop->RunIdle();
    TSetupSupporter* s = main->SetSup;
    EXPECT_EQ(s->FHeaderLabel->Caption(), "TESSARO Settings Program");
    EXPECT_EQ(s->FHeaderLabel->Align(), alTop);
    EXPECT_EQ(s->FPCIForm, nullptr);
    EXPECT_EQ(main->File1->Count(), 1);
    EXPECT_EQ(s->FHelpForm->HelpRich->Document().PlainText().find("To see a list"), std::string::npos);
    EXPECT_FALSE(s->FHelpForm->Visible());
    EXPECT_TRUE(s->FShowHelpPending);
    desktop->Advance(100);
    EXPECT_TRUE(s->FHelpForm->Visible());
    EXPECT_FALSE(s->FShowHelpPending);
    s->FHelpForm->Hide();
    desktop->Advance(1000);
    EXPECT_FALSE(s->FHelpForm->Visible());
    ASSERT_TRUE(desktop->ChooseMenu(*main, {"&Help", "H&ow to use this program"}));
    EXPECT_TRUE(s->FHelpForm->Visible());
    ASSERT_TRUE(desktop->ChooseMenu(*main, {"&Help", "&Technical Support"}));
    EXPECT_TRUE(s->FTechForm->Visible());
    desktop->PressKey(*s->FTechForm, Key::Escape);
    EXPECT_FALSE(s->FTechForm->Visible());
    EXPECT_NE(s->FTechForm->TechMemo->Text().find("NORVEL stands ready"), std::string::npos);
}

TEST_F(SupporterTest, WithoutADriverTheCardListSaysNoCardFound) {
    for (bool series : {true, false}) {
        Start(std::string("    bSeries = ") + (series ? "True" : "False") + "\n    OnGetCardString = CardString\n");
        ASSERT_NE(sup->FPCIForm, nullptr);
        EXPECT_TRUE(sup->FPCIForm->Visible());
        EXPECT_EQ(sup->FPCIForm->Caption(), "CARDA Cards installed");
        EXPECT_EQ(sup->FPCIForm->PCIMemo->Lines().Lines(), (std::vector<std::string>{"No Card Found"}));
        EXPECT_EQ(Title(), series ? "No CARDA Series Card Found" : "No CARDA Found");
        TMenuItem* file = form->Menu()->Items()->Items(0);
        EXPECT_EQ(file->Items(0)->Name(), "DisplayPCI");
        EXPECT_EQ(file->Items(0)->Caption(), "Display CARDA Cards Installed");
        EXPECT_EQ(file->Items(0)->Owner(), file);
        form->Free();
    }
}

TEST_F(SupporterTest, CardsWithEmptyStringsAreLeftOutAndOneLineIsEnough) {
    Start("    OnGetCardString = CardString\n", {"A", ""}, "complete");  // the stand-in reports two cards
    EXPECT_EQ(sup->FPCIForm->PCIMemo->Lines().Lines(), (std::vector<std::string>{"A"}));
    EXPECT_EQ(Title(), "CARDA Series Settings Program");
    // Layout after fitting: Close stays where the new window's width put it.
    EXPECT_EQ(sup->FPCIForm->ClientWidth(), 305);
    EXPECT_EQ(sup->FPCIForm->ClientHeight(), 122);
    EXPECT_EQ(sup->FPCIForm->PCIMemo->BoundsRect(), Bounds(0, 0, 305, 89));
    EXPECT_EQ(sup->FPCIForm->CloseButton->BoundsRect(), Bounds(115, 97, 73, 25));
    sup->FPCIForm->Hide();
    ASSERT_TRUE(desktop->ChooseMenu(*form, {"&File", "Display CARDA Cards Installed"}));
    EXPECT_TRUE(sup->FPCIForm->Visible());
}

TEST_F(SupporterTest, CardNameBReachesEveryText) {
    Start("    UseCardNameB = True\n    OnGetCardString = CardString\n");
    EXPECT_EQ(form->Menu()->Items()->Items(0)->Items(0)->Caption(), "Display CARDB Cards Installed");
    EXPECT_EQ(sup->FPCIForm->Caption(), "CARDB Cards installed");
    EXPECT_EQ(Title(), "No CARDB Series Card Found");
    EXPECT_NE(HelpPlainText().find("ACME CARDB Series Settings Program"), std::string::npos);
    EXPECT_NE(HelpPlainText().find("To see a list of CARDB cards installed, click \"Display CARDB Cards Installed\""), std::string::npos);
}

TEST_F(SupporterTest, MultiPortAddsTheNoteBetweenPopupsAndCardList) {
    Start("    MultiPort = True\n    OnGetCardString = CardString\n");
    const std::string t = HelpPlainText();
    const size_t popups = t.find("as you desire."), note = t.find("Note: Make sure"), list = t.find("To see a list");
    ASSERT_NE(note, std::string::npos);
    EXPECT_LT(popups, note);
    EXPECT_LT(note, list);
    EXPECT_NE(t.find("option group \xE2\x80\x94 the configuration"), std::string::npos);
}

TEST_F(SupporterTest, TheHelpWindowIsLaidOutAndScaledToTheScreen) {
    const struct {
        TPoint screen;
        int width, height;
    } cases[] = {{{800, 450}, 305, 138}, {{1024, 768}, 390, 177}, {{640, 480}, 305, 138}, {{1920, 1080}, 732, 331}};
    for (const auto& c : cases) {
        desktop->SetScreenSize(c.screen);
        Start("");
        THelpForm* help = sup->FHelpForm;
        EXPECT_EQ(help->ClientWidth(), c.width) << c.screen.x;
        EXPECT_EQ(help->ClientHeight(), c.height) << c.screen.x;
        EXPECT_EQ(help->Caption(), "Instructions for Settings utility");
        EXPECT_EQ(help->FormStyle(), fsStayOnTop);
        if (c.width == 305) {
            EXPECT_EQ(help->HelpRich->BoundsRect(), Bounds(0, 24, 305, 73));
            EXPECT_EQ(help->StartButton->BoundsRect(), Bounds(66, 105, 173, 25));
            EXPECT_EQ(sup->FTechForm->ClientWidth(), 305);
            EXPECT_EQ(sup->FTechForm->ClientHeight(), 122);
            EXPECT_EQ(sup->FTechForm->TechMemo->BoundsRect(), Bounds(0, 0, 305, 89));
            EXPECT_EQ(sup->FTechForm->CloseButton->BoundsRect(), Bounds(116, 97, 73, 25));
        } else {
            EXPECT_EQ(help->StartButton->Top() + 25, help->ClientHeight() - 8);  // kept its distance to the bottom
        }
        form->Free();
    }
}

TEST_F(SupporterTest, RunningOutOfTimersIsReportedAndTheProgramCarriesOn) {
    app->Timers().SetCapacity(0);
    Start("");
    ASSERT_EQ(desktop->Boxes().size(), 1u);
    EXPECT_EQ(desktop->Boxes()[0].text, "Not enough timers available");
    EXPECT_EQ(desktop->Boxes()[0].flags, MB_OK | MB_ICONSTOP);
    desktop->Advance(500);
    EXPECT_FALSE(sup->FHelpForm->Visible());
    EXPECT_FALSE(app->Terminated());
}

TEST_F(SupporterTest, EnterAndEscapeInTheHelpWindowActAsStart) {
    RegisterTemplate();
    for (Key key : {Key::Enter, Key::Escape}) {
        auto* main = app->CreateForm<TMainForm>();
        main->Show();
        desktop->RunIdle();
        desktop->Advance(100);
        THelpForm* help = main->SetSup->FHelpForm;
        ASSERT_TRUE(help->Visible());
        EXPECT_TRUE(help->StartButton->Focused());
        desktop->PressKey(*help, key);
        EXPECT_FALSE(help->Visible());
        ASSERT_NE(main->DCHighlight->FPopup, nullptr);
        EXPECT_TRUE(main->DCHighlight->FPopup->Visible());
        EXPECT_TRUE(main->DCHighlight->FPinned);
        // Again: the popup stays open and pinned.
        main->BoardImage1->Perform(setupctrls::WM_BOARDSTART, 0, 0);
        EXPECT_TRUE(main->DCHighlight->FPopup->Visible());
        EXPECT_TRUE(main->DCHighlight->FPinned);
        main->Free();
    }
}
