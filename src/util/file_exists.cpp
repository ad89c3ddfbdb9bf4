#include "util/file_exists.h"

#include "util/platform.h"

#include <filesystem>
#include <system_error>

namespace ondrell {
namespace {

bool IsSeparator(char c) {
    return c == '/' || (std::filesystem::path::preferred_separator == '\\' && c == '\\');
}

bool IsNonFolder(const std::string &path) {
    std::error_code error;
    const auto status = std::filesystem::status(platform::PathFromUtf8(path), error);
    return !error && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

} // namespace

bool FileExists(const std::string &path) {
    if (path.empty())
        return false;
    // A path ending in a separator lists the folder itself, as a listing of "folder/*" would.
    const std::string pattern = IsSeparator(path.back()) ? path + "*" : path;
    if (pattern.find_first_of("*?") == std::string::npos)
        return IsNonFolder(pattern);
    size_t cut = pattern.size();
    while (cut > 0 && !IsSeparator(pattern[cut - 1]))
        --cut;
    for (const platform::FolderEntry &entry :
         platform::ListFolder(pattern.substr(0, cut), pattern.substr(cut)))
        if (!entry.isFolder)
            return true;
    return false;
}

} // namespace ondrell
