// Save-readiness checks against a fake form: which lines, in which order, under which header.
#include "notice/capture.h"
#include "validation/save_readiness.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace ondrell {
namespace {

// The save checks only read: texts by name and chosen options.
class FakeForm : public FormControls {
  public:
    std::map<std::string, std::string, std::less<>> texts;
    std::set<std::string, std::less<>> checked;

    bool Has(std::string_view c) const override { return texts.count(c) || checked.count(c); }
    std::string Text(std::string_view c) const override {
        auto it = texts.find(c);
        return it == texts.end() ? "" : it->second;
    }
    bool Visible(std::string_view) const override { return true; }
    bool Checked(std::string_view c) const override { return checked.count(c) > 0; }
    std::vector<std::string> ListItems(std::string_view) const override { return {}; }
    void SetText(std::string_view, std::string_view) override {}
    void Show(std::string_view, bool) override {}
    void SetChecked(std::string_view, bool) override {}
    bool Enabled(std::string_view) const override { return true; }
    void Enable(std::string_view, bool) override {}
    void SetGrey(std::string_view, bool) override {}
    void Focus(std::string_view) override {}
    void SetListItems(std::string_view, const std::vector<std::string> &) override {}

    void Fill(AzimuthTable table, const std::string &value) {
        for (int i = 0; i < kAntennaEntries; ++i)
            texts[AzimuthControlName(table, i)] = value;
    }
};

constexpr const char *kGs1Header =
    "To save a notice at least the following Mandatory Identifying fields are necessary : \r\n\r\n";
constexpr const char *kHeader = "To save a notice the following Mandatory fields are necessary : \r\n\r\n";
constexpr const char *kFullHeader = "The following fields are either missing or invalid\r\n";

// Rules with no opinion: every administration may notify for every area, no plan-entry fault, and
// positions are accepted unless a test says otherwise.
ReadinessRules LenientRules() {
    ReadinessRules rules;
    rules.canNotifyFor = [](const std::string &, const std::string &) { return true; };
    rules.assignmentPlanEntry = [](auto &&...) { return std::string(); };
    rules.allotmentPlanEntry = [](auto &&...) { return std::string(); };
    return rules;
}

// A GS1 notice that passes both tiers.
FakeForm CompleteGs1() {
    FakeForm f;
    f.texts = {{"Combo_B_Adm", "F"},
               {"Combo_4B_Ctry", "F"},
               {"Txt_AdmRefID", "ID1"},
               {"Txt_4C_Deg_Long", "002"},
               {"Txt_4C_Min_Long", "20"},
               {"Txt_4C_Sec_Long", "00"},
               {"Txt_4C_EW", "E"},
               {"Txt_4C_Deg_Lat", "48"},
               {"Txt_4C_Min_Lat", "51"},
               {"Txt_4C_Sec_Lat", "00"},
               {"Txt_4C_NS", "N"},
               {"Txt_4A_SiteName", "PARIS"},
               {"Combo_GE06_FreqAssgn", "174.928"},
               {"Txt_9EA_SiteAlt", "100"},
               {"Combo_RRC04_RefPlan", "RPC1"},
               {"Combo_9_AntDir", "ND"},
               {"Combo_9D_Polariz", "H"},
               {"Txt_9E_AntHgt", "50"},
               {"Txt_9EB_Eff_hgtmax", "150"},
               {"Combo_RRC04_SpectMask", "N"},
               {"Combo_GE06_Plan", "1"},
               {"Combo_GE06_assgnCde", "S"},
               {"Txt_8BH_Erp_H", "30"},
               {"Combo_GE06_PubReq", "FALSE"}};
    f.checked = {"OptInt_Add", "Opt_Art4"};
    f.Fill(AzimuthTable::EffHeight, "100");
    return f;
}

ReadinessReport Soft(FormKind kind, const FakeForm &f, const ReadinessRules &rules = LenientRules(),
                     int contours = 0, int points = 0) {
    return CheckSaveReadiness(kind, ReadinessInput{f, contours, points}, rules);
}
ReadinessReport Hard(FormKind kind, const FakeForm &f, const ReadinessRules &rules = LenientRules(),
                     int contours = 0, int points = 0) {
    return CheckMandatoryFields(kind, ReadinessInput{f, contours, points}, rules);
}

TEST(SaveReadiness, CompleteGs1PassesBothTiers) {
    FakeForm f = CompleteGs1();
    ReadinessReport soft = Soft(FormKind::GS1, f);
    EXPECT_FALSE(soft.flag);
    EXPECT_EQ(soft.text, "");
    ReadinessReport hard = Hard(FormKind::GS1, f);
    EXPECT_FALSE(hard.flag);
    EXPECT_EQ(hard.text, kGs1Header); // the header alone
}

TEST(SaveReadiness, MissingIdentifyingFieldsStopBeforeTheFullList) {
    FakeForm f = CompleteGs1();
    f.texts.erase("Combo_B_Adm");
    f.texts.erase("Txt_4A_SiteName");
    f.texts.erase("Txt_9EA_SiteAlt"); // a full-list field: must not appear
    ReadinessReport soft = Soft(FormKind::GS1, f);
    EXPECT_TRUE(soft.flag);
    EXPECT_EQ(soft.text, std::string(kGs1Header) + "Notifying Administration : t_adm (B)\r\n" +
                             "Name of the location of the transmitting station : t_sitename (4A)\r\n");
    EXPECT_EQ(Hard(FormKind::GS1, f).text, soft.text);
}

TEST(SaveReadiness, ModificationTargetDependsOnArticle) {
    const std::string modifyLine =
        "Administration's unique ID of the notice to modify : t_trg_adm_ref_id \r\n";
    FakeForm art4 = CompleteGs1();
    art4.checked = {"OptInt_Mod", "Opt_Art4"};
    EXPECT_EQ(Hard(FormKind::GS1, art4).text, kGs1Header + modifyLine);

    FakeForm art5 = CompleteGs1();
    art5.checked = {"OptInt_Mod", "Opt_Art5"};
    for (const char *c :
         {"Txt_trg_freq_assgn", "Txt_trg_long_DD", "Txt_trg_long_MM", "Txt_trg_long_SS", "Txt_trg_long_EW",
          "Txt_trg_lat_DD", "Txt_trg_lat_MM", "Txt_trg_lat_SS", "Txt_trg_lat_NS"})
        art5.texts[c] = "1";
    EXPECT_FALSE(Hard(FormKind::GS1, art5).flag);
    art5.texts.erase("Txt_trg_lat_NS");
    EXPECT_EQ(
        Hard(FormKind::GS1, art5).text,
        std::string(kGs1Header) +
            "Administration's unique ID of the notice to modify : t_trg_adm_ref_id Or " +
            "Target assign frequency t_trg_freq_assgn AND target coordinates t_trg_long, t_trg_lat\r\n");
}

TEST(SaveReadiness, CannotNotifyForCountry) {
    FakeForm f = CompleteGs1();
    f.texts["Combo_4B_Ctry"] = "D";
    ReadinessRules rules = LenientRules();
    rules.canNotifyFor = [](const std::string &ctry, const std::string &adm) { return ctry == adm; };
    EXPECT_EQ(Hard(FormKind::GS1, f, rules).text, std::string(kGs1Header) + "F cannot notify for D\r\n");
}

TEST(SaveReadiness, MixedPolarisationDirectionalNeedsNormalisedPatterns) {
    FakeForm f = CompleteGs1();
    f.texts["Combo_9D_Polariz"] = "m";
    f.texts["Combo_9_AntDir"] = "D";
    f.texts["Txt_8BV_Erp_V"] = "30";
    f.Fill(AzimuthTable::AttnH, "3");
    f.Fill(AzimuthTable::AttnV, "3");
    EXPECT_EQ(Soft(FormKind::GS1, f).text, std::string(kFullHeader) +
                                               "<ANT_DIAGR_V> : has to be normalized(9NV)\r\n" +
                                               "<ANT_DIAGR_H> : has to be normalized(9NH)\r\n");
    // GT1 writes the vertical line with a blank before "(9NV)".
    f.texts.erase("Combo_GE06_FreqAssgn");
    f.texts["Txt_GE06_freqAssgn"] = "474";
    f.texts["Combo_RRC04_Sys_Var"] = "A1";
    f.texts["Combo_RRC04_RxMode"] = "FX";
    EXPECT_EQ(Soft(FormKind::GT1, f).text, std::string(kFullHeader) +
                                               "<ANT_DIAGR_V> : has to be normalized (9NV)\r\n" +
                                               "<ANT_DIAGR_H> : has to be normalized(9NH)\r\n");
    // One "0" in each pattern normalises it; an empty entry reports the incomplete pattern.
    f.texts[AzimuthControlName(AzimuthTable::AttnH, 5)] = "0";
    f.texts[AzimuthControlName(AzimuthTable::AttnV, 0)] = "";
    f.texts[AzimuthControlName(AzimuthTable::AttnV, 1)] = "0";
    EXPECT_EQ(
        Soft(FormKind::GT1, f).text,
        std::string(kFullHeader) +
            "Vertical Antenna attenuation sub-section with all the 36 values : <ANT_DIAGR_V> (9NV)\r\n");
}

TEST(SaveReadiness, SiteOutsideCountryGivesPositionLine) {
    FakeForm f = CompleteGs1();
    f.texts["Txt_4C_Sec_Lat"] = "5"; // padded for the map as in the line
    ReadinessRules rules = LenientRules();
    std::string asked;
    rules.pointInCountry = [&asked](Coordinate lon, Coordinate lat, const std::string &ctry, int km,
                                    std::string *d) {
        asked = lon.deg + lon.min + lon.sec + lon.hemi + "/" + lat.deg + lat.min + lat.sec + lat.hemi + "/" +
                ctry + "/" + std::to_string(km);
        *d = " are in the sea, 25 km from F";
        return false;
    };
    EXPECT_EQ(Soft(FormKind::GS1, f, rules).text,
              std::string(kFullHeader) +
                  "t_long : +0022000 t_lat : +485105 are in the sea, 25 km from F\r\n");
    EXPECT_EQ(asked, "0022000E/485105N/F/10");
    // An accepted point adds nothing, even with a detail.
    rules.pointInCountry = [](Coordinate, Coordinate, const std::string &, int, std::string *d) {
        *d = " are in the sea, less than 1 km from F";
        return true;
    };
    EXPECT_FALSE(Soft(FormKind::GS1, f, rules).flag);
}

TEST(SaveReadiness, Gt1SystemOrReferenceConfiguration) {
    FakeForm f = CompleteGs1();
    f.texts.erase("Combo_GE06_FreqAssgn");
    f.texts["Txt_GE06_freqAssgn"] = "474";
    f.texts.erase("Combo_RRC04_RefPlan");
    const std::string art4 =
        "Enter either Digital television system including DVB-T variant and Reception mode:\r\n"
        "             t_sys_var, t_rx_mode\r\n"
        "      or Ref. planning configuration : t_ref_plan_cfg\r\n";
    EXPECT_EQ(Soft(FormKind::GT1, f).text, kFullHeader + art4);
    f.texts["Combo_RRC04_Sys_Var"] = "A1";
    EXPECT_EQ(Soft(FormKind::GT1, f).text, std::string(kFullHeader) + "Reception mode : t_rx_mode\r\n");
    f.texts["Txt_GE06_TiltAngle"] = "5";
    f.texts["Combo_RRC04_RxMode"] = "FX";
    EXPECT_EQ(Soft(FormKind::GT1, f).text,
              std::string(kFullHeader) +
                  "If t_beam_tilt_angle is provided then t_erp_beam_tilt_dbw must be provided\r\n");
}

FakeForm CompleteAllotment(const char *freqControl) {
    FakeForm f;
    f.texts = {{"Combo_B_Adm", "F"},
               {"Txt_AdmRefID", "A1"},
               {"Combo_4B_Ctry", "F"},
               {freqControl, "174.928"},
               {"Txt_RRC04_allot_name", "N"},
               {"Combo_RRC04_RefPlan", "RPC1"},
               {"Combo_RRC04_TypRefNetwk", "RN1"},
               {"Combo_9D_Polariz", "H"},
               {"Combo_GE06_Plan", "3"},
               {"Combo_GE06_PubReq", "FALSE"},
               {"Txt_RRC04_nb_sub_areas", "3"}};
    f.checked = {"OptInt_Add"};
    return f;
}

TEST(SaveReadiness, AllotmentSubAreasAgainstContours) {
    struct Case {
        FormKind kind;
        const char *freq;
        const char *line;
    } cases[] = {
        {FormKind::GS2, "Combo_GE06_FreqAssgn",
         "The nb of Sub_area and the nb of Contours entered is INCONSISTENT"},
        {FormKind::GT2, "Txt_GE06_freqAssgn",
         "The nb of sub_area and the nb of Contours entered is INCONSISTENT"},
    };
    for (const Case &c : cases) {
        FakeForm f = CompleteAllotment(c.freq);
        EXPECT_FALSE(Soft(c.kind, f, LenientRules(), 3).flag);
        EXPECT_EQ(Soft(c.kind, f, LenientRules(), 2).text, std::string(kFullHeader) + c.line + "\r\n");
        f.texts.erase("Txt_RRC04_nb_sub_areas");
        EXPECT_NE(Soft(c.kind, f, LenientRules(), 2).text.find("Enter either the Number of sub-areas"),
                  std::string::npos);
    }
}

TEST(SaveReadiness, AllotmentMandatoryOrderDiffersBetweenGs2AndGt2) {
    FakeForm gs2;
    gs2.texts = {{"Combo_4B_Ctry", "F"}};
    EXPECT_EQ(Hard(FormKind::GS2, gs2).text,
              std::string(kHeader) + "Notifying Administration : t_adm (B)\r\n" +
                  "Administration's unique ID of the notice : t_adm_ref_id \r\n" +
                  "Assign Frequency : t_freq_assgn\r\n" +
                  "Digital broadcasting allotment name : t_allot_name\r\n");
    EXPECT_EQ(Hard(FormKind::GT2, gs2).text,
              std::string(kHeader) + "Notifying Administration : t_adm (B)\r\n" +
                  "Administration's unique ID of the notice : t_adm_ref_id \r\n" +
                  "Digital broadcasting allotment name : t_allot_name\r\n" +
                  "Assign Frequency : t_freq_assgn\r\n");
}

// Every line of each allotment form's full list at once, and the modification and "cannot notify"
// lines, byte for byte: the blanks and the case differ between GS2 and GT2.
TEST(SaveReadiness, AllotmentTextsWhole) {
    const std::string either =
        "Enter either the Number of sub-areas within this allotment : t_nb_sub_areas\r\n"
        "      or the Country boundary if all the test points are on it's boundary : t_geo_area";
    const struct {
        FormKind kind;
        const char *freq;
        std::string soft;
    } cases[] = {
        {FormKind::GS2, "Combo_GE06_FreqAssgn",
         std::string(kFullHeader) +
             "Ref. planning configuration : t_ref_plan_cfg \r\nPolarization : t_polar (9D)\r\n"
             "Plan entry : t_plan_entry \r\nPublication Request : t_is_pub_req \r\n" +
             either + " \r\n"},
        {FormKind::GT2, "Txt_GE06_freqAssgn",
         std::string(kFullHeader) +
             "Ref. planning configuration : t_ref_plan_cfg\r\n"
             "Type of reference network : t_typ_ref_netwk\r\nPolarization : t_polar (9D)\r\n"
             "Plan entry : t_plan_entry \r\nPublication Request : t_is_pub_req \r\n" +
             either + "\r\n"},
    };
    for (const auto &c : cases) {
        FakeForm f;
        f.texts = {{"Combo_B_Adm", "F"},
                   {"Txt_AdmRefID", "A1"},
                   {"Combo_4B_Ctry", "F"},
                   {c.freq, "174.928"},
                   {"Txt_RRC04_allot_name", "N"}};
        EXPECT_EQ(Soft(c.kind, f).text, c.soft);

        f.checked = {"OptInt_Mod"};
        EXPECT_EQ(Hard(c.kind, f).text,
                  std::string(kHeader) +
                      "Administration's unique ID of the notice to modify : t_trg_adm_ref_id \r\n");
        f.texts["Txt_TrgAdmRefID"] = "A0";
        f.texts["Combo_RRC04_geo_area"] = "E";
        ReadinessRules onlyOwnCountry = LenientRules();
        onlyOwnCountry.canNotifyFor = [](const std::string &area, const std::string &adm) {
            return area == adm;
        };
        EXPECT_NE(Soft(c.kind, f, onlyOwnCountry).text.find("\r\nF cannot notify for E\r\n"),
                  std::string::npos);
    }
}

TEST(SaveReadiness, SubAreaAndAdministrativeForms) {
    FakeForm ga1;
    ga1.texts = {{"Combo_B_Adm", "F"},
                 {"Combo_4B_Ctry", "F"},
                 {"Txt_RRC04_contour_id", "7"},
                 {"Txt_RRC04_nb_test_pts", "4"}};
    EXPECT_FALSE(Hard(FormKind::GA1, ga1, LenientRules(), 0, 4).flag);
    EXPECT_EQ(Hard(FormKind::GA1, ga1, LenientRules(), 0, 3).text,
              std::string(kHeader) + "The list of Test points is INCOMPLETE\r\n");
    // GA1 and the TB forms have no soft tier: CheckSaveReadiness is the hard check.
    EXPECT_TRUE(Soft(FormKind::GA1, ga1, LenientRules(), 0, 3).flag);

    FakeForm tb5;
    EXPECT_EQ(Hard(FormKind::TB5, tb5).text, std::string(kHeader) +
                                                 "Notifying Administration : t_adm (B)\r\n" +
                                                 "Unique ID code of the assignment/allotment to which the "
                                                 "intent is to apply : t_trg_adm_ref_id \r\n" +
                                                 "Fragment : t_fragment\r\n");

    FakeForm tb2;
    tb2.texts = {{"Combo_B_Adm", "F"},    {"Txt_PlanAdmRefID", "P"}, {"Txt_InUse_DD", "1"},
                 {"Txt_InUse_MM", "1"},   {"Txt_InUse_YY", "2009"},  {"Txt_12B_AddrCde", "AB"},
                 {"Txt_TrgFreq", "474"},  {"Txt_4C_Deg_Lat", "48"},  {"Txt_4C_Min_Lat", "51"},
                 {"Txt_4C_Sec_Lat", "0"}, {"Txt_4C_NS", "N"}};
    EXPECT_EQ(Hard(FormKind::TB2, tb2).text, std::string(kHeader) + "Target Longitude : t_trg_long \r\n");
    tb2.texts.erase("Txt_TrgFreq");
    EXPECT_EQ(Hard(FormKind::TB2, tb2).text,
              std::string(kHeader) + "Target Assign Frequency : t_trg_freq_assgn\r\n");
}

TEST(SaveReadiness, RealRulesReportPlanEntryText) {
    FakeForm f = CompleteGs1();
    f.texts["Combo_GE06_assgnCde"] = "L";
    ReadinessReport r = Soft(FormKind::GS1, f, DefaultReadinessRules(nullptr));
    EXPECT_TRUE(r.flag);
    EXPECT_NE(r.text.find("For t_plan_entry = 1, t_assgn_code must be 'S' \r\n"), std::string::npos);
}

} // namespace
} // namespace ondrell
