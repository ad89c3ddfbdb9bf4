#include "notice/text_check.h"
#include "notice/windows1252.h"

#include "golden.h"
#include "sample_records.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

TEST(Windows1252, EncodesLatinAndTheHighRangeAndRefusesTheRest) {
    std::string out;
    ASSERT_TRUE(Utf8ToWindows1252("Dôle €‚ƒ„…†‡ˆ‰Š‹ŒŽ''\"\"•–—˜™š›œžŸ ÿ", out));
    EXPECT_EQ(out.substr(0, 5), "D\xF4le ");
    EXPECT_EQ(out.substr(5, 3), "\x80\x82\x83");
    EXPECT_EQ(out.back(), '\xFF');
    EXPECT_EQ(Windows1252ToUtf8(out), "Dôle €‚ƒ„…†‡ˆ‰Š‹ŒŽ''\"\"•–—˜™š›œžŸ ÿ");

    // Every byte decodes and encodes back to itself.
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    ASSERT_TRUE(Utf8ToWindows1252(Windows1252ToUtf8(all), out));
    EXPECT_EQ(out, all);

    EncodeProblem problem;
    EXPECT_FALSE(Utf8ToWindows1252("abĀ", out, &problem));
    EXPECT_EQ(problem.codePoint, U'\u0100');
    EXPECT_EQ(problem.offset, 2u);
    EXPECT_FALSE(Utf8ToWindows1252("a😀", out, &problem));
    EXPECT_EQ(problem.codePoint, U'\U0001F600');
    for (const char *bad :
         {"\xC3", "\xC3\x28", "\xC0\xAF", "\xED\xA0\x80", "\xF8\x88\x80\x80\x80", "x\xE2\x82"}) {
        EXPECT_FALSE(Utf8ToWindows1252(bad, out, &problem)) << bad;
        EXPECT_TRUE(problem.invalidUtf8);
    }
}

TEST(CheckNoticeText, NamesTheCharacterAndTheField) {
    EXPECT_EQ(CheckNoticeText(samples::Gs1Article4()), "");
    EXPECT_EQ(CheckNoticeText(NoticeRecord{}), "");

    const struct {
        void (*spoil)(NoticeRecord &);
        const char *expected;
    } cases[] = {
        {[](NoticeRecord &r) { r.t_site_name = "Łódź"; },
         "The character \"Ł\" (U+0141) in t_site_name cannot be written to the notice file (Windows-1252 "
         "text)."},
        {[](NoticeRecord &r) { r.planning.email_addr = "δ@x"; },
         "The character \"δ\" (U+03B4) in t_email_addr cannot be written to the notice file (Windows-1252 "
         "text)."},
        {[](NoticeRecord &r) { r.attn_h.entries[35].value = "1\xE2\x80\x89"; },
         "The character \"\xE2\x80\x89\" (U+2009) in t_attn@azm350 cannot be written to the notice file "
         "(Windows-1252 text)."},
        {[](NoticeRecord &r) { r.t_remarks = "line one\r\nline two"; },
         "The field t_remarks holds a line break, which cannot be written to the notice file (one line per "
         "value)."},
        {[](NoticeRecord &r) { r.t_int_remarks = "\xFF"; },
         "The field t_int_remarks holds bytes that are not UTF-8 text."},
        {[](NoticeRecord &r) { r.coord.entries[0].adm = "Ж"; },
         "The character \"Ж\" (U+0416) in t_adm cannot be written to the notice file (Windows-1252 text)."},
    };
    for (const auto &c : cases) {
        NoticeRecord r = samples::Gt1Article5Modify();
        c.spoil(r);
        EXPECT_EQ(CheckNoticeText(r), c.expected);
    }
}

} // namespace
} // namespace ondrell
