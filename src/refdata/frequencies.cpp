#include "refdata/frequencies.h"

#include <array>
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

} // namespace

std::span<const double> TdabBlockFrequencies() {
    return kTdabBlocks;
}
std::span<const double> UhfChannelFrequencies() {
    return kUhfChannels;
}

} // namespace ondrell
