#include "refdata/area_codes.h"
#include "refdata/band3_groups.h"
#include "refdata/frequencies.h"
#include "support/case_table.h"

#include <algorithm>
#include <set>

namespace ondrell {
namespace {

using cases::Flag;
using cases::Out;

// clang-format off
const cases::Adapters kFunctions = {
    {"IsAdministration", {1, [](auto &r) { return Out{Flag(IsAdministration(r[1]))}; }}},
    {"CanNotifyFor", {2, [](auto &r) { return Out{Flag(CanNotifyFor(r[1], r[2]))}; }}},
    {"Band3", {1, [](auto &r) { return Out{Flag(InBand3Group7MHz(r[1])), Flag(InBand3Group8MHzA(r[1])),
                                           Flag(InBand3Group8MHzB(r[1])), Flag(InBand3Group8MHzC(r[1]))}; }}},
    {"Decimal", {1, [](auto &r) { return Out{ShortestDecimalText(std::stof(r[1]))}; }}},
};
// clang-format on
ONDRELL_CASE_TABLES(RefdataTable, kFunctions, "refdata/data/refdata.tsv");

std::vector<std::string> Copy(std::span<const std::string_view> list) {
    return {list.begin(), list.end()};
}

// Single-letter symbols sort among the three-letter ones as plain text; no symbol twice.
TEST(AreaCodes, SortedAndUnique) {
    for (const auto &codes : {Copy(AdministrationCodes()), Copy(CountryCodes())}) {
        EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end()));
        EXPECT_EQ(std::set<std::string>(codes.begin(), codes.end()).size(), codes.size());
    }
}

// Countries are the administrations without PSE, plus thirteen areas that are no administration.
TEST(AreaCodes, CountriesAreAdministrationsWithoutPsePlusThirteenAreas) {
    std::vector<std::string> expected = Copy(AdministrationCodes());
    std::erase(expected, "PSE");
    for (const char *area :
         {"AOE", "ASC", "AZR", "CNR", "FRO", "GIB", "MDR", "MYT", "REU", "SHN", "TRC", "XGZ", "XWB"}) {
        EXPECT_FALSE(IsAdministration(area)) << area;
        expected.push_back(area);
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Copy(CountryCodes()), expected);
}

TEST(Band3Groups, NoCodeInTwoGroups) {
    std::set<std::string_view> seen;
    for (auto group : {Band3Group7MHz(), Band3Group8MHzA(), Band3Group8MHzB(), Band3Group8MHzC()})
        for (auto code : group)
            EXPECT_TRUE(seen.insert(code).second) << code;
}

} // namespace
} // namespace ondrell
