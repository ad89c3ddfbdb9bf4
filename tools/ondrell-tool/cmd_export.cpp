// export: writes the notices of electronic notice files as one GeoJSON FeatureCollection on
// standard output, one feature a line, so GIS tools open it as it is. Files are read a notice at a
// time. Exit 0, or 2 when a file cannot be read (the collection then holds what came before).

#include "command.h"
#include "geojson_features.h"

#include "geo/world_map.h"
#include "notice/notice_reader.h"
#include "validation/validate.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

struct ExportArgs {
    bool geojson = false;
    bool validate = false;
    std::vector<std::string> files;
};

std::string ExecutableDir() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : exe.parent_path().string();
}

class FeatureOutput {
  public:
    FeatureOutput() { std::fputs("{\"type\":\"FeatureCollection\",\"features\":[", stdout); }
    ~FeatureOutput() {
        std::fputs(first_ ? "]}\n" : "\n]}\n", stdout);
        std::fflush(stdout);
    }
    void Add(const nlohmann::ordered_json &feature) {
        std::fputs(first_ ? "\n" : ",\n", stdout);
        const std::string dumped =
            feature.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
        std::fwrite(dumped.data(), 1, dumped.size(), stdout);
        first_ = false;
    }

  private:
    bool first_ = true;
};

int RunExport(const ExportArgs &args) {
    std::optional<ondrell::WorldMap> map;
    if (args.validate) {
        std::string loadError;
        map = ondrell::WorldMap::Load(ondrell::DefaultMapPath(ExecutableDir()), &loadError);
        if (!map)
            std::fprintf(stderr, "export: the world map cannot be loaded (%s); every position is refused\n",
                         loadError.c_str());
    }
    bool unreadable = false;
    FeatureOutput output;
    for (const auto &file : args.files) {
        ondrell::NoticeFileReader reader;
        if (reader.Open(file)) {
            ondrell::ReadNotice notice;
            while (reader.Next(notice)) {
                std::optional<ondrell::ValidationOutcome> outcome;
                if (args.validate) {
                    ondrell::NoticeRecord checked = notice.record; // validation may amend what it checks
                    outcome = ondrell::ValidateNotice(checked, map ? &*map : nullptr);
                }
                for (const auto &feature :
                     ondrell::tool::NoticeFeatures(file, notice, outcome ? &*outcome : nullptr))
                    output.Add(feature);
            }
        }
        if (!reader.Error().empty()) {
            std::fprintf(stderr, "export: %s\n", reader.Error().c_str());
            unreadable = true;
        }
    }
    return unreadable ? 2 : 0;
}

const ondrell::tool::RegisterCommand kExport([](CLI::App &app) {
    auto args = std::make_shared<ExportArgs>();
    auto *cmd = app.add_subcommand(
        "export", "Write the sites, target positions and contours of electronic notice files as GeoJSON");
    cmd->footer("One FeatureCollection on stdout: sites and target positions as Points, a GA1 contour as a\n"
                "Polygon when closed, else a LineString. Exit 0, or 2 when a file cannot be read.");
    cmd->add_flag("--geojson", args->geojson, "GeoJSON (RFC 7946, WGS84, longitude first), the one format")
        ->required();
    cmd->add_flag("--validate", args->validate,
                  "Add to each feature the receivability verdict (receivable) and the messages of the "
                  "Validate button");
    cmd->add_option("files", args->files, "Electronic notice files")->required();
    return [args] { return RunExport(*args); };
});

} // namespace
