#include "validation/save_readiness.h"
#include "notice/control_names.h"

#include "checks/numbers.h"
#include "validation/save_readiness_report.h"

namespace ondrell {

namespace readiness {

int LeadingInt(const std::string &text) {
    return static_cast<int>(ReadLeadingNumber(text));
}

} // namespace readiness

namespace {

using namespace readiness;

void AssignmentMandatory(FormKind kind, Report &r) {
    r.LineIfEmpty(ctl::Combo_B_Adm, kAdmLine);
    r.LineIfEmpty(ctl::Combo_4B_Ctry, kCtryLine);
    r.NotifyFor(ctl::Combo_4B_Ctry);
    r.LineIfEmpty(ctl::Txt_AdmRefID, kAdmRefLine);
    if (r.Checked(ctl::OptInt_Mod)) {
        if (r.Checked(ctl::Opt_Art4))
            r.LineIfEmpty(ctl::Txt_TrgAdmRefID, kModifyLine);
        else if (r.Empty(ctl::Txt_TrgAdmRefID) && r.AnyEmpty(kTarget))
            r.Line(std::string("Administration's unique ID of the notice to modify : t_trg_adm_ref_id Or ") +
                   "Target assign frequency t_trg_freq_assgn AND target coordinates t_trg_long, t_trg_lat");
    }
    r.LineIf(r.AnyEmpty(kSiteLong), "Longitude : t_long (4C) ");
    r.LineIf(r.AnyEmpty(kSiteLat), "Latitude : t_lat (4C) ");
    r.LineIfEmpty(ctl::Txt_4A_SiteName, "Name of the location of the transmitting station : t_sitename (4A)");
    r.LineIfEmpty(FrequencyControl(kind), kFreqLine);
}

void AllotmentMandatory(FormKind kind, Report &r) {
    const bool modify = r.Checked(ctl::OptInt_Mod) && r.Empty(ctl::Txt_TrgAdmRefID);
    if (kind == FormKind::GS2) {
        r.LineIfEmpty(ctl::Combo_B_Adm, kAdmLine);
        r.LineIfEmpty(ctl::Txt_AdmRefID, kAdmRefLine);
        r.LineIf(modify, kModifyLine);
        r.LineIfEmpty(ctl::Combo_4B_Ctry, kCtryLine);
        r.NotifyFor(ctl::Combo_4B_Ctry);
        r.LineIfEmpty(FrequencyControl(kind), kFreqLine);
        r.LineIfEmpty(ctl::Txt_RRC04_allot_name, kAllotNameLine);
        return;
    }
    r.LineIfEmpty(ctl::Combo_B_Adm, kAdmLine);
    r.NotifyFor(ctl::Combo_4B_Ctry);
    r.LineIfEmpty(ctl::Txt_AdmRefID, kAdmRefLine);
    r.LineIf(modify, kModifyLine);
    r.LineIfEmpty(ctl::Combo_4B_Ctry, kCtryLine);
    r.LineIfEmpty(ctl::Txt_RRC04_allot_name, kAllotNameLine);
    r.LineIfEmpty(FrequencyControl(kind), kFreqLine);
}

void SubAreaMandatory(const ReadinessInput &input, Report &r) {
    r.LineIfEmpty(ctl::Combo_B_Adm, kAdmLine);
    r.LineIfEmpty(ctl::Combo_4B_Ctry, kCtryLine);
    r.NotifyFor(ctl::Combo_4B_Ctry);
    r.LineIfEmpty(ctl::Txt_RRC04_contour_id, "Unique contour ID : t_contour_id");
    r.LineIfEmpty(ctl::Txt_RRC04_nb_test_pts, "Number of boundary test points : t_nb_test_pts");
    r.LineIf(r.Given(ctl::Txt_RRC04_nb_test_pts) &&
                 LeadingInt(r.Text(ctl::Txt_RRC04_nb_test_pts)) != input.testPointCount,
             "The list of Test points is INCOMPLETE");
}

void AdministrativeMandatory(FormKind kind, Report &r) {
    r.LineIfEmpty(ctl::Combo_B_Adm, kAdmLine);
    if (kind == FormKind::TB5 || kind == FormKind::TB3) {
        r.LineIfEmpty(ctl::Txt_TrgAdmRefID, kTrgIntentLine);
        if (kind == FormKind::TB5)
            r.LineIf(!r.Checked(ctl::Opt_Art4) && !r.Checked(ctl::Opt_Art5), "Fragment : t_fragment");
        return;
    }
    r.LineIfEmpty(ctl::Txt_PlanAdmRefID,
                  "Unique ID code of the assignment to be copied to Master Register : t_plan_adm_ref_id ");
    r.LineIf(r.AnyEmpty(kInUseDate), kInUseLine);
    r.LineIfEmpty(ctl::Txt_12B_AddrCde, kAddrLine);
    if (r.Given(ctl::Txt_TrgFreq)) {
        r.LineIf(r.AnyEmpty(kSiteLong), "Target Longitude : t_trg_long ");
        r.LineIf(r.AnyEmpty(kSiteLat), "Target Latitude : t_trg_lat  ");
    }
    r.LineIf((r.AnyGiven(kSiteLong) || r.AnyGiven(kSiteLat)) && r.Empty(ctl::Txt_TrgFreq),
             "Target Assign Frequency : t_trg_freq_assgn");
}

ReadinessReport Mandatory(FormKind kind, const ReadinessInput &input, const ReadinessRules &rules) {
    Report r(input, rules);
    switch (kind) {
    case FormKind::GS1:
    case FormKind::GT1:
        AssignmentMandatory(kind, r);
        break;
    case FormKind::GS2:
    case FormKind::GT2:
        AllotmentMandatory(kind, r);
        break;
    case FormKind::GA1:
        SubAreaMandatory(input, r);
        break;
    case FormKind::TB5:
    case FormKind::TB3:
    case FormKind::TB2:
        AdministrativeMandatory(kind, r);
        break;
    }
    ReadinessReport report;
    report.flag = !r.lines().empty();
    report.text = std::string(kind == FormKind::GS1 ? kGs1MandatoryHeader : kMandatoryHeader);
    report.text += kLineEnd;
    report.text += kLineEnd;
    report.text += r.lines();
    return report;
}

} // namespace

ReadinessReport CheckMandatoryFields(FormKind kind, const ReadinessInput &input,
                                     const ReadinessRules &rules) {
    return Mandatory(kind, input, rules);
}

ReadinessReport CheckSaveReadiness(FormKind kind, const ReadinessInput &input, const ReadinessRules &rules) {
    ReadinessReport mandatory = Mandatory(kind, input, rules);
    if (mandatory.flag || !Descriptor(kind).softReadiness)
        return mandatory.flag ? mandatory : ReadinessReport{};
    Report r(input, rules);
    if (kind == FormKind::GS1 || kind == FormKind::GT1)
        AssignmentFullList(kind, r);
    else
        AllotmentFullList(kind, input, r);
    if (r.lines().empty())
        return {};
    return {std::string(kFullHeader) + std::string(kLineEnd) + r.lines(), true};
}

} // namespace ondrell
