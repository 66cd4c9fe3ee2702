#include "tools/boardphoto/board.h"

#include <cstdint>
#include <string>

namespace boardphoto {

namespace {

constexpr Rgb kMask{28, 104, 58};
constexpr Rgb kMaskLight{46, 132, 78};
constexpr Rgb kSilk{236, 238, 230};
constexpr Rgb kGold{196, 160, 80};
constexpr Rgb kChip{26, 26, 30};
constexpr Rgb kPin{190, 190, 186};
constexpr Rgb kSteelLight{214, 216, 220};
constexpr Rgb kSteelDark{120, 122, 128};

void Hole(Canvas& c, float x, float y) {
    c.Circle(x, y, 9, kGold);
    c.Circle(x, y, 5.5f, {70, 70, 66});
}

void Chip(Canvas& c, float x0, float y0, float x1, float y1, int pinsPerSide, bool fourSides, const char* mark) {
    c.Shadow(x0, y0, x1, y1, 5, 0.45f);
    const float pitchX = (x1 - x0) / (pinsPerSide + 1), pitchY = (y1 - y0) / (pinsPerSide + 1);
    for (int i = 1; i <= pinsPerSide; ++i) {
        c.Rect(x0 + i * pitchX - 1.2f, y0 - 5, x0 + i * pitchX + 1.2f, y0, kPin);
        c.Rect(x0 + i * pitchX - 1.2f, y1, x0 + i * pitchX + 1.2f, y1 + 5, kPin);
        if (fourSides) {
            c.Rect(x0 - 5, y0 + i * pitchY - 1.2f, x0, y0 + i * pitchY + 1.2f, kPin);
            c.Rect(x1, y0 + i * pitchY - 1.2f, x1 + 5, y0 + i * pitchY + 1.2f, kPin);
        }
    }
    c.RoundRect(x0, y0, x1, y1, 1.5f, kChip);
    c.Circle(x0 + 4, y0 + 4, 1.5f, {60, 60, 64});
    c.Text(x0 + 4, (y0 + y1) / 2 - 3, mark, 0.9f, {120, 120, 124});
}

void Passive(Canvas& c, float x, float y, bool vertical, Rgb body) {
    const float w = vertical ? 4 : 8, h = vertical ? 8 : 4;
    c.Shadow(x, y, x + w, y + h, 2, 0.3f);
    c.Rect(x, y, x + w, y + h, body);
    if (vertical) {
        c.Rect(x, y, x + w, y + 2, kPin);
        c.Rect(x, y + h - 2, x + w, y + h, kPin);
    } else {
        c.Rect(x, y, x + 2, y + h, kPin);
        c.Rect(x + w - 2, y, x + w, y + h, kPin);
    }
}

void Traces(Canvas& c) {
    const Rgb t = kMaskLight;
    c.Line(90, 112, 160, 112, 2, t);
    c.Line(160, 112, 178, 100, 2, t);
    c.Line(90, 118, 150, 118, 2, t);
    c.Line(150, 118, 178, 106, 2, t);
    c.Line(214, 100, 262, 122, 2, t);
    c.Line(214, 108, 262, 130, 2, t);
    c.Line(318, 126, 392, 126, 2, t);
    c.Line(318, 134, 392, 134, 2, t);
    c.Line(432, 124, 500, 110, 2, t);
    c.Line(432, 132, 500, 150, 2, t);
    c.Line(432, 140, 500, 178, 2, t);
    c.Line(80, 200, 150, 200, 4, t);
    c.Line(150, 200, 150, 160, 4, t);
    c.Line(150, 160, 262, 150, 3, t);
    c.Line(290, 164, 290, 232, 1.5f, t);
    for (int i = 0; i < 5; ++i) c.Line(112 + 33.f * i, 246, 280, 176 + 4.f * i, 1.5f, t);
    for (int i = 0; i < 14; ++i) {
        const float x = 140 + 23.f * i, y = i % 2 ? 76 : 196;
        c.Circle(x, y, 2.6f, kGold);
        c.Circle(x, y, 1.2f, {40, 60, 44});
    }
}

void UsbReceptacle(Canvas& c) {
    c.Shadow(0, 82, 82, 142, 7, 0.5f);
    c.Rect(76, 86, 86, 92, kSteelDark);
    c.Rect(76, 132, 86, 138, kSteelDark);
    c.Metal(0, 82, 80, 142, kSteelLight, kSteelDark);
    for (int i = 0; i < 4; ++i) c.Rect(14 + 16.f * i, 96, 22 + 16.f * i, 128, {150, 152, 158}, 0.6f);
    c.Rect(0, 104, 6, 120, {236, 236, 240});
    c.Text(90, 106, "USB", 1.2f, kSilk);
}

void PowerHeader(Canvas& c) {
    c.Shadow(2, 182, 72, 220, 6, 0.5f);
    c.RoundRect(2, 182, 72, 220, 2, {244, 243, 236});
    c.Rect(6, 186, 30, 216, {226, 225, 216});
    c.Rect(36, 188, 62, 198, {40, 40, 40});
    c.Rect(36, 204, 62, 214, {40, 40, 40});
    c.Rect(20, 196, 30, 206, {212, 210, 200});
    for (float y : {193.f, 209.f}) c.Rect(72, y - 3, 82, y + 3, kGold);
    c.Text(74, 172, "+5V", 1, kSilk);
    c.Text(74, 222, "GND", 1, kSilk);
}

void Db9(Canvas& c) {
    c.Shadow(500, 56, 600, 232, 7, 0.55f);
    c.Rect(505, 76, 580, 212, {58, 58, 62});
    c.Metal(505, 80, 578, 208, {176, 178, 184}, {96, 98, 104});
    for (float y : {62.f, 226.f}) {
        c.Circle(525, y, 8, kGold);
        c.Circle(525, y, 4.5f, {70, 70, 66});
    }
    c.Metal(578, 52, 596, 236, kSteelLight, kSteelDark);
    for (float y : {66.f, 222.f}) {
        c.Rect(588, y - 8, 600, y + 8, {150, 150, 140});
        c.Rect(592, y - 5, 600, y + 5, {120, 120, 112});
    }
    c.Text(482, 44, "J3", 1, kSilk);
    c.Text(470, 236, "RS-232", 1, kSilk);
}

void Leds(Canvas& c) {
    const char* labels[] = {"PWR", "VBUS", "STAT", "LOAD", "FAULT"};
    const Rgb tint[] = {{150, 210, 120}, {150, 210, 120}, {226, 120, 110}, {226, 120, 110}, {226, 120, 110}};
    for (int i = 0; i < 5; ++i) {
        const float x = 112 + 33.f * i, y = 250;
        c.Shadow(x - 7, y - 4, x + 7, y + 4, 3, 0.35f);
        c.Rect(x - 7, y - 4, x - 4, y + 4, kPin);
        c.Rect(x + 4, y - 4, x + 7, y + 4, kPin);
        c.Rect(x - 4, y - 4, x + 4, y + 4, tint[i]);
        c.Rect(x - 2, y - 2, x + 2, y + 1, {250, 250, 240}, 0.5f);
        const float labelWidth = 6 * 0.9f * static_cast<float>(std::char_traits<char>::length(labels[i]));
        c.Text(x - labelWidth / 2, y + 9, labels[i], 0.9f, kSilk);
    }
}

void Passives(Canvas& c) {
    uint32_t s = 12345;
    auto next = [&s] {
        s = s * 1103515245u + 12345u;
        return (s >> 16) & 0x7FFF;
    };
    const Rgb bodies[] = {{40, 38, 36}, {196, 170, 120}, {150, 120, 80}};
    int placed = 0;
    while (placed < 46) {
        const float x = 120 + next() % 360, y = 30 + next() % 220;
        const bool clear = !(x > 250 && x < 340 && y > 92 && y < 178) && !(x > 382 && x < 444 && y > 108 && y < 154) &&
                           !(x > 166 && x < 226 && y > 82 && y < 124) && !(y > 230) && !(x > 276 && x < 470 && y > 186 && y < 226) &&
                           !(x > 220 && x < 262 && y > 50 && y < 74);
        if (!clear) continue;
        Passive(c, x, y, next() % 2, bodies[next() % 3]);
        ++placed;
    }
}

}  // namespace

Canvas DrawBoard() {
    Canvas c(600 * Canvas::kScale, 288 * Canvas::kScale);
    c.Rect(0, 0, 600, 288, {210, 206, 198});
    c.Shadow(0, 6, 600, 282, 6, 0.5f);
    c.RoundRect(-10, 6, 610, 282, 8, kMask);
    c.Weave(2.5f, kMask);
    Traces(c);
    for (float y : {26.f, 262.f}) {
        Hole(c, 24, y);
        Hole(c, 452, y);
    }
    Chip(c, 264, 104, 314, 154, 10, true, "ZX20");
    Chip(c, 176, 88, 212, 118, 6, true, "HUB");
    Chip(c, 392, 116, 432, 144, 8, false, "232");
    c.Shadow(222, 56, 256, 70, 3, 0.4f);
    c.RoundRect(222, 56, 256, 70, 6, kSteelLight);
    c.Text(224, 76, "12.000", 0.8f, kSilk);
    Passives(c);
    UsbReceptacle(c);
    PowerHeader(c);
    Db9(c);
    Leds(c);
    c.Text(300, 196, "TESSARO", 2.2f, kSilk);
    c.Text(302, 216, "USB TO RS-232", 1, kSilk);
    c.Text(14, 150, "J1", 1, kSilk);
    c.Text(14, 226, "J2", 1, kSilk);
    c.Light(0.22f);
    c.Vignette(0.18f);
    c.Soften();
    c.Grain(20261211, 7);
    return c;
}

}  // namespace boardphoto
