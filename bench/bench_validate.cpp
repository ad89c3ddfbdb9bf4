// Speed of the validate path: reading an electronic notice file, the validation engine, and both
// together with geography, on 10,000 generated notices. Target: 300,000 complete GS1 notices per
// second of CPU on one core, geography included (BM_ValidatePath/mixed:0). BM_LineScan is the
// reference: only finding the lines of the same text, the floor any reader stands on.

#include "geo/world_map.h"
#include "notice/line_source.h"
#include "notice/notice_reader.h"
#include "notice/notice_writer.h"
#include "support/record_text.h"
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

// A complete assignment (tests/support/notices.tsv, shared with the tests) with its own identifiers,
// site, 36 heights and 36 attenuations.
NoticeRecord CompleteGs1(int i, const char *name = "CompleteGs1") {
    const Site &site = kSites[i % std::size(kSites)];
    NoticeRecord r = record_text::Named(name);
    r.t_adm_ref_id = "F-DAB-" + std::to_string(i);
    r.t_call_sign = "FDAB" + std::to_string(i % 100);
    r.t_site_name = site.name;
    r.site_long = {"00" + std::to_string(site.lonDeg), site.ew, Two(10 + i % 40), Two(i % 60)};
    r.site_lat = {std::to_string(site.latDeg), "N", Two(5 + i % 50), Two((i * 7) % 60)};
    r.t_site_alt = std::to_string(30 + i % 500);
    for (int a = 0; a < kAntennaEntries; ++a) {
        r.eff_hgt.entries[a] = {true, std::to_string(10 * a), std::to_string(150 + (a + i) % 150)};
        r.attn_v.entries[a] = {true, std::to_string(10 * a), std::to_string((a + i) % 7)};
    }
    return r;
}

// The other kinds in turn: a GT1 under Article 5 with target characteristics, a GS2 allotment, a GA1
// contour of 6 test points, a TB2, a TB3 and a TB5.
NoticeRecord Other(int i) {
    const std::string id = std::to_string(i);
    switch (i % 6) {
    case 0: {
        NoticeRecord r = CompleteGs1(i, "CompleteGt1");
        r.trg_long = r.site_long;
        r.trg_lat = r.site_lat;
        return r;
    }
    case 1:
        return record_text::Make("CompleteGs2",
                                 "t_adm_ref_id=F-ALLOT-" + id + "; t_allot_name=Allotment " + id);
    case 2:
        return record_text::Make("CompleteGa1", "sub.t_contour_id=" + id);
    case 3:
        return record_text::Make("CompleteTb2",
                                 "t_plan_adm_ref_id=F-PLAN-" + id + "; t_trg_adm_ref_id=F-T-" + id);
    default:
        return record_text::Make(i % 6 == 4 ? "CompleteTb3" : "CompleteTb5", "t_trg_adm_ref_id=F-T-" + id);
    }
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

void BM_LineScan(benchmark::State &state) {
    const std::string &text = FileText(state.range(0) != 0);
    for (auto _ : state) {
        LineSource source;
        source.OpenText(text);
        std::string_view line;
        int lines = 0;
        while (source.Next(line) == LineSource::Status::Line)
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
    state.SetItemsProcessed(state.iterations() * kNotices);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
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

BENCHMARK(BM_LineScan)->ArgName("mixed")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Reader)->ArgName("mixed")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Engine)->ArgName("mixed")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ValidatePath)->ArgName("mixed")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Writer)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace ondrell
