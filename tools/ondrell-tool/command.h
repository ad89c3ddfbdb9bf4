#pragma once
// Sub-commands of ondrell-tool register themselves here from their own source file,
// so adding one never touches main.cpp.

#include <CLI/CLI.hpp>

#include <functional>
#include <vector>

namespace ondrell::tool {

// Adds a sub-command to the app; returns the function main() runs when it was chosen.
// That function returns the process exit status.
using CommandSetup = std::function<std::function<int()>(CLI::App &)>;

std::vector<CommandSetup> &Commands();

struct RegisterCommand {
    explicit RegisterCommand(CommandSetup setup) { Commands().push_back(std::move(setup)); }
};

} // namespace ondrell::tool
