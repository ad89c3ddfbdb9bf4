#include "geo_validation_fake_map.h"
#include "validation/geo_validation.h"
#include "validation/validate.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

using fake::FakeMap;

std::string Fatal(const std::string &text) {
    return "FATAL ERROR : \r\n" + text + "\r\n";
}
std::string Warning(const std::string &text) {
    return "WARNING : \r\n" + text + "\r\n";
}

// A GS1 notice by F for F, sited at 5 07 09 E, 46 12 00 N.
NoticeRecord Assignment() {
    NoticeRecord r;
    r.t_notice_type = "GS1";
    r.t_adm = "F";
    r.t_ctry = "F";
    r.t_fragment = "GE06D";
    r.t_action = "ADD";
    r.site_long = {"005", "E", "07", "09"};
    r.site_lat = {"46", "N", "12", ""};
    return r;
}
const char *kSite = " : t_long : +0050709 t_lat : +461200";

struct Outcome {
    bool ok;
    std::string errors;
};

Outcome Validate(NoticeRecord record, const MapQueries &map) {
    Outcome out;
    out.ok = ValidateGeography(record, out.errors, "", map);
    return out;
}

class GeoValidationRules : public ::testing::Test {
  protected:
    void SetUp() override { map.Put("+0050709", "+461200", "F", {{"F", 40}}); }
    FakeMap map;
};

TEST_F(GeoValidationRules, SiteAgainstTheCountry) {
    struct Case {
        const char *name;
        const char *area;
        std::vector<NearArea> near;
        bool ok;
        std::string errors;
    };
    const std::string site = kSite;
    const Case cases[] = {
        {"inside", "F", {{"F", 40}}, true, ""},
        {"3 km off the coast", "", {{"F", 3.0}}, true, Warning(site + " are in the sea, 3 km from F")},
        {"15 km inside a neighbour",
         "SUI",
         {{"SUI", 1}, {"F", 15}},
         false,
         Fatal(site + " are in SUI, 15 km from F")},
        {"far away",
         "SUI",
         {{"SUI", 1}},
         false,
         Fatal(site + " are not in F according to the Ostrel's Mapora")},
    };
    for (const auto &c : cases) {
        map.places.front().area = c.area;
        map.places.front().near = c.near;
        const auto out = Validate(Assignment(), map);
        EXPECT_EQ(out.ok, c.ok) << c.name;
        EXPECT_EQ(out.errors, c.errors) << c.name;
    }
}

TEST_F(GeoValidationRules, OwnershipOfTheCountry) {
    map.places.front() = {fake::PointOf("+0050709", "+461200"), "FRO", {{"FRO", 2}, {"NOR", 15}}};
    struct Case {
        const char *name;
        const char *adm, *ctry, *fragment, *type;
        bool ok;
        std::string errors;
    };
    const Case cases[] = {
        {"POR for MDR, Article 5", "POR", "MDR", "NTFD_RR", "GS1", false,
         Fatal(std::string(kSite) + " are not in MDR according to the Ostrel's Mapora")},
        {"NOR for FRO, Article 5: site checked against NOR at 20 km", "NOR", "FRO", "NTFD_RR", "GT1", true,
         Warning(" : t_ctry = FRO does not belong to t_adm = NOR") +
             Warning(std::string(kSite) + " are in FRO, 15 km from NOR")},
        {"NOR for FRO, Article 4", "NOR", "FRO", "GE06D", "GS1", false,
         Fatal(" : t_adm = NOR cannot notify for t_ctry = FRO")},
        {"DNK for FRO", "DNK", "FRO", "GE06D", "GS1", true, ""},
        {"empty country", "F", "", "GE06D", "GS2", false, Fatal(" : t_ctry is empty cannot validate")},
        {"allotment, Article 5 does not matter", "NOR", "FRO", "NTFD_RR", "GS2", false,
         Fatal(" : t_adm = NOR cannot notify for t_ctry = FRO")},
    };
    for (const auto &c : cases) {
        NoticeRecord r = Assignment();
        r.t_adm = c.adm;
        r.t_ctry = c.ctry;
        r.t_fragment = c.fragment;
        r.t_notice_type = c.type;
        const auto out = Validate(r, map);
        EXPECT_EQ(out.ok, c.ok) << c.name;
        EXPECT_EQ(out.errors, c.errors) << c.name;
    }
}

