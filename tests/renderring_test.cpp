#include <gtest/gtest.h>

#include <tuple>

#include "setupctrls/renderring.h"

using namespace ui;
using setupctrls::RenderRing;

namespace {

using Rgb = std::tuple<int, int, int>;

TBitmap Grey(int w, int h, uint8_t level, uint8_t fourth = 0x5A) {
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.ScanLine(y)[x] = (uint32_t(fourth) << 24) | level * 0x010101u;
    return b;
}

Rgb At(const TBitmap& b, int x, int y) {
    const uint32_t p = b.Pixel(x, y);
    return {(p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF};
}

}  // namespace

// The worked cases: 65 x 65 grey bitmaps, yellow, along the middle row.
TEST(RenderRing, MiddleRowOfTheWorkedCases) {
    struct Case {
        const char* name;
        uint8_t grey;
        float strength;
        bool hot;
        std::vector<std::pair<int, Rgb>> columns;
    };
    const Rgb untouched100{100, 100, 100};
    const std::vector<Case> cases = {
        {"plain 1.0", 100, 1.0f, false,
         {{0, untouched100}, {64, untouched100}, {32, {125, 125, 84}}, {56, {125, 125, 84}}, {57, {139, 139, 75}},
          {58, {178, 178, 50}}, {59, {216, 216, 25}}, {60, {255, 255, 0}}, {61, {216, 216, 25}}, {62, {178, 178, 50}},
          {63, {139, 139, 75}}}},
        {"hot 1.0", 100, 1.0f, true,
         {{32, {125, 125, 84}}, {56, {125, 125, 84}}, {57, {178, 178, 50}}, {58, {255, 255, 0}}, {59, {255, 255, 128}},
          {60, {255, 255, 255}}, {61, {255, 255, 128}}, {62, {255, 255, 0}}, {63, {178, 178, 50}}, {64, untouched100}}},
        {"plain 0.5", 100, 0.5f, false, {{32, {112, 112, 92}}, {60, {178, 178, 50}}}},
        {"tie rounds to even", 98, 1.0f, true, {{57, {176, 176, 49}}}},
    };
    for (const Case& c : cases) {
        TBitmap b = Grey(65, 65, c.grey);
        RenderRing(b, 64, 64, c.strength, clYellow, c.hot);
        for (const auto& [column, expected] : c.columns) EXPECT_EQ(At(b, column, 32), expected) << c.name << ", column " << column;
        for (auto [x, y] : {std::pair{0, 0}, {64, 0}, {0, 64}, {64, 64}}) EXPECT_EQ(At(b, x, y), Rgb(c.grey, c.grey, c.grey)) << c.name;
    }
}

TEST(RenderRing, FourthByteIsKeptExceptWhereWhiteReplacesThePixel) {
    TBitmap b = Grey(65, 65, 100, 0x5A);
    RenderRing(b, 64, 64, 1.0f, clYellow, true);
    EXPECT_EQ(b.Pixel(32, 32) >> 24, 0x5Au);  // interior
    EXPECT_EQ(b.Pixel(58, 32) >> 24, 0x5Au);  // doubled weight exactly 1: the pixel's own value stays
    EXPECT_EQ(b.Pixel(60, 32) >> 24, 0u);     // white core
}

TEST(RenderRing, ColourComponentsGoIntoThePixelComponentsOfTheSameName) {
    TBitmap b = Grey(65, 65, 0);
    RenderRing(b, 64, 64, 1.0f, RGB(255, 0, 0), false);
    EXPECT_EQ(At(b, 60, 32), Rgb(255, 0, 0));
    b = Grey(65, 65, 0);
    RenderRing(b, 64, 64, 1.0f, clBlue, false);
    EXPECT_EQ(At(b, 60, 32), Rgb(0, 0, 255));
}

TEST(RenderRing, ANonSquareBitmapGivesAnEllipse) {
    TBitmap b = Grey(129, 33, 100);
    RenderRing(b, 128, 32, 1.0f, clYellow, false);
    // The ring's peak (r = 0.875) lies at x = 0.875 horizontally and y = 0.875 vertically.
    EXPECT_EQ(At(b, 120, 16), Rgb(255, 255, 0));
    EXPECT_EQ(At(b, 64, 30), Rgb(255, 255, 0));
    EXPECT_EQ(At(b, 64, 16), Rgb(125, 125, 84));
    EXPECT_EQ(At(b, 128, 16), Rgb(100, 100, 100));
    EXPECT_EQ(At(b, 64, 32), Rgb(100, 100, 100));
}

TEST(RenderRing, DegenerateSizesLeaveTheBitmapAlone) {
    for (auto [w, h] : {std::pair{1, 65}, {65, 1}, {1, 1}}) {
        TBitmap b = Grey(w, h, 100);
        RenderRing(b, w - 1, h - 1, 1.0f, clYellow, true);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) EXPECT_EQ(At(b, x, y), Rgb(100, 100, 100)) << w << "x" << h;
    }
    TBitmap empty;
    RenderRing(empty, -1, -1, 1.0f, clYellow, false);
    TBitmap zeroWide = Grey(0, 5, 100);
    RenderRing(zeroWide, -1, 4, 1.0f, clYellow, false);
    EXPECT_EQ(zeroWide.Width(), 0);
}
