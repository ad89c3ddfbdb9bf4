// Save-readiness on a fake form: which lines, in which order, under which header (data/readiness.tsv).
#include "validation/save_readiness.h"

#include "support/case_table.h"
#include "support/fake_form.h"

namespace ondrell {
namespace {

using testing::FakeForm;

const auto kRows = cases::Load("validation/data/readiness.tsv");

// Fills `f` by the steps of a row from `first` on, but its last cell.
void Fill(FakeForm &f, const cases::Row &row, std::size_t first, std::size_t end) {
    for (std::size_t i = first; i < end; ++i)
        testing::ForEachName(
            row[i], [&](const std::string &verb, const std::string &c, const std::string &v) {
                if (verb == "use") {
                    for (const auto &form : kRows)
                        if (form[0] == "Form" && form[1] == c)
                            Fill(f, form, 2, form.size());
                } else if (verb == "fill") {
                    for (int azimuth = 0; azimuth < 360; azimuth += 10)
                        f.Set(c + std::string(azimuth < 100 ? "0" : "") + (azimuth < 10 ? "0" : "") +
                                  std::to_string(azimuth),
                              v);
                } else {
                    ASSERT_TRUE(testing::FillStep(f, verb, c, v)) << row.where << ": " << row[i];
                }
            });
}

ReadinessRules Rules(const std::string &name, std::string &asked) {
    if (name == "real")
        return DefaultReadinessRules(nullptr);
    ReadinessRules rules;
    if (name == "none")
        return rules;
    rules.canNotifyFor = [own = name == "own-country"](const std::string &area, const std::string &adm) {
        return !own || area == adm;
    };
    rules.assignmentPlanEntry = [](auto &&...) { return std::string(); };
    rules.allotmentPlanEntry = [](auto &&...) { return std::string(); };
    if (name.starts_with("sea"))
        rules.pointInCountry = [&asked](Coordinate lon, Coordinate lat, const std::string &ctry, int km,
                                        std::string *detail) {
            asked = lon.deg + lon.min + lon.sec + lon.hemi + "/" + lat.deg + lat.min + lat.sec + lat.hemi +
                    "/" + ctry + "/" + std::to_string(km);
            *detail = " are in the sea, 25 km from F";
            return false;
        };
    if (name == "land")
        rules.pointInCountry = [](Coordinate, Coordinate, const std::string &, int, std::string *detail) {
            *detail = " are in the sea, less than 1 km from F";
            return true;
        };
    return rules;
}

std::string WithHeaders(std::string text) {
    const std::pair<const char *, const char *> headers[] = {
        {"$ident",
         "To save a notice at least the following Mandatory Identifying fields are necessary : \r\n\r\n"},
        {"$mandatory", "To save a notice the following Mandatory fields are necessary : \r\n\r\n"},
        {"$full", "The following fields are either missing or invalid\r\n"}};
    for (const auto &[name, header] : headers)
        if (text.starts_with(name))
            text.replace(0, std::string_view(name).size(), header);
    return text;
}

struct SaveReadiness : ::testing::TestWithParam<cases::Row> {};

TEST_P(SaveReadiness, Row) {
    const cases::Row &row = GetParam();
    FakeForm f;
    Fill(f, row, 6, row.size() - 1);
    std::string asked;
    const ReadinessRules rules = Rules(row[2], asked);
    const ReadinessInput input{f, std::stoi(row[3]), std::stoi(row[4])};
    const ReadinessReport report = row[1] == "soft"
                                       ? CheckSaveReadiness(testing::KindNamed(row[0]), input, rules)
                                       : CheckMandatoryFields(testing::KindNamed(row[0]), input, rules);
    const std::string expected = WithHeaders(row[row.size() - 1]);
    if (expected.starts_with("~"))
        EXPECT_NE(report.text.find(expected.substr(1)), std::string::npos) << row.where << "\n"
                                                                           << report.text;
    else
        EXPECT_EQ(report.text, expected) << row.where;
    EXPECT_EQ(report.flag, row[5] == "1") << row.where;
    EXPECT_EQ(asked, row[2].starts_with("sea ") ? row[2].substr(4) : "") << row.where;
}

std::vector<cases::Row> Checks() {
    std::vector<cases::Row> checks;
    std::copy_if(kRows.begin(), kRows.end(), std::back_inserter(checks),
                 [](auto &r) { return r[0] != "Form"; });
    return checks;
}
INSTANTIATE_TEST_SUITE_P(Table, SaveReadiness, ::testing::ValuesIn(Checks()), cases::Name);

} // namespace
} // namespace ondrell
