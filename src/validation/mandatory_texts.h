#pragma once
// Message texts that more than one mandatory or applicability rule reports. Texts are kept
// exactly as the notices' users know them, leading blanks included.

#include <string_view>

namespace ondrell::mandatory_text {

inline constexpr std::string_view kTrgAdmRefIdMandatory = "t_trg_adm_ref_id is a mandatory value";
inline constexpr std::string_view kPlanMandatory = " t_plan is a mandatory value";
inline constexpr std::string_view kAdmRefIdMandatory = " t_adm_ref_id is a mandatory value";
inline constexpr std::string_view kPolarMandatory = " t_polar is a mandatory value (9D)";
inline constexpr std::string_view kPlanEntryMandatory = " t_plan_entry is a mandatory value";
inline constexpr std::string_view kRefPlanCfgMandatory = " t_ref_plan_cfg is mandatory";
inline constexpr std::string_view kPubReqMandatoryArt4 =
    " t_is_pub_req is a mandatory value if notified under Art 4";
inline constexpr std::string_view kPubReqNotUnderArt5 = " : t_is_pub_req should not be notified under Art 5";
inline constexpr std::string_view kTargetNotBoth =
    " Either t_trg_adm_ref_id or t_trg_freq and t_trg_long and t_trg_lat must be provided, but not both";

} // namespace ondrell::mandatory_text
