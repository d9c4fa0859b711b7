#pragma once
// Reading test inputs: whole files, and the public test material when it is present.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace velmora::test {

inline std::vector<uint8_t> readFile(const std::filesystem::path& path) {
    std::ifstream stream(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

// A folder of the shared test material, or an empty path when it is not on this machine.
inline std::filesystem::path testData(const char* folder) {
    const std::filesystem::path path = std::filesystem::path(VELMORA_TESTDATA_DIR) / folder;
    return std::filesystem::is_directory(path) ? path : std::filesystem::path();
}

} // namespace velmora::test
