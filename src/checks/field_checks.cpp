#include "checks/field_checks.h"

#include "checks/coordinates.h"
#include "checks/dates_times.h"
#include "checks/numbers.h"
#include "checks/text_chars.h"

#include <array>

namespace ondrell {
namespace {

using namespace check_text;

std::string_view Or(std::string_view given, std::string_view fallback) {
    return given.empty() ? fallback : given;
}

bool HasDecimalOrGroupMark(std::string_view text) {
    return text.find_first_of(",.") != std::string_view::npos;
}

bool InBounds(double value, const CheckRule &check) {
    return value >= check.low && value <= check.high;
}

Verdict Refuse(std::string_view title, std::string text) {
    Verdict v;
    v.accepted = false;
    v.messages.push_back({std::string(title), std::move(text), {}});
    return v;
}

// The common frame: the text is non-empty here; `ok` decides, the refusal shows the field's message.
Verdict AcceptOrRefuse(bool ok, const CheckRule &check) {
    return ok ? Verdict{} : Refuse(check.title, std::string(check.text));
}

Verdict CheckDegrees(const CheckRule &check, std::string_view text) {
    return AcceptOrRefuse(IsWholeNumberForm(text) && ReadLeadingNumber(text) >= 0 &&
                              ReadLeadingNumber(text) <= check.high,
                          check);
}

Verdict CheckMinSec(const CheckRule &check, std::string_view text) {
    const double v = ReadLeadingNumber(text);
    return AcceptOrRefuse(IsWholeNumberForm(text) && v >= 0 && v <= 59, check);
}

Verdict CheckHemisphere(const CheckRule &check, std::string_view text) {
    const bool letter = check.axis == HemisphereAxis::NorthSouth ? IsNorthSouth(text) : IsEastWest(text);
    return AcceptOrRefuse(letter && !IsNumber(text), check);
}

Verdict CheckDatePart(std::string_view text, bool (*inRange)(int), std::string_view title,
                      std::string_view message, bool beep) {
    const auto value = DatePartValue(text);
    if (value && inRange(*value))
        return {};
    Verdict v = Refuse(title, std::string(message));
    v.beep = beep;
    return v;
}

Verdict CheckDay(const CheckRule &check, std::string_view text) {
    return CheckDatePart(text, IsDayValue, Or(check.title, kDayTitle), Or(check.text, kDayText), true);
}
Verdict CheckMonth(const CheckRule &check, std::string_view text) {
    return CheckDatePart(text, IsMonthValue, Or(check.title, kMonthTitle), Or(check.text, kMonthText), false);
}
Verdict CheckYear(const CheckRule &check, std::string_view text) {
    return CheckDatePart(text, IsYearValue, Or(check.title, kYearTitle), Or(check.text, kYearText), false);
}

Verdict CheckTimeText(std::string_view text, std::string_view title, std::string_view rangeText,
                      bool (*check)(std::string_view, std::string &)) {
    if (text_chars::Count(text) < 4)
        return Refuse(title, std::string(kTimeFormat));
    std::string explanation;
    const bool hhmmOk = check(text, explanation); // always run: its explanation goes with any refusal
    if (HasDecimalOrGroupMark(text) || !IsNumber(text) || !hhmmOk)
        return Refuse(title, std::string(rangeText) + explanation);
    return {};
}

Verdict CheckStartTime(const CheckRule &check, std::string_view text) {
    return CheckTimeText(text, Or(check.title, kStartTitle), kStartRange, CheckHhmm);
}
Verdict CheckStopTime(const CheckRule &check, std::string_view text) {
    return CheckTimeText(text, Or(check.title, kStopTitle), kStopRange, CheckHhmmStop);
}

Verdict CheckNumeric(const CheckRule &check, std::string_view text) {
    const bool comma = check.refuseComma && text.find(',') != std::string_view::npos;
    return AcceptOrRefuse(IsNumber(text) && !comma, check);
}

Verdict CheckIntegerRange(const CheckRule &check, std::string_view text) {
    return AcceptOrRefuse(IsWholeNumberForm(text) && InBounds(ReadLeadingNumber(text), check), check);
}

Verdict CheckNumberRange(const CheckRule &check, std::string_view text) {
    return AcceptOrRefuse(IsNumber(text) && InBounds(ReadLeadingNumber(text), check), check);
}

Verdict CheckNumericCode(const CheckRule &check, std::string_view text) {
    if (!IsNumber(text))
        return Refuse(Or(check.title, kOpAgcyTitle), std::string(Or(check.text, kOpAgcyText)));
    Verdict v;
    if (auto padded = PadLeft3(text); padded != text)
        v.replacement = std::move(padded);
    return v;
}

Verdict CheckNonNumericCode(const CheckRule &check, std::string_view text) {
    if (IsNumber(text))
        return Refuse(Or(check.title, kAddrCodeTitle), std::string(Or(check.text, kAddrCodeText)));
    return {};
}

Verdict CheckWholeNumber(const CheckRule &check, std::string_view text) {
    return AcceptOrRefuse(IsWholeNumberForm(text), check);
}

Verdict PadCode(const CheckRule &, std::string_view text) {
    Verdict v;
    if (auto padded = PadLeft3(text); padded != text)
        v.replacement = std::move(padded);
    return v;
}

Verdict AcceptAnything(const CheckRule &, std::string_view) {
    return {};
}

enum class EmptyText : std::uint8_t { Accepted, Refused };
enum class Touch : std::uint8_t { WhenNonEmpty, Never };

struct KindInfo {
    CheckKind kind;
    std::string_view name;
    Verdict (*check)(const CheckRule &, std::string_view); // called for non-empty texts
    bool canRefuse;
    bool datePart;
    EmptyText empty;
    Touch touch;
};

constexpr std::array kKinds{
    KindInfo{CheckKind::None, "None", AcceptAnything, false, false, EmptyText::Accepted, Touch::Never},
    KindInfo{CheckKind::MarkTouched, "MarkTouched", AcceptAnything, false, false, EmptyText::Accepted,
             Touch::WhenNonEmpty},
    KindInfo{CheckKind::DegreesCheck, "DegreesCheck", CheckDegrees, true, false, EmptyText::Accepted,
             Touch::WhenNonEmpty},
    KindInfo{CheckKind::MinSecCheck, "MinSecCheck", CheckMinSec, true, false, EmptyText::Accepted,
             Touch::WhenNonEmpty},
    KindInfo{CheckKind::HemisphereCheck, "HemisphereCheck", CheckHemisphere, true, false, EmptyText::Accepted,
             Touch::WhenNonEmpty},
    KindInfo{CheckKind::DayCheck, "DayCheck", CheckDay, true, true, EmptyText::Accepted, Touch::WhenNonEmpty},
    KindInfo{CheckKind::MonthCheck, "MonthCheck", CheckMonth, true, true, EmptyText::Accepted,
             Touch::WhenNonEmpty},
    KindInfo{CheckKind::YearCheck, "YearCheck", CheckYear, true, true, EmptyText::Accepted,
             Touch::WhenNonEmpty},
    KindInfo{CheckKind::StartTimeCheck, "StartTimeCheck", CheckStartTime, true, false, EmptyText::Accepted,
             Touch::WhenNonEmpty},
    KindInfo{CheckKind::StopTimeCheck, "StopTimeCheck", CheckStopTime, true, false, EmptyText::Accepted,
             Touch::WhenNonEmpty},
    KindInfo{CheckKind::NumericCheck, "NumericCheck", CheckNumeric, true, false, EmptyText::Accepted,
             Touch::WhenNonEmpty},
    KindInfo{CheckKind::IntegerRangeCheck, "IntegerRangeCheck", CheckIntegerRange, true, false,
             EmptyText::Accepted, Touch::WhenNonEmpty},
    KindInfo{CheckKind::NumberRangeCheck, "NumberRangeCheck", CheckNumberRange, true, false,
             EmptyText::Accepted, Touch::WhenNonEmpty},
    KindInfo{CheckKind::NumericCodeCheck, "NumericCodeCheck", CheckNumericCode, true, false,
             EmptyText::Refused, Touch::Never},
    KindInfo{CheckKind::NonNumericCodeCheck, "NonNumericCodeCheck", CheckNonNumericCode, true, false,
             EmptyText::Accepted, Touch::Never},
    KindInfo{CheckKind::WholeNumberCheck, "WholeNumberCheck", CheckWholeNumber, true, false,
             EmptyText::Accepted, Touch::WhenNonEmpty},
    KindInfo{CheckKind::PadCodeOnLeave, "PadCodeOnLeave", PadCode, false, false, EmptyText::Accepted,
             Touch::Never},
};

const KindInfo *InfoOf(CheckKind kind) {
    for (const auto &info : kKinds)
        if (info.kind == kind)
            return &info;
    return nullptr;
}

} // namespace

std::string_view CheckKindName(CheckKind kind) {
    const KindInfo *info = InfoOf(kind);
    return info ? info->name : std::string_view{};
}

bool CheckKindCanRefuse(CheckKind kind) {
    const KindInfo *info = InfoOf(kind);
    return info && info->canRefuse;
}

Verdict RunCheck(const CheckRule &check, std::string_view text, const DateTexts *date,
                 std::string_view dateFocus) {
    const KindInfo *info = InfoOf(check.kind);
    if (!info)
        return {};
    if (text.empty()) {
        if (info->empty == EmptyText::Accepted)
            return {};
        return info->check(check, text);
    }
    Verdict v = info->check(check, text);
    // The date as a whole is checked after its part, whether the part passed or not.
    if (info->datePart && date && !date->day.empty() && !date->month.empty() && !date->year.empty() &&
        !IsCalendarDate(date->day, date->month, date->year)) {
        v.accepted = false;
        v.messages.push_back({std::string(kDateTitle), std::string(kDateText), std::string(dateFocus)});
    }
    if (info->touch == Touch::WhenNonEmpty)
        v.clearsUntouched = v.accepted || !check.touchOnlyWhenAccepted;
    return v;
}

std::optional<char32_t> FilterKey(KeyFilter filter, char32_t key) {
    if (filter != KeyFilter::UpperCaseEntry)
        return key;
    if ((key >= U'a' && key <= U'z') || (key >= 0xE0 && key <= 0xFE && key != 0xF7))
        return key - 0x20;
    if (key == 0xFF) // y with diaeresis has its capital outside Latin-1
        return char32_t{0x178};
    return key;
}

} // namespace ondrell
