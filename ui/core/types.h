// Points, rectangles and window messages shared by the whole component layer.
#pragma once

#include <cstdint>

namespace ui {

struct TPoint {
    int x = 0, y = 0;
    bool operator==(const TPoint&) const = default;
};

// Left and top edges are inside, right and bottom edges are not.
struct TRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(TPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool Empty() const { return right <= left || bottom <= top; }
    TRect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    TRect Intersect(const TRect& o) const;
    bool operator==(const TRect&) const = default;
};

inline TRect Bounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }
inline bool PtInRect(const TRect& r, TPoint p) { return r.Contains(p); }

using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;

struct TMessage {
    unsigned Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// Message numbers the components exchange.
constexpr unsigned WM_ACTIVATE = 0x0006;
constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned WM_QUERYNEWPALETTE = 0x030F;
constexpr unsigned WM_TIMER = 0x0113;
constexpr unsigned WM_LBUTTONDOWN = 0x0201;
constexpr unsigned WM_LBUTTONUP = 0x0202;
constexpr unsigned WM_USER = 0x0400;
constexpr unsigned CM_MOUSEENTER = 0xB013;
constexpr unsigned CM_MOUSELEAVE = 0xB014;

constexpr WPARAM WA_INACTIVE = 0;
constexpr WPARAM WA_ACTIVE = 1;
constexpr WPARAM WA_CLICKACTIVE = 2;

// Message-box flags and answers.
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_RETRYCANCEL = 0x5;
constexpr unsigned MB_TYPEMASK = 0xF;
constexpr unsigned MB_ICONHAND = 0x10;
constexpr unsigned MB_ICONSTOP = MB_ICONHAND;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONASTERISK = 0x40;
constexpr unsigned MB_ICONMASK = 0xF0;
constexpr unsigned MB_DEFBUTTON2 = 0x100;
constexpr unsigned MB_DEFBUTTON3 = 0x200;
constexpr unsigned MB_DEFMASK = 0xF00;
constexpr unsigned MB_SETFOREGROUND = 0x10000;
constexpr unsigned MB_TOPMOST = 0x40000;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

}  // namespace ui
