// locate: reads "LON LAT" lines (decimal degrees, east and north positive) on standard input and
// writes, per line, the area holding the point ("-" for the sea), then a tab and "SYMBOL KM" for
// each area within 1000 km, nearest first, separated by tabs. A line that is not a point gets "?"
// and a message naming it; the exit status is then 1.

#include "command.h"
#include "point_lines.h"

#include "geo/world_map.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

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

// Points are answered a batch at a time in an order that keeps neighbours together, so that the
// map's trees stay in the processor's caches from one point to the next (random points answer in
// two thirds of the time); the answers still go out in the order of the lines. A batch bounds the
// memory whatever the input.
constexpr std::size_t kBatchPoints = 16384;

// The point's place along a Z-order curve over 2^16 x 2^16 cells of longitude and latitude.
std::uint32_t ZOrder(const ondrell::tool::DecimalPoint &p) {
    const auto cell = [](double value, double low, double span) {
        return static_cast<std::uint32_t>(std::clamp((value - low) / span, 0.0, 1.0) * 65535.0);
    };
    const std::uint32_t x = cell(p.lon, -180, 360), y = cell(p.lat, -90, 180);
    std::uint32_t z = 0;
    for (int bit = 0; bit < 16; ++bit)
        z |= ((x >> bit) & 1u) << (2 * bit) | ((y >> bit) & 1u) << (2 * bit + 1);
    return z;
}

class Batch {
  public:
    explicit Batch(const ondrell::WorldMap &map) : map_(map) {}

    void Add(const ondrell::tool::DecimalPoint &p) { points_.push_back(p); }
    bool Full() const { return points_.size() >= kBatchPoints; }

    // Answers the points and appends the answers to out in their order. On a damaged map only the
    // answers before the first point that met the damage (or came after it) go out, and the damage
    // is returned.
    std::string AnswerInto(std::string &out) {
        const std::size_t n = points_.size();
        order_.resize(n);
        for (std::size_t i = 0; i < n; ++i)
            order_[i] = {ZOrder(points_[i]), static_cast<std::uint32_t>(i)};
        std::sort(order_.begin(), order_.end());
        answers_.resize(n);
        std::size_t firstUnanswered = n;
        std::string damage;
        for (const auto &[key, i] : order_) {
            answers_[i].clear();
            AppendAnswer(map_, points_[i], answers_[i]);
            damage = map_.Damage();
            if (!damage.empty()) {
                // This answer came from a damaged map, and every one after it would too.
                firstUnanswered = i;
                for (const auto &[laterKey, later] : order_)
                    if (answers_[later].empty())
                        firstUnanswered = std::min<std::size_t>(firstUnanswered, later);
                break;
            }
        }
        for (std::size_t i = 0; i < std::min(n, firstUnanswered); ++i)
            out += answers_[i];
        points_.clear();
        for (auto &answer : answers_)
            answer.clear();
        return damage;
    }

  private:
    const ondrell::WorldMap &map_;
    std::vector<ondrell::tool::DecimalPoint> points_;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> order_;
    std::vector<std::string> answers_;
};

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
    Batch batch(*map);
    // Answers the points read so far; false after a damaged map was reported.
    const auto answerBatch = [&] {
        const std::string damage = batch.AnswerInto(out.Text());
        if (damage.empty()) {
            out.LineDone();
            return true;
        }
        out.Flush();
        std::cerr << "locate: " << damage << "\n";
        return false;
    };
    int status = 0;
    std::string_view line;
    for (LineReader::Status s; (s = lines.Next(&line)) != LineReader::Status::End;) {
        std::string reason = "longer than " + std::to_string(ondrell::tool::kMaxPointLine) + " characters";
        const auto point =
            s == LineReader::Status::Line ? ondrell::tool::ParseDecimalPoint(line, &reason) : std::nullopt;
        if (!point) {
            if (!answerBatch())
                return 1;
            out.Flush();
            std::cerr << "locate: line " << lines.Number() << ": " << reason << "\n";
            out.Text() += "?\n";
            status = 1;
            continue;
        }
        batch.Add(*point);
        if (batch.Full() && !answerBatch())
            return 1;
    }
    return answerBatch() ? status : 1;
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
