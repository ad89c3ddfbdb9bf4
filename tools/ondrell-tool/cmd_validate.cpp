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
#include <string_view>
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

// Appends text with every CR LF written as LF.
void AppendWithLf(std::string &out, std::string_view text) {
    for (size_t crlf; (crlf = text.find("\r\n")) != std::string_view::npos; text.remove_prefix(crlf + 1))
        out.append(text.substr(0, crlf));
    out.append(text);
}

bool IsUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const size_t length = b < 0x80           ? 1
                              : (b >> 5) == 0x6  ? 2
                              : (b >> 4) == 0xE  ? 3
                              : (b >> 3) == 0x1E ? 4
                                                 : 0;
        if (length == 0 || i + length > text.size())
            return false;
        char32_t c = length == 1 ? b : b & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (next & 0x3F);
        }
        const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

// Appends text as a JSON string, escaped as the JSON library writes it; text that is not UTF-8 is
// left to the library, which puts U+FFFD for what it cannot read.
void AppendJsonString(std::string &out, std::string_view text) {
    if (!IsUtf8(text)) {
        out +=
            nlohmann::json(std::string(text)).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        return;
    }
    out += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    out += '"';
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

// Writes through one buffer, emptied to standard output when it grows past a few pages: one
// system call for many notices, and no text or JSON object built and thrown away per notice.
class Output {
  public:
    explicit Output(bool json) : json_(json) {
        buffer_.reserve(2 * kFlushBytes);
        if (json_)
            buffer_ += '[';
    }
    void Notice(const std::string &file, const ondrell::ReadNotice &notice,
                const ondrell::ValidationOutcome &outcome) {
        const std::string &type = notice.record.t_notice_type;
        if (json_) {
            buffer_ += first_ ? "\n" : ",\n";
            buffer_ += "{\"file\":";
            AppendJsonString(buffer_, file);
            buffer_ += ",\"notice\":";
            buffer_ += std::to_string(notice.number);
            buffer_ += ",\"notice_type\":";
            AppendJsonString(buffer_, type);
            buffer_ += outcome.receivable ? ",\"receivable\":true,\"caption\":"
                                          : ",\"receivable\":false,\"caption\":";
            AppendJsonString(buffer_, outcome.caption);
            buffer_ += ",\"text\":";
            AppendJsonString(buffer_, outcome.text);
            buffer_ += '}';
        } else {
            buffer_ += file;
            buffer_ += ": notice ";
            buffer_ += std::to_string(notice.number);
            buffer_ += ' ';
            buffer_ += type;
            buffer_ += ": ";
            buffer_ += outcome.caption;
            buffer_ += '\n';
            AppendWithLf(buffer_, outcome.text);
            if (buffer_.back() != '\n')
                buffer_ += '\n';
            buffer_ += '\n';
        }
        first_ = false;
        if (buffer_.size() >= kFlushBytes)
            Flush();
    }
    // Everything so far on standard output (before a message goes to standard error).
    void Flush() {
        std::fwrite(buffer_.data(), 1, buffer_.size(), stdout);
        std::fflush(stdout);
        buffer_.clear();
    }
    ~Output() {
        if (json_)
            buffer_ += first_ ? "]\n" : "\n]\n";
        Flush();
    }

  private:
    static constexpr size_t kFlushBytes = 64 * 1024;
    bool json_;
    bool first_ = true;
    std::string buffer_;
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
            output.Flush();
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
