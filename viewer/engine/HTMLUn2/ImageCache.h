#pragma once
// The image cache: decoded pictures by key (the image source, upper-cased and trimmed), kept
// from one document to the next until MaxAge documents in a row have not used them.
#include <cstdint>
#include <memory>

#include "platform/Bitmap.h"
#include "platform/StringList.h"

class TBitmapItem : public platform::Object {
  public:
    TBitmapItem(std::unique_ptr<platform::Bitmap> image, std::uint8_t maskKind,
                std::unique_ptr<platform::Bitmap> mask);

    // Documents loaded since the picture was last used.
    std::int32_t Age = 0;
    // 0 no mask, 1 made from the bottom-left pixel, 2 from the GIF's transparent colour.
    std::uint8_t MaskKind;
    std::unique_ptr<platform::Bitmap> Image;
    std::unique_ptr<platform::Bitmap> Mask;  // 1 where the picture is transparent
};

// Its owner switches it to sorted mode; the entries' objects are TBitmapItems that it owns.
class TStringBitmapList : public platform::StringList {
  public:
    std::int32_t MaxAge() const { return maxAge_; }
    // Frees the entries older than maxAge, from the last to the first, and keeps the limit.
    void SetMaxAge(std::int32_t maxAge);
    // The entry's picture, still owned here; the entry counts as used.
    platform::Bitmap* ImageOf(int index);
    // One more document: every entry ages by one and those older than MaxAge are freed.
    void AgeAll();
    TBitmapItem* Item(int index) const { return static_cast<TBitmapItem*>(Objects(index)); }

  private:
    void DeleteOlderThan(std::int32_t maxAge);
    std::int32_t maxAge_ = 4;
};
