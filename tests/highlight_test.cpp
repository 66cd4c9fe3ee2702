#include <tuple>

#include "board_fixture.h"
#include "setupctrls/renderring.h"

namespace {

const char* kTwoOverlapping = R"(  object Board: TBoardImage
    Left = 100
    Top = 100
    AutoSize = False
    Width = 300
    Height = 200
    Picture = 'photo.bmp'
    object Lower: TBoardHighlight
      Left = 10
      Top = 10
    end
    object Upper: TBoardHighlight
      Left = 40
      Top = 40
      Width = 80
      Height = 50
      HighlightType = htCalibration
    end
  end
)";

bool SamePixels(const TBitmap& a, const TBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    return true;
}

}  // namespace

TEST_F(BoardTest, MarkersAreTheRingRenderedOverWhatLiesBeneathIncludingLowerCircles) {
    Load(kTwoOverlapping);
    ShowAndPaint();
    auto* board = As<TBoardImage>(form->FindComponent("Board"));
    auto* lower = Get("Lower");
    auto* upper = Get("Upper");
    ASSERT_TRUE(upper->FMarkersBuilt);
    // Beneath Upper: the photograph, with Lower's normal marker where the two overlap.
    TBitmap beneath(80, 50);
    board->Picture().Graphic()->Draw(beneath.Canvas(), Bounds(-40, -40, 300, 200));
    BitBlt(beneath.Canvas(), -30, -30, 65, 65, lower->FNormalMarker.Canvas(), 0, 0, SRCCOPY);
    const struct {
        const TBitmap* marker;
        float strength;
        bool hot;
    } cases[] = {{&upper->FNormalMarker, 0.5f, false}, {&upper->FHotMarker, 1.0f, true}, {&upper->FActiveMarker, 0.75f, false}};
    for (const auto& c : cases) {
        TBitmap expected;
        expected.Assign(beneath);
        RenderRing(expected, 79, 49, c.strength, 0x000000FF, c.hot);
        EXPECT_TRUE(SamePixels(*c.marker, expected)) << "strength " << c.strength;
    }
    // On screen: the normal marker, and while hovered the active one, each a plain copy.
    EXPECT_TRUE(SamePixels(desktop->Pixels(*upper), upper->FNormalMarker));
    upper->SetCreatePopup(false);
    Hover(upper);
    EXPECT_TRUE(SamePixels(desktop->Pixels(*upper), upper->FActiveMarker));
}

TEST_F(BoardTest, KindsSetColourAndStrengthsAndOnlyAChangeRepaints) {
    Load(kTwoOverlapping);
    auto* h = Get("Lower");
    EXPECT_EQ(h->Width(), 65);
    EXPECT_EQ(h->HighlightType(), htSettings);
    EXPECT_EQ(std::tie(h->FMarkerColor, h->FNormalStrength, h->FHotStrength, h->FActiveStrength),
              std::make_tuple(TColor{0x0000FFFF}, 0.5f, 1.0f, 0.75f));
    EXPECT_TRUE(h->CreatePopup());
    EXPECT_EQ(h->FMenu, nullptr);
    EXPECT_EQ(h->FPopup, nullptr);
    ShowAndPaint();
    auto* board = As<TBoardImage>(form->FindComponent("Board"));
    const int paints = desktop->PaintCount(*board);
    TBitmap before;
    before.Assign(h->FNormalMarker);
    h->SetHighlightType(htOptions);
    app->ProcessMessages();
    EXPECT_EQ(std::tie(h->FMarkerColor, h->FNormalStrength, h->FHotStrength, h->FActiveStrength),
              std::make_tuple(TColor{0x00FF0000}, 0.25f, 1.0f, 0.5f));
    EXPECT_EQ(desktop->PaintCount(*board), paints + 1);
    h->SetHighlightType(htOptions);
    h->SetTitle("");
    app->ProcessMessages();
    EXPECT_EQ(desktop->PaintCount(*board), paints + 1);
    // The markers were rendered at the first paint and keep their colour.
    EXPECT_TRUE(SamePixels(h->FNormalMarker, before));
}

TEST(Highlight, TitlesGiveCaptionsAndIdentifiers) {
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"DC Power Connector", "DC Power Connector", "DCPowerConnector"},
        {"LEDs", "LEDs", "LEDs"},
        {"3 Pin Header", "3 Pin Header", "PinHeader"},
        {"&Jumper && Switch 3", "Jumper  Switch 3", "JumperSwitch3"},
        {"12", "12", ""},
        {"", "", ""},
        {"_x1", "_x1", "_x1"},
        {"Ünïcode Pin", "Ünïcode Pin", "ncodePin"},
    };
    for (const auto& [title, caption, ident] : cases) {
        EXPECT_EQ(TBoardHighlight::StripAmpersands(title), caption) << title;
        EXPECT_EQ(TBoardHighlight::MakeIdentifier(title), ident) << title;
    }
}

