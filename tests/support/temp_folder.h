#pragma once
// Test helpers: a fresh folder for one test, removed with everything in it at the end; whole-file
// reads and writes; an environment variable set for the length of a scope.

#include "platform/files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace velmora::test {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmora-test-XXXXXX").string();
        EXPECT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
    }
    ~TempFolder() {
        std::error_code error;
        std::filesystem::remove_all(root_, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // A path below the folder ("a/b.txt"), for the operating system and as a game path.
    std::filesystem::path os(const std::string& relative = "") const {
        return relative.empty() ? root_ : root_ / relative;
    }
    std::wstring game(const std::string& relative = "") const { return fromOsPath(os(relative).string()); }

private:
    std::filesystem::path root_;
};

class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedVariable() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
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
