#pragma once
// Picture test inputs: whole files as bytes, written into a test's folder, and the public test
// material when it is present.

#include "tests/support/temp_folder.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace velmora::test {

inline std::vector<uint8_t> readBytes(const std::filesystem::path& path) {
    std::ifstream stream(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

// Writes bytes to a file of the folder and returns its path as the game writes paths.
inline std::wstring writeBytes(const TempFolder& folder, const std::string& name, const std::vector<uint8_t>& bytes) {
    writeFile(folder.os(name), std::string(bytes.begin(), bytes.end()));
    return folder.game(name);
}

// A folder of the shared test material, or an empty path when it is not on this machine.
inline std::filesystem::path testData(const char* folder) {
    const std::filesystem::path path = std::filesystem::path(VELMORA_TESTDATA_DIR) / folder;
    return std::filesystem::is_directory(path) ? path : std::filesystem::path();
}

} // namespace velmora::test
