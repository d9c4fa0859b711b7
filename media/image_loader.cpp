#include "media/image_loader.h"

#include "base/wide_string.h"
#include "media/bmp_decoder.h"
#include "media/gif_decoder.h"
#include "media/image_messages.h"
#include "media/jpeg_decoder.h"
#include "media/resource_file.h"
#include "platform/files.h"

#include <initializer_list>

namespace velmora {

namespace {

enum class ImageFormat { Jpeg, Bmp, Gif, Unsupported };

ImageFormat formatOf(const std::wstring& path) {
    auto contains = [&](std::initializer_list<const wchar_t*> extensions) {
        for (const wchar_t* extension : extensions) {
            if (path.find(extension) != std::wstring::npos)
                return true;
        }
        return false;
    };
    if (contains({L".jpg", L".JPG", L".jpeg", L".JPEG"}))
        return ImageFormat::Jpeg;
    if (contains({L".bmp", L".BMP"}))
        return ImageFormat::Bmp;
    if (contains({L".gif", L".GIF"}))
        return ImageFormat::Gif;
    return ImageFormat::Unsupported;
}

void showError(const std::wstring& text, const wchar_t* title = L"Error") {
    showImageMessage(text, title, MessageIcon::Exclamation);
}

std::wstring normalised(const std::wstring& path) {
    std::wstring result = path;
    collapseDotDot(result);
    return result;
}

std::optional<std::vector<uint8_t>> readOrReport(const std::wstring& path, ImageFormat format) {
    auto bytes = readResourceFile(path);
    if (bytes)
        return bytes;
    if (format == ImageFormat::Bmp)
        showError(L"Error: can not find the image '" + displayPath(path) + L"'", L"Exception");
    else
        showError(formatWide(L"Error: can not find the image '%ls'.", displayPath(path).c_str()),
                  L"Exception");
    return std::nullopt;
}

std::vector<std::unique_ptr<Surface>> loadGif(const std::wstring& path, bool useDeviceDepth,
                                              GifFrames which) {
    const auto bytes = readOrReport(path, ImageFormat::Gif);
    if (!bytes)
        return {};
    GifImage image = decodeGif(*bytes, useDeviceDepth, which);
    if (!image.validSignature) {
        showError(formatWide(L"Error: %ls is not a valid image.", displayPath(path).c_str()));
        return {};
    }
    // One message however many frames were dropped: each is a box the player has to close.
    if (image.corruptFrames > 0)
        showError(L"Image File Corrupt");
    if (image.frames.empty())
        showError(L"Premature End Of Image File");
    return std::move(image.frames);
}

bool loadJpeg(Surface& surface, const std::wstring& path, bool useDeviceDepth) {
    const auto bytes = readOrReport(path, ImageFormat::Jpeg);
    if (!bytes)
        return false;
    const JpegResult result = decodeJpeg(*bytes, useDeviceDepth, surface);
    if (!result.message.empty())
        showImageMessage(formatWide(L"Error happened when loading image:\n%s\n", result.message.c_str()),
                         L"Error", MessageIcon::Error);
    return result.decoded;
}

bool loadBmp(Surface& surface, const std::wstring& path, bool useDeviceDepth) {
    const auto bytes = readOrReport(path, ImageFormat::Bmp);
    if (!bytes)
        return false;
    const BmpStatus status = decodeBmp(*bytes, useDeviceDepth, surface);
    if (status == BmpStatus::InvalidImage)
        showError(formatWide(L"Error: %ls is not a valid BMP image.", displayPath(path).c_str()));
    return status == BmpStatus::Decoded;
}

} // namespace

bool isGifPath(const std::wstring& path) {
    return path.find(L".gif") != std::wstring::npos || path.find(L".GIF") != std::wstring::npos;
}

bool loadImage(Surface& surface, const std::wstring& rawPath, bool useDeviceDepth) {
    surface.release();
    const std::wstring path = normalised(rawPath);
    switch (formatOf(path)) {
    case ImageFormat::Jpeg:
        return loadJpeg(surface, path, useDeviceDepth);
    case ImageFormat::Bmp:
        return loadBmp(surface, path, useDeviceDepth);
    case ImageFormat::Gif: {
        auto frames = loadGif(path, useDeviceDepth, GifFrames::First);
        if (frames.empty())
            return false;
        surface.swap(*frames.front());
        return true;
    }
    case ImageFormat::Unsupported:
        break;
    }
    showError(formatWide(L"Error: %ls is not a supported image.", displayPath(path).c_str()));
    return false;
}

std::vector<std::unique_ptr<Surface>> loadGifFrames(const std::wstring& path, bool useDeviceDepth) {
    return loadGif(normalised(path), useDeviceDepth, GifFrames::All);
}

} // namespace velmora
