#include "HTMLUn2/UrlTarget.h"

void TUrlTarget::Assign(const std::optional<std::string>& url, const std::optional<std::string>& target) {
    if (url) Url = *url;
    if (target) Target = *target;
}

void TUrlTarget::Clear() {
    Url.clear();
    Target.clear();
}
