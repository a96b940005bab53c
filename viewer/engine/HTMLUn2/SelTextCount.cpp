#include "HTMLUn2/SelTextCount.h"

namespace {

constexpr char kControlPlaceholder = 2;
constexpr char kImagePlaceholder = 4;

}  // namespace

void SelTextCount::AddText(const char* buffer, int length) {
    for (int i = 0; i < length; ++i)
        if (buffer[i] != kControlPlaceholder && buffer[i] != kImagePlaceholder) ++Count;
}

std::int32_t SelTextCount::Terminate() { return Count; }

void AddTextCR(SelTextCount& sink, const char* buffer, int length) {
    sink.AddText(buffer, length);
    sink.AddText("\r\n", 2);
}
