#pragma once
// One notice in memory. Texts are named by the file key they are written under; an empty
// text means the item was not given and is never written. Flags start false.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ondrell {

// One position as typed on a form: degrees, hemisphere letter, minutes, seconds.
struct Coordinate {
    std::string deg;  // zero-padded: 3 digits for longitude, 2 for latitude
    std::string hemi; // "E"/"W" for longitude, "N"/"S" for latitude
    std::string min;  // zero-padded to 2 digits
    std::string sec;  // zero-padded to 2 digits

    bool operator==(const Coordinate &) const = default;
};

inline constexpr int kAntennaEntries = 36; // azimuths 0, 10, ... 350
inline constexpr int kContourSlots = 10;
inline constexpr int kMaxTestPoints = 99; // the most test points a sub-area may notify

struct AntennaEntry {
    bool given = false;
    std::string azimuth; // "0", "10", ... "350"
    std::string value;

    bool operator==(const AntennaEntry &) const = default;
};

// Entry i is azimuth 10*i; a fresh table has its azimuths filled and nothing given.
struct AntennaTable {
    std::array<AntennaEntry, kAntennaEntries> entries;

    AntennaTable() {
        for (int i = 0; i < kAntennaEntries; ++i)
            entries[i].azimuth = std::to_string(10 * i);
    }
    bool AnyGiven() const {
        for (const auto &e : entries)
            if (e.given)
                return true;
        return false;
    }
    bool operator==(const AntennaTable &) const = default;
};

struct AllotmentGroup {
    bool present = false;
    std::string t_allot_name;
    std::string t_geo_area;
    std::string t_nb_sub_areas;
    std::string t_typ_ref_netwk;
    std::array<std::string, kContourSlots> t_contour_id;

    bool operator==(const AllotmentGroup &) const = default;
};

struct PlanningGroup {
    bool present = false;
    std::string email_addr; // written as t_email_addr in the file's HEAD
    std::string t_rx_mode;
    std::string t_ref_plan_cfg;
    std::string t_sfn_id;
    std::string t_associated_adm_allot_id;
    std::string t_associated_allot_sfn_id;
    std::string t_spect_mask;
    AllotmentGroup allotment;

    bool operator==(const PlanningGroup &) const = default;
};

struct TestPoint {
    bool given = false;
    std::string t_long; // "+DDDMMSS" / "-DDDMMSS"
    std::string t_lat;  // "+DDMMSS" / "-DDMMSS"

    bool operator==(const TestPoint &) const = default;
};

struct SubAreaGroup {
    bool present = false;
    std::string t_contour_id;
    std::string t_nb_test_pts;
    std::vector<TestPoint> test_points; // entries 0 .. captured count - 1 are filled
    std::string captured_on;

    bool operator==(const SubAreaGroup &) const = default;
};

struct CoordinationEntry {
    std::string adm;
    std::string role;

    bool operator==(const CoordinationEntry &) const = default;
};

struct CoordinationList {
    std::int16_t count = 0;
    bool present = false;
    std::vector<CoordinationEntry> entries;

    bool operator==(const CoordinationList &) const = default;
};

struct NoticeRecord {
    bool captured = false;

    // Identification and procedure
    std::string t_action;
    std::string t_fragment;
    std::string t_plan;
    std::string t_prov;
    std::string t_adm_ref_id;
    std::string t_trg_adm_ref_id;
    std::string t_plan_adm_ref_id;
    std::string t_notice_type;
    std::string stn_cls; // kept in the record, not written
    std::string t_sys_var;
    std::string t_adm;
    std::string t_ctry;
    std::string t_is_resub;
    std::string t_is_pub_req;
    std::string t_call_sign;
    std::string t_plan_entry;
    std::string t_assgn_code;
    std::string t_offset;
    std::string t_remark_conds_met;
    std::string t_signed_commitment;
    std::string t_erp_beam_tilt_dbw;
    std::string t_beam_tilt_angle;
    std::string t_addr_code;
    std::string t_op_agcy;
    std::string t_d_expiry;
    std::string t_d_inuse;
    std::string t_date_rcv; // never filled by capture, never written
    std::string t_freq_assgn;
    std::string t_trg_freq_assgn;
    std::string t_hgt_agl;
    std::string t_eff_hgtmax;
    std::string t_erp_h_dbw;
    std::string t_erp_v_dbw;
    std::string t_polar;
    std::string t_ant_dir;
    std::string t_site_name;
    Coordinate site_long;
    Coordinate site_lat;
    Coordinate trg_long;
    Coordinate trg_lat;
    std::string t_site_alt;
    std::string captured_by; // not written
    std::string captured_on; // not written
    bool op_hours_given = false;
    std::string t_op_hh_fr; // "HHMM" as typed
    std::string t_op_hh_to;

    // Antenna tables
    AntennaTable attn_v;  // 9NV, ANT_DIAGR_V
    AntennaTable attn_h;  // 9NH, ANT_DIAGR_H
    AntennaTable eff_hgt; // 9EC, ANT_HGT

    PlanningGroup planning;
    SubAreaGroup sub_area; // GA1 only
    CoordinationList coord;

    // Remarks
    std::string t_remarks;
    std::string t_int_remarks;

    bool operator==(const NoticeRecord &) const = default;
};

} // namespace ondrell
