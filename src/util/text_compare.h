#pragma once
// Codes, keys and symbols compare without regard to letter case. They are plain ASCII, so the
// comparison folds only A-Z and never depends on the process locale.

#include <string_view>

namespace ondrell {

constexpr char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiUpper(a[i]) != AsciiUpper(b[i]))
            return false;
    return true;
}

} // namespace ondrell
