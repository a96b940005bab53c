#pragma once
// A list that owns its entries: clearing or destroying it frees every entry, first to last.
#include <cstddef>
#include <memory>
#include <vector>

template <class T>
class TFreeList {
public:
    TFreeList() = default;
    TFreeList(const TFreeList&) = delete;
    TFreeList& operator=(const TFreeList&) = delete;
    virtual ~TFreeList() { Clear(); }

    T* Add(std::unique_ptr<T> item) {
        items_.push_back(std::move(item));
        return items_.back().get();
    }
    T* Insert(std::size_t index, std::unique_ptr<T> item) {
        return items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), std::move(item))->get();
    }
    // Frees the entry and closes the gap.
    void Delete(std::size_t index) { items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index)); }
    // Hands the entry to the caller and closes the gap.
    std::unique_ptr<T> Extract(std::size_t index) {
        std::unique_ptr<T> item = std::move(items_[index]);
        Delete(index);
        return item;
    }
    void Clear() {
        for (auto& item : items_) item.reset();
        items_.clear();
    }

    std::size_t Count() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }
    T* operator[](std::size_t index) const { return items_[index].get(); }
    T* Last() const { return items_.empty() ? nullptr : items_.back().get(); }

private:
    std::vector<std::unique_ptr<T>> items_;
};
