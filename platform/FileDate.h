#pragma once
#include <optional>
#include <string>

namespace platform {

struct Date {
    int year;
    int month;  // 1 to 12
    int day;    // 1 to 31
};

// The local date of a file's last modification; none when the file cannot be examined.
std::optional<Date> FileModificationDate(const std::string& fileName);

}  // namespace platform
