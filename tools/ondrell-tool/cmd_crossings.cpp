// crossings: the self-crossings of a sub-area contour read from stdin, one test point a line
// ("LON LAT" as signed texts), printed as the crossing pairs "p q" the validation reports.
// Input stops being read at the first bad line or the point past the limit.

#include "command.h"
#include "point_lines.h"
#include "validation/check_point_coordinates.h"
#include "validation/geo_validation.h"

#include <iostream>
#include <string>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Splits a line into at most three blank-separated fields; returns how many it found.
int Fields(std::string_view line, std::string_view (&out)[3]) {
    int count = 0;
    std::size_t i = 0;
    while (i < line.size() && count < 3) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i]))
            ++i;
        if (i > start)
            out[count++] = line.substr(start, i - start);
    }
    return count;
}

int Refuse(long lineNumber, const std::string &reason) {
    std::cerr << "crossings: line " << lineNumber << ": " << reason << "\n";
    return 2;
}

int RunCrossings() {
    using ondrell::tool::LineReader;
    ondrell::SubAreaGroup subArea;
    subArea.present = true;
    LineReader lines(stdin, ondrell::tool::kMaxPointLine);
    std::string_view line;
    for (LineReader::Status s; (s = lines.Next(&line)) != LineReader::Status::End;) {
        if (s == LineReader::Status::TooLong)
            return Refuse(lines.Number(),
                          "longer than " + std::to_string(ondrell::tool::kMaxPointLine) + " characters");
        std::string_view fields[3];
        const int count = Fields(line, fields);
        if (count == 0)
            continue; // blank line
        if (count != 2 || !ondrell::IsSignedLongitudeText(fields[0]) ||
            !ondrell::IsSignedLatitudeText(fields[1]))
            return Refuse(lines.Number(), "expected LON LAT such as +0050709 -461200");
        if (subArea.test_points.size() == static_cast<std::size_t>(ondrell::kMaxTestPoints))
            return Refuse(lines.Number(), "a contour holds at most " +
                                              std::to_string(ondrell::kMaxTestPoints) + " test points");
        subArea.test_points.push_back({true, std::string(fields[0]), std::string(fields[1])});
    }
    subArea.t_nb_test_pts = std::to_string(subArea.test_points.size());
    for (const auto &[p, q] : ondrell::ContourCrossingPairs(subArea, ondrell::WorldMapQueries(nullptr)))
        std::cout << p << ' ' << q << '\n';
    return 0;
}

const ondrell::tool::RegisterCommand kCrossings([](CLI::App &app) {
    app.add_subcommand("crossings", "List the self-crossings of a contour read from stdin (LON LAT a line)");
    return [] { return RunCrossings(); };
});

} // namespace
