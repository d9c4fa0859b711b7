#include "media/resource_file.h"

#include "base/wide_string.h"

#include <cstdio>

namespace velmora {

std::optional<std::vector<uint8_t>> readResourceFile(const std::wstring& path) {
    std::wstring systemPath = path;
    replaceChar(systemPath, L'\\', L'/');
    std::FILE* file = std::fopen(toUtf8(systemPath).c_str(), "rb");
    if (!file)
        return std::nullopt;
    std::vector<uint8_t> bytes;
    uint8_t block[65536];
    size_t count;
    while ((count = std::fread(block, 1, sizeof block, file)) > 0)
        bytes.insert(bytes.end(), block, block + count);
    const bool failed = std::ferror(file);
    std::fclose(file);
    if (failed)
        return std::nullopt;
    return bytes;
}

} // namespace velmora
