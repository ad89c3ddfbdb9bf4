#include "command.h"

#include <iostream>

namespace {
const ondrell::tool::RegisterCommand kVersion([](CLI::App &app) {
    app.add_subcommand("version", "Print the program identification");
    return [] {
        std::cout << "ondrell-tool 0.1.0\n";
        return 0;
    };
});
} // namespace
