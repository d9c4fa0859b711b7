#include "gui/property_template.h"

#include "media/resource_archive.h"
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

// A template line from a printf pattern with up to three numbers, the second and third being equal.
std::string line(const char* pattern, int first, int second) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, first, second, second);
    return buffer;
}

std::vector<std::wstring> entryKeys(const PropertyTemplate& properties) {
    std::vector<std::wstring> keys;
    for (const std::wstring* key : properties.entries().keys())
        keys.push_back(*key);
    return keys;
}

class Templates : public ::testing::Test {
protected:
    // Writes the text as t.properties and loads it into properties_.
    void load(const std::string& text) {
        writeFile(folder_.os("t.properties"), text);
        ASSERT_TRUE(properties_.load(folder_.game(), L"t.properties"));
    }
    std::string saved() {
        EXPECT_TRUE(properties_.save());
        return readFile(folder_.os("t.properties"));
    }
    std::wstring value(const std::wstring& key) {
        const std::wstring* text = properties_.get(key);
        return text ? *text : L"<none>";
    }

    TempFolder folder_;
    PropertyTemplate properties_;
};

TEST_F(Templates, RoundTripKeepsEmptyAndCommentLines) {
    load("a=1\n\n  # note\nb = x // tail\n");
    EXPECT_THAT(entryKeys(properties_), ElementsAre(L"a", L"_EMPTY_LINE_0", L"_COMMENT_LINE_0", L"b"));
    EXPECT_THAT(properties_.keys(), ElementsAre(L"a", L"b"));
    EXPECT_EQ(properties_.count(), 2);
    EXPECT_EQ(properties_.path(), folder_.game("t.properties"));
    EXPECT_EQ(saved(), "a=1\n\n# note\nb=x\n");
}

TEST_F(Templates, LinesAreReadAsTheFormatSays) {
    load("title=Hello \\\n   world\n"
         "url=http://host//x\n"
         "noSeparator\n"
         "=no key\n"
         "crlf=1\r\n"
         "empty=\n"
         "text=caf\xC3\xA9\n"
         "# a last comment without a newline");
    EXPECT_EQ(value(L"title"),
              L"Hello world"); // the continuation's leading blanks go, the blank before '\' stays
    EXPECT_EQ(value(L"url"), L"http://host"); // the last "//" starts a comment
    EXPECT_EQ(value(L"crlf"), L"1");
    EXPECT_EQ(value(L"empty"), L"");
    EXPECT_EQ(value(L"text"), L"caf\u00e9");
    EXPECT_THAT(properties_.keys(), ElementsAre(L"title", L"url", L"crlf", L"empty", L"text"));
    properties_.put(L"added", L"1");
    EXPECT_EQ(saved(), "title=Hello world\nurl=http://host\ncrlf=1\nempty=\ntext=caf\xC3\xA9\n"
                       "# a last comment without a newline\nadded=1\n");
}

TEST_F(Templates, LongLinesAreReadInPiecesOfTheLineBuffer) {
    // A piece holds 2047 characters: "k=" and 2045 'v'; the other 955 'v' form a line without '='. The
    // rest of an over-long comment is such a line too.
    const std::string longValue(3000, 'v');
    const std::string longComment = "# " + std::string(2100, 'c');
    // A continuation that would overflow the buffer joins only what fits: the backslash stands at
    // position 2039, so 8 characters of the next line join and the rest is a line of its own.
    const std::string nearlyFull = "c=" + std::string(2036, 'w') + " \\";
    load("k=" + longValue + "\n" + longComment + "\n" + nearlyFull + "\nabcdefghij=x\nlast=1\n");
    EXPECT_EQ(value(L"k"), std::wstring(2045, L'v'));
    EXPECT_EQ(value(L"c"), std::wstring(2036, L'w') + L" abcdefgh");
    EXPECT_EQ(value(L"ij"), L"x");
    EXPECT_THAT(properties_.keys(), ElementsAre(L"k", L"c", L"ij", L"last"));
    EXPECT_EQ(saved(), "k=" + std::string(2045, 'v') + "\n" + longComment.substr(0, 2047) +
                           "\nc=" + std::string(2036, 'w') + " abcdefgh\nij=x\nlast=1\n");
}

