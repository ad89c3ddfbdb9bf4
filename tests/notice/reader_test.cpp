#include "notice/notice_reader.h"
#include "notice/notice_writer.h"
#include "notice/windows1252.h"

#include "golden.h"
#include "support/case_file.h"
#include "support/record_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace ondrell {
namespace {

const FileHeaderInfo kHeader{"08/05/2009", "09:05:07", "jdupont"};

std::string FileBytes(const std::vector<NoticeRecord> &records) {
    std::string bytes;
    EXPECT_TRUE(Utf8ToWindows1252(FormatNoticeFile(kHeader, records), bytes));
    return bytes;
}

NoticeFile ParseOk(const std::string &bytes) {
    NoticeFile file;
    std::string error;
    EXPECT_TRUE(ParseNoticeFile(bytes, "t.txt", file, error)) << error;
    return file;
}

std::string ParseError(const std::string &bytes) {
    NoticeFile file;
    std::string error;
    EXPECT_FALSE(ParseNoticeFile(bytes, "t.txt", file, error));
    return error;
}

using record_text::Named;

// The notices of every kind, as the golden files hold them (data/writer.tsv).
std::vector<std::string> Kinds() {
    std::vector<std::string> names;
    for (const auto &row : cases::Load("notice/data/writer.tsv", "Golden"))
        names.push_back(row[2]);
    return names;
}

std::vector<NoticeRecord> Records(const NoticeFile &file) {
    std::vector<NoticeRecord> records;
    for (const auto &n : file.notices)
        records.push_back(n.record);
    return records;
}

// Writer -> reader -> writer gives the same bytes, each kind alone and after a first notice
// (whose HEAD the later notices inherit).
TEST(RoundTrip, EveryKindGivesTheSameBytes) {
    for (const std::string &name : Kinds()) {
        for (bool afterFirst : {false, true}) {
            std::vector<NoticeRecord> records;
            if (afterFirst)
                records.push_back(Named("Gs1Article4"));
            records.push_back(Named(name));
            if (afterFirst) // the file's HEAD applies to every notice
                records.back().t_adm = records.front().t_adm,
                records.back().planning.email_addr = "spectre@anfr.example";
            const std::string bytes = FileBytes(records);
            const NoticeFile file = ParseOk(bytes);
            ASSERT_EQ(file.notices.size(), records.size()) << name;
            EXPECT_EQ(FileBytes(Records(file)), bytes) << name;
            EXPECT_EQ(file.tailCount, static_cast<int>(records.size()));
        }
    }
}

// The reader inverts the writer's irregular outputs too: an empty ANT_HGT's blank line, a TB3 block
// made from a marked GS1, a GA1 whose count leaves points out, a MODIFY by target identifier.
TEST(RoundTrip, IrregularOutputsGiveTheSameBytes) {
    const std::string modify =
        "t_action=modify; t_trg_adm_ref_id=T-9; t_trg_freq_assgn=174.928; attn_h[1]=2; "
        "attn_h[1].given=1; op_hours_given=1; t_op_hh_fr=7; t_fragment=NTFD_RR";
    const std::vector<NoticeRecord> records = {
        record_text::Make("GS1", modify),
        record_text::Make("GS1", modify + "; t_int_remarks=TB3; t_adm_ref_id=A-1"),
        record_text::Make("GA1", "sub.present=1; t_nb_test_pts=1; point[0]=+0010000,+450000; "
                                 "point[1]=+0020000,+460000; points=3")};
    const std::string text = FormatNoticeFile(kHeader, records);
    EXPECT_NE(text.find("t_prov = RR11.2\r\n\r\n<ANT_DIAGR_H>"), std::string::npos);
    EXPECT_EQ(text.find("t_trg_freq_assgn"), std::string::npos); // replaced by the identifier
    EXPECT_EQ(text.find("+0020000"), std::string::npos);
    const NoticeFile file = ParseOk(text);
    EXPECT_EQ(FormatNoticeFile(kHeader, Records(file)), text);
    EXPECT_EQ(file.notices[0].record.t_op_hh_fr, "0700");
}

// The reader fills one record again and again: each must come out as a fresh reader makes it.
TEST(Reader, EachNoticeOfAFileReadsAsIfAlone) {
    std::vector<NoticeRecord> kinds;
    for (const std::string &name : Kinds())
        kinds.push_back(Named(name));
    const NoticeFile all = ParseOk(FileBytes(kinds));
    ASSERT_EQ(all.notices.size(), kinds.size());
    for (size_t i = 0; i < kinds.size(); ++i) {
        NoticeRecord alone = kinds[i];
        alone.t_adm = kinds[0].t_adm;
        alone.planning.email_addr = kinds[0].planning.email_addr;
        EXPECT_EQ(all.notices[i].record, ParseOk(FileBytes({alone})).notices.at(0).record) << i;
    }
}

// Writing the records read back gives the golden bytes again (what the writer does not show: the
// ReadBack rows of data/reader_errors.tsv).
TEST(Reader, RestoresTheRecordOfTheGoldenWholeFile) {
    const std::string bytes = golden::ReadBytes(golden::DataPath("whole_file.txt"));
    NoticeFile file;
    std::string error;
    ASSERT_TRUE(ReadNoticeFile(golden::DataPath("whole_file.txt"), file, error)) << error;
    EXPECT_EQ(file.header.capturedOn, "08/05/2009-09:05:07");
    EXPECT_EQ(file.header.processedBy, "jdupont");
    EXPECT_EQ(file.header.programId, "GE06 Ivrel Quorra Digital Version 2.08 / 08.05.2009");
    ASSERT_EQ(file.notices.size(), 2u);
    EXPECT_EQ(file.notices[1].number, 2);
    EXPECT_EQ(file.notices[0].line, 8);
    EXPECT_EQ(file.notices[1].line, 81);
    EXPECT_EQ(FileBytes(Records(file)), bytes);
}

TEST(Reader, AcceptsLfLinesAKeyOrderOfItsOwnAndAFileWithoutTail) {
    std::string lf = FileBytes({Named("Gt1Article5Modify")});
    for (size_t at; (at = lf.find("\r\n")) != std::string::npos;)
        lf.erase(at, 1);
    const NoticeFile fromLf = ParseOk(lf);
    EXPECT_EQ(FileBytes(Records(fromLf)), FileBytes({Named("Gt1Article5Modify")}));

    const std::string shuffled = "File captured on x\nProcessed by y\nProgram Id: z\n\n<NOTICE>\n"
                                 "t_action = ADD\nt_notice_type = TB5\nNotice No = 1\n</NOTICE>\n";
    const NoticeFile noTail = ParseOk(shuffled);
    EXPECT_FALSE(noTail.tailCount.has_value());
    EXPECT_EQ(noTail.notices[0].record.t_action, "ADD");
    EXPECT_FALSE(noTail.header.headPresent);
}

TEST(Reader, SurvivesJunkAndHugeInput) {
    // Random bytes: a message, never a crash.
    std::string junk;
    unsigned seed = 12345;
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 1103515245u + 12345u;
        junk += static_cast<char>(seed >> 16);
    }
    EXPECT_NE(ParseError(junk).find("t.txt, line "), std::string::npos);
    EXPECT_NE(ParseError("File captured on x\r\nProcessed by u\r\nProgram Id: p\r\n\r\n<NOTICE>\r\n" + junk)
                  .find("t.txt, line "),
              std::string::npos);

