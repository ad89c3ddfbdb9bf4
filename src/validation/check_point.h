#pragma once
// Whether a position lies in the country a notice names, with a tolerance near its borders, and
// the text that explains where the position actually lies.

#include "geo/world_map.h"
#include "notice/record.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ondrell {

// What geographic validation asks of the map. The program answers from the world map; tests
// answer from scripted tables.
class MapQueries {
  public:
    virtual ~MapQueries() = default;
    // False when the map could not be loaded: no position can be checked then.
    virtual bool HasMap() const = 0;
    // Symbol of the area containing the point, "" for the sea.
    virtual std::string AreaAt(double lon, double lat) const = 0;
    // At most 10 areas within 1000 km, nearest first.
    virtual std::vector<NearArea> NearAreas(double lon, double lat) const = 0;
    // Crossings of the closed polygon (closing point already appended), 0-based point indices.
    virtual std::vector<Crossing> Crossings(const std::vector<std::pair<double, double>> &points) const = 0;
};

// The program's answers: the loaded world map, or none (nullptr) when it could not be loaded.
class WorldMapQueries final : public MapQueries {
  public:
    explicit WorldMapQueries(const WorldMap *map) : map_(map) {}
    bool HasMap() const override { return map_ != nullptr; }
    std::string AreaAt(double lon, double lat) const override;
    std::vector<NearArea> NearAreas(double lon, double lat) const override;
    std::vector<Crossing> Crossings(const std::vector<std::pair<double, double>> &points) const override;

  private:
    const WorldMap *map_;
};

inline constexpr int kCountryToleranceKm = 10;        // a point checked against t_ctry
inline constexpr int kAdministrationToleranceKm = 20; // an Article 5 site checked against t_adm
inline constexpr double kNearSearchKm = 1000.0;
inline constexpr std::size_t kNearMaxCount = 10;

// Detail of a position that could not be checked because the map is missing or the text unreadable.
inline constexpr std::string_view kNoMapDetail = " cannot be checked: the world map could not be loaded";
inline constexpr std::string_view kUnreadableDetail = " cannot be checked: the coordinates cannot be read";

struct PointVerdict {
    bool accepted = false;
    std::string detail; // may be non-empty for an accepted point: the caller warns then
};

// The decision once the map has answered: areaAt is the area containing the point ("" for sea),
// near the neighbouring areas nearest first.
PointVerdict JudgePointInCountry(std::string_view areaAt, const std::vector<NearArea> &near,
                                 std::string_view country, int toleranceKm);

// Checks the position (lon, lat as four texts each) against the country. Empty seconds are set
// to "00" in place. Returns true when accepted; detail explains where the point lies, if needed.
bool CheckPointInCountry(const MapQueries &map, Coordinate &lon, Coordinate &lat, std::string_view country,
                         int toleranceKm, std::string &detail);
bool CheckPointInCountry(const WorldMap *map, Coordinate &lon, Coordinate &lat, std::string_view country,
                         int toleranceKm, std::string &detail);

} // namespace ondrell
