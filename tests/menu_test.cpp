#include "board_fixture.h"

namespace {

std::string Circles(const std::vector<std::pair<std::string, std::string>>& circles) {
    std::string body = R"(  Menu = Menu1
  object Menu1: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
    end
    object Help1: TMenuItem
      Caption = '&Help'
    end
  end
  object Board: TBoardImage
    Left = 150
    Top = 210
    Width = 600
    Height = 288
    AutoSize = False
    Picture = 'photo.bmp'
    Menu = Menu1
)";
    int x = 0;
    for (const auto& [name, rest] : circles) {
        body += "    object " + name + ": TBoardHighlight\n      Left = " + std::to_string(x) + "\n" + rest + "    end\n";
        x += 70;
    }
    return body + "  end\n";
}

std::string Options(const char* title) { return std::string("      HighlightType = htOptions\n      Title = '") + title + "'\n"; }

std::vector<std::string> Captions(const TMenuItem* item) {
    std::vector<std::string> out;
    for (int i = 0; i < item->Count(); ++i) out.push_back(item->Items(i)->Caption());
    return out;
}

class MenuTest : public BoardTest {
protected:
    TMenuItem* Top() { return Get<TMainMenu>("Menu1")->Items(); }
    TMenuItem* Entry(const char* group, const char* caption) {
        for (int g = 0; g < Top()->Count(); ++g)
            if (Top()->Items(g)->Caption() == group)
                for (int e = 0; e < Top()->Items(g)->Count(); ++e)
                    if (Top()->Items(g)->Items(e)->Caption() == caption) return Top()->Items(g)->Items(e);
        return nullptr;
    }
    void Choose(const char* group, const char* caption) { ASSERT_TRUE(desktop->ChooseMenu(*form, {group, caption})); }
    bool Open(const char* highlight) { return Get(highlight)->FPopup && Get(highlight)->FPopup->Visible(); }
};

}  // namespace

TEST_F(MenuTest, CirclesRegisterInTheGroupOfTheirKindBeforeHelp) {
    Load(Circles({{"DC", Options("DC Power Connector")},
                  {"USB", Options("USB Connector")},
                  {"Serial", Options("Serial Connector")},
                  {"LED", Options("LEDs")}}));
    ShowAndPaint();
    EXPECT_EQ(Captions(Top()), (std::vector<std::string>{"&File", "&Options", "&Help"}));
    TMenuItem* group = Top()->Items(1);
    EXPECT_EQ(group->Name(), "Options1");
    std::vector<std::string> names;
    for (int i = 0; i < group->Count(); ++i) names.push_back(group->Items(i)->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"DCPowerConnector1", "USBConnector1", "SerialConnector1", "LEDs1"}));
    EXPECT_EQ(group->Items(3)->Owner(), form);
}

TEST_F(MenuTest, NextAndPreviousStepThroughTheGroupAndWrap) {
    Load(Circles({{"A", Options("Alpha")}, {"B", Options("Beta")}, {"C", Options("Gamma")},
                  {"Solo", "      HighlightType = htCalibration\n      Title = 'Solo'\n"}}));
    ShowAndPaint();
    Choose("&Options", "Gamma");
    ASSERT_TRUE(Open("C"));
    Get("C")->NextClick(nullptr);
    EXPECT_FALSE(Open("C"));
    EXPECT_TRUE(Open("A"));
    EXPECT_TRUE(Get("A")->FPinned);
    EXPECT_TRUE(Entry("&Options", "Alpha")->Checked());
    EXPECT_FALSE(Entry("&Options", "Gamma")->Checked());
    Get("A")->PreviousClick(nullptr);
    EXPECT_TRUE(Open("C"));
    EXPECT_FALSE(Open("A"));
    Choose("&Calibration", "Solo");
    TPopupForm* solo = Get("Solo")->FPopup;
    Get("Solo")->NextClick(nullptr);  // a group of one: closes and opens the same popup, pinned
    EXPECT_EQ(Get("Solo")->FPopup, solo);
    EXPECT_TRUE(Open("Solo"));
    EXPECT_TRUE(Get("Solo")->FPinned);
    EXPECT_TRUE(Entry("&Calibration", "Solo")->Checked());
}

