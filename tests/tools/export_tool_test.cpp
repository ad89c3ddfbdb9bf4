// ondrell-tool export --geojson, run as a separate process: the output must parse as GeoJSON and
// every coordinate must match the signed texts of the file it came from.

#include "support/record_text.h"
#include "tool_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <map>
#include <sstream>

namespace ondrell {
namespace {

using Json = nlohmann::json;
using Position = std::pair<double, double>;

// "+DDDMM[SS]" / "-DDMM[SS]" to degrees, independently of the tool's own reading.
double SignedTextDegrees(const std::string &text, int degreeDigits) {
    const double deg = std::stoi(text.substr(1, degreeDigits));
    const double min = std::stoi(text.substr(1 + degreeDigits, 2));
    const double sec = text.size() > 3u + degreeDigits ? std::stoi(text.substr(3 + degreeDigits, 2)) : 0;
    return (text[0] == '-' ? -1 : 1) * (deg + min / 60 + sec / 3600);
}

// The positions a notice file holds, by notice number, straight from its lines.
struct FilePositions {
    std::map<std::string, Position> points; // "site", "target"
    std::vector<Position> contour;
};
std::map<int, FilePositions> PositionsInFile(const std::string &bytes) {
    std::map<int, FilePositions> notices;
    std::istringstream lines(bytes);
    std::string line, lon;
    int number = 0;
    bool inPoint = false;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const auto eq = line.find(" = ");
        const std::string key = eq == std::string::npos ? line : line.substr(0, eq);
        const std::string value = eq == std::string::npos ? "" : line.substr(eq + 3);
        if (key == "Notice No")
            number = std::stoi(value);
        else if (key == "<POINT>" || key == "</POINT>")
            inPoint = key == "<POINT>";
        else if (key == "t_long" || key == "t_trg_long")
            lon = value;
        else if (key == "t_lat" || key == "t_trg_lat") {
            const Position p{SignedTextDegrees(lon, 3), SignedTextDegrees(value, 2)};
            if (inPoint)
                notices[number].contour.push_back(p);
            else
                notices[number].points[key == "t_lat" ? "site" : "target"] = p;
        }
    }
    return notices;
}

void ExpectNear(const Json &coordinates, const Position &p) {
    ASSERT_TRUE(coordinates.is_array() && coordinates.size() == 2 && coordinates[0].is_number());
    EXPECT_NEAR(coordinates[0].get<double>(), p.first, 1e-6);
    EXPECT_NEAR(coordinates[1].get<double>(), p.second, 1e-6);
}

// RFC 7946 structure: a FeatureCollection of Features, positions in range, polygon rings closed
// and counterclockwise.
void ExpectGeoJson(const Json &collection) {
    ASSERT_EQ(collection["type"], "FeatureCollection");
    ASSERT_TRUE(collection["features"].is_array());
    for (const Json &feature : collection["features"]) {
        ASSERT_EQ(feature["type"], "Feature");
        ASSERT_TRUE(feature["properties"].is_object());
        const Json &geometry = feature["geometry"];
        const std::string type = geometry["type"];
        std::vector<Json> positions;
        if (type == "Point")
            positions = {geometry["coordinates"]};
        else if (type == "LineString")
            positions = geometry["coordinates"].get<std::vector<Json>>();
        else {
            ASSERT_EQ(type, "Polygon");
            ASSERT_EQ(geometry["coordinates"].size(), 1u);
            positions = geometry["coordinates"][0].get<std::vector<Json>>();
            ASSERT_GE(positions.size(), 4u);
            EXPECT_EQ(positions.front(), positions.back());
            double area = 0;
            for (size_t i = 0; i + 1 < positions.size(); ++i)
                area += positions[i][0].get<double>() * positions[i + 1][1].get<double>() -
                        positions[i + 1][0].get<double>() * positions[i][1].get<double>();
            EXPECT_GT(area, 0) << "outer ring not counterclockwise";
        }
        ASSERT_GE(positions.size(), type == "LineString" ? 2u : 1u);
        for (const Json &p : positions) {
            ASSERT_TRUE(p.is_array() && p.size() == 2 && p[0].is_number() && p[1].is_number());
            EXPECT_LE(std::abs(p[0].get<double>()), 180.0);
            EXPECT_LE(std::abs(p[1].get<double>()), 90.0);
        }
    }
}

// The sample contour closed by repeating its first point, and a GS1 sited south and west.
NoticeRecord Ga1Closed() {
    return record_text::Make("Ga1WithPoints",
                             "sub.t_contour_id=8; t_nb_test_pts=5; point[4]=+0043000,+520000; points=6");
}

NoticeRecord Gs1SouthWest() {
    return record_text::Make("Gs1Article4", "t_adm_ref_id=F-DAB-0002; t_long=014,W,25,07; t_lat=07,S,56,");
}

class ExportTool : public ToolTest {};

// Each kind of position becomes the geometry it should, at the file's coordinates; notices without
// a position (an allotment, a withdrawal) give no feature and no error.
TEST_F(ExportTool, FeaturesMatchTheFilesPositions) {
    using record_text::Named;
    const std::string first = WriteNotices(
        "sites.txt", {Named("Gs1Article4"), Named("Gt1Article5Modify"), Named("Tb5"), Gs1SouthWest()});
    const std::string second =
        WriteNotices("contours.txt", {Ga1Closed(), Named("Ga1WithPoints"), Named("Gs2WithContours")});
    const ToolRun run = Tool("export --geojson " + first + " " + second);
    ASSERT_EQ(run.exit, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const Json collection = Json::parse(run.out);
    ExpectGeoJson(collection);

    // file, notice number, position -> geometry type ("" for no feature)
    const struct {
        const std::string &file;
        int notice;
        std::map<std::string, std::string> geometries;
    } expected[] = {
        {first, 1, {{"site", "Point"}}},
        {first, 2, {{"site", "Point"}, {"target", "Point"}}},
        {first, 3, {}},
        {first, 4, {{"site", "Point"}}},
        {second, 1, {{"contour", "Polygon"}}},
        {second, 2, {{"contour", "LineString"}}},
        {second, 3, {}},
    };
    size_t featureCount = 0;
    for (const auto &want : expected) {
        SCOPED_TRACE(want.file + " notice " + std::to_string(want.notice));
        const FilePositions inFile = PositionsInFile(Slurp(want.file))[want.notice];
        std::map<std::string, std::string> got;
        for (const Json &feature : collection["features"]) {
            const Json &properties = feature["properties"];
            if (properties["file"] != want.file || properties["notice"] != want.notice)
                continue;
            const std::string position = properties["position"];
            const Json &coordinates = feature["geometry"]["coordinates"];
            got[position] = feature["geometry"]["type"];
            if (position != "contour") {
                ASSERT_TRUE(inFile.points.contains(position));
                ExpectNear(coordinates, inFile.points.at(position));
                continue;
            }
            std::vector<Json> line = got[position] == "Polygon" ? coordinates[0].get<std::vector<Json>>()
                                                                : coordinates.get<std::vector<Json>>();
            ASSERT_EQ(line.size(), inFile.contour.size());
            // a ring may run the other way round to be counterclockwise
            if (std::abs(line[1][0].get<double>() - inFile.contour[1].first) > 1e-6)
                std::reverse(line.begin(), line.end());
            for (size_t i = 0; i < line.size(); ++i)
                ExpectNear(line[i], inFile.contour[i]);
        }
        EXPECT_EQ(got, want.geometries);
        featureCount += got.size();
    }
    EXPECT_EQ(collection["features"].size(), featureCount);

    const Json &southWest = collection["features"][3];
    EXPECT_LT(southWest["geometry"]["coordinates"][0].get<double>(), -14.4);
    EXPECT_LT(southWest["geometry"]["coordinates"][1].get<double>(), -7.9);
    const Json &gt1 = collection["features"][1]["properties"];
    EXPECT_EQ(gt1["notice_type"], "GT1");
    EXPECT_EQ(gt1["adm"], "F"); // one administration a file, from its HEAD
    EXPECT_EQ(gt1["adm_ref_id"], "SUI-T-42");
    EXPECT_EQ(gt1["plan_adm_ref_id"], "SUI-PLAN-7");
    EXPECT_EQ(gt1["freq_assgn"], "594");
    EXPECT_EQ(gt1["site_name"], "La Dôle");
    EXPECT_FALSE(gt1.contains("receivable"));
}

// With --validate each feature carries the verdict the validate command gives its notice.
TEST_F(ExportTool, ValidateAddsTheVerdictOfEachNotice) {
    const std::string path = WriteNotices(
        "kinds.txt", record_text::Notices({"Gs1Article4", "Gt1Article5Modify", "Ga1WithPoints", "Tb2"}));
    const ToolRun run = Tool("export --geojson --validate " + path);
    ASSERT_EQ(run.exit, 0) << run.err;
    const Json collection = Json::parse(run.out);
    ExpectGeoJson(collection);
    const ToolRun validate = Tool("validate --json " + path);
    const Json verdicts = Json::parse(validate.out);
    ASSERT_EQ(collection["features"].size(), 5u);
    for (const Json &feature : collection["features"]) {
        const Json &properties = feature["properties"];
        const Json &verdict = verdicts[properties["notice"].get<int>() - 1];
        EXPECT_EQ(properties["receivable"], verdict["receivable"]);
        std::string text = verdict["text"];
        std::erase(text, '\r');
        EXPECT_EQ(properties["messages"], text);
    }
}

TEST_F(ExportTool, UnreadableFileGivesTwoAndAWellFormedCollection) {
    const std::string good = WriteNotices("good.txt", record_text::Notices({"Gs1Article4"}));
    const ToolRun run = Tool("export --geojson " + (dir_ / "missing.txt").string() + " " + good);
    EXPECT_EQ(run.exit, 2);
    EXPECT_NE(run.err.find("missing.txt: cannot open the file"), std::string::npos) << run.err;
    const Json collection = Json::parse(run.out);
    ExpectGeoJson(collection);
    EXPECT_EQ(collection["features"].size(), 1u);
    EXPECT_EQ(Tool("export " + good).exit, 2); // the format is named
    EXPECT_EQ(Json::parse(Tool("export --geojson " + WriteNotices("none.txt", {})).out)["features"],
              Json::array());
}

} // namespace
} // namespace ondrell
