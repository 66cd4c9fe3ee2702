#include <gtest/gtest.h>

#include "bmp_builder.h"
#include "ui/core/graphics.h"
#include "ui/core/jpeg.h"

using namespace ui;

TEST(Bitmap, ReadsBottomUpAndTopDownRowsAsTopDownPixels) {
    for (bool bottomUp : {true, false}) {
        auto data = MakeBmp24(3, 2, [](int x, int y) { return 0x102030u * static_cast<uint32_t>(x + 1) + (y ? 0x000001u : 0u); }, bottomUp);
        TBitmap b;
        b.LoadFromBmp(data);
        ASSERT_EQ(b.Width(), 3);
        ASSERT_EQ(b.Height(), 2);
        EXPECT_EQ(b.Pixel(0, 0), 0x102030u);
        EXPECT_EQ(b.Pixel(2, 0), 0x306090u);
        EXPECT_EQ(b.Pixel(2, 1), 0x306091u);
    }
}

TEST(Bitmap, TransparentColourIsTheBottomLeftPixelAndIsNotDrawn) {
    auto data = MakeBmp24(2, 2, [](int x, int y) { return (x == 1 && y == 0) ? 0x00FF00u : 0xFF00FFu; });
    TBitmap pic;
    pic.LoadFromBmp(data);
    EXPECT_EQ(pic.TransparentColor(), RGB(255, 0, 255));
    pic.SetTransparent(true);
    TBitmap target(2, 2);
    target.Canvas().BrushColor = RGB(1, 2, 3);
    target.Canvas().FillRect({0, 0, 2, 2});
    target.Canvas().Draw(0, 0, pic);
    EXPECT_EQ(target.Pixel(1, 0), 0x00FF00u);
    EXPECT_EQ(target.Pixel(0, 0), PixelOf(RGB(1, 2, 3)));
    EXPECT_EQ(target.Pixel(1, 1), PixelOf(RGB(1, 2, 3)));
}

TEST(Bitmap, RefusesBrokenFilesWithAClearError) {
    const auto good = MakeBmp24(4, 4, [](int, int) { return 0u; });
    auto with = [&](size_t at, uint8_t value) {
        auto d = good;
        d[at] = value;
        return d;
    };
    const std::vector<std::vector<uint8_t>> cases = {
        {},
        {'B', 'M'},
        std::vector<uint8_t>(good.begin(), good.begin() + 60),  // pixel rows cut off
        with(28, 16),                                          // 16 bits per pixel
        with(30, 1),                                           // compressed
        with(21, 0x80),                                        // negative width
        with(17, 0x7F),                                        // header larger than the file
        with(13, 0x7F),                                        // pixels beyond the end
    };
    for (const auto& bytes : cases) {
        TBitmap b;
        EXPECT_THROW(b.LoadFromBmp(bytes), EInvalidGraphic) << "case of " << bytes.size() << " bytes";
    }
}

TEST(Picture, RefusesUnknownAndBrokenDataAndKeepsWhatItHad) {
    TPicture p;
    p.LoadFromBytes(MakeBmp24(2, 2, [](int, int) { return 0u; }));
    const std::vector<std::vector<uint8_t>> cases = {
        {'G', 'I', 'F', '8'}, {0xFF, 0xD8, 0xFF}, {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F'}, {'B', 'M', 1, 2}};
    for (const auto& bytes : cases) EXPECT_THROW(p.LoadFromBytes(bytes), EInvalidGraphic);
    EXPECT_EQ(p.Width(), 2);
}

TEST(Canvas, BlockCopyIsClippedToBothBitmaps) {
    TBitmap src(4, 4), dst(3, 3);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) src.ScanLine(y)[x] = static_cast<uint32_t>(10 * y + x);
    BitBlt(dst.Canvas(), -1, 1, 4, 4, src.Canvas(), 0, 0, SRCCOPY);
    EXPECT_EQ(dst.Pixel(0, 1), 1u);   // source column 1 lands on column 0
    EXPECT_EQ(dst.Pixel(2, 2), 13u);
    EXPECT_EQ(dst.Pixel(0, 0), 0u);   // above the copy: untouched
    BitBlt(dst.Canvas(), 0, 0, 3, 3, src.Canvas(), 3, 3, SRCCOPY);
    EXPECT_EQ(dst.Pixel(0, 0), 33u);  // only the one source pixel that exists
    EXPECT_EQ(dst.Pixel(1, 1), 2u);   // untouched since the first copy
}

TEST(Canvas, CopyRectStretchesByNearestPixel) {
    TBitmap src(2, 1), dst(4, 2);
    src.ScanLine(0)[0] = 7;
    src.ScanLine(0)[1] = 9;
    dst.Canvas().CopyRect({0, 0, 4, 2}, src.Canvas(), {0, 0, 2, 1});
    EXPECT_EQ(dst.Pixel(1, 1), 7u);
    EXPECT_EQ(dst.Pixel(2, 0), 9u);
}
