// Any standard input to `ondrell-tool locate`: the bounded line reader and the strict "LON LAT"
// parser, and the points they accept looked up in the real map.

#include "fuzz_map.h"
#include "point_lines.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace ondrell;
    const WorldMap &map = fuzz::RealMap();
    if (size == 0)
        return 0;
    std::FILE *in = fmemopen(const_cast<std::uint8_t *>(data), size, "rb");
    if (!in)
        return 0;
    tool::LineReader lines(in, tool::kMaxPointLine);
    std::string_view line;
    int lookups = 0;
    for (tool::LineReader::Status got; (got = lines.Next(&line)) != tool::LineReader::Status::End;) {
        if (got == tool::LineReader::Status::TooLong)
            continue;
        if (line.size() > tool::kMaxPointLine)
            __builtin_trap();
        std::string reason;
        const auto point = tool::ParseDecimalPoint(line, &reason);
        if (!point) {
            if (reason.empty())
                __builtin_trap(); // a refused line always says why
            continue;
        }
        if (!(point->lon >= -180 && point->lon <= 180 && point->lat >= -90 && point->lat <= 90))
            __builtin_trap(); // only positions on the earth are accepted
        if (lookups++ < 4) {  // the look-ups are the slow part; a few per input reach every path
            map.AreaAt(point->lon, point->lat);
            map.NearAreas(point->lon, point->lat);
        }
    }
    std::fclose(in);
    return 0;
}
