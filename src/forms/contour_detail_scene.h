#pragma once
// What the contour detail window draws, worked out from a GA1 notice record and the world map
// without any widget: the test points in decimal degrees, the region around them, the segments
// the crossing check objects to, the points the country check rejects, and the borders nearby.

#include "geo/world_map.h"
#include "notice/record.h"

#include <string>
#include <string_view>
#include <vector>

namespace ondrell {

// A signed coordinate text in decimal degrees: degrees + minutes/60 + seconds/3600, missing
// seconds read as 0; negative for West (a longitude not starting with "+") and for South (a
// latitude starting with "-").
double SignedLongitudeDegrees(std::string_view signedLong);
double SignedLatitudeDegrees(std::string_view signedLat);

// How the country check of the validation judges a test point.
enum class PointMark {
    Inside,  // in the country, or not checked (no map, no country)
    Near,    // accepted, but outside the country within the tolerance (a warning)
    Outside, // rejected (a fatal error)
};

// Where an area's symbol is written: a place inside the area near the middle of its part of the region.
struct AreaLabel {
    std::string symbol;
    double lon = 0, lat = 0;
};

struct ContourScene {
    std::string title;                                          // "Contour ID : " + the contour number
    std::vector<std::pair<double, double>> points;              // (lon, lat) of the N test points, in order
    std::vector<PointMark> marks;                               // one per point
    std::vector<std::pair<std::size_t, std::size_t>> crossings; // segments (from, to) that cross
    bool closingSegment = false;                                // the check closes the contour from N to 1
    LonLatBox region;  // the contour with a margin of a fifth of its extent on every side
    double cosLat = 1; // a degree of longitude is this fraction of a degree of latitude on the ground
    std::string country;
    std::vector<AreaBorder> borders; // every border within twice the region, the country's included
    std::vector<AreaLabel> labels;   // the areas the region covers
};

// The scene for a record, from its first N test points (N = the record's number of test points).
// Borders, marks need the map (may be null); crossings need none.
ContourScene BuildContourScene(const NoticeRecord &record, const WorldMap *map);

// The region stretched in one direction so that its shape on the ground matches a width x height
// plot (both > 0), with the same centre.
LonLatBox FitToAspect(const LonLatBox &region, double cosLat, double width, double height);

// Evenly spaced round values within [lo, hi]: the finest step of 1, 2 or 5 times a power of ten
// that gives at most maxCount of them; the step is returned through *step when given.
std::vector<double> AxisTicks(double lo, double hi, int maxCount, double *step = nullptr);

} // namespace ondrell
