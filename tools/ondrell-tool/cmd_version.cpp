#include "command.h"
#include "tool_version.h"

#include <iostream>

namespace {
const ondrell::tool::RegisterCommand kVersion([](CLI::App &app) {
    app.add_subcommand("version", "Print the program identification (as --version does)");
    return [] {
        std::cout << ondrell::tool::VersionText() << '\n';
        return 0;
    };
});
} // namespace
