// locate: reads "LON LAT" lines (decimal degrees, east and north positive) on standard input and
// writes, per line, the area holding the point ("-" for the sea), then a tab and "SYMBOL KM" for
// each area within 1000 km, nearest first, separated by tabs. A line that is not a point gets "?"
// and a message naming it; the exit status is then 1.

#include "command.h"
#include "point_lines.h"

#include "geo/world_map.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

std::string ExecutableDir() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

// Standard output in large writes rather than one per line.
class Output {
  public:
    ~Output() { Flush(); }
    std::string &Text() { return text_; }
    void LineDone() {
        if (text_.size() >= 1 << 16)
            Flush();
    }
    void Flush() {
        std::fwrite(text_.data(), 1, text_.size(), stdout);
        std::fflush(stdout);
        text_.clear();
    }

  private:
    std::string text_;
};

void AppendAnswer(const ondrell::WorldMap &map, const ondrell::tool::DecimalPoint &p, std::string &out) {
    const std::string area = map.AreaAt(p.lon, p.lat);
    out += area.empty() ? "-" : area;
    for (const auto &near : map.NearAreas(p.lon, p.lat)) {
        char km[32];
        const auto end = std::to_chars(km, km + sizeof km, near.km, std::chars_format::fixed, 1).ptr;
        out += '\t';
        out += near.symbol;
        out += ' ';
        out.append(km, end);
    }
    out += '\n';
}

int Locate(const std::string &mapPath) {
    std::string error;
    const auto map =
        ondrell::WorldMap::Load(mapPath.empty() ? ondrell::DefaultMapPath(ExecutableDir()) : mapPath, &error);
    if (!map) {
        std::cerr << "locate: " << error << "\n";
        return 1;
    }
    using ondrell::tool::LineReader;
    LineReader lines(stdin, ondrell::tool::kMaxPointLine);
    Output out;
    int status = 0;
    std::string_view line;
    for (LineReader::Status s; (s = lines.Next(&line)) != LineReader::Status::End;) {
        std::string reason = "longer than " + std::to_string(ondrell::tool::kMaxPointLine) + " characters";
        const auto point =
            s == LineReader::Status::Line ? ondrell::tool::ParseDecimalPoint(line, &reason) : std::nullopt;
        if (!point) {
            out.Flush();
            std::cerr << "locate: line " << lines.Number() << ": " << reason << "\n";
            out.Text() += "?\n";
            status = 1;
            continue;
        }
        const std::size_t before = out.Text().size();
        AppendAnswer(*map, *point, out.Text());
        if (const std::string damage = map->Damage(); !damage.empty()) {
            out.Text().resize(before); // that answer came from a damaged map
            out.Flush();
            std::cerr << "locate: " << damage << "\n";
            return 1;
        }
        out.LineDone();
    }
    return status;
}

const ondrell::tool::RegisterCommand kLocate([](CLI::App &app) {
    auto *cmd = app.add_subcommand(
        "locate", "Find the area holding each LON LAT point read on stdin, and the areas near it");
    auto mapPath = std::make_shared<std::string>();
    cmd->add_option(
        "--map", *mapPath,
        "Map file (default: $ONDRELL_MAP_FILE, else ondrell.map beside the program, else the installed one)");
    return [mapPath] { return Locate(*mapPath); };
});

} // namespace
