// The three archives as the game's resource opener serves them, and the manual beside them.
#include "generated_content.h"

#include "base/wide_string.h"
#include "media/resource_archive.h"
#include "platform/files.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <regex>
#include <set>

namespace velmora::test {
namespace {

const char* const kArchives[] = {"GUI", "scenes", "sounds"};

TEST(GeneratedArchives, EntriesAreStoredOrDeflatedWithNamesThatUnpackApart) {
    SKIP_WITHOUT_CONTENT();
    for (const char* folder : kArchives) {
        const auto& entries = archiveEntries(folder);
        ASSERT_FALSE(entries.empty()) << folder;
        std::set<std::string> unpacked;
        for (const auto& [name, entry] : entries) {
            SCOPED_TRACE(std::string(folder) + "/" + name);
            EXPECT_TRUE(entry.method == 0 || entry.method == 8);
            EXPECT_FALSE(entry.zip64);
            EXPECT_LT(name.size(), 256u);
            EXPECT_NE(name.front(), '/');
            // Entries are unpacked into one folder with '/' turned into '_', and matched without case.
            std::string flat = name;
            for (char& c : flat)
                c = c == '/' ? '_' : char(std::tolower(static_cast<unsigned char>(c)));
            EXPECT_TRUE(unpacked.insert(flat).second);
        }
    }
    // The course list is read from the disk: no picture at the top of the scenes archive.
    for (const auto& [name, entry] : archiveEntries("scenes"))
        EXPECT_NE(name.find('/'), std::string::npos) << name;
}

TEST(GeneratedArchives, TheGamesResourceOpenerFindsEveryEntry) {
    SKIP_WITHOUT_CONTENT();
    TempFolder temp;
    setTempFolder(temp.game("unpacked"));
    const std::wstring resources = fromOsPath(resourcesFolder().string()) + L"\\";
    for (const char* folder : kArchives)
        registerArchive(fromUtf8(std::string(folder) + ".zip"), resources + fromUtf8(folder));
    int opened = 0;
    for (const char* folder : kArchives) {
        for (const auto& [name, entry] : archiveEntries(folder)) {
            // As the game writes it: "..\resources\GUI\icons\iconWood.gif" with backslashes.
            std::wstring path = resources + fromUtf8(std::string(folder) + "\\" + name);
            std::replace(path.begin(), path.end(), L'/', L'\\');
            std::FILE* stream = openResource(path, "rb");
            ASSERT_NE(stream, nullptr) << folder << "/" << name;
            const std::string bytes = readStream(stream);
            closeResource(stream);
            EXPECT_EQ(bytes, std::string(entry.bytes.begin(), entry.bytes.end())) << name;
            ++opened;
        }
    }
    closeArchives();
    EXPECT_GT(opened, 150);
}

TEST(GeneratedManual, EveryPictureTheManualShowsIsBesideIt) {
    SKIP_WITHOUT_CONTENT();
    const std::string html = readFile(manualFolder() / "index.htm");
    ASSERT_FALSE(html.empty());
    const std::regex image("<img src=\"([^\"]+)\"");
    int pictures = 0;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), image); it != std::sregex_iterator();
         ++it) {
        EXPECT_TRUE(std::filesystem::exists(manualFolder() / (*it)[1].str())) << (*it)[1].str();
        ++pictures;
    }
    EXPECT_GE(pictures, 8);
    EXPECT_TRUE(std::all_of(html.begin(), html.end(), [](char c) {
        return static_cast<unsigned char>(c) < 128;
    })) << "the manual is plain ASCII";
}

} // namespace
} // namespace velmora::test

namespace velmora::test {
namespace {

TEST(ContentDocs, TheLayoutQuotedInTheDocsIsTheOneTheArtIsDrawnFor) {
    SKIP_WITHOUT_CONTENT();
    const std::string docs = readFile(std::filesystem::path(VELMORA_SOURCE_DIR) / "docs" / "content.md");
    const std::string begin = "<!-- layout begin -->\n", end = "<!-- layout end -->";
    const size_t from = docs.find(begin), to = docs.find(end);
    ASSERT_NE(from, std::string::npos);
    ASSERT_NE(to, std::string::npos);
    EXPECT_EQ(docs.substr(from + begin.size(), to - from - begin.size()),
              readFile(std::filesystem::path(VELMORA_BINARY_DIR) / "content" / "sheets" / "layout.md"))
        << "copy build/content/sheets/layout.md into docs/content.md";
}

} // namespace
} // namespace velmora::test
