#include "refdata/frequencies.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <iterator>

namespace ondrell {
namespace {

constexpr double kTdabBlocks[] = {
    174.928, 176.64,  178.352, 180.064, 181.936, 183.648, 185.36,  187.072, 188.928, 190.64,  192.352,
    194.064, 195.936, 197.648, 199.36,  201.072, 202.928, 204.64,  206.352, 208.064, 209.936, 211.648,
    213.36,  215.072, 216.928, 218.64,  220.352, 222.064, 223.936, 225.648, 227.36,  229.072,
};
static_assert(std::size(kTdabBlocks) == 32);

constexpr int kFirstUhfChannel = 21;
constexpr int kLastUhfChannel = 69;

constexpr auto kUhfChannels = [] {
    std::array<double, kLastUhfChannel - kFirstUhfChannel + 1> mhz{};
    for (int ch = kFirstUhfChannel; ch <= kLastUhfChannel; ++ch)
        mhz[ch - kFirstUhfChannel] = 306.0 + 8.0 * ch;
    return mhz;
}();

int SignificantDigits(std::string_view text) {
    int digits = 0;
    bool leading = true;
    for (char c : text) {
        if (c == 'e' || c == 'E')
            break;
        if (c < '0' || c > '9')
            continue;
        if (leading && c == '0')
            continue;
        leading = false;
        ++digits;
    }
    return digits;
}

} // namespace

std::span<const double> TdabBlockFrequencies() {
    return kTdabBlocks;
}
std::span<const double> UhfChannelFrequencies() {
    return kUhfChannels;
}

std::string ShortestDecimalText(double value) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

std::string ShortestDecimalText(float value) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    std::string text(buf, res.ptr);
    if (SignificantDigits(text) <= 7)
        return text;
    // Shortest round-trip text needs 8 or 9 digits: round to 7 as a single is displayed.
    std::snprintf(buf, sizeof buf, "%.7g", static_cast<double>(value));
    return buf;
}

} // namespace ondrell
