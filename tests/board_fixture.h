// A window with a board image and circles, read from a small description, on a simulated desktop.
#pragma once

#include <string>

#include "bmp_builder.h"
#include "desktop.h"
#include "setupctrls/boardimage.h"
#include "setupctrls/highlight.h"
#include "setupctrls/registration.h"
#include "ui/core/resources.h"
#include "ui/stream/reader.h"
#include "ui/stream/standard_classes.h"

using namespace ui;
using namespace setupctrls;

class TBoardForm : public TForm, public TPublished {
    UI_CLASS(TBoardForm, TForm)
public:
    explicit TBoardForm(TComponent* owner) : TForm(owner) {}
};

class BoardTest : public DesktopTest {
protected:
    // `body` is what stands inside the window after its settings; the board is named Board.
    TBoardForm* Load(const std::string& body) {
        static const std::vector<uint8_t> photo =
            MakeBmp24(300, 200, [](int x, int y) { return static_cast<uint32_t>((x * 5) << 8 | (y * 3) | 0x400000) & 0xFFFFFF; });
        RegisterResource("photo.bmp", photo);
        static ClassRegistry registry = [] {
            ClassRegistry r;
            RegisterStandardClasses(r);
            RegisterSetupControls(r);
            return r;
        }();
        form = app->CreateForm<TBoardForm>();
        ReadDescription(*form, "object Main: TBoardForm\n  Left = 0\n  Top = 0\n  Width = 873\n  Height = 730\n"
                               "  Position = poDesigned\n  Color = clWhite\n" + body + "end\n",
                        registry);
        return form;
    }
    template <class T = TBoardHighlight> T* Get(const char* name) { return As<T>(form->FindComponent(name)); }
    // Shows the window and paints it, so that the circles build their markers and menu entries.
    void ShowAndPaint() {
        form->Show();
        app->ProcessMessages();
    }
    TPoint CentreOf(TControl* c) { return c->ClientToScreen({c->Width() / 2, c->Height() / 2}); }
    void Hover(TControl* c) { desktop->MoveCursor(CentreOf(c)); }
    // A point on the window's client area, away from the board.
    TPoint Elsewhere() { return form->ClientToScreen({5, 5}); }

    TBoardForm* form = nullptr;
};
