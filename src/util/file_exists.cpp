#include "util/file_exists.h"

#include <glob.h>
#include <sys/stat.h>

namespace ondrell {
namespace {

bool IsNonFolder(const char *path) {
    struct stat st {};
    return stat(path, &st) == 0 && !S_ISDIR(st.st_mode);
}

} // namespace

bool FileExists(const std::string &path) {
    if (path.empty())
        return false;
    // A path ending in a separator lists the folder itself, as a listing of "folder/*" would.
    const std::string pattern = path.back() == '/' ? path + "*" : path;
    if (pattern.find_first_of("*?") == std::string::npos)
        return IsNonFolder(pattern.c_str());
    glob_t found{};
    bool any = false;
    if (glob(pattern.c_str(), GLOB_NOSORT, nullptr, &found) == 0)
        for (size_t i = 0; i < found.gl_pathc && !any; ++i)
            any = IsNonFolder(found.gl_pathv[i]);
    globfree(&found);
    return any;
}

} // namespace ondrell