namespace {
const char* kTwins = R"(  object Board: TBoardImage
    Left = 100
    Top = 100
    AutoSize = False
    Width = 300
    Height = 200
    Picture = 'photo.bmp'
    object B: TBoardHighlight
      Left = 0
      Top = 0
      Title = 'Jumper'
    end
    object A: TBoardHighlight
      Left = 100
      Top = 0
      Title = 'Jumper'
      RadioPanel = P
    end
    object C: TBoardHighlight
      Left = 200
      Top = 0
      Title = 'Jumper'
    end
    object D: TBoardHighlight
      Left = 0
      Top = 100
      Title = 'Jumper'
      HighlightType = htCalibration
    end
  end
  object P: TRadioPanel
    Left = 0
    Top = 500
  end
  object Q: TRadioPanel
  end
)";
}  // namespace

TEST_F(BoardTest, TwinsHoverTogetherAndShareOnePopup) {
    Load(kTwins);
    ShowAndPaint();
    auto *a = Get("A"), *b = Get("B"), *c = Get("C"), *d = Get("D");
    Hover(b);  // B comes first in the list: it builds the one popup
    EXPECT_TRUE(a->FMouseInside && b->FMouseInside && c->FMouseInside);
    EXPECT_FALSE(d->FMouseInside);
    ASSERT_NE(b->FPopup, nullptr);
    EXPECT_EQ(a->FPopup, nullptr);
    EXPECT_EQ(c->FPopup, nullptr);
    desktop->MoveCursor(Elsewhere());  // the leave closes the shared popup and ends without ping-pong
    EXPECT_FALSE(b->FPopup->Visible());
    EXPECT_FALSE(a->FMouseInside || b->FMouseInside || c->FMouseInside);
    Hover(c);  // C finds B's hidden popup; the forwarded enter makes B show it again
    EXPECT_TRUE(b->FPopup->Visible());
    EXPECT_EQ(c->FPopup, nullptr);
    EXPECT_TRUE(a->FMouseInside && b->FMouseInside);
}

TEST_F(BoardTest, SetLitReachesEachTwinOnceAndBringsThemToTheFront) {
    Load(kTwins);
    auto* board = As<TBoardImage>(form->FindComponent("Board"));
    auto *a = Get("A"), *b = Get("B"), *c = Get("C"), *d = Get("D");
    a->SendToBack();
    b->SendToBack();  // order B, A, C, D
    ASSERT_EQ(board->Controls(0), b);
    a->SetLit(true);
    EXPECT_TRUE(a->FLit && b->FLit && c->FLit);
    EXPECT_FALSE(d->FLit);
    const std::vector<TControl*> order{board->Controls(0), board->Controls(1), board->Controls(2), board->Controls(3)};
    EXPECT_EQ(order, (std::vector<TControl*>{d, a, b, c}));
}

TEST_F(BoardTest, APanelBelongsToOneHighlightOrToTwins) {
    Load(kTwins);
    auto *a = Get("A"), *b = Get("B"), *d = Get("D");
    auto* p = Get<TRadioPanel>("P");
    auto* q = Get<TRadioPanel>("Q");
    EXPECT_EQ(a->RadioPanel(), p);
    b->SetRadioPanel(p);  // B is A's twin
    EXPECT_EQ(b->RadioPanel(), p);
    d->SetRadioPanel(q);
    d->SetRadioPanel(p);  // D differs in kind: refused, the old value stays
    EXPECT_EQ(d->RadioPanel(), q);
    a->SetTitle("Other");
    b->SetRadioPanel(nullptr);
    b->SetRadioPanel(p);  // A now differs in title
    EXPECT_EQ(b->RadioPanel(), nullptr);
    auto* loose = new TBoardHighlight(form);
    loose->SetRadioPanel(p);  // without a parent there is nothing to conflict with
    EXPECT_EQ(loose->RadioPanel(), p);
}

TEST_F(BoardTest, OnAnotherParentAHighlightHasNoMenuAndNoTwins) {
    Load(R"(  object Menu1: TMainMenu
  end
  object Plain: TPanel
    Left = 0
    Top = 0
    Width = 400
    Height = 300
    object X: TBoardHighlight
      Title = 'Same'
    end
    object Y: TBoardHighlight
      Left = 100
      Title = 'Same'
    end
  end
)");
    ShowAndPaint();
    auto *x = Get("X"), *y = Get("Y");
    EXPECT_TRUE(x->FMarkersBuilt);
    EXPECT_EQ(x->FMenu, nullptr);
    Hover(x);
    EXPECT_TRUE(x->FMouseInside);
    EXPECT_FALSE(y->FMouseInside);
    ASSERT_NE(x->FPopup, nullptr);
    x->SetLit(true);
    EXPECT_FALSE(y->FLit);
}

TEST_F(BoardTest, WithoutAnyPopupTheHoverEndsWithTheMouse) {
    Load(kTwins);
    ShowAndPaint();
    auto* d = Get("D");
    d->SetCreatePopup(false);
    Hover(d);
    EXPECT_TRUE(d->FMouseInside);
    desktop->MoveCursor(Elsewhere());
    EXPECT_FALSE(d->FMouseInside);
}
