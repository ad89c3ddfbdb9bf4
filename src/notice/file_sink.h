#pragma once
// Writes the electronic notice file so that nothing the user was told is saved gets lost and no
// half-written piece ever stays in it. Each piece (UTF-8) is converted to Windows-1252 and written
// with one CR LF after it; a unit (the header lines, one notice, the tail) either reaches the disk
// whole, synced before the call returns, or the file is cut back to where it was, so a retry
// appends to a sound file. The file is locked against every other writer while it is open. Errors
// come back as text with the system's reason; nothing throws.

#include <string>
#include <string_view>
#include <vector>

namespace ondrell {

class FileSink {
  public:
    FileSink() = default;
    virtual ~FileSink();
    FileSink(const FileSink &) = delete;
    FileSink &operator=(const FileSink &) = delete;

    // Opens the file for writing, creating it when missing, and locks it against every other writer
    // (another form of this program or another program) until Close. Nothing in it changes yet:
    // HoldsText tells whether Start would replace something. False with ErrorString() on failure,
    // a file another writer holds included.
    bool Open(const std::string &path);
    // The opened file is not empty (notices saved before, or anything else).
    bool HoldsText() const { return heldText_; }
    // Replaces the whole content with the pieces (the header lines) as one unit. On failure nothing
    // of them stays: the file is closed (and removed when Open created it), so the next attempt
    // starts the file anew.
    bool Start(const std::vector<std::string> &pieces);
    // Appends one piece as a unit; needs a successful Start. A piece holding a character
    // Windows-1252 cannot hold is refused whole (nothing written).
    bool Write(std::string_view piece);
    // Closes the file and releases the lock; false when it could not be closed cleanly.
    bool Close();

    bool IsOpen() const { return fd_ >= 0; }
    bool Started() const { return started_; }
    const std::string &ErrorString() const { return error_; }

  protected:
    // One write of the system; tests put a full disk behind it.
    virtual long long WriteSome(int fd, const char *data, std::size_t size);

  private:
    bool WriteUnit(const std::vector<std::string_view> &pieces);
    bool Encode(const std::vector<std::string_view> &pieces, std::string &bytes);
    int CutBack(long long end);
    bool Fail(const std::string &what, int err);

    int fd_ = -1;
    bool created_ = false;
    bool regular_ = true;
    bool heldText_ = false;
    bool started_ = false;
    long long end_ = 0; // the end of everything written whole
    std::string path_;
    std::string error_;
};

} // namespace ondrell
