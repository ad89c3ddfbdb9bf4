#pragma once
// Degrees, minutes and seconds to decimal degrees; the caller applies the hemisphere's sign.

#include <cstdint>

namespace ondrell {

inline float DmsToDecimal(std::int16_t degrees, std::int16_t minutes, std::int16_t seconds) {
    return static_cast<float>(degrees + (minutes + seconds / 60.0) / 60.0);
}

} // namespace ondrell
