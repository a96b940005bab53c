#include "HTMLUn2/ImageCache.h"

TBitmapItem::TBitmapItem(std::unique_ptr<platform::Bitmap> image, std::uint8_t maskKind,
                         std::unique_ptr<platform::Bitmap> mask)
    : MaskKind(maskKind), Image(std::move(image)), Mask(std::move(mask)) {}

void TStringBitmapList::DeleteOlderThan(std::int32_t maxAge) {
    for (int i = Count() - 1; i >= 0; --i)
        if (Item(i)->Age > maxAge) Delete(i);
}

void TStringBitmapList::SetMaxAge(std::int32_t maxAge) {
    DeleteOlderThan(maxAge);
    maxAge_ = maxAge;
}

platform::Bitmap* TStringBitmapList::ImageOf(int index) {
    TBitmapItem* item = Item(index);
    item->Age = 0;
    return item->Image.get();
}

void TStringBitmapList::AgeAll() {
    for (int i = Count() - 1; i >= 0; --i)
        if (++Item(i)->Age > maxAge_) Delete(i);
}
