#pragma once
// Whether an assigned frequency (MHz, read as its leading number) is a valid centre frequency.
// Both return true when valid; otherwise they append one explanatory text and CR LF to
// `message` and return false.

#include <string>
#include <string_view>

namespace ondrell {

// T-DAB: one of the 32 block centre frequencies of Band III, exactly.
bool CheckTdabFrequency(std::string_view frequency, std::string &message);

// DVB-T: a UHF channel centre in [474, 858]; anything else is judged against the Band III raster
// of the country (7 MHz or 8 MHz). An empty country is treated like any country in no raster
// group, so it draws "No frequency validation found for " with nothing after it.
bool CheckDvbtFrequency(std::string_view country, std::string_view frequency, std::string &message);

// Countries whose Band III DVB-T channels lie on the 8 MHz raster: the three 8 MHz groups (exact
// comparison) and MOZ, SWZ, ZWE (any letter case), which stand in no group.
bool OnBand3Raster8MHz(std::string_view country);

} // namespace ondrell
