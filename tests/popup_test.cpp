#include "board_fixture.h"

namespace {

// A board at (150, 210) on a 873 x 730 window: centred at its first paint to (136, 221).
const char* kBoard = R"(  object Board: TBoardImage
    Left = 150
    Top = 210
    Width = 600
    Height = 288
    AutoSize = False
    Stretch = True
    Picture = 'photo.bmp'
    object WithPanel: TBoardHighlight
      Left = 479
      Top = 48
      Title = 'Serial Connector'
      HighlightType = htOptions
      RadioPanel = Serial
    end
    object NoPanel: TBoardHighlight
      Left = 100
      Top = 100
      Title = 'Bare'
    end
  end
  object Serial: TRadioPanel
    Left = 671
    Top = 504
    Width = 194
    Height = 169
    Lines.Strings = ('first line' 'second line')
  end
)";

TControl* Child(TForm* popup, const char* name) { return As<TControl>(popup->FindComponent(name)); }

}  // namespace

TEST_F(BoardTest, APopupWithAPanelIsLaidOutBelowItsPanel) {
    desktop->SetScreenSize({1280, 1024});
    Load(kBoard);
    ShowAndPaint();
    auto* h = Get("WithPanel");
    Hover(h);
    TPopupForm* popup = h->FPopup;
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->Caption(), "Serial Connector");
    EXPECT_EQ(popup->Tag(), htOptions);
    EXPECT_EQ(popup->BorderStyle(), bsSizeToolWin);
    EXPECT_EQ(popup->FormStyle(), fsStayOnTop);
    EXPECT_EQ(popup->ClientWidth(), 194);
    EXPECT_EQ(popup->ClientHeight(), 278);
    auto* panel = Get<TRadioPanel>("Serial");
    EXPECT_EQ(panel->Parent(), popup);
    EXPECT_EQ(panel->BoundsRect(), Bounds(0, 0, 194, 169));
    EXPECT_TRUE(panel->Visible());
    EXPECT_TRUE(panel->FInPopup);
    EXPECT_EQ(Child(popup, "StatusMemo")->BoundsRect(), Bounds(6, 170, 182, 58));
    EXPECT_EQ(Child(popup, "PreviousButton")->BoundsRect(), Bounds(6, 234, 58, 25));
    EXPECT_EQ(Child(popup, "NextButton")->BoundsRect(), Bounds(68, 234, 58, 25));
    EXPECT_EQ(Child(popup, "DoneButton")->BoundsRect(), Bounds(130, 234, 58, 25));
    EXPECT_EQ(popup->PopupStatus->BoundsRect(), Bounds(0, 259, 194, 19));
    EXPECT_EQ(As<TMemo>(Child(popup, "StatusMemo"))->Lines().Lines(), (std::vector<std::string>{"first line", "second line"}));
    // Where the panel was designed, moved as the board moved: 671 + (136 - 150), 504 + (221 - 210).
    EXPECT_EQ(popup->Left(), 657);
    EXPECT_EQ(popup->Top(), 515);
    EXPECT_EQ(popup->Constraints().MinWidth, popup->Width());
    EXPECT_EQ(popup->Constraints().MinHeight, popup->Height());
    EXPECT_TRUE(panel->Focused());
    EXPECT_EQ(app->ActiveForm(), popup);
    EXPECT_TRUE(h->FLit);
}

TEST_F(BoardTest, APopupWithoutAPanelOpensBelowTheBoard) {
    Load(kBoard);
    ShowAndPaint();
    auto* h = Get("NoPanel");
    Hover(h);
    TPopupForm* popup = h->FPopup;
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->Width(), 194);
    EXPECT_EQ(popup->Height(), 141);
    EXPECT_EQ(popup->Left(), 136);
    EXPECT_EQ(popup->Top(), 221 + 288 + 38);
    EXPECT_EQ(Child(popup, "StatusMemo")->Height(), 58);
    EXPECT_TRUE(As<TWinControl>(Child(popup, "DoneButton"))->Focused());
}

TEST_F(BoardTest, ShowingAgainAfterDoneReusesTheWindowAsItWas) {
    Load(kBoard);
    ShowAndPaint();
    auto* h = Get("WithPanel");
    auto* panel = Get<TRadioPanel>("Serial");
    int enters = 0;
    panel->OnEnter = TNotifyEvent([&](TObject*) { ++enters; }, nullptr);
    Hover(h);
    desktop->Click(CentreOf(h));
    ASSERT_TRUE(h->FPinned);
    TPopupForm* popup = h->FPopup;
    popup->SetBounds(300, 200, popup->Width() + 40, popup->Height() + 20);  // the user moved and enlarged it
    As<TButton>(Child(popup, "DoneButton"))->Click();
    EXPECT_FALSE(popup->Visible());
    EXPECT_FALSE(h->FMouseInside);
    desktop->MoveCursor(Elsewhere());
    Hover(h);
    EXPECT_EQ(h->FPopup, popup);
    EXPECT_TRUE(popup->Visible());
    EXPECT_EQ(popup->BoundsRect(), Bounds(300, 200, 194 + 8 + 40, 278 + 25 + 20));
    EXPECT_FALSE(h->FPinned);
    EXPECT_EQ(enters, 1);  // no focus call the second time
    EXPECT_EQ(As<TMemo>(Child(popup, "StatusMemo"))->Lines().Count(), 2);
}

