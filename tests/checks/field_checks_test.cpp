#include "checks/field_checks.h"
#include "checks/field_tables.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace ondrell {
namespace {

// Runs a check as a form does: by form and control name, with the other fields' texts given.
Verdict Leave(std::string_view form, std::string_view control, std::string_view text,
              std::map<std::string, std::string, std::less<>> others = {}) {
    return RunFieldCheck(form, control, text, [&](std::string_view name) {
        auto it = others.find(name);
        return it == others.end() ? std::string() : it->second;
    });
}

constexpr std::string_view GS1 = "GS1AssignFrmGE06";

struct Case {
    std::string_view control;
    std::string_view text;
    bool accepted;
    std::string_view title = {}; // of the only message, when refused
    std::string_view message = {};
};

void ExpectCases(std::string_view form, std::initializer_list<Case> cases) {
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.control) + " \"" + std::string(c.text) + "\"");
        const Verdict v = Leave(form, c.control, c.text);
        EXPECT_EQ(v.accepted, c.accepted);
        if (c.accepted) {
            EXPECT_TRUE(v.messages.empty());
        } else {
            ASSERT_EQ(v.messages.size(), 1u);
            EXPECT_EQ(v.messages[0].title, c.title);
            EXPECT_EQ(v.messages[0].text, c.message);
        }
    }
}

TEST(FieldChecks, DegreesMinutesSecondsAndHemispheres) {
    constexpr std::string_view lat = "Prevalidation Error - Latitude",
                               lon = "Prevalidation Error - Longitude";
    ExpectCases(GS1, {
                         {"Txt_4C_Deg_Lat", "90", true},
                         {"Txt_4C_Deg_Lat", "0", true},
                         {"Txt_4C_Deg_Lat", "91", false, lat, "Value must be between [0,90]"},
                         {"Txt_4C_Deg_Lat", "-1", false, lat, "Value must be between [0,90]"},
                         {"Txt_4C_Deg_Lat", "45.5", false, lat, "Value must be between [0,90]"},
                         {"Txt_4C_Deg_Lat", "45,5", false, lat, "Value must be between [0,90]"},
                         {"Txt_4C_Deg_Lat", "4a", false, lat, "Value must be between [0,90]"},
                         {"Txt_4C_Deg_Long", "180", true},
                         {"Txt_4C_Deg_Long", "181", false, lon, "Value must be between [0,180]"},
                         {"Txt_4C_Min_Lat", "59", true},
                         {"Txt_4C_Min_Lat", "60", false, lat, "Value must be between [0,59]"},
                         {"Txt_4C_Sec_Long", "60", false, lon, "Value must be between [0,59]"},
                         {"Txt_4C_NS", "s", true},
                         {"Txt_4C_NS", "E", false, lat, "Value can only be N or S"},
                         {"Txt_4C_EW", "w", true},
                         {"Txt_4C_EW", "N", false, lon, "Value can only be E or W"},
                         {"Txt_trg_lat_DD", "91", false, "Prevalidation Error - Target Latitude",
                          "Value must be between [0,90]"},
                         {"Txt_trg_long_EW", "X", false, "Prevalidation Error - Target Longitude",
                          "Value can only be E or W"},
                     });
}

TEST(FieldChecks, NumbersAndRanges) {
    constexpr std::string_view power = "Prevalidation Error - Radiated power";
    ExpectCases(GS1,
                {
                    {"Txt_8BH_Erp_H", "-5", true},
                    {"Txt_8BH_Erp_H", "53", true},
                    {"Txt_8BH_Erp_H", "53.5", false, power, "Value must be between <= 53"},
                    {"Txt_8BV_Erp_V", "x", false, power, "Value must be between <= 53"},
                    {"Txt_GE06_Offset", "-500", true},
                    {"Txt_GE06_Offset", "-500.5", false, "Prevalidation Error - Offset",
                     " t_offset : Value should be between [-500.0, 500.0] (1E)"},
                    {"Txt_9E_AntHgt", "12.5", true},
                    {"Txt_9E_AntHgt", "801", false, "Prevalidation Error - Height of antenna",
                     "Value must be between [0, 800]"},
                    {"Txt_9EA_SiteAlt", "8850", true},
                    {"Txt_9EA_SiteAlt", "100.0", false, "Prevalidation Error - Site altitude",
                     "Value must be an integer between [-1000, 8850]"},
                    {"Txt_9EA_SiteAlt", "-1001", false, "Prevalidation Error - Site altitude",
                     "Value must be an integer between [-1000, 8850]"},
                    {"Txt_9EC_azm350", "-3000", true},
                    {"Txt_9EC_azm010", "3001", false, "Prevalidation Error - Eff. ant. height",
                     "Value must be an integer between [-3000, 3000] and less than the t_eff_hgtmax (9EB)"},
                    {"Txt_9NHAzm120", "12.5", true},
                    {"Txt_9NVAzm000", "1x", false, "Prevalidation Error - Attenuation (V)",
                     "Value must be numerical"},
                    {"Txt_trg_freq_assgn", "abc", false, "Prevalidation Error - Target Assign frequency",
                     "Value must be numerical"},
                });
}

