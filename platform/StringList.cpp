#include "StringList.h"

#include <algorithm>

namespace platform {

const StringList::Entry& StringList::At(int index) const {
    if (index < 0 || index >= Count())
        throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
    return entries_[static_cast<std::size_t>(index)];
}

int StringList::AddObject(const std::string& string, std::unique_ptr<Object> owned) {
    Object* object = owned.get();
    return AddEntry(string, std::move(owned), object);
}

int StringList::AddEntry(const std::string& string, std::unique_ptr<Object> owned, Object* object) {
    int index = Count();
    if (sorted_ && Find(string, index)) {
        if (duplicates_ == Duplicates::Ignore) return index;
        if (duplicates_ == Duplicates::Error)
            throw EStringListError("String list does not allow duplicates");
    }
    InsertEntry(index, Entry{string, std::move(owned), object});
    return index;
}

void StringList::InsertEntry(int index, Entry entry) {
    entries_.insert(entries_.begin() + index, std::move(entry));
}

void StringList::Insert(int index, const std::string& string) {
    if (sorted_) throw EStringListError("Operation not allowed on sorted list");
    if (index < 0 || index > Count())
        throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
    InsertEntry(index, Entry{string, nullptr, nullptr});
}

void StringList::Delete(int index) {
    At(index);
    entries_.erase(entries_.begin() + index);
}

void StringList::Clear() {
    for (Entry& entry : entries_) entry.owned.reset();
    entries_.clear();
}

bool StringList::Find(const std::string& string, int& index) const {
    if (!sorted_) {
        index = IndexOf(string);
        if (index >= 0) return true;
        index = Count();
        return false;
    }
    const auto place = std::lower_bound(
        entries_.begin(), entries_.end(), string,
        [](const Entry& entry, const std::string& key) { return entry.string < key; });
    index = static_cast<int>(place - entries_.begin());
    return place != entries_.end() && place->string == string;
}

int StringList::IndexOf(const std::string& string) const {
    if (sorted_) {
        int index;
        return Find(string, index) ? index : -1;
    }
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const Entry& entry) { return entry.string == string; });
    return found == entries_.end() ? -1 : static_cast<int>(found - entries_.begin());
}

void StringList::SetSorted(bool sorted) {
    if (sorted && !sorted_)
        std::stable_sort(entries_.begin(), entries_.end(),
                         [](const Entry& a, const Entry& b) { return a.string < b.string; });
    sorted_ = sorted;
}

}  // namespace platform
