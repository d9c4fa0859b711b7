#pragma once
// A chained hash map that remembers the order in which its keys were first inserted.
//
// Keys are either wide strings, compared by content and hashed by sampling 32 characters, or
// pointers, compared by identity. Values are held by value: a pointer value stays non-owning, an
// owning value (a std::unique_ptr, a std::wstring) is owned by the map.

#include "base/ptr_vector.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace velmora {

enum class KeyKind { Pointer = 0, String = 1 };

// The 32-character sampling hash of string keys: character (k * n) / 32 for k = 1 ... 32, where
// the last sample is the terminating zero.
int32_t hashString(const std::wstring& key);

template <typename Key>
struct HashKeyTraits;

template <>
struct HashKeyTraits<std::wstring> {
    static constexpr KeyKind kind = KeyKind::String;
    static int32_t hash(const std::wstring& key) { return hashString(key); }
    static bool isNone(const std::wstring&) { return false; }
};

template <typename T>
struct HashKeyTraits<T*> {
    static constexpr KeyKind kind = KeyKind::Pointer;
    static int32_t hash(T* key) { return static_cast<int32_t>(reinterpret_cast<uintptr_t>(key)); }
    static bool isNone(T* key) { return key == nullptr; }
};

// A value that is a null pointer counts as "none" and is never stored.
template <typename Value>
bool isNoneValue(const Value& value) {
    if constexpr (std::is_pointer_v<Value> || std::is_null_pointer_v<Value>)
        return value == nullptr;
    else if constexpr (requires { value == nullptr; })
        return value == nullptr;
    else
        return false;
}

template <typename Key, typename Value>
class HashMap {
public:
    static constexpr int defaultBucketCount = 65;
    static constexpr float loadFactor = 0.75f;
    static constexpr KeyKind keyKind = HashKeyTraits<Key>::kind;

    explicit HashMap(int bucketCount = defaultBucketCount) { reset(bucketCount > 0 ? bucketCount : 1); }
    HashMap(const HashMap& other) { copyFrom(other); }
    HashMap& operator=(const HashMap& other) {
        if (this != &other) {
            clearNodes();
            copyFrom(other);
        }
        return *this;
    }
    virtual ~HashMap() { clearNodes(); }

    int count() const { return count_; }
    int bucketCount() const { return bucketCount_; }

    // Stores value under key. Returns the previous value when the key was present (the map keeps
    // its stored key and the key's place in the order). A missing key or value stores nothing.
    std::optional<Value> put(const Key& key, Value value) {
        if (HashKeyTraits<Key>::isNone(key) || isNoneValue(value))
            return std::nullopt;
        const int32_t hash = HashKeyTraits<Key>::hash(key);
        for (;;) {
            if (Node* node = find(key, hash)) {
                Value previous = std::move(node->value);
                node->value = std::move(value);
                return previous;
            }
            if (count_ < threshold_)
                break;
            rehash(2 * bucketCount_ + 1);
        }
        const int bucket = bucketOf(hash, bucketCount_);
        auto* node = new Node{hash, key, std::move(value), buckets_[bucket]};
        buckets_[bucket] = node;
        ++count_;
        keys_.append(&node->key);
        return std::nullopt;
    }

    // The stored value, or null.
    Value* get(const Key& key) {
        Node* node = find(key, HashKeyTraits<Key>::hash(key));
        return node ? &node->value : nullptr;
    }
    const Value* get(const Key& key) const { return const_cast<HashMap*>(this)->get(key); }

    bool containsKey(const Key& key) const { return get(key) != nullptr; }

    bool containsValue(const Value& value) const {
        for (const Key* key : keys_) {
            if (*get(*key) == value)
                return true;
        }
        return false;
    }

