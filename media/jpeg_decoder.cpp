#include "media/jpeg_decoder.h"

#include "base/pixel_format.h"
#include "media/image_limits.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace velmora {

namespace {

// The library reports through these callbacks. A fatal error jumps back to the decoding step that
// called the library; that step holds no objects with destructors, so nothing is skipped.
struct ErrorManager {
    jpeg_error_mgr standard;
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX];
    bool hasMessage;
};

void keepMessage(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    if (!manager->hasMessage) {
        info->err->format_message(info, manager->message);
        manager->hasMessage = true;
    }
}

[[noreturn]] void escapeOnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    manager->hasMessage = false; // the error's text replaces any warning's
    keepMessage(info);
    std::longjmp(manager->escape, 1);
}

// A progressive file may repeat its scans, and each scan walks every block of the picture again: a
// small file of empty scans could keep the game busy for minutes. No encoder writes this many.
constexpr int maxScans = 100;

// Called by the library as it reads the data, many times per scan.
void limitScans(j_common_ptr info) {
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number <= maxScans)
        return;
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    std::snprintf(manager->message, sizeof manager->message, "Too many scans (more than %d)", maxScans);
    manager->hasMessage = true;
    std::longjmp(manager->escape, 1);
}

struct Decompressor {
    jpeg_decompress_struct info;
    ErrorManager errors;
    jpeg_progress_mgr progress;
};

// Reads the header and starts decompression with RGB output; false on a library error or for a
// picture too large to be one of ours (refused before the library allocates for it).
bool start(Decompressor& jpeg, const uint8_t* data, unsigned long size) {
    if (setjmp(jpeg.errors.escape))
        return false;
    jpeg_mem_src(&jpeg.info, data, size);
    jpeg_read_header(&jpeg.info, TRUE);
    if (jpeg.info.image_width > unsigned(maxImageSide) || jpeg.info.image_height > unsigned(maxImageSide) ||
        int64_t{jpeg.info.image_width} * jpeg.info.image_height > maxPicturePixels) {
        std::snprintf(jpeg.errors.message, sizeof jpeg.errors.message, "Image too large (%ux%u)",
                      jpeg.info.image_width, jpeg.info.image_height);
        jpeg.errors.hasMessage = true;
        return false;
    }
    jpeg.info.out_color_space = JCS_RGB; // greyscale files too; the library refuses CMYK
    jpeg_start_decompress(&jpeg.info);
    return true;
}

template <typename Format>
bool readRows(Decompressor& jpeg, Surface& surface, JSAMPROW row) {
    if (setjmp(jpeg.errors.escape))
        return false;
    while (jpeg.info.output_scanline < jpeg.info.output_height) {
        const int y = static_cast<int>(jpeg.info.output_scanline);
        jpeg_read_scanlines(&jpeg.info, &row, 1);
        typename Format::Pixel* out = pixelRow<Format>(surface.bits, surface.stride, y);
        for (int x = 0; x < surface.width; ++x) {
            const uint32_t rgb = (uint32_t(row[x * 3]) << 16) | (uint32_t(row[x * 3 + 1]) << 8) | row[x * 3 + 2];
            out[x] = static_cast<typename Format::Pixel>(encodePixel(rgb, surface.bitsPerPixel));
        }
    }
    jpeg_finish_decompress(&jpeg.info);
    return true;
}

JSAMPROW allocateRow(Decompressor& jpeg) {
    if (setjmp(jpeg.errors.escape))
        return nullptr;
    const JDIMENSION bytes = jpeg.info.output_width * static_cast<JDIMENSION>(jpeg.info.output_components);
    return (*jpeg.info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&jpeg.info), JPOOL_IMAGE, bytes, 1)[0];
}

} // namespace

JpegResult decodeJpeg(std::span<const uint8_t> data, bool useDeviceDepth, Surface& surface) {
    surface.release();
    JpegResult result;
    Decompressor jpeg{};
    jpeg.info.err = jpeg_std_error(&jpeg.errors.standard);
    jpeg.errors.standard.error_exit = escapeOnError;
    jpeg.errors.standard.output_message = keepMessage;
    jpeg_create_decompress(&jpeg.info);
    jpeg.progress.progress_monitor = limitScans;
    jpeg.info.progress = &jpeg.progress;

    const bool started = start(jpeg, data.data(), static_cast<unsigned long>(data.size()));
    JSAMPROW row = started && jpeg.info.output_components == 3 ? allocateRow(jpeg) : nullptr;
    bool decoded = row && surface.create(static_cast<int>(jpeg.info.output_width),
                                         static_cast<int>(jpeg.info.output_height), useDeviceDepth);
    if (decoded)
        decoded = surface.bitsPerPixel == 16 ? readRows<Format16>(jpeg, surface, row)
                                             : readRows<Format32>(jpeg, surface, row);
    jpeg_destroy_decompress(&jpeg.info);
    if (!decoded)
        surface.release();
    result.decoded = decoded;
    if (jpeg.errors.hasMessage)
        result.message = jpeg.errors.message;
    return result;
}

} // namespace velmora
