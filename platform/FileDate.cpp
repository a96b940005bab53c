#include "FileDate.h"

#include <sys/stat.h>

#include <ctime>

namespace platform {

std::optional<Date> FileModificationDate(const std::string& fileName) {
    struct stat info {};
    if (::stat(fileName.c_str(), &info) != 0) return std::nullopt;
    std::tm local{};
    if (!::localtime_r(&info.st_mtime, &local)) return std::nullopt;
    return Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace platform