TEST_F(Templates, ReferencesInValuesAndKeys) {
    load("n=5\nlabel=Hole {n}\nname{n}=x\nmissing=a {nothing} {n}\nopen=a {n\n"
         "d0=end\nd1={d0}\nd2={d1}\nd3={d2}\nd4={d3}\nd5={d4}\nd6={d5}\nd7={d6}\nd8={d7}\nd9={d8}\nd10={d9}"
         "\n");
    EXPECT_EQ(value(L"label"), L"Hole 5");
    EXPECT_EQ(value(L"name5"), L"x");
    EXPECT_EQ(value(L"missing"), L"a {nothing} {n}"); // an unknown reference stops the expansion
    EXPECT_EQ(value(L"open"), L"a {n");
    EXPECT_EQ(value(L"d10"), L"end"); // deeper than 8: references brought in are expanded in turn
    EXPECT_EQ(properties_.getString(L"label"), L"Hole 5");
    const std::string text = saved();
    EXPECT_NE(text.find("label=Hole 5\n"), std::string::npos);
    EXPECT_NE(text.find("d9=end\n"), std::string::npos);
    EXPECT_NE(text.find("d2={d1}\n"), std::string::npos); // never asked for: written as read
}

TEST_F(Templates, ReferenceCyclesEnd) {
    std::string deepCycle = "k0={k1}\n";
    for (int i = 1; i < 8; ++i)
        deepCycle += line("k%d={k%d}\n", i, i + 1);
    deepCycle += "k8={x}\nx={y}\ny={x}\n";
    load("self={self}\nloop=a{loop}b\nping={pong}\npong={ping}\ngrow={g}\ng={g}y\n"
         "e=\ntwice={e}{e}{e}done\n" +
         deepCycle);
    EXPECT_EQ(value(L"self"), L"{self}");
    EXPECT_EQ(value(L"loop"), L"a{loop}b");
    EXPECT_EQ(value(L"ping"), L"{pong}");
    EXPECT_EQ(value(L"pong"), L"{ping}");
    EXPECT_EQ(value(L"grow"), L"{g}");
    EXPECT_EQ(value(L"twice"), L"done"); // an empty value may be put in many times in one place
    EXPECT_EQ(value(L"k0"), L"{k1}");    // the cycle below the depth limit ends too
}

TEST_F(Templates, ExponentialReferencesStopAtTheLengthLimit) {
    std::string text = "r0=abcdefgh\n";
    for (int i = 1; i <= 20; ++i)
        text += line("r%d={r%d}{r%d}\n", i, i - 1);
    load(text);
    EXPECT_LE(value(L"r20").size(), PropertyTemplate::maxExpandedLength);
    EXPECT_EQ(value(L"r10").size(), 8u << 10);
}

TEST_F(Templates, TypedGettersAndItems) {
    load("num=12abc\nempty=\nratio=0.75\ngroup=GUIType:checkboxGroup, selected:0\n"
         "node=pos:1,2, text:Hi, there, color:(1;2;3), status:, pos:3\n");
    EXPECT_EQ(properties_.getInt(L"num", L"", 7), 12);
    EXPECT_EQ(properties_.getInt(L"empty", L"", 7), 7);
    EXPECT_FALSE(properties_.getBool(L"absent", L"", false));
    EXPECT_FLOAT_EQ(properties_.getFloat(L"ratio", L"", 0), 0.75f);
    EXPECT_EQ(properties_.getString(L"group", L"selected"), L"0");
    EXPECT_EQ(properties_.getString(L"node", L"pos"), L"3");          // a repeated item keeps its last value
    EXPECT_EQ(properties_.getString(L"node", L"text"), L"Hi, there"); // a piece without ':' joins the item
    EXPECT_EQ(properties_.getColor(L"node", L"color", -1), 0x010203);
    EXPECT_EQ(properties_.getInt(L"node", L"status", -1), -1); // an empty item
    EXPECT_EQ(properties_.getString(L"node", L"absent"), std::nullopt);
}

