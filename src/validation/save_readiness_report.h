#pragma once
// Internal to the save-readiness checks: reading the form and collecting report lines.

#include "notice/control_names.h"
#include "validation/save_readiness.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace ondrell::readiness {

inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr std::string_view kMandatoryHeader =
    "To save a notice the following Mandatory fields are necessary : ";
inline constexpr std::string_view kGs1MandatoryHeader =
    "To save a notice at least the following Mandatory Identifying fields are necessary : ";
inline constexpr std::string_view kFullHeader = "The following fields are either missing or invalid";

inline constexpr std::string_view kAdmLine = "Notifying Administration : t_adm (B)";
inline constexpr std::string_view kCtryLine = "Country in which the transmitter is sited : t_ctry (4B)";
inline constexpr std::string_view kAdmRefLine = "Administration's unique ID of the notice : t_adm_ref_id ";
inline constexpr std::string_view kModifyLine =
    "Administration's unique ID of the notice to modify : t_trg_adm_ref_id ";
inline constexpr std::string_view kFreqLine = "Assign Frequency : t_freq_assgn";
inline constexpr std::string_view kAllotNameLine = "Digital broadcasting allotment name : t_allot_name";
inline constexpr std::string_view kTrgIntentLine =
    "Unique ID code of the assignment/allotment to which the intent is to apply : t_trg_adm_ref_id ";
inline constexpr std::string_view kInUseLine = "Date of bringing into use : t_d_inuse ";
inline constexpr std::string_view kAddrLine = " Address code : t_addr_code ";

inline const std::initializer_list<const char *> kSiteLong = {
    ctl::kSitePosition.longDeg, ctl::kSitePosition.longMin, ctl::kSitePosition.longSec,
    ctl::kSitePosition.longHemi};
inline const std::initializer_list<const char *> kSiteLat = {
    ctl::kSitePosition.latDeg, ctl::kSitePosition.latMin, ctl::kSitePosition.latSec,
    ctl::kSitePosition.latHemi};
inline const std::initializer_list<const char *> kTarget = {
    ctl::Txt_trg_freq_assgn,      ctl::kTargetPosition.longDeg,  ctl::kTargetPosition.longMin,
    ctl::kTargetPosition.longSec, ctl::kTargetPosition.longHemi, ctl::kTargetPosition.latDeg,
    ctl::kTargetPosition.latMin,  ctl::kTargetPosition.latSec,   ctl::kTargetPosition.latHemi};
inline const std::initializer_list<const char *> kInUseDate = {ctl::kInUseDate.day, ctl::kInUseDate.month,
                                                               ctl::kInUseDate.year};

// Reads the form and collects report lines.
class Report {
  public:
    Report(const ReadinessInput &input, const ReadinessRules &rules) : form_(input.form), rules_(rules) {}

    std::string Text(const char *control) const { return form_.Text(control); }
    bool Empty(const char *control) const { return form_.Text(control).empty(); }
    bool Given(const char *control) const { return !Empty(control); }
    bool Checked(const char *control) const { return form_.Checked(control); }
    bool AnyEmpty(std::initializer_list<const char *> controls) const {
        for (const char *c : controls)
            if (Empty(c))
                return true;
        return false;
    }
    bool AnyGiven(std::initializer_list<const char *> controls) const {
        for (const char *c : controls)
            if (Given(c))
                return true;
        return false;
    }

    void Line(std::string_view line) {
        lines_ += line;
        lines_ += kLineEnd;
    }
    void LineIf(bool condition, std::string_view line) {
        if (condition)
            Line(line);
    }
    void LineIfEmpty(const char *control, std::string_view line) { LineIf(Empty(control), line); }
    // Texts that already end in CR LF (the plan-entry rules' messages).
    void Raw(const std::string &text) { lines_ += text; }

    // "<adm> cannot notify for <area>" when both are given and the rule says no.
    void NotifyFor(const char *areaControl) {
        const std::string adm = Text(ctl::Combo_B_Adm), area = Text(areaControl);
        if (!adm.empty() && !area.empty() && rules_.canNotifyFor && !rules_.canNotifyFor(area, adm))
            Line(adm + " cannot notify for " + area);
    }

    const std::string &lines() const { return lines_; }
    const ReadinessRules &rules() const { return rules_; }

  private:
    const FormControls &form_;
    const ReadinessRules &rules_;
    std::string lines_;
};

// The frequency box: a list of block frequencies on the T-DAB forms, typed on the DVB-T forms.
inline const char *FrequencyControl(FormKind kind) {
    return kind == FormKind::GS1 || kind == FormKind::GS2 ? ctl::Combo_GE06_FreqAssgn
                                                          : ctl::Txt_GE06_freqAssgn;
}

int LeadingInt(const std::string &text);

// The soft tier's lists, run once the mandatory check has passed.
void AssignmentFullList(FormKind kind, Report &r);
void AllotmentFullList(FormKind kind, const ReadinessInput &input, Report &r);

} // namespace ondrell::readiness
