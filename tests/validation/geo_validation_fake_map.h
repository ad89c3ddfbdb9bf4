#pragma once
// A scripted map for the geographic rules: fixed answers at fixed positions, sea elsewhere.

#include "checks/coordinates.h"
#include "validation/check_point.h"
#include "validation/check_point_coordinates.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace ondrell::fake {

// Position of a pair of signed coordinate texts, read the way the rules read them.
inline MapPoint PointOf(const std::string &signedLong, const std::string &signedLat) {
    return ReadMapText(MapCoordText(signedLong, signedLat)).value();
}

class FakeMap final : public MapQueries {
  public:
    struct Place {
        MapPoint at;
        std::string area;
        std::vector<NearArea> near;
    };

    void Put(const std::string &signedLong, const std::string &signedLat, std::string area,
             std::vector<NearArea> near) {
        places.push_back({PointOf(signedLong, signedLat), std::move(area), std::move(near)});
    }

    bool HasMap() const override { return hasMap; }
    std::string AreaAt(double lon, double lat) const override {
        const Place *p = Find(lon, lat);
        return p ? p->area : std::string();
    }
    std::vector<NearArea> NearAreas(double lon, double lat) const override {
        const Place *p = Find(lon, lat);
        return p ? p->near : std::vector<NearArea>();
    }
    std::vector<Crossing> Crossings(const std::vector<std::pair<double, double>> &points) const override {
        polygons.push_back(points);
        return crossings;
    }

    bool hasMap = true;
    std::vector<Place> places;
    std::vector<Crossing> crossings;
    mutable std::vector<std::vector<std::pair<double, double>>> polygons;

  private:
    const Place *Find(double lon, double lat) const {
        for (const auto &p : places)
            if (std::abs(p.at.lon - lon) < 1e-6 && std::abs(p.at.lat - lat) < 1e-6)
                return &p;
        return nullptr;
    }
};

} // namespace ondrell::fake
