// Writer rules checked line by line, and the reader as the writer's inverse on the records whose
// output is least regular (empty sections, replaced blocks, empty HEAD).

#include "notice/notice_reader.h"
#include "notice/notice_writer.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

const FileHeaderInfo kHeader{"08/05/2009", "09:05:07", "jdupont"};

NoticeRecord Typed(std::string type, std::string intRemarks = "") {
    NoticeRecord r;
    r.t_notice_type = std::move(type);
    r.t_action = "SUPPRESS";
    r.t_fragment = "GE06D";
    r.t_adm_ref_id = "REF-1";
    r.t_trg_adm_ref_id = "TRG-1";
    r.t_plan = "GE06D";
    r.t_int_remarks = std::move(intRemarks);
    return r;
}

// Which block a notice gets: the TB3 mark in the internal remarks wins over every type.
TEST(WriterReview, BlockChoiceFollowsTypeAndTb3Mark) {
    const struct {
        NoticeRecord record;
        const char *expected;
    } cases[] = {
        {Typed("TB5"),
         "\r\nt_notice_type = TB5\r\nt_action = SUPPRESS\r\nt_fragment = GE06D\r\nt_trg_adm_ref_id = TRG-1"},
        {Typed("tb5"),
         "\r\nt_notice_type = tb5\r\nt_action = SUPPRESS\r\nt_fragment = GE06D\r\nt_trg_adm_ref_id = TRG-1"},
        {Typed("TB5", "Tb3 asked"),
         "\r\nt_notice_type = TB3\r\nt_action = PARTB\r\nt_plan = GE06D\r\nt_trg_adm_ref_id = REF-1"},
        {Typed("TB2", "xtb3x"),
         "\r\nt_notice_type = TB3\r\nt_action = PARTB\r\nt_plan = GE06D\r\nt_trg_adm_ref_id = REF-1"},
        {Typed("tb3"),
         "\r\nt_notice_type = TB3\r\nt_action = PARTB\r\nt_plan = GE06D\r\nt_trg_adm_ref_id = REF-1"},
        {Typed("TB2"), "\r\nt_notice_type = TB2\r\nt_action = SUPPRESS\r\nt_plan = GE06D"},
    };
    for (const auto &c : cases) {
        std::string expected = "<NOTICE>\r\nNotice No = 1" + std::string(c.expected);
        if (!c.record.t_int_remarks.empty())
            expected += "\r\nt_int_remarks = " + c.record.t_int_remarks;
        EXPECT_EQ(FormatNotice(c.record, 1), expected + "\r\n</NOTICE>") << c.record.t_notice_type;
    }
}

// GS1: an empty ANT_HGT still leaves its line break, the attenuation sections follow only when
// given, horizontal before vertical; COORD comes before the antenna sections, remarks after them.
TEST(WriterReview, AssignmentSubSectionOrder) {
    NoticeRecord r;
    r.t_notice_type = "GT1";
    r.coord.present = true;
    r.coord.count = 1;
    r.coord.entries = {{"F", ""}, {}};
    r.attn_v.entries[0] = {true, "0", "5"};
    r.attn_h.entries[35] = {true, "350", "7"};
    r.t_remarks = "R";
    EXPECT_EQ(FormatNotice(r, 2), "<NOTICE>\r\nNotice No = 2\r\nt_notice_type = GT1"
                                  "\r\n<COORD>\r\nt_adm = F\r\n</COORD>"
                                  "\r\n"
                                  "\r\n<ANT_DIAGR_H>\r\nt_attn@azm350 = 7\r\n</ANT_DIAGR_H>"
                                  "\r\n<ANT_DIAGR_V>\r\nt_attn@azm0 = 5\r\n</ANT_DIAGR_V>"
                                  "\r\nt_remarks = R\r\n</NOTICE>");
}

// The reader gives back records that the writer turns into the same bytes, also for the irregular
// outputs: empty HEAD, an empty ANT_HGT's blank line, a TB3 block made from a marked GS1, a GA1
// whose count leaves points out, a MODIFY by target identifier.
TEST(WriterReview, ReaderInvertsIrregularOutputs) {
    NoticeRecord gs1;
    gs1.t_notice_type = "GS1";
    gs1.t_action = "modify";
    gs1.t_trg_adm_ref_id = "T-9";
    gs1.t_trg_freq_assgn = "174.928"; // replaced by the identifier
    gs1.attn_h.entries[1] = {true, "10", "2"};
    gs1.op_hours_given = true;
    gs1.t_op_hh_fr = "7";
    gs1.t_fragment = "NTFD_RR";

    NoticeRecord marked = gs1;
    marked.t_int_remarks = "TB3";
    marked.t_adm_ref_id = "A-1";

    NoticeRecord ga1;
    ga1.t_notice_type = "GA1";
    ga1.sub_area.present = true;
    ga1.sub_area.t_nb_test_pts = "1";
    ga1.sub_area.test_points = {{true, "+0010000", "+450000"}, {true, "+0020000", "+460000"}, {}};

    const std::vector<NoticeRecord> records = {gs1, marked, ga1};
    const std::string text = FormatNoticeFile(kHeader, records);
    EXPECT_NE(text.find("Program Id: GE06 Ivrel Quorra Digital Version 2.08 / 08.05.2009\r\n\r\n<NOTICE>"),
              std::string::npos);
    EXPECT_NE(text.find("t_prov = RR11.2\r\n\r\n<ANT_DIAGR_H>"), std::string::npos);
    EXPECT_EQ(text.find("t_trg_freq_assgn"), std::string::npos);
    EXPECT_EQ(text.find("+0020000"), std::string::npos);

    NoticeFile file;
    std::string error;
    ASSERT_TRUE(ParseNoticeFile(text, "review.txt", file, error)) << error;
    ASSERT_EQ(file.notices.size(), records.size());
    std::vector<NoticeRecord> back;
    for (const auto &n : file.notices)
        back.push_back(n.record);
    EXPECT_EQ(FormatNoticeFile(kHeader, back), text);
    EXPECT_EQ(file.notices[0].record.t_op_hh_fr, "0700");
}

} // namespace
} // namespace ondrell
