// Any bytes as a notice file: the reader refuses them with its line-numbered message or hands out
// notices, which then go through the three validations with the real map, as the Validate button
// and `ondrell-tool validate` run them.

#include "fuzz_map.h"

#include "notice/notice_reader.h"
#include "validation/validate.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace ondrell;
    const WorldMap &map = fuzz::RealMap();
    NoticeFileReader reader;
    if (!reader.OpenText(std::string_view(reinterpret_cast<const char *>(data), size), "fuzz.txt")) {
        if (reader.Error().empty())
            __builtin_trap(); // a refusal always says why
        return 0;
    }
    ReadNotice notice;
    // A few notices are enough to reach every rule; the rest only repeat the reading.
    for (int validated = 0; reader.Next(notice); ++validated)
        if (validated < 8)
            ValidateNotice(notice.record, &map);
    return 0;
}
