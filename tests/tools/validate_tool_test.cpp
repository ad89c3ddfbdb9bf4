#include "geo/world_map.h"
#include "notice/notice_reader.h"
#include "validation/validate.h"

#include "support/record_text.h"
#include "tool_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace ondrell {
namespace {

class ValidateTool : public ToolTest {};

// The tool reports exactly what the Validate button computes for each notice.
TEST_F(ValidateTool, JsonMatchesTheEngineNoticeByNotice) {
    const std::vector<NoticeRecord> records = record_text::Notices(
        {"Gs1Article4", "Gt1Article5Modify", "Gs2WithContours", "Ga1WithPoints", "Tb2", "Tb3", "Tb5"});
    const std::string path = WriteNotices("kinds.txt", records);
    const ToolRun run = Tool("validate --json " + path);
    ASSERT_TRUE(run.exit == 0 || run.exit == 1) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    ASSERT_EQ(json.size(), records.size());

    std::string error;
    const auto map = WorldMap::Load(ONDRELL_MAP_FILE, &error);
    NoticeFile file;
    ASSERT_TRUE(ReadNoticeFile(path, file, error)) << error;
    bool all = true;
    for (size_t i = 0; i < records.size(); ++i) {
        const ValidationOutcome expected = ValidateNotice(file.notices[i].record, map ? &*map : nullptr);
        const auto &object = json[i];
        EXPECT_EQ(object["file"], path);
        EXPECT_EQ(object["notice"], static_cast<int>(i + 1));
        EXPECT_EQ(object["notice_type"], records[i].t_notice_type);
        EXPECT_EQ(object["receivable"], expected.receivable);
        EXPECT_EQ(object["caption"], expected.caption);
        EXPECT_EQ(object["text"], expected.text); // CR LF kept
        all = all && expected.receivable;
    }
    EXPECT_EQ(run.exit, all ? 0 : 1);
    EXPECT_EQ(json[6]["notice_type"], "TB5");
    EXPECT_EQ(json[6]["caption"], "Notice Receivable");
    EXPECT_EQ(run.exit, 1); // the samples are not all receivable
}

TEST_F(ValidateTool, TextShowsOneBlockPerNoticeWithLfLines) {
    const std::string path = WriteNotices("tb5.txt", record_text::Notices({"Tb5", "Tb5"}));
    const ToolRun run = Tool("validate " + path);
    EXPECT_EQ(run.exit, 0) << run.err;
    EXPECT_EQ(run.out, path + ": notice 1 TB5: Notice Receivable\nThe notice is receivable\n\n" + path +
                           ": notice 2 TB5: Notice Receivable\nThe notice is receivable\n\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(ValidateTool, UnreadableFilesGiveTwoAndTheOthersAreStillValidated) {
    const std::string good = WriteNotices("good.txt", record_text::Notices({"Tb5"}));
    const std::string bad =
        WriteFile("bad.txt", "File captured on x\r\nProcessed by u\r\nProgram Id: p\r\n\r\n"
                             "<NOTICE>\r\nNotice No = 1\r\nt_notice_type = TB5\r\n");
    const std::string missing = (dir_ / "missing.txt").string();
    const ToolRun run = Tool("validate --json " + missing + " " + bad + " " + good);
    EXPECT_EQ(run.exit, 2);
    EXPECT_NE(run.err.find(missing + ": cannot open the file: No such file or directory"), std::string::npos);
    EXPECT_NE(
        run.err.find(
            bad + ", line 8: expected \"</NOTICE>\" to close the NOTICE begun on line 5 but the file ends"),
        std::string::npos)
        << run.err;
    const auto json = nlohmann::json::parse(run.out); // still one well-formed array
    ASSERT_EQ(json.size(), 1u);
    EXPECT_EQ(json[0]["file"], good);
}

TEST_F(ValidateTool, ArgumentErrorsGiveTwo) {
    EXPECT_EQ(Tool("validate").exit, 2);
    EXPECT_EQ(Tool("validate --json").exit, 2);
    const ToolRun empty = Tool("validate --json " + WriteFile("empty.txt", ""));
    EXPECT_EQ(empty.exit, 2);
    EXPECT_EQ(nlohmann::json::parse(empty.out), nlohmann::json::array());
}

} // namespace
} // namespace ondrell