TEST(FieldChecks, OperatingHours) {
    constexpr std::string_view start = "Prevalidation Error - Start time",
                               stop = "Prevalidation Error - Stop time";
    ExpectCases(GS1, {
                         {"Txt_10B_Ophhfr", "2359", true},
                         {"Txt_10B_Ophhfr", "2360", false, start,
                          "Value must be between [0000,2359] where the last 2 digits MM should [0,59]\r\n"},
                         {"Txt_10B_Ophhfr", "930", false, start, "The time must be entered as HHMM"},
                         {"Txt_10B_Ophhfr", "12.30", false, start, "Value must be between [0000,2359]"},
                         {"Txt_10B_Ophhfr", "12,3", false, start, "Value must be between [0000,2359]"},
                         {"Txt_10B_Ophhfr", "12ab", false, start, "Value must be between [0000,2359]"},
                         {"Txt_10B_Ophhto", "2400", true},
                         {"Txt_10B_Ophhto", "0000", false, stop,
                          "Value must be between [0001,2400] where the first 2 digits HH should [1,24]\r\n"},
                         {"Txt_10B_Ophhto", "2430", false, stop, "Value must be between [0001,2400]"},
                         {"Txt_10B_Ophhto", "93", false, stop, "The time must be entered as HHMM"},
                     });
}

TEST(FieldChecks, EmptyPassesEveryLeaveCheckButTheOperatingAgency) {
    for (std::string_view form : CheckedFormNames()) {
        for (const FieldCheck &check : FieldChecksFor(form)) {
            const Verdict v = Leave(form, check.control, "");
            const bool opAgcy = check.check.kind == CheckKind::NumericCodeCheck;
            EXPECT_EQ(v.accepted, !opAgcy) << form << " " << check.control;
            EXPECT_FALSE(v.clearsUntouched) << form << " " << check.control;
            EXPECT_FALSE(v.replacement) << form << " " << check.control;
        }
    }
    const Verdict v = Leave(GS1, "Txt_12A_OpAgcy", "");
    ASSERT_EQ(v.messages.size(), 1u);
    EXPECT_EQ(v.messages[0].title, "Prevalidation Error - Operating Agency");
    EXPECT_EQ(v.messages[0].text, " Invalid t_op_agcy (12A)");
}

TEST(FieldChecks, CodesArePaddedOrRefused) {
    struct CodeCase {
        std::string_view form, control, text;
        bool accepted;
        std::optional<std::string> replacement;
    };
    const CodeCase cases[] = {
        {GS1, "Txt_12A_OpAgcy", "7", true, "007"},
        {GS1, "Txt_12A_OpAgcy", "12", true, "012"},
        {GS1, "Txt_12A_OpAgcy", "1234", true, std::nullopt},
        {GS1, "Txt_12A_OpAgcy", "AB", false, std::nullopt},
        {GS1, "Txt_12B_AddrCde", "123", false, std::nullopt},
        {GS1, "Txt_12B_AddrCde", "A12", true, std::nullopt},
        {"TB2FrmGE06", "Txt_12A_OpAgcy", "AB", true, "0AB"}, // TB2 pads without testing
        {"TB2FrmGE06", "Txt_12A_OpAgcy", "5", true, "005"},
    };
    for (const auto &c : cases) {
        const Verdict v = Leave(c.form, c.control, c.text);
        EXPECT_EQ(v.accepted, c.accepted) << c.form << " " << c.control << " " << c.text;
        EXPECT_EQ(v.replacement, c.replacement) << c.form << " " << c.control << " " << c.text;
        EXPECT_FALSE(v.clearsUntouched) << c.control; // the code checks never touch the flag
    }
    const Verdict refused = Leave(GS1, "Txt_12B_AddrCde", "123");
    ASSERT_EQ(refused.messages.size(), 1u);
    EXPECT_EQ(refused.messages[0].title, "Prevalidation Error - Address code (12B)");
    EXPECT_EQ(refused.messages[0].text, " Invalid t_addr_code (12B)");
}

