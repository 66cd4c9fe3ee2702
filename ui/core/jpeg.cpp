#include "ui/core/jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>

namespace ui {

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool warned;
};

extern "C" void OnJpegError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    err->pub.format_message(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// A premature end of data is only a warning to libjpeg; we refuse such files.
extern "C" void OnJpegMessage(j_common_ptr cinfo, int level) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    if (level < 0 && !err->warned) {
        err->pub.format_message(cinfo, err->message);
        err->warned = true;
    }
}

constexpr long kMaxPixels = 64L * 1024 * 1024;

// Holds only plain data, so that longjmp out of libjpeg skips no destructor.
bool Decode(std::span<const uint8_t> data, TBitmap& out, char* message) {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = OnJpegError;
    err.pub.emit_message = OnJpegMessage;
    err.warned = false;
    err.message[0] = 0;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", err.message);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_EXT_BGRX;
    if (static_cast<long>(cinfo.image_width) * static_cast<long>(cinfo.image_height) > kMaxPixels) {
        jpeg_destroy_decompress(&cinfo);
        std::snprintf(message, JMSG_LENGTH_MAX, "picture too large");
        return false;
    }
    jpeg_start_decompress(&cinfo);
    out.SetSize(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height));
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(out.ScanLine(static_cast<int>(cinfo.output_scanline)));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    if (err.warned) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", err.message);
        return false;
    }
    return true;
}

}  // namespace

void TJPEGImage::LoadFromBytes(std::span<const uint8_t> data) {
    TBitmap decoded;
    char message[JMSG_LENGTH_MAX] = {};
    if (!Decode(data, decoded, message)) throw EInvalidGraphic(std::string("JPEG data refused: ") + message);
    // The fourth byte plays no part in display; keep it zero as in every other bitmap.
    for (int y = 0; y < decoded.Height(); ++y)
        for (uint32_t *p = decoded.ScanLine(y), *e = p + decoded.Width(); p != e; ++p) *p &= 0xFFFFFF;
    bitmap_.Assign(decoded);
    Changed();
}

void TJPEGImage::Draw(TCanvas& canvas, const TRect& rect) const { canvas.DrawBitmap(rect, bitmap_, false, 0); }

std::unique_ptr<TGraphic> TJPEGImage::Clone() const {
    auto copy = std::make_unique<TJPEGImage>();
    copy->bitmap_.Assign(bitmap_);
    copy->SetTransparent(Transparent());
    return copy;
}

}  // namespace ui
