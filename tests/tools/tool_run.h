#pragma once
// Runs ondrell-tool as a user would, as a separate process in a folder of its own, on notice files
// the writer produces.

#include "notice/notice_writer.h"
#include "notice/windows1252.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace ondrell {

struct ToolRun {
    int exit = -1;
    std::string out, err;
};

inline std::string Slurp(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class ToolTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("ondrell_tool_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
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
    // ondrell-tool with the arguments, its output and errors caught.
    ToolRun Tool(const std::string &args) {
        const auto out = dir_ / "stdout", err = dir_ / "stderr";
        const int status = std::system(
            (std::string(ONDRELL_TOOL) + " " + args + " >" + out.string() + " 2>" + err.string()).c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(out), Slurp(err)};
    }
    std::filesystem::path dir_;
};

} // namespace ondrell
