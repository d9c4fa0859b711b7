#include "base/wide_string.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(WideString, TrimRemovesOnlyCharactersOfTheSet) {
    std::wstring text = L" \tab\t ";
    trim(text, blanksAndTabs);
    EXPECT_EQ(text, L"ab");
    std::wstring all = L" \t ";
    trim(all, blanksAndTabs);
    EXPECT_EQ(all, L"");
    std::wstring right = L"x\n \t";
    trimRight(right, blanksAndTabs);
    EXPECT_EQ(right, L"x\n"); // a newline stops the right trim
    std::wstring left = L"\t\tx ";
    trimLeft(left, blanksAndTabs);
    EXPECT_EQ(left, L"x ");
}

TEST(WideString, SplitKeyValueCutsAtTheFirstSeparator) {
    auto pair = splitKeyValue(L"  key \t=\t a=b  ", L'=');
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->first, L"key");
    EXPECT_EQ(pair->second, L"a=b");
    EXPECT_FALSE(splitKeyValue(L"no separator", L'='));
    auto empty = splitKeyValue(L"=", L'=');
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->first, L"");
    EXPECT_EQ(empty->second, L"");
}

TEST(WideString, SplitListJoinsPiecesWithoutTheRequiredCharacter) {
    EXPECT_EQ(splitList(L"pos:1,2, size:3", L',', L':'), (std::vector<std::wstring>{L"pos:1,2", L" size:3"}));
    EXPECT_EQ(splitList(L"lead,a:1,", L',', L':'), (std::vector<std::wstring>{L"a:1"}));
    EXPECT_EQ(splitList(L"only", L',', L':'), (std::vector<std::wstring>{L"only"}));
    EXPECT_EQ(splitList(L"a:1,,b:2", L',', L':'), (std::vector<std::wstring>{L"a:1,", L"b:2"}));
    EXPECT_EQ(splitList(L"1;2;;3;", L';', 0), (std::vector<std::wstring>{L"1", L"2", L"", L"3"}));
    EXPECT_EQ(splitList(L"", L';', 0), (std::vector<std::wstring>{L""}));
}

TEST(WideString, ReplaceAndRemove) {
    std::wstring text = L"a/b/c";
    replaceChar(text, L'/', L'_');
    EXPECT_EQ(text, L"a_b_c");
    std::wstring escapes = L"one\\ntwo\\n";
    replaceSameLength(escapes, L"\\n", L" \n");
    EXPECT_EQ(escapes, L"one \ntwo \n");
    replaceSameLength(escapes, L"two", L"three"); // different lengths: unchanged
    EXPECT_EQ(escapes, L"one \ntwo \n");
    std::wstring noisy = L"a,b;c";
    removeChars(noisy, L",;");
    EXPECT_EQ(noisy, L"abc");
    std::wstring doubled = L"a\\\\\\b\\\\";
    removeDoubled(doubled, L'\\');
    EXPECT_EQ(doubled, L"a\\\\b\\");
}

TEST(WideString, FindWithinLimits) {
    EXPECT_EQ(findBefore(L"abcabc", 3, L'c'), std::optional<size_t>(2));
    EXPECT_EQ(findBefore(L"abcabc", 2, L'c'), std::nullopt);
    EXPECT_EQ(findLastWithin(L"abcabc", 1, L'c'), std::optional<size_t>(5));
    EXPECT_EQ(findLastWithin(L"abcab", 1, L'c'), std::nullopt);
    EXPECT_EQ(findLastWithin(L"abcab", 3, L'c'), std::optional<size_t>(2));
}

TEST(WideString, CollapseDotDotRemovesTheFolderBefore) {
    std::wstring path = L"a\\b\\..\\c";
    collapseDotDot(path);
    EXPECT_EQ(path, L"a\\c");
    std::wstring program = L"\\opt\\velmora\\bin\\..\\resources\\GUI\\..\\..\\manual\\index.htm";
    collapseDotDot(program);
    EXPECT_EQ(program, L"\\opt\\velmora\\manual\\index.htm");
    std::wstring drive = L"C:\\App\\..\\resources\\GUI\\a.bmp";
    collapseDotDot(drive);
    EXPECT_EQ(drive, L"C:\\resources\\GUI\\a.bmp");
    std::wstring leading = L"a\\..\\b";
    collapseDotDot(leading);
    EXPECT_EQ(leading, L"b");
    std::wstring root = L"\\..\\x";
    collapseDotDot(root);
    EXPECT_EQ(root, L"x");
}

TEST(WideString, NumbersParseLikeTheCRuntime) {
    EXPECT_EQ(parseLong(L"12abc"), 12);
    EXPECT_EQ(parseLong(L"  -7"), -7);
    EXPECT_EQ(parseLong(L"+3"), 3);
    EXPECT_EQ(parseLong(L"abc"), 0);
    EXPECT_EQ(parseLong(L""), 0);
    EXPECT_EQ(parseLong(L"99999999999999999999"), INT32_MAX);
    EXPECT_EQ(parseLong(L"-99999999999999999999"), INT32_MIN);
    EXPECT_DOUBLE_EQ(parseDouble(L"0.75x"), 0.75);
    EXPECT_DOUBLE_EQ(parseDouble(L" -1.5e2"), -150.0);
    EXPECT_DOUBLE_EQ(parseDouble(L"none"), 0.0);
}

TEST(WideString, ParseColorPacksRgb) {
    EXPECT_EQ(parseColor(L"(255;128;0)"), 0xFF8000);
    EXPECT_EQ(parseColor(L" ( 1; 2 ;3 ) "), 0x010203);
    EXPECT_EQ(parseColor(L"(10;20)"), 0x0A1400);
}

TEST(WideString, Utf8RoundTripAndInvalidBytes) {
    const std::wstring text = L"Caf\u00e9 \u4e2d \U0001F3CC";
    EXPECT_EQ(fromUtf8(toUtf8(text)), text);
    EXPECT_EQ(toUtf8(L"\u00e9"), "\xC3\xA9");
    EXPECT_EQ(fromUtf8("a\xFF" "b"), L"a\uFFFDb");
    EXPECT_EQ(fromUtf8("\xE2\x82"), L"\uFFFD\uFFFD"); // truncated sequence
    EXPECT_EQ(fromUtf8("\xC0\x80"), L"\uFFFD\uFFFD"); // overlong encoding of 0 (second byte alone)
}

TEST(WideString, FormatWideGrowsItsBuffer) {
    EXPECT_EQ(formatWide(L"_EMPTY_LINE_%d", 12), L"_EMPTY_LINE_12");
    EXPECT_EQ(formatWide(L"%ls=%ls", L"k", L"v"), L"k=v");
    const std::wstring longText(1000, L'x');
    EXPECT_EQ(formatWide(L"[%ls]", longText.c_str()).size(), 1002u);
}

} // namespace
} // namespace velmora
