#pragma once
// What --version and the version command print: "name version" first, as man page generators
// expect, then the identification the program writes into every notice file.

#include "util/program_id.h"

#include <string>

namespace ondrell::tool {

inline std::string VersionText() {
    return std::string("ondrell-tool ") + ONDRELL_VERSION + "\n" + std::string(kProgramIdentification);
}

} // namespace ondrell::tool
