#include <gtest/gtest.h>

#include "HTMLUn2/ImageCache.h"

using platform::Bitmap;

namespace {

// A sorted cache with one entry per key, each with a picture as wide as its index.
void Fill(TStringBitmapList& cache, const std::vector<std::string>& keys) {
    cache.SetSorted(true);
    int width = 1;
    for (const std::string& key : keys)
        cache.AddObject(
            key, std::make_unique<TBitmapItem>(std::make_unique<Bitmap>(width++, 1), 0, nullptr));
}

std::vector<std::string> Keys(const TStringBitmapList& cache) {
    std::vector<std::string> keys;
    for (int i = 0; i < cache.Count(); ++i) keys.push_back(cache.Strings(i));
    return keys;
}

}  // namespace

TEST(ImageCache, NewEntriesAreAgeZeroAndTheLimitIsFour) {
    TStringBitmapList cache;
    EXPECT_EQ(cache.MaxAge(), 4);
    Fill(cache, {"B.GIF", "A.GIF"});
    EXPECT_EQ(Keys(cache), (std::vector<std::string>{"A.GIF", "B.GIF"}));
    EXPECT_EQ(cache.Item(0)->Age, 0);
    int index = -1;
    ASSERT_TRUE(cache.Find("B.GIF", index));
    EXPECT_EQ(cache.ImageOf(index)->Width(), 1);
}

TEST(ImageCache, AgeAllDropsWhatIsOlderThanTheLimitAfterwards) {
    TStringBitmapList cache;
    Fill(cache, {"A", "B"});
    cache.SetMaxAge(0);
    cache.AgeAll();
    EXPECT_EQ(cache.Count(), 0);

    Fill(cache, {"A", "B"});
    cache.SetMaxAge(5);
    for (int document = 1; document <= 5; ++document) cache.AgeAll();
    EXPECT_EQ(cache.Count(), 2);  // five documents without them
    cache.ImageOf(1);
    cache.AgeAll();  // the sixth
    EXPECT_EQ(Keys(cache), (std::vector<std::string>{"B"}));
    EXPECT_EQ(cache.Item(0)->Age, 1);
}

TEST(ImageCache, SetMaxAgeFreesOnlyTheEntriesOlderThanTheNewLimit) {
    TStringBitmapList cache;
    Fill(cache, {"A0", "A1", "A2", "A3", "A4", "A5"});
    for (int i = 0; i < cache.Count(); ++i) cache.Item(i)->Age = i;
    cache.SetMaxAge(20);
    EXPECT_EQ(cache.Count(), 6);
    EXPECT_EQ(cache.MaxAge(), 20);
    cache.SetMaxAge(2);
    EXPECT_EQ(Keys(cache), (std::vector<std::string>{"A0", "A1", "A2"}));
    EXPECT_EQ(cache.MaxAge(), 2);
}

TEST(ImageCache, APictureUsedInEveryDocumentNeverLeaves) {
    TStringBitmapList cache;
    Fill(cache, {"KEPT", "UNUSED"});
    cache.SetMaxAge(1);
    for (int document = 0; document < 10; ++document) {
        cache.AgeAll();
        int index = -1;
        ASSERT_TRUE(cache.Find("KEPT", index));
        cache.ImageOf(index);
        EXPECT_EQ(cache.Item(index)->Age, 0);
    }
    EXPECT_EQ(Keys(cache), (std::vector<std::string>{"KEPT"}));
    cache.Clear();
    EXPECT_EQ(cache.Count(), 0);
}
