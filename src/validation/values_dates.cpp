#include "validation/values_helpers.h"

#include "util/platform.h"

#include <charconv>
#include <ctime>

namespace ondrell {
namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

std::optional<int> WholeNumber(std::string_view text) {
    text = Trimmed(text);
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::chrono::year_month_day> ReadRecordDate(std::string_view text) {
    const auto first = text.find('-');
    const auto second = first == std::string_view::npos ? first : text.find('-', first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    const auto year = WholeNumber(text.substr(0, first));
    const auto month = WholeNumber(text.substr(first + 1, second - first - 1));
    const auto day = WholeNumber(text.substr(second + 1));
    if (!year || !month || !day || *month < 1 || *month > 12 || *day < 1 || *day > 31)
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{*year},
                                           std::chrono::month{static_cast<unsigned>(*month)},
                                           std::chrono::day{static_cast<unsigned>(*day)}};
    if (!date.ok())
        return std::nullopt;
    return date;
}

std::chrono::year_month_day AddCalendarMonths(std::chrono::year_month_day date, int months) {
    const std::chrono::year_month_day moved = date + std::chrono::months{months};
    if (moved.ok())
        return moved;
    return std::chrono::year_month_day_last{moved.year(), std::chrono::month_day_last{moved.month()}};
}

std::chrono::year_month_day LocalToday() {
    // Every notice validated asks; the local calendar is worked out again only when the second
    // has changed.
    thread_local std::time_t asked = -1;
    thread_local std::chrono::year_month_day today;
    const std::time_t now = std::time(nullptr);
    if (now != asked) {
        const std::tm local = platform::LocalTime(now);
        today = std::chrono::year_month_day{std::chrono::year{local.tm_year + 1900},
                                            std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                                            std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
        asked = now;
    }
    return today;
}

} // namespace ondrell
