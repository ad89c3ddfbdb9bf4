// The Validate button's run: all three validations on one record, then the caption and text shown.

#include "geo/world_map.h"
#include "validation_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace ondrell {
namespace {

using namespace testing_support;

TEST(ValidateNotice, CleanNoticeIsReceivable) {
    NoticeRecord r = CleanTb5();
    const auto outcome = ValidateNotice(r, nullptr); // a suppression has no position to look up
    EXPECT_TRUE(outcome.receivable);
    EXPECT_EQ(outcome.caption, "Notice Receivable");
    EXPECT_EQ(outcome.text, "The notice is receivable\r\n");
}

// Every validation runs, whatever the earlier ones found, in the order values, mandatory items.
TEST(ValidateNotice, ErrorsOfEveryValidationInOrder) {
    NoticeRecord r = CleanTb5();
    r.t_action = "MODIFY";
    const auto outcome = ValidateNotice(r, nullptr);
    EXPECT_FALSE(outcome.receivable);
    EXPECT_EQ(outcome.caption, "Notice Error(s)");
    EXPECT_EQ(outcome.text,
              "FATAL ERROR : \r\n :  t_action : Acceptable values are {SUPPRESS, WITHDRAW}\r\n"
              "FATAL ERROR : \r\n :  t_action : Acceptable values are {ADD, SUPPRESS}\r\n"
              "FATAL ERROR : \r\n :  t_trg_adm_ref_id must be same as t_adm_ref_id for fragment GE06D\r\n");
}

TEST(ValidateNotice, GeographyRunsAfterTheOthersFailed) {
    NoticeRecord r = CleanGs1();
    r.t_adm.clear();
    const auto outcome = ValidateNotice(r, nullptr);
    EXPECT_FALSE(outcome.receivable);
    EXPECT_TRUE(
        outcome.text.starts_with("FATAL ERROR : \r\n :  t_adm is a mandatory value (B)\r\nFATAL ERROR : "));
}

TEST(ValidateNotice, WarningsOnlyStillReceivable) {
    const std::string mapFile = ONDRELL_MAP_FILE;
    if (!std::filesystem::exists(mapFile))
        GTEST_SKIP() << "no world map at " << mapFile;
    std::string error;
    auto map = WorldMap::Load(mapFile, &error);
    ASSERT_TRUE(map) << error;
    NoticeRecord r = CleanGs1();
    r.t_call_sign = "FIP";
    const auto outcome = ValidateNotice(r, &*map);
    EXPECT_TRUE(outcome.receivable) << outcome.text;
    EXPECT_EQ(outcome.caption, "Notice Receivable");
    EXPECT_EQ(
        outcome.text,
        "The notice is receivable\r\nWARNING : \r\n : t_call_sign (3A1) provided but NOT validated.\r\n");
}

} // namespace
} // namespace ondrell
