// The serial board's sheet: its four circles, their popups, pinouts and the connector drawing.
#include <cstdlib>

#include "app/template.h"
#include "ui/core/jpeg.h"
#include "desktop.h"
#include "ui/core/resources.h"

using namespace ui;

namespace {

class ProductTest : public DesktopTest {
protected:
    ProductTest() {
        desktop->SetScreenSize({1280, 1024});
        RegisterTemplate();
        form = app->CreateForm<TMainForm>();
        form->Show();
        app->ProcessMessages();
    }
    setupctrls::TPopupForm* Open(const char* title) {
        EXPECT_TRUE(desktop->ChooseMenu(*form, {"&Options", title}));
        for (TBoardHighlight* h : {form->DCHighlight, form->USBHighlight, form->RS232Highlight, form->LEDHighlight})
            if (h->Title() == title) return h->FPopup;
        return nullptr;
    }
    TMainForm* form;
};

}  // namespace

TEST_F(ProductTest, TheOptionsMenuListsTheFourCirclesAndNoOtherGroup) {
    TMenuItem* top = form->MainMenu1->Items();
    ASSERT_EQ(top->Count(), 3);
    EXPECT_EQ(top->Items(1)->Caption(), "&Options");
    std::vector<std::string> entries;
    for (int i = 0; i < top->Items(1)->Count(); ++i) entries.push_back(top->Items(1)->Items(i)->Caption());
    EXPECT_EQ(entries, (std::vector<std::string>{"DC Power Connector", "USB Connector", "Serial Connector", "LEDs"}));
    EXPECT_EQ(form->BoardImage1->First(), form->DCHighlight);
}

TEST_F(ProductTest, ThePopupsOpenWithTheirClientAreasAndTheLedPopupGrowsOnce) {
    const struct {
        const char* title;
        int width, height;
    } cases[] = {{"DC Power Connector", 241, 182}, {"USB Connector", 257, 118}, {"Serial Connector", 194, 278}, {"LEDs", 297, 118}};
    for (const auto& c : cases) {
        setupctrls::TPopupForm* popup = Open(c.title);
        ASSERT_NE(popup, nullptr) << c.title;
        const bool led = std::string(c.title) == "LEDs";
        EXPECT_EQ(popup->ClientWidth(), c.width) << c.title;
        EXPECT_EQ(popup->ClientHeight(), c.height + (led ? 160 : 0)) << c.title;
        EXPECT_EQ(popup->Constraints().MinHeight + (led ? 160 : 0), popup->Height()) << c.title;
    }
    setupctrls::TPopupForm* led = form->LEDHighlight->FPopup;
    const int height = led->Height();
    Open("LEDs");  // checked: closes
    EXPECT_FALSE(led->Visible());
    Open("LEDs");
    EXPECT_EQ(led->Height(), height);
    EXPECT_FALSE(form->LEDPanel->OnEnter.Assigned());
    EXPECT_EQ(form->LEDPanel->Lines().Count(), 13);
}

TEST_F(ProductTest, TheSerialPopupShowsTheDb9PinoutFirst) {
    Open("Serial Connector");
    EXPECT_EQ(form->PageControl1->ActivePage(), form->DB9Sheet);
    EXPECT_TRUE(form->DB9Label->Showing());
    EXPECT_FALSE(form->RJ12Label->Showing());
    EXPECT_EQ(form->DB9Sheet->Caption(), "DB9 Male");
    EXPECT_EQ(form->RJ12Sheet->Caption(), "RJ12");
    EXPECT_EQ(form->RJ45Sheet->Caption(), "RJ45");
    EXPECT_EQ(form->DB9Label->Caption(), "1\tN/C\r\n2\tRX\r\n3\tTX\r\n4\tN/C\r\n5\tGND\r\n6\tN/C\r\n7\tRTS\r\n8\tCTS\r\n9\tN/C");
    EXPECT_EQ(form->RJ12Label->Caption(), "1\tN/C\r\n2\tGND\r\n3\tRX\r\n4\tTX\r\n5\tN/C\r\n6\tN/C");
    EXPECT_EQ(form->RJ45Label->Caption(), "1\tN/C\r\n2\tN/C\r\n3\tN/C\r\n4\tGND\r\n5\tRX\r\n6\tTX\r\n7\tCTS\r\n8\tRTS");
    EXPECT_EQ(form->Label1->Caption(), "Standard");
    EXPECT_EQ(form->Label2->Caption(), "Factory\r\nOption");
    EXPECT_EQ(form->Label3->Caption(), "Factory\r\nOption");
    EXPECT_EQ(form->Label3->Alignment(), taRightJustify);
    EXPECT_EQ(form->RJ45Label->BoundsRect(), Bounds(8, 8, 89, 129));
    EXPECT_EQ(form->Label2->BoundsRect(), Bounds(112, 8, 65, 33));
}

