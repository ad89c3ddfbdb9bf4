#pragma once

#include <string>

namespace ondrell {

// True when the path (whose last part may hold the wildcards * and ?) names at least one entry that
// is not a folder; false for folders, missing entries and any error while asking. A path ending in "/" asks
// for the folder's listing: true when it holds a file whose name does not begin with ".".
bool FileExists(const std::string &path);

} // namespace ondrell
