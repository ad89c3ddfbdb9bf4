#pragma once
// The catalogue of field checks every notice form shares: what a field accepts when the user
// leaves it, the message shown on refusal, and the key filters applied while typing. The checks
// are pure: they take the text (and the kind's parameters) and return a Verdict; showing the
// message, keeping the focus and the untouched-form flag are the form's business.

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ondrell {

// Checks run when a field is left (some forms also run them on every change).
enum class CheckKind : std::uint8_t {
    None,                // no leave check: the field has only a key filter or a length limit
    MarkTouched,         // never refuses; a non-empty text clears the untouched-form flag
    DegreesCheck,        // whole-number form, 0 to `high` (90 latitude, 180 longitude)
    MinSecCheck,         // whole-number form, 0 to 59
    HemisphereCheck,     // "N"/"S" or "E"/"W", ignoring case
    DayCheck,            // number rounding to 1..31, then the calendar date check
    MonthCheck,          // number rounding to 1..12, then the calendar date check
    YearCheck,           // number rounding to 2000 or later, then the calendar date check
    StartTimeCheck,      // HHMM from 0000 to 2359
    StopTimeCheck,       // HHMM from 0001 to 2400
    NumericCheck,        // a number (optionally refusing ",")
    IntegerRangeCheck,   // whole-number form within [low, high]
    NumberRangeCheck,    // a number within [low, high]; fractions allowed
    NumericCodeCheck,    // a number, then padded to three characters; the empty text is refused
    NonNumericCodeCheck, // anything that is not a number
    WholeNumberCheck,    // whole-number form, no bounds (contour identifiers)
    PadCodeOnLeave,      // never refuses; the text is padded to three characters
};

// Name of a kind as written in code ("DegreesCheck"), "" for a value outside the enum.
std::string_view CheckKindName(CheckKind kind);
// True for the kinds that can refuse a text (and so need a title and a text).
bool CheckKindCanRefuse(CheckKind kind);

enum class HemisphereAxis : std::uint8_t { NorthSouth, EastWest };

inline constexpr double kNoLowerBound = -std::numeric_limits<double>::infinity();
inline constexpr double kNoUpperBound = std::numeric_limits<double>::infinity();

// A kind with the parameters a field gives it.
struct CheckRule {
    CheckKind kind = CheckKind::None;
    double low = 0.0;  // inclusive; kNoLowerBound when there is none
    double high = 0.0; // inclusive; kNoUpperBound when there is none
    HemisphereAxis axis = HemisphereAxis::NorthSouth;
    std::string_view title;             // message-box title on refusal
    std::string_view text;              // message text on refusal
    bool refuseComma = false;           // NumericCheck: "," refuses too
    bool touchOnlyWhenAccepted = false; // a refused text leaves the untouched-form flag alone
};

// The three texts of a date whose part is being checked (the checked part's own text included).
struct DateTexts {
    std::string_view day, month, year;
};

// One message box: warning icon, OK button only.
struct Message {
    std::string title;
    std::string text;
    // When set, the form moves the focus to this control before showing the message (instead
    // of keeping it in the field left).
    std::string focusBefore;
};

struct Verdict {
    bool accepted = true;                   // false: cancel, the field keeps the focus
    bool beep = false;                      // a short beep before the first message
    std::vector<Message> messages;          // shown in order (two for a date part plus its date)
    std::optional<std::string> replacement; // new field text, where the kind rewrites it
    bool clearsUntouched = false;           // the untouched-form flag becomes false
};

// Runs a leave check on a field's text. Date-part kinds use `date` for the calendar date check
// (skipped when `date` is null or any of its three texts is empty); `dateFocus` names the
// control that gets the focus before an "Invalid date" message ("" keeps it in the field).
Verdict RunCheck(const CheckRule &check, std::string_view text, const DateTexts *date = nullptr,
                 std::string_view dateFocus = {});

// Fixed titles and texts of the kinds whose messages do not vary by field.
namespace check_text {
inline constexpr std::string_view kDayTitle = "Prevalidation Error - Date (day)";
inline constexpr std::string_view kDayText = "Value should be between [1,31]";
inline constexpr std::string_view kMonthTitle = "Prevalidation Error - Date (month)";
inline constexpr std::string_view kMonthText = "Value should be between [1,12]";
inline constexpr std::string_view kYearTitle = "Prevalidation Error - Date (year)";
inline constexpr std::string_view kYearText = "The year must be entered as YYYY and must be after 2000";
inline constexpr std::string_view kDateTitle = "Prevalidation Error - InValid Date";
inline constexpr std::string_view kDateText = "Invalid date";
inline constexpr std::string_view kStartTitle = "Prevalidation Error - Start time";
inline constexpr std::string_view kStartRange = "Value must be between [0000,2359]";
inline constexpr std::string_view kStopTitle = "Prevalidation Error - Stop time";
inline constexpr std::string_view kStopRange = "Value must be between [0001,2400]";
inline constexpr std::string_view kTimeFormat = "The time must be entered as HHMM";
inline constexpr std::string_view kOpAgcyTitle = "Prevalidation Error - Operating Agency";
inline constexpr std::string_view kOpAgcyText = " Invalid t_op_agcy (12A)";
inline constexpr std::string_view kAddrCodeTitle = "Prevalidation Error - Address code (12B)";
inline constexpr std::string_view kAddrCodeText = " Invalid t_addr_code (12B)";
inline constexpr std::string_view kNumerical = "Value must be numerical";
} // namespace check_text

// Key filters, applied to every key typed into a field.
enum class KeyFilter : std::uint8_t { None, UpperCaseEntry };

// The character to insert for a typed key, or nullopt when the key is refused. UpperCaseEntry
// turns ASCII and Latin-1 lower-case letters into upper case and lets every other key through.
std::optional<char32_t> FilterKey(KeyFilter filter, char32_t key);

} // namespace ondrell
