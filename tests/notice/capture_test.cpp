// Screen capture from a fake form, as the rows of data/capture.tsv.
#include "notice/capture.h"

#include "support/case_table.h"
#include "support/fake_form.h"
#include "support/record_text.h"

namespace ondrell {
namespace {

CaptureCode CodeNamed(const std::string &name) {
    const std::pair<const char *, CaptureCode> codes[] = {
        {"GS1", CaptureCode::GS1}, {"GT1", CaptureCode::GT1}, {"GS2", CaptureCode::GS2},
        {"GT2", CaptureCode::GT2}, {"TB2", CaptureCode::TB2}, {"TB3", CaptureCode::TB3},
        {"TB5", CaptureCode::TB5}};
    for (const auto &[n, code] : codes)
        if (name == n)
            return code;
    throw std::invalid_argument("no capture code " + name);
}

struct Capture : ::testing::TestWithParam<cases::Row> {};

TEST_P(Capture, Row) {
    const cases::Row &row = GetParam();
    testing::FakeForm form;
    std::string expected;
    for (std::size_t i = 1; i < row.size(); ++i) {
        if (row[i].starts_with("?"))
            expected += row[i].substr(1) + ";";
        else
            testing::ForEachName(
                row[i], [&](const std::string &verb, const std::string &c, const std::string &v) {
                    ASSERT_TRUE(testing::FillStep(form, verb, c, v)) << row.where << ": " << row[i];
                });
    }
    const CaptureStamp stamp{"2009-05-08", "jdoe"};
    for (const std::string &code : testing::Split(row[0], ' ')) {
        NoticeRecord r;
        code == "GA1" ? CaptureSubAreaNotice(form, r, stamp) : CaptureNotice(form, r, CodeNamed(code), stamp);
        for (const std::string &item : testing::Split(expected, ';')) {
            const std::size_t start = item.find_first_not_of(' '), eq = item.find('=');
            if (start == std::string::npos)
                continue;
            EXPECT_EQ(record_text::Get(r, item.substr(start, eq - start)), item.substr(eq + 1))
                << row.where << " " << code << ": " << item;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Capture, ::testing::ValuesIn(cases::Load("notice/data/capture.tsv")),
                         cases::Name);

} // namespace
} // namespace ondrell
