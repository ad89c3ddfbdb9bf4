#include "point_lines.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace ondrell::tool {

bool LineReader::Fill() {
    if (eof_)
        return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    const std::size_t got = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, in_);
    end_ += got;
    if (got == 0)
        eof_ = true;
    return got > 0;
}

LineReader::Status LineReader::Next(std::string_view *line) {
    bool tooLong = false;
    for (;;) {
        const char *start = buffer_.data() + begin_;
        const auto *newline = static_cast<const char *>(std::memchr(start, '\n', end_ - begin_));
        if (newline || (eof_ && end_ > begin_)) {
            std::size_t length = newline ? std::size_t(newline - start) : end_ - begin_;
            begin_ += length + (newline ? 1 : 0);
            ++number_;
            if (length > 0 && start[length - 1] == '\r')
                --length;
            if (tooLong || length > maxLength_)
                return Status::TooLong;
            *line = {start, length};
            return Status::Line;
        }
        if (end_ - begin_ > maxLength_ + 1) { // +1: a CR before the LF still to come
            tooLong = true;                   // drop what was read of the line, keep reading to its end
            begin_ = end_;
        }
        if (!Fill() && end_ == begin_) {
            if (tooLong) {
                ++number_;
                return Status::TooLong;
            }
            return Status::End;
        }
    }
}

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A decimal number: optional sign, digits, optional "." and digits; at least one digit.
std::optional<double> ReadNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    bool point = false;
    for (std::size_t k = i; k < text.size(); ++k) {
        if (text[k] >= '0' && text[k] <= '9')
            ++digits;
        else if (text[k] == '.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    double value = 0;
    const std::size_t from = text[0] == '+' ? 1 : 0; // from_chars takes no plus sign
    const auto [end, ec] = std::from_chars(text.data() + from, text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<DecimalPoint> ParseDecimalPoint(std::string_view line, std::string *reason) {
    std::string_view fields[3];
    std::size_t count = 0, i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i]))
            ++i;
        if (i > start) {
            if (count == 3)
                break;
            fields[count++] = line.substr(start, i - start);
        }
    }
    if (count != 2) {
        *reason = "expected \"LON LAT\" in decimal degrees";
        return std::nullopt;
    }
    const auto lon = ReadNumber(fields[0]), lat = ReadNumber(fields[1]);
    if (!lon || !lat) {
        *reason = "expected \"LON LAT\" in decimal degrees";
        return std::nullopt;
    }
    if (!(*lon >= -180 && *lon <= 180)) {
        *reason = "longitude " + std::string(fields[0]) + " is not between -180 and 180";
        return std::nullopt;
    }
    if (!(*lat >= -90 && *lat <= 90)) {
        *reason = "latitude " + std::string(fields[1]) + " is not between -90 and 90";
        return std::nullopt;
    }
    return DecimalPoint{*lon, *lat};
}

} // namespace ondrell::tool
