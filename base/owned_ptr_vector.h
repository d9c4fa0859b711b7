#pragma once
// An ordered list of objects it owns, read by index or as plain pointers: the children of scenes
// and windows. An object leaves the list before it is destroyed, so a destructor that reaches back
// into its owner finds the list consistent.

#include <memory>
#include <vector>

namespace velmora {

template <typename T> class OwnedPtrVector {
    using Items = std::vector<std::unique_ptr<T>>;

public:
    // Walks the list as plain pointers.
    class Iterator {
    public:
        explicit Iterator(typename Items::const_iterator position) : position_(position) {}
        T* operator*() const { return position_->get(); }
        Iterator& operator++() {
            ++position_;
            return *this;
        }
        bool operator==(const Iterator&) const = default;

    private:
        typename Items::const_iterator position_;
    };

    OwnedPtrVector() = default;
    OwnedPtrVector(const OwnedPtrVector&) = delete;
    OwnedPtrVector& operator=(const OwnedPtrVector&) = delete;
    ~OwnedPtrVector() { clear(); }

    int count() const { return static_cast<int>(items_.size()); }
    bool empty() const { return items_.empty(); }

    // Takes the object and returns it for the caller to go on using; null is not stored.
    T* append(std::unique_ptr<T> item) {
        T* raw = item.get();
        if (raw)
            items_.push_back(std::move(item));
        return raw;
    }

    // Null outside 0 ... count - 1.
    T* at(int index) const {
        return index >= 0 && index < count() ? items_[static_cast<size_t>(index)].get() : nullptr;
    }

    int indexOf(const T* item) const {
        for (size_t i = 0; i < items_.size(); ++i) {
            if (items_[i].get() == item)
                return static_cast<int>(i);
        }
        return -1;
    }
    bool contains(const T* item) const { return indexOf(item) >= 0; }

    // Hands the object back to the caller; null when it is not in the list.
    std::unique_ptr<T> remove(const T* item) {
        const int index = indexOf(item);
        if (index < 0)
            return nullptr;
        std::unique_ptr<T> removed = std::move(items_[static_cast<size_t>(index)]);
        items_.erase(items_.begin() + index);
        return removed;
    }

    // Destroys the objects in list order, after the list has been emptied.
    void clear() {
        Items items = std::move(items_);
        items_.clear();
        for (std::unique_ptr<T>& item : items)
            item.reset();
    }

    // The objects at this moment, for a walk during which the list may change.
    std::vector<T*> copyItems() const {
        std::vector<T*> copy;
        copy.reserve(items_.size());
        for (const std::unique_ptr<T>& item : items_)
            copy.push_back(item.get());
        return copy;
    }

    Iterator begin() const { return Iterator(items_.begin()); }
    Iterator end() const { return Iterator(items_.end()); }

private:
    Items items_;
};

} // namespace velmora
