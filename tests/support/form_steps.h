#pragma once
// Form scenarios as data: a row of a case table names the forms it runs on ("GS1 GT1") and then
// the steps, one a cell, on a fake form opened as the form base opens it. A step is
// "verb controls value": controls is one name or several joined by ',', the value is the rest of
// the cell (may be empty); a list value is written "a|b|c".
//   set C v, check C, hide C, items C a|b (no rules run), type C v, pick C v, click C, leave C,
//   select C row, untouched 0|1, run clear|reset-only|choose-add|save-next|reset
// Checks start with '?':
//   ?shown C, ?hidden C, ?text C v, ?checked C, ?unchecked C, ?enabled C, ?disabled C, ?grey C,
//   ?plain C, ?items C a|b, ?focus C, ?untouched 0|1, ?selected row, ?own-touch C,
//   ?told n [title|]text (n messages so far, the last one as given)
// A form's own checks (a verb the table does not know) go to `extra`.

#include "support/case_file.h"
#include "support/fake_form.h"

#include "checks/field_tables.h"
#include "forms/rules/assignment_rules.h"
#include "notice/control_names.h"
#include "notice/notice_types.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace ondrell::testing {

// A form of `kind` opened as the form base opens it, with its option groups and frames.
struct OpenForm {
    FormKind kind;
    const FormBehaviour &behaviour = BehaviourOf(kind);
    FakeForm form{behaviour};

    explicit OpenForm(FormKind k) : kind(k) {
        using namespace ctl;
        const std::string formName(Descriptor(kind).formName);
        form.fieldCheckAccepts = [formName](const std::string &control, const std::string &text) {
            return RunFieldCheck(formName, control, text).accepted;
        };
        switch (kind) {
        case FormKind::GS1:
        case FormKind::GT1:
            form.Group({OptInt_Add, OptInt_Mod}).Group({Opt_Art4, Opt_Art5});
            form.Inside(Txt_TrgAdmRefID, FrameTrg).Inside(Lbl_trg_or, FrameTrg);
            for (auto name : TargetCharacteristicFields())
                form.Inside(std::string(name), FrameTrg);
            break;
        case FormKind::GS2:
        case FormKind::GT2:
            form.Group({OptInt_Add, OptInt_Mod}).Inside(Txt_RRC04_contour_id, FrameSubArea);
            break;
        case FormKind::GA1:
            form.Group({OptInt_Add, OptInt_Suppress});
            break;
        case FormKind::TB5:
            form.Group({Opt_Art4, Opt_Art5}).Group({OptInt_WDraw, OptInt_Supp});
            break;
        default:
            break;
        }
        form.Run(behaviour.chooseAdd);
        form.Run(behaviour.setUp);
        Run("reset");
        form.Run(behaviour.afterOpen);
        form.untouched = true;
    }
    void Run(std::string_view what) {
        if (what == "clear" || what == "save-next" || what == "reset")
            form.Run(behaviour.clearScreen);
        if (what == "reset-only" || what == "reset")
            form.Run(behaviour.resetOnly);
        if (what == "choose-add" || what == "save-next" || what == "reset")
            form.Run(behaviour.chooseAdd);
    }
};

using ExtraSteps =
    std::map<std::string, std::function<void(OpenForm &, const std::string &value)>, std::less<>>;

