#pragma once
// The groups of countries that share a Band III DVB-T channel raster. These tests compare
// case-sensitively: a code must be written exactly as in the table.

#include <span>
#include <string_view>

namespace ondrell {

std::span<const std::string_view> Band3Group7MHz();  // 90 codes, 7 MHz raster
std::span<const std::string_view> Band3Group8MHzA(); // 10 codes
std::span<const std::string_view> Band3Group8MHzB(); // 12 codes
std::span<const std::string_view> Band3Group8MHzC(); // 17 codes

bool InBand3Group7MHz(std::string_view country);
bool InBand3Group8MHzA(std::string_view country);
bool InBand3Group8MHzB(std::string_view country);
bool InBand3Group8MHzC(std::string_view country);

} // namespace ondrell
