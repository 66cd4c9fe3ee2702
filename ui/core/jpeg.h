// JPEG pictures decoded with libjpeg (baseline and progressive), once, into a 32-bit bitmap.
#pragma once

#include <span>

#include "ui/core/graphics.h"

namespace ui {

class TJPEGImage : public TGraphic {
    UI_CLASS(TJPEGImage, TGraphic)
public:
    int Width() const override { return bitmap_.Width(); }
    int Height() const override { return bitmap_.Height(); }
    void Draw(TCanvas& canvas, const TRect& rect) const override;
    std::unique_ptr<TGraphic> Clone() const override;
    // Refuses truncated or corrupt data with EInvalidGraphic.
    void LoadFromBytes(std::span<const uint8_t> data);
    const TBitmap& Bitmap() const { return bitmap_; }

private:
    TBitmap bitmap_;
};

}  // namespace ui
