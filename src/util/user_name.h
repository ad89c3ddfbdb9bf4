#pragma once
// Login name of the current user, as written into file names and the "Processed by " header line.

#include <string>
#include <string_view>

namespace ondrell {

inline constexpr std::string_view kUnknownUserName = "Unknown (NON Windows NT environment)";

// The login name of the user running the program, cut to 8 characters; kUnknownUserName when the
// system knows no name.
std::string CurrentUserName();

// The rule applied to a raw login name: of its first 8 characters (UTF-8 sequences, so a name is
// never cut inside one), those that are not NUL; kUnknownUserName when nothing is left.
std::string ShortUserName(std::string_view login);

} // namespace ondrell
