#include "notice/file_sink.h"

#include "notice/file_format.h"
#include "notice/windows1252.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ondrell {

namespace {

// Syncs what was written; file systems and devices that cannot sync have nothing to lose.
bool Sync(int fd) {
    return fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
}

} // namespace

FileSink::~FileSink() {
    if (fd_ >= 0)
        ::close(fd_);
}

ssize_t FileSink::WriteSome(int fd, const char *data, size_t size) {
    return ::write(fd, data, size);
}

bool FileSink::Fail(const std::string &what, int err) {
    error_ = what + " \"" + path_ + "\": " + std::strerror(err);
    return false;
}

bool FileSink::Open(const std::string &path) {
    if (fd_ >= 0)
        Close();
    path_ = path;
    error_.clear();
    started_ = heldText_ = false;
    end_ = 0;
    // No O_TRUNC: a file another writer holds must not be emptied before the lock says so.
    fd_ = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    created_ = fd_ < 0 && errno == ENOENT;
    if (created_)
        fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ < 0)
        return Fail("Cannot create the notice file", errno);
    // flock belongs to this open file, so a second Open in this very process is refused as well.
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        ::close(fd_);
        fd_ = -1;
        if (err == EWOULDBLOCK) {
            error_ = "The notice file \"" + path_ +
                     "\" is being written by another form or program. Choose another file name.";
            return false;
        }
        return Fail("Cannot lock the notice file", err);
    }
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        const int err = errno;
        Close();
        return Fail("Cannot open the notice file", err);
    }
    regular_ = S_ISREG(info.st_mode);
    heldText_ = regular_ && info.st_size > 0;
    return true;
}

bool FileSink::Start(const std::vector<std::string> &pieces) {
    if (fd_ < 0) {
        error_ = "The notice file is not open.";
        return false;
    }
    std::vector<std::string_view> views(pieces.begin(), pieces.end());
    bool ok = CutBack(0);
    if (!ok)
        Fail("Cannot empty the notice file", errno);
    else
        ok = WriteUnit(views);
    if (ok) {
        started_ = true;
        heldText_ = false;
        return true;
    }
    // No half header may stay: the next attempt opens and starts the file again.
    if (created_)
        ::unlink(path_.c_str());
    const std::string error = error_;
    Close();
    error_ = error;
    return false;
}

bool FileSink::Write(std::string_view piece) {
    if (fd_ < 0) {
        error_ = "The notice file is not open.";
        return false;
    }
    if (!started_) {
        error_ = "The notice file \"" + path_ + "\" has no header lines yet.";
        return false;
    }
    return WriteUnit({piece});
}

bool FileSink::Encode(const std::vector<std::string_view> &pieces, std::string &bytes) {
    for (std::string_view piece : pieces) {
        std::string one;
        EncodeProblem problem;
        if (!Utf8ToWindows1252(piece, one, &problem)) {
            error_ = problem.invalidUtf8 ? "The text to write is not UTF-8."
                                         : "The character " + DescribeCharacter(problem.codePoint) +
                                               " cannot be written to the notice file (Windows-1252 text).";
            return false;
        }
        bytes += one;
        bytes += kFileLineEnd;
    }
    return true;
}

bool FileSink::CutBack(off_t end) {
    if (!regular_)
        return true; // a device keeps what it took; there is nothing to cut
    return ::ftruncate(fd_, end) == 0 && ::lseek(fd_, end, SEEK_SET) == end && Sync(fd_);
}

bool FileSink::WriteUnit(const std::vector<std::string_view> &pieces) {
    std::string bytes;
    if (!Encode(pieces, bytes))
        return false;
    size_t done = 0;
    int err = 0;
    while (done < bytes.size()) {
        const ssize_t n = WriteSome(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            err = n < 0 ? errno : ENOSPC;
            break;
        }
        done += static_cast<size_t>(n);
    }
    if (err == 0 && !Sync(fd_))
        err = errno;
    if (err == 0) {
        end_ += static_cast<off_t>(bytes.size());
        return true;
    }
    Fail(done < bytes.size() ? "Cannot write the notice file" : "Cannot store the notice file on disk", err);
    if (!CutBack(end_)) {
        // The file may now end in a partial piece: close it rather than append after that.
        error_ += "; the unfinished part could not be removed (" + std::string(std::strerror(errno)) +
                  "), so the file was closed.";
        const std::string error = error_;
        Close();
        error_ = error;
    }
    return false;
}

bool FileSink::Close() {
    if (fd_ < 0)
        return true;
    const int result = ::close(fd_); // releases the lock
    fd_ = -1;
    started_ = false;
    if (result != 0)
        return Fail("Cannot close the notice file", errno);
    return true;
}

} // namespace ondrell
