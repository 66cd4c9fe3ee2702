// Reading Windows bitmap files into TBitmap.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "ui/core/graphics.h"

namespace ui {

namespace {
uint32_t U32(std::span<const uint8_t> d, size_t at) {
    return d[at] | (d[at + 1] << 8) | (d[at + 2] << 16) | (uint32_t(d[at + 3]) << 24);
}
uint16_t U16(std::span<const uint8_t> d, size_t at) { return static_cast<uint16_t>(d[at] | (d[at + 1] << 8)); }
}  // namespace

void TBitmap::LoadFromBmp(std::span<const uint8_t> data) {
    constexpr size_t kFileHeader = 14;
    if (data.size() < kFileHeader + 40 || data[0] != 'B' || data[1] != 'M')
        throw EInvalidGraphic("Bitmap file too short or not a bitmap");
    const uint32_t pixelOffset = U32(data, 10);
    const uint32_t headerSize = U32(data, 14);
    if (headerSize < 40 || kFileHeader + headerSize > data.size())
        throw EInvalidGraphic("Bitmap information header missing or truncated");
    const int32_t width = static_cast<int32_t>(U32(data, 18));
    const int32_t rawHeight = static_cast<int32_t>(U32(data, 22));
    const uint16_t planes = U16(data, 26);
    const uint16_t bits = U16(data, 28);
    const uint32_t compression = U32(data, 30);
    if (planes != 1 || bits != 24 || compression != 0)
        throw EInvalidGraphic("Only uncompressed 24-bit bitmaps are supported");
    if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN || width > 32768 || std::abs(rawHeight) > 32768)
        throw EInvalidGraphic("Bitmap size out of range");
    const bool bottomUp = rawHeight > 0;
    const int32_t height = bottomUp ? rawHeight : -rawHeight;
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    if (pixelOffset > data.size() || (data.size() - pixelOffset) / stride < static_cast<size_t>(height))
        throw EInvalidGraphic("Bitmap pixel data truncated");

    TBitmap result(width, height);
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* src = data.data() + pixelOffset + stride * static_cast<size_t>(bottomUp ? height - 1 - y : y);
        uint32_t* dst = result.ScanLine(y);
        for (int32_t x = 0; x < width; ++x) dst[x] = src[3 * x] | (src[3 * x + 1] << 8) | (uint32_t(src[3 * x + 2]) << 16);
    }
    width_ = result.width_;
    height_ = result.height_;
    pixels_ = std::move(result.pixels_);
    canvas_.reset();
    Changed();
}

}  // namespace ui
