#include <gtest/gtest.h>

#include "platform/StringList.h"

using namespace platform;

namespace {

struct Counted : Object {
    explicit Counted(int& freed) : freed(freed) {}
    ~Counted() override { ++freed; }
    int& freed;
};

std::vector<std::string> StringsOf(const StringList& list) {
    std::vector<std::string> strings;
    for (int i = 0; i < list.Count(); ++i) strings.push_back(list.Strings(i));
    return strings;
}

}  // namespace

TEST(StringList, SortedModeKeepsByteOrderAndFindsByBinarySearch) {
    StringList list;
    list.SetSorted(true);
    for (const char* s : {"b", "B", "a", "\xC6X", "A", "AB"}) list.Add(s);
    EXPECT_EQ(StringsOf(list), (std::vector<std::string>{"A", "AB", "B", "a", "b", "\xC6X"}));
    int index = -1;
    EXPECT_TRUE(list.Find("a", index));
    EXPECT_EQ(index, 3);
    EXPECT_FALSE(list.Find("aa", index));
    EXPECT_EQ(index, 4);  // where it would go
    EXPECT_FALSE(list.Find("", index));
    EXPECT_EQ(index, 0);
    EXPECT_FALSE(list.Find("\xFF", index));
    EXPECT_EQ(index, 6);
    EXPECT_EQ(list.IndexOf("B"), 2);
    EXPECT_EQ(list.IndexOf("c"), -1);
    EXPECT_EQ(list.Add("AA"), 1);
}

TEST(StringList, SwitchingSortedOnSortsTheEntriesWithTheirObjects) {
    int freed = 0;
    StringList list;
    auto first = std::make_unique<Counted>(freed);
    Counted* z = first.get();
    list.AddObject("Z", std::move(first));
    list.Add("M");
    list.Add("A");
    EXPECT_EQ(list.IndexOf("A"), 2);  // unsorted: searched from the start
    list.SetSorted(true);
    EXPECT_EQ(StringsOf(list), (std::vector<std::string>{"A", "M", "Z"}));
    EXPECT_EQ(list.Objects(2), z);
    EXPECT_EQ(list.Objects(0), nullptr);
}

TEST(StringList, DuplicatesInSortedModeAreIgnoredAcceptedOrRefused) {
    int freed = 0;
    StringList ignoring;
    ignoring.SetSorted(true);
    ignoring.Add("K");
    EXPECT_EQ(ignoring.AddObject("K", std::make_unique<Counted>(freed)), 0);
    EXPECT_EQ(ignoring.Count(), 1);
    EXPECT_EQ(freed, 1);  // the object given to own went with the refused entry

    StringList accepting;
    accepting.SetSorted(true);
    accepting.SetDuplicates(Duplicates::Accept);
    accepting.Add("K");
    accepting.Add("K");
    EXPECT_EQ(accepting.Count(), 2);

    StringList refusing;
    refusing.SetSorted(true);
    refusing.SetDuplicates(Duplicates::Error);
    refusing.Add("K");
    EXPECT_THROW(refusing.Add("K"), EStringListError);
    EXPECT_EQ(refusing.Count(), 1);

    StringList unsorted;  // duplicates are a question only for a sorted list
    unsorted.Add("K");
    unsorted.Add("K");
    EXPECT_EQ(unsorted.Count(), 2);
    int index = -1;
    EXPECT_TRUE(unsorted.Find("K", index));
    EXPECT_EQ(index, 0);
    EXPECT_FALSE(unsorted.Find("L", index));
    EXPECT_EQ(index, 2);
}

TEST(StringList, FreesTheObjectsItOwnsAndNoOthers) {
    int freed = 0;
    Counted referred(freed);
    {
        StringList list;
        list.AddObject("a", std::make_unique<Counted>(freed));
        list.AddObject("b", std::make_unique<Counted>(freed));
        list.AddObject("c", &referred);
        list.AddObject("d", std::make_unique<Counted>(freed));
        list.Delete(0);
        EXPECT_EQ(freed, 1);
        list.Delete(1);  // the referred one
        EXPECT_EQ(freed, 1);
        list.Clear();
        EXPECT_EQ(freed, 3);
        list.AddObject("e", std::make_unique<Counted>(freed));
    }
    EXPECT_EQ(freed, 4);
}

TEST(StringList, RefusesIndexesOutOfBoundsAndInsertingIntoASortedList) {
    StringList list;
    list.Add("a");
    EXPECT_THROW(list.Strings(1), EStringListError);
    EXPECT_THROW(list.Objects(-1), EStringListError);
    EXPECT_THROW(list.Delete(1), EStringListError);
    EXPECT_THROW(list.Insert(2, "x"), EStringListError);
    list.Insert(0, "z");
    EXPECT_EQ(StringsOf(list), (std::vector<std::string>{"z", "a"}));
    list.SetSorted(true);
    EXPECT_THROW(list.Insert(0, "b"), EStringListError);
}
