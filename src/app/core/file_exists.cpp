#include "app/core/file_exists.h"

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
    if (path.find_first_of("*?") == std::string::npos)
        return IsNonFolder(path.c_str());
    glob_t found{};
    bool any = false;
    if (glob(path.c_str(), GLOB_NOSORT, nullptr, &found) == 0)
        for (size_t i = 0; i < found.gl_pathc && !any; ++i)
            any = IsNonFolder(found.gl_pathv[i]);
    globfree(&found);
    return any;
}

} // namespace ondrell
