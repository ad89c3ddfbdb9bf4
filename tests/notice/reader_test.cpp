#include "notice/notice_reader.h"
#include "notice/notice_writer.h"
#include "notice/windows1252.h"

#include "golden.h"
#include "sample_records.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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

std::vector<NoticeRecord> Records(const NoticeFile &file) {
    std::vector<NoticeRecord> records;
    for (const auto &n : file.notices)
        records.push_back(n.record);
    return records;
}

// Writer -> reader -> writer gives the same bytes, each kind alone and after a first notice
// (whose HEAD the later notices inherit).
TEST(RoundTrip, EveryKindGivesTheSameBytes) {
    const std::pair<const char *, NoticeRecord (*)()> kinds[] = {{"GS1", samples::Gs1Article4},
                                                                 {"GT1", samples::Gt1Article5Modify},
                                                                 {"GS2", samples::Gs2WithContours},
                                                                 {"GA1", samples::Ga1WithPoints},
                                                                 {"TB2", samples::Tb2},
                                                                 {"TB3", samples::Tb3},
                                                                 {"TB5", samples::Tb5},
                                                                 {"GS1 as TB3", samples::Gs1MarkedTb3}};
    for (const auto &[name, make] : kinds) {
        for (bool afterFirst : {false, true}) {
            std::vector<NoticeRecord> records;
            if (afterFirst)
                records.push_back(samples::Gs1Article4());
            records.push_back(make());
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

// Writing the records read back gives the golden bytes again; what follows checks only what the
// writer does not show.
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

    const NoticeRecord &r = file.notices[0].record;
    EXPECT_EQ(r.t_remarks, "Site partagé avec FM"); // back from Windows-1252
    EXPECT_EQ(r.site_lat, (Coordinate{"48", "N", "51", "00"}));
    EXPECT_EQ(r.stn_cls, "BC");
    EXPECT_FALSE(r.coord.present);
    EXPECT_FALSE(r.op_hours_given);
    // HEAD's administration and address belong to the second notice too.
    EXPECT_EQ(file.notices[1].record.t_adm, "F");
    EXPECT_EQ(file.notices[1].record.planning.email_addr, "spectre@anfr.example");
}

// Values come back through the round trip above; these are the flags and slots it cannot see.
TEST(Reader, RestoresFormsAndFlags) {
    const NoticeFile file = ParseOk(FileBytes({samples::Gt1Article5Modify(), samples::Ga1WithPoints(),
                                               samples::Tb2(), samples::Gs2WithContours()}));
    const NoticeRecord &gt1 = file.notices[0].record;
    EXPECT_TRUE(gt1.op_hours_given);
    EXPECT_TRUE(gt1.coord.present);
    EXPECT_EQ(gt1.coord.entries.size(), 4u); // one spare entry, as capture leaves it
    EXPECT_TRUE(gt1.planning.present);
    EXPECT_FALSE(gt1.planning.allotment.present);

    const NoticeRecord &ga1 = file.notices[1].record;
    EXPECT_TRUE(ga1.sub_area.present);
    EXPECT_EQ(ga1.sub_area.t_contour_id, "7");
    EXPECT_EQ(ga1.planning.allotment.t_contour_id[0], "");
    EXPECT_EQ(ga1.sub_area.test_points.size(), 5u);
    EXPECT_FALSE(ga1.sub_area.test_points[4].given);

    EXPECT_EQ(file.notices[2].record.stn_cls, "");
    EXPECT_TRUE(file.notices[3].record.planning.allotment.present);
}

TEST(Reader, AcceptsLfLinesAKeyOrderOfItsOwnAndAFileWithoutTail) {
    std::string lf = FileBytes({samples::Gt1Article5Modify()});
    for (size_t at; (at = lf.find("\r\n")) != std::string::npos;)
        lf.erase(at, 1);
    const NoticeFile fromLf = ParseOk(lf);
    EXPECT_EQ(FileBytes(Records(fromLf)), FileBytes({samples::Gt1Article5Modify()}));

    const std::string shuffled = "File captured on x\nProcessed by y\nProgram Id: z\n\n<NOTICE>\n"
                                 "t_action = ADD\nt_notice_type = TB5\nNotice No = 1\n</NOTICE>\n";
    const NoticeFile noTail = ParseOk(shuffled);
    EXPECT_FALSE(noTail.tailCount.has_value());
    EXPECT_EQ(noTail.notices[0].record.t_action, "ADD");
    EXPECT_FALSE(noTail.header.headPresent);
}

TEST(Reader, RefusesMalformedFilesNamingLineAndExpectation) {
    const std::string head =
        "File captured on d-t\r\nProcessed by u\r\nProgram Id: p\r\n<HEAD>\r\nt_adm = F\r\n</HEAD>\r\n";
    const auto notice = [](const std::string &body) {
        return "<NOTICE>\r\nNotice No = 1\r\n" + body + "</NOTICE>\r\n";
    };
    const struct {
        std::string text;
        const char *message;
    } cases[] = {
        {"", "t.txt, line 1: expected the header line \"File captured on ...\" but the file ends"},
        {"\xEF\xBB\xBF"
         "File captured on x\r\n",
         "t.txt, line 1: expected the header line \"File captured on ...\", found \"\\xEF\\xBB\\xBFFile "
         "captured on x\""},
        {"File captured on x\r\nProgram Id: p\r\n",
         "t.txt, line 2: expected the header line \"Processed by ...\", found \"Program Id: p\""},
        {"File captured on x\r\nProcessed by u\r\nProgram Id: p\r\n",
         "t.txt, line 4: expected \"<HEAD>\" or an empty line but the file ends"},
        {head, "t.txt, line 7: expected \"<NOTICE>\" but the file ends"},
        {head + "<TAIL>\r\n", "t.txt, line 7: expected \"<NOTICE>\", found \"<TAIL>\""},
        {head + "<NOTICE>\r\nNotice No = 1\r\n",
         "t.txt, line 9: expected \"</NOTICE>\" to close the NOTICE begun on line 7 but the file ends"},
        {head + notice("t_colour = red\r\n"), "t.txt, line 9: unknown key \"t_colour\" in a NOTICE section"},
        {head + notice("t_action = ADD\r\nt_action = SUPPRESS\r\n"),
         "t.txt, line 10: t_action is given twice (first on line 9)"},
        {head + notice("t_action: ADD\r\n"), "t.txt, line 9: expected a line \"key = value\", a sub-section "
                                             "(<ANT_HGT>, <ANT_DIAGR_H>, <ANT_DIAGR_V>, "
                                             "<COORD>, <POINT>) or \"</NOTICE>\", found \"t_action: ADD\""},
        {head + notice("<HEAD>\r\n"), "t.txt, line 9: expected a line \"key = value\", a sub-section "
                                      "(<ANT_HGT>, <ANT_DIAGR_H>, <ANT_DIAGR_V>, "
                                      "<COORD>, <POINT>) or \"</NOTICE>\", found \"<HEAD>\""},
        {head + "<NOTICE>\r\nt_action = ADD\r\n</NOTICE>\r\n",
         "t.txt, line 7: the NOTICE section has no \"Notice No\" line"},
        {head + "<NOTICE>\r\nNotice No = first\r\n</NOTICE>\r\n",
         "t.txt, line 8: expected a notice number of 1 or more, found \"first\""},
        {head + notice("t_d_inuse = 8.5.2009\r\n"),
         "t.txt, line 9: expected a date written yyyy-mm-dd for t_d_inuse, found \"8.5.2009\""},
        {head + notice("t_op_hh_fr = 8:30\r\n"),
         "t.txt, line 9: expected a time written HH:MM for t_op_hh_fr, found \"8:30\""},
        {head + notice("t_long = 0050709\r\n"),
         "t.txt, line 9: expected a longitude written +DDDMMSS or -DDDMMSS for t_long, found \"0050709\""},
        {head + notice("t_trg_lat = +4612\r\n"),
         "t.txt, line 9: expected a latitude written +DDMMSS or -DDMMSS for t_trg_lat, found \"+4612\""},
        {head + notice("<ANT_HGT>\r\nt_eff_hgt@azm15 = 3\r\n</ANT_HGT>\r\n"),
         "t.txt, line 10: expected \"t_eff_hgt@azm<0, 10, ... 350> = ...\", found \"t_eff_hgt@azm15 = 3\""},
        {head + notice("<ANT_DIAGR_H>\r\nt_attn@azm010 = 3\r\n</ANT_DIAGR_H>\r\n"),
         "t.txt, line 10: expected \"t_attn@azm<0, 10, ... 350> = ...\", found \"t_attn@azm010 = 3\""},
        {head + notice("<ANT_DIAGR_V>\r\nt_attn@azm10 = 3\r\nt_attn@azm10 = 4\r\n</ANT_DIAGR_V>\r\n"),
         "t.txt, line 11: t_attn@azm10 is given twice"},
        {head + notice("<ANT_HGT>\r\n</ANT_HGT>\r\n<ANT_HGT>\r\n"),
         "t.txt, line 11: a second <ANT_HGT> section in one notice"},
        {head + notice("<COORD>\r\nt_adm = F\r\n"),
         "t.txt, line 11: expected a line \"key = value\" or \"</COORD>\", found \"</NOTICE>\""},
        {head + "<NOTICE>\r\nNotice No = 1\r\n<COORD>\r\nt_adm = F\r\n",
         "t.txt, line 11: expected \"</COORD>\" but the file ends"},
        {head + notice("<COORD>\r\nt_ctry = F\r\n</COORD>\r\n"),
         "t.txt, line 10: expected \"t_adm = ...\" or \"</COORD>\", found \"t_ctry = F\""},
        {head + notice("t_notice_type = GA1\r\nt_contour_id = 1\r\nt_contour_id = 2\r\n"),
         "t.txt, line 11: t_contour_id is given twice in a GA1 notice"},
        {head + notice("t_contour_id = 1\r\nt_contour_id = 2\r\nt_contour_id = 3\r\nt_contour_id = "
                       "4\r\nt_contour_id = 5\r\n"
                       "t_contour_id = 6\r\nt_contour_id = 7\r\nt_contour_id = 8\r\nt_contour_id = "
                       "9\r\nt_contour_id = 10\r\n"
                       "t_contour_id = 11\r\n"),
         "t.txt, line 19: more than 10 t_contour_id lines in one notice"},
        {head + notice("") + "<TAIL>\r\nt_num_notices = 2\r\n</TAIL>\r\n",
         "t.txt, line 11: t_num_notices is 2 but the file holds 1 notices"},
        {head + notice("") + "<TAIL>\r\nt_num_notices = 1\r\n</TAIL>\r\n<NOTICE>\r\n",
         "t.txt, line 13: expected nothing after the TAIL section, found \"<NOTICE>\""},
        {head + notice("") + "<TAIL>\r\nt_num_notices = 1\r\n",
         "t.txt, line 12: expected \"</TAIL>\" but the file ends"},
        {head + notice("") + "garbage\r\n",
         "t.txt, line 10: expected \"<NOTICE>\" or \"<TAIL>\", found \"garbage\""},
        {"File captured on x\r\nProcessed by u\r\nProgram Id: p\r\n<HEAD>\r\nt_adm = F\r\nt_adm = "
         "G\r\n</HEAD>\r\n",
         "t.txt, line 6: t_adm is given twice in HEAD"},
        {"File captured on x\r\nProcessed by u\r\nProgram Id: p\r\n<HEAD>\r\nt_ctry = F\r\n",
         "t.txt, line 5: expected \"t_adm = ...\", \"t_email_addr = ...\" or \"</HEAD>\", found \"t_ctry = "
         "F\""},
        {std::string("File captured on x\r\n\0\x01\x02\xFF\r\n", 24),
         "t.txt, line 2: expected the header line \"Processed by ...\", found \"\\x00\\x01\\x02\\xFF\""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ParseError(c.text), c.message) << c.text;
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
    const auto path = std::filesystem::temp_directory_path() / "ondrell_reader_long_line.txt";
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
    EXPECT_NE(error.find("/: cannot read the file: Is a directory"), std::string::npos) << error;
}

TEST(Reader, StreamsAHundredThousandNoticesFromAFile) {
    const auto path = std::filesystem::temp_directory_path() / "ondrell_reader_many.txt";
    {
        std::ofstream out(path, std::ios::binary);
        for (const auto &line : FormatHeaderLines(kHeader))
            out << line << "\r\n";
        out << FormatHead("G", "") << "\r\n";
        for (int i = 1; i <= 100000; ++i)
            out << FormatNotice(samples::Tb5(), i) << "\r\n";
        out << FormatTail(100000) << "\r\n";
    }
    NoticeFileReader reader;
    ASSERT_TRUE(reader.Open(path.string())) << reader.Error();
    ReadNotice notice;
    int count = 0;
    while (reader.Next(notice))
        ASSERT_EQ(notice.number, ++count);
    EXPECT_EQ(reader.Error(), "");
    EXPECT_EQ(count, 100000);
    EXPECT_EQ(reader.TailCount(), 100000);
    std::filesystem::remove(path);
}

} // namespace
} // namespace ondrell
