#include "refdata/band3_groups.h"

#include <algorithm>
#include <iterator>

namespace ondrell {
namespace {

// SCG (the former Serbia and Montenegro) is kept here as the raster table has always listed it.
constexpr std::string_view k7MHz[] = {
    "ALB", "ALG", "AND", "ARS", "AUT", "AZR", "BEL", "BHR", "BIH", "BUL", "CME", "CNR", "CVA", "CYP", "CZE",
    "D",   "DJI", "DNK", "E",   "EGY", "ERI", "EST", "ETH", "F",   "FIN", "FRO", "GHA", "GIB", "GNB", "GNE",
    "GRC", "HNG", "HOL", "HRV", "I",   "IRL", "IRN", "IRQ", "ISL", "ISR", "JOR", "KEN", "KWT", "LBN", "LBR",
    "LBY", "LIE", "LTU", "LUX", "LVA", "MAU", "MDA", "MDR", "MKD", "MLI", "MLT", "MNE", "MRC", "MTN", "NIG",
    "NOR", "OMA", "POL", "POR", "QAT", "ROU", "RRW", "S",   "SCG", "SDN", "SEY", "SMR", "SOM", "SRB", "SRL",
    "STP", "SUI", "SVK", "SVN", "SYR", "TCD", "TUN", "TUR", "UAE", "UGA", "UKR", "YEM", "XGZ", "XWB", "ZMB",
};
constexpr std::string_view k8MHzA[] = {"ARM", "AZE", "BLR", "GEO", "KAZ", "KGZ", "RUS", "TJK", "TKM", "UZB"};
constexpr std::string_view k8MHzB[] = {"AFS", "AGL", "ASC", "BOT", "G",   "GMB",
                                       "LSO", "MWI", "NMB", "SHN", "TRC", "TZA"};
constexpr std::string_view k8MHzC[] = {"BDI", "BEN", "BFA", "CAF", "COD", "COG", "COM", "CPV", "CTI",
                                       "GAB", "GUI", "MDG", "MYT", "NGR", "REU", "SEN", "TGO"};

static_assert(std::size(k7MHz) == 90);
static_assert(std::size(k8MHzA) == 10);
static_assert(std::size(k8MHzB) == 12);
static_assert(std::size(k8MHzC) == 17);

bool HasExactly(std::span<const std::string_view> group, std::string_view country) {
    return std::find(group.begin(), group.end(), country) != group.end();
}

} // namespace

std::span<const std::string_view> Band3Group7MHz() {
    return k7MHz;
}
std::span<const std::string_view> Band3Group8MHzA() {
    return k8MHzA;
}
std::span<const std::string_view> Band3Group8MHzB() {
    return k8MHzB;
}
std::span<const std::string_view> Band3Group8MHzC() {
    return k8MHzC;
}

bool InBand3Group7MHz(std::string_view country) {
    return HasExactly(k7MHz, country);
}
bool InBand3Group8MHzA(std::string_view country) {
    return HasExactly(k8MHzA, country);
}
bool InBand3Group8MHzB(std::string_view country) {
    return HasExactly(k8MHzB, country);
}
bool InBand3Group8MHzC(std::string_view country) {
    return HasExactly(k8MHzC, country);
}

} // namespace ondrell