    // A 100 MB line is refused without being held whole.
    const auto path = std::filesystem::temp_directory_path() /
                      ("ondrell_reader_long_line_" + std::to_string(::getpid()) + ".txt");
    {
        std::ofstream out(path, std::ios::binary);
        out << "File captured on x\r\nProcessed by u\r\nProgram Id: p\r\n\r\n<NOTICE>\r\nt_remarks = ";
        const std::string block(1 << 20, 'x');
        for (int i = 0; i < 100; ++i)
            out << block;
        out << "\r\n</NOTICE>\r\n";
    }
    NoticeFile file;
    std::string error;
    EXPECT_FALSE(ReadNoticeFile(path.string(), file, error));
    EXPECT_EQ(error,
              path.string() +
                  ", line 6: the line is longer than 1048576 bytes; this is not an electronic notice file");
    std::filesystem::remove(path);

    EXPECT_FALSE(ReadNoticeFile("/nonexistent/n.txt", file, error));
    EXPECT_EQ(error, "/nonexistent/n.txt: cannot open the file: No such file or directory");
    EXPECT_FALSE(ReadNoticeFile("/", file, error));
    EXPECT_EQ(error.rfind("/: cannot ", 0), 0u) << error; // a folder: POSIX opens it but cannot read it
}

TEST(Reader, StreamsAHundredThousandNoticesFromAFile) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("ondrell_reader_many_" + std::to_string(::getpid()) + ".txt");
    {
        std::ofstream out(path, std::ios::binary);
        for (const auto &line : FormatHeaderLines(kHeader))
            out << line << "\r\n";
        out << FormatHead("G", "") << "\r\n";
        for (int i = 1; i <= 100000; ++i)
            out << FormatNotice(Named("Tb5"), i) << "\r\n";
        out << FormatTail(100000) << "\r\n";
    }
    {
        NoticeFileReader reader; // closed before the file is removed, as Windows requires
        ASSERT_TRUE(reader.Open(path.string())) << reader.Error();
        ReadNotice notice;
        int count = 0;
        while (reader.Next(notice))
            ASSERT_EQ(notice.number, ++count);
        EXPECT_EQ(reader.Error(), "");
        EXPECT_EQ(count, 100000);
        EXPECT_EQ(reader.TailCount(), 100000);
    }
    std::filesystem::remove(path);
}

} // namespace
} // namespace ondrell
