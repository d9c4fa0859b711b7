#pragma once
// A fresh folder under the system's temporary folder for one test, removed with everything in it
// when the test ends; and small whole-file helpers for setting up and checking files.

#include "platform/files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace velmora::test {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmora-test-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            root_ = pattern;
        EXPECT_FALSE(root_.empty()) << "cannot create a temporary folder";
    }
    ~TempFolder() {
        std::error_code error;
        std::filesystem::permissions(root_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(root_, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The operating system's path of a file below the folder ("a/b.txt").
    std::filesystem::path os(const std::string& relative = "") const { return relative.empty() ? root_ : root_ / relative; }
    // The same as a game path with backslashes; a trailing separator is kept.
    std::wstring game(const std::string& relative = "") const { return fromOsPath(os(relative).string()); }

private:
    std::filesystem::path root_;
};

inline void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Everything a C stream still has to give.
inline std::string readStream(std::FILE* stream) {
    std::string bytes;
    for (int c = std::getc(stream); c != EOF; c = std::getc(stream))
        bytes += static_cast<char>(c);
    return bytes;
}

} // namespace velmora::test
