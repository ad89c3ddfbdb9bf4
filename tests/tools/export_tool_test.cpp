// ondrell-tool export --geojson, run as a separate process: the output must parse as GeoJSON and
// every coordinate must match the positions of the notices written (data/export.tsv).

#include "support/case_file.h"
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

    const auto rows = cases::Load("tools/data/export.tsv");
    ASSERT_EQ(collection["features"].size(), rows.size());
    for (const auto &row : rows) {
        SCOPED_TRACE(row.where);
        std::vector<Position> want;
        std::istringstream in(row[5]);
        for (std::string p; in >> p;)
            want.emplace_back(std::stod(p), std::stod(p.substr(p.find(',') + 1)));
        const auto feature =
            std::find_if(collection["features"].begin(), collection["features"].end(), [&](auto &f) {
                const Json &properties = f["properties"];
                return properties["file"] == (row[1] == "sites.txt" ? first : second) &&
                       properties["notice"] == std::stoi(row[2]) && properties["position"] == row[3];
            });
        ASSERT_NE(feature, collection["features"].end());
        ASSERT_EQ((*feature)["geometry"]["type"], row[4]);
        const Json &coordinates = (*feature)["geometry"]["coordinates"];
        if (row[4] == "Point") {
            ExpectNear(coordinates, want[0]);
            continue;
        }
        std::vector<Json> line =
            (row[4] == "Polygon" ? coordinates[0] : coordinates).get<std::vector<Json>>();
        ASSERT_EQ(line.size(), want.size());
        // a ring may run the other way round to be counterclockwise
        if (std::abs(line[1][0].get<double>() - want[1].first) > 1e-6)
            std::reverse(line.begin(), line.end());
        for (size_t i = 0; i < line.size(); ++i)
            ExpectNear(line[i], want[i]);
    }

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
