#include "validation/frequency.h"

#include "refdata/band3_groups.h"
#include "refdata/frequencies.h"
#include "validation/findings.h"
#include "validation/rule_helpers.h"
#include "validation/values_helpers.h"

#include <algorithm>
#include <array>
#include <span>

namespace ondrell {
namespace {

// Band III DVB-T channel centres on the two rasters.
constexpr std::array<double, 8> kBand3Raster7MHz = {177.5, 184.5, 191.5, 198.5, 205.5, 212.5, 219.5, 226.5};
constexpr std::array<double, 7> kBand3Raster8MHz = {178, 186, 194, 202, 210, 218, 226};

// Bands IV and V, where every channel is 8 MHz wide.
constexpr double kUhfLow = 474;
constexpr double kUhfHigh = 858;

// Countries on the 8 MHz Band III raster that stand in none of the 8 MHz groups.
constexpr std::array<std::string_view, 3> kOther8MHzCountries = {"MOZ", "SWZ", "ZWE"};

bool Listed(std::span<const double> values, double f) {
    return std::find(values.begin(), values.end(), f) != values.end();
}

bool Fail(std::string &message, std::string_view text) {
    message += text;
    message += kCrLf;
    return false;
}

} // namespace

bool OnBand3Raster8MHz(std::string_view country) {
    if (InBand3Group8MHzA(country) || InBand3Group8MHzB(country) || InBand3Group8MHzC(country))
        return true;
    return std::any_of(kOther8MHzCountries.begin(), kOther8MHzCountries.end(),
                       [&](std::string_view c) { return SameCode(country, c); });
}

bool CheckTdabFrequency(std::string_view frequency, std::string &message) {
    if (Listed(TdabBlockFrequencies(), ReadItemNumber(frequency)))
        return true;
    return Fail(message, "Invalid T-DAB frequency in Band III");
}

bool CheckDvbtFrequency(std::string_view country, std::string_view frequency, std::string &message) {
    const double f = ReadItemNumber(frequency);
    if (f >= kUhfLow && f <= kUhfHigh) {
        if (Listed(UhfChannelFrequencies(), f))
            return true;
        return Fail(message, "Invalid DVB-T frequency in Bands IV and V");
    }
    if (InBand3Group7MHz(country)) {
        if (Listed(kBand3Raster7MHz, f))
            return true;
        return Fail(message,
                    std::string("For ").append(country).append(
                        " the valid frequencies are {177.5, 184.5, 191.5, 198.5, 205.5, 212.5, 219.5, "
                        "226.5} or [474, 858] "));
    }
    if (!OnBand3Raster8MHz(country))
        return Fail(message, std::string("No frequency validation found for ").append(country));
    if (Listed(kBand3Raster8MHz, f))
        return true;
    return Fail(message, std::string("For ").append(country).append(
                             " the valid frequencies are {178, 186, 194, 202, 210, 218, 226} or [474, 858]"));
}

} // namespace ondrell