TEST(FieldChecks, UntouchedFlagIsClearedByNonEmptyTextsAcceptedOrNot) {
    EXPECT_TRUE(Leave(GS1, "Txt_4A_SiteName", "x").clearsUntouched);
    EXPECT_TRUE(Leave(GS1, "Txt_4C_Deg_Lat", "45").clearsUntouched);
    EXPECT_TRUE(Leave(GS1, "Txt_4C_Deg_Lat", "91").clearsUntouched);
    // Sub-area counts and contour identifiers count only when accepted.
    EXPECT_TRUE(Leave("GS2AllotFrmGE06", "Txt_RRC04_nb_sub_areas", "3").clearsUntouched);
    EXPECT_FALSE(Leave("GS2AllotFrmGE06", "Txt_RRC04_nb_sub_areas", "10").clearsUntouched);
    EXPECT_FALSE(Leave("GA1SubAllotFrmGE06", "Txt_RRC04_contour_id", "1.5").clearsUntouched);
}

TEST(FieldChecks, DatePartsThenTheWholeDate) {
    // 31/04/2009: every part passes on its own, the date does not.
    const std::map<std::string, std::string, std::less<>> april31{
        {"Txt_Exp_DD", "31"}, {"Txt_Exp_MM", "04"}, {"Txt_Exp_YY", "2009"}};
    for (std::string_view part : {"Txt_Exp_DD", "Txt_Exp_MM", "Txt_Exp_YY"}) {
        const Verdict v = Leave(GS1, part, april31.find(part)->second, april31);
        EXPECT_FALSE(v.accepted) << part;
        ASSERT_EQ(v.messages.size(), 1u) << part;
        EXPECT_EQ(v.messages[0].title, "Prevalidation Error - InValid Date");
        EXPECT_EQ(v.messages[0].text, "Invalid date");
        EXPECT_EQ(v.messages[0].focusBefore, "");
    }
    // A refused day with a complete date shows two messages, after a beep.
    const Verdict v = Leave(GS1, "Txt_InUse_DD", "32", {{"Txt_InUse_MM", "1"}, {"Txt_InUse_YY", "2010"}});
    EXPECT_TRUE(v.beep);
    ASSERT_EQ(v.messages.size(), 2u);
    EXPECT_EQ(v.messages[0].title, "Prevalidation Error - Date (day)");
    EXPECT_EQ(v.messages[0].text, "Value should be between [1,31]");
    EXPECT_EQ(v.messages[1].text, "Invalid date");
    // Incomplete dates are not checked as a whole.
    EXPECT_TRUE(Leave(GS1, "Txt_InUse_DD", "31", {{"Txt_InUse_MM", "4"}}).accepted);
}

TEST(FieldChecks, DatePartRanges) {
    struct DateCase {
        std::string_view control, text;
        bool accepted;
        std::string_view message;
        bool beep;
    };
    const DateCase cases[] = {
        {"Txt_Exp_DD", "1", true, "", false},
        {"Txt_Exp_DD", "31", true, "", false},
        {"Txt_Exp_DD", "30.5", true, "", false}, // rounds to 30
        {"Txt_Exp_DD", "31.5", false, "Value should be between [1,31]", true},
        {"Txt_Exp_DD", "0", false, "Value should be between [1,31]", true},
        {"Txt_Exp_DD", "0.5", false, "Value should be between [1,31]", true}, // half to even: 0
        {"Txt_Exp_MM", "12.5", true, "", false},                              // half to even: 12
        {"Txt_Exp_DD", "40000", false, "Value should be between [1,31]", true},
        {"Txt_Exp_MM", "12", true, "", false},
        {"Txt_Exp_MM", "0", false, "Value should be between [1,12]", false},
        {"Txt_Exp_MM", "13", false, "Value should be between [1,12]", false},
        {"Txt_Exp_YY", "2000", true, "", false},
        {"Txt_Exp_YY", "1999", false, "The year must be entered as YYYY and must be after 2000", false},
        {"Txt_Exp_YY", "abcd", false, "The year must be entered as YYYY and must be after 2000", false},
    };
    for (const auto &c : cases) {
        const Verdict v = Leave(GS1, c.control, c.text);
        EXPECT_EQ(v.accepted, c.accepted) << c.control << " " << c.text;
        EXPECT_EQ(v.beep, c.beep) << c.control << " " << c.text;
        if (!c.accepted) {
            ASSERT_EQ(v.messages.size(), 1u);
            EXPECT_EQ(v.messages[0].text, c.message);
        }
    }
}

