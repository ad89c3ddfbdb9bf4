// crossings: the self-crossings of a sub-area contour read from stdin, one test point a line
// ("LON LAT" as signed texts), printed as the crossing pairs "p q" the validation reports.

#include "command.h"
#include "validation/check_point_coordinates.h"
#include "validation/geo_validation.h"

#include <iostream>
#include <sstream>
#include <string>

namespace {

int RunCrossings() {
    ondrell::SubAreaGroup subArea;
    subArea.present = true;
    std::string line;
    int lineNumber = 0;
    while (std::getline(std::cin, line)) {
        ++lineNumber;
        std::istringstream fields(line);
        std::string lon, lat, extra;
        if (!(fields >> lon))
            continue; // blank line
        if (!(fields >> lat) || (fields >> extra) || !ondrell::IsSignedLongitudeText(lon) ||
            !ondrell::IsSignedLatitudeText(lat)) {
            std::cerr << "crossings: line " << lineNumber << ": expected LON LAT such as +0050709 -461200\n";
            return 2;
        }
        subArea.test_points.push_back({true, lon, lat});
    }
    if (subArea.test_points.size() > static_cast<std::size_t>(ondrell::kMaxTestPoints)) {
        std::cerr << "crossings: a contour holds at most " << ondrell::kMaxTestPoints << " test points\n";
        return 2;
    }
    subArea.t_nb_test_pts = std::to_string(subArea.test_points.size());
    for (const auto &[p, q] : ondrell::ContourCrossingPairs(subArea, ondrell::WorldMapQueries(nullptr)))
        std::cout << p << ' ' << q << '\n';
    return 0;
}

const ondrell::tool::RegisterCommand kCrossings([](CLI::App &app) {
    app.add_subcommand("crossings", "List the self-crossings of a contour read from stdin (LON LAT a line)");
    return [] { return RunCrossings(); };
});

} // namespace
