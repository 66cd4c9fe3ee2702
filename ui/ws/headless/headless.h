// A simulated desktop: windows that only record their state, a cursor, a virtual clock and scripted
// message boxes. Tests drive it exactly as a user would drive a real desktop.
#pragma once

#include <cstdlib>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/core/forms.h"
#include "ui/ws/widgetset.h"

namespace ui {

struct ShownMessageBox {
    std::string text, caption;
    unsigned flags;
    int answer;
};

// Text of fixed, font-proportional metrics that draws nothing: layouts stay the same on every machine.
class HeadlessText : public TextService {
public:
    void DrawText(TCanvas&, const TRect&, const std::string&, const TFont&, unsigned) override {}
    int TextHeight(const TFont& font) override { return (std::abs(font.Height) * 6 + 2) / 5; }
    int TextWidth(const TFont& font, const std::string& text) override {
        return static_cast<int>(text.size()) * (std::abs(font.Height) * 11 + 10) / 20;
    }
};

class HeadlessWidgetSet : public WidgetSet {
public:
    // Frames of the simulated window manager, per border style (caption included in `top`).
    static constexpr int kMenuBarHeight = 20;
    static FrameMetrics FrameFor(TBorderStyle style);

    explicit HeadlessWidgetSet(TPoint screenSize = {1024, 768}) : screen_(screenSize) {}

    // WidgetSet
    std::unique_ptr<WindowHandle> CreateHandle(TWinControl& control) override;
    TPoint CursorPos() override { return cursor_; }
    TPoint ScreenSize() override { return screen_; }
    FrameMetrics DefaultFrame(const TForm& form) override;
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    TextService* Text() override { return &text_; }
    int64_t NowMs() override { return now_; }
    void Flush() override;
    void WaitForEvents(int64_t wakeAtMs) override;

    // The desktop, as the tests use it.
    void SetScreenSize(TPoint size) { screen_ = size; }
    TForm* FormAt(TPoint screen) const;
    void MoveCursor(TPoint screen);
    void Click(TPoint screen);
    void PressKey(TForm& form, Key key);
    // Chooses a menu entry by captions, e.g. {"&File", "&Exit"}; false when there is none.
    bool ChooseMenu(TForm& form, const std::vector<std::string>& path);
    // Advances the virtual clock, delivering each tick at its due time.
    void Advance(int64_t ms);
    // Runs the message loop until nothing is pending, then the idle event once.
    void RunIdle();
    // Answers for the next message boxes, in order; without one, the default button answers.
    void AnswerNextBoxes(std::vector<int> answers) { answers_.assign(answers.begin(), answers.end()); }
    const std::vector<ShownMessageBox>& Boxes() const { return boxes_; }
    // Runs while a box is on screen, before it is answered (time may pass there, as for a user).
    std::function<void()> WhileBoxShown;
    // How often a windowed control has been painted.
    int PaintCount(const TWinControl& c) const;
    // The painted pixels of a control (a graphic control's part of its parent's bitmap).
    TBitmap Pixels(TControl& c);

private:
    TPoint screen_;
    TPoint cursor_{-1, -1};
    int64_t now_ = 0;
    std::deque<int> answers_;
    std::vector<ShownMessageBox> boxes_;
    std::map<const TWinControl*, int> paints_;
    HeadlessText text_;
};

}  // namespace ui