TEST_F(GeoValidationRules, IncompleteSiteAndArticle5Target) {
    NoticeRecord r = Assignment();
    r.site_lat.min = "";
    EXPECT_EQ(Validate(r, map).errors, Fatal(" : coordinates are incomplete"));

    r = Assignment();
    r.t_fragment = "NTFD_RR";
    r.t_action = "MODIFY";
    r.trg_long = {"005", "E", "07", ""};
    EXPECT_EQ(Validate(r, map).errors, Fatal(" : target coordinates are incomplete"));

    r.trg_lat = {"46", "N", "12", "00"};
    map.Put("+0050700", "+461200", "", {{"F", 0.5}});
    auto out = Validate(r, map);
    EXPECT_TRUE(out.ok);
    EXPECT_EQ(out.errors,
              Warning(" : t_trg_long : +0050700 t_trg_lat : +461200 are in the sea, less than 1 km from F"));

    // A target named by its identifier, or an action written in lower case: no target check.
    r.t_trg_adm_ref_id = "X1";
    EXPECT_EQ(Validate(r, map).errors, "");
    r.t_trg_adm_ref_id = "";
    r.t_action = "modify";
    EXPECT_EQ(Validate(r, map).errors, "");
}

TEST_F(GeoValidationRules, CoordinationList) {
    NoticeRecord r = Assignment();
    r.coord.present = true;
    r.coord.entries = {{"D", ""}, {"", ""}, {"f", ""}, {"XWB", ""}, {"PSE", ""}};
    const auto out = Validate(r, map);
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.errors,
              Fatal(" : <COORD> f : Notifying administration cannot be within in the <COORD> section.") +
                  Fatal(" : <COORD> XWB t_adm : Invalid administration code for the GE06"));

    r.t_notice_type = "TB3";
    EXPECT_EQ(Validate(r, map).errors, out.errors); // TB3: only its coordination list is checked
    r.t_notice_type = "TB2";
    EXPECT_EQ(Validate(r, map).errors, "");
    r.t_notice_type = "GS1";
    r.coord.present = false;
    EXPECT_EQ(Validate(r, map).errors, "");
}

TEST_F(GeoValidationRules, AllotmentGeographicArea) {
    struct Case {
        const char *adm, *ctry, *area;
        std::string errors;
    };
    const Case cases[] = {
        {"POR", "POR", "AZR", Fatal(" : t_geo_area has to be identical to t_ctry ")},
        {"POR", "AZR", "azr", ""},
        {"POR", "POR", "XWB", Fatal(" : t_geo_area = XWB does not belong to t_adm = POR")},
        {"POR", "POR", "", ""},
    };
    for (const auto &c : cases) {
        NoticeRecord r;
        r.t_notice_type = "GT2";
        r.t_adm = c.adm;
        r.t_ctry = c.ctry;
        r.planning.allotment.t_geo_area = c.area;
        EXPECT_EQ(Validate(r, map).errors, c.errors) << c.area;
    }
}

TEST_F(GeoValidationRules, AdministrativeNoticesPassQuietly) {
    for (const char *type : {"TB2", "TB5", "TB3"}) {
        NoticeRecord r = Assignment();
        r.t_notice_type = type;
        r.t_ctry = "";
        r.site_long = {};
        EXPECT_EQ(Validate(r, map).errors, "") << type;
    }
}

TEST(GeoValidationNoMap, PositionsAreReportedAsNotChecked) {
    NoticeRecord r = Assignment();
    std::string errors;
    EXPECT_FALSE(ValidateGeography(r, errors, "N1", static_cast<const WorldMap *>(nullptr)));
    EXPECT_EQ(errors,
              "FATAL ERROR : \r\nN1 : t_long : +0050709 t_lat : +461200 cannot be checked: the world map "
              "could not be loaded\r\n");
    EXPECT_EQ(r.site_lat.sec, "00"); // the one change geography makes to the record
}

} // namespace
} // namespace ondrell
