// Builds Windows bitmap files in memory for tests.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

inline std::vector<uint8_t> MakeBmp24(int width, int height, const std::function<uint32_t(int x, int y)>& rgbAt,
                                      bool bottomUp = true) {
    const int stride = (width * 3 + 3) & ~3;
    const uint32_t size = 54 + static_cast<uint32_t>(stride * height);
    std::vector<uint8_t> d(size, 0);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) d[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    d[0] = 'B';
    d[1] = 'M';
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(bottomUp ? height : -height));
    d[26] = 1;
    d[28] = 24;
    put32(34, static_cast<uint32_t>(stride * height));
    put32(38, 2835);
    put32(42, 2835);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint32_t rgb = rgbAt(x, y);  // 0xRRGGBB
            uint8_t* p = &d[54 + static_cast<size_t>(stride) * (bottomUp ? height - 1 - y : y) + 3 * x];
            p[0] = rgb & 0xFF;
            p[1] = (rgb >> 8) & 0xFF;
            p[2] = (rgb >> 16) & 0xFF;
        }
    return d;
}
