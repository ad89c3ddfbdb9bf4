#include "geo/world_map.h"
#include "notice/notice_reader.h"
#include "notice/notice_writer.h"
#include "notice/windows1252.h"
#include "validation/validate.h"

#include "sample_records.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace ondrell {
namespace {

struct ToolRun {
    int exit = -1;
    std::string out, err;
};

std::string Slurp(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class ValidateTool : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ =
            std::filesystem::temp_directory_path() / ("ondrell_tool_validate_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        ::setenv("ONDRELL_MAP_FILE", ONDRELL_MAP_FILE, 1);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string WriteFile(const std::string &name, const std::string &bytes) {
        const auto path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::string WriteNotices(const std::string &name, const std::vector<NoticeRecord> &records) {
        std::string bytes;
        EXPECT_TRUE(
            Utf8ToWindows1252(FormatNoticeFile({"08/05/2009", "09:05:07", "tester"}, records), bytes));
        return WriteFile(name, bytes);
    }
    ToolRun Tool(const std::string &args) {
        const auto out = dir_ / "stdout", err = dir_ / "stderr";
        const std::string command =
            std::string(ONDRELL_TOOL) + " validate " + args + " >" + out.string() + " 2>" + err.string();
        ToolRun run;
        const int status = std::system(command.c_str());
        run.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.out = Slurp(out);
        run.err = Slurp(err);
        return run;
    }
    std::filesystem::path dir_;
};

// The tool reports exactly what the Validate button computes for each notice.
TEST_F(ValidateTool, JsonMatchesTheEngineNoticeByNotice) {
    const std::vector<NoticeRecord> records = {samples::Gs1Article4(),
                                               samples::Gt1Article5Modify(),
                                               samples::Gs2WithContours(),
                                               samples::Ga1WithPoints(),
                                               samples::Tb2(),
                                               samples::Tb3(),
                                               samples::Tb5()};
    const std::string path = WriteNotices("kinds.txt", records);
    const ToolRun run = Tool("--json " + path);
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
    const std::string path = WriteNotices("tb5.txt", {samples::Tb5(), samples::Tb5()});
    const ToolRun run = Tool(path);
    EXPECT_EQ(run.exit, 0) << run.err;
    EXPECT_EQ(run.out, path + ": notice 1 TB5: Notice Receivable\nThe notice is receivable\n\n" + path +
                           ": notice 2 TB5: Notice Receivable\nThe notice is receivable\n\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(ValidateTool, UnreadableFilesGiveTwoAndTheOthersAreStillValidated) {
    const std::string good = WriteNotices("good.txt", {samples::Tb5()});
    const std::string bad =
        WriteFile("bad.txt", "File captured on x\r\nProcessed by u\r\nProgram Id: p\r\n\r\n"
                             "<NOTICE>\r\nNotice No = 1\r\nt_notice_type = TB5\r\n");
    const std::string missing = (dir_ / "missing.txt").string();
    const ToolRun run = Tool("--json " + missing + " " + bad + " " + good);
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
    EXPECT_EQ(Tool("").exit, 2);
    EXPECT_EQ(Tool("--json").exit, 2);
    const ToolRun empty = Tool("--json " + WriteFile("empty.txt", ""));
    EXPECT_EQ(empty.exit, 2);
    EXPECT_EQ(nlohmann::json::parse(empty.out), nlohmann::json::array());
}

} // namespace
} // namespace ondrell
