// The wall between the component model and a windowing system.
// Outbound: WidgetSet and WindowHandle (do-nothing defaults where harmless).
// Inbound: WidgetSetEvents, implemented once by the core, so that every rule is computed in one place.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "ui/core/graphics.h"
#include "ui/core/types.h"

namespace ui {

class TControl;
class TWinControl;
class TForm;
class TMenuItem;

// Border widths of a form: caption and menu bar are part of `top`.
struct FrameMetrics {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const FrameMetrics&) const = default;
};

class WindowHandle {
public:
    virtual ~WindowHandle() = default;
    // Forms: outer rectangle in screen coordinates. Other controls: rectangle in the parent's client coordinates.
    virtual void SetBounds(const TRect&) {}
    virtual void SetVisible(bool) {}
    virtual void SetText(const std::string&) {}
    virtual void SetEnabled(bool) {}
    // Own client coordinates.
    virtual void Invalidate(const TRect&) {}
    virtual void SetFocus() {}
    virtual void BringToFront() {}
    // Forms: border style, stay-on-top, minimum size or window state changed.
    virtual void StyleChanged() {}
    // Forms: the main menu's items, captions or check marks changed.
    virtual void MenuChanged() {}
    // Forms: the program activates the window.
    virtual void Activate() {}
    // Native controls: what they show (lines, document, panels, pages, button role) changed.
    virtual void ContentChanged() {}
};

class WidgetSetEvents {
public:
    virtual ~WidgetSetEvents() = default;
    // `under` is our form beneath the cursor, or nullptr when the cursor is over none of our windows.
    virtual void MouseMove(TPoint screen, TForm* under) = 0;
    virtual void MouseDown(TPoint screen, TForm* under) = 0;
    virtual void MouseUp(TPoint screen, TForm* under) = 0;
    // A native control (a button) was clicked by the user.
    virtual void ControlClicked(TControl& control) = 0;
    // The user chose a menu entry.
    virtual void MenuItemChosen(TMenuItem& item) = 0;
    // The user moved the keyboard focus into a native control (by clicking it).
    virtual void ControlFocused(TWinControl& control) = 0;
    // The user chose page `index` of a tab control.
    virtual void PageChosen(TWinControl& control, int index) = 0;
    // Enter, Escape and Tab reach the form; other keys are the native controls' own.
    virtual void KeyPressed(TForm& form, int key) = 0;
    // Outer rectangle in screen coordinates, and the frame around the client area.
    virtual void FormGeometryChanged(TForm& form, const TRect& outer, const FrameMetrics& frame) = 0;
    virtual void FormActivated(TForm& form) = 0;
    virtual void FormDeactivated(TForm& form) = 0;
    virtual void CloseRequested(TForm& form) = 0;
    // Paints a self-painted control into its backing bitmap and returns it.
    virtual const TBitmap& PaintControl(TWinControl& control) = 0;
};

enum class Key { Enter = 13, Escape = 27, Tab = 9 };

class WidgetSet {
public:
    virtual ~WidgetSet() = default;
    virtual std::unique_ptr<WindowHandle> CreateHandle(TWinControl& control) = 0;
    virtual TPoint CursorPos() = 0;
    virtual TPoint ScreenSize() = 0;
    // Frame of a form with the given style before the window system has framed it.
    virtual FrameMetrics DefaultFrame(const TForm& form) = 0;
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
    virtual TextService* Text() { return nullptr; }
    // Monotonic milliseconds, for timers.
    virtual int64_t NowMs() = 0;
    // Handles pending window-system events without blocking.
    virtual void ProcessEvents() {}
    // Runs once the queue is empty: a desktop without paint requests of its own paints here.
    virtual void Flush() {}
    // Blocks until an event arrives or the time `wakeAtMs` (when >= 0) is reached.
    virtual void WaitForEvents(int64_t wakeAtMs) = 0;
    // Called once with the core's inbound sink.
    virtual void Attach(WidgetSetEvents* events) { events_ = events; }

protected:
    WidgetSetEvents* events_ = nullptr;
};

}  // namespace ui
