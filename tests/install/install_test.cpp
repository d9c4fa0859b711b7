// The installed game: "cmake --install" of this build tree into a prefix of its own gives the game,
// its data and the desktop's files; the tree still works when moved, and a read-only installation
// is never written: the player's files go into the player's data folder.
#include "../support/program_run.h"
#include "base/wide_string.h"
#include "gui/property_template.h"
#include "media/resource_archive.h"
#include "media/resource_file.h"
#include "platform/files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <string>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::Program;

const std::string appId = VELMORA_APP_ID;

// The installation, made once per test program into a prefix of its own.
const fs::path& installed() {
    static const fs::path prefix = [] {
        const fs::path folder = test::temporaryPath("prefix");
        Program install({}, {"--install", VELMORA_BINARY_DIR, "--prefix", folder.string()}, VELMORA_CMAKE);
        EXPECT_EQ(install.wait(60000), 0) << install.errorText();
        return folder;
    }();
    return prefix;
}

// Width and height from a PNG file's header, or 0, 0.
std::pair<int, int> pngSize(const fs::path& file) {
    const std::string bytes = test::readFile(file.string());
    if (bytes.size() < 24 || bytes.substr(12, 4) != "IHDR")
        return {0, 0};
    const auto big = [&](size_t at) {
        return int(uint8_t(bytes[at]) << 24 | uint8_t(bytes[at + 1]) << 16 | uint8_t(bytes[at + 2]) << 8 |
                   uint8_t(bytes[at + 3]));
    };
    return {big(16), big(20)};
}

std::string findOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::stringstream folders(path ? path : "");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const fs::path candidate = fs::path(folder) / name;
        if (!folder.empty() && access(candidate.c_str(), X_OK) == 0)
            return candidate.string();
    }
    return "";
}

TEST(Install, TreeHoldsTheGameItsDataAndTheDesktopFiles) {
    const fs::path& prefix = installed();
    for (const char* file :
         {"bin/velmora", "bin/velmora-tool", "share/velmora/resources/GUI/GUI.zip",
          "share/velmora/resources/GUI/gsetting.properties", "share/velmora/resources/sounds/sounds.zip",
          "share/velmora/resources/characters/character1.gif", "share/velmora/manual/index.htm"})
        EXPECT_TRUE(fs::is_regular_file(prefix / file)) << file;
    EXPECT_FALSE(fs::exists(prefix / "share/velmora/resources/GUI/saveGame.properties"))
        << "no player's file";
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        EXPECT_EQ(pngSize(prefix / "share/icons/hicolor" / folder / "apps" / (appId + ".png")),
                  std::make_pair(size, size))
            << folder;
    }
    const std::string entry = test::readFile((prefix / "share/applications" / (appId + ".desktop")).string());
    EXPECT_NE(entry.find("\nExec=" + (prefix / "bin/velmora").string() + "\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("\nIcon=" + appId + "\n"), std::string::npos) << entry;
    EXPECT_TRUE(fs::is_regular_file(prefix / "share/metainfo" / (appId + ".metainfo.xml")));
}

TEST(Install, DesktopEntryAndCatalogueEntryPassTheirValidators) {
    const std::string desktopValidator = findOnPath("desktop-file-validate");
    const std::string catalogueValidator = findOnPath("appstreamcli");
    if (desktopValidator.empty() || catalogueValidator.empty())
        GTEST_SKIP() << "desktop-file-validate or appstreamcli is missing: install the Debian packages "
                        "desktop-file-utils and appstream (./velmora.sh deps)";
    const fs::path& prefix = installed();
    Program entry({}, {(prefix / "share/applications" / (appId + ".desktop")).string()}, desktopValidator);
    EXPECT_EQ(entry.wait(), 0) << entry.outputText() << entry.errorText();
    EXPECT_EQ(entry.outputText(), "") << "no hints or warnings either";
    Program catalogue(
        {}, {"validate", "--no-net", (prefix / "share/metainfo" / (appId + ".metainfo.xml")).string()},
        catalogueValidator);
    EXPECT_EQ(catalogue.wait(), 0) << catalogue.outputText() << catalogue.errorText();
}

// Every entry of a tree with what a write would change: type, permissions, size, time and content.
std::map<std::string, std::string> snapshot(const fs::path& root) {
    std::map<std::string, std::string> entries;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        struct stat status {};
        lstat(entry.path().c_str(), &status);
        std::ostringstream state;
        state << status.st_mode << ' ' << status.st_size << ' ' << status.st_mtim.tv_sec << '.'
              << status.st_mtim.tv_nsec;
        if (entry.is_regular_file())
            state << ' ' << std::hash<std::string>{}(test::readFile(entry.path().string()));
        entries[fs::relative(entry.path(), root).string()] = state.str();
    }
    return entries;
}

