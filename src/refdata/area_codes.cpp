#include "refdata/area_codes.h"
#include "util/text_compare.h"

#include <algorithm>
#include <array>

namespace ondrell {
namespace {

constexpr std::string_view kAdministrations[] = {
    "AFS", "AGL", "ALB", "ALG", "AND", "ARM", "ARS", "AUT", "AZE", "BDI", "BEL", "BEN", "BFA", "BHR",
    "BIH", "BLR", "BOT", "BUL", "CAF", "CME", "COD", "COG", "COM", "CPV", "CTI", "CVA", "CYP", "CZE",
    "D",   "DJI", "DNK", "E",   "EGY", "ERI", "EST", "ETH", "F",   "FIN", "G",   "GAB", "GEO", "GHA",
    "GMB", "GNB", "GNE", "GRC", "GUI", "HNG", "HOL", "HRV", "I",   "IRL", "IRN", "IRQ", "ISL", "ISR",
    "JOR", "KAZ", "KEN", "KGZ", "KWT", "LBN", "LBR", "LBY", "LIE", "LSO", "LTU", "LUX", "LVA", "MAU",
    "MCO", "MDA", "MDG", "MKD", "MLI", "MLT", "MNE", "MOZ", "MRC", "MTN", "MWI", "NGR", "NIG", "NMB",
    "NOR", "OMA", "POL", "POR", "PSE", "QAT", "ROU", "RRW", "RUS", "S",   "SDN", "SEN", "SEY", "SMR",
    "SOM", "SRB", "SRL", "STP", "SUI", "SVK", "SVN", "SWZ", "SYR", "TCD", "TGO", "TJK", "TKM", "TUN",
    "TUR", "TZA", "UAE", "UGA", "UKR", "UZB", "YEM", "ZMB", "ZWE",
};

constexpr std::string_view kCountries[] = {
    "AFS", "AGL", "ALB", "ALG", "AND", "AOE", "ARM", "ARS", "ASC", "AUT", "AZE", "AZR", "BDI", "BEL", "BEN",
    "BFA", "BHR", "BIH", "BLR", "BOT", "BUL", "CAF", "CME", "CNR", "COD", "COG", "COM", "CPV", "CTI", "CVA",
    "CYP", "CZE", "D",   "DJI", "DNK", "E",   "EGY", "ERI", "EST", "ETH", "F",   "FIN", "FRO", "G",   "GAB",
    "GEO", "GHA", "GIB", "GMB", "GNB", "GNE", "GRC", "GUI", "HNG", "HOL", "HRV", "I",   "IRL", "IRN", "IRQ",
    "ISL", "ISR", "JOR", "KAZ", "KEN", "KGZ", "KWT", "LBN", "LBR", "LBY", "LIE", "LSO", "LTU", "LUX", "LVA",
    "MAU", "MCO", "MDA", "MDG", "MDR", "MKD", "MLI", "MLT", "MNE", "MOZ", "MRC", "MTN", "MWI", "MYT", "NGR",
    "NIG", "NMB", "NOR", "OMA", "POL", "POR", "QAT", "REU", "ROU", "RRW", "RUS", "S",   "SDN", "SEN", "SEY",
    "SHN", "SMR", "SOM", "SRB", "SRL", "STP", "SUI", "SVK", "SVN", "SWZ", "SYR", "TCD", "TGO", "TJK", "TKM",
    "TRC", "TUN", "TUR", "TZA", "UAE", "UGA", "UKR", "UZB", "XGZ", "XWB", "YEM", "ZMB", "ZWE",
};

static_assert(std::size(kAdministrations) == 121);
static_assert(std::size(kCountries) == 133);

constexpr std::string_view kSpain[] = {"CNR", "E"};
constexpr std::string_view kFrance[] = {"F", "MYT", "REU"};
constexpr std::string_view kUnitedKingdom[] = {"ASC", "G", "GIB", "SHN", "TRC"};
constexpr std::string_view kPortugal[] = {"AZR", "MDR", "POR"};
constexpr std::string_view kPalestine[] = {"XGZ", "XWB"};
constexpr std::string_view kJordan[] = {"JOR", "XWB"};
constexpr std::string_view kMorocco[] = {"AOE", "MRC"};
constexpr std::string_view kDenmark[] = {"DNK", "FRO"};
constexpr std::string_view kIsrael[] = {"ISR", "XWB"};

constexpr NotifyForList kNotifyFor[] = {
    {"E", kSpain},    {"F", kFrance},    {"G", kUnitedKingdom}, {"POR", kPortugal}, {"PSE", kPalestine},
    {"JOR", kJordan}, {"MRC", kMorocco}, {"DNK", kDenmark},     {"ISR", kIsrael},
};

bool Contains(std::span<const std::string_view> list, std::string_view code) {
    return std::any_of(list.begin(), list.end(), [&](std::string_view s) { return SameSymbol(s, code); });
}

} // namespace

bool SameSymbol(std::string_view a, std::string_view b) {
    return EqualsNoCase(a, b);
}

std::span<const std::string_view> AdministrationCodes() {
    return kAdministrations;
}
std::span<const std::string_view> CountryCodes() {
    return kCountries;
}
std::span<const NotifyForList> NotifyForLists() {
    return kNotifyFor;
}

bool CanNotifyFor(std::string_view country, std::string_view administration) {
    if (SameSymbol(country, administration))
        return true;
    for (const auto &entry : kNotifyFor)
        if (SameSymbol(entry.administration, administration))
            return Contains(entry.areas, country);
    return false;
}

bool IsAdministration(std::string_view code) {
    return Contains(kAdministrations, code);
}

} // namespace ondrell
