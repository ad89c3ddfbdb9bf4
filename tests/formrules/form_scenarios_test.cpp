// The forms' rules on a fake form, as scenarios in data/*.tsv (steps: support/form_steps.h).
#include "forms/rules/assignment_rules.h"
#include "forms/rules/sub_allotment_rules.h"

#include "support/case_table.h"
#include "support/form_steps.h"

namespace ondrell {
namespace {

using namespace testing;

// A GA1 point: its eight parts "deg,min,sec,EW,deg,min,sec,NS", set without rules or typed.
void Point(FakeForm &f, const std::string &parts, bool typed) {
    using namespace ctl;
    const char *fields[] = {Txt_RRC04_Deg_Long, Txt_RRC04_Min_Long, Txt_RRC04_Sec_Long, Txt_RRC04_EW,
                            Txt_RRC04_Deg_Lat,  Txt_RRC04_Min_Lat,  Txt_RRC04_Sec_Lat,  Txt_RRC04_NS};
    const auto values = Split(parts, ',');
    for (std::size_t i = 0; i < values.size(); ++i)
        typed ? f.Type(fields[i], values[i]) : void(f.Set(fields[i], values[i]));
}

const ExtraSteps kGa1Steps = {
    {"point", [](OpenForm &o, const std::string &v) { Point(o.form, v, false); }},
    {"type-point", [](OpenForm &o, const std::string &v) { Point(o.form, v, true); }},
    {"?longitude",
     [](OpenForm &o, const std::string &v) { EXPECT_EQ(MakeVisibleGA1GE06::LongitudeText(o.form), v); }},
    {"?latitude",
     [](OpenForm &o, const std::string &v) { EXPECT_EQ(MakeVisibleGA1GE06::LatitudeText(o.form), v); }},
};

struct FormRules : ::testing::TestWithParam<Scenario> {};
TEST_P(FormRules, Scenario) {
    RunScenario(GetParam(), kGa1Steps);
}
INSTANTIATE_TEST_SUITE_P(
    Tables, FormRules,
    ::testing::ValuesIn(Scenarios({"formrules/data/assignment.tsv", "formrules/data/allotment.tsv",
                                   "formrules/data/sub_allotment.tsv", "formrules/data/admin.tsv"})),
    ScenarioName);

struct AzimuthFill : ::testing::TestWithParam<cases::Row> {};
TEST_P(AzimuthFill, Row) {
    cases::ExpectRow(GetParam(),
                     {{"Fill", {2, [](const cases::Row &r) {
                                    std::string out;
                                    for (int i : AzimuthFillIndices(std::stoi(r[1]), std::stoi(r[2])))
                                        out += (out.empty() ? "" : " ") + std::to_string(i);
                                    return std::vector<std::string>{out};
                                }}}});
}
INSTANTIATE_TEST_SUITE_P(Table, AzimuthFill,
                         ::testing::ValuesIn(cases::Load("formrules/data/azimuth_fill.tsv")), cases::Name);

} // namespace
} // namespace ondrell
