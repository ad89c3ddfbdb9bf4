#pragma once
// The program identification: shown in the main menu and every form's title, and written into the
// header of every electronic notice file.

#include <string_view>

namespace ondrell {

inline constexpr std::string_view kProgramIdentification =
    "GE06 Ivrel Quorra Digital Version 2.08 / 08.05.2009";

} // namespace ondrell
