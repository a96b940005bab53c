#include <gtest/gtest.h>

#include <vector>

#include "HTMLUn2/Attributes.h"
#include "HTMLUn2/MemoryBlocks.h"
#include "HTMLUn2/SelTextCount.h"
#include "HTMLUn2/StringHelpers.h"
#include "HTMLUn2/UrlTarget.h"
#include "platform/Errors.h"

namespace {

// Records the order in which entries are freed.
struct Tracked {
    std::vector<int>& freed;
    int id;
    ~Tracked() { freed.push_back(id); }
};

}  // namespace

TEST(FreeList, FreesItsEntriesFirstToLastWhenClearedAndWhenDestroyed) {
    std::vector<int> freed;
    {
        TFreeList<Tracked> list;
        for (int id : {1, 2, 3}) list.Add(std::make_unique<Tracked>(freed, id));
        list.Clear();
        EXPECT_EQ(freed, (std::vector<int>{1, 2, 3}));
        EXPECT_EQ(list.Count(), 0u);
        for (int id : {4, 5}) list.Add(std::make_unique<Tracked>(freed, id));
        std::unique_ptr<Tracked> kept = list.Extract(0);
        EXPECT_EQ(kept->id, 4);
    }
    EXPECT_EQ(freed, (std::vector<int>{1, 2, 3, 4, 5}));  // the extracted entry went with its new owner
}

TEST(AttributeList, FindGivesTheFirstOfACodeAndLeavesTheResultAloneWhenNone) {
    TAttributeList attributes;
    TAttribute* found = nullptr;
    EXPECT_FALSE(attributes.Find(62, found));
    attributes.Add(std::make_unique<TAttribute>(64, "pic.gif", 0));
    attributes.Add(std::make_unique<TAttribute>(62, "first.htm", 0));
    attributes.Add(std::make_unique<TAttribute>(62, "second.htm", 0));
    ASSERT_TRUE(attributes.Find(62, found));
    EXPECT_EQ(found->TextValue, "first.htm");
    TAttribute* untouched = attributes[0];
    EXPECT_FALSE(attributes.Find(88, untouched));
    EXPECT_EQ(untouched, attributes[0]);
}

TEST(UrlTarget, AssignReplacesOnlyTheGivenFields) {
    TUrlTarget link;
    EXPECT_TRUE(link.Url.empty());
    link.Assign("a.htm", "main");
    link.Assign(std::nullopt, "side");
    EXPECT_EQ(link.Url, "a.htm");
    EXPECT_EQ(link.Target, "side");
    link.Assign("b.htm", std::nullopt);
    EXPECT_EQ(link.Target, "side");
    link.Clear();
    EXPECT_EQ(link.Url + link.Target, "");
}

TEST(SelTextCount, CountsWhatCopyingGivesPlaceholdersNoneAndLineEndsTwo) {
    SelTextCount sink;
    const char text[] = {'a', 4, 'b', 2, 'c'};
    sink.AddText(text, 5);
    EXPECT_EQ(sink.Terminate(), 3);
    SelTextCount withLineEnd;
    AddTextCR(withLineEnd, text, 5);
    EXPECT_EQ(withLineEnd.Terminate(), 5);
}

TEST(MemoryBlocks, SmallBlocksComeFromTheHeapAndLargeOnesFromTheSystem) {
    auto small = AllocBlock(kLargeBlockSize - 1);
    EXPECT_EQ(small->Handle, nullptr);
    EXPECT_EQ(small->Size, 65279);
    auto large = AllocBlock(kLargeBlockSize);
    EXPECT_NE(large->Handle, nullptr);
    EXPECT_EQ(large->Memory, large->Handle);
    static_cast<char*>(small->Memory)[65278] = 1;  // the whole block is usable
    static_cast<char*>(large->Memory)[65279] = 1;
    FreeBlock(small);
    FreeBlock(large);
    EXPECT_FALSE(small);
    EXPECT_FALSE(large);
}

TEST(MemoryBlocks, ANegativeSizeIsRefusedAsOutOfMemory) {
    EXPECT_THROW(AllocBlock(-1), platform::EOutOfResources);
}

TEST(StringHelpers, TrimBlanksAndMinMax) {
    EXPECT_EQ(TrimBlanks(" \t \t "), "");
    EXPECT_EQ(TrimBlanks("\x01 pic.gif\r\n"), "pic.gif");
    EXPECT_EQ(TrimBlanks("\xA0x\xA0"), "\xA0x\xA0");
    EXPECT_EQ(IntMin(-3, 2), -3);
    EXPECT_EQ(IntMax(-3, 2), 2);
}

TEST(StringHelpers, UrlToFileNameMakesLinuxNames) {
    struct Case { const char* url; const char* name; };
    const Case cases[] = {
        {"Pic.GIF", "Pic.GIF"},
        {"images\\Logo.gif", "images/Logo.gif"},
        {"file:///home/a/Pic.GIF", "/home/a/Pic.GIF"},
        {"FILE:///home/a/Pic.GIF", "/home/a/Pic.GIF"},
        {"file://server/a.htm", "server/a.htm"},
        {"Dir/Sub/Page.HTM", "Dir/Sub/Page.HTM"},
        {"a/file://b", "a/file://b"},
    };
    for (const Case& c : cases) EXPECT_EQ(UrlToFileName(c.url), c.name) << c.url;
}
