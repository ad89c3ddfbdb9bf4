// The converter on small inputs: cuts, the antimeridian, area rules and the TopoJSON reader.

#include "area_symbols.h"
#include "geometry.h"
#include "topojson_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>

namespace ondrell::mapbuild {
namespace {

Ring Square(double lon0, double lat0, double size) {
    return {{lon0, lat0}, {lon0 + size, lat0}, {lon0 + size, lat0 + size}, {lon0, lat0 + size}};
}

double Area(const std::vector<Ring> &rings) {
    double sum = 0;
    for (const auto &r : rings)
        sum += std::abs(SignedArea2(r)) / 2;
    return sum;
}

TEST(MapBuildGeometryTest, ClipKeepsOneSideAndPutsTheCutOnTheLine) {
    const Ring square = Square(0, 0, 2);
    const Ring west = ClipRing(square, true, 0.5, false);
    EXPECT_DOUBLE_EQ(std::abs(SignedArea2(west)) / 2, 1.0);
    for (const auto &p : west)
        EXPECT_LE(p.lon, 0.5);
    const Ring north = ClipRing(square, false, 1.5, true);
    EXPECT_DOUBLE_EQ(std::abs(SignedArea2(north)) / 2, 1.0);
    EXPECT_TRUE(ClipRing(square, true, 3, true).empty());
}

TEST(MapBuildGeometryTest, RingsAcrossTheAntimeridianSplitIntoTwoWindows) {
    // 178 E to 178 W, drawn as it comes from the source: longitudes jump from 180 to -180.
    const Ring across = {{178, 60}, {-178, 60}, {-178, 62}, {178, 62}};
    const auto windows = SplitAtAntimeridian({across});
    ASSERT_EQ(windows.size(), 2u);
    double total = 0;
    for (const auto &rings : windows) {
        const Box box = BoundsOf(rings);
        EXPECT_GE(box.minLon, -180);
        EXPECT_LE(box.maxLon, 180);
        EXPECT_TRUE(box.minLon == -180 || box.maxLon == 180);
        total += Area(rings);
    }
    EXPECT_NEAR(total, 8.0, 1e-9);
}

TEST(MapBuildGeometryTest, RingsAroundAPoleCloseAlongIt) {
    // A ring circling the south pole, as Antarctica's outline does.
    const Ring polar = {{-180, -70}, {-90, -72}, {0, -70}, {90, -72}, {179.9, -70}};
    const auto windows = SplitAtAntimeridian({polar});
    ASSERT_EQ(windows.size(), 1u);
    const Box box = BoundsOf(windows.front());
    EXPECT_EQ(box.minLat, -90);
    EXPECT_GT(Area(windows.front()), 359 * 18);
}

TEST(MapBuildGeometryTest, OrdinaryRingsPassUnchanged) {
    const std::vector<Ring> polygon = {Square(10, 10, 1), Square(10.2, 10.2, 0.1)};
    const auto windows = SplitAtAntimeridian(polygon);
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows.front(), polygon);
}

TEST(MapBuildSymbolsTest, FeaturesAreNamedByTheAgreementsSymbols) {
    const std::pair<int, const char *> byIso[] = {
        {276, "D"},   {250, "F"},   {826, "G"},   {752, "S"},   {380, "I"},   {724, "E"},
        {620, "POR"}, {710, "AFS"}, {408, "KRE"}, {392, "J"},   {156, "CHN"}, {728, "SSD"},
        {732, "AOE"}, {292, "GIB"}, {234, "FRO"}, {840, "USA"},
    };
    for (const auto &[iso, symbol] : byIso)
        EXPECT_EQ(FeatureSymbol(iso, "whatever"), symbol) << iso;
    EXPECT_EQ(FeatureSymbol(-1, "Kosovo"), "SRB");
    EXPECT_EQ(FeatureSymbol(-1, "N. Cyprus"), "CYP");
    EXPECT_EQ(FeatureSymbol(-1, "Nowhere"), "");
    EXPECT_EQ(FeatureSymbol(999, "Kosovo"), ""); // names only stand in for a missing id
}

std::map<std::string, int> SymbolCounts(const std::vector<AreaPolygon> &areas) {
    std::map<std::string, int> counts;
    for (const auto &a : areas)
        ++counts[a.symbol];
    return counts;
}

TEST(MapBuildSymbolsTest, SpecialAreasAreCutOutByPosition) {
    SourceFeature portugal{620, "Portugal", {}};
    portugal.polygons = {
        {Square(-9, 38, 1)}, {Square(-26, 37.5, 0.5)}, {Square(-17, 32.6, 0.3)}, {Square(-16, 30, 0.05)}};
    SourceFeature spain{
        724, "Spain", {{Square(-4, 40, 1)}, {Square(-15.6, 27.8, 0.3)}, {Square(-5.35, 35.87, 0.03)}}};
    SourceFeature helena{654,
                         "Saint Helena",
                         {{Square(-14.4, -8, 0.1)}, {Square(-5.8, -16, 0.1)}, {Square(-12.3, -37.2, 0.1)}}};
    SourceFeature palestine{275, "Palestine", {{Square(34.3, 31.3, 0.2)}, {Square(35, 31.5, 0.5)}}};
    SourceFeature france{
        250, "France", {{Square(2, 47, 1)}, {Square(55.3, -21.3, 0.4)}, {Square(45, -13, 0.2)}}};
    const auto counts = SymbolCounts(AssignAreas({portugal, spain, helena, palestine, france}));
    const std::map<std::string, int> expected = {
        {"POR", 1}, {"AZR", 1}, {"MDR", 2}, {"E", 2}, {"CNR", 1}, {"ASC", 1}, {"SHN", 1},
        {"TRC", 1}, {"XGZ", 1}, {"XWB", 1}, {"F", 1}, {"REU", 1}, {"MYT", 1},
    };
    EXPECT_EQ(counts, expected);
}

TEST(MapBuildSymbolsTest, MoroccoIsCutAtWesternSaharasNorthernBorder) {
    SourceFeature morocco{504, "Morocco", {{Square(-14, 24, 8)}}};
    const auto areas = AssignAreas({morocco});
    ASSERT_EQ(areas.size(), 2u);
    for (const auto &a : areas) {
        const Box box = BoundsOf(a.rings);
        if (a.symbol == "MRC")
            EXPECT_NEAR(box.minLat, 27.661, 1e-3);
        else
            EXPECT_EQ(a.symbol, "AOE");
    }
}

TEST(MapBuildSymbolsTest, CollapsedTerritoryIsWidenedAndUnknownOnesAreRefused) {
    SourceFeature vatican{336, "Vatican", {{{{12.4543, 41.9026}, {12.4543, 41.9043}}}}};
    const auto areas = AssignAreas({vatican});
    ASSERT_EQ(areas.size(), 1u);
    EXPECT_EQ(areas[0].symbol, "CVA");
    EXPECT_GT(std::abs(SignedArea2(areas[0].rings.at(0))), 0);
    EXPECT_THROW(AssignAreas({SourceFeature{-1, "Atlantis", {{Square(0, 0, 1)}}}}), std::runtime_error);
}

std::string WriteTemp(const std::string &name, const std::string &text) {
    const auto path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path) << text;
    return path.string();
}

