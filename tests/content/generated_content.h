#pragma once
// Where the build put the generated content, and its archives read once per test program.

#include "content_readers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

namespace velmora::test {

inline std::filesystem::path resourcesFolder() {
    return std::filesystem::path(VELMORA_BINARY_DIR) / "resources";
}
inline std::filesystem::path manualFolder() {
    return std::filesystem::path(VELMORA_BINARY_DIR) / "manual";
}

inline bool contentBuilt() {
    return std::filesystem::exists(resourcesFolder() / "GUI" / "GUI.zip");
}

// The entries of GUI.zip, scenes.zip or sounds.zip (empty when it cannot be read).
inline const std::map<std::string, ZipEntryInfo>& archiveEntries(const std::string& folder) {
    static std::map<std::string, std::map<std::string, ZipEntryInfo>> cache;
    auto found = cache.find(folder);
    if (found == cache.end()) {
        auto entries = readZip((resourcesFolder() / folder / (folder + ".zip")).string());
        found = cache.emplace(folder, entries ? std::move(*entries) : std::map<std::string, ZipEntryInfo>{})
                    .first;
    }
    return found->second;
}

// The bytes of a file shipped in the GUI archive ("icons/iconWood.gif").
inline const Bytes& guiFile(const std::string& name) {
    static const Bytes none;
    const auto& entries = archiveEntries("GUI");
    const auto found = entries.find(name);
    return found == entries.end() ? none : found->second.bytes;
}

} // namespace velmora::test

#define SKIP_WITHOUT_CONTENT()                                                                               \
    do {                                                                                                     \
        if (!velmora::test::contentBuilt())                                                                  \
            GTEST_SKIP() << "the generated content is not in the build tree";                                \
    } while (false)
