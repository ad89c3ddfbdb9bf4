// The validation rules against the case tables in data/: each row names a rule or one of its pieces,
// the notice or values it runs on, and everything it must give.

#include "geo_validation_fake_map.h"
#include "support/case_table.h"
#include "support/record_text.h"
#include "validation/antenna.h"
#include "validation/applicability_table.h"
#include "validation/frequency.h"
#include "validation/geo_validation.h"
#include "validation/plan_entry.h"
#include "validation/validate.h"
#include "validation/values_helpers.h"
#include "validation/values_rules.h"

#include <sstream>

namespace ondrell {
namespace {

using cases::Flag;
using cases::Out;
using record_text::Make;
using namespace std::chrono;

constexpr year_month_day kToday{year{2026}, month{12}, day{5}};

// The findings of an error text, one cell each, "W:" before a warning. A message keeps its inner
// CR LFs, so a doubled line break shows as a trailing "\r\n"; malformed text ends with "?" and the rest.
Out Findings(const std::string &errors, bool ok) {
    static const std::string kFatal = "FATAL ERROR : \r\n", kWarning = "WARNING : \r\n";
    Out out;
    bool fatal = false;
    for (std::size_t pos = 0; pos < errors.size();) {
        const bool warning = errors.compare(pos, kWarning.size(), kWarning) == 0;
        if (!warning && errors.compare(pos, kFatal.size(), kFatal) != 0) {
            out.push_back("?" + errors.substr(pos));
            break;
        }
        pos += warning ? kWarning.size() : kFatal.size();
        std::size_t next = errors.size();
        for (const auto &s : {kFatal, kWarning})
            if (const auto at = errors.find("\r\n" + s, pos); at != std::string::npos)
                next = std::min(next, at + 2);
        const std::string message = errors.substr(pos, next - pos);
        out.push_back((warning ? "W:" : "") + message.substr(0, message.size() - 2));
        if (!message.ends_with("\r\n"))
            out.back() = "?" + message;
        fatal |= !warning;
        pos = next;
    }
    EXPECT_EQ(ok, !fatal) << errors;
    return out;
}

template <typename Rule> Out RunRule(const cases::Row &r, Rule rule) {
    NoticeRecord record = Make(r[1], r[2]);
    std::string errors;
    const bool ok = rule(record, errors);
    return Findings(errors, ok);
}

AntennaPattern PatternNamed(const std::string &name) {
    return name == "H"   ? AntennaPattern::AttenuationH
           : name == "V" ? AntennaPattern::AttenuationV
                         : AntennaPattern::EffectiveHeight;
}

std::string DateText(year_month_day d) {
    std::ostringstream s;
    s << static_cast<int>(d.year()) << "-" << static_cast<unsigned>(d.month()) << "-"
      << static_cast<unsigned>(d.day());
    return s.str();
}

year_month_day ReadDate(const std::string &text) {
    return ReadRecordDate(text).value();
}

// Near areas written "F:3 D:0.2".
std::vector<NearArea> NearList(const std::string &text) {
    std::vector<NearArea> near;
    std::istringstream in(text);
    for (std::string item; in >> item;)
        near.push_back({item.substr(0, item.find(':')), std::stod(item.substr(item.find(':') + 1))});
    return near;
}

// A scripted map: places "long lat area near..." separated by " | " (area "-" for the sea),
// "crossings 0-2 1-3", or "nomap". Polygons asked about are counted in `polygons`.
fake::FakeMap ScriptedMap(const std::string &script) {
    fake::FakeMap map;
    for (const std::string &item : record_text::Split(script, '|')) {
        std::istringstream in(item);
        std::string lon, lat, area, rest;
        in >> lon;
        if (lon == "nomap") {
            map.hasMap = false;
        } else if (lon == "crossings") {
            for (std::string pair; in >> pair;)
                map.crossings.push_back({std::stoi(pair), std::stoi(pair.substr(pair.find('-') + 1))});
        } else if (!lon.empty()) {
            in >> lat >> area;
            std::getline(in, rest);
            map.Put(lon, lat, area == "-" ? "" : area, NearList(rest));
        }
    }
    return map;
}

// The real world map, or null when it cannot be loaded.
const WorldMap *RealMap() {
    static const auto map = WorldMap::Load(ONDRELL_MAP_FILE, nullptr);
    return map ? &*map : nullptr;
}

CarryColumn ColumnNamed(const std::string &name) {
    return name == "Assignment"  ? CarryColumn::Assignment
           : name == "Allotment" ? CarryColumn::Allotment
           : name == "SubArea"   ? CarryColumn::SubArea
                                 : CarryColumn::Administrative;
}

// clang-format off
const cases::Adapters kRules = {
    {"Mandatory", {2, [](auto &r) {
        return RunRule(r, [](auto &n, auto &e) { return ValidateNoticeMandatory(n, e, ""); }); }}},
    {"Values", {2, [](auto &r) {
        return RunRule(r, [](auto &n, auto &e) { return value_rules::ValidateValues(n, e, "", kToday); }); }}},
    {"EffHeight", {2, [](auto &r) {
        return RunRule(r, [](auto &n, auto &e) { return ValidateEffectiveHeightPattern(n, e, ""); }); }}},
    {"Attenuation", {2, [](auto &r) {
        return RunRule(r, [](auto &n, auto &e) { return ValidateAttenuationPatterns(n, e, ""); }); }}},
    {"NotCarried", {3, [](auto &r) {
        std::string errors;
        FindingSink sink(errors, "");
        ReportItemsNotCarried(Make(r[1], r[2]), ColumnNamed(r[3]), sink);
        return Findings(errors, sink.ok()); }}},
    {"Geo", {3, [](auto &r) {
        const fake::FakeMap map = ScriptedMap(r[3]);
        NoticeRecord record = Make(r[1], r[2]);
        std::string errors, polygons;
        const bool ok = ValidateGeography(record, errors, "", map);
        for (const auto &p : map.polygons)
            polygons += (polygons.empty() ? "" : " ") + std::to_string(p.size())
                        + (p.front() == p.back() ? "" : "open");
        Out out = Findings(errors, ok);
        out.insert(out.begin(), polygons.empty() ? "-" : polygons);
        return out; }}},
    {"Validate", {2, [](auto &r) {
        NoticeRecord record = Make(r[1], r[2]);
        const ValidationOutcome outcome = ValidateNotice(record, nullptr);
        return Out{Flag(outcome.receivable), outcome.caption, outcome.text}; }}},
    // the same on the real world map
    {"RealGeo", {2, [](auto &r) {
        NoticeRecord record = Make(r[1], r[2]);
        std::string errors;
        const bool ok = ValidateGeography(record, errors, "", RealMap());
        return Findings(errors, ok); }}},
    {"RealValidate", {2, [](auto &r) {
        NoticeRecord record = Make(r[1], r[2]);
        const ValidationOutcome outcome = ValidateNotice(record, RealMap());
        return Out{Flag(outcome.receivable), outcome.caption, outcome.text}; }}},
    // how many times a text is found in what Validate reports
    {"Count", {3, [](auto &r) {
        NoticeRecord record = Make(r[1], r[2]);
        const std::string text = ValidateNotice(record, nullptr).text;
        int found = 0;
        for (std::size_t at = text.find(r[3]); at != std::string::npos; at = text.find(r[3], at + 1))
            ++found;
        return Out{std::to_string(found)}; }}},
    {"Given", {2, [](auto &r) {
        const NoticeRecord n = Make(r[1], r[2]);
        const auto given = [&](AntennaPattern p) { return Flag(PatternGiven(n, p)); };
        return Out{given(AntennaPattern::EffectiveHeight), given(AntennaPattern::AttenuationV),
                   given(AntennaPattern::AttenuationH)}; }}},
    {"Complete", {3, [](auto &r) {
        std::string message = "stale";
        const bool ok = PatternComplete(Make(r[1], r[2]), PatternNamed(r[3]), message);
        return Out{Flag(ok), message}; }}},
    {"Tdab", {1, [](auto &r) { std::string m = "x"; bool ok = CheckTdabFrequency(r[1], m); return Out{Flag(ok), m}; }}},
    {"Dvbt", {2, [](auto &r) { std::string m; bool ok = CheckDvbtFrequency(r[1], r[2], m); return Out{Flag(ok), m}; }}},
    {"PlanEntry", {5, [](auto &r) {
        std::string messages = "before\r\n";
        const bool broken = AssignmentPlanEntryBroken(r[1], r[2], r[3], r[4], r[5], messages);
        EXPECT_TRUE(messages.starts_with("before\r\n"));
        return Out{Flag(broken), messages.substr(8)}; }}},
    {"AllotmentPlanEntry", {2, [](auto &r) {
        std::string messages;
        const bool broken = AllotmentPlanEntryBroken(r[1], r[2], messages);
        return Out{Flag(broken), messages}; }}},
    {"ItemNumber", {1, [](auto &r) { return Out{cases::Number(ReadItemNumber(r[1]))}; }}},
    {"RecordDate", {1, [](auto &r) { const auto d = ReadRecordDate(r[1]); return Out{d ? DateText(*d) : "-"}; }}},
    {"AddMonths", {2, [](auto &r) { return Out{DateText(AddCalendarMonths(ReadDate(r[1]), std::stoi(r[2])))}; }}},
    {"Judge", {4, [](auto &r) {
        const auto verdict = JudgePointInCountry(r[1], NearList(r[2]), r[3], std::stoi(r[4]));
        return Out{Flag(verdict.accepted), verdict.detail}; }}},
    {"MapText", {1, [](auto &r) {
        const auto p = ReadMapText(r[1]);
        return p ? Out{cases::Number(p->lon), cases::Number(p->lat)} : Out{"-"}; }}},
    {"SignedLong", {1, [](auto &r) { return Out{Flag(IsSignedLongitudeText(r[1]))}; }}},
    {"SignedLat", {1, [](auto &r) { return Out{Flag(IsSignedLatitudeText(r[1]))}; }}},
};
// clang-format on
ONDRELL_CASE_TABLES(RuleTable, kRules, "validation/data/mandatory.tsv", "validation/data/not_carried.tsv",
                    "validation/data/values.tsv", "validation/data/pieces.tsv",
                    "validation/data/geography.tsv");

} // namespace
} // namespace ondrell
