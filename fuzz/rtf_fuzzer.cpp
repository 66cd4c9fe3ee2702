// Feeds arbitrary bytes to the RTF reader: it may refuse them, never crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ui/core/rtf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        ui::ReadRtf(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const ui::ERtfError&) {
    }
    return 0;
}
