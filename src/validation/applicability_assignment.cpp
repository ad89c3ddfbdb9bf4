// What an assignment notice (GS1 T-DAB, GT1 DVB-T) must and must not carry, by action, article
// (Article 4 under GE06D, Article 5 under NTFD_RR) and polarisation.

#include "notice/vocabulary.h"
#include "validation/antenna.h"
#include "validation/applicability.h"
#include "validation/applicability_items.h"
#include "validation/applicability_table.h"
#include "validation/mandatory_texts.h"
#include "validation/plan_entry.h"

#include <string>

namespace ondrell {
namespace {

using R = NoticeRecord;
using P = PlanningGroup;
namespace text = mandatory_text;

bool Article4(const NoticeRecord &r) {
    return SameCode(r.t_fragment, fragment::GE06D);
}
bool Article5(const NoticeRecord &r) {
    return SameCode(r.t_fragment, fragment::NTFD_RR);
}

bool LongitudeGiven(const NoticeRecord &r) {
    return PositionGiven(r.site_long);
}
bool LatitudeGiven(const NoticeRecord &r) {
    return PositionGiven(r.site_lat);
}

constexpr ItemRule kSiteItems[] = {
    {" t_sitename is a mandatory value (4A)", Has<&R::t_site_name>},
    {" t_long is a mandatory value (4C)", LongitudeGiven},
    {" t_lat is a mandatory value (4C)", LatitudeGiven},
    {" t_site_alt is a mandatory value (9EA)", Has<&R::t_site_alt>},
    {text::kPolarMandatory, Has<&R::t_polar>},
    {" t_hgt_agl is a mandatory value (9E)", Has<&R::t_hgt_agl>},
    {" t_ant_dir is a mandatory value (9)", Has<&R::t_ant_dir>},
    {" t_eff_hgtmax is a mandatory value (9EB)", Has<&R::t_eff_hgtmax>},
    {" t_spect_mask is a mandatory value", HasPlanning<&P::t_spect_mask>},
};

// t_prov is filled by capture for every Article 5 assignment; its message carries a second line.
constexpr ItemRule kArticle5Items[] = {
    {" t_d_inuse is a mandatory value if notified under Art 5 (2C)", Has<&R::t_d_inuse>},
    {" t_addr_code is a mandatory value if notified under Art 5 (12B)", Has<&R::t_addr_code>},
    {" t_op_hh_fr is a mandatory value if notified under Art 5 (10B)", Has<&R::t_op_hh_fr>},
    {" t_op_hh_to is a mandatory value if notified under Art 5 (10B)", Has<&R::t_op_hh_to>},
    {" t_remark_conds_met is a mandatory value if notified under Art 5", Has<&R::t_remark_conds_met>},
    {" t_is_resub is a mandatory value if notified under Art 5", Has<&R::t_is_resub>},
    {" t_signed_commitment is a mandatory value if notified under Art 5", Has<&R::t_signed_commitment>},
    {" t_plan_adm_ref_id is a mandatory value if notified under Art 5", Has<&R::t_plan_adm_ref_id>},
    {" t_prov is a mandatory value if notified under Art 5\r\n"
     "(The value will be automatically generated if validated through Mendra and saved back to text file)",
     Has<&R::t_prov>},
};

constexpr ItemRule kNotUnderArticle4[] = {
    {" : t_op_agcy should not be notified under Art 4", Has<&R::t_op_agcy>},
    {" : t_addr_code should not be notified under Art 4", Has<&R::t_addr_code>},
    {" : t_op_hh_fr should not be notified under Art 4", Has<&R::t_op_hh_fr>},
    {" : t_op_hh_to should not be notified under Art 4", Has<&R::t_op_hh_to>},
    {" : t_remarks_conds_met should not be notified under Art 4", Has<&R::t_remark_conds_met>},
    {" : t_is_resub should not be notified under Art 4", Has<&R::t_is_resub>},
    {" : t_signed_commitment should not be notified under Art 4", Has<&R::t_signed_commitment>},
};

constexpr ItemRule kNotUnderArticle5[] = {
    {text::kPubReqNotUnderArt5, Has<&R::t_is_pub_req>},
};

constexpr std::string_view kErpVMandatory = " t_erp_v_dbw is a mandatory value (8BV)";
constexpr std::string_view kErpHMandatory = " t_erp_h_dbw is a mandatory value (8BH)";
constexpr std::string_view kAttnVNotForPolar =
    " (9NV) <ANT_DIAGR_V> : should not be notified if the polarization is ";
constexpr std::string_view kAttnHNotForPolar =
    " (9NH) <ANT_DIAGR_H> : should not be notified if the polarization is";
constexpr std::string_view kAndAntenna = " and the antenna is ";
constexpr std::string_view kSystemAndMode = "{t_sys_var, t_rx_mode} must be provided";

// The pattern's own completeness text already ends its line; the finding adds one more break.
void ReportIncomplete(const NoticeRecord &r, AntennaPattern pattern, FindingSink &sink) {
    std::string message;
    if (!PatternComplete(r, pattern, message))
        sink.Fatal(message);
}

void CheckModificationTarget(const NoticeRecord &r, FindingSink &sink) {
    if (!SameCode(r.t_action, action::Modify))
        return;
    const bool byId = Given(r.t_trg_adm_ref_id);
    if (!Article5(r)) {
        if (!byId)
            sink.Fatal(text::kTrgAdmRefIdMandatory);
        return;
    }
    const int characteristics = TargetCharacteristicsGiven(r);
    if (!byId && characteristics < kTargetCharacteristics)
        sink.Fatal(" Either t_trg_adm_ref_id Or t_trg_freq, t_trg_long and t_trg_lat must be provided");
    if (byId && characteristics > 0)
        sink.Fatal(text::kTargetNotBoth);
}

// Polarisation and antenna codes compare exactly: the forms supply them in upper case.
void CheckPolarisation(const NoticeRecord &r, FindingSink &sink) {
    const std::string &polar = r.t_polar;
    const bool directional = r.t_ant_dir == "D";
    const bool attnH = PatternGiven(r, AntennaPattern::AttenuationH);
    const bool attnV = PatternGiven(r, AntennaPattern::AttenuationV);
    if (polar == "M") {
        if (Missing(r.t_erp_v_dbw))
            sink.Fatal(kErpVMandatory);
        if (Missing(r.t_erp_h_dbw))
            sink.Fatal(kErpHMandatory);
        if (directional) {
            ReportIncomplete(r, AntennaPattern::AttenuationH, sink);
            ReportIncomplete(r, AntennaPattern::AttenuationV, sink);
        }
    } else if (polar == "V") {
        if (Given(r.t_erp_h_dbw))
            sink.Fatal(" t_erp_h_dbw should not be notified when polarization is V (8BH)");
        else if (Missing(r.t_erp_v_dbw))
            sink.Fatal(kErpVMandatory);
        if (directional) {
            ReportIncomplete(r, AntennaPattern::AttenuationV, sink);
            if (attnH)
                sink.Fatal(std::string(kAttnHNotForPolar) + polar);
        }
    } else if (polar == "H") {
        if (Given(r.t_erp_v_dbw))
            sink.Fatal(" t_erp_v_dbw should not be notified when polarization is H (8BV)");
        else if (Missing(r.t_erp_h_dbw))
            sink.Fatal(kErpHMandatory);
        if (directional) {
            ReportIncomplete(r, AntennaPattern::AttenuationH, sink);
            if (attnV)
                sink.Fatal(std::string(kAttnVNotForPolar) + polar);
        }
    }
    if (r.t_ant_dir == "ND") {
        if (attnV)
            sink.Fatal(std::string(kAttnVNotForPolar) + polar + std::string(kAndAntenna) + r.t_ant_dir);
        else if (attnH)
            sink.FatalAfterBareLabel(std::string(kAttnHNotForPolar) + polar + std::string(kAndAntenna) +
                                     r.t_ant_dir);
    }
}

void CheckPlanEntry(const NoticeRecord &r, FindingSink &sink) {
    if (Missing(r.t_plan_entry))
        sink.Fatal(text::kPlanEntryMandatory);
    if (Missing(r.t_assgn_code))
        sink.Fatal(" t_assgn_code is a mandatory value");
    if (Missing(r.t_plan_entry) || Missing(r.t_assgn_code))
        return;
    const PlanningGroup &p = r.planning;
    std::string broken;
    if (AssignmentPlanEntryBroken(r.t_plan_entry, r.t_assgn_code, p.t_sfn_id, p.t_associated_adm_allot_id,
                                  p.t_associated_allot_sfn_id, broken))
        sink.Fatal(broken); // one finding holding every broken rule, each on its own line
    if (SameCode(r.t_assgn_code, "S") && Given(p.t_associated_allot_sfn_id))
        sink.Fatal("if t_assgn_code = S then t_associated_allot_sfn_id must not be provided");
}

void CheckArticleItems(const NoticeRecord &r, FindingSink &sink) {
    if (Article4(r)) {
        if (Missing(r.t_is_pub_req))
            sink.Fatal(text::kPubReqMandatoryArt4);
    } else if (Article5(r)) {
        ReportMissing(r, kArticle5Items, sink);
    }
}

// DVB-T: the system is given either by a reference planning configuration (Article 4 only) or
// by the system variant together with the reception mode.
void CheckDvbtSystem(const NoticeRecord &r, FindingSink &sink) {
    const bool tilt = Given(r.t_erp_beam_tilt_dbw), angle = Given(r.t_beam_tilt_angle);
    if (tilt && !angle)
        sink.Fatal("if t_erp_beam_tilt_dbw is provided then t_beam_tilt_angle must be provided");
    if (angle && !tilt)
        sink.Fatal("if t_beam_tilt_angle is provided then t_erp_beam_tilt_dbw must be provided");
    const bool config = Given(r.planning.t_ref_plan_cfg);
    const bool variant = Given(r.t_sys_var), mode = Given(r.planning.t_rx_mode);
    if (Article4(r)) {
        if (!config && !variant && !mode)
            sink.Fatal(
                " Either {t_sys_var, t_rx_mode} or {t_ref_plan_cfg} must be provided if notifed under Art 4");
        else if (!config && !(variant && mode))
            sink.Fatal(kSystemAndMode);
        else if (config && (variant || mode))
            sink.Fatal(
                " If t_ref_plan_cfg is provided then {t_sys_var, t_rx_mode} must NOT be provided if notifed "
                "under Art 4");
    } else if (Article5(r)) {
        if (config)
            sink.Fatal(
                "t_ref_plan_cfg must not be provided if notified under Art 5, however {t_sys_var, t_rx_mode} "
                "must be provided");
        if (!(variant && mode))
            sink.Fatal(kSystemAndMode);
    }
}

} // namespace

void CheckAssignmentItems(const NoticeRecord &r, FindingSink &sink) {
    if (Missing(r.t_adm_ref_id))
        sink.Fatal(text::kAdmRefIdMandatory);
    CheckModificationTarget(r, sink);
    ReportMissing(r, kSiteItems, sink);
    ReportIncomplete(r, AntennaPattern::EffectiveHeight, sink);
    if (Missing(r.t_freq_assgn))
        sink.Fatal(" t_freq_assgn is a mandatory value (1A)");
    CheckPolarisation(r, sink);
    CheckPlanEntry(r, sink);
    CheckArticleItems(r, sink);
    const bool tdab = SameCode(r.t_notice_type, notice_type::GS1);
    if (tdab && Missing(r.planning.t_ref_plan_cfg))
        sink.Fatal(text::kRefPlanCfgMandatory);
    if (SameCode(r.t_notice_type, notice_type::GT1))
        CheckDvbtSystem(r, sink);
    ReportItemsNotCarried(r, CarryColumn::Assignment, sink);
    if (Article4(r))
        ReportGiven(r, kNotUnderArticle4, sink);
    else if (Article5(r))
        ReportGiven(r, kNotUnderArticle5, sink);
    const PlanningGroup &p = r.planning;
    if (Given(p.t_sfn_id) && Given(p.t_associated_allot_sfn_id) && p.t_sfn_id != p.t_associated_allot_sfn_id)
        sink.Fatal(" : t_associated_allot_sfn_id must be equal to t_sfn_id");
}

} // namespace ondrell
