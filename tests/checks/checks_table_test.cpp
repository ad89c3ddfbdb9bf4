// The field checks and their pieces against the case tables in data/.

#include "checks/coordinates.h"
#include "checks/dates_times.h"
#include "checks/field_checks.h"
#include "checks/field_tables.h"
#include "checks/numbers.h"
#include "support/case_table.h"

#include <sstream>

namespace ondrell {
namespace {

using cases::Flag;
using cases::Number;
using cases::Out;

std::string Optional(const std::optional<std::string> &text) {
    return text ? *text : "-";
}

// Leaves a field as a form does; `dates` is "day;month;year" for the control's date fields.
Verdict Leave(const std::string &form, const std::string &control, const std::string &text,
              const std::string &dates = {}) {
    std::map<std::string, std::string, std::less<>> others;
    if (!dates.empty()) {
        const std::string stem = control.substr(0, control.size() - 2);
        const std::size_t a = dates.find(';'), b = dates.find(';', a + 1);
        others = {{stem + "DD", dates.substr(0, a)},
                  {stem + "MM", dates.substr(a + 1, b - a - 1)},
                  {stem + "YY", dates.substr(b + 1)}};
    }
    const std::string own = dates.empty() ? text : others[control];
    return RunFieldCheck(form, control, own, [&](std::string_view name) {
        auto it = others.find(name);
        return it == others.end() ? std::string() : it->second;
    });
}

Out Messages(const Verdict &v, Out out, bool titles, bool focus) {
    for (const auto &m : v.messages) {
        if (titles)
            out.push_back(m.title);
        out.push_back(m.text);
        if (focus)
            out.push_back(m.focusBefore);
    }
    return out;
}

Out Time(bool (*check)(std::string_view, std::string &), const std::string &text) {
    std::string explanation = "stale";
    const bool valid = check(text, explanation);
    return {Flag(valid), explanation};
}

// clang-format off
const cases::Adapters kFunctions = {
    {"Hemisphere", {1, [](auto &r) { return Out{Flag(IsEastWest(r[1])), Flag(IsNorthSouth(r[1]))}; }}},
    {"PadLeft3", {1, [](auto &r) { return Out{PadLeft3(r[1])}; }}},
    {"Longitude", {1, [](auto &r) { return Out{LongitudeDegrees(r[1]), LongitudeMinutes(r[1]),
                                               LongitudeSeconds(r[1]), LongitudeHemisphere(r[1])}; }}},
    {"Latitude", {1, [](auto &r) { return Out{LatitudeDegrees(r[1]), LatitudeMinutes(r[1]), LatitudeSeconds(r[1]),
                                              LatitudeHemisphere(r[1])}; }}},
    {"MapCoordText", {2, [](auto &r) { return Out{MapCoordText(r[1], r[2])}; }}},
    {"CalendarDate", {3, [](auto &r) { return Out{Flag(IsCalendarDate(r[1], r[2], r[3]))}; }}},
    {"StartTime", {1, [](auto &r) { return Time(CheckHhmm, r[1]); }}},
    {"StopTime", {1, [](auto &r) { return Time(CheckHhmmStop, r[1]); }}},
    {"Leading", {1, [](auto &r) { return Out{Number(ReadLeadingNumber(r[1]))}; }}},
    {"IsNumber", {1, [](auto &r) { return Out{Flag(IsNumber(r[1])), Flag(IsWholeNumberForm(r[1]))}; }}},
    {"Parse", {1, [](auto &r) { const auto n = ParseNumber(r[1]); return Out{n ? Number(*n) : "-"}; }}},
    {"RoundHalfEven", {1, [](auto &r) { return Out{Number(RoundHalfEven(cases::ToNumber(r[1])))}; }}},
    {"DatePart", {1, [](auto &r) { const auto n = DatePartValue(r[1]); return Out{n ? std::to_string(*n) : "-"}; }}},
    {"Leave", {3, [](auto &r) {
        const Verdict v = Leave(r[1], r[2], r[3]);
        return Messages(v, {Flag(v.accepted)}, true, false); }}},
    {"Code", {3, [](auto &r) {
        const Verdict v = Leave(r[1], r[2], r[3]);
        return Out{Flag(v.accepted), Optional(v.replacement), Flag(v.clearsUntouched)}; }}},
    {"Date", {3, [](auto &r) {
        const Verdict v = Leave(r[1], r[2], "", r[3]);
        return Messages(v, {Flag(v.accepted), Flag(v.beep)}, true, true); }}},
    // a date part of the GS1 form's expiry date, alone
    {"Part", {2, [](auto &r) {
        const Verdict v = Leave("GS1AssignFrmGE06", r[1], r[2]);
        return Messages(v, {Flag(v.accepted), Flag(v.beep)}, false, false); }}},
    {"Key", {3, [](auto &r) {
        const auto key = FilterFieldKey(r[1], r[2], std::stoul(r[3], nullptr, 16));
        std::ostringstream hex;
        hex << std::hex << (key ? std::uint32_t(*key) : 0);
        return Out{hex.str()}; }}},
};
// clang-format on
ONDRELL_CASE_TABLES(CheckTable, kFunctions, "checks/data/coordinates.tsv", "checks/data/dates_times.tsv",
                    "checks/data/numbers.tsv", "checks/data/field_checks.tsv");

// Leaving any checked field empty: only the operating agency refuses, nothing is rewritten.
TEST(FieldChecks, EmptyPassesEveryLeaveCheckButTheOperatingAgency) {
    for (std::string_view form : CheckedFormNames())
        for (const FieldCheck &check : FieldChecksFor(form)) {
            const Verdict v = Leave(std::string(form), check.control, "");
            EXPECT_EQ(v.accepted, check.check.kind != CheckKind::NumericCodeCheck)
                << form << " " << check.control;
            EXPECT_FALSE(v.clearsUntouched || v.replacement) << form << " " << check.control;
        }
}

} // namespace
} // namespace ondrell
