#pragma once
// Reading points a line at a time for locate and crossings: a line reader whose memory stays
// bounded whatever the input, and the parser of locate's "LON LAT" lines (a plain function on one
// line, so it can be tested and fuzzed alone).

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ondrell::tool {

// Longest line the point commands accept; a point needs far fewer characters.
inline constexpr std::size_t kMaxPointLine = 200;

class LineReader {
  public:
    LineReader(std::FILE *in, std::size_t maxLength) : in_(in), maxLength_(maxLength), buffer_(1 << 16) {}

    enum class Status { Line, TooLong, End };
    // The next line without its end (LF or CR LF), valid until the next call. A line longer than
    // the limit is read through to its end and reported as TooLong without being kept.
    Status Next(std::string_view *line);
    // Number of the line Next returned last, from 1.
    long Number() const { return number_; }

  private:
    bool Fill();
    std::FILE *in_;
    std::size_t maxLength_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0, end_ = 0;
    bool eof_ = false;
    long number_ = 0;
};

struct DecimalPoint {
    double lon = 0; // east-positive decimal degrees, -180 to 180
    double lat = 0; // north-positive decimal degrees, -90 to 90
};

// Reads "LON LAT": two decimal numbers (sign, digits, optional fraction) separated by blanks,
// blanks allowed around them and nothing else. nullopt with the reason in *reason otherwise.
std::optional<DecimalPoint> ParseDecimalPoint(std::string_view line, std::string *reason);

} // namespace ondrell::tool