    // Unlinks the key and returns its value; shrinks the bucket array when the map has emptied.
    std::optional<Value> remove(const Key& key) {
        if (HashKeyTraits<Key>::isNone(key))
            return std::nullopt;
        const int32_t hash = HashKeyTraits<Key>::hash(key);
        Node** link = &buckets_[bucketOf(hash, bucketCount_)];
        while (*link && !((*link)->hash == hash && (*link)->key == key))
            link = &(*link)->next;
        if (!*link)
            return std::nullopt;
        std::unique_ptr<Node> node(*link);
        *link = node->next;
        --count_;
        const int smallerBucketCount = (bucketCount_ - 1) / 2;
        if (count_ > static_cast<int>(32 * loadFactor) &&
            static_cast<float>(count_) < static_cast<float>(smallerBucketCount) * loadFactor)
            rehash(smallerBucketCount);
        keys_.removeValue(&node->key); // the stored key itself, so identity serves both key kinds
        return std::move(node->value);
    }

    // The keys in order of first insertion; the map owns them.
    const PtrVector<const Key>& keys() const { return keys_; }

    // Copies of the values in key order.
    std::vector<Value> values() const {
        std::vector<Value> result;
        result.reserve(count_);
        for (const Key* key : keys_)
            result.push_back(*get(*key));
        return result;
    }

    // Empties the map and starts again with the default bucket count.
    void clear() {
        if (count_ == 0)
            return;
        clearNodes();
        reset(defaultBucketCount);
    }

private:
    struct Node {
        int32_t hash;
        Key key;
        Value value;
        Node* next;
    };

    // |hash| mod n, with |INT32_MIN| taken in 64 bits so that no bucket index is negative.
    static int bucketOf(int32_t hash, int n) {
        const int64_t magnitude = hash < 0 ? -static_cast<int64_t>(hash) : hash;
        return static_cast<int>(magnitude % n);
    }

    Node* find(const Key& key, int32_t hash) const {
        for (Node* node = buckets_[bucketOf(hash, bucketCount_)]; node; node = node->next) {
            if (node->hash == hash && node->key == key)
                return node;
        }
        return nullptr;
    }

    void reset(int bucketCount) {
        bucketCount_ = bucketCount;
        threshold_ = static_cast<int>(static_cast<float>(bucketCount) * loadFactor);
        buckets_.assign(bucketCount, nullptr);
        keys_ = PtrVector<const Key>(32);
        count_ = 0;
    }

    void rehash(int newBucketCount) {
        std::vector<Node*> buckets(newBucketCount, nullptr);
        for (Node* chain : buckets_) {
            while (chain) {
                Node* next = chain->next;
                const int bucket = bucketOf(chain->hash, newBucketCount);
                chain->next = buckets[bucket];
                buckets[bucket] = chain;
                chain = next;
            }
        }
        buckets_ = std::move(buckets);
        bucketCount_ = newBucketCount;
        threshold_ = static_cast<int>(static_cast<float>(newBucketCount) * loadFactor);
    }

    void clearNodes() {
        for (Node*& chain : buckets_) {
            while (chain) {
                Node* next = chain->next;
                delete chain;
                chain = next;
            }
        }
        count_ = 0;
    }

    // Deep copy: the same bucket count and chains in the same order, the same key order.
    void copyFrom(const HashMap& other) {
        reset(other.bucketCount_);
        threshold_ = other.threshold_;
        for (int bucket = 0; bucket < bucketCount_; ++bucket) {
            Node** tail = &buckets_[bucket];
            for (const Node* node = other.buckets_[bucket]; node; node = node->next) {
                *tail = new Node{node->hash, node->key, node->value, nullptr};
                tail = &(*tail)->next;
            }
        }
        count_ = other.count_;
        for (const Key* key : other.keys_)
            keys_.append(&find(*key, HashKeyTraits<Key>::hash(*key))->key);
    }

    std::vector<Node*> buckets_;
    PtrVector<const Key> keys_{32};
    int count_ = 0;
    int bucketCount_ = 0;
    int threshold_ = 0;
};

} // namespace velmora
