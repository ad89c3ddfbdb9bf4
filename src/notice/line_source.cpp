#include "notice/line_source.h"

#include "util/platform.h"

#include <cerrno>
#include <cstring>

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

LineSource::Status LineSource::Next(std::string_view &line) {
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
    ++lineNumber_;
    return Status::Line;
}

} // namespace ondrell
