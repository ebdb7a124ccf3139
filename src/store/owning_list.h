// A list that owns its records. It is kept in blocks of a few hundred pointers, so that inserting or
// erasing anywhere in a list of a hundred thousand records moves at most one block and a short table,
// while reading by index stays a binary search over that table.
#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

namespace klaxora {

template <typename T>
class OwningList {
public:
    OwningList() = default;
    OwningList(const OwningList&) = delete;
    OwningList& operator=(const OwningList&) = delete;
    ~OwningList() { clear(); }

    int count() const { return static_cast<int>(count_); }
    bool empty() const { return count_ == 0; }
    const T& operator[](int index) const
    {
        const std::size_t block = blockOf(static_cast<std::size_t>(index));
        return *blocks_[block][static_cast<std::size_t>(index) - starts_[block]];
    }
    const T& last() const { return *blocks_.back().back(); }

    void append(std::unique_ptr<T> item) { insert(count(), std::move(item)); }

    void insert(int index, std::unique_ptr<T> item)
    {
        const auto at = static_cast<std::size_t>(index);
        if (blocks_.empty() || (at == count_ && blocks_.back().size() >= BlockSize)) {
            blocks_.emplace_back();
            starts_.push_back(count_);
        }
        const std::size_t block = at == count_ ? blocks_.size() - 1 : blockOf(at);
        std::vector<T*>& items = blocks_[block];
        items.insert(items.begin() + static_cast<std::ptrdiff_t>(at - starts_[block]), item.get());
        item.release();
        ++count_;
        shiftStartsAfter(block, 1);
        if (items.size() >= 2 * BlockSize)
            split(block);
    }

    void removeAt(int index)
    {
        const auto at = static_cast<std::size_t>(index);
        const std::size_t block = blockOf(at);
        std::vector<T*>& items = blocks_[block];
        const auto position = items.begin() + static_cast<std::ptrdiff_t>(at - starts_[block]);
        const std::unique_ptr<T> gone(*position);
        items.erase(position);
        --count_;
        shiftStartsAfter(block, -1);
        // Small neighbours are joined, so that deletions never leave many tiny blocks.
        if (block > 0 && blocks_[block - 1].size() + items.size() <= BlockSize)
            joinWithNext(block - 1);
        else if (block + 1 < blocks_.size() && items.size() + blocks_[block + 1].size() <= BlockSize)
            joinWithNext(block);
        else if (items.empty())
            removeBlock(block);
    }

    void clear()
    {
        // Freed in the order of their addresses: the heap then merges each record with the neighbour it
        // has just freed, where freeing rows in list order (sorted by date) jumps about a heap far
        // larger than the cache.
        std::vector<T*> all;
        all.reserve(count_);
        for (std::vector<T*>& items : blocks_)
            all.insert(all.end(), items.begin(), items.end());
        std::sort(all.begin(), all.end(), std::less<T*>());
        for (T* item : all)
            delete item;
        blocks_.clear();
        starts_.clear();
        count_ = 0;
    }

    // Takes over all records of a plain vector of owners, in its order (used to install rows that were
    // collected and sorted elsewhere).
    void assignFrom(std::vector<std::unique_ptr<T>>& items)
    {
        clear();
        for (std::size_t first = 0; first < items.size(); first += BlockSize) {
            const std::size_t last = std::min(items.size(), first + BlockSize);
            blocks_.emplace_back();
            starts_.push_back(first);
            blocks_.back().reserve(last - first);
            for (std::size_t i = first; i < last; ++i)
                blocks_.back().push_back(items[i].release());
        }
        count_ = items.size();
        items.clear();
    }

private:
    static constexpr std::size_t BlockSize = 512;

    std::size_t blockOf(std::size_t index) const
    {
        return static_cast<std::size_t>(std::upper_bound(starts_.begin(), starts_.end(), index) -
                                        starts_.begin()) -
               1;
    }

    void shiftStartsAfter(std::size_t block, int delta)
    {
        for (std::size_t b = block + 1; b < starts_.size(); ++b)
            starts_[b] = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(starts_[b]) + delta);
    }

    void split(std::size_t block)
    {
        std::vector<T*>& items = blocks_[block];
        std::vector<T*> upper(items.begin() + static_cast<std::ptrdiff_t>(BlockSize), items.end());
        items.resize(BlockSize);
        blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(block) + 1, std::move(upper));
        starts_.insert(starts_.begin() + static_cast<std::ptrdiff_t>(block) + 1, starts_[block] + BlockSize);
    }

    void joinWithNext(std::size_t block)
    {
        std::vector<T*>& next = blocks_[block + 1];
        blocks_[block].insert(blocks_[block].end(), next.begin(), next.end());
        removeBlock(block + 1);
    }

    void removeBlock(std::size_t block)
    {
        blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(block));
        starts_.erase(starts_.begin() + static_cast<std::ptrdiff_t>(block));
    }

    std::vector<std::vector<T*>> blocks_;
    std::vector<std::size_t> starts_; // index of each block's first record
    std::size_t count_ = 0;
};

} // namespace klaxora
