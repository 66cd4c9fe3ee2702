// Feeds arbitrary text to the description reader as the main window's description: a mistake must
// come back as EReadError with nothing left behind, never as a crash or another failure.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "app/template.h"
#include "ui/stream/lexer.h"
#include "ui/ws/headless/headless.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ui::TApplication* app = [] {
        auto* a = new ui::TApplication(std::make_unique<ui::HeadlessWidgetSet>());
        RegisterTemplate();
        return a;
    }();
    try {
        auto* form = new TMainForm(app, std::string_view(reinterpret_cast<const char*>(data), size));
        form->Free();
    } catch (const ui::EReadError&) {
    }
    return 0;
}
