// The hard save check of the administrative forms TB2, TB3 and TB5: whole report texts, blanks
// included, for the ways a user leaves those forms incomplete.
#include "validation/save_readiness.h"

#include "../support/fake_form.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

using testing::FakeForm;

constexpr const char *kHeader = "To save a notice the following Mandatory fields are necessary : \r\n\r\n";

// The lines, each as it is written (the report ends every one with CR LF).
constexpr const char *kAdm = "Notifying Administration : t_adm (B)";
constexpr const char *kIntent =
    "Unique ID code of the assignment/allotment to which the intent is to apply : t_trg_adm_ref_id ";
constexpr const char *kFragment = "Fragment : t_fragment";
constexpr const char *kPlanRef =
    "Unique ID code of the assignment to be copied to Master Register : t_plan_adm_ref_id ";
constexpr const char *kInUse = "Date of bringing into use : t_d_inuse ";
constexpr const char *kAddr = " Address code : t_addr_code ";
constexpr const char *kTrgLong = "Target Longitude : t_trg_long ";
constexpr const char *kTrgLat = "Target Latitude : t_trg_lat  ";
constexpr const char *kTrgFreq = "Target Assign Frequency : t_trg_freq_assgn";

ReadinessRules NoRules() {
    return {};
}

// A TB2 copy that passes, its target given by frequency and position.
FakeForm CompleteTb2() {
    FakeForm f;
    for (const auto &[control, text] : std::initializer_list<std::pair<const char *, const char *>>{
             {"Combo_B_Adm", "I"},
             {"Txt_PlanAdmRefID", "I-PLAN-99"},
             {"Txt_InUse_DD", "14"},
             {"Txt_InUse_MM", "7"},
             {"Txt_InUse_YY", "2011"},
             {"Txt_12B_AddrCde", "AB"},
             {"Txt_TrgFreq", "658"},
             {"Txt_4C_Deg_Long", "12"},
             {"Txt_4C_Min_Long", "29"},
             {"Txt_4C_Sec_Long", "00"},
             {"Txt_4C_EW", "E"},
             {"Txt_4C_Deg_Lat", "41"},
             {"Txt_4C_Min_Lat", "54"},
             {"Txt_4C_Sec_Lat", "10"},
             {"Txt_4C_NS", "N"},
         })
        f.Set(control, text);
    return f;
}

FakeForm CompleteTargetForm(const char *article) {
    FakeForm f;
    f.Set("Combo_B_Adm", "G").Set("Txt_TrgAdmRefID", "G-T-0815");
    if (*article)
        f.Check(article);
    return f;
}

struct Case {
    const char *name;
    FormKind kind;
    FakeForm form;
    std::vector<const char *> lines; // none: the header alone, flag false
};

std::vector<Case> Cases() {
    auto without = [](FakeForm f, std::initializer_list<const char *> controls) {
        for (const char *c : controls)
            f.Set(c, "");
        return f;
    };
    return {
        {"Tb2Complete", FormKind::TB2, CompleteTb2(), {}},
        {"Tb2Empty", FormKind::TB2, FakeForm(), {kAdm, kPlanRef, kInUse, kAddr}},
        // The identifier of the target alone needs no characteristics.
        {"Tb2ById",
         FormKind::TB2,
         without(CompleteTb2(),
                 {"Txt_TrgFreq", "Txt_4C_Deg_Long", "Txt_4C_Min_Long", "Txt_4C_Sec_Long", "Txt_4C_EW",
                  "Txt_4C_Deg_Lat", "Txt_4C_Min_Lat", "Txt_4C_Sec_Lat", "Txt_4C_NS"})
             .Set("Txt_TrgAdmRefID", "I-MIFR-1"),
         {}},
        {"Tb2OneDatePartMissing", FormKind::TB2, without(CompleteTb2(), {"Txt_InUse_MM"}), {kInUse}},
        {"Tb2HemispheresCount",
         FormKind::TB2,
         without(CompleteTb2(), {"Txt_4C_EW", "Txt_4C_NS"}),
         {kTrgLong, kTrgLat}},
        {"Tb2FrequencyWithoutPosition",
         FormKind::TB2,
         without(CompleteTb2(), {"Txt_4C_Deg_Long", "Txt_4C_Min_Long", "Txt_4C_Sec_Long", "Txt_4C_EW",
                                 "Txt_4C_Deg_Lat", "Txt_4C_Min_Lat", "Txt_4C_Sec_Lat", "Txt_4C_NS"}),
         {kTrgLong, kTrgLat}},
        {"Tb2PositionPartWithoutFrequency",
         FormKind::TB2,
         without(CompleteTb2(), {"Txt_TrgFreq", "Txt_4C_Deg_Long", "Txt_4C_Min_Long", "Txt_4C_EW",
                                 "Txt_4C_Deg_Lat", "Txt_4C_Min_Lat", "Txt_4C_Sec_Lat", "Txt_4C_NS"}),
         {kTrgFreq}},
        {"Tb2EverythingMissingButTheTarget",
         FormKind::TB2,
         without(CompleteTb2(), {"Combo_B_Adm", "Txt_PlanAdmRefID", "Txt_InUse_YY", "Txt_12B_AddrCde"}),
         {kAdm, kPlanRef, kInUse, kAddr}},
        {"Tb3Complete", FormKind::TB3, CompleteTargetForm(""), {}},
        {"Tb3Empty", FormKind::TB3, FakeForm(), {kAdm, kIntent}},
        {"Tb5Art4", FormKind::TB5, CompleteTargetForm("Opt_Art4"), {}},
        {"Tb5Art5NoIntent", FormKind::TB5, CompleteTargetForm("Opt_Art5"), {}},
        {"Tb5NoArticle", FormKind::TB5, CompleteTargetForm(""), {kFragment}},
        {"Tb5Empty", FormKind::TB5, FakeForm().Check("OptInt_Supp"), {kAdm, kIntent, kFragment}},
    };
}

class AdministrativeSaveCheck : public ::testing::TestWithParam<Case> {};

TEST_P(AdministrativeSaveCheck, ReportsTheWholeText) {
    const Case &c = GetParam();
    std::string expected = kHeader;
    for (const char *line : c.lines)
        expected += std::string(line) + "\r\n";
    const ReadinessReport hard = CheckMandatoryFields(c.kind, ReadinessInput{c.form}, NoRules());
    EXPECT_EQ(hard.text, expected);
    EXPECT_EQ(hard.flag, !c.lines.empty());
}

INSTANTIATE_TEST_SUITE_P(TbForms, AdministrativeSaveCheck, ::testing::ValuesIn(Cases()),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace ondrell
