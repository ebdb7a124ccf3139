// A list that owns its records through plain pointers, so that inserting or erasing in a list of
// a hundred thousand entries moves only pointers (a memmove) and never the records themselves.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace klaxora {

template <typename T>
class OwningList {
public:
    OwningList() = default;
    OwningList(const OwningList&) = delete;
    OwningList& operator=(const OwningList&) = delete;
    ~OwningList() { Clear(); }

    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }
    const T& operator[](int index) const { return *items_[static_cast<std::size_t>(index)]; }
    const T& Last() const { return *items_.back(); }

    void Append(std::unique_ptr<T> item) { Insert(Count(), std::move(item)); }

    void Insert(int index, std::unique_ptr<T> item)
    {
        items_.insert(items_.begin() + index, item.get());
        item.release();
    }

    void RemoveAt(int index)
    {
        const std::unique_ptr<T> gone(items_[static_cast<std::size_t>(index)]);
        items_.erase(items_.begin() + index);
    }

    void Clear()
    {
        for (T* item : items_)
            delete item;
        items_.clear();
    }

    void Reserve(std::size_t count) { items_.reserve(count); }

    // Takes over all records of a plain vector of owners, in its order (used to install rows
    // that were collected and sorted elsewhere).
    void AssignFrom(std::vector<std::unique_ptr<T>>& items)
    {
        Clear();
        items_.reserve(items.size());
        for (auto& item : items)
            items_.push_back(item.release());
        items.clear();
    }

private:
    std::vector<T*> items_;
};

} // namespace klaxora
