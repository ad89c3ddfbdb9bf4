#include "forms/fill_range_rules.h"

#include "checks/numbers.h"

#include <cmath>

namespace ondrell {

namespace {

const char *const kRangeTitle = "Prevalidation Error - Fill Range";

bool HasSeparator(std::string_view text) {
    return text.find_first_of(",.") != std::string_view::npos;
}

} // namespace

std::optional<FillRefusal> CheckFillAzimuth(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    const double azm = ReadLeadingNumber(text);
    if (azm < 0 || azm > 350 || std::fmod(azm, 10.0) != 0 || HasSeparator(text))
        return FillRefusal{kRangeTitle, "The azm must be between [0, 350] at 10\u00BA intervals"};
    return std::nullopt;
}

std::optional<FillRefusal> CheckFillOrder(std::string_view from, std::string_view to) {
    if (!from.empty() && !to.empty() && ReadLeadingNumber(from) > ReadLeadingNumber(to))
        return FillRefusal{kRangeTitle, "Invalid range, azm:FROM is greater than azm:TO"};
    return std::nullopt;
}

std::optional<FillRefusal> CheckFillValue(FillKind kind, int maxEffHeight, std::string_view text) {
    if (text.empty())
        return std::nullopt;
    const bool number = IsNumber(text);
    const double value = ReadLeadingNumber(text);
    if (kind == FillKind::Attenuation) {
        if (!number || value < 0 || value > 40)
            return FillRefusal{"Prevalidation Error - Attenuation ",
                               " : Value should be a numerical between [0.0 , 40.0]"};
        return std::nullopt;
    }
    if (!number || value < -3000 || value > 3000 || value > maxEffHeight || HasSeparator(text))
        return FillRefusal{
            "Prevalidation Error - Eff. ant. height",
            "Value must be an integer between [-3000, 3000] and less than the t_eff_hgtmax (9EB)"};
    return std::nullopt;
}

} // namespace ondrell
