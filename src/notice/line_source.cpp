#include "notice/line_source.h"

#include "util/platform.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace ondrell {
namespace {
constexpr size_t kChunkBytes = size_t{256} << 10;
}

LineSource::~LineSource() {
    if (file_)
        std::fclose(file_);
}

bool LineSource::OpenFile(const std::string &path, std::string *error) {
    file_ = platform::OpenFile(path, "rb");
    if (!file_) {
        if (error)
            *error = std::strerror(errno);
        return false;
    }
    buffer_.resize(kMaxLineBytes + kChunkBytes);
    text_ = {buffer_.data(), 0};
    return true;
}

void LineSource::OpenText(std::string_view text) {
    text_ = text;
    eof_ = true;
}

// Moves the unread bytes to the front and reads more after them; false when nothing more came.
bool LineSource::Refill() {
    if (eof_ || !file_)
        return false;
    const size_t kept = text_.size();
    std::memmove(buffer_.data(), text_.data(), kept);
    const size_t got = std::fread(buffer_.data() + kept, 1, buffer_.size() - kept, file_);
    if (got == 0) {
        eof_ = true;
        if (std::ferror(file_))
            readError_ = std::strerror(errno);
    }
    text_ = {buffer_.data(), kept + got};
    return got > 0;
}

namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101u, kHigh = 0x8080808080808080u;

// High bit of each byte of w set where that byte is a control byte (below 0x20, or 0x7F), or of
// 0x80 and more; a byte can be marked wrongly only after one marked rightly, which is all that is
// asked here.
std::uint64_t Marks(std::uint64_t w) {
    const std::uint64_t del = w ^ (0x7F * kOnes);
    return (((w - 0x20 * kOnes) & ~w) | ((del - kOnes) & ~del) | w) & kHigh;
}

std::uint64_t Load(const char *p) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    return w;
}

// Whether a line holds a control byte and whether it is plain ASCII, eight bytes at a time (the
// last eight overlap the word before them): every line of a file goes through here.
void Classify(std::string_view line, bool &control, bool &ascii) {
    std::uint64_t marks = 0;
    if (line.size() >= 8) {
        for (size_t i = 0; i + 8 <= line.size(); i += 8)
            marks |= Marks(Load(line.data() + i));
        marks |= Marks(Load(line.data() + line.size() - 8));
    } else {
        for (const char c : line)
            marks |= Marks(static_cast<unsigned char>(c) | (0x41 * kOnes & ~std::uint64_t{0xFF}));
    }
    if (marks == 0) {
        control = false;
        ascii = true;
        return;
    }
    control = false;
    ascii = true;
    for (const char c : line) {
        const auto b = static_cast<unsigned char>(c);
        control = control || b < 0x20 || b == 0x7F;
        ascii = ascii && b < 0x80;
    }
}

} // namespace

// The end of the line that begins the unread text when that line is clean (no control byte, plain
// ASCII) and ends in LF or CR LF within the text: the first byte the word scan marks is then its
// ending. npos otherwise, and the careful path below takes over.
size_t LineSource::CleanLineEnd(size_t &endingBytes) const {
    const char *p = text_.data();
    const size_t n = std::min(text_.size(), kMaxLineBytes + 2);
    size_t i = 0;
    bool marked = false;
#if defined(__SSE2__)
    // Most lines end within 32 bytes: their end is found without a branch per word. A signed compare
    // below 0x20 marks control bytes and bytes of 0x80 and more at once.
    if (n >= 32) {
        const __m128i space = _mm_set1_epi8(0x20), del = _mm_set1_epi8(0x7F);
        const auto marks = [&](const char *at) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(at));
            return static_cast<std::uint32_t>(
                _mm_movemask_epi8(_mm_or_si128(_mm_cmplt_epi8(v, space), _mm_cmpeq_epi8(v, del))));
        };
        const std::uint32_t both = marks(p) | marks(p + 16) << 16;
        marked = both != 0;
        i = marked ? static_cast<size_t>(std::countr_zero(both)) : 32;
    }
#endif
    for (; !marked; i += 8) {
        if (i + 8 > n) {
            while (i < n &&
                   Marks(static_cast<unsigned char>(p[i]) | (0x41 * kOnes & ~std::uint64_t{0xFF})) == 0)
                ++i;
            break;
        }
        if (const std::uint64_t marks = Marks(Load(p + i))) {
            i += static_cast<size_t>(std::countr_zero(marks)) / 8; // the first mark is always right
            break;
        }
    }
    if (i < n && p[i] == '\n' && i <= kMaxLineBytes) {
        endingBytes = 1;
        return i;
    }
    if (i + 1 < n && p[i] == '\r' && p[i + 1] == '\n' && i + 1 <= kMaxLineBytes) {
        endingBytes = 2;
        return i;
    }
    return std::string_view::npos;
}

// A line that holds a control or non-ASCII byte, or whose end is not in the buffer yet.
LineSource::Status LineSource::NextCarefully(std::string_view &line) {
    size_t scanned = 0;
    for (;;) {
        const size_t nl = text_.find('\n', scanned);
        if (nl != std::string_view::npos) {
            if (nl > kMaxLineBytes) {
                ++lineNumber_;
                return Status::TooLong;
            }
            line = text_.substr(0, nl);
            text_.remove_prefix(nl + 1);
            break;
        }
        if (text_.size() > kMaxLineBytes) {
            ++lineNumber_;
            return Status::TooLong;
        }
        scanned = text_.size();
        if (!Refill()) {
            if (!readError_.empty())
                return Status::ReadError;
            if (text_.empty())
                return Status::End;
            line = text_; // last line without an ending
            text_ = {};
            break;
        }
    }
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    Classify(line, controlBytes_, ascii_);
    ++lineNumber_;
    return Status::Line;
}

} // namespace ondrell
