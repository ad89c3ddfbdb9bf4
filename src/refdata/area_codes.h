#pragma once
// Geographic-area symbols: the administrations that may notify, the countries and areas in which a
// station may be sited, and which administration may notify for which area.

#include <span>
#include <string_view>

namespace ondrell {

// Symbols compare without regard to case wherever the program matches codes typed by the user.
bool SameSymbol(std::string_view a, std::string_view b);

// The 121 notifying administrations, in the order the forms list them.
std::span<const std::string_view> AdministrationCodes();

// The 133 countries and geographic areas, in the order the forms list them.
std::span<const std::string_view> CountryCodes();

// The areas, besides its own, for which one of the nine administrations below may notify.
struct NotifyForList {
    std::string_view administration;
    std::span<const std::string_view> areas;
};
std::span<const NotifyForList> NotifyForLists();

// True when the codes are equal, or the administration's notify-for list holds the country.
bool CanNotifyFor(std::string_view country, std::string_view administration);

// True when the code is one of AdministrationCodes().
bool IsAdministration(std::string_view code);

} // namespace ondrell
