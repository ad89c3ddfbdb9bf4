#include "command.h"
#include "tool_version.h"
#include "util/platform.h"

#include <iostream>

namespace ondrell::tool {
std::vector<CommandSetup> &Commands() {
    static std::vector<CommandSetup> commands;
    return commands;
}
} // namespace ondrell::tool

int main(int argc, char **argv) {
    // The same bytes on every system: the outputs are read by programs, not only by people.
    ondrell::platform::UseBinaryStdout();
    CLI::App app{"ondrell-tool: command-line companion of the Ondrell notice program", "ondrell-tool"};
    app.require_subcommand(1);
    app.set_version_flag("--version", ondrell::tool::VersionText(),
                         "Print the program identification and exit");
    std::vector<std::pair<CLI::App *, std::function<int()>>> runners;
    for (auto &setup : ondrell::tool::Commands()) {
        const auto before = app.get_subcommands({}).size();
        auto run = setup(app);
        auto subs = app.get_subcommands({});
        if (subs.size() > before) {
            const std::string own = subs.back()->get_footer();
            subs.back()->footer((own.empty() ? "" : own + "\n\n") + ondrell::tool::VersionText());
            runners.emplace_back(subs.back(), std::move(run));
        }
    }
    // Set after the commands are made, so they do not inherit it.
    app.footer("Each command has its own --help. The world map ondrell.map is read from $ONDRELL_MAP_FILE\n"
               "when set, else beside the program, else from the installed data folder.");
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
