#include "notice/vocabulary.h"
#include "refdata/band3_groups.h"
#include "validation/frequency.h"
#include "validation/rule_helpers.h"
#include "validation/values_helpers.h"
#include "validation/values_rules.h"

namespace ondrell::value_rules {
namespace {

constexpr std::string_view kVariantLetters = "ABCDEF"; // A to C are 8 MHz systems, D to F 7 MHz
constexpr std::string_view kVariantDigits = "12357";
constexpr std::string_view k8MHzLetters = "ABC";
constexpr double kBand3Top = 470; // MHz; from here on Bands IV and V, 8 MHz channels only

constexpr std::string_view k7MHzIn8MHzChannel = " 7MHz system notified in a 8MHz channel.";

bool In(std::string_view set, char c) {
    return set.find(c) != std::string_view::npos;
}

// The S3 message for a well-formed variant, or nothing when its width fits the raster.
std::string_view RasterMismatch(const NoticeRecord &record, char letter) {
    const bool band3 = Given(record.t_freq_assgn) && ReadItemNumber(record.t_freq_assgn) < kBand3Top;
    const bool is8MHz = In(k8MHzLetters, letter);
    if (!band3)
        return is8MHz ? std::string_view{} : k7MHzIn8MHzChannel;
    if (is8MHz)
        return InBand3Group7MHz(record.t_ctry) ? " 8MHz system notified in a 7MHz channel."
                                               : std::string_view{};
    return OnBand3Raster8MHz(record.t_ctry) ? k7MHzIn8MHzChannel : std::string_view{};
}

} // namespace

void CheckSystemVariant(const NoticeRecord &record, FindingSink &sink) {
    const std::string &variant = record.t_sys_var;
    if (Missing(variant))
        return;
    if (variant.size() > 2) {
        sink.Fatal(" t_sys_var : Maximum number of alphanumerical characters is 2 ");
        return;
    }
    // Exact characters: a lower-case letter or a missing digit fails.
    if (variant.size() < 2 || !In(kVariantLetters, variant[0]) || !In(kVariantDigits, variant[1])) {
        sink.Fatal(
            " t_sys_var : Acceptable values are {A1, A2, A3, A5, A7, B1, B2, B3, B5, B7, C1, C2, C3, C5, C7, "
            "D1, D2, D3, D5, D7, E1, E2, E3, E5, E7, F1, F2, F3, F5, F7}");
        return;
    }
    const std::string_view mismatch = RasterMismatch(record, variant[0]);
    if (mismatch.empty())
        return;
    // Under Article 5 a raster mismatch does not stop the notice.
    sink.Add(SameCode(record.t_fragment, fragment::NTFD_RR) ? Severity::Warning : Severity::Fatal, mismatch);
}

} // namespace ondrell::value_rules
