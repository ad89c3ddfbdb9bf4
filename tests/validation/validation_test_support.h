#pragma once
// Shared by the validation tests: clean notices of every type, runners for the mandatory-item and
// value rules, and the pieces of an expected error text. Expected message lines are always written
// out whole, label " : " included, so a wrong blank shows.

#include "notice/record.h"
#include "validation/validate.h"
#include "validation/values_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace ondrell::testing_support {

struct Finding {
    std::string severity; // "FATAL ERROR : " or "WARNING : "
    std::string line;     // the message line(s), without the final CR LF

    bool operator==(const Finding &) const = default;
};

// Splits an error text at its severity lines. A message spanning several lines keeps its inner
// CR LFs, so a doubled line break shows as a trailing "\r\n". Malformed text gives a finding
// with severity "?" holding the rest.
inline std::vector<Finding> SplitFindings(const std::string &errors) {
    static const std::string kSeverities[] = {"FATAL ERROR : \r\n", "WARNING : \r\n"};
    std::vector<Finding> findings;
    std::size_t pos = 0;
    while (pos < errors.size()) {
        std::string severity;
        for (const auto &s : kSeverities)
            if (errors.compare(pos, s.size(), s) == 0)
                severity = s;
        std::size_t next = errors.size();
        for (const auto &s : kSeverities)
            if (const auto at = errors.find("\r\n" + s, pos + severity.size()); at != std::string::npos)
                next = std::min(next, at + 2);
        const std::string message = errors.substr(pos + severity.size(), next - pos - severity.size());
        if (severity.empty() || !message.ends_with("\r\n")) {
            findings.push_back({"?", errors.substr(pos)});
            break;
        }
        findings.push_back({severity.substr(0, severity.size() - 2), message.substr(0, message.size() - 2)});
        pos = next;
    }
    return findings;
}

// The message lines only, for comparing whole ordered lists.
inline std::vector<std::string> MessageLines(const std::string &errors) {
    std::vector<std::string> lines;
    for (const auto &f : SplitFindings(errors))
        lines.push_back(f.line);
    return lines;
}

struct MandatoryRun {
    bool ok;
    std::string errors;
    std::vector<std::string> lines;
};

inline MandatoryRun RunMandatory(const NoticeRecord &record) {
    MandatoryRun run{false, {}, {}};
    run.ok = ValidateNoticeMandatory(record, run.errors, "");
    run.lines = MessageLines(run.errors);
    return run;
}

inline void FillPattern(AntennaTable &table, const std::string &value) {
    for (auto &e : table.entries) {
        e.given = true;
        e.value = value;
    }
}

// An Article 4 T-DAB assignment that carries every item it must and nothing it must not.
inline NoticeRecord CleanGs1() {
    NoticeRecord r;
    r.t_adm = "F";
    r.t_notice_type = "GS1";
    r.t_action = "ADD";
    r.t_fragment = "GE06D";
    r.t_ctry = "F";
    r.t_adm_ref_id = "A1";
    r.t_site_name = "PARIS";
    r.site_long = {"002", "E", "20", "00"};
    r.site_lat = {"48", "N", "51", "00"};
    r.t_site_alt = "100";
    r.t_polar = "H";
    r.t_hgt_agl = "50";
    r.t_ant_dir = "ND";
    r.t_eff_hgtmax = "300";
    r.planning.t_spect_mask = "1";
    FillPattern(r.eff_hgt, "100");
    r.t_freq_assgn = "223.936";
    r.t_erp_h_dbw = "30";
    r.t_plan_entry = "1";
    r.t_assgn_code = "S";
    r.t_is_pub_req = "Y";
    r.planning.t_ref_plan_cfg = "RPC4";
    return r;
}

inline NoticeRecord CleanGt1() {
    NoticeRecord r = CleanGs1();
    r.t_notice_type = "GT1";
    r.t_freq_assgn = "474";
    r.planning.t_ref_plan_cfg = "RPC1";
    r.planning.t_spect_mask = "N";
    return r;
}

// An Article 5 DVB-T assignment: operating details instead of the publication request.
inline NoticeRecord CleanGt1Article5() {
    NoticeRecord r = CleanGt1();
    r.t_fragment = "NTFD_RR";
    r.t_prov = "RR11.2";
    r.t_is_pub_req.clear();
    r.planning.t_ref_plan_cfg.clear();
    r.t_sys_var = "A1";
    r.planning.t_rx_mode = "FX";
    r.t_d_inuse = "01/01/2027";
    r.t_addr_code = "A12";
    r.t_op_hh_fr = "0000";
    r.t_op_hh_to = "2400";
    r.t_remark_conds_met = "Y";
    r.t_is_resub = "N";
    r.t_signed_commitment = "Y";
    r.t_plan_adm_ref_id = "P1";
    return r;
}

