#include "platform/files.h"

#include "tests/support/temp_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace velmora {
namespace {

using test::readFile;
using test::TempFolder;
using test::writeFile;
using ::testing::ElementsAre;

std::vector<std::wstring> namesOf(const std::vector<FoundFile>& files) {
    std::vector<std::wstring> names;
    for (const FoundFile& file : files)
        names.push_back(file.name + (file.isFolder ? L"\\" : L""));
    return names;
}

TEST(Files, OpenMapsBackslashesAndRefusesFolders) {
    TempFolder folder;
    writeFile(folder.os("sub/a.txt"), "x");
    std::FILE* stream = openFile(folder.game("sub\\a.txt"), "rb");
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(test::readStream(stream), "x");
    std::fclose(stream);
    EXPECT_EQ(openFile(folder.game("sub"), "r"), nullptr);
}

TEST(Files, ReadLineBehavesLikeFgetwsOverUtf8) {
    TempFolder folder;
    writeFile(folder.os("lines.txt"), "abcd\r\nxy\rz\n\xC3\xA9\xFF!\xE2"
                                      "A\n\xE2\x82");
    std::FILE* stream = openFile(folder.game("lines.txt"), "r");
    ASSERT_NE(stream, nullptr);
    std::wstring line;
    EXPECT_TRUE(readLine(stream, line, 3)); // at most capacity - 1 characters
    EXPECT_EQ(line, L"ab");
    EXPECT_TRUE(readLine(stream, line, 100));
    EXPECT_EQ(line, L"cd\n"); // "\r\n" reads as "\n"
    EXPECT_TRUE(readLine(stream, line, 100));
    EXPECT_EQ(line, L"xy\rz\n"); // a lone '\r' stays
    EXPECT_TRUE(readLine(stream, line, 100));
    EXPECT_EQ(line, L"\u00e9\uFFFD!\uFFFDA\n"); // the byte that breaks a sequence starts the next character
    EXPECT_FALSE(atEndOfStream(stream));
    EXPECT_TRUE(readLine(stream, line, 100));
    EXPECT_EQ(line, L"\uFFFD"); // a sequence cut by the end of the file
    EXPECT_TRUE(atEndOfStream(stream));
    EXPECT_FALSE(readLine(stream, line, 100));
    std::fclose(stream);
}

TEST(Files, FindFilesMatchesPatternsAndMarksFolders) {
    TempFolder folder;
    for (const char* name : {"a.jpg", "B.JPG", "c.png", "noext"})
        writeFile(folder.os(name), "");
    std::filesystem::create_directory(folder.os("d.jpg"));
    EXPECT_THAT(namesOf(findFiles(folder.game("*.jpg"))), ElementsAre(L"B.JPG", L"a.jpg", L"d.jpg\\"));
    EXPECT_THAT(namesOf(findFiles(folder.game("*.*"))),
                ElementsAre(L"B.JPG", L"a.jpg", L"c.png", L"d.jpg\\", L"noext"));
    EXPECT_TRUE(findFiles(folder.game("missing\\*.*")).empty());
    EXPECT_TRUE(matchesPattern(L"hole1.3ds", L"hole?.3ds"));
    EXPECT_FALSE(matchesPattern(L"hole10.3ds", L"hole?.3ds"));
    EXPECT_TRUE(matchesPattern(L"abcabd", L"*ab?")); // a '*' gives back what it took
}

TEST(Files, MakeDirectoriesAndDeleteFilesInFolder) {
    TempFolder folder;
    const std::wstring base = folder.game() + L"\\";
    EXPECT_TRUE(makeDirectories(base + L"a/b\\c/", base.size()));
    EXPECT_TRUE(isFolder(base + L"a\\b\\c"));
    EXPECT_TRUE(makeDirectories(base + L"a/b", base.size())); // existing folders count as created
    writeFile(folder.os("file"), "x");
    EXPECT_FALSE(makeDirectories(base + L"file/sub", base.size()));
    EXPECT_FALSE(makeDirectories(base + L"p/q/r", base.size() + 2)); // "p" lies before `from`

    writeFile(folder.os("a/one"), "1");
    deleteFilesInFolder(base + L"a");
    EXPECT_THAT(namesOf(findFiles(base + L"a\\*.*")), ElementsAre(L"b\\"));
}

TEST(Files, RenameReplacesTheTargetButNotAReadOnlyOne) {
    TempFolder folder;
    writeFile(folder.os("new"), "new");
    writeFile(folder.os("old"), "old");
    chmod(folder.os("old").c_str(), 0640);
    EXPECT_TRUE(renameFile(folder.game("new"), folder.game("old")));
    EXPECT_EQ(readFile(folder.os("old")), "new");
    struct stat status;
    ASSERT_EQ(stat(folder.os("old").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u); // the replaced file's permissions carry over

    writeFile(folder.os("newer"), "newer");
    chmod(folder.os("old").c_str(), 0444);
    EXPECT_FALSE(renameFile(folder.game("newer"), folder.game("old")));
    EXPECT_EQ(readFile(folder.os("old")), "new");
    EXPECT_EQ(readFile(folder.os("newer")), "newer");
}

TEST(Files, DisplayPathUsesSlashesAndResolvesParentFolders) {
    EXPECT_EQ(displayPath(L"\\opt\\v\\bin\\..\\resources\\GUI\\intro.properties"),
              L"/opt/v/resources/GUI/intro.properties");
    EXPECT_EQ(displayPath(L"..\\resources/characters\\"), L"../resources/characters/");
}

} // namespace
} // namespace velmora