TEST_F(BoardTest, APopupGrowsWithItsAnchorsAndNeverShrinksBelowItsOpeningSize) {
    Load(kBoard);
    ShowAndPaint();
    auto* h = Get("WithPanel");
    Hover(h);
    TPopupForm* popup = h->FPopup;
    const int w = popup->Width(), hgt = popup->Height();
    popup->SetBounds(popup->Left(), popup->Top(), w - 50, hgt - 50);
    EXPECT_EQ(popup->Width(), w);
    EXPECT_EQ(popup->Height(), hgt);
    popup->SetBounds(popup->Left(), popup->Top(), w + 100, hgt + 60);
    EXPECT_EQ(Child(popup, "StatusMemo")->BoundsRect(), Bounds(6, 170, 282, 118));
    EXPECT_EQ(Child(popup, "PreviousButton")->BoundsRect(), Bounds(6, 294, 58, 25));
    EXPECT_EQ(Child(popup, "NextButton")->Left(), (294 - 58) / 2);
    EXPECT_EQ(Child(popup, "DoneButton")->BoundsRect(), Bounds(230, 294, 58, 25));
    EXPECT_EQ(popup->PopupStatus->BoundsRect(), Bounds(0, 319, 294, 19));
    EXPECT_EQ(Get<TRadioPanel>("Serial")->BoundsRect(), Bounds(0, 0, 194, 169));
    // FinalAnchors now take effect at once.
    Get<TRadioPanel>("Serial")->SetFinalAnchors(akLeft | akTop | akRight | akBottom);
    popup->SetBounds(popup->Left(), popup->Top(), popup->Width() + 10, popup->Height());
    EXPECT_EQ(Get<TRadioPanel>("Serial")->Width(), 204);
}

TEST_F(BoardTest, TheMouseMayCrossIntoThePopupWhichClosesOnceLeft) {
    Load(kBoard + std::string("  object Menu1: TMainMenu\n  end\n"));
    As<TBoardImage>(form->FindComponent("Board"))->SetMenu(Get<TMainMenu>("Menu1"));
    ShowAndPaint();
    auto* h = Get("WithPanel");
    Hover(h);
    TPopupForm* popup = h->FPopup;
    TMenuItem* top = Get<TMainMenu>("Menu1")->Items();
    ASSERT_EQ(top->Count(), 2);  // "&Settings" (for Bare), then "&Options"
    TMenuItem* entry = top->Items(1)->Items(0);
    ASSERT_EQ(entry->Caption(), "Serial Connector");
    // Into the popup: held.
    desktop->MoveCursor(popup->ClientToScreen({20, 20}));
    EXPECT_TRUE(popup->Visible());
    EXPECT_TRUE(popup->FCloseOnLeave);
    EXPECT_TRUE(h->FPinned);
    EXPECT_TRUE(entry->Checked());
    // Across its controls and its frame: still open.
    for (TPoint p : {TPoint{100, 200}, TPoint{30, 245}, TPoint{150, 245}, TPoint{100, 268}, TPoint{-2, 100}}) {
        desktop->MoveCursor(popup->ClientToScreen(p));
        EXPECT_TRUE(popup->Visible()) << p.x << "," << p.y;
    }
    // Out of its rectangle: closed, the hover and the check mark cleared.
    desktop->MoveCursor(Elsewhere());
    EXPECT_FALSE(popup->Visible());
    EXPECT_FALSE(h->FMouseInside);
    EXPECT_FALSE(popup->FCloseOnLeave);
    EXPECT_FALSE(entry->Checked());
    EXPECT_FALSE(h->FLit);
}

TEST_F(BoardTest, APopupPinnedByAClickStaysWhenTheMouseLeaves) {
    Load(kBoard);
    ShowAndPaint();
    auto* h = Get("WithPanel");
    int clicks = 0;
    h->OnClick = TNotifyEvent([&](TObject*) { clicks += h->FPinned ? 10 : 1; }, nullptr);
    Hover(h);
    desktop->Click(CentreOf(h));
    EXPECT_EQ(clicks, 1);  // OnClick runs before the pin
    desktop->MoveCursor(Elsewhere());
    EXPECT_TRUE(h->FPopup->Visible());
    EXPECT_TRUE(h->FMouseInside);
    EXPECT_EQ(app->ActiveForm(), h->FPopup);
}

TEST_F(BoardTest, APopupIsClampedIntoTheScreen) {
    struct Case {
        int panelLeft, panelTop;
        TPoint expected;
    };
    const Case cases[] = {
        {-400, 300, {0, 300 + 11}},
        {300, -400, {300 - 14, 0}},
        {1000, 300, {1024 - (194 + 8), 300 + 11}},
        {300, 700, {300 - 14, 768 - (278 + 25)}},
    };
    for (const Case& c : cases) {
        Load(kBoard);
        auto* panel = Get<TRadioPanel>("Serial");
        panel->SetBounds(c.panelLeft, c.panelTop, panel->Width(), panel->Height());
        ShowAndPaint();
        Hover(Get("WithPanel"));
        TPopupForm* popup = Get("WithPanel")->FPopup;
        EXPECT_EQ(TPoint(popup->Left(), popup->Top()), c.expected) << c.panelLeft << "," << c.panelTop;
        desktop->MoveCursor({1023, 767});
        form->Free();
    }
}
