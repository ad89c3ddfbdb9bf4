#include "notice/file_sink.h"

#include "notice/file_format.h"
#include "notice/windows1252.h"
#include "util/platform.h"

#include <cerrno>
#include <cstring>

namespace ondrell {

FileSink::~FileSink() {
    if (fd_ >= 0)
        platform::CloseFile(fd_);
}

long long FileSink::WriteSome(int fd, const char *data, std::size_t size) {
    return platform::WriteSome(fd, data, size);
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
    // Not emptied here: a file another writer holds must stay as it is.
    fd_ = platform::OpenForWriting(path, false);
    created_ = fd_ < 0 && errno == ENOENT;
    if (created_)
        fd_ = platform::OpenForWriting(path, true);
    if (fd_ < 0)
        return Fail("Cannot create the notice file", errno);
    if (const int err = platform::LockForWriting(fd_)) {
        platform::CloseFile(fd_);
        fd_ = -1;
        if (err == EWOULDBLOCK) {
            error_ = "The notice file \"" + path_ +
                     "\" is being written by another form or program. Choose another file name.";
            return false;
        }
        return Fail("Cannot lock the notice file", err);
    }
    long long size = 0;
    if (const int err = platform::FileInfo(fd_, regular_, size)) {
        Close();
        return Fail("Cannot open the notice file", err);
    }
    heldText_ = regular_ && size > 0;
    return true;
}

bool FileSink::Start(const std::vector<std::string> &pieces) {
    if (fd_ < 0) {
        error_ = "The notice file is not open.";
        return false;
    }
    std::vector<std::string_view> views(pieces.begin(), pieces.end());
    bool ok = false;
    if (const int err = CutBack(0))
        Fail("Cannot empty the notice file", err);
    else
        ok = WriteUnit(views);
    if (ok) {
        started_ = true;
        heldText_ = false;
        return true;
    }
    // No half header may stay: the next attempt opens and starts the file again.
    if (created_)
        platform::RemoveFile(path_);
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

int FileSink::CutBack(long long end) {
    if (!regular_)
        return 0; // a device keeps what it took; there is nothing to cut
    if (const int err = platform::CutFile(fd_, end))
        return err;
    return platform::FlushToDisk(fd_);
}

bool FileSink::WriteUnit(const std::vector<std::string_view> &pieces) {
    std::string bytes;
    if (!Encode(pieces, bytes))
        return false;
    std::size_t done = 0;
    int err = 0;
    while (done < bytes.size()) {
        const long long n = WriteSome(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            err = n < 0 ? errno : ENOSPC;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    const bool written = err == 0;
    if (written)
        err = platform::FlushToDisk(fd_);
    if (err == 0) {
        end_ += static_cast<long long>(bytes.size());
        return true;
    }
    Fail(written ? "Cannot store the notice file on disk" : "Cannot write the notice file", err);
    if (const int cutErr = CutBack(end_)) {
        // The file may now end in a partial piece: close it rather than append after that.
        error_ += "; the unfinished part could not be removed (" + std::string(std::strerror(cutErr)) +
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
    const int err = platform::CloseFile(fd_); // releases the lock
    fd_ = -1;
    started_ = false;
    if (err != 0)
        return Fail("Cannot close the notice file", err);
    return true;
}

} // namespace ondrell