TEST_F(ProductTest, TheUsbTextKeepsItsQuotesAndTrailingBlank) {
    ASSERT_EQ(form->USBPanel->Lines().Count(), 1);
    const std::string& line = form->USBPanel->Lines()[0];
    EXPECT_NE(line.find("mates with the \"A to micro B\" cable provided."), std::string::npos);
    EXPECT_EQ(line.back(), ' ');
    EXPECT_EQ(line.substr(line.size() - 24), "with a USB device port. ");
}

TEST_F(ProductTest, TheConnectorDrawingShowsWithoutItsMagenta) {
    Open("DC Power Connector");
    EXPECT_EQ(form->Image1->BoundsRect(), Bounds(92, 8, 56, 56));
    TBitmap pixels = desktop->Pixels(*form->Image1);
    int green = 0;
    for (int y = 0; y < 56; ++y)
        for (int x = 0; x < 56; ++x) {
            const uint32_t px = pixels.Pixel(x, y) & 0xFFFFFF;
            EXPECT_NE(px, PixelOf(RGB(255, 0, 255))) << x << "," << y;
            if (px == PixelOf(RGB(28, 104, 58))) ++green;
        }
    EXPECT_EQ(pixels.Pixel(0, 55) & 0xFFFFFF, PixelOf(ColorToRGB(form->DCPanel->Color())));
    EXPECT_GT(green, 200);
}

TEST(ConnectorDrawing, HasTheFormatOfTheProductSheet) {
    RegisterTemplate();
    auto data = FindResource("connector.bmp");
    ASSERT_TRUE(data);
    const auto& d = *data;
    auto u32 = [&](size_t at) { return d[at] | (d[at + 1] << 8) | (d[at + 2] << 16) | (uint32_t(d[at + 3]) << 24); };
    EXPECT_EQ(d.size(), 9462u);
    EXPECT_EQ(d[0], 'B');
    EXPECT_EQ(d[1], 'M');
    EXPECT_EQ(u32(14), 40u);                        // information header
    EXPECT_EQ(u32(18), 56u);                        // width
    EXPECT_EQ(static_cast<int32_t>(u32(22)), 56);   // height, positive: bottom-up rows
    EXPECT_EQ(d[28], 24);
    EXPECT_EQ(u32(38), 2835u);
    EXPECT_EQ(u32(42), 2835u);
    EXPECT_EQ(std::vector<uint8_t>(d.begin() + 54, d.begin() + 57), (std::vector<uint8_t>{255, 0, 255}));  // bottom-left
}

TEST_F(ProductTest, TheCirclesSitOnThePartsTheyName) {
    const TBitmap& photo = static_cast<const ui::TJPEGImage*>(form->BoardImage1->Picture().Graphic())->Bitmap();
    auto share = [&](TBoardHighlight* h, auto test) {
        int hits = 0;
        for (int y = h->Top(); y < h->Top() + h->Height(); ++y)
            for (int x = h->Left(); x < h->Left() + h->Width(); ++x) {
                const uint32_t p = photo.Pixel(x, y);
                hits += test(int((p >> 16) & 0xFF), int((p >> 8) & 0xFF), int(p & 0xFF));
            }
        return double(hits) / (h->Width() * h->Height());
    };
    auto white = [](int r, int g, int b) { return r > 200 && g > 200 && b > 190; };
    auto metal = [](int r, int g, int b) { return std::abs(r - g) < 14 && std::abs(g - b) < 18 && g > 110; };
    EXPECT_GT(share(form->DCHighlight, white), 0.25) << "the white power header";
    EXPECT_GT(share(form->USBHighlight, metal), 0.3) << "the USB receptacle's shell";
    EXPECT_GT(share(form->RS232Highlight, metal), 0.3) << "the DB9's shell";
    EXPECT_GT(share(form->LEDHighlight, [](int r, int g, int b) { return r > 180 && g < 150 && b < 150; }), 0.005) << "red LEDs";
    EXPECT_GT(share(form->LEDHighlight, [](int r, int g, int b) { return g > 170 && r < 190 && b < 160; }), 0.005) << "green LEDs";
}
