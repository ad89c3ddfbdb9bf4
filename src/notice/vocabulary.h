#pragma once
// Notice types, capture codes, actions, fragments and the other fixed values a record carries.

#include <cstdint>
#include <string_view>

namespace ondrell {

namespace notice_type {
inline constexpr std::string_view GS1 = "GS1";
inline constexpr std::string_view GT1 = "GT1";
inline constexpr std::string_view GS2 = "GS2";
inline constexpr std::string_view GT2 = "GT2";
inline constexpr std::string_view GA1 = "GA1";
inline constexpr std::string_view TB2 = "TB2";
inline constexpr std::string_view TB3 = "TB3";
inline constexpr std::string_view TB5 = "TB5";
} // namespace notice_type

// Codes a form passes to screen capture; GA1 has its own capture and no code; 7 is unused.
enum class CaptureCode : std::int16_t { GS1 = 3, GT1 = 4, GS2 = 5, GT2 = 6, TB5 = 8, TB3 = 9, TB2 = 10 };

namespace action {
inline constexpr std::string_view Add = "ADD";
inline constexpr std::string_view Modify = "MODIFY";
inline constexpr std::string_view Suppress = "SUPPRESS";
inline constexpr std::string_view Withdraw = "WITHDRAW";
inline constexpr std::string_view PartB = "PARTB";
inline constexpr std::string_view Conform = "CONFORM";
} // namespace action

namespace fragment {
inline constexpr std::string_view GE06D = "GE06D";     // Article 4, all allotments
inline constexpr std::string_view NTFD_RR = "NTFD_RR"; // Article 5
} // namespace fragment

inline constexpr std::string_view kPlanGE06D = "GE06D";       // t_plan of TB2 and TB3
inline constexpr std::string_view kProvisionRR112 = "RR11.2"; // t_prov under Article 5

namespace station_class {
inline constexpr std::string_view BC = "BC"; // GS1, GS2
inline constexpr std::string_view BT = "BT"; // GT1, GT2
} // namespace station_class

} // namespace ondrell
