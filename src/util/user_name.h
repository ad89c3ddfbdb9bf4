#pragma once
// Login name of the current user, as written into file names and the "Processed by " header line.

#include <string>
#include <string_view>

namespace ondrell {

inline constexpr std::string_view kUnknownUserName = "Unknown (NON Windows NT environment)";

// The login name from the user database (getpwuid of the effective user), cut to 8 characters;
// kUnknownUserName when the system knows no name.
std::string CurrentUserName();

// The rule applied to a raw login name: of its first 8 bytes, those that are not NUL;
// kUnknownUserName when nothing is left.
std::string ShortUserName(std::string_view login);

} // namespace ondrell
