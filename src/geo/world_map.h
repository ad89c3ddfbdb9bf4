#pragma once
// The world map: which area contains a point, which areas lie near it, and polygon crossings.
// Positions are decimal degrees, longitude east-positive and latitude north-positive.
// Areas are named by the agreement's symbols ("F", "POR", "AZR", "XWB", "CHN", ...).

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ondrell {

struct NearArea {
    std::string symbol;
    double km = 0; // geodesic distance on WGS84 from the point to the area's nearest boundary
};

// A rectangle of decimal degrees, west <= east (a box across the antimeridian is not supported).
struct LonLatBox {
    double west = 0, south = 0, east = 0, north = 0;
};

using Polyline = std::vector<std::pair<double, double>>; // (lon, lat) vertices

// The boundary lines of one area that pass through a box.
struct AreaBorder {
    std::string symbol;
    std::vector<Polyline> lines;
};

// How much of a map file Load checks before using it. Either way every index a query reads is
// bounded, so a damaged file never crashes or hangs a query.
enum class MapCheck {
    Tables, // header, area table and area tree against their checksums, and the section bounds
    Full,   // also every large table against its checksum: reads the whole file (about 53 MB)
};

// Whether the program keeps its own copy of the map file or maps the file itself. A copy costs
// about 30 ms at load and survives someone copying another file over the map while the program
// runs; a mapping costs nothing at load, but a file truncated under it ends the program (SIGBUS).
// Replacing the file by renaming a new one over it (as the builder does) is safe either way.
enum class MapAccess { Copy, Map };

class WorldMap {
  public:
    ~WorldMap();
    WorldMap(WorldMap &&) noexcept;
    WorldMap &operator=(WorldMap &&) noexcept;

    // Loads a map file written by the map converter; nullopt with a reason in *error on failure.
    static std::optional<WorldMap> Load(const std::string &path, std::string *error,
                                        MapCheck check = MapCheck::Full, MapAccess access = MapAccess::Copy);
    // The same from the bytes of a map file (copied); name stands for the file in messages.
    static std::optional<WorldMap> FromBytes(std::string_view bytes, const std::string &name,
                                             std::string *error, MapCheck check = MapCheck::Full);

    // Empty while every query found the map whole; else why it is not ("<file> is damaged (...)").
    // Once a query has met damage, queries answer the sea and no near areas.
    std::string Damage() const;

    // Symbol of the area containing the point, or "" when it lies in the sea.
    std::string AreaAt(double lon, double lat) const;

    // Areas whose boundary lies within radiusKm of the point, nearest first, at most maxCount.
    // The area containing the point (if any) is among them with its distance to its own boundary.
    std::vector<NearArea> NearAreas(double lon, double lat, double radiusKm = 1000.0,
                                    std::size_t maxCount = 10) const;

    // Every symbol the map holds.
    std::vector<std::string> Symbols() const;

    // The area's boundary edges that meet the box, joined into connected lines (map_border_lines.cpp).
    // Empty for an unknown symbol or an area with no boundary there.
    std::vector<Polyline> BorderLines(std::string_view symbol, const LonLatBox &box) const;
    // Every area with a boundary edge meeting the box, with those lines, in symbol order.
    std::vector<AreaBorder> BordersInBox(const LonLatBox &box) const;

    struct Impl;

  private:
    explicit WorldMap(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

inline constexpr const char *kMapFileName = "ondrell.map";

// Where the program looks for its map: $ONDRELL_MAP_FILE when set, else "ondrell.map" beside the
// executable (exeDir is the executable's folder) when it is there, else in the installed data
// folder (share/ondrell next to bin) when that folder exists, else beside the executable again.
std::string DefaultMapPath(const std::string &exeDir);

struct Crossing {
    int p = 0; // segment p -> p+1 crosses segment q -> q+1 (0-based point indices)
    int q = 0;
};

// Crossings of the closed polygon through points (lon, lat): non-adjacent segments that intersect,
// and repeated points. The caller passes the points with the closing point already appended.
std::vector<Crossing> PolygonCrossings(const std::vector<std::pair<double, double>> &points);

} // namespace ondrell
