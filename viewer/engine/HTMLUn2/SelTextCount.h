#pragma once
// Receives the selected text piece by piece and counts the characters that copying it would
// give: the placeholders of images (4) and form controls (2) are no characters.
#include <cstdint>

class SelTextCount {
public:
    virtual ~SelTextCount() = default;
    virtual void AddText(const char* buffer, int length);
    virtual std::int32_t Terminate();

    std::int32_t Count = 0;
};

// Adds the text and then a line end, CR LF, which counts as two characters.
void AddTextCR(SelTextCount& sink, const char* buffer, int length);
