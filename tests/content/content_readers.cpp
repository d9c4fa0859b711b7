#include "content_readers.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <gif_lib.h>
#include <iterator>
#include <jpeglib.h>
#include <unzip.h>

namespace velmora::test {
namespace {

uint32_t le32(const Bytes& b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}
uint16_t le16(const Bytes& b, size_t at) {
    return uint16_t(b[at] | b[at + 1] << 8);
}

struct MemoryStream {
    const Bytes* bytes;
    size_t position = 0;
};

int readFromMemory(GifFileType* gif, GifByteType* out, int count) {
    auto* stream = static_cast<MemoryStream*>(gif->UserData);
    const size_t n = std::min<size_t>(size_t(count), stream->bytes->size() - stream->position);
    std::memcpy(out, stream->bytes->data() + stream->position, n);
    stream->position += n;
    return int(n);
}

struct JpegErrors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    int warnings = 0;
};

void jpegFail(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1);
}
void jpegMessage(j_common_ptr info, int level) {
    if (level < 0)
        ++reinterpret_cast<JpegErrors*>(info->err)->warnings;
}

} // namespace

Bytes readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::optional<GifInfo> readGif(const Bytes& bytes) {
    if (bytes.size() < 6)
        return std::nullopt;
    MemoryStream stream{&bytes};
    int error = 0;
    GifFileType* gif = DGifOpen(&stream, readFromMemory, &error);
    if (!gif)
        return std::nullopt;
    std::optional<GifInfo> result;
    if (DGifSlurp(gif) == GIF_OK) {
        GifInfo info;
        info.signature.assign(reinterpret_cast<const char*>(bytes.data()), 6);
        info.width = gif->SWidth;
        info.height = gif->SHeight;
        info.globalTable = gif->SColorMap != nullptr;
        if (gif->SColorMap)
            for (int i = 0; i < gif->SColorMap->ColorCount; ++i) {
                const GifColorType& c = gif->SColorMap->Colors[i];
                info.palette.push_back(uint32_t(c.Red) << 16 | uint32_t(c.Green) << 8 | c.Blue);
            }
        for (int i = 0; i < gif->ImageCount; ++i) {
            const SavedImage& image = gif->SavedImages[i];
            GifFrameInfo frame;
            frame.left = image.ImageDesc.Left;
            frame.top = image.ImageDesc.Top;
            frame.width = image.ImageDesc.Width;
            frame.height = image.ImageDesc.Height;
            GraphicsControlBlock control;
            if (DGifSavedExtensionToGCB(gif, i, &control) == GIF_OK) {
                frame.delay = control.DelayTime;
                frame.transparentIndex = control.TransparentColor;
                frame.disposal = control.DisposalMode;
                if (control.TransparentColor >= 0 && size_t(control.TransparentColor) < info.palette.size())
                    frame.transparentColour = info.palette[size_t(control.TransparentColor)];
            }
            frame.indices.assign(image.RasterBits, image.RasterBits + size_t(frame.width) * frame.height);
            info.frames.push_back(std::move(frame));
        }
        result = std::move(info);
    }
    DGifCloseFile(gif, &error);
    return result;
}

std::optional<JpegInfo> readJpeg(const Bytes& bytes) {
    jpeg_decompress_struct info{};
    JpegErrors errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jpegFail;
    errors.base.emit_message = jpegMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return std::nullopt;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    JpegInfo result;
    result.components = info.num_components;
    result.progressive = jpeg_has_multiple_scans(&info);
    jpeg_start_decompress(&info);
    result.width = int(info.output_width);
    result.height = int(info.output_height);
    std::vector<JSAMPLE> row(size_t(info.output_width) * info.output_components);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    if (errors.warnings > 0)
        return std::nullopt;
    return result;
}

std::optional<BmpInfo> readBmpHeader(const Bytes& bytes) {
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M' || le32(bytes, 6) != 0)
        return std::nullopt;
    BmpInfo info;
    info.headerSize = le32(bytes, 14);
    info.width = int(le32(bytes, 18));
    info.height = int(le32(bytes, 22));
    info.bitsPerPixel = le16(bytes, 28);
    info.compression = le32(bytes, 30);
    const size_t stride = (size_t(info.width) * info.bitsPerPixel / 8 + 3) & ~size_t(3);
    if (le32(bytes, 10) + stride * size_t(std::abs(info.height)) > bytes.size())
        return std::nullopt;
    return info;
}

std::optional<WavInfo> readCanonicalWav(const Bytes& bytes) {
    if (bytes.size() < 44 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        std::memcmp(&bytes[8], "WAVE", 4) != 0 || std::memcmp(&bytes[12], "fmt ", 4) != 0 ||
        le32(bytes, 16) != 16 || std::memcmp(&bytes[36], "data", 4) != 0 ||
        le32(bytes, 4) != bytes.size() - 8)
        return std::nullopt;
    WavInfo info;
    info.formatTag = le16(bytes, 20);
    info.channels = le16(bytes, 22);
    info.sampleRate = int(le32(bytes, 24));
    info.bitsPerSample = le16(bytes, 34);
    info.dataSize = le32(bytes, 40);
    for (size_t at = 44; at + 1 < bytes.size(); at += 2)
        info.samples.push_back(int16_t(le16(bytes, at)));
    return info;
}

std::optional<std::map<std::string, ZipEntryInfo>> readZip(const std::string& path) {
    unzFile zip = unzOpen(path.c_str());
    if (!zip)
        return std::nullopt;
    std::map<std::string, ZipEntryInfo> entries;
    bool ok = true;
    for (int status = unzGoToFirstFile(zip); ok && status == UNZ_OK; status = unzGoToNextFile(zip)) {
        char name[512];
        unz_file_info64 file;
        ok = unzGetCurrentFileInfo64(zip, &file, name, sizeof name, nullptr, 0, nullptr, 0) == UNZ_OK &&
             unzOpenCurrentFile(zip) == UNZ_OK;
        if (!ok)
            break;
        ZipEntryInfo entry;
        entry.method = int(file.compression_method);
        entry.zip64 = file.compressed_size >= 0xFFFFFFFFu || file.uncompressed_size >= 0xFFFFFFFFu;
        entry.bytes.resize(file.uncompressed_size);
        ok = unzReadCurrentFile(zip, entry.bytes.data(), unsigned(entry.bytes.size())) ==
             int(entry.bytes.size());
        ok = unzCloseCurrentFile(zip) == UNZ_OK && ok; // the CRC is checked on closing
        entries[name] = std::move(entry);
    }
    unzClose(zip);
    if (!ok)
        return std::nullopt;
    return entries;
}

} // namespace velmora::test
