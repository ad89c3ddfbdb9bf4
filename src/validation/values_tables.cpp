// The value-domain rules as tables, each in the order its rules run.

#include "notice/vocabulary.h"
#include "validation/values_rules.h"

namespace ondrell::value_rules {
namespace {

namespace nt = notice_type;

constexpr TypeSet kAnyType{{}, true};
constexpr TypeSet kAssignments{{nt::GS1, nt::GT1}};
constexpr TypeSet kAllotments{{nt::GS2, nt::GT2}};
constexpr TypeSet kTdab{{nt::GS1, nt::GS2}};
constexpr TypeSet kDvbt{{nt::GT1, nt::GT2}};

// Texts used by more than one rule.
constexpr std::string_view kAssignmentFragments =
    " t_fragment : Acceptable value for assignments are {GE06D, NTFD_RR}";
constexpr std::string_view kPlanText = " t_plan : Acceptable value for assignments are {GE06D}";
constexpr std::string_view kRefPlanCfg =
    " t_ref_plan_cfg : Acceptable values are : for DVB-T : {RPC1, RPC2, RPC3} and for T_DAB : {RPC4, RPC5}";

constexpr double kMostErp = 53.0;

// A frequency finding names the item, then the frequency check's own explanation.
constexpr std::string_view kFreqAssgn = "t_freq_assgn : ";
constexpr std::string_view kTrgFreqAssgn = "t_trg_freq_assgn : ";

const std::string &SpectrumMask(const NoticeRecord &r) {
    return r.planning.t_spect_mask;
}
const std::string &RefPlanCfg(const NoticeRecord &r) {
    return r.planning.t_ref_plan_cfg;
}
const std::string &TypRefNetwk(const NoticeRecord &r) {
    return r.planning.allotment.t_typ_ref_netwk;
}
const std::string &NbSubAreas(const NoticeRecord &r) {
    return r.planning.allotment.t_nb_sub_areas;
}
const std::string &NbTestPts(const NoticeRecord &r) {
    return r.sub_area.t_nb_test_pts;
}

const ValueRule kAdministrative[] = {
    {.types = {{nt::TB5}},
     .item = Item<&NoticeRecord::t_fragment>,
     .fails = Fails::UnlessOneOf,
     .text = kAssignmentFragments,
     .codes = {fragment::GE06D, fragment::NTFD_RR}},
    {.types = {{nt::TB5}},
     .item = Item<&NoticeRecord::t_action>,
     .fails = Fails::UnlessOneOf,
     .text = " t_action : Acceptable values are {SUPPRESS, WITHDRAW}",
     .codes = {action::Suppress, action::Withdraw}},
    {.types = {{nt::TB3}},
     .item = Item<&NoticeRecord::t_plan>,
     .fails = Fails::UnlessOneOf,
     .text = kPlanText,
     .codes = {ondrell::kPlanGE06D}},
    {.types = {{nt::TB3}},
     .item = Item<&NoticeRecord::t_action>,
     .fails = Fails::UnlessOneOf,
     .text = " t_action : Acceptable values are {PARTB}",
     .codes = {action::PartB}},
    {.types = {{nt::TB2}},
     .item = Item<&NoticeRecord::t_plan>,
     .fails = Fails::UnlessOneOf,
     .text = kPlanText,
     .codes = {ondrell::kPlanGE06D}},
    {.types = {{nt::TB2}},
     .item = Item<&NoticeRecord::t_action>,
     .fails = Fails::UnlessOneOf,
     .text = " t_action : Acceptable values are {CONFORM}",
     .codes = {action::Conform}},
};

const ValueRule kAssignment[] = {
    {.types = kAssignments,
     .item = Item<&NoticeRecord::t_fragment>,
     .fails = Fails::UnlessOneOf,
     .text = kAssignmentFragments,
     .codes = {fragment::GE06D, fragment::NTFD_RR}},
    {.types = kAssignments,
     .item = Item<&NoticeRecord::t_erp_h_dbw>,
     .fails = Fails::Above,
     .text = " t_erp_h_dbw : Value should be <= 53.0 (8BH)",
     .high = kMostErp},
    {.types = kAssignments,
     .item = Item<&NoticeRecord::t_erp_v_dbw>,
     .fails = Fails::Above,
     .text = " t_erp_v_dbw : Value should be <= 53.0 (8BV)",
     .high = kMostErp},
    {.types = kAssignments,
     .item = Item<&NoticeRecord::t_polar>,
     .fails = Fails::IfOneOf,
     .text = " t_polar : For assignments acceptable values are {V, H, M} (9D)",
     .codes = {"U"}},
    {.types = kAssignments,
     .item = Item<&NoticeRecord::t_call_sign>,
     .fails = Fails::IfGiven,
     .text = " : t_call_sign (3A1) provided but NOT validated.",
     .severity = Severity::Warning},
    {.types = {{nt::GT1}},
     .item = Item<&NoticeRecord::t_erp_beam_tilt_dbw>,
     .fails = Fails::Above,
     .text = " t_erp_beam_tilt_dbw : Value should be <= 53.0",
     .high = kMostErp},
    {.types = {{nt::GT1}},
     .item = Item<&NoticeRecord::t_erp_beam_tilt_dbw>,
     .fails = Fails::NotAboveOther,
     .text = " t_erp_beam_tilt_dbw must be greater than t_erp_h_dbw",
     .other = Item<&NoticeRecord::t_erp_h_dbw>},
    {.types = {{nt::GT1}},
     .item = Item<&NoticeRecord::t_erp_beam_tilt_dbw>,
     .fails = Fails::NotAboveOther,
     .text = " t_erp_beam_tilt_dbw must be greater than t_erp_v_dbw",
     .other = Item<&NoticeRecord::t_erp_v_dbw>},
    {.types = {{nt::GT1}},
     .item = Item<&NoticeRecord::t_beam_tilt_angle>,
     .fails = Fails::Outside,
     .text = " t_beam_tilt_angle : Value should be [-30.0, 30.0]",
     .low = -30,
     .high = 30},
};

const ValueRule kAction[] = {
    {.types = {{nt::GA1, nt::TB5}, true},
     .item = Item<&NoticeRecord::t_action>,
     .fails = Fails::IfOneOf,
     .text = " t_action : Acceptable values are {ADD, MODIFY}",
     .codes = {action::Suppress}},
    {.types = {{nt::GA1, nt::TB5}},
     .item = Item<&NoticeRecord::t_action>,
     .fails = Fails::IfOneOf,
     .text = " t_action : Acceptable values are {ADD, SUPPRESS}",
     .codes = {action::Modify}},
};

const ValueRule kHeightAndMask[] = {
    {.types = kAnyType,
     .item = Item<&NoticeRecord::t_hgt_agl>,
     .fails = Fails::Outside,
     .text = " t_hgt_agl : Value should be between [0, 800] (9E)",
     .low = 0,
     .high = 800},
    {.types = kAnyType,
     .item = Item<&NoticeRecord::t_site_alt>,
     .fails = Fails::Outside,
     .text = " t_site_alt : Value should be an integer between [-1000, 8850] (9EA)",
     .low = -1000,
     .high = 8850},
    {.types = kAnyType,
     .item = Item<&NoticeRecord::t_eff_hgtmax>,
     .fails = Fails::Outside,
     .text = " : Value should be an integer between [-3000, 3000] (9EB)",
     .low = -3000,
     .high = 3000,
     .prefix = " : t_eff_hgtmax "},
    {.types = kDvbt,
     .item = SpectrumMask,
     .fails = Fails::UnlessOneOf,
     .text = " t_spect_mask : Acceptable values are : for DVB-T : {N, S} ",
     .codes = {"S", "N"}},
    {.types = kTdab,
     .item = SpectrumMask,
     .fails = Fails::UnlessOneOf,
     .text = " t_spect_mask : Acceptable values are : for T-DAB : {1, 2, 3}",
     .codes = {"1", "2", "3"}},
};

const ValueRule kOffset[] = {
    {.types = kAnyType,
     .item = Item<&NoticeRecord::t_offset>,
     .fails = Fails::Outside,
     .text = " t_offset : Value should be between [-500.0, 500.0] (1E)",
     .low = -500,
     .high = 500,
     .prefix = " t_offset "},
};

const ValueRule kAllotment[] = {
    {.types = kAllotments,
     .item = Item<&NoticeRecord::t_fragment>,
     .fails = Fails::UnlessOneOf,
     .text = " t_fragment : Acceptable value for allotments are {GE06D}",
     .codes = {fragment::GE06D}},
    {.types = kAllotments,
     .item = NbSubAreas,
     .fails = Fails::Outside,
     .text = " t_nb_sub_area : Value should be between [1, 9]",
     .low = 1,
     .high = 9},
    {.types = kAllotments,
     .item = NbSubAreas,
     .fails = Fails::ContourCountDiffers,
     .text = " t_nb_sub_area and the number of t_contour_id notified, do not match",
     .low = 1,
     .high = 9},
};

const ValueRule kReference[] = {
    {.types = kTdab,
     .item = RefPlanCfg,
     .fails = Fails::UnlessOneOf,
     .text = kRefPlanCfg,
     .codes = {"RPC4", "RPC5"}},
    {.types = kTdab,
     .item = Item<&NoticeRecord::t_freq_assgn>,
     .fails = Fails::NotTdabFrequency,
     .text = {},
     .prefix = kFreqAssgn},
    {.types = kTdab,
     .item = Item<&NoticeRecord::t_trg_freq_assgn>,
     .fails = Fails::NotTdabFrequency,
     .text = {},
     .prefix = kTrgFreqAssgn},
    {.types = {{nt::GT2}},
     .item = TypRefNetwk,
     .fails = Fails::UnlessOneOf,
     .text = " t_typ_ref_netwk : Acceptable values are : for DVB-T allotment : {RN1, RN2, RN3, RN4}",
     .codes = {"RN1", "RN2", "RN3", "RN4"}},
    {.types = kDvbt,
     .item = RefPlanCfg,
     .fails = Fails::UnlessOneOf,
     .text = kRefPlanCfg,
     .codes = {"RPC1", "RPC2", "RPC3"}},
    {.types = kDvbt,
     .item = Item<&NoticeRecord::t_freq_assgn>,
     .fails = Fails::NotDvbtFrequency,
     .text = {},
     .prefix = kFreqAssgn},
    {.types = kDvbt,
     .item = Item<&NoticeRecord::t_trg_freq_assgn>,
     .fails = Fails::NotDvbtFrequency,
     .text = {},
     .prefix = kTrgFreqAssgn},
};

const ValueRule kTestPoints[] = {
    {.types = {{nt::GA1}},
     .item = NbTestPts,
     .fails = Fails::MissingOrOutside,
     .text = "Value must be between [3-99]",
     .low = 3,
     .high = 99},
};

} // namespace

std::span<const ValueRule> AdministrativeRules() {
    return kAdministrative;
}
std::span<const ValueRule> AssignmentRules() {
    return kAssignment;
}
std::span<const ValueRule> ActionRules() {
    return kAction;
}
std::span<const ValueRule> HeightAndMaskRules() {
    return kHeightAndMask;
}
std::span<const ValueRule> OffsetRules() {
    return kOffset;
}
std::span<const ValueRule> AllotmentRules() {
    return kAllotment;
}
std::span<const ValueRule> ReferenceRules() {
    return kReference;
}
std::span<const ValueRule> TestPointRules() {
    return kTestPoints;
}

} // namespace ondrell::value_rules
