#pragma once
// The frequency lists offered or checked by the forms, in MHz.

#include "refdata/decimal_text.h"

#include <span>

namespace ondrell {

// Centre frequencies of the 32 T-DAB blocks 5A to 12D of Band III.
std::span<const double> TdabBlockFrequencies();

// Centre frequencies of the 8 MHz UHF channels 21 to 69: 306 + 8 x channel.
std::span<const double> UhfChannelFrequencies();

} // namespace ondrell
