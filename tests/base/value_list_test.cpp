#include "base/value_list.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(ValueList, KeepsCommasInsideValuesTrimsNamesAndKeepsTheLastOfARepeat) {
    const ValueList list = parseValueList(L" pos : 1,2 , size:3, orphan, size:4,name:a:b");
    ASSERT_NE(list.get(L"pos"), nullptr);
    EXPECT_EQ(*list.get(L"pos"), L"1,2");
    EXPECT_EQ(*list.get(L"size"), L"4");
    EXPECT_EQ(*list.get(L"name"), L"a:b");
    EXPECT_EQ(list.get(L"orphan"), nullptr);
    EXPECT_EQ(list.keys().count(), 3);

    const ValueList record = parseValueList(L"course=Links;hole=3", L';', L'=');
    EXPECT_EQ(*record.get(L"course"), L"Links");
    EXPECT_EQ(*record.get(L"hole"), L"3");
    EXPECT_EQ(parseValueList(L"").keys().count(), 0);
}

} // namespace
} // namespace velmora
