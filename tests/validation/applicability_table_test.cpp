// The table of items a notice must not carry: each group's column, in its own order, with the
// exceptions by notice type, and how each item counts as carried.

#include "validation/applicability_table.h"
#include "validation_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

namespace ondrell {
namespace {

using namespace testing_support;

// Every item of the table, each given in its least obvious way where there are several.
NoticeRecord CarryingEverything(const char *type) {
    NoticeRecord r;
    r.t_notice_type = type;
    r.t_action = "ADD";
    r.t_adm_ref_id = "A1";
    r.t_trg_adm_ref_id = "T1";
    r.t_site_name = "X";
    r.site_lat.sec = "10"; // one of the eight position texts
    r.t_site_alt = "1";
    r.t_erp_h_dbw = "1";
    r.t_erp_v_dbw = "1";
    r.t_erp_beam_tilt_dbw = "1";
    r.t_beam_tilt_angle = "1";
    r.t_eff_hgtmax = "1";
    r.t_hgt_agl = "1";
    r.coord.entries.push_back({"G", "X"}); // an entry without the present flag
    r.attn_h.entries[35].value = "0";      // a value without its given flag
    r.attn_v.entries[0].value = "0";
    r.eff_hgt.entries[17].value = "0";
    r.planning.t_associated_adm_allot_id = "AL1";
    r.planning.t_associated_allot_sfn_id = "S1";
    r.sub_area.t_nb_test_pts = "2";
    r.sub_area.test_points = {{true, "+0020000", "+480000"}, {false, "", ""}, {true, "+0030000", "+490000"}};
    r.t_assgn_code = "S";
    r.sub_area.t_contour_id = "1";
    r.t_sys_var = "A1";
    r.planning.t_rx_mode = "FX";
    r.t_op_agcy = "007";
    r.t_d_inuse = "01/01/2027";
    r.t_addr_code = "A12";
    r.t_op_hh_fr = "0000";
    r.t_op_hh_to = "2400";
    r.t_remark_conds_met = "Y";
    r.t_is_resub = "N";
    r.t_signed_commitment = "Y";
    r.t_freq_assgn = "474";
    r.planning.allotment.t_typ_ref_netwk = "RN1";
    r.planning.allotment.t_allot_name = "N";
    r.planning.allotment.t_geo_area = "F";
    r.planning.allotment.t_nb_sub_areas = "2";
    r.planning.allotment.t_contour_id[0] = "1";
    r.planning.allotment.t_contour_id[9] = "2";
    r.t_is_pub_req = "Y";
    r.planning.t_sfn_id = "S1";
    return r;
}

std::vector<std::string> NotCarried(const NoticeRecord &r, CarryColumn column) {
    std::string errors;
    FindingSink sink(errors, "");
    ReportItemsNotCarried(r, column, sink);
    EXPECT_EQ(sink.ok(), errors.empty());
    return MessageLines(errors);
}

// The usual line of an item that must not be carried.
std::vector<std::string> NotFor(const std::string &type, std::initializer_list<const char *> items) {
    std::vector<std::string> lines;
    for (const char *item : items)
        lines.push_back(" : " + std::string(item) + " should not be notified for a " + type);
    return lines;
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto &p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

TEST(NotCarriedTable, AssignmentColumnForTdab) {
    EXPECT_EQ(NotCarried(CarryingEverything("GS1"), CarryColumn::Assignment),
              Join({NotFor("GS1", {"t_typ_ref_netwk"}),
                    {" : t_trg_adm_ref_id should not be notified for a ADD; t_adm_ref_id is used as the "
                     "identifier of "
                     "the target"},
                    NotFor("GS1", {"t_allot_name", "t_geo_area", "t_nb_sub_areas", "t_contour_id",
                                   "t_contour_id", "t_nb_test_pts", "t_long and t_lat", "t_contour_id",
                                   "t_sys_var", "t_rx_mode", "t_erp_beam_tilt_dbw", "t_beam_tilt_angle"})}));
}

TEST(NotCarriedTable, AssignmentColumnForDvbtKeepsSystemAndTilt) {
    NoticeRecord r = CarryingEverything("GT1");
    r.t_action = "MODIFY"; // the target identifier is refused on ADD only
    EXPECT_EQ(
        NotCarried(r, CarryColumn::Assignment),
        NotFor("GT1", {"t_typ_ref_netwk", "t_allot_name", "t_geo_area", "t_nb_sub_areas", "t_contour_id",
                       "t_contour_id", "t_nb_test_pts", "t_long and t_lat", "t_contour_id"}));
}

TEST(NotCarriedTable, AllotmentColumn) {
    EXPECT_EQ(NotCarried(CarryingEverything("GT2"), CarryColumn::Allotment),
              NotFor("GT2", {"t_site_name",
                             "t_site_alt",
                             "t_long t_lat",
                             "t_erp_h_dbw",
                             "t_erp_v_dbw",
                             "t_erp_beam_tilt_dbw",
                             "t_beam_tilt_angle",
                             "t_eff_hgtmax",
                             "t_hgt_agl",
                             "<ANT_DIAGR_H>",
                             "<ANT_DIAGR_V>",
                             "<ANT_HGT>",
                             "t_associated_adm_allot_id",
                             "t_associated_allot_sfn_id",
                             "t_nb_test_pts",
                             "t_long and t_lat",
                             "t_assgn_code",
                             "t_contour_id",
                             "t_sys_var",
                             "t_rx_mode",
                             "t_op_agcy",
                             "t_d_inuse",
                             "t_addr_code",
                             "t_op_hh_fr",
                             "t_op_hh_to",
                             "t_remarks_conds_met",
                             "t_is_resub",
                             "t_signed_commitment"}));
}

TEST(NotCarriedTable, SubAreaColumn) {
    EXPECT_EQ(NotCarried(CarryingEverything("GA1"), CarryColumn::SubArea),
              Join({NotFor("GA1", {"t_site_name",         "t_site_alt",
                                   "t_long t_lat",        "t_erp_h_dbw",
                                   "t_erp_v_dbw",         "t_eff_hgtmax",
                                   "t_hgt_agl",           "<COORD> or <COORDINATION>",
                                   "<ANT_DIAGR_H>",       "<ANT_DIAGR_V>",
                                   "<ANT_HGT>",           "t_associated_adm_allot_id",
                                   "t_allot_name",        "t_geo_area",
                                   "t_nb_sub_areas",      "t_contour_id",
                                   "t_contour_id",        "t_sys_var",
                                   "t_rx_mode",           "t_op_agcy",
                                   "t_d_inuse",           "t_addr_code",
                                   "t_op_hh_fr",          "t_op_hh_to",
                                   "t_remarks_conds_met", "t_is_resub",
                                   "t_signed_commitment", "t_freq_assgn",
                                   "t_erp_beam_tilt_dbw", "t_beam_tilt_angle",
                                   "t_typ_ref_netwk"}),
                    {" : t_is_pub_req should not be notified under Art 5"}}));
}

std::vector<std::string> AdministrativeLines(const std::string &type, bool withCoord, bool withOperation) {
    auto lines = NotFor(type, {"t_adm_ref_id", "t_site_name", "t_site_alt", "t_long t_lat", "t_erp_h_dbw",
                               "t_erp_v_dbw", "t_erp_beam_tilt_dbw", "t_beam_tilt_angle", "t_eff_hgtmax",
                               "t_hgt_agl"});
    if (withCoord)
        lines.push_back(NotFor(type, {"<COORD> or <COORDINATION>"})[0]);
    auto more = NotFor(type, {"<ANT_DIAGR_H>", "<ANT_DIAGR_V>", "<ANT_HGT>", "t_associated_adm_allot_id",
                              "t_associated_allot_sfn_id", "t_nb_test_pts", "t_long and t_lat",
                              "t_assgn_code", "t_contour_id", "t_sys_var", "t_rx_mode"});
    if (withOperation)
        more =
            Join({more, NotFor(type, {"t_op_agcy", "t_d_inuse", "t_addr_code", "t_op_hh_fr", "t_op_hh_to"})});
    return Join({lines, more,
                 NotFor(type, {"t_remarks_conds_met", "t_is_resub", "t_signed_commitment", "t_typ_ref_netwk",
                               "t_allot_name", "t_geo_area", "t_nb_sub_areas", "t_contour_id", "t_contour_id",
                               "t_is_pub_req", "t_sfn_id"})});
}

// TB3 may carry coordination, TB2 operating details; the type exceptions ignore case.
TEST(NotCarriedTable, AdministrativeColumn) {
    const struct {
        const char *type;
        bool withCoord, withOperation;
    } cases[] = {{"TB5", true, true}, {"TB3", false, true}, {"TB2", true, false}, {"tb2", true, false}};
    for (const auto &c : cases)
        EXPECT_EQ(NotCarried(CarryingEverything(c.type), CarryColumn::Administrative),
                  AdministrativeLines(c.type, c.withCoord, c.withOperation))
            << c.type;
}

TEST(NotCarriedTable, NothingCarriedNothingReported) {
    for (auto column : {CarryColumn::Assignment, CarryColumn::Allotment, CarryColumn::SubArea,
                        CarryColumn::Administrative}) {
        NoticeRecord r;
        r.t_notice_type = "GS1";
        r.attn_h.entries[3].given = true;                         // a flag without a value is no pattern
        r.coord.count = 2;                                        // nor is a count without entries
        r.sub_area.test_points = {{true, "+0020000", "+480000"}}; // not visited without t_nb_test_pts
        EXPECT_TRUE(NotCarried(r, column).empty());
    }
}

// Test points visited: t_nb_test_pts rounded half to even, never past the points held.
TEST(NotCarriedTable, TestPointsVisitedByRoundedCount) {
    NoticeRecord r;
    r.t_notice_type = "GS2";
    r.sub_area.test_points.assign(3, {true, "+0020000", "+480000"});
    const auto pointLines = [&](const char *count) {
        r.sub_area.t_nb_test_pts = count;
        auto lines = NotCarried(r, CarryColumn::Allotment);
        return std::count(lines.begin(), lines.end(), " : t_long and t_lat should not be notified for a GS2");
    };
    EXPECT_EQ(pointLines("2.5"), 2);
    EXPECT_EQ(pointLines("1.5"), 2);
    EXPECT_EQ(pointLines("9"), 3);
    EXPECT_EQ(pointLines(" 1 1"), 3); // blanks inside a number are skipped: 11
    EXPECT_EQ(pointLines("-4"), 0);
    EXPECT_EQ(pointLines("x"), 0);
}

} // namespace
} // namespace ondrell
