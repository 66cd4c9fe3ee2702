// Colours, fonts, 32-bit bitmaps, canvases, graphics and pictures.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "ui/core/classes.h"
#include "ui/core/types.h"

namespace ui {

// 0x00BBGGRR; values with the top bit set name a system colour.
using TColor = uint32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clBtnFace = 0x8000000F;
constexpr TColor clWindow = 0x80000005;
constexpr TColor clWindowText = 0x80000008;
constexpr TColor clNone = 0x1FFFFFFF;

constexpr TColor RGB(uint8_t r, uint8_t g, uint8_t b) { return r | (g << 8) | (uint32_t(b) << 16); }
// Resolves system colours to plain 0x00BBGGRR values.
TColor ColorToRGB(TColor c);
// A pixel as stored in a bitmap row: memory order blue, green, red, fourth byte.
constexpr uint32_t PixelOf(TColor rgb) {
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}
constexpr TColor ColorOfPixel(uint32_t px) { return PixelOf(px & 0xFFFFFF); }

enum class TFontStyle : uint8_t { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
using TFontStyles = uint8_t;

class TFont : public TPersistent {
    UI_CLASS(TFont, TPersistent)
public:
    std::string Name = "Tahoma";
    int Height = -11;  // negative: character height in pixels at 96 pixels per inch
    TFontStyles Style = 0;
    TColor Color = clWindowText;
    int Size() const { return -Height * 72 / 96; }
    void SetSize(int points) { Height = -(points * 96 + 36) / 72; }
    bool Bold() const { return Style & static_cast<TFontStyles>(TFontStyle::Bold); }
    void Assign(const TFont& f) { Name = f.Name; Height = f.Height; Style = f.Style; Color = f.Color; }
    bool operator==(const TFont& f) const {
        return Name == f.Name && Height == f.Height && Style == f.Style && Color == f.Color;
    }
};

class TCanvas;

// Draws text onto a canvas; supplied by the widgetset (a headless one may draw nothing).
class TextService {
public:
    virtual ~TextService() = default;
    enum Flags : unsigned { Left = 0, Right = 1, Center = 2, WordBreak = 4, ExpandTabs = 8 };
    virtual void DrawText(TCanvas& canvas, const TRect& rect, const std::string& text, const TFont& font,
                          unsigned flags) = 0;
    virtual int TextHeight(const TFont& font) = 0;
    virtual int TextWidth(const TFont& font, const std::string& text) = 0;
};
void SetTextService(TextService* service);
TextService* GetTextService();

class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

class TGraphic : public TPersistent {
    UI_CLASS(TGraphic, TPersistent)
public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    bool Empty() const { return Width() <= 0 || Height() <= 0; }
    // Draws the graphic scaled to rect (canvas coordinates).
    virtual void Draw(TCanvas& canvas, const TRect& rect) const = 0;
    virtual std::unique_ptr<TGraphic> Clone() const = 0;
    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool on) {
        if (on != transparent_) { transparent_ = on; Changed(); }
    }
    // This layer has no palettes; the queries exist for code that asks.
    uintptr_t Palette() const { return 0; }
    bool PaletteModified() const { return paletteModified_; }
    void SetPaletteModified(bool on) { paletteModified_ = on; }
    std::function<void()> OnChange;

protected:
    void Changed() { if (OnChange) OnChange(); }

private:
    bool transparent_ = false;
    bool paletteModified_ = false;
};

// 32-bit pixels, rows from the top, direct row access.
class TBitmap : public TGraphic {
    UI_CLASS(TBitmap, TGraphic)
public:
    TBitmap();
    TBitmap(int width, int height);
    TBitmap(TBitmap&& other) noexcept;
    TBitmap& operator=(TBitmap&& other) noexcept;
    ~TBitmap() override;
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetSize(int width, int height);
    void SetWidth(int w) { SetSize(w, height_); }
    void SetHeight(int h) { SetSize(width_, h); }
    uint32_t* ScanLine(int row) { return pixels_.data() + static_cast<size_t>(row) * static_cast<size_t>(width_); }
    const uint32_t* ScanLine(int row) const {
        return pixels_.data() + static_cast<size_t>(row) * static_cast<size_t>(width_);
    }
    uint32_t* Bits() { return pixels_.data(); }
    uint32_t Pixel(int x, int y) const { return ScanLine(y)[x]; }
    // Colour of the transparent pixels: the bottom-left pixel.
    TColor TransparentColor() const;
    TCanvas& Canvas();
    void Draw(TCanvas& canvas, const TRect& rect) const override;
    std::unique_ptr<TGraphic> Clone() const override;
    // A Windows bitmap file with 24 bits per pixel (bottom-up or top-down rows).
    void LoadFromBmp(std::span<const uint8_t> data);
    void Assign(const TBitmap& other);

private:
    int width_ = 0, height_ = 0;
    std::vector<uint32_t> pixels_;
    std::unique_ptr<TCanvas> canvas_;
};

// Draws onto a bitmap through an origin and a clip rectangle (both in bitmap coordinates).
class TCanvas {
public:
    TCanvas(TBitmap& target, TPoint origin, TRect clip) : target_(&target), origin_(origin), clip_(clip) {}
    TBitmap& Target() const { return *target_; }
    TPoint Origin() const { return origin_; }
    TRect ClipRect() const { return clip_.Offset(-origin_.x, -origin_.y); }

    TColor BrushColor = clWhite;
    TFont Font;

    void FillRect(const TRect& r);
    // Copies src's rectangle into dest, stretching when the sizes differ.
    void CopyRect(const TRect& dest, const TCanvas& src, const TRect& srcRect);
    void Draw(int x, int y, const TGraphic& g) { g.Draw(*this, Bounds(x, y, g.Width(), g.Height())); }
    void StretchDraw(const TRect& r, const TGraphic& g) { g.Draw(*this, r); }
    // Draws a bitmap's pixels into dest (stretched by nearest pixel), optionally skipping one colour.
    void DrawBitmap(const TRect& dest, const TBitmap& src, bool skipColor, uint32_t skipPixel);
    void TextRect(const TRect& r, const std::string& text, unsigned flags);

private:
    TBitmap* target_;
    TPoint origin_;
    TRect clip_;
};

constexpr unsigned SRCCOPY = 0x00CC0020;
// Block copy of width x height pixels between canvases.
void BitBlt(TCanvas& dest, int x, int y, int width, int height, const TCanvas& src, int sx, int sy, unsigned rop);

// Holds one graphic; assigning copies the other picture's graphic.
class TPicture : public TPersistent {
    UI_CLASS(TPicture, TPersistent)
public:
    TGraphic* Graphic() const { return graphic_.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> g);
    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }
    void Assign(const TPicture& other);
    // Recognises JPEG and BMP data; anything else, or broken data, is refused with EInvalidGraphic.
    void LoadFromBytes(std::span<const uint8_t> data);
    std::function<void(TObject* sender)> OnChange;

private:
    void Changed() { if (OnChange) OnChange(this); }
    std::unique_ptr<TGraphic> graphic_;
};

}  // namespace ui
