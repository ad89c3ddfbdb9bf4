// locate: reads "LON LAT" lines (decimal degrees, east and north positive) on standard input and
// writes, per line, the area holding the point ("-" for the sea), then a tab and "SYMBOL KM" for
// each area within 1000 km, nearest first, separated by tabs.

#include "command.h"

#include "geo/world_map.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>

namespace {

std::string ExecutableDir() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

int Locate(const std::string &mapPath) {
    std::string error;
    const auto map =
        ondrell::WorldMap::Load(mapPath.empty() ? ondrell::DefaultMapPath(ExecutableDir()) : mapPath, &error);
    if (!map) {
        std::cerr << "locate: " << error << "\n";
        return 1;
    }
    std::string line;
    int status = 0;
    while (std::getline(std::cin, line)) {
        std::istringstream fields(line);
        double lon = 0, lat = 0;
        if (!(fields >> lon >> lat)) {
            std::cerr << "locate: expected \"LON LAT\", got: " << line << "\n";
            std::cout << "?\n";
            status = 1;
            continue;
        }
        const std::string area = map->AreaAt(lon, lat);
        std::cout << (area.empty() ? "-" : area);
        for (const auto &near : map->NearAreas(lon, lat)) {
            char km[32];
            std::snprintf(km, sizeof km, "%.1f", near.km);
            std::cout << '\t' << near.symbol << ' ' << km;
        }
        std::cout << '\n';
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
