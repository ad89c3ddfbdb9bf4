// Every country symbol of the reference tables, and the neighbours the program names, is an area.

#include "../geo/map_test_support.h"

#include "refdata/area_codes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace ondrell {
namespace {

using maptest::BuiltMap;

bool HasSymbol(const std::vector<std::string> &symbols, std::string_view s) {
    return std::find(symbols.begin(), symbols.end(), s) != symbols.end();
}

TEST(MapSymbolsTest, EveryCountryCodeIsAnArea) {
    const auto symbols = BuiltMap().Symbols();
    for (auto code : CountryCodes())
        EXPECT_TRUE(HasSymbol(symbols, code)) << code;
}

TEST(MapSymbolsTest, NeighboursOutsideThePlanningAreaHaveSymbols) {
    const auto symbols = BuiltMap().Symbols();
    for (const char *code : {"CHN", "AFG", "J", "KRE", "KOR", "MNG", "PAK", "IND", "SSD"})
        EXPECT_TRUE(HasSymbol(symbols, code)) << code;
}

TEST(MapSymbolsTest, EntitiesSplitIntoAreasLeaveNoWholeEntityBehind) {
    const auto symbols = BuiltMap().Symbols();
    for (const char *code : {"PSE", "PRT", "ESP", "FRA", "MAR", "ESH", "SHN_", "MYT_"})
        EXPECT_FALSE(HasSymbol(symbols, code)) << code;
    EXPECT_TRUE(std::is_sorted(symbols.begin(), symbols.end()));
}

} // namespace
} // namespace ondrell
