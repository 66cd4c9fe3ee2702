#include "setupctrls/renderring.h"

#include <cmath>
#include <cstdint>

namespace setupctrls {

namespace {
// Blends one byte in double precision and rounds half to even.
inline uint8_t Blend(uint8_t old, float b, uint8_t colour, float a) {
    const double v = static_cast<double>(old) * static_cast<double>(b) + static_cast<double>(colour) * static_cast<double>(a);
    return static_cast<uint8_t>(std::nearbyint(v));
}
}  // namespace

void RenderRing(ui::TBitmap& bitmap, int maxColumn, int maxRow, float strength, ui::TColor color, bool hot) {
    if (maxColumn < 1 || maxRow < 1) return;
    const uint8_t red = color & 0xFF, green = (color >> 8) & 0xFF, blue = (color >> 16) & 0xFF;
    const float sx = 2.0f / static_cast<float>(maxColumn);
    const float sy = 2.0f / static_cast<float>(maxRow);
    for (int j = 0; j <= maxRow; ++j) {
        auto* row = reinterpret_cast<uint8_t*>(bitmap.ScanLine(j));  // blue, green, red, fourth byte
        const float y = static_cast<float>(j) * sy - 1.0f;
        for (int i = 0; i <= maxColumn; ++i) {
            const float x = static_cast<float>(i) * sx - 1.0f;
            const float e = x * x + y * y;
            if (e >= 1.0f) continue;
            uint8_t* px = row + 4 * i;
            float w;
            if (static_cast<long double>(e) < 0.5929L) {
                w = 0.16f;
            } else {
                const float r = std::sqrt(e);
                w = 1.0f - 8.0f * std::fabs(r - 0.875f);
                if (hot) {
                    w = 2.0f * w;
                    if (w > 1.0f) {
                        px[0] = px[1] = px[2] = 255;
                        px[3] = 0;
                        w = 2.0f - w;
                    }
                }
            }
            const float a = w * strength;
            const float b = 1.0f - a;
            px[0] = Blend(px[0], b, blue, a);
            px[1] = Blend(px[1], b, green, a);
            px[2] = Blend(px[2], b, red, a);
        }
    }
}

}  // namespace setupctrls
