#include "gui/value_list.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

std::vector<std::wstring> itemsOf(const ValueList& list) {
    std::vector<std::wstring> items;
    for (const std::wstring* name : list.keys())
        items.push_back(*name + L"=" + *list.get(*name));
    return items;
}

TEST(ValueList, PiecesWithoutPairSeparatorJoinTheItemBefore) {
    EXPECT_EQ(itemsOf(parseValueList(L"pos:1,2, size:3")), (std::vector<std::wstring>{L"pos=1,2", L"size=3"}));
    EXPECT_EQ(itemsOf(parseValueList(L"text:Hello, world, \tcolor : (1;2;3) ")),
              (std::vector<std::wstring>{L"text=Hello, world", L"color=(1;2;3)"}));
    EXPECT_EQ(itemsOf(parseValueList(L"lead, a:1,")), (std::vector<std::wstring>{L"a=1"}));
}

TEST(ValueList, OddItemsAndRepeatedNames) {
    EXPECT_EQ(itemsOf(parseValueList(L"a:1, b:2, a:3")), (std::vector<std::wstring>{L"a=3", L"b=2"}));
    EXPECT_EQ(itemsOf(parseValueList(L"single")), (std::vector<std::wstring>{}));
    EXPECT_EQ(itemsOf(parseValueList(L"")), (std::vector<std::wstring>{}));
    EXPECT_EQ(itemsOf(parseValueList(L"k:v:w")), (std::vector<std::wstring>{L"k=v:w"}));
    EXPECT_EQ(itemsOf(parseValueList(L"course=a,hole=2", L',', L'=')),
              (std::vector<std::wstring>{L"course=a", L"hole=2"}));
}

} // namespace
} // namespace velmora
