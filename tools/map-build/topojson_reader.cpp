#include "topojson_reader.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace ondrell::mapbuild {

namespace {

using nlohmann::json;

// Arcs are quantised and delta-encoded; decode them to degrees.
std::vector<Ring> DecodeArcs(const json &topology) {
    const auto &transform = topology.at("transform");
    const double sx = transform.at("scale")[0], sy = transform.at("scale")[1];
    const double tx = transform.at("translate")[0], ty = transform.at("translate")[1];
    std::vector<Ring> arcs;
    arcs.reserve(topology.at("arcs").size());
    for (const auto &arc : topology.at("arcs")) {
        Ring points;
        points.reserve(arc.size());
        long long x = 0, y = 0;
        for (const auto &delta : arc) {
            x += delta[0].get<long long>();
            y += delta[1].get<long long>();
            points.push_back({static_cast<double>(x) * sx + tx, static_cast<double>(y) * sy + ty});
        }
        arcs.push_back(std::move(points));
    }
    return arcs;
}

// A ring is a list of arc indices; ~i means arc i reversed. Consecutive arcs share their joint.
Ring AssembleRing(const json &indices, const std::vector<Ring> &arcs) {
    Ring ring;
    for (const auto &item : indices) {
        const int index = item.get<int>();
        const Ring &arc = arcs.at(static_cast<std::size_t>(index >= 0 ? index : ~index));
        Ring part(arc);
        if (index < 0)
            std::reverse(part.begin(), part.end());
        ring.insert(ring.end(), ring.empty() ? part.begin() : part.begin() + 1, part.end());
    }
    if (ring.size() > 1 && ring.front() == ring.back())
        ring.pop_back();
    return ring;
}

std::vector<Ring> AssemblePolygon(const json &rings, const std::vector<Ring> &arcs) {
    std::vector<Ring> polygon;
    for (const auto &ring : rings)
        polygon.push_back(AssembleRing(ring, arcs));
    return polygon;
}

} // namespace

std::vector<SourceFeature> ReadCountries(const std::string &path) {
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("boundary data not found: " + path +
                                 " (install it with: npm ci --prefix data)");
    json topology;
    try {
        in >> topology;
    } catch (const json::exception &e) {
        throw std::runtime_error(path + " is not valid JSON: " + e.what());
    }
    try {
        const auto arcs = DecodeArcs(topology);
        std::vector<SourceFeature> features;
        for (const auto &geometry : topology.at("objects").at("countries").at("geometries")) {
            SourceFeature feature;
            if (geometry.contains("id") && geometry["id"].is_string())
                feature.isoNumeric = std::stoi(geometry["id"].get<std::string>());
            feature.name = geometry.at("properties").at("name").get<std::string>();
            const std::string type = geometry.at("type");
            if (type == "Polygon")
                feature.polygons.push_back(AssemblePolygon(geometry.at("arcs"), arcs));
            else if (type == "MultiPolygon")
                for (const auto &polygon : geometry.at("arcs"))
                    feature.polygons.push_back(AssemblePolygon(polygon, arcs));
            features.push_back(std::move(feature));
        }
        return features;
    } catch (const std::exception &e) {
        throw std::runtime_error(path + " is not a countries topology: " + e.what());
    }
}

} // namespace ondrell::mapbuild
