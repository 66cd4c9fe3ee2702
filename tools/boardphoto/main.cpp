// boardphoto: draws the board and writes it as the program's photograph, a progressive JPEG with three
// components without subsampling, JFIF 1.01 at 180 dots per inch and an embedded sRGB profile.
//   boardphoto <out.jpg>
#include <cstdio>
#include <vector>

#include <jpeglib.h>
#include <lcms2.h>

#include "tools/boardphoto/board.h"

namespace {

std::vector<uint8_t> SrgbProfile() {
    // A version 2 profile, whose description tag is plain text that every reader shows.
    cmsHPROFILE profile = cmsCreate_sRGBProfile();
    cmsSetProfileVersion(profile, 2.1);
    cmsMLU* description = cmsMLUalloc(nullptr, 1);
    cmsMLUsetASCII(description, "en", "US", "sRGB IEC61966-2.1");
    cmsWriteTag(profile, cmsSigProfileDescriptionTag, description);
    cmsMLUfree(description);
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(profile, nullptr, &size);
    std::vector<uint8_t> data(size);
    cmsSaveProfileToMem(profile, data.data(), &size);
    cmsCloseProfile(profile);
    return data;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: boardphoto <out.jpg>\n");
        return 2;
    }
    const boardphoto::Canvas canvas = boardphoto::DrawBoard();
    std::vector<uint8_t> rgb = canvas.Downsample();
    const int width = canvas.Width() / boardphoto::Canvas::kScale, height = canvas.Height() / boardphoto::Canvas::kScale;

    FILE* out = std::fopen(argv[1], "wb");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, out);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    for (int i = 0; i < 3; ++i) cinfo.comp_info[i].h_samp_factor = cinfo.comp_info[i].v_samp_factor = 1;
    cinfo.write_JFIF_header = TRUE;
    cinfo.JFIF_major_version = 1;
    cinfo.JFIF_minor_version = 1;
    cinfo.density_unit = 1;
    cinfo.X_density = cinfo.Y_density = 180;
    jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    const std::vector<uint8_t> icc = SrgbProfile();
    jpeg_write_icc_profile(&cinfo, icc.data(), static_cast<unsigned>(icc.size()));
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = &rgb[static_cast<size_t>(cinfo.next_scanline) * width * 3];
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(out);
    return 0;
}
