#pragma once
// A list of Windows-1252 strings, each with an optional object that the list owns or only
// refers to. In sorted mode the strings are kept in order and found by binary search.
//
// Order: case-sensitive byte order (bytes compared as unsigned). The engine's keys are
// already upper-cased, so this is the order it needs, and it is the same on every machine.
#include <memory>
#include <string>
#include <vector>

#include "Errors.h"

namespace platform {

// The base of the objects a string list can hold.
class Object {
  public:
    virtual ~Object() = default;
};

class EStringListError : public Exception {
  public:
    using Exception::Exception;
};

// What Add does in sorted mode with a string that is already there.
enum class Duplicates { Ignore, Accept, Error };

class StringList {
  public:
    StringList() = default;
    StringList(const StringList&) = delete;
    StringList& operator=(const StringList&) = delete;
    virtual ~StringList() { Clear(); }

    int Count() const { return static_cast<int>(entries_.size()); }
    const std::string& Strings(int index) const { return At(index).string; }
    Object* Objects(int index) const { return At(index).object; }

    // Appends, or in sorted mode inserts at the string's place; answers the index. A duplicate
    // under Duplicates::Ignore is not added: the index of the one there is answered, and an
    // object given to own is freed.
    int Add(const std::string& string) { return AddEntry(string, nullptr, nullptr); }
    int AddObject(const std::string& string, std::unique_ptr<Object> owned);
    int AddObject(const std::string& string, Object* referred) {
        return AddEntry(string, nullptr, referred);
    }
    // Not in sorted mode.
    void Insert(int index, const std::string& string);
    // Frees the entry's object if the list owns it.
    void Delete(int index);
    // Frees the owned objects, first to last.
    void Clear();

    // True when found; index is where it is or, when not found, where Add would put it.
    bool Find(const std::string& string, int& index) const;
    // -1 when not found.
    int IndexOf(const std::string& string) const;

    bool Sorted() const { return sorted_; }
    // Switching it on sorts the list (stably).
    void SetSorted(bool sorted);
    Duplicates GetDuplicates() const { return duplicates_; }
    void SetDuplicates(Duplicates duplicates) { duplicates_ = duplicates; }

  private:
    struct Entry {
        std::string string;
        std::unique_ptr<Object> owned;
        Object* object = nullptr;
    };
    const Entry& At(int index) const;
    int AddEntry(const std::string& string, std::unique_ptr<Object> owned, Object* object);
    void InsertEntry(int index, Entry entry);

    std::vector<Entry> entries_;
    bool sorted_ = false;
    Duplicates duplicates_ = Duplicates::Ignore;
};

}  // namespace platform
