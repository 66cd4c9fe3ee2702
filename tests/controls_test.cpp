// The standard controls, built from a small description as a product would build them.
#include "bmp_builder.h"
#include "desktop.h"
#include "ui/core/comctrls.h"
#include "ui/core/extctrls.h"
#include "ui/core/resources.h"
#include "ui/stream/reader.h"
#include "ui/stream/standard_classes.h"

using namespace ui;

namespace {

class TControlsForm : public TForm, public TPublished {
    UI_CLASS(TControlsForm, TForm)
public:
    explicit TControlsForm(TComponent* owner) : TForm(owner) {
        PublishField("Pages", Pages);
        PublishField("Sheet1", Sheet1);
        PublishField("Sheet2", Sheet2);
        PublishField("Pins", Pins);
        PublishField("Picture", Picture);
        PublishField("Ok", Ok);
        PublishField("Notes", Notes);
    }
    TPageControl* Pages = nullptr;
    TTabSheet *Sheet1 = nullptr, *Sheet2 = nullptr;
    TLabel* Pins = nullptr;
    TImage* Picture = nullptr;
    TButton* Ok = nullptr;
    TMemo* Notes = nullptr;
};

class ControlsTest : public DesktopTest {
protected:
    ControlsTest() {
        static const std::vector<uint8_t> drawing = MakeBmp24(8, 8, [](int x, int y) { return x >= 2 && x < 6 && y >= 2 && y < 6 ? 0x00FF00u : 0xFF00FFu; });
        RegisterResource("drawing.bmp", drawing);
        static ClassRegistry registry = [] {
            ClassRegistry r;
            RegisterStandardClasses(r);
            return r;
        }();
        form = new TControlsForm(app.get());
        ReadDescription(*form, R"(object F: TControlsForm
  Left = 0
  Top = 0
  ClientWidth = 300
  ClientHeight = 200
  Position = poDesigned
  Color = clWhite
  object Pages: TPageControl
    Width = 194
    Height = 169
    object Sheet1: TTabSheet
      Caption = 'DB9 Male'
      object Pins: TLabel
        Left = 8
        Top = 8
        Width = 89
        Height = 129
        AutoSize = False
        Caption = '1'#9'N/C'#13#10'2'#9'RX'
      end
    end
    object Sheet2: TTabSheet
      Caption = 'RJ12'
    end
  end
  object Picture: TImage
    Left = 200
    Top = 8
    AutoSize = True
    Transparent = True
    Picture = 'drawing.bmp'
  end
  object Ok: TButton
    Left = 200
    Top = 100
    Caption = 'OK'
    Default = True
  end
  object Notes: TMemo
    Left = 200
    Top = 130
    ReadOnly = False
    Lines.Strings = ('first' 'second')
  end
end)",
                       registry);
    }
    TControlsForm* form;
};

}  // namespace

TEST_F(ControlsTest, PageControlShowsItsFirstPageInsideTheTabsAndFollowsTheChoice) {
    ASSERT_EQ(form->Pages->Pages(), (std::vector<TTabSheet*>{form->Sheet1, form->Sheet2}));
    EXPECT_EQ(form->Pages->ActivePage(), form->Sheet1);
    EXPECT_TRUE(form->Sheet1->Visible());
    EXPECT_FALSE(form->Sheet2->Visible());
    EXPECT_EQ(form->Sheet1->BoundsRect(), form->Pages->DisplayRect());
    app->PageChosen(*form->Pages, 1);
    EXPECT_EQ(form->Pages->ActivePage(), form->Sheet2);
    EXPECT_FALSE(form->Sheet1->Visible());
    form->Pages->SetBounds(0, 0, 250, 200);
    EXPECT_EQ(form->Sheet2->BoundsRect(), form->Pages->DisplayRect());
}

TEST_F(ControlsTest, LabelsKeepTheirTextAndSizeWhenAutoSizeIsOff) {
    EXPECT_EQ(form->Pins->Caption(), "1\tN/C\r\n2\tRX");
    EXPECT_EQ(form->Pins->BoundsRect(), Bounds(8, 8, 89, 129));
    auto* sized = new TLabel(form);
    sized->SetParent(form);
    sized->SetCaption("two\r\nlines");
    EXPECT_EQ(sized->Height(), 2 * GetTextService()->TextHeight(sized->Font()));
    EXPECT_EQ(sized->Width(), GetTextService()->TextWidth(sized->Font(), "lines"));
}

TEST_F(ControlsTest, ATransparentPictureLeavesOutItsBottomLeftColour) {
    EXPECT_EQ(form->Picture->Width(), 8);
    EXPECT_EQ(form->Picture->Height(), 8);
    form->Show();
    TBitmap pixels = desktop->Pixels(*form->Picture);
    EXPECT_EQ(pixels.Pixel(3, 3), PixelOf(RGB(0, 255, 0)));
    EXPECT_EQ(pixels.Pixel(0, 0), PixelOf(clWhite));
    EXPECT_EQ(pixels.Pixel(7, 7), PixelOf(clWhite));
}

TEST_F(ControlsTest, EnterClicksTheDefaultButtonUnlessAnEditorHasTheFocus) {
    int clicks = 0;
    form->Ok->OnClick = TNotifyEvent([&](TObject*) { ++clicks; }, nullptr);
    form->Show();
    desktop->PressKey(*form, Key::Enter);
    EXPECT_EQ(clicks, 1);
    form->Notes->SetFocus();
    desktop->PressKey(*form, Key::Enter);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form->Notes->Lines().Lines(), (std::vector<std::string>{"first", "second"}));
}

TEST_F(ControlsTest, StatusBarsSitAtTheBottomUnlessToldOtherwise) {
    auto* bar = new TStatusBar(form);
    bar->SetParent(form);
    EXPECT_EQ(bar->Align(), alBottom);
    EXPECT_EQ(bar->Top(), form->ClientHeight() - bar->Height());
    bar->SetAlign(alNone);
    bar->AddPanel().Bevel = false;
    bar->SetPanelText(0, "ready");
    EXPECT_EQ(bar->Panel(0).Text, "ready");
}
