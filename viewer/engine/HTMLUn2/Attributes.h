#pragma once
// The attributes of one tag, in the order they were written.
#include <cstdint>
#include <string>

#include "HTMLUn2/FreeList.h"

class TAttribute {
public:
    TAttribute(std::uint8_t code, std::string textValue, std::int32_t numValue)
        : Code(code), NumValue(numValue), TextValue(std::move(textValue)) {}

    std::uint8_t Code;       // the attribute's symbol
    std::int32_t NumValue;   // the value as a number, 0 when it is none
    std::string TextValue;   // the value as written, empty when there is none
};

class TAttributeList : public TFreeList<TAttribute> {
public:
    // The first attribute of that code, still owned by the list; attribute stays as it was
    // when there is none.
    bool Find(std::uint8_t code, TAttribute*& attribute) const;
};
