#pragma once
// A growable array of non-owning pointers with the project's growth and shrink rules.

#include <algorithm>
#include <memory>
#include <vector>

namespace velmora {

template <typename T>
class PtrVector {
public:
    static constexpr int increment = 1;
    static constexpr int factor = 2;

    explicit PtrVector(int initialCapacity = 0)
        : capacity_(std::max(initialCapacity, 0)), initialCapacity_(capacity_) {
        items_ = std::make_unique<T*[]>(capacity_);
    }

    PtrVector(const PtrVector& other) // same capacity and items
        : items_(std::make_unique<T*[]>(other.capacity_)), count_(other.count_), capacity_(other.capacity_),
          initialCapacity_(other.initialCapacity_) {
        std::copy_n(other.items_.get(), count_, items_.get());
    }
    PtrVector& operator=(const PtrVector& other) {
        if (this != &other) {
            PtrVector copy(other);
            swap(copy);
        }
        return *this;
    }
    PtrVector(PtrVector&& other) noexcept { swap(other); }
    PtrVector& operator=(PtrVector&& other) noexcept {
        swap(other);
        return *this;
    }

    int count() const { return count_; }
    int capacity() const { return capacity_; }
    bool empty() const { return count_ == 0; }

    void append(T* value) { insertAt(value, count_); }

    // Index 0 ... count; any other index is ignored.
    void insertAt(T* value, int index) {
        if (index < 0 || index > count_)
            return;
        if (count_ == capacity_)
            reallocate((capacity_ + increment) * factor);
        std::copy_backward(items_.get() + index, items_.get() + count_, items_.get() + count_ + 1);
        items_[index] = value;
        ++count_;
    }

    // Index 0 ... count - 1; any other index is ignored. The array shrinks to the old count once it
    // is less than about half full.
    void removeAt(int index) {
        if (index < 0 || index >= count_)
            return;
        const int oldCount = count_;
        std::copy(items_.get() + index + 1, items_.get() + count_, items_.get() + index);
        --count_;
        if (count_ <= capacity_ / factor - increment)
            reallocate(oldCount);
    }

    // Removes the first occurrence; false when absent.
    bool removeValue(const T* value) {
        const int index = indexOf(value);
        if (index < 0)
            return false;
        removeAt(index);
        return true;
    }

    int indexOf(const T* value) const {
        for (int i = 0; i < count_; ++i) {
            if (items_[i] == value)
                return i;
        }
        return -1;
    }
    bool contains(const T* value) const { return indexOf(value) >= 0; }

    // Null outside 0 ... count - 1.
    T* at(int index) const { return index >= 0 && index < count_ ? items_[index] : nullptr; }
    void setAt(int index, T* value) {
        if (index >= 0 && index < count_)
            items_[index] = value;
    }

    void clear() {
        count_ = 0;
        if (capacity_ > initialCapacity_)
            reallocate(initialCapacity_);
    }

    std::vector<T*> copyItems() const { return std::vector<T*>(items_.get(), items_.get() + count_); }

    T* const* begin() const { return items_.get(); }
    T* const* end() const { return items_.get() + count_; }

private:
    void reallocate(int newCapacity) {
        auto items = std::make_unique<T*[]>(newCapacity);
        std::copy_n(items_.get(), std::min(count_, newCapacity), items.get());
        items_ = std::move(items);
        capacity_ = newCapacity;
    }
    void swap(PtrVector& other) noexcept {
        std::swap(items_, other.items_);
        std::swap(count_, other.count_);
        std::swap(capacity_, other.capacity_);
        std::swap(initialCapacity_, other.initialCapacity_);
    }

    std::unique_ptr<T*[]> items_;
    int count_ = 0;
    int capacity_ = 0;
    int initialCapacity_ = 0;
};

} // namespace velmora
