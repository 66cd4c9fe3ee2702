// A floating-point RGB canvas with the few shapes the board drawing needs, rendered at twice the
// final size and box-filtered down for smooth edges.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace boardphoto {

struct Rgb {
    float r, g, b;
};

class Canvas {
public:
    Canvas(int width, int height) : w_(width), h_(height), px_(static_cast<size_t>(width) * height, Rgb{0, 0, 0}) {}
    int Width() const { return w_; }
    int Height() const { return h_; }
    Rgb& At(int x, int y) { return px_[static_cast<size_t>(y) * w_ + x]; }

    // Shapes take coordinates of the final picture; `alpha` blends over what is there.
    void Rect(float x0, float y0, float x1, float y1, Rgb c, float alpha = 1);
    void RoundRect(float x0, float y0, float x1, float y1, float radius, Rgb c, float alpha = 1);
    void Circle(float cx, float cy, float radius, Rgb c, float alpha = 1);
    void Ring(float cx, float cy, float outer, float inner, Rgb c, float alpha = 1);
    void Line(float x0, float y0, float x1, float y1, float width, Rgb c, float alpha = 1);
    // A soft dark halo below and right of a rectangle, as cast by a part standing on the board.
    void Shadow(float x0, float y0, float x1, float y1, float spread, float strength);
    // Vertical light-to-dark shading over a rectangle, for metal.
    void Metal(float x0, float y0, float x1, float y1, Rgb light, Rgb dark);
    // Upper-case letters, digits and + - / . in a 5 x 7 pixel font scaled by `size` (pixels per dot).
    void Text(float x, float y, const std::string& text, float size, Rgb c);
    // Deterministic grain and a gentle light fall-off towards the edges.
    void Grain(uint32_t seed, float amount);
    void Vignette(float strength);
    // Light from the upper left: brighter there, darker towards the lower right.
    void Light(float strength);
    // The glass-fibre weave that shows through solder mask, as a faint cross-hatch where `mask` says.
    void Weave(float amount, Rgb maskColour);
    // A slight softening, as from a camera lens.
    void Soften();
    // Box-filters to the final size and returns 8-bit RGB rows.
    std::vector<uint8_t> Downsample() const;

    static constexpr int kScale = 2;

private:
    template <class Inside> void Fill(float x0, float y0, float x1, float y1, Rgb c, float alpha, Inside inside);
    int w_, h_;
    std::vector<Rgb> px_;
};

}  // namespace boardphoto
