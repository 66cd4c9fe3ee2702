#include "ui/core/graphics.h"

#include <algorithm>
#include <cstring>

#include "ui/core/jpeg.h"

namespace ui {

TColor ColorToRGB(TColor c) {
    if (!(c & 0x80000000)) return c & 0xFFFFFF;
    switch (c & 0xFF) {
        case 5: return clWhite;                // window background
        case 8: return clBlack;                // window text
        case 15: return RGB(240, 240, 240);    // button face
        default: return RGB(240, 240, 240);
    }
}

static TextService* g_textService = nullptr;
void SetTextService(TextService* service) { g_textService = service; }
TextService* GetTextService() { return g_textService; }

TBitmap::TBitmap() = default;
TBitmap::TBitmap(int width, int height) { SetSize(width, height); }
TBitmap::TBitmap(TBitmap&& other) noexcept
    : width_(other.width_), height_(other.height_), pixels_(std::move(other.pixels_)) {
    other.width_ = other.height_ = 0;
    other.canvas_.reset();
}
TBitmap& TBitmap::operator=(TBitmap&& other) noexcept {
    width_ = other.width_;
    height_ = other.height_;
    pixels_ = std::move(other.pixels_);
    canvas_.reset();
    other.width_ = other.height_ = 0;
    other.canvas_.reset();
    return *this;
}
TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_) return;
    std::vector<uint32_t> fresh(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    for (int y = 0; y < std::min(height, height_); ++y)
        std::memcpy(fresh.data() + static_cast<size_t>(y) * static_cast<size_t>(width), ScanLine(y),
                    sizeof(uint32_t) * static_cast<size_t>(std::min(width, width_)));
    pixels_ = std::move(fresh);
    width_ = width;
    height_ = height;
    canvas_.reset();
    Changed();
}

TColor TBitmap::TransparentColor() const {
    if (width_ == 0 || height_ == 0) return clNone;
    return ColorOfPixel(Pixel(0, height_ - 1));
}

TCanvas& TBitmap::Canvas() {
    if (!canvas_) canvas_ = std::make_unique<TCanvas>(*this, TPoint{0, 0}, TRect{0, 0, width_, height_});
    return *canvas_;
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) const {
    canvas.DrawBitmap(rect, *this, Transparent(), PixelOf(TransparentColor()));
}

std::unique_ptr<TGraphic> TBitmap::Clone() const {
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(*this);
    return copy;
}

void TBitmap::Assign(const TBitmap& other) {
    width_ = other.width_;
    height_ = other.height_;
    pixels_ = other.pixels_;
    canvas_.reset();
    SetTransparent(other.Transparent());
    Changed();
}

void TCanvas::FillRect(const TRect& r) {
    TRect area = r.Offset(origin_.x, origin_.y).Intersect(clip_).Intersect({0, 0, target_->Width(), target_->Height()});
    uint32_t px = PixelOf(ColorToRGB(BrushColor));
    for (int y = area.top; y < area.bottom; ++y) std::fill(target_->ScanLine(y) + area.left, target_->ScanLine(y) + area.right, px);
}

void TCanvas::DrawBitmap(const TRect& dest, const TBitmap& src, bool skipColor, uint32_t skipPixel) {
    if (dest.Empty() || src.Width() <= 0 || src.Height() <= 0) return;
    TRect area = dest.Offset(origin_.x, origin_.y).Intersect(clip_).Intersect({0, 0, target_->Width(), target_->Height()});
    const int64_t dw = dest.Width(), dh = dest.Height();
    const bool oneToOne = dw == src.Width() && dh == src.Height();
    skipPixel &= 0xFFFFFF;
    for (int y = area.top; y < area.bottom; ++y) {
        int64_t sy = y - (dest.top + origin_.y);
        if (!oneToOne) sy = sy * src.Height() / dh;
        const uint32_t* srow = src.ScanLine(static_cast<int>(sy));
        uint32_t* drow = target_->ScanLine(y);
        for (int x = area.left; x < area.right; ++x) {
            int64_t sx = x - (dest.left + origin_.x);
            if (!oneToOne) sx = sx * src.Width() / dw;
            uint32_t px = srow[sx];
            if (skipColor && (px & 0xFFFFFF) == skipPixel) continue;
            drow[x] = px;
        }
    }
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& src, const TRect& srcRect) {
    if (dest.Width() == srcRect.Width() && dest.Height() == srcRect.Height()) {
        BitBlt(*this, dest.left, dest.top, dest.Width(), dest.Height(), src, srcRect.left, srcRect.top, SRCCOPY);
        return;
    }
    // Stretch through a temporary copy of the source rectangle.
    TBitmap tmp(srcRect.Width(), srcRect.Height());
    BitBlt(tmp.Canvas(), 0, 0, srcRect.Width(), srcRect.Height(), src, srcRect.left, srcRect.top, SRCCOPY);
    DrawBitmap(dest, tmp, false, 0);
}

void TCanvas::TextRect(const TRect& r, const std::string& text, unsigned flags) {
    if (TextService* ts = GetTextService()) ts->DrawText(*this, r, text, Font, flags);
}

void BitBlt(TCanvas& dest, int x, int y, int width, int height, const TCanvas& src, int sx, int sy, unsigned) {
    TBitmap& dt = dest.Target();
    const TBitmap& st = src.Target();
    TPoint d0{x + dest.Origin().x, y + dest.Origin().y};
    TPoint s0{sx + src.Origin().x, sy + src.Origin().y};
    TRect area = Bounds(d0.x, d0.y, width, height).Intersect(dest.ClipRect().Offset(dest.Origin().x, dest.Origin().y));
    area = area.Intersect({0, 0, dt.Width(), dt.Height()});
    // Restrict to the part whose source lies inside the source bitmap.
    area = area.Intersect(TRect{0, 0, st.Width(), st.Height()}.Offset(d0.x - s0.x, d0.y - s0.y));
    if (area.Empty()) return;
    for (int row = area.top; row < area.bottom; ++row) {
        const uint32_t* s = st.ScanLine(row - d0.y + s0.y) + (area.left - d0.x + s0.x);
        std::memmove(dt.ScanLine(row) + area.left, s, sizeof(uint32_t) * static_cast<size_t>(area.Width()));
    }
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> g) {
    graphic_ = std::move(g);
    if (graphic_) graphic_->OnChange = [this] { Changed(); };
    Changed();
}

void TPicture::Assign(const TPicture& other) { SetGraphic(other.graphic_ ? other.graphic_->Clone() : nullptr); }

void TPicture::LoadFromBytes(std::span<const uint8_t> data) {
    if (data.size() >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) {
        auto jpeg = std::make_unique<TJPEGImage>();
        jpeg->LoadFromBytes(data);
        SetGraphic(std::move(jpeg));
    } else if (data.size() >= 2 && data[0] == 'B' && data[1] == 'M') {
        auto bmp = std::make_unique<TBitmap>();
        bmp->LoadFromBmp(data);
        SetGraphic(std::move(bmp));
    } else {
        throw EInvalidGraphic("Unknown picture format: neither JPEG nor BMP data");
    }
}

}  // namespace ui
