#include "tools/boardphoto/canvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace boardphoto {

namespace {
Rgb Mix(Rgb a, Rgb b, float t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

const std::map<char, std::array<uint8_t, 7>>& Font() {
    static const std::map<char, std::array<uint8_t, 7>> glyphs = {
        {'0', {14, 17, 19, 21, 25, 17, 14}}, {'1', {4, 12, 4, 4, 4, 4, 14}},      {'2', {14, 17, 1, 2, 4, 8, 31}},
        {'3', {30, 1, 1, 14, 1, 1, 30}},     {'4', {2, 6, 10, 18, 31, 2, 2}},     {'5', {31, 16, 30, 1, 1, 17, 14}},
        {'6', {6, 8, 16, 30, 17, 17, 14}},   {'7', {31, 1, 2, 4, 8, 8, 8}},       {'8', {14, 17, 17, 14, 17, 17, 14}},
        {'9', {14, 17, 17, 15, 1, 2, 12}},   {'A', {14, 17, 17, 31, 17, 17, 17}}, {'B', {30, 17, 17, 30, 17, 17, 30}},
        {'C', {14, 17, 16, 16, 16, 17, 14}}, {'D', {28, 18, 17, 17, 17, 18, 28}}, {'E', {31, 16, 16, 30, 16, 16, 31}},
        {'F', {31, 16, 16, 30, 16, 16, 16}}, {'G', {14, 17, 16, 23, 17, 17, 15}}, {'H', {17, 17, 17, 31, 17, 17, 17}},
        {'I', {14, 4, 4, 4, 4, 4, 14}},      {'J', {7, 2, 2, 2, 2, 18, 12}},      {'K', {17, 18, 20, 24, 20, 18, 17}},
        {'L', {16, 16, 16, 16, 16, 16, 31}}, {'M', {17, 27, 21, 21, 17, 17, 17}}, {'N', {17, 17, 25, 21, 19, 17, 17}},
        {'O', {14, 17, 17, 17, 17, 17, 14}}, {'P', {30, 17, 17, 30, 16, 16, 16}}, {'Q', {14, 17, 17, 17, 21, 18, 13}},
        {'R', {30, 17, 17, 30, 20, 18, 17}}, {'S', {15, 16, 16, 14, 1, 1, 30}},   {'T', {31, 4, 4, 4, 4, 4, 4}},
        {'U', {17, 17, 17, 17, 17, 17, 14}}, {'V', {17, 17, 17, 17, 17, 10, 4}},  {'W', {17, 17, 17, 21, 21, 21, 10}},
        {'X', {17, 17, 10, 4, 10, 17, 17}},  {'Y', {17, 17, 10, 4, 4, 4, 4}},     {'Z', {31, 1, 2, 4, 8, 16, 31}},
        {'+', {0, 4, 4, 31, 4, 4, 0}},       {'-', {0, 0, 0, 31, 0, 0, 0}},       {'/', {1, 1, 2, 4, 8, 16, 16}},
        {'.', {0, 0, 0, 0, 0, 12, 12}},      {' ', {0, 0, 0, 0, 0, 0, 0}}};
    return glyphs;
}
}  // namespace

template <class Inside>
void Canvas::Fill(float x0, float y0, float x1, float y1, Rgb c, float alpha, Inside inside) {
    const int s = kScale;
    const int ix0 = std::max(0, static_cast<int>(std::floor(x0 * s))), iy0 = std::max(0, static_cast<int>(std::floor(y0 * s)));
    const int ix1 = std::min(w_, static_cast<int>(std::ceil(x1 * s))), iy1 = std::min(h_, static_cast<int>(std::ceil(y1 * s)));
    for (int y = iy0; y < iy1; ++y)
        for (int x = ix0; x < ix1; ++x) {
            const float fx = (x + 0.5f) / s, fy = (y + 0.5f) / s;
            if (inside(fx, fy)) At(x, y) = Mix(At(x, y), c, alpha);
        }
}

void Canvas::Rect(float x0, float y0, float x1, float y1, Rgb c, float alpha) {
    Fill(x0, y0, x1, y1, c, alpha, [](float, float) { return true; });
}

void Canvas::RoundRect(float x0, float y0, float x1, float y1, float r, Rgb c, float alpha) {
    Fill(x0, y0, x1, y1, c, alpha, [=](float x, float y) {
        const float dx = std::max({x0 + r - x, 0.f, x - (x1 - r)}), dy = std::max({y0 + r - y, 0.f, y - (y1 - r)});
        return dx * dx + dy * dy <= r * r;
    });
}

void Canvas::Circle(float cx, float cy, float radius, Rgb c, float alpha) {
    Fill(cx - radius, cy - radius, cx + radius, cy + radius, c, alpha,
         [=](float x, float y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius; });
}

void Canvas::Ring(float cx, float cy, float outer, float inner, Rgb c, float alpha) {
    Fill(cx - outer, cy - outer, cx + outer, cy + outer, c, alpha, [=](float x, float y) {
        const float d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
        return d <= outer * outer && d >= inner * inner;
    });
}

void Canvas::Line(float x0, float y0, float x1, float y1, float width, Rgb c, float alpha) {
    const float half = width / 2, dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
    Fill(std::min(x0, x1) - half, std::min(y0, y1) - half, std::max(x0, x1) + half, std::max(y0, y1) + half, c, alpha,
         [=](float x, float y) {
             const float t = len2 > 0 ? std::clamp(((x - x0) * dx + (y - y0) * dy) / len2, 0.f, 1.f) : 0.f;
             const float px = x0 + t * dx - x, py = y0 + t * dy - y;
             return px * px + py * py <= half * half;
         });
}

void Canvas::Shadow(float x0, float y0, float x1, float y1, float spread, float strength) {
    const int s = kScale;
    for (int y = std::max(0, static_cast<int>(y0 * s)); y < std::min(h_, static_cast<int>((y1 + spread) * s)); ++y)
        for (int x = std::max(0, static_cast<int>(x0 * s)); x < std::min(w_, static_cast<int>((x1 + spread) * s)); ++x) {
            const float fx = (x + 0.5f) / s - spread * 0.5f, fy = (y + 0.5f) / s - spread * 0.5f;
            const float dx = std::max({x0 - fx, 0.f, fx - x1}), dy = std::max({y0 - fy, 0.f, fy - y1});
            const float d = std::sqrt(dx * dx + dy * dy) / spread;
            if (d < 1) At(x, y) = Mix(At(x, y), {0, 0, 0}, strength * (1 - d) * (1 - d));
        }
}

void Canvas::Metal(float x0, float y0, float x1, float y1, Rgb light, Rgb dark) {
    const int s = kScale;
    for (int y = std::max(0, static_cast<int>(y0 * s)); y < std::min(h_, static_cast<int>(y1 * s)); ++y) {
        const float t = (y / float(s) - y0) / std::max(1.f, y1 - y0);
        const float band = 0.5f + 0.5f * std::cos(t * 6.2831853f * 1.5f);
        const Rgb c = Mix(dark, light, band);
        for (int x = std::max(0, static_cast<int>(x0 * s)); x < std::min(w_, static_cast<int>(x1 * s)); ++x) At(x, y) = c;
    }
}

void Canvas::Text(float x, float y, const std::string& text, float size, Rgb c) {
    for (char ch : text) {
        auto it = Font().find(ch);
        if (it != Font().end())
            for (int row = 0; row < 7; ++row)
                for (int col = 0; col < 5; ++col)
                    if (it->second[row] & (16 >> col)) Rect(x + col * size, y + row * size, x + (col + 1) * size, y + (row + 1) * size, c);
        x += 6 * size;
    }
}

void Canvas::Grain(uint32_t seed, float amount) {
    uint32_t state = seed ? seed : 1;
    for (Rgb& p : px_) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        const float n = ((state & 0xFFFF) / 65535.f - 0.5f) * amount;
        p = {p.r + n, p.g + n, p.b + n};
    }
}

