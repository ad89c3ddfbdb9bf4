#pragma once
// Character-position access to UTF-8 field texts: the checks count and cut by characters, as
// the user sees them, not by bytes.

#include <cstddef>
#include <string_view>

namespace ondrell::text_chars {

// Number of characters (code points) in a UTF-8 text.
std::size_t Count(std::string_view text);

// Up to `count` characters starting at character `first` (1-based); "" beyond the end.
std::string_view Mid(std::string_view text, std::size_t first, std::size_t count);

} // namespace ondrell::text_chars