TEST(FieldChecks, InvalidBringingIntoUseDateFromTheYearMovesTheFocusToTheDay) {
    const std::map<std::string, std::string, std::less<>> feb30{{"Txt_InUse_DD", "30"},
                                                                {"Txt_InUse_MM", "2"}};
    struct FocusCase {
        std::string_view form, control, focus;
    };
    const FocusCase cases[] = {
        {GS1, "Txt_InUse_YY", "Txt_InUse_DD"},
        {"TB2FrmGE06", "Txt_InUse_YY", "Txt_InUse_DD"},
        {"GT1AssignFrmGE06", "Txt_InUse_YY", ""},
        {GS1, "Txt_InUse_MM", ""},
    };
    for (const auto &c : cases) {
        auto others = feb30;
        others["Txt_InUse_YY"] = "2010";
        const Verdict v = Leave(c.form, c.control, others[std::string(c.control)], others);
        ASSERT_EQ(v.messages.size(), 1u) << c.form << " " << c.control;
        EXPECT_EQ(v.messages[0].focusBefore, c.focus) << c.form << " " << c.control;
    }
}

TEST(FieldChecks, OtherFormsOwnRules) {
    ExpectCases("GS2AllotFrmGE06",
                {
                    {"Txt_RRC04_nb_sub_areas", "1", true},
                    {"Txt_RRC04_nb_sub_areas", "9", true},
                    {"Txt_RRC04_nb_sub_areas", "10", false, "Prevalidation Error - Nb.Sub area(s)",
                     "Value must be between [1-9]"},
                    {"Txt_RRC04_nb_sub_areas", "1.0", false, "Prevalidation Error - Nb.Sub area(s)",
                     "Value must be between [1-9]"},
                    {"Txt_RRC04_contour_id", "-3", true},
                    {"Txt_RRC04_contour_id", "1.5", false, "Prevalidation Error - Contour Id",
                     "Value must be an integer"},
                });
    ExpectCases("GA1SubAllotFrmGE06",
                {
                    {"Txt_RRC04_nb_test_pts", "2", false, "Prevalidation Error - Nb Test pts",
                     "Value must be between [3-99]"},
                    {"Txt_RRC04_nb_test_pts", "3", true},
                    {"Txt_RRC04_nb_test_pts", "99", true},
                    {"Txt_RRC04_nb_test_pts", "100", false, "Prevalidation Error - Nb Test pts",
                     "Value must be between [3-99]"},
                    {"Txt_RRC04_contour_id", "12,3", false, "Prevalidation Error - Contour Id",
                     "Value must be 4 digits maximum"},
                    {"Txt_RRC04_Deg_Lat", "45.5", true}, // a fraction is allowed here
                    {"Txt_RRC04_Deg_Lat", "90.5", false, "Prevalidation Error - Latitude",
                     "Value must be between [0,90]"},
                    {"Txt_RRC04_Deg_Long", "45.5", false, "Prevalidation Error - Longitude",
                     "Value must be between [0,180]"},
                });
    ExpectCases(
        "GT1AssignFrmGE06",
        {
            {"Txt_GE06_TiltAngle", "-30", true},
            {"Txt_GE06_TiltAngle", "30.1", false, "Prevalidation Error - Beam tilt angle",
             "Value must be between [-30, 30]"},
            {"Txt_GE06_erpBeam_tilt", "54", false,
             "Prevalidation Error - Radiated power defined by the beam tilt", "Value must be between <= 53"},
            {"Txt_GE06_freqAssgn", "f", false, "Prevalidation Error - Assign frequency",
             "Value must be numerical"},
        });
    ExpectCases("TB2FrmGE06",
                {
                    {"Txt_TrgFreq", "1234", true},
                    {"Txt_TrgFreq", "1,234", false, "Prevalidation Error - Target Assign frequency",
                     "Value must be numerical"},
                });
    // A comma is a group mark elsewhere, so the GS1 target frequency takes it.
    EXPECT_TRUE(Leave(GS1, "Txt_trg_freq_assgn", "1,234").accepted);
}

TEST(KeyFilters, UpperCaseEntry) {
    EXPECT_EQ(FilterFieldKey(GS1, "Txt_4C_NS", U'n'), U'N');
    EXPECT_EQ(FilterFieldKey(GS1, "Txt_4C_NS", U'5'), U'5');
    EXPECT_EQ(FilterFieldKey(GS1, "Txt_4A_SiteName", U'\u00e9'), U'\u00c9');
    EXPECT_EQ(FilterFieldKey(GS1, "Txt_4A_SiteName", U'\u00f7'), U'\u00f7');
    EXPECT_EQ(FilterFieldKey(GS1, "Txt_4A_SiteName", U'\u00ff'), U'\u0178');
    EXPECT_EQ(FilterFieldKey(GS1, "Txt_4C_Deg_Lat", U'n'), U'n'); // no filter on this field
    EXPECT_EQ(FilterFieldKey(GS1, "Unknown_Control", U'n'), U'n');
}

} // namespace
} // namespace ondrell
