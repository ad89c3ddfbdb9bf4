// Speed of the validate path: reading an electronic notice file, the validation engine, and both
// together with geography, on 10,000 generated notices. Target: 20,000 complete GS1 notices per
// second on one core, geography included (BM_ValidatePath/gs1).

#include "geo/world_map.h"
#include "notice/notice_reader.h"
#include "notice/notice_writer.h"
#include "validation/validate.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace ondrell {
namespace {

constexpr int kNotices = 10000;

struct Site {
    const char *name;
    int lonDeg;
    const char *ew;
    int latDeg;
};
constexpr Site kSites[] = {{"Paris", 2, "E", 48},   {"Lyon", 4, "E", 45},     {"Toulouse", 1, "E", 43},
                           {"Orleans", 1, "E", 47}, {"Dijon", 5, "E", 47},    {"Limoges", 1, "E", 45},
                           {"Rennes", 1, "W", 48},  {"Clermont", 3, "E", 45}, {"Reims", 4, "E", 49}};

std::string Two(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

// A GS1 notice with every item an Article 4 T-DAB assignment carries, 36 heights and 36 attenuations.
NoticeRecord CompleteGs1(int i) {
    const Site &site = kSites[i % std::size(kSites)];
    NoticeRecord r;
    r.t_notice_type = "GS1";
    r.stn_cls = "BC";
    r.t_action = "ADD";
    r.t_fragment = "GE06D";
    r.t_adm = "F";
    r.t_ctry = "F";
    r.t_adm_ref_id = "F-DAB-" + std::to_string(i);
    r.t_d_inuse = "2009-5-8";
    r.t_call_sign = "FDAB" + std::to_string(i % 100);
    r.t_site_name = site.name;
    r.site_long = {"00" + std::to_string(site.lonDeg), site.ew, Two(10 + i % 40), Two(i % 60)};
    r.site_lat = {std::to_string(site.latDeg), "N", Two(5 + i % 50), Two((i * 7) % 60)};
    r.t_freq_assgn = "225.648";
    r.t_site_alt = std::to_string(30 + i % 500);
    r.t_plan_entry = "1";
    r.t_assgn_code = "S";
    r.t_polar = "V";
    r.t_erp_v_dbw = "40";
    r.t_hgt_agl = "300";
    r.t_eff_hgtmax = "330";
    r.t_ant_dir = "D";
    r.t_is_pub_req = "FALSE";
    r.planning.present = true;
    r.planning.email_addr = "spectre@anfr.example";
    r.planning.t_ref_plan_cfg = "RPC4";
    r.planning.t_spect_mask = "2";
    for (int a = 0; a < kAntennaEntries; ++a) {
        r.eff_hgt.entries[a] = {true, std::to_string(10 * a), std::to_string(150 + (a + i) % 150)};
        r.attn_v.entries[a] = {true, std::to_string(10 * a), std::to_string((a + i) % 7)};
    }
    r.t_remarks = "generated";
    return r;
}

NoticeRecord Other(int i) {
    NoticeRecord r;
    r.t_adm = "F";
    switch (i % 6) {
    case 0: // GT1 under Article 5, with target characteristics
        r = CompleteGs1(i);
        r.t_notice_type = "GT1";
        r.stn_cls = "BT";
        r.t_action = "MODIFY";
        r.t_fragment = "NTFD_RR";
        r.t_prov = "RR11.2";
        r.t_trg_freq_assgn = "594";
        r.trg_long = r.site_long;
        r.trg_lat = r.site_lat;
        r.t_freq_assgn = "594";
        r.t_sys_var = "A5";
        r.planning.t_rx_mode = "FX";
        r.planning.t_ref_plan_cfg = "RPC1";
        r.planning.t_spect_mask = "N";
        r.op_hours_given = true;
        r.t_op_hh_fr = "0000";
        r.t_op_hh_to = "2400";
        break;
    case 1: // GS2 allotment
        r.t_notice_type = "GS2";
        r.t_action = "ADD";
        r.t_fragment = "GE06D";
        r.t_ctry = "F";
        r.t_adm_ref_id = "F-ALLOT-" + std::to_string(i);
        r.t_freq_assgn = "223.936";
        r.t_plan_entry = "3";
        r.planning.present = r.planning.allotment.present = true;
        r.planning.t_ref_plan_cfg = "RPC4";
        r.planning.t_spect_mask = "2";
        r.planning.allotment.t_allot_name = "Allotment " + std::to_string(i);
        r.planning.allotment.t_nb_sub_areas = "2";
        r.planning.allotment.t_contour_id[0] = "1";
        r.planning.allotment.t_contour_id[1] = "2";
        break;
    case 2: { // GA1 contour of 6 test points
        r.t_notice_type = "GA1";
        r.t_action = "ADD";
        r.t_ctry = "F";
        r.sub_area.present = true;
        r.sub_area.t_contour_id = std::to_string(i);
        r.sub_area.t_nb_test_pts = "6";
        const char *points[][2] = {{"+0010000", "+470000"}, {"+0020000", "+473000"}, {"+0030000", "+470000"},
                                   {"+0030000", "+460000"}, {"+0020000", "+453000"}, {"+0010000", "+460000"}};
        r.sub_area.test_points.resize(7);
        for (int p = 0; p < 6; ++p)
            r.sub_area.test_points[p] = {true, points[p][0], points[p][1]};
        break;
    }
    case 3: // TB2
        r.t_notice_type = "TB2";
        r.t_action = "CONFORM";
        r.t_plan = "GE06D";
        r.t_plan_adm_ref_id = "F-PLAN-" + std::to_string(i);
        r.t_trg_adm_ref_id = "F-T-" + std::to_string(i);
        r.t_addr_code = "ANFR";
        r.t_d_inuse = "2011-7-14";
        break;
    case 4: // TB3
        r.t_notice_type = "TB3";
        r.t_action = "PARTB";
        r.t_plan = "GE06D";
        r.t_trg_adm_ref_id = "F-T-" + std::to_string(i);
        break;
    default: // TB5
        r.t_notice_type = "TB5";
        r.t_action = "SUPPRESS";
        r.t_fragment = "GE06D";
        r.t_trg_adm_ref_id = "F-T-" + std::to_string(i);
        break;
    }
    return r;
}

// Two files in memory: only complete GS1 notices, and a mix (half GS1, the rest of every other kind).
const std::string &FileText(bool mixed) {
    static const std::string texts[2] = {
        [] {
            std::vector<NoticeRecord> records;
            for (int i = 0; i < kNotices; ++i)
                records.push_back(CompleteGs1(i));
            return FormatNoticeFile({"08/05/2009", "09:05:07", "bench"}, records);
        }(),
        [] {
            std::vector<NoticeRecord> records;
            for (int i = 0; i < kNotices; ++i)
                records.push_back(i % 2 ? Other(i / 2) : CompleteGs1(i));
            return FormatNoticeFile({"08/05/2009", "09:05:07", "bench"}, records);
        }()};
    return texts[mixed ? 1 : 0];
}

const WorldMap *Map() {
    static const std::optional<WorldMap> map = [] {
        std::string error;
        const char *env = std::getenv("ONDRELL_MAP_FILE");
        return WorldMap::Load(env && *env ? env : ONDRELL_MAP_FILE, &error);
    }();
    return map ? &*map : nullptr;
}

std::vector<NoticeRecord> ReadAll(const std::string &text) {
    NoticeFile file;
    std::string error;
    ParseNoticeFile(text, "bench.txt", file, error);
    std::vector<NoticeRecord> records;
    for (auto &n : file.notices)
        records.push_back(std::move(n.record));
    return records;
}

void BM_Reader(benchmark::State &state) {
    const std::string &text = FileText(state.range(0) != 0);
    for (auto _ : state) {
        NoticeFileReader reader;
        reader.OpenText(text, "bench.txt");
        ReadNotice notice;
        int count = 0;
        while (reader.Next(notice))
            ++count;
        if (count != kNotices)
            state.SkipWithError(reader.Error().c_str());
        benchmark::DoNotOptimize(count);
    }
    state.SetItemsProcessed(state.iterations() * kNotices);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

void BM_Engine(benchmark::State &state) {
    std::vector<NoticeRecord> records = ReadAll(FileText(state.range(0) != 0));
    const WorldMap *map = Map();
    if (!map)
        state.SkipWithError("no world map");
    int receivable = 0;
    for (auto _ : state)
        for (auto &r : records)
            receivable += ValidateNotice(r, map).receivable;
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(records.size()));
    state.counters["receivable"] = benchmark::Counter(receivable, benchmark::Counter::kAvgIterations);
}

// What `ondrell-tool validate` does per file, minus printing.
void BM_ValidatePath(benchmark::State &state) {
    const std::string &text = FileText(state.range(0) != 0);
    const WorldMap *map = Map();
    if (!map)
        state.SkipWithError("no world map");
    int receivable = 0;
    for (auto _ : state) {
        NoticeFileReader reader;
        reader.OpenText(text, "bench.txt");
        ReadNotice notice;
        while (reader.Next(notice))
            receivable += ValidateNotice(notice.record, map).receivable;
    }
    state.SetItemsProcessed(state.iterations() * kNotices);
    state.counters["receivable"] = benchmark::Counter(receivable, benchmark::Counter::kAvgIterations);
}

void BM_Writer(benchmark::State &state) {
    std::vector<NoticeRecord> records;
    for (int i = 0; i < 1000; ++i)
        records.push_back(CompleteGs1(i));
    for (auto _ : state)
        benchmark::DoNotOptimize(FormatNoticeFile({"d", "t", "u"}, records));
    state.SetItemsProcessed(state.iterations() * 1000);
}

BENCHMARK(BM_Reader)->ArgName("mixed")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Engine)->ArgName("mixed")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ValidatePath)->ArgName("mixed")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Writer)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace ondrell
