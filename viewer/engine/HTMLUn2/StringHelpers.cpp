#include "HTMLUn2/StringHelpers.h"

#include <algorithm>
#include <cctype>

#include "platform/Text.h"

std::string TrimBlanks(std::string_view text) { return platform::Trim(text); }

std::string UrlToFileName(std::string_view url) {
    if (url.find_first_of("/\\") == std::string_view::npos) return std::string(url);
    constexpr std::string_view kScheme = "file://";
    std::string name(url);
    const bool hasScheme = name.size() >= kScheme.size() &&
                           std::equal(kScheme.begin(), kScheme.end(), name.begin(), [](char a, char b) {
                               return a == std::tolower(static_cast<unsigned char>(b));
                           });
    if (hasScheme) name.erase(0, kScheme.size());
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}
