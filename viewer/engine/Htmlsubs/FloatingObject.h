#pragma once
// What the indentation manager reads and sets of an object that may float beside the text: the
// images in text derive from it.
#include <cstdint>

class TFloatingObj {
public:
    virtual ~TFloatingObj() = default;

    std::uint8_t Align = 0;      // image alignment; only 3 (left) and 4 (right) float
    std::int32_t BoxWidth = 0;   // width taken in layout
    std::int32_t BoxHeight = 0;  // height taken in layout
    std::int32_t HorzGap = 0;    // space kept between the float and the text
    std::int32_t FloatX = 0;     // offset from the column's left edge, set when it is placed
};
