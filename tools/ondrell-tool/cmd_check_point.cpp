// check-point: is a position inside a country, as geographic validation decides it.
// Prints "accepted" or "rejected", a tab and the position detail; exit 0, 1, or 2 on bad input.

#include "command.h"
#include "geo/world_map.h"
#include "validation/check_point.h"
#include "validation/check_point_coordinates.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

namespace {

struct CheckPointArgs {
    std::string country;
    int toleranceKm = ondrell::kCountryToleranceKm;
    std::string lon;
    std::string lat;
};

std::string ExecutableDir() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : exe.parent_path().string();
}

int RunCheckPoint(const CheckPointArgs &args) {
    if (!ondrell::IsSignedLongitudeText(args.lon) || !ondrell::IsSignedLatitudeText(args.lat)) {
        std::cerr
            << "check-point: LON must read sign DDDMM[SS] and LAT sign DDMM[SS], e.g. +0050709 -461200\n";
        return 2;
    }
    if (args.toleranceKm < 0) {
        std::cerr << "check-point: the tolerance must not be negative\n";
        return 2;
    }
    std::string loadError;
    const auto map = ondrell::WorldMap::Load(ondrell::DefaultMapPath(ExecutableDir()), &loadError);
    if (!map)
        std::cerr << "check-point: " << loadError << "\n";

    ondrell::Coordinate lon = ondrell::SplitSignedLongitude(args.lon);
    ondrell::Coordinate lat = ondrell::SplitSignedLatitude(args.lat);
    std::string detail;
    const bool accepted =
        ondrell::CheckPointInCountry(map ? &*map : nullptr, lon, lat, args.country, args.toleranceKm, detail);
    std::cout << (accepted ? "accepted" : "rejected") << '\t' << detail << '\n';
    return accepted ? 0 : 1;
}

const ondrell::tool::RegisterCommand kCheckPoint([](CLI::App &app) {
    auto args = std::make_shared<CheckPointArgs>();
    auto *cmd = app.add_subcommand("check-point", "Check whether a position lies in a country");
    cmd->add_option("--country", args->country, "Expected country symbol, e.g. F, POR, KAZ")->required();
    cmd->add_option("--tolerance", args->toleranceKm, "Tolerance in km near the border")
        ->capture_default_str();
    cmd->add_option("lon", args->lon, "Longitude, signed text such as +0050709 (put -- before signed texts)")
        ->required();
    cmd->add_option("lat", args->lat, "Latitude, signed text such as -461200")->required();
    return [args] { return RunCheckPoint(*args); };
});

} // namespace