TEST_F(MenuTest, TwinsShareOneEntryThatClosesTheirPopupFromEither) {
    Load(Circles({{"First", Options("Jumper")}, {"Second", Options("Jumper")}}));
    ShowAndPaint();
    EXPECT_EQ(Captions(Top()->Items(1)), (std::vector<std::string>{"Jumper"}));
    Choose("&Options", "Jumper");
    ASSERT_TRUE(Open("First"));
    EXPECT_TRUE(Entry("&Options", "Jumper")->Checked());
    Choose("&Options", "Jumper");
    EXPECT_FALSE(Open("First"));
    EXPECT_FALSE(Entry("&Options", "Jumper")->Checked());
    // The entry runs First's MenuClick; the popup can belong to Second when it was hovered first.
    form->Free();
    Load(Circles({{"First", Options("Jumper")}, {"Second", Options("Jumper")}}));
    desktop->MoveCursor({0, 0});
    ShowAndPaint();
    Get("First")->SetCreatePopup(false);
    Hover(Get("Second"));
    ASSERT_TRUE(Open("Second"));
    desktop->MoveCursor(Elsewhere());
    Choose("&Options", "Jumper");
    EXPECT_TRUE(Open("Second"));
    EXPECT_TRUE(Entry("&Options", "Jumper")->Checked());
    Choose("&Options", "Jumper");
    EXPECT_FALSE(Open("Second"));
}

TEST_F(MenuTest, AnEntryPinsAnOpenPopupAndThenClosesIt) {
    Load(Circles({{"A", Options("Alpha")}}));
    ShowAndPaint();
    Hover(Get("A"));
    ASSERT_TRUE(Open("A"));
    EXPECT_FALSE(Get("A")->FPinned);
    Choose("&Options", "Alpha");
    EXPECT_TRUE(Get("A")->FPinned);
    EXPECT_TRUE(Entry("&Options", "Alpha")->Checked());
    Choose("&Options", "Alpha");
    EXPECT_FALSE(Open("A"));
}

TEST_F(MenuTest, GroupsStandInKindOrderWhateverTheOrderOfCreation) {
    Load(Circles({{"O", Options("Info")},
                  {"S", "      Title = 'Jumper'\n"},
                  {"C", "      HighlightType = htCalibration\n      Title = 'Trim'\n"}}));
    ShowAndPaint();
    EXPECT_EQ(Captions(Top()), (std::vector<std::string>{"&File", "&Settings", "&Calibration", "&Options", "&Help"}));
}

TEST_F(MenuTest, ADesignedGroupAndEntryAreUsedWhereTheyStand) {
    Load(R"(  Menu = Menu1
  object Menu1: TMainMenu
    object Options7: TMenuItem
      Caption = '&Options'
      object Designed: TMenuItem
        Caption = 'Alpha'
      end
    end
    object File1: TMenuItem
      Caption = '&File'
    end
    object Help1: TMenuItem
      Caption = '&Help'
    end
  end
  object options1: TPanel
  end
  object Board: TBoardImage
    Menu = Menu1
    Picture = 'photo.bmp'
    object A: TBoardHighlight
      HighlightType = htOptions
      Title = 'Alpha'
    end
    object B: TBoardHighlight
      Left = 100
      HighlightType = htOptions
      Title = 'Beta'
    end
    object C: TBoardHighlight
      Left = 200
      HighlightType = htSettings
      Title = '12'
    end
  end
)");
    ShowAndPaint();
    // "&Settings" goes in front of the first of "&Calibration", "&Options" and "&Help": the designed group.
    EXPECT_EQ(Captions(Top()), (std::vector<std::string>{"&Settings", "&Options", "&File", "&Help"}));
    EXPECT_EQ(Captions(Top()->Items(1)), (std::vector<std::string>{"Alpha", "Beta"}));
    EXPECT_EQ(Top()->Items(0)->Name(), "Settings1");
    EXPECT_EQ(Top()->Items(0)->Items(0)->Name(), "SettingsItem1");  // a Title without letters
    // The designed entry counts as A's: pinning A checks it.
    Get("A")->MenuClick(Get("A"));
    EXPECT_TRUE(Get<TMenuItem>("Designed")->Checked());
}

TEST_F(MenuTest, ATakenNameMovesToTheNextFreeNumber) {
    Load(Circles({{"A", Options("Alpha")}}) + "  object options1: TPanel\n  end\n");
    ShowAndPaint();
    EXPECT_EQ(Top()->Items(1)->Name(), "Options2");
}

TEST_F(MenuTest, WithoutAMenuNothingIsListedAndNavigationDoesNothing) {
    Load(R"(  object Board: TBoardImage
    Picture = 'photo.bmp'
    object A: TBoardHighlight
      Title = 'Alpha'
    end
  end
)");
    ShowAndPaint();
    Hover(Get("A"));
    Get("A")->NextClick(nullptr);
    EXPECT_TRUE(Open("A"));
}
