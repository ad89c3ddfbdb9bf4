#pragma once
// The text building blocks of the electronic notice file. Every operation returns text (UTF-8, as
// the record holds it) and writes nothing; CR LF ends or begins lines as each one states.

#include <string>
#include <string_view>

namespace ondrell {

inline constexpr std::string_view kFileLineEnd = "\r\n";

// "" when key or value is empty; otherwise CR LF, key, " = ", value.
std::string FormatLine(std::string_view key, std::string_view value);

// "" when tag or body is empty; otherwise "<TAG>", body, CR LF, "</TAG>" (tag in upper case,
// nothing after the closing tag).
std::string FormatSection(std::string_view tag, std::string_view body);

// The HEAD section with the lines t_adm and t_email_addr ("" when both are empty).
std::string FormatHead(std::string_view adm, std::string_view emailAddr);

// "" when count < 1; otherwise "<TAIL>", the t_num_notices line, CR LF, "</TAIL>", CR LF.
std::string FormatTail(int count);

// One "0" when text is one character short of width, "00" when two; otherwise text unchanged.
std::string PadLeftZeros(std::string_view text, int width);

// Signed compact coordinate: "+" for N/E, "-" for S/W (any case); longitude degrees padded to 3,
// latitude degrees to 2, minutes and seconds to 2 (empty seconds give "00"). "" when degrees or
// minutes are empty or the hemisphere is none of N, S, E, W.
std::string FormatCoordinate(std::string_view degrees, std::string_view minutes, std::string_view seconds,
                             std::string_view hemisphere);

// "HHMM" as typed to "HH:MM": first two characters (one gets a leading "0"), ":", then characters
// 3 to 6 or "00" when there are none. "" for "".
std::string FormatTime(std::string_view text);

// A captured date (year-month-day as typed) to "yyyy-mm-dd" through FormatDateDMY and
// SplitDateDMY; "" when empty or when it is no calendar date.
std::string FormatDateIso(std::string_view text);

} // namespace ondrell
