#include "checks/text_chars.h"

namespace ondrell::text_chars {
namespace {

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte offset of character `index` (0-based), or text.size() when the text is shorter.
std::size_t OffsetOf(std::string_view text, std::size_t index) {
    std::size_t pos = 0;
    while (index > 0 && pos < text.size()) {
        ++pos;
        while (pos < text.size() && IsContinuation(text[pos]))
            ++pos;
        --index;
    }
    return pos;
}

} // namespace

std::size_t Count(std::string_view text) {
    std::size_t n = 0;
    for (char c : text)
        if (!IsContinuation(c))
            ++n;
    return n;
}

std::string_view Mid(std::string_view text, std::size_t first, std::size_t count) {
    if (first == 0)
        first = 1;
    const std::size_t begin = OffsetOf(text, first - 1);
    const std::size_t end = begin + OffsetOf(text.substr(begin), count);
    return text.substr(begin, end - begin);
}

} // namespace ondrell::text_chars