TEST(MapBuildReaderTest, DecodesQuantisedArcsAndReversedReferences) {
    // Two squares sharing arc 0; the second walks it backwards (~0 = -1).
    const std::string topology = R"({"type":"Topology",
      "transform":{"scale":[0.5,0.25],"translate":[10,20]},
      "arcs":[[[2,0],[0,4]], [[2,4],[-2,0],[0,-4]], [[2,0],[2,0],[0,4],[-2,0]]],
      "objects":{"countries":{"type":"GeometryCollection","geometries":[
        {"type":"Polygon","id":"276","properties":{"name":"Germany"},"arcs":[[0,1]]},
        {"type":"MultiPolygon","properties":{"name":"Kosovo"},"arcs":[[[2,-1]]]}]}}})";
    const auto features = ReadCountries(WriteTemp("map_build_small.json", topology));
    ASSERT_EQ(features.size(), 2u);
    EXPECT_EQ(features[0].isoNumeric, 276);
    EXPECT_EQ(features[1].isoNumeric, -1);
    EXPECT_EQ(features[1].name, "Kosovo");
    const Ring &west = features[0].polygons.at(0).at(0);
    EXPECT_EQ(west, (Ring{{11, 20}, {11, 21}, {10, 21}, {10, 20}}));
    const Ring &east = features[1].polygons.at(0).at(0);
    EXPECT_EQ(east, (Ring{{11, 20}, {12, 20}, {12, 21}, {11, 21}}));
}

TEST(MapBuildReaderTest, MissingOrBrokenInputSaysWhatToDo) {
    try {
        ReadCountries("/nonexistent/countries-10m.json");
        FAIL();
    } catch (const std::runtime_error &e) {
        EXPECT_NE(std::string(e.what()).find("npm ci --prefix data"), std::string::npos);
    }
    EXPECT_THROW(ReadCountries(WriteTemp("map_build_broken.json", "{\"arcs\": [")), std::runtime_error);
    EXPECT_THROW(ReadCountries(WriteTemp("map_build_other.json", "{\"arcs\": []}")), std::runtime_error);
}

} // namespace
} // namespace ondrell::mapbuild
