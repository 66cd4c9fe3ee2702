// connector: draws the two-pin power header seen from the front as the product's 56 x 56 Windows
// bitmap (40-byte header, 24 bits, bottom-up rows, 2835 pixels per metre) on a magenta background.
//   connector <out.bmp>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kSize = 56;
struct Rgb {
    uint8_t r, g, b;
};
constexpr Rgb kMagenta{255, 0, 255}, kWhite{250, 250, 246}, kOutline{120, 120, 116}, kCavity{36, 36, 36},
    kGreen{28, 104, 58}, kMark{48, 48, 48}, kShade{214, 212, 204};

// 3 x 5 glyphs for the cavity marks.
const std::vector<std::string> kPlus = {"...", ".#.", "###", ".#.", "..."};
const std::vector<std::string> kFive = {"###", "#..", "##.", "..#", "##."};
const std::vector<std::string> kZero = {"###", "#.#", "#.#", "#.#", "###"};

struct Picture {
    Rgb px[kSize][kSize];
    void Rect(int x0, int y0, int x1, int y1, Rgb c) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) px[y][x] = c;
    }
    void Frame(int x0, int y0, int x1, int y1, Rgb c) {
        Rect(x0, y0, x1, y0 + 1, c);
        Rect(x0, y1 - 1, x1, y1, c);
        Rect(x0, y0, x0 + 1, y1, c);
        Rect(x1 - 1, y0, x1, y1, c);
    }
    void Glyph(int x, int y, const std::vector<std::string>& g, Rgb c) {
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 3; ++col)
                if (g[row][col] == '#') px[y + row][x + col] = c;
    }
};

void Put16(std::vector<uint8_t>& d, uint16_t v) {
    d.push_back(v & 0xFF);
    d.push_back(v >> 8);
}
void Put32(std::vector<uint8_t>& d, uint32_t v) {
    for (int i = 0; i < 4; ++i) d.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: connector <out.bmp>\n");
        return 2;
    }
    Picture p;
    p.Rect(0, 0, kSize, kSize, kMagenta);
    p.Rect(3, 47, 53, 53, kGreen);                // the board it stands on
    p.Rect(12, 4, 44, 47, kWhite);                // housing
    p.Rect(12, 4, 44, 8, kShade);                 // latch ramp on top
    p.Rect(24, 1, 32, 4, kWhite);                 // latch
    p.Frame(24, 1, 32, 5, kOutline);
    p.Frame(12, 4, 44, 47, kOutline);
    p.Rect(20, 11, 36, 25, kCavity);              // upper cavity: +5
    p.Rect(20, 29, 36, 43, kCavity);              // lower cavity: 0
    p.Glyph(4, 14, kPlus, kMark);
    p.Glyph(8, 14, kFive, kMark);
    p.Glyph(6, 33, kZero, kMark);
    p.Frame(12, 4, 44, 47, kOutline);

    const uint32_t stride = kSize * 3, pixels = stride * kSize, total = 54 + pixels;
    std::vector<uint8_t> d{'B', 'M'};
    Put32(d, total);
    Put32(d, 0);
    Put32(d, 54);
    Put32(d, 40);
    Put32(d, kSize);
    Put32(d, kSize);
    Put16(d, 1);
    Put16(d, 24);
    Put32(d, 0);
    Put32(d, pixels);
    Put32(d, 2835);
    Put32(d, 2835);
    Put32(d, 0);
    Put32(d, 0);
    for (int y = kSize - 1; y >= 0; --y)
        for (int x = 0; x < kSize; ++x) {
            d.push_back(p.px[y][x].b);
            d.push_back(p.px[y][x].g);
            d.push_back(p.px[y][x].r);
        }
    FILE* out = std::fopen(argv[1], "wb");
    if (!out || std::fwrite(d.data(), 1, d.size(), out) != d.size()) {
        std::perror(argv[1]);
        return 1;
    }
    std::fclose(out);
    return 0;
}
