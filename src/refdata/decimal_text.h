#pragma once
// Numbers written as the program shows them: the shortest decimal text, never a thousands separator.

#include <string>

namespace ondrell {

// The shortest decimal text that reads back as the same double: 176.64, 174.928, 474.
std::string ShortestDecimalText(double value);

// The shortest decimal text of a single-precision number, at most 7 significant digits:
// 3.2, 12.34568, 1000.
std::string ShortestDecimalText(float value);

} // namespace ondrell
