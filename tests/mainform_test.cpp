// The shipped main window, loaded headless: a description mistake fails here, not at a user's start-up.
#include <algorithm>

#include "app/template.h"
#include "desktop.h"
#include "ui/core/jpeg.h"
#include "ui/core/resources.h"

using namespace ui;

namespace {

class MainFormTest : public DesktopTest {
protected:
    MainFormTest() {
        RegisterTemplate();
        form = app->CreateForm<TMainForm>();
    }
    TMainForm* form;
};

std::vector<std::string> Captions(TMenuItem* item) {
    std::vector<std::string> out;
    for (int i = 0; i < item->Count(); ++i) out.push_back(item->Items(i)->Caption());
    return out;
}

}  // namespace

TEST_F(MainFormTest, OpensMaximisedWithItsCaptionMenuAndBoard) {
    EXPECT_EQ(form->Caption(), "Setup");
    EXPECT_EQ(form->WindowState(), wsMaximized);
    EXPECT_EQ(form->BoundsRect(), Bounds(318, 99, 873, 730));
    EXPECT_EQ(form->Color(), clWhite);
    EXPECT_EQ(form->Font().Name, "Tahoma");
    EXPECT_EQ(form->Font().Height, -11);
    ASSERT_NE(form->MainMenu1, nullptr);
    EXPECT_EQ(Captions(form->MainMenu1->Items()), (std::vector<std::string>{"&File", "&Help"}));
    EXPECT_EQ(Captions(form->File1), (std::vector<std::string>{"&Exit"}));
    EXPECT_EQ(Captions(form->Help1), (std::vector<std::string>{"H&ow to use this program", "&Technical Support"}));
    ASSERT_NE(form->BoardImage1, nullptr);
    EXPECT_EQ(form->BoardImage1->Menu(), form->MainMenu1);
    EXPECT_EQ(form->ControlCount(), 5);  // the board and the four hidden panels

    form->Show();
    app->ProcessMessages();
    const TPoint screen = desktop->ScreenSize();
    EXPECT_EQ(form->BoundsRect(), Bounds(0, 0, screen.x, screen.y));
    EXPECT_EQ(form->BoardImage1->Left(), (screen.x - 600) / 2);
    EXPECT_EQ(form->BoardImage1->Top(), (screen.y - 288) / 2);
    EXPECT_EQ(form->BoardImage1->FDesignLeft, 150);
    EXPECT_EQ(form->BoardImage1->FDesignTop, 210);
    EXPECT_EQ(Captions(form->MainMenu1->Items()), (std::vector<std::string>{"&File", "&Options", "&Help"}));
}

TEST_F(MainFormTest, OnAnOuterSizeOf873By730TheBoardMovesTo136And221) {
    form->SetWindowState(wsNormal);
    form->Show();
    app->ProcessMessages();
    EXPECT_EQ(form->BoardImage1->Left(), 136);
    EXPECT_EQ(form->BoardImage1->Top(), 221);
}

TEST_F(MainFormTest, ThePhotographIsDrawnOneToOneAroundTheCircles) {
    auto data = FindResource("board.jpg");
    ASSERT_TRUE(data);
    TJPEGImage photo;
    photo.LoadFromBytes(*data);
    ASSERT_EQ(photo.Width(), 600);
    ASSERT_EQ(photo.Height(), 288);
    form->Show();
    TBitmap painted = desktop->Pixels(*form->BoardImage1);
    ASSERT_EQ(painted.Width(), 600);
    ASSERT_EQ(painted.Height(), 288);
    auto underACircle = [&](int x, int y) {
        for (int i = 0; i < form->BoardImage1->ControlCount(); ++i)
            if (form->BoardImage1->Controls(i)->BoundsRect().Contains({x, y})) return true;
        return false;
    };
    int compared = 0;
    for (int y = 0; y < 288; ++y)
        for (int x = 0; x < 600; ++x)
            if (!underACircle(x, y)) {
                ASSERT_EQ(painted.Pixel(x, y), photo.Bitmap().Pixel(x, y)) << x << "," << y;
                ++compared;
            }
    EXPECT_GT(compared, 600 * 288 / 2);
}

TEST_F(MainFormTest, ExitEndsTheProgram) {
    form->Show();
    ASSERT_TRUE(desktop->ChooseMenu(*form, {"&File", "&Exit"}));
    EXPECT_TRUE(app->Terminated());
    EXPECT_FALSE(form->Visible());
}

TEST(Photograph, HasTheFormatOfTheProductSheet) {
    RegisterTemplate();
    auto data = FindResource("board.jpg");
    ASSERT_TRUE(data);
    const std::vector<uint8_t> bytes(data->begin(), data->end());
    auto find = [&](std::initializer_list<uint8_t> marker) {
        return std::search(bytes.begin(), bytes.end(), marker.begin(), marker.end()) != bytes.end();
    };
    // JFIF 1.01, density in dots per inch, 180 x 180.
    ASSERT_GT(bytes.size(), 20u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 4), (std::vector<uint8_t>{0xFF, 0xD8, 0xFF, 0xE0}));
    EXPECT_EQ(std::string(bytes.begin() + 6, bytes.begin() + 11), std::string("JFIF\0", 5));
    EXPECT_EQ(bytes[11], 1);
    EXPECT_EQ(bytes[12], 1);
    EXPECT_EQ(bytes[13], 1);
    EXPECT_EQ((bytes[14] << 8) | bytes[15], 180);
    EXPECT_EQ((bytes[16] << 8) | bytes[17], 180);
    // An embedded ICC profile that describes sRGB.
    EXPECT_TRUE(find({'I', 'C', 'C', '_', 'P', 'R', 'O', 'F', 'I', 'L', 'E', 0}));
    const std::string description = "sRGB IEC61966-2.1";
    EXPECT_TRUE(std::search(bytes.begin(), bytes.end(), description.begin(), description.end()) != bytes.end());
    // Progressive (SOF2): 8 bits, 288 x 600, three components each sampled 1 x 1.
    const std::vector<uint8_t> sofMarker{0xFF, 0xC2};
    auto sof = std::search(bytes.begin(), bytes.end(), sofMarker.begin(), sofMarker.end());
    ASSERT_NE(sof, bytes.end());
    const uint8_t* s = &*sof;
    EXPECT_EQ(s[4], 8);
    EXPECT_EQ((s[5] << 8) | s[6], 288);
    EXPECT_EQ((s[7] << 8) | s[8], 600);
    EXPECT_EQ(s[9], 3);
    for (int c = 0; c < 3; ++c) EXPECT_EQ(s[11 + 3 * c], 0x11) << "component " << c;
}

TEST(Photograph, ABrokenCopyIsRefused) {
    RegisterTemplate();
    auto data = FindResource("board.jpg");
    ASSERT_TRUE(data);
    TJPEGImage image;
    EXPECT_THROW(image.LoadFromBytes(data->subspan(0, data->size() / 2)), EInvalidGraphic);
    std::vector<uint8_t> corrupt(data->begin(), data->end());
    for (size_t i = corrupt.size() / 2; i < corrupt.size() / 2 + 2000; ++i) corrupt[i] = 0xFF;
    EXPECT_THROW(image.LoadFromBytes(corrupt), EInvalidGraphic);
}
