#include "image_files.h"

#include "byte_output.h"

#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace velmora::content {

bool writeJpeg(const std::string& path, const Picture& picture, int quality) {
    const Picture flat = flatten(picture, {0, 0, 0, 255});
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = JDIMENSION(flat.width);
    info.image_height = JDIMENSION(flat.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = TRUE;
    for (int c = 0; c < 3; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(size_t(flat.width) * 3);
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < flat.width; ++x) {
            const Rgba& p = flat.at(x, int(info.next_scanline));
            row[size_t(x) * 3] = p.r;
            row[size_t(x) * 3 + 1] = p.g;
            row[size_t(x) * 3 + 2] = p.b;
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

bool writeBmp(const std::string& path, const Picture& picture) {
    const Picture flat = flatten(picture, {0, 0, 0, 255});
    const uint32_t stride = (uint32_t(flat.width) * 3 + 3) & ~3u;
    const uint32_t dataSize = stride * uint32_t(flat.height);
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    putU32(out, 54 + dataSize);
    putU32(out, 0); // both reserved words
    putU32(out, 54);
    putU32(out, 40);
    putU32(out, uint32_t(flat.width));
    putU32(out, uint32_t(flat.height)); // positive: bottom row first
    putU16(out, 1);
    putU16(out, 24);
    putU32(out, 0); // uncompressed
    putU32(out, dataSize);
    putU32(out, 2835); // 72 dpi
    putU32(out, 2835);
    putU32(out, 0);
    putU32(out, 0);
    for (int y = flat.height - 1; y >= 0; --y) {
        for (int x = 0; x < flat.width; ++x) {
            const Rgba& p = flat.at(x, y);
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
        }
        out.resize(out.size() + (stride - uint32_t(flat.width) * 3), 0);
    }
    return writeBytes(path, out);
}

} // namespace velmora::content
