#include "notice/file_sink.h"

#include "notice/file_format.h"
#include "notice/windows1252.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace ondrell {

FileSink::~FileSink() {
    if (file_)
        std::fclose(file_);
}

bool FileSink::Fail(const std::string &what, int err) {
    error_ = what + " \"" + path_ + "\": " + std::strerror(err);
    return false;
}

bool FileSink::Open(const std::string &path) {
    if (file_)
        Close();
    path_ = path;
    error_.clear();
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_)
        return Fail("Cannot create the notice file", errno);
    return true;
}

bool FileSink::Write(std::string_view piece) {
    if (!file_) {
        error_ = "The notice file is not open.";
        return false;
    }
    std::string bytes;
    EncodeProblem problem;
    if (!Utf8ToWindows1252(piece, bytes, &problem)) {
        error_ = problem.invalidUtf8 ? "The text to write is not UTF-8."
                                     : "The character " + DescribeCharacter(problem.codePoint) +
                                           " cannot be written to the notice file (Windows-1252 text).";
        return false;
    }
    bytes += kFileLineEnd;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size() || std::fflush(file_) != 0)
        return Fail("Cannot write the notice file", errno);
    if (fsync(fileno(file_)) != 0 && errno != EINVAL && errno != EROFS)
        return Fail("Cannot store the notice file on disk", errno);
    return true;
}

bool FileSink::Close() {
    if (!file_)
        return true;
    const int result = std::fclose(file_);
    file_ = nullptr;
    if (result != 0)
        return Fail("Cannot close the notice file", errno);
    return true;
}

} // namespace ondrell