inline NoticeRecord CleanGs2() {
    NoticeRecord r;
    r.t_adm = "F";
    r.t_notice_type = "GS2";
    r.t_action = "ADD";
    r.t_fragment = "GE06D";
    r.t_ctry = "F";
    r.t_adm_ref_id = "AL1";
    r.planning.allotment.t_allot_name = "NORD";
    r.planning.allotment.t_geo_area = "F";
    r.t_polar = "H";
    r.t_is_pub_req = "Y";
    r.t_plan_entry = "1";
    r.planning.t_ref_plan_cfg = "RPC4";
    return r;
}

inline NoticeRecord CleanGt2() {
    NoticeRecord r = CleanGs2();
    r.t_notice_type = "GT2";
    r.planning.t_ref_plan_cfg = "RPC1";
    r.planning.allotment.t_typ_ref_netwk = "RN1";
    return r;
}

inline NoticeRecord CleanGa1() {
    NoticeRecord r;
    r.t_adm = "F";
    r.t_notice_type = "GA1";
    r.t_action = "ADD";
    r.t_ctry = "F";
    r.sub_area.t_contour_id = "1";
    r.sub_area.t_nb_test_pts = "3";
    r.sub_area.test_points = {
        {true, "+0020000", "+480000"}, {true, "+0030000", "+480000"}, {true, "+0030000", "+490000"}};
    return r;
}

inline NoticeRecord CleanTb5() {
    NoticeRecord r;
    r.t_adm = "F";
    r.t_notice_type = "TB5";
    r.t_action = "SUPPRESS";
    r.t_fragment = "GE06D";
    r.t_trg_adm_ref_id = "A1";
    return r;
}

inline NoticeRecord CleanTb3() {
    NoticeRecord r;
    r.t_adm = "F";
    r.t_notice_type = "TB3";
    r.t_action = "PARTB";
    r.t_trg_adm_ref_id = "A1";
    r.t_plan = "GE06D";
    return r;
}

inline NoticeRecord CleanTb2() {
    NoticeRecord r;
    r.t_adm = "F";
    r.t_notice_type = "TB2";
    r.t_action = "CONFORM";
    r.t_plan_adm_ref_id = "P1";
    r.t_plan = "GE06D";
    r.t_d_inuse = "01/01/2027";
    r.t_addr_code = "A12";
    r.t_trg_adm_ref_id = "X1";
    return r;
}

// One mandatory-item case: a clean notice, one change, and the whole ordered message lines it must
// draw (none for a notice that must pass). The test itself lives in mandatory_core_test.cpp; each
// file instantiates its own cases.
struct RuleCase {
    const char *name;
    NoticeRecord (*make)();
    std::function<void(NoticeRecord &)> change;
    std::vector<std::string> lines;

    friend void PrintTo(const RuleCase &c, std::ostream *os) { *os << c.name; }
};

class MandatoryRule : public ::testing::TestWithParam<RuleCase> {};

inline std::string CaseName(const ::testing::TestParamInfo<RuleCase> &info) {
    return info.param.name;
}

inline void Unchanged(NoticeRecord &) {}

inline std::string FatalLine(std::string_view line) {
    return "FATAL ERROR : \r\n" + std::string(line) + "\r\n";
}
inline std::string WarningLine(std::string_view line) {
    return "WARNING : \r\n" + std::string(line) + "\r\n";
}

using Setup = std::function<void(NoticeRecord &)>;

inline NoticeRecord Notice(std::string_view type, const Setup &setup = {}) {
    NoticeRecord r;
    r.t_notice_type = std::string(type);
    if (setup)
        setup(r);
    return r;
}

inline constexpr std::chrono::year_month_day kToday{std::chrono::year{2026}, std::chrono::month{12},
                                                    std::chrono::day{5}};

struct ValuesResult {
    bool ok;
    std::string errors;
};

// ValidateNoticeValues with the label the forms use (empty) and a fixed today.
inline ValuesResult RunValues(const NoticeRecord &r, std::chrono::year_month_day today = kToday) {
    ValuesResult result{true, {}};
    result.ok = value_rules::ValidateValues(r, result.errors, "", today);
    return result;
}

} // namespace ondrell::testing_support