TEST_F(Templates, SetItemRebuildsTheListInPlace) {
    load("first=1\ngroup=GUIType:checkboxGroup, selected:0\nlast=2\n");
    properties_.setItem(L"group", L"selected", L"2");
    EXPECT_EQ(value(L"group"), L" GUIType:checkboxGroup, selected:2");
    properties_.setItem(L"group", L"status", L"1");
    EXPECT_EQ(value(L"group"), L" GUIType:checkboxGroup, selected:2, status:1");
    properties_.setItem(L"first", L"status", L"0"); // a value without items gains its first
    EXPECT_EQ(value(L"first"), L" status:0");
    properties_.setItem(L"absent", L"x", L"1");
    EXPECT_THAT(properties_.keys(), ElementsAre(L"first", L"group", L"last"));
}

TEST_F(Templates, LaterFilesAddAndOverrideInPlace) {
    load("# one\na=1\n\nb=2\n");
    writeFile(folder_.os("second.properties"), "# two\nb=3\n\nc=4\n");
    std::vector<std::wstring> keysRead;
    ASSERT_TRUE(properties_.load(folder_.game("sub\\.."), L"second.properties", &keysRead));
    EXPECT_THAT(keysRead, ElementsAre(L"b", L"c"));
    EXPECT_THAT(entryKeys(properties_), ElementsAre(L"_COMMENT_LINE_0", L"a", L"_EMPTY_LINE_0", L"b",
                                                    L"_COMMENT_LINE_1", L"_EMPTY_LINE_1", L"c"));
    EXPECT_EQ(value(L"b"), L"3");
    EXPECT_EQ(properties_.count(), 3);
    properties_.clear();
    EXPECT_EQ(properties_.count(), 0);
    EXPECT_EQ(properties_.path(), L"");
    EXPECT_FALSE(properties_.save());
    EXPECT_FALSE(properties_.load(folder_.game(), L"absent.properties"));
}

TEST_F(Templates, FailedSaveLeavesTheOldFile) {
    load("a=1\n");
    properties_.put(L"a", L"2");

    chmod(folder_.os("t.properties").c_str(), 0444); // read-only
    EXPECT_FALSE(properties_.save());
    EXPECT_EQ(readFile(folder_.os("t.properties")), "a=1\n");
    EXPECT_FALSE(std::filesystem::exists(folder_.os("t.properties.tmp")));
    chmod(folder_.os("t.properties").c_str(), 0644);

    std::filesystem::create_directory(folder_.os("t.properties.tmp")); // the temporary file cannot be written
    EXPECT_FALSE(properties_.save());
    EXPECT_EQ(readFile(folder_.os("t.properties")), "a=1\n");
    std::filesystem::remove(folder_.os("t.properties.tmp"));

    EXPECT_EQ(saved(), "a=2\n");
    properties_.setPath(folder_.game("missing folder"), L"t.properties");
    EXPECT_FALSE(properties_.save());
}

TEST_F(Templates, LoadsFromAResourceArchive) {
    writeFile(folder_.os("source/page.properties"), "title=from the archive\n");
    std::filesystem::create_directories(folder_.os("GUI"));
    std::string command = "cd '";
    command.append(folder_.os("source").string()).append("' && zip -q ../GUI/GUI.zip page.properties");
    ASSERT_EQ(std::system(command.c_str()), 0);
    registerArchive(L"GUI.zip", folder_.game("GUI"));
    setTempFolder(folder_.game("tmp"));
    EXPECT_TRUE(properties_.load(folder_.game("GUI"), L"page.properties"));
    EXPECT_EQ(value(L"title"), L"from the archive");
    EXPECT_TRUE(std::filesystem::is_empty(folder_.os("tmp"))); // the extracted copy is gone
    closeArchives();
}

} // namespace
} // namespace velmora
