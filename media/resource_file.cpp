#include "media/resource_file.h"

#include "media/resource_archive.h"

#include <cstdio>

namespace velmora {

std::optional<std::vector<uint8_t>> readResourceFile(const std::wstring& path) {
    std::FILE* file = openResource(path, "rb");
    if (!file)
        return std::nullopt;
    std::vector<uint8_t> bytes;
    uint8_t block[65536];
    size_t count;
    bool tooLarge = false;
    while (!tooLarge && (count = std::fread(block, 1, sizeof block, file)) > 0) {
        tooLarge = bytes.size() + count > maxResourceFileBytes;
        if (!tooLarge)
            bytes.insert(bytes.end(), block, block + count);
    }
    const bool failed = tooLarge || std::ferror(file);
    closeResource(file);
    if (failed)
        return std::nullopt;
    return bytes;
}

} // namespace velmora
