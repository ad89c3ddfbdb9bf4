#include "command.h"

#include <iostream>

namespace ondrell::tool {
std::vector<CommandSetup> &Commands() {
    static std::vector<CommandSetup> commands;
    return commands;
}
} // namespace ondrell::tool

int main(int argc, char **argv) {
    CLI::App app{"ondrell-tool: command-line companion of the Ondrell notice program"};
    app.require_subcommand(1);
    std::vector<std::pair<CLI::App *, std::function<int()>>> runners;
    for (auto &setup : ondrell::tool::Commands()) {
        const auto before = app.get_subcommands({}).size();
        auto run = setup(app);
        auto subs = app.get_subcommands({});
        if (subs.size() > before)
            runners.emplace_back(subs.back(), std::move(run));
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &e) {
        return app.exit(e) == 0 ? 0 : 2;
    }
    for (auto &[sub, run] : runners)
        if (sub->parsed())
            return run();
    return 2;
}
