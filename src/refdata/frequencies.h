#pragma once
// The frequency lists offered or checked by the forms, in MHz.

#include <span>
#include <string>

namespace ondrell {

// Centre frequencies of the 32 T-DAB blocks 5A to 12D of Band III.
std::span<const double> TdabBlockFrequencies();

// Centre frequencies of the 8 MHz UHF channels 21 to 69: 306 + 8 x channel.
std::span<const double> UhfChannelFrequencies();

// The shortest decimal text that reads back as the same double: 176.64, 174.928, 474.
std::string ShortestDecimalText(double value);

// The shortest decimal text of a single-precision number, at most 7 significant digits, no
// thousands separator: 3.2, 12.34567, 1000.
std::string ShortestDecimalText(float value);

} // namespace ondrell
