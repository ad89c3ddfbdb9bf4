#pragma once
// Writes the electronic notice file piece by piece: each piece (UTF-8) is converted to
// Windows-1252, written with one CR LF after it and flushed to disk before Write returns, so a crash
// never loses a saved notice. Errors come back as text with the system's reason; nothing throws.

#include <cstdio>
#include <string>
#include <string_view>

namespace ondrell {

class FileSink {
  public:
    FileSink() = default;
    ~FileSink();
    FileSink(const FileSink &) = delete;
    FileSink &operator=(const FileSink &) = delete;

    // Creates the file, replacing any file of that name. False with ErrorString() on failure.
    bool Open(const std::string &path);
    // Writes the piece and CR LF and syncs it to disk. A piece holding a character Windows-1252
    // cannot hold is refused whole (nothing written).
    bool Write(std::string_view piece);
    // Closes the file; false when the last bytes could not be stored.
    bool Close();

    bool IsOpen() const { return file_ != nullptr; }
    const std::string &Path() const { return path_; }
    const std::string &ErrorString() const { return error_; }

  private:
    bool Fail(const std::string &what, int err);

    std::FILE *file_ = nullptr;
    std::string path_;
    std::string error_;
};

} // namespace ondrell