// Runs one step; a failed check names the step (and RunScenario the row).
inline void RunStep(OpenForm &open, const std::string &step, const ExtraSteps &extra = {}) {
    FakeForm &f = open.form;
    SCOPED_TRACE(step);
    const std::string verb = step.substr(0, step.find(' '));
    if (auto it = extra.find(verb); it != extra.end())
        return it->second(open, step.substr(std::min(step.size(), verb.size() + 1)));
    using Step = std::function<void(FakeForm &, const std::string &c, const std::string &value)>;
    const auto &own = open.behaviour.ownTouchRule;
    const auto list = [](const std::string &v) {
        return v.empty() ? std::vector<std::string>{} : Split(v, '|');
    };
    // clang-format off
    const std::map<std::string, Step, std::less<>> steps = {
        {"run", [&](FakeForm &, auto &c, auto &) { open.Run(c); }},
        {"untouched", [](FakeForm &f, auto &c, auto &) { f.untouched = c == "1"; }},
        {"type", [](FakeForm &f, auto &c, auto &v) { f.Type(c, v); }},
        {"pick", [](FakeForm &f, auto &c, auto &v) { f.Pick(c, v); }},
        {"click", [](FakeForm &f, auto &c, auto &) { f.Click(c); }},
        {"leave", [](FakeForm &f, auto &c, auto &) { f.Leave(c); }},
        {"select", [](FakeForm &f, auto &c, auto &v) { f.SelectItem(c, std::stoi(v)); }},
        {"?untouched", [](FakeForm &f, auto &c, auto &) { EXPECT_EQ(f.untouched, c == "1"); }},
        {"?focus", [](FakeForm &f, auto &c, auto &) { EXPECT_EQ(f.focus, c); }},
        {"?selected", [](FakeForm &f, auto &c, auto &) { EXPECT_EQ(f.state.selectedRow, std::stoi(c)); }},
        {"?told", [](FakeForm &f, auto &c, auto &v) {
            ASSERT_EQ(f.told.size(), std::stoul(c));
            const std::size_t bar = v.find('|');
            if (v.empty())
                return;
            EXPECT_EQ(f.told.back().second, v.substr(bar == std::string::npos ? 0 : bar + 1));
            EXPECT_EQ(f.told.back().first, bar == std::string::npos ? f.told.back().first : v.substr(0, bar)); }},
        {"?shown", [](FakeForm &f, auto &c, auto &) { EXPECT_TRUE(f.Visible(c)) << c; }},
        {"?hidden", [](FakeForm &f, auto &c, auto &) { EXPECT_FALSE(f.Visible(c)) << c; }},
        {"?text", [](FakeForm &f, auto &c, auto &v) { EXPECT_EQ(f.Text(c), v) << c; }},
        {"?checked", [](FakeForm &f, auto &c, auto &) { EXPECT_TRUE(f.Checked(c)) << c; }},
        {"?unchecked", [](FakeForm &f, auto &c, auto &) { EXPECT_FALSE(f.Checked(c)) << c; }},
        {"?enabled", [](FakeForm &f, auto &c, auto &) { EXPECT_TRUE(f.Enabled(c)) << c; }},
        {"?disabled", [](FakeForm &f, auto &c, auto &) { EXPECT_FALSE(f.Enabled(c)) << c; }},
        {"?grey", [](FakeForm &f, auto &c, auto &) { EXPECT_TRUE(f.controls[c].grey) << c; }},
        {"?plain", [](FakeForm &f, auto &c, auto &) { EXPECT_FALSE(f.controls[c].grey) << c; }},
        {"?items", [&](FakeForm &f, auto &c, auto &v) { EXPECT_EQ(f.ListItems(c), list(v)) << c; }},
        {"?own-touch", [&](FakeForm &, auto &c, auto &) {
            EXPECT_NE(std::find(own.begin(), own.end(), std::string_view(c)), own.end()) << c; }},
    };
    // clang-format on
    ForEachName(step, [&](const std::string &verb, const std::string &c, const std::string &value) {
        if (FillStep(f, verb, c, value))
            return;
        const auto it = steps.find(verb);
        ASSERT_NE(it, steps.end()) << "no step " << verb;
        it->second(f, c, value);
    });
}

// A row of a scenario table on one of its forms.
struct Scenario {
    cases::Row row;
    FormKind kind;
    friend void PrintTo(const Scenario &s, std::ostream *os) { *os << s.row.where; }
};

// Every row of the tables once for each form it names.
inline std::vector<Scenario> Scenarios(std::initializer_list<std::string> tables) {
    std::vector<Scenario> all;
    for (const auto &table : tables)
        for (auto &row : cases::Load(table))
            for (const auto &kind : Split(row[0], ' '))
                all.push_back({row, KindNamed(kind)});
    return all;
}

inline std::string ScenarioName(const ::testing::TestParamInfo<Scenario> &info) {
    std::string name;
    for (char c : info.param.row.where)
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name + "_" + std::string(Descriptor(info.param.kind).type);
}

inline void RunScenario(const Scenario &s, const ExtraSteps &extra = {}) {
    SCOPED_TRACE(s.row.where);
    OpenForm open(s.kind);
    for (std::size_t i = 1; i < s.row.size(); ++i) {
        RunStep(open, s.row[i], extra);
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

} // namespace ondrell::testing
