#pragma once
// A link: its address and the name of its target frame. An empty address is no link.
#include <optional>
#include <string>

class TUrlTarget {
public:
    std::string Url;
    std::string Target;

    // A given argument replaces its field; an absent one leaves it as it is.
    void Assign(const std::optional<std::string>& url, const std::optional<std::string>& target);
    void Clear();
};
