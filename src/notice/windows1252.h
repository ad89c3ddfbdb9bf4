#pragma once
// The file is single-byte Windows-1252 text; the program holds UTF-8. These convert between them.

#include <string>
#include <string_view>

namespace ondrell {

struct EncodeProblem {
    bool invalidUtf8 = false; // the text is not UTF-8 at all
    char32_t codePoint = 0;   // otherwise: the character Windows-1252 cannot hold
    size_t offset = 0;        // byte offset of the problem in the UTF-8 text
};

// Converts UTF-8 to Windows-1252; false (out unspecified) with the first problem when a character
// has no Windows-1252 byte or the text is not UTF-8. The five unassigned bytes 0x81, 0x8D, 0x8F,
// 0x90, 0x9D stand for U+0081 etc., so decoding and encoding round-trip every byte.
bool Utf8ToWindows1252(std::string_view utf8, std::string &out, EncodeProblem *problem = nullptr);

// Every byte has a character, so decoding cannot fail.
std::string Windows1252ToUtf8(std::string_view bytes);
// The same into out, which keeps its room (the reader fills the same record again and again).
void Windows1252ToUtf8(std::string_view bytes, std::string &out);

// The control bytes 0x00 to 0x1F and 0x7F: no text of a notice holds one.
constexpr bool IsControlByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b < 0x20 || b == 0x7F;
}

// True when the text holds a control byte.
inline bool HoldsControlByte(std::string_view text) {
    for (const char c : text)
        if (IsControlByte(c))
            return true;
    return false;
}

// True when the text is plain ASCII (the usual case, worth a fast path).
bool IsAscii(std::string_view text);

// "U+0100" style name of a character, and the character itself as UTF-8 where printable.
std::string DescribeCharacter(char32_t c);

} // namespace ondrell
