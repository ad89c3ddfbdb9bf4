#pragma once
// Lines of a file or of a text in memory, without their LF or CR LF ending. A file is read in
// chunks, so its size does not matter; a single line longer than kMaxLineBytes is refused instead of
// being held in memory.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace ondrell {

class LineSource {
  public:
    static constexpr size_t kMaxLineBytes = size_t{1} << 20;

    enum class Status { Line, End, TooLong, ReadError };

    LineSource() = default;
    ~LineSource();
    LineSource(const LineSource &) = delete;
    LineSource &operator=(const LineSource &) = delete;

    // False with the system's reason in *error when the file cannot be opened.
    bool OpenFile(const std::string &path, std::string *error);
    // The text must outlive the source.
    void OpenText(std::string_view text);

    // The next line; it stays valid until the following call. LineNumber() is its 1-based number.
    // Clean lines, nearly all of a file's, are taken here; the rest by NextCarefully.
    Status Next(std::string_view &line) {
        size_t endingBytes = 0;
        const size_t end = CleanLineEnd(endingBytes);
        if (end == std::string_view::npos)
            return NextCarefully(line);
        line = text_.substr(0, end);
        text_.remove_prefix(end + endingBytes);
        controlBytes_ = false;
        ascii_ = true;
        ++lineNumber_;
        return Status::Line;
    }
    int LineNumber() const { return lineNumber_; }
    // True when that line holds a control byte (its CR LF or LF ending aside).
    bool HasControlByte() const { return controlBytes_; }
    // True when that line is plain ASCII, so that its texts need no conversion.
    bool IsAscii() const { return ascii_; }
    // The system's reason after ReadError.
    const std::string &ReadErrorText() const { return readError_; }

  private:
    bool Refill();
    size_t CleanLineEnd(size_t &endingBytes) const;
    Status NextCarefully(std::string_view &line);

    std::FILE *file_ = nullptr;
    bool eof_ = false;
    std::vector<char> buffer_;
    std::string_view text_; // unread part (the text, or the filled part of the buffer)
    int lineNumber_ = 0;
    bool controlBytes_ = false;
    bool ascii_ = true;
    std::string readError_;
};

} // namespace ondrell
