#include "refdata/area_codes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace ondrell {
namespace {

std::vector<std::string> Copy(std::span<const std::string_view> list) {
    return {list.begin(), list.end()};
}

TEST(AreaCodes, AdministrationsKeepTheirOrder) {
    const auto adm = Copy(AdministrationCodes());
    ASSERT_EQ(adm.size(), 121u);
    EXPECT_EQ(adm.front(), "AFS");
    EXPECT_EQ(adm.back(), "ZWE");
    // Single-letter symbols sort among the three-letter ones as plain text.
    EXPECT_TRUE(std::is_sorted(adm.begin(), adm.end()));
    EXPECT_EQ(std::set<std::string>(adm.begin(), adm.end()).size(), adm.size());
}

// Countries are the administrations without PSE, plus thirteen areas that are no administration.
TEST(AreaCodes, CountriesAreAdministrationsWithoutPsePlusThirteenAreas) {
    const auto ctry = Copy(CountryCodes());
    ASSERT_EQ(ctry.size(), 133u);
    EXPECT_TRUE(std::is_sorted(ctry.begin(), ctry.end()));

    std::vector<std::string> expected = Copy(AdministrationCodes());
    std::erase(expected, "PSE");
    for (const char *area :
         {"AOE", "ASC", "AZR", "CNR", "FRO", "GIB", "MDR", "MYT", "REU", "SHN", "TRC", "XGZ", "XWB"}) {
        EXPECT_FALSE(IsAdministration(area)) << area;
        expected.push_back(area);
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(ctry, expected);
}

TEST(AreaCodes, IsAdministrationIgnoresCaseOnly) {
    EXPECT_TRUE(IsAdministration("PSE"));
    EXPECT_TRUE(IsAdministration("por"));
    EXPECT_FALSE(IsAdministration(""));
    EXPECT_FALSE(IsAdministration("PO"));
    EXPECT_FALSE(IsAdministration("PORT"));
}

TEST(AreaCodes, NotifyForListsAreTheNine) {
    std::vector<std::string> admins;
    for (const auto &entry : NotifyForLists())
        admins.emplace_back(entry.administration);
    EXPECT_EQ(admins, (std::vector<std::string>{"E", "F", "G", "POR", "PSE", "JOR", "MRC", "DNK", "ISR"}));
    EXPECT_EQ(Copy(NotifyForLists()[2].areas), (std::vector<std::string>{"ASC", "G", "GIB", "SHN", "TRC"}));
}

struct NotifyCase {
    const char *country;
    const char *administration;
    bool allowed;
};

TEST(AreaCodes, CanNotifyFor) {
    const NotifyCase cases[] = {
        {"AZR", "POR", true},  {"MDR", "POR", true},  {"FRO", "DNK", true}, {"FRO", "NOR", false},
        {"NOR", "NOR", true},  {"XWB", "PSE", true},  {"XWB", "JOR", true}, {"XWB", "ISR", true},
        {"XWB", "EGY", false}, {"XGZ", "JOR", false}, {"PSE", "PSE", true}, {"AOE", "MRC", true},
        {"ASC", "G", true},    {"CNR", "E", true},    {"REU", "F", true},   {"REU", "G", false},
        {"e", "E", true},      {"cnr", "e", true},    {"azr", "Por", true}, {"AZR", "", false},
        {"D", "F", false},     {"", "", true},        {"ZZZ", "ZZZ", true}, {"F", "E", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CanNotifyFor(c.country, c.administration), c.allowed)
            << c.country << " by " << c.administration;
}

} // namespace
} // namespace ondrell
