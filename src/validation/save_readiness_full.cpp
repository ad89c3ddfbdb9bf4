// The soft tier of the save-readiness checks: fields missing or invalid on an assignment or
// allotment form whose mandatory fields are all there.
#include "notice/capture.h"
#include "notice/control_names.h"
#include "notice/file_format.h"
#include "util/text_compare.h"
#include "validation/save_readiness_report.h"

#include <algorithm>
#include <cctype>

namespace ondrell::readiness {

namespace {

struct EmptyLine {
    const char *control;
    const char *line;
};

bool IsCode(const std::string &text, std::string_view code) {
    return EqualsNoCase(text, code);
}

bool AnyAzimuthEmpty(const Report &r, AzimuthTable table) {
    for (int i = 0; i < kAntennaEntries; ++i)
        if (r.Empty(AzimuthControlName(table, i).c_str()))
            return true;
    return false;
}

bool NoAzimuthZero(const Report &r, AzimuthTable table) {
    for (int i = 0; i < kAntennaEntries; ++i)
        if (r.Text(AzimuthControlName(table, i).c_str()) == "0")
            return false;
    return true;
}

// One polarised component: its e.r.p. and, for a directional antenna, its attenuation pattern.
struct Component {
    const char *erpControl;
    const char *erpLine;
    AzimuthTable pattern;
    const char *patternLine;
    const char *normalizedLine;
};

void CheckComponent(Report &r, const Component &c, bool directional) {
    r.LineIfEmpty(c.erpControl, c.erpLine);
    if (!directional)
        return;
    r.LineIf(AnyAzimuthEmpty(r, c.pattern), c.patternLine);
    r.LineIf(NoAzimuthZero(r, c.pattern), c.normalizedLine);
}

// The boxes hold what was typed ("7" degrees); padded as capture pads them, so the map text is
// well formed.
Coordinate ReadCoordinate(const Report &r, int degWidth, const char *deg, const char *min, const char *sec,
                          const char *hemi) {
    Coordinate c{PadLeftZeros(r.Text(deg), degWidth), r.Text(hemi), PadLeftZeros(r.Text(min), 2),
                 PadLeftZeros(r.Text(sec), 2)}; // an empty seconds box becomes "00"
    return c;
}

// A position outside its country (by more than the tolerance) gives one line; an accepted one none.
void CheckPosition(Report &r, const char *longKey, const char *latKey,
                   const std::initializer_list<const char *> &f) {
    const auto *n = f.begin(); // long deg, min, sec, hemi, lat deg, min, sec, hemi
    const std::string ctry = r.Text(ctl::Combo_4B_Ctry);
    if (!r.rules().pointInCountry || ctry.empty() || r.AnyEmpty({n[0], n[1], n[4], n[5]}))
        return;
    Coordinate lon = ReadCoordinate(r, 3, n[0], n[1], n[2], n[3]);
    Coordinate lat = ReadCoordinate(r, 2, n[4], n[5], n[6], n[7]);
    std::string detail;
    if (r.rules().pointInCountry(lon, lat, ctry, 10, &detail))
        return;
    r.Line(std::string(longKey) + FormatCoordinate(lon.deg, lon.min, lon.sec, lon.hemi) + latKey +
           FormatCoordinate(lat.deg, lat.min, lat.sec, lat.hemi) + detail);
}

const EmptyLine kGs1Basics[] = {
    {ctl::Txt_9EA_SiteAlt, "Altitude of the site : t_site_alt (9EA)"},
    {ctl::Combo_RRC04_RefPlan, "Ref. Planning configuration : t_ref_plan_cfg"},
    {ctl::Combo_9_AntDir, "Antenna directivity : t_ant_dir (9)"},
    {ctl::Combo_9D_Polariz, "Polarization : t_polar (9D)"},
    {ctl::Txt_9E_AntHgt, "Height antenna : t_hgt_agl (9E)"},
    {ctl::Txt_9EB_Eff_hgtmax, "Maximum effective antenna height : t_eff_hgtmax (9EB)"},
    {ctl::Combo_RRC04_SpectMask, "Spectrum mask : t_spect_mask "},
};

const EmptyLine kArt5Lines[] = {
    {ctl::Txt_12B_AddrCde, " Address code : t_addr_code "},
    {ctl::Txt_10B_Ophhfr, " Start time : t_op_hh_fr "},
    {ctl::Txt_10B_Ophhto, " Stop time : t_op_hh_to "},
    {ctl::Combo_GE06_IsResub, " Resubmission : t_is_resub "},
    {ctl::Combo_GE06_Rmk_Cond, " Remark conditions met : t_remark_conds_met "},
    {ctl::Combo_GE06_SigComit, " Signed commitment : t_signed_commitment "},
    {ctl::Txt_PlanAdm_RefID, " Unique identifier of the associated Plan entry : t_plan_adm_ref_id "},
};

// GT1: the DVB-T system and reception mode, or a reference planning configuration instead.
void DvbtSystemLines(Report &r) {
    const bool noSys = r.Empty(ctl::Combo_RRC04_Sys_Var), noRx = r.Empty(ctl::Combo_RRC04_RxMode),
               noRef = r.Empty(ctl::Combo_RRC04_RefPlan);
    if (noSys && noRx && noRef) {
        if (r.Checked(ctl::Opt_Art4)) {
            r.Line("Enter either Digital television system including DVB-T variant and Reception mode:");
            r.Line("             t_sys_var, t_rx_mode");
            r.Line("      or Ref. planning configuration : t_ref_plan_cfg");
        } else if (r.Checked(ctl::Opt_Art5)) {
            r.Line("Digital television system and Reception mode : t_sys_var, t_rx_mode");
        }
        return;
    }
    r.LineIf(noRef && noSys, "Digital System : t_sys_var ");
    r.LineIf(noRef && noRx, "Reception mode : t_rx_mode");
}

} // namespace

void AssignmentFullList(FormKind kind, Report &r) {
    const bool gt1 = kind == FormKind::GT1;
    for (const EmptyLine &e : kGs1Basics) {
        if (gt1 && std::string_view(e.control) == ctl::Combo_RRC04_RefPlan)
            DvbtSystemLines(r);
        else
            r.LineIfEmpty(e.control, e.line);
    }
    r.LineIf(AnyAzimuthEmpty(r, AzimuthTable::EffHeight),
             "Effective antenna height sub-section : <ANT_HGT> (9EC)");
    r.LineIfEmpty(ctl::Combo_GE06_Plan, "Plan entry : t_plan_entry ");
    r.LineIfEmpty(ctl::Combo_GE06_assgnCde, "Assignment code : t_assgn_code ");

    const std::string polar = r.Text(ctl::Combo_9D_Polariz);
    const bool directional = IsCode(r.Text(ctl::Combo_9_AntDir), "D");
    if (IsCode(polar, "V") || IsCode(polar, "M"))
        CheckComponent(
            r,
            {ctl::Txt_8BV_Erp_V, "Max. e.r.p. of vertically polarized component : t_erp_v_dbw (8BV)",
             AzimuthTable::AttnV,
             "Vertical Antenna attenuation sub-section with all the 36 values : <ANT_DIAGR_V> (9NV)",
             gt1 ? "<ANT_DIAGR_V> : has to be normalized (9NV)"
                 : "<ANT_DIAGR_V> : has to be normalized(9NV)"},
            directional);
    if (IsCode(polar, "H") || IsCode(polar, "M"))
        CheckComponent(r,
                       {ctl::Txt_8BH_Erp_H,
                        "Max. e.r.p. of horizontally polarized component : t_erp_h_dbw (8BH)",
                        AzimuthTable::AttnH,
                        "Horizontal Antenna attenuation sub-section all the 36 values : <ANT_DIAGR_H> (9NH)",
                        "<ANT_DIAGR_H> : has to be normalized(9NH)"},
                       directional);

    if (r.rules().assignmentPlanEntry)
        r.Raw(r.rules().assignmentPlanEntry(r.Text(ctl::Combo_GE06_Plan), r.Text(ctl::Combo_GE06_assgnCde),
                                            r.Text(ctl::Txt_RRC04_SfnID), r.Text(ctl::Txt_RRC04_AdmAllotID),
                                            r.Text(ctl::Txt_GE06_assoc_allot_sfnID)));
    r.LineIf(r.Given(ctl::Txt_GE06_assoc_allot_sfnID) && IsCode(r.Text(ctl::Combo_GE06_assgnCde), "S"),
             "t_associated_allot_sfn_id can only be provided if t_assgn_code = {L,C}");
    if (r.Checked(ctl::Opt_Art4))
        r.LineIfEmpty(ctl::Combo_GE06_PubReq, "Publication Request : t_is_pub_req ");
    if (r.Checked(ctl::Opt_Art5)) {
        r.LineIf(r.AnyEmpty(kInUseDate), kInUseLine);
        for (const EmptyLine &e : kArt5Lines)
            r.LineIfEmpty(e.control, e.line);
    }
    CheckPosition(r, "t_long : ", " t_lat : ",
                  {ctl::Txt_4C_Deg_Long, ctl::Txt_4C_Min_Long, ctl::Txt_4C_Sec_Long, ctl::Txt_4C_EW,
                   ctl::Txt_4C_Deg_Lat, ctl::Txt_4C_Min_Lat, ctl::Txt_4C_Sec_Lat, ctl::Txt_4C_NS});
    CheckPosition(r, "t_trg_long : ", " t_trg_lat : ",
                  {ctl::Txt_trg_long_DD, ctl::Txt_trg_long_MM, ctl::Txt_trg_long_SS, ctl::Txt_trg_long_EW,
                   ctl::Txt_trg_lat_DD, ctl::Txt_trg_lat_MM, ctl::Txt_trg_lat_SS, ctl::Txt_trg_lat_NS});
    if (gt1) {
        const bool erp = r.Given(ctl::Txt_GE06_erpBeam_tilt), angle = r.Given(ctl::Txt_GE06_TiltAngle);
        r.LineIf(erp && !angle, "If t_erp_beam_tilt_dbw is provided then t_beam_tilt_angle must be provided");
        r.LineIf(angle && !erp, "If t_beam_tilt_angle is provided then t_erp_beam_tilt_dbw must be provided");
    }
}

void AllotmentFullList(FormKind kind, const ReadinessInput &input, Report &r) {
    const bool gs2 = kind == FormKind::GS2;
    r.LineIfEmpty(ctl::Combo_RRC04_RefPlan, gs2 ? "Ref. planning configuration : t_ref_plan_cfg "
                                                : "Ref. planning configuration : t_ref_plan_cfg");
    if (!gs2)
        r.LineIfEmpty(ctl::Combo_RRC04_TypRefNetwk, "Type of reference network : t_typ_ref_netwk");
    r.LineIfEmpty(ctl::Combo_9D_Polariz, "Polarization : t_polar (9D)");
    r.LineIfEmpty(ctl::Combo_GE06_Plan, "Plan entry : t_plan_entry ");
    r.LineIfEmpty(ctl::Combo_GE06_PubReq, "Publication Request : t_is_pub_req ");

    const std::string subAreas = r.Text(ctl::Txt_RRC04_nb_sub_areas);
    if (subAreas.empty() && r.Empty(ctl::Combo_RRC04_geo_area))
        r.Line(
            std::string("Enter either the Number of sub-areas within this allotment : t_nb_sub_areas") +
            std::string(kLineEnd) +
            (gs2 ? "      or the Country boundary if all the test points are on it's boundary : t_geo_area "
                 : "      or the Country boundary if all the test points are on it's boundary : t_geo_area"));
    r.LineIf(!subAreas.empty() && LeadingInt(subAreas) != input.contourIdCount,
             gs2 ? "The nb of Sub_area and the nb of Contours entered is INCONSISTENT"
                 : "The nb of sub_area and the nb of Contours entered is INCONSISTENT");
    if (r.rules().allotmentPlanEntry)
        r.Raw(r.rules().allotmentPlanEntry(r.Text(ctl::Combo_GE06_Plan), r.Text(ctl::Txt_RRC04_SfnID)));
    r.NotifyFor(ctl::Combo_RRC04_geo_area);
}

} // namespace ondrell::readiness