void Canvas::Vignette(float strength) {
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) {
            const float dx = (x - w_ / 2.f) / (w_ / 2.f), dy = (y - h_ / 2.f) / (h_ / 2.f);
            const float f = 1 - strength * (dx * dx + dy * dy) / 2;
            Rgb& p = At(x, y);
            p = {p.r * f, p.g * f, p.b * f};
        }
}

void Canvas::Light(float strength) {
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) {
            const float t = (static_cast<float>(x) / w_ + static_cast<float>(y) / h_) / 2;  // 0 upper left, 1 lower right
            const float f = 1 + strength * (0.5f - t);
            Rgb& p = At(x, y);
            p = {p.r * f, p.g * f, p.b * f};
        }
}

void Canvas::Weave(float amount, Rgb mask) {
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) {
            Rgb& p = At(x, y);
            // Only where the surface is still (near) bare solder mask.
            if (std::fabs(p.r - mask.r) + std::fabs(p.g - mask.g) + std::fabs(p.b - mask.b) > 40) continue;
            const float n = amount * std::sin(x * 1.7f) * std::sin(y * 1.7f);
            p = {p.r + n, p.g + n * 1.2f, p.b + n};
        }
}

void Canvas::Soften() {
    std::vector<Rgb> out(px_.size());
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) {
            Rgb sum{0, 0, 0};
            float weight = 0;
            for (int j = -1; j <= 1; ++j)
                for (int i = -1; i <= 1; ++i) {
                    const int xx = std::clamp(x + i, 0, w_ - 1), yy = std::clamp(y + j, 0, h_ - 1);
                    const float k = (i == 0 ? 2.f : 1.f) * (j == 0 ? 2.f : 1.f);
                    const Rgb& p = px_[static_cast<size_t>(yy) * w_ + xx];
                    sum = {sum.r + k * p.r, sum.g + k * p.g, sum.b + k * p.b};
                    weight += k;
                }
            out[static_cast<size_t>(y) * w_ + x] = {sum.r / weight, sum.g / weight, sum.b / weight};
        }
    px_ = std::move(out);
}

std::vector<uint8_t> Canvas::Downsample() const {
    const int ow = w_ / kScale, oh = h_ / kScale;
    std::vector<uint8_t> out(static_cast<size_t>(ow) * oh * 3);
    for (int y = 0; y < oh; ++y)
        for (int x = 0; x < ow; ++x) {
            Rgb sum{0, 0, 0};
            for (int j = 0; j < kScale; ++j)
                for (int i = 0; i < kScale; ++i) {
                    const Rgb& p = px_[static_cast<size_t>(y * kScale + j) * w_ + (x * kScale + i)];
                    sum = {sum.r + p.r, sum.g + p.g, sum.b + p.b};
                }
            const float n = kScale * kScale;
            uint8_t* o = &out[(static_cast<size_t>(y) * ow + x) * 3];
            o[0] = static_cast<uint8_t>(std::clamp(sum.r / n, 0.f, 255.f) + 0.5f);
            o[1] = static_cast<uint8_t>(std::clamp(sum.g / n, 0.f, 255.f) + 0.5f);
            o[2] = static_cast<uint8_t>(std::clamp(sum.b / n, 0.f, 255.f) + 0.5f);
        }
    return out;
}

}  // namespace boardphoto