void setWritable(const fs::path& root, bool writable) {
    const auto change = [writable](const fs::path& path) {
        fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        writable ? fs::perm_options::add : fs::perm_options::remove);
    };
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root))
        change(entry.path());
    change(root);
}

class ReadOnlyInstall : public testing::Test {
protected:
    void SetUp() override {
        // A copy of the installation, moved to a folder of another name after it was made, with two
        // generated pictures standing in for the courses of the course generator.
        const fs::path made = test::temporaryPath("made");
        fs::copy(installed(), made, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
        const std::wstring gui = fromOsPath((made / "share/velmora/resources/GUI").string()) + L"\\";
        registerArchive(L"GUI.zip", gui);
        for (const auto& [picture, course] :
             {std::pair{L"dropInHole.jpg", "dunes.jpg"}, std::pair{L"slideBlank.jpg", "lake_side.jpg"}}) {
            const auto bytes = readResourceFile(gui + picture);
            ASSERT_TRUE(bytes);
            test::writeFile((made / "share/velmora/resources/scenes" / course).string(),
                            std::string(bytes->begin(), bytes->end()));
        }
        closeArchives();
        root = test::temporaryPath("moved");
        fs::rename(made, root);
        setWritable(root, false);
    }
    void TearDown() override { setWritable(root, true); }

    fs::path root;
};

TEST_F(ReadOnlyInstall, MovedTreePlaysAndWritesOnlyIntoThePlayersFolder) {
    Program help({}, {"--help"}, (root / "bin/velmora").string());
    EXPECT_EQ(help.wait(), 0);
    for (const std::string& line : {"game data      " + (root / "share/velmora/resources/\n").string(),
                                    "manual         " + (root / "share/velmora/manual/index.htm\n").string()})
        EXPECT_NE(help.outputText().find(line), std::string::npos) << help.outputText();

    const std::map<std::string, std::string> before = snapshot(root);
    // Through the menus by the buttons' index keys: sound off and strong wind in the settings, slot 3
    // on the load page, the second course shown when the course menu is left.
    const std::string script = test::temporaryPath("walk.txt");
    test::writeFile(script, "wait 600\ntap 240 320\nwait 1200\n"
                            "key 3\nwait 400\nkey 2\nkey 7\nwait 300\nkey 0\nwait 1200\n"
                            "key 2\nwait 1200\nkey 3\nwait 300\nkey 0\nwait 1200\n"
                            "key 1\nwait 1200\nkey 9\nwait 1200\nkey 6\nwait 300\nkey 0\nwait 1200\n"
                            "quit\n");
    Program game(test::headless(script), {}, (root / "bin/velmora").string());
    ASSERT_EQ(game.wait(30000), 0) << game.errorText();
    EXPECT_EQ(game.errorText(), "") << "no message, no warning of a file that cannot be written";
    EXPECT_EQ(snapshot(root), before) << "the installation is untouched";

    const std::wstring user = fromOsPath(test::programUserData()) + L"\\";
    PropertyTemplate file;
    ASSERT_TRUE(file.load(user, L"gsetting.properties"));
    EXPECT_EQ(file.getInt(L"soundEffect", L"selected", -1), 1);
    EXPECT_EQ(file.getInt(L"WindCondition", L"selected", -1), 2);
    ASSERT_TRUE(file.load(user, L"loadGame.properties"));
    EXPECT_EQ(file.getInt(L"checkboxGolf", L"selected", -1), 2);
    ASSERT_TRUE(file.load(user, L"courseMenu.properties"));
    EXPECT_EQ(file.getInt(L"courseSelected", L"", -1), 1);
    EXPECT_EQ(fs::status(test::programUserData()).permissions() & fs::perms::all, fs::perms::owner_all);
}

} // namespace
} // namespace velmora
