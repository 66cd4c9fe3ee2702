// Feeds arbitrary bytes to the picture loader (JPEG and BMP): it may refuse them, never crash.
#include <cstddef>
#include <cstdint>

#include "ui/core/graphics.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ui::TPicture picture;
    try {
        picture.LoadFromBytes({data, size});
    } catch (const ui::EInvalidGraphic&) {
    }
    return 0;
}
