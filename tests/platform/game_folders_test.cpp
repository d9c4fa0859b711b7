#include "platform/game_folders.h"

#include "platform/files.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::ScopedVariable;
using test::TempFolder;

unsigned permissions(const fs::path& path) {
    struct stat status {};
    return lstat(path.c_str(), &status) == 0 ? status.st_mode & 0777 : 01000;
}

TEST(GameFolders, UserDataFolderFollowsXdgDataHomeAndIsMadePrivate) {
    TempFolder home;
    const ScopedVariable homeVariable("HOME", home.os().c_str());
    {
        const ScopedVariable data("XDG_DATA_HOME", home.os("data/").c_str());
        EXPECT_EQ(userDataFolder(), home.game("data") + L"\\velmora\\");
        EXPECT_TRUE(fs::is_directory(home.os("data/velmora")));
        EXPECT_EQ(permissions(home.os("data")), 0700u);
        EXPECT_EQ(permissions(home.os("data/velmora")), 0700u);
    }
    // Unset or relative, the variable gives way to the default below the home folder.
    for (const char* value : {static_cast<const char*>(nullptr), "relative/data"}) {
        const ScopedVariable data("XDG_DATA_HOME", value);
        EXPECT_EQ(userDataFolder(), home.game(".local/share/velmora") + L"\\");
        EXPECT_TRUE(fs::is_directory(home.os(".local/share/velmora")));
    }
}

TEST(GameFolders, UserDataFolderThatCannotBeMadeIsReportedOnce) {
    TempFolder home;
    test::writeFile(home.os("blocked"), "a file where the folder should go");
    const ScopedVariable data("XDG_DATA_HOME", home.os("blocked").c_str());
    testing::internal::CaptureStderr();
    const std::wstring folder = userDataFolder();
    userDataFolder();
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(folder, home.game("blocked") + L"\\velmora\\");
    EXPECT_EQ(errors, "velmora: cannot create " + home.os("blocked").string() +
                          "/velmora/ for your settings, scores and saved games (Not a directory); "
                          "changes will not be kept\n");
}

TEST(GameFolders, OnlyStaleTemporaryFilesOfCutOffWritesAreRemoved) {
    TempFolder home;
    const ScopedVariable data("XDG_DATA_HOME", home.os("data").c_str());
    removeStaleTemporaryFiles(600); // no folder yet: nothing to do, nothing made
    EXPECT_FALSE(fs::exists(home.os("data")));

    userDataFolder(); // makes the folder
    const auto make = [&](const char* name, int minutesOld) {
        test::writeFile(home.os("data/velmora/") / name, "x");
        fs::last_write_time(home.os("data/velmora/") / name,
                            fs::file_time_type::clock::now() - std::chrono::minutes(minutesOld));
    };
    make("saveGame.properties.tmp", 11);
    make("scores.properties.tmp", 9); // a write that may still be under way
    make("saveGame.properties", 60);
    make("notes.tmpl", 60);
    fs::create_directory(home.os("data/velmora/old.tmp"));
    fs::last_write_time(home.os("data/velmora/old.tmp"),
                        fs::file_time_type::clock::now() - std::chrono::hours(1));
    removeStaleTemporaryFiles(600);
    EXPECT_FALSE(fs::exists(home.os("data/velmora/saveGame.properties.tmp")));
    for (const char* kept : {"scores.properties.tmp", "saveGame.properties", "notes.tmpl", "old.tmp"})
        EXPECT_TRUE(fs::exists(home.os("data/velmora/") / kept)) << kept;
}

TEST(GameFolders, KeptFilesAreReadFromThePlayersCopyFirst) {
    TempFolder home;
    const ScopedVariable data("XDG_DATA_HOME", home.os("data").c_str());
    const std::wstring installed = home.game("install") + L"\\";
    EXPECT_EQ(guiFileFolder(L"gsetting.properties", installed), installed) << "no copy yet";
    EXPECT_FALSE(fs::exists(home.os("data"))) << "looking creates nothing";
    // The test programs run from the build tree's bin folder, as the game does.
    EXPECT_EQ(guiFileFolder(L"gsetting.properties"), fromOsPath(VELMORA_BINARY_DIR) + L"\\resources\\GUI\\");

    test::writeFile(home.os("data/velmora/gsetting.properties"), "soundEffect=selected:1\n");
    fs::create_directories(home.os("data/velmora/scores.properties"));
    ASSERT_EQ(mkfifo(home.os("data/velmora/saveGame.properties").c_str(), 0600), 0);
    EXPECT_EQ(guiFileFolder(L"gsetting.properties", installed), userDataFolder());
    EXPECT_EQ(guiFileFolder(L"gsetting.properties"), userDataFolder());
    EXPECT_EQ(guiFileFolder(L"scores.properties", installed), installed) << "a folder is no copy";
    EXPECT_EQ(guiFileFolder(L"saveGame.properties", installed), installed) << "nor is a pipe";
}

class TemporaryFolder : public testing::Test {
protected:
    TempFolder home;
    ScopedVariable homeVariable{"HOME", home.os().c_str()};
    ScopedVariable cache{"XDG_CACHE_HOME", nullptr};
    ScopedVariable instance{"VELMORA_INSTANCE", nullptr};
    ScopedVariable runtime{"XDG_RUNTIME_DIR", home.os("run").c_str()};
    void SetUp() override { fs::create_directories(home.os("run")); }
};

TEST_F(TemporaryFolder, LiesInTheRuntimeFolderOrTheCacheOpenToThePlayerAlone) {
    EXPECT_EQ(temporaryFolder(), home.game("run/Tavrin.tmp") + L"\\");
    EXPECT_EQ(permissions(home.os("run/Tavrin.tmp")), 0700u);
    chmod(home.os("run/Tavrin.tmp").c_str(), 0755); // left open by an earlier run: closed again
    temporaryFolder();
    EXPECT_EQ(permissions(home.os("run/Tavrin.tmp")), 0700u);
    {
        const ScopedVariable named("VELMORA_INSTANCE", "tests/run 2");
        EXPECT_EQ(temporaryFolder(), home.game("run/Tavrin.tmp-tests_run_2") + L"\\");
    }
    const ScopedVariable noRuntime("XDG_RUNTIME_DIR", nullptr);
    EXPECT_EQ(temporaryFolder(), home.game(".cache/velmora/Tavrin.tmp") + L"\\");
    EXPECT_EQ(permissions(home.os(".cache/velmora")), 0700u);
}

TEST_F(TemporaryFolder, NeverFollowsALinkIntoAnotherFolder) {
    // The game empties its temporary folder: a link planted there must not lead it elsewhere.
    fs::create_directories(home.os("precious"));
    test::writeFile(home.os("precious/letter.txt"), "keep me");
    fs::create_directory_symlink(home.os("precious"), home.os("run/Tavrin.tmp"));
    testing::internal::CaptureStderr();
    const std::wstring folder = temporaryFolder();
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(folder, home.game("run/Tavrin.tmp") + L"\\");
    EXPECT_EQ(folder.rfind(home.game("run/Tavrin.tmp-"), 0), 0u) << "a fresh folder beside it";
    EXPECT_EQ(permissions(toOsPath(folder)), 0700u);
    EXPECT_NE(errors.find("is not a private folder of yours"), std::string::npos);
    EXPECT_TRUE(fs::exists(home.os("precious/letter.txt")));
}

} // namespace
} // namespace velmora
