// validate: reads electronic notice files and runs on each notice the receivability validation of
// the Validate button, world map included. Prints, per notice, what the error-list window shows.
// Exit 0 when every notice is receivable, 1 when any is not, 2 when a file cannot be read or parsed.

#include "command.h"

#include "geo/world_map.h"
#include "notice/notice_reader.h"
#include "util/platform.h"
#include "validation/validate.h"

#include <nlohmann/json.hpp>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

struct ValidateArgs {
    bool json = false;
    std::vector<std::string> files;
};

std::string ExecutableDir() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : exe.parent_path().string();
}

std::string WithLf(const std::string &text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            out += text[i];
    return out;
}

// One line on a terminal, rewritten at most four times a second; silent otherwise.
class Progress {
  public:
    Progress() : shown_(ondrell::platform::StandardErrorIsTerminal()) {}
    ~Progress() { Clear(); }
    void Tick(long notices, const std::string &file) {
        if (!shown_ || (notices & 255) != 0)
            return;
        const auto now = std::chrono::steady_clock::now();
        if (now - last_ < std::chrono::milliseconds(250))
            return;
        last_ = now;
        std::fprintf(stderr, "\rvalidate: %ld notices, %s\033[K", notices, file.c_str());
        dirty_ = true;
    }
    void Clear() {
        if (dirty_)
            std::fputs("\r\033[K", stderr);
        dirty_ = false;
    }

  private:
    bool shown_;
    bool dirty_ = false;
    std::chrono::steady_clock::time_point last_ = std::chrono::steady_clock::now();
};

class Output {
  public:
    explicit Output(bool json) : json_(json) {
        if (json_)
            std::fputs("[", stdout);
    }
    void Notice(const std::string &file, const ondrell::ReadNotice &notice,
                const ondrell::ValidationOutcome &outcome) {
        const std::string &type = notice.record.t_notice_type;
        if (json_) {
            const nlohmann::ordered_json object = {{"file", file},
                                                   {"notice", notice.number},
                                                   {"notice_type", type},
                                                   {"receivable", outcome.receivable},
                                                   {"caption", outcome.caption},
                                                   {"text", outcome.text}};
            std::fputs(first_ ? "\n" : ",\n", stdout);
            const std::string dumped =
                object.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
            std::fwrite(dumped.data(), 1, dumped.size(), stdout);
        } else {
            std::string block = file + ": notice " + std::to_string(notice.number) + " " + type + ": " +
                                outcome.caption + "\n" + WithLf(outcome.text);
            if (!block.ends_with('\n'))
                block += '\n';
            block += '\n';
            std::fwrite(block.data(), 1, block.size(), stdout);
        }
        first_ = false;
    }
    ~Output() {
        if (json_)
            std::fputs(first_ ? "]\n" : "\n]\n", stdout);
        std::fflush(stdout);
    }

  private:
    bool json_;
    bool first_ = true;
};

int RunValidate(const ValidateArgs &args) {
    std::string loadError;
    const std::optional<ondrell::WorldMap> map =
        ondrell::WorldMap::Load(ondrell::DefaultMapPath(ExecutableDir()), &loadError);
    if (!map)
        std::fprintf(stderr, "validate: the world map cannot be loaded (%s); every position is refused\n",
                     loadError.c_str());

    bool unreadable = false, anyRefused = false;
    long count = 0;
    Progress progress;
    Output output(args.json);
    for (const auto &file : args.files) {
        ondrell::NoticeFileReader reader;
        if (reader.Open(file)) {
            ondrell::ReadNotice notice;
            while (reader.Next(notice)) {
                const ondrell::ValidationOutcome outcome =
                    ondrell::ValidateNotice(notice.record, map ? &*map : nullptr);
                anyRefused = anyRefused || !outcome.receivable;
                output.Notice(file, notice, outcome);
                progress.Tick(++count, file);
            }
        }
        if (!reader.Error().empty()) {
            progress.Clear();
            std::fflush(stdout);
            std::fprintf(stderr, "validate: %s\n", reader.Error().c_str());
            unreadable = true;
        }
    }
    return unreadable ? 2 : anyRefused ? 1 : 0;
}

const ondrell::tool::RegisterCommand kValidate([](CLI::App &app) {
    auto args = std::make_shared<ValidateArgs>();
    auto *cmd =
        app.add_subcommand("validate", "Validate every notice of electronic notice files as the Validate "
                                       "button does (exit 0 all receivable, 1 some not, 2 unreadable file)");
    cmd->add_flag("--json", args->json,
                  "Print one JSON array of {file, notice, notice_type, receivable, caption, text}");
    cmd->add_option("files", args->files, "Electronic notice files")->required();
    return [args] { return RunValidate(*args); };
});

} // namespace
