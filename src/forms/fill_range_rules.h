#pragma once
// What the fill-range dialog accepts: azimuths on the 10-degree raster and a value that fits the
// table being filled. Pure functions; the dialog shows the refusal they return.

#include <optional>
#include <string>
#include <string_view>

namespace ondrell {

// FillKind of the calling form.
enum class FillKind { EffHeight = 0, Attenuation = 1 };

// A cancelled dialog answers from = to = kNoAzimuth and an empty value, which fills nothing.
inline constexpr int kNoAzimuth = 9999;

struct FillRefusal {
    std::string title;
    std::string text;
};

// An azimuth text: empty passes; else 0 to 350 on a multiple of 10, without "," or ".".
std::optional<FillRefusal> CheckFillAzimuth(std::string_view text);
// Both azimuths given: From must not exceed To.
std::optional<FillRefusal> CheckFillOrder(std::string_view from, std::string_view to);
// The value: empty passes; attenuation 0 to 40 (fractions allowed); effective height a whole
// number from -3000 to 3000 and not above maxEffHeight.
std::optional<FillRefusal> CheckFillValue(FillKind kind, int maxEffHeight, std::string_view text);

} // namespace ondrell
