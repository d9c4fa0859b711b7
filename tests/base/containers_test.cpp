#include "base/hash_map.h"
#include "base/owned_ptr_vector.h"
#include "base/ptr_vector.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace velmora {
namespace {

std::vector<std::wstring> keyTexts(const HashMap<std::wstring, int*>& map) {
    std::vector<std::wstring> texts;
    for (const std::wstring* key : map.keys())
        texts.push_back(*key);
    return texts;
}

TEST(PtrVector, GrowsByIncrementTimesFactor) {
    int value = 0;
    PtrVector<int> vector(0);
    EXPECT_EQ(vector.capacity(), 0);
    const int expected[] = {2, 2, 6, 6, 6, 6, 14};
    for (int capacity : expected) {
        vector.append(&value);
        EXPECT_EQ(vector.capacity(), capacity);
    }
    PtrVector<int> large(32);
    for (int i = 0; i < 33; ++i)
        large.append(&value);
    EXPECT_EQ(large.capacity(), 66);
}

TEST(PtrVector, InsertRemoveAndBounds) {
    int a = 1, b = 2, c = 3;
    PtrVector<int> vector(4);
    vector.append(&a);
    vector.append(&c);
    vector.insertAt(&b, 1);
    vector.insertAt(&b, 5); // beyond count: ignored
    vector.insertAt(&b, -1);
    ASSERT_EQ(vector.count(), 3);
    EXPECT_EQ(vector.at(0), &a);
    EXPECT_EQ(vector.at(1), &b);
    EXPECT_EQ(vector.at(2), &c);
    EXPECT_EQ(vector.at(3), nullptr);
    EXPECT_EQ(vector.indexOf(&c), 2);
    vector.removeAt(3); // ignored
    EXPECT_TRUE(vector.removeValue(&b));
    EXPECT_FALSE(vector.removeValue(&b));
    EXPECT_EQ(vector.count(), 2);
    EXPECT_EQ(vector.at(1), &c);
    vector.setAt(0, &c);
    EXPECT_EQ(vector.indexOf(&c), 0);
    EXPECT_EQ(vector.copyItems(), (std::vector<int*>{&c, &c}));
}

TEST(PtrVector, ShrinksWhenHalfEmptyAndClearReturnsToInitialCapacity) {
    int value = 0;
    PtrVector<int> vector(2);
    for (int i = 0; i < 7; ++i)
        vector.append(&value); // 2 -> 6 -> 14
    ASSERT_EQ(vector.capacity(), 14);
    while (vector.count() > 6)
        vector.removeAt(0);
    EXPECT_EQ(vector.capacity(), 7); // count 6 is not above 14 / 2 - 1: shrink to the old count
    vector.removeAt(0);
    EXPECT_EQ(vector.capacity(), 7);
    EXPECT_EQ(vector.count(), 5);
    vector.clear();
    EXPECT_EQ(vector.count(), 0);
    EXPECT_EQ(vector.capacity(), 2);
    PtrVector<int> copy = vector;
    EXPECT_EQ(copy.capacity(), 2);
}

// Records its destruction and what its owner's list looked like at that moment.
struct Tracked {
    Tracked(int itemTag, const OwnedPtrVector<Tracked>& owner, std::vector<std::pair<int, int>>& destroyed)
        : tag(itemTag), list(owner), log(destroyed) {}
    ~Tracked() { log.emplace_back(tag, list.count()); }
    int tag;
    const OwnedPtrVector<Tracked>& list;
    std::vector<std::pair<int, int>>& log;
};

TEST(OwnedPtrVector, RemoveHandsBackAndClearDestroysInOrderAfterEmptying) {
    std::vector<std::pair<int, int>> log;
    {
        OwnedPtrVector<Tracked> list;
        Tracked* first = list.append(std::make_unique<Tracked>(1, list, log));
        Tracked* second = list.append(std::make_unique<Tracked>(2, list, log));
        list.append(std::make_unique<Tracked>(3, list, log));
        EXPECT_EQ(list.append(nullptr), nullptr);
        EXPECT_EQ(list.count(), 3);
        EXPECT_EQ(list.at(3), nullptr);
        EXPECT_EQ(list.at(-1), nullptr);

        std::unique_ptr<Tracked> taken = list.remove(second);
        EXPECT_EQ(taken.get(), second);
        EXPECT_TRUE(log.empty()) << "a removed object belongs to the caller";
        EXPECT_EQ(list.remove(second), nullptr);
        EXPECT_EQ(list.indexOf(first), 0);
        std::vector<int> tags;
        for (Tracked* item : list)
            tags.push_back(item->tag);
        EXPECT_EQ(tags, (std::vector<int>{1, 3}));
        taken.reset();
        EXPECT_EQ(log, (std::vector<std::pair<int, int>>{{2, 2}}));
    }
    // The destructor empties the list first: each object sees an empty owner.
    EXPECT_EQ(log, (std::vector<std::pair<int, int>>{{2, 2}, {1, 0}, {3, 0}}));
}

TEST(HashMap, StringHashSamplesThirtyTwoCharacters) {
    // With one character every sample up to k = 31 reads index 0, the last one the terminator.
    uint32_t expected = 0;
    for (int k = 1; k <= 32; ++k)
        expected = expected * 31 + (k < 32 ? L'a' : 0);
    EXPECT_EQ(hashString(L"a"), static_cast<int32_t>(expected));
    EXPECT_EQ(hashString(L""), 0);
    // Texts that differ only in unsampled characters collide by design.
    std::wstring first(100, L'x'), second(100, L'x');
    second[1] = L'y'; // (k * 100) / 32 never equals 1
    EXPECT_EQ(hashString(first), hashString(second));
}

TEST(HashMap, ReplacedValueKeepsTheKeysPlace) {
    int one = 1, two = 2, three = 3;
    HashMap<std::wstring, int*> map;
    EXPECT_EQ(map.put(L"b", &one), std::nullopt);
    EXPECT_EQ(map.put(L"a", &two), std::nullopt);
    EXPECT_EQ(map.put(L"b", &three), std::optional<int*>(&one));
    EXPECT_EQ(keyTexts(map), (std::vector<std::wstring>{L"b", L"a"}));
    EXPECT_EQ(*map.get(L"b"), &three);
    EXPECT_EQ(map.count(), 2);
    EXPECT_EQ(map.values(), (std::vector<int*>{&three, &two}));
    EXPECT_TRUE(map.containsValue(&two));
    EXPECT_FALSE(map.containsValue(&one));
    EXPECT_EQ(map.put(L"c", nullptr), std::nullopt); // a missing value stores nothing
    EXPECT_FALSE(map.containsKey(L"c"));
}

TEST(HashMap, FortyNinthKeyGrowsTheTableAndKeepsTheOrder) {
    int value = 0;
    HashMap<std::wstring, int*> map;
    std::vector<std::wstring> inserted;
    for (int i = 0; i < 48; ++i) {
        inserted.push_back(L"key" + std::to_wstring(i));
        map.put(inserted.back(), &value);
    }
    EXPECT_EQ(map.bucketCount(), 65);
    inserted.push_back(L"key48");
    map.put(inserted.back(), &value);
    EXPECT_EQ(map.bucketCount(), 131);
    EXPECT_EQ(keyTexts(map), inserted);
    for (const std::wstring& key : inserted)
        EXPECT_TRUE(map.containsKey(key));
}

TEST(HashMap, RemovalShrinksOnlyAboveTwentyFourKeys) {
    int value = 0;
    HashMap<std::wstring, int*> map;
    for (int i = 0; i < 200; ++i)
        map.put(std::to_wstring(i), &value);
    EXPECT_EQ(map.bucketCount(), 527); // 65 -> 131 -> 263 -> 527
    int i = 199;
    for (; map.bucketCount() == 527; --i)
        map.remove(std::to_wstring(i));
    // Shrinks as soon as the count falls below (527 - 1) / 2 * 0.75 = 197.25.
    EXPECT_EQ(map.count(), 197);
    EXPECT_EQ(map.bucketCount(), 263);
    for (; i >= 0; --i)
        EXPECT_TRUE(map.remove(std::to_wstring(i)).has_value());
    EXPECT_EQ(map.count(), 0);
    EXPECT_EQ(map.keys().count(), 0);
    EXPECT_GE(map.bucketCount(), 65);
    EXPECT_EQ(map.remove(L"absent"), std::nullopt);
}

TEST(HashMap, PointerKeysCompareByIdentity) {
    int a = 0, b = 0;
    std::wstring first = L"same", second = L"same";
    HashMap<std::wstring*, int*> map;
    map.put(&first, &a);
    map.put(&second, &b);
    EXPECT_EQ(map.count(), 2);
    EXPECT_EQ(*map.get(&first), &a);
    EXPECT_EQ(map.remove(&second), std::optional<int*>(&b));
    EXPECT_EQ(map.keys().count(), 1);
    EXPECT_EQ(*map.keys().at(0), &first);
    EXPECT_EQ(map.put(nullptr, &a), std::nullopt);
    EXPECT_EQ(map.count(), 1);
}

TEST(HashMap, NegativeHashesFindABucket) {
    // Keys whose hash is negative, including the most negative value, must land in a valid bucket.
    int value = 0;
    HashMap<int*, int*> map;
    auto* extreme = reinterpret_cast<int*>(uintptr_t(0x80000000u));
    auto* negative = reinterpret_cast<int*>(uintptr_t(0xFFFFFFF0u));
    map.put(extreme, &value);
    map.put(negative, &value);
    EXPECT_TRUE(map.containsKey(extreme));
    EXPECT_TRUE(map.containsKey(negative));
}

TEST(HashMap, CopyIsDeepAndClearStartsAgain) {
    HashMap<std::wstring, std::wstring> map;
    for (int i = 0; i < 60; ++i)
        map.put(L"k" + std::to_wstring(i), L"v" + std::to_wstring(i));
    HashMap<std::wstring, std::wstring> copy = map;
    map.put(L"k1", L"changed");
    EXPECT_EQ(*copy.get(L"k1"), L"v1");
    EXPECT_EQ(copy.bucketCount(), map.bucketCount());
    EXPECT_EQ(*copy.keys().at(59), L"k59");
    map.clear();
    EXPECT_EQ(map.count(), 0);
    EXPECT_EQ(map.bucketCount(), 65);
    EXPECT_EQ(map.get(L"k1"), nullptr);
    EXPECT_EQ(copy.count(), 60);
}

TEST(HashMap, OwnsMoveOnlyValues) {
    HashMap<std::wstring, std::unique_ptr<int>> map;
    map.put(L"a", std::make_unique<int>(5));
    std::optional<std::unique_ptr<int>> previous = map.put(L"a", std::make_unique<int>(6));
    ASSERT_TRUE(previous.has_value());
    EXPECT_EQ(**previous, 5);
    EXPECT_EQ(**map.get(L"a"), 6);
    EXPECT_EQ(map.put(L"b", nullptr), std::nullopt);
    EXPECT_EQ(map.count(), 1);
}

} // namespace
} // namespace velmora
