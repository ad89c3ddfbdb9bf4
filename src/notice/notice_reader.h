#pragma once
// Reads an electronic notice file back into records: the inverse of the writer. Notices come one at
// a time, so files of any number of notices are read in constant memory. A file that the writer
// could not have produced is refused with "<file>, line <n>: <what was expected>"; the reader never
// throws and stops at the first fault.

#include "notice/line_source.h"
#include "notice/record.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ondrell {

struct NoticeFileHeader {
    std::string capturedOn;  // after "File captured on "
    std::string processedBy; // after "Processed by "
    std::string programId;   // after "Program Id: "
    bool headPresent = false;
    std::string adm;       // HEAD t_adm: the administration of every notice of the file
    std::string emailAddr; // HEAD t_email_addr: likewise
};

struct ReadNotice {
    int number = 0; // its "Notice No"
    int line = 0;   // line of its "<NOTICE>"
    NoticeRecord record;
};

struct AntennaSection;
struct NoticeKey;

class NoticeFileReader {
  public:
    NoticeFileReader();
    ~NoticeFileReader();
    NoticeFileReader(const NoticeFileReader &) = delete;
    NoticeFileReader &operator=(const NoticeFileReader &) = delete;

    // Open reads the header lines and HEAD; false with Error() when they are malformed.
    bool Open(const std::string &path);
    // Same on a text in memory, named `name` in messages; the text must outlive the reader.
    bool OpenText(std::string_view text, std::string name);

    // The next notice; false at the end of the file or at a fault (then Error() is not empty).
    bool Next(ReadNotice &notice);

    const NoticeFileHeader &Header() const { return header_; }
    // t_num_notices of the TAIL, once the end was reached; nullopt for a file left without TAIL.
    std::optional<int> TailCount() const { return tailCount_; }
    const std::string &Error() const { return error_; }

  private:
    enum class Got { Line, End, Fault };
    Got NextLine(std::string_view &line);
    Got NextNonEmpty(std::string_view &line);
    bool ReadHeader();
    bool ReadTail();
    // The steps of one NOTICE section.
    struct NoticeParts;
    bool ReadNoticeBody(ReadNotice &notice);
    bool ReadSubSection(std::string_view openLine, NoticeRecord &r);
    bool StoreAntennaValue(const AntennaSection &section, int azimuthIndex, std::string_view key,
                           std::string_view value, NoticeRecord &r);
    bool ReadPointLine(TestPoint &point, std::string_view key, std::string_view value, std::string_view line);
    bool ReadCoordLine(std::string_view key, std::string_view value, std::string_view line, NoticeRecord &r);
    bool ReadKeyLine(std::string_view line, ReadNotice &notice);
    bool StoreValue(const NoticeKey &key, std::string_view value, ReadNotice &notice);
    bool FinishNotice(ReadNotice &notice);
    bool Fail(int line, const std::string &message);
    // A text of the current line into the record: as is when the line is ASCII, else converted.
    void StoreText(std::string_view bytes, std::string &out) const;
    bool Expected(const std::string &what, std::string_view found);
    bool ExpectedAtEnd(const std::string &what);

    LineSource source_;
    std::string name_;
    NoticeFileHeader header_;
    std::optional<int> tailCount_;
    std::string error_;
    int noticesRead_ = 0;
    bool done_ = false;
    std::unique_ptr<NoticeParts> parts_;
};

// The whole file at once (tests, small files).
struct NoticeFile {
    NoticeFileHeader header;
    std::vector<ReadNotice> notices;
    std::optional<int> tailCount;
};
bool ReadNoticeFile(const std::string &path, NoticeFile &file, std::string &error);
bool ParseNoticeFile(std::string_view text, const std::string &name, NoticeFile &file, std::string &error);

} // namespace ondrell
