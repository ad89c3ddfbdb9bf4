// The two date rules, calendar-month addition and the reading of record dates.

#include "validation/validate.h"
#include "validation/values_helpers.h"
#include "validation_test_support.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

using namespace testing_support;
using namespace std::chrono;

const std::string kInUseAfterExpiry = FatalLine(" :  t_d_inuse =< t_d_expiry");
const std::string kInUseTooLate = FatalLine(" :  t_d_inuse must be =< t_date_rcv + 3 months");

struct DateCase {
    const char *name;
    const char *fragment, *inUse, *expiry, *received;
    std::string errors;
};

TEST(ValueDateRules, InUseExpiryAndThreeMonthRule) {
    // Today is 2026-12-05, so three months on is 2027-03-05.
    const DateCase cases[] = {
        {"equal dates pass", "GE06D", "2027-01-01", "2027-01-01", "", ""},
        {"expiry a day early", "GE06D", "2027-01-02", "2027-01-01", "", kInUseAfterExpiry},
        {"expiry in an earlier year", "GE06D", "2027-01-01", "2026-12-31", "", kInUseAfterExpiry},
        {"unpadded parts compare as dates", "GE06D", "2027-2-1", "2027-10-1", "", ""},
        {"Article 5, three months exactly", "NTFD_RR", "2027-03-05", "", "", ""},
        {"Article 5, three months and a day", "NTFD_RR", "2027-03-06", "", "", kInUseTooLate},
        {"Article 4 is not limited", "GE06D", "2027-03-06", "", "", ""},
        {"the Article 5 test is exact", "ntfd_rr", "2027-03-06", "", "", ""},
        {"receipt date replaces today", "NTFD_RR", "2027-03-06", "", "2026-12-06", ""},
        {"receipt date, clipped month end", "NTFD_RR", "2027-03-01", "", "2026-11-30", kInUseTooLate},
        {"both rules", "NTFD_RR", "2027-04-01", "2027-03-31", "", kInUseAfterExpiry + kInUseTooLate},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ValuesResult result = RunValues(Notice("TB5", [&](NoticeRecord &r) {
            r.t_fragment = c.fragment;
            r.t_d_inuse = c.inUse;
            r.t_d_expiry = c.expiry;
            r.t_date_rcv = c.received;
        }));
        EXPECT_EQ(result.errors, c.errors);
        EXPECT_EQ(result.ok, c.errors.empty());
    }
}

TEST(ValueDateRules, EntryPointMeasuresFromToday) {
    const year_month_day limit = AddCalendarMonths(LocalToday(), 3);
    auto text = [](year_month_day d) {
        return std::to_string(static_cast<int>(d.year())) + "-" +
               std::to_string(static_cast<unsigned>(d.month())) + "-" +
               std::to_string(static_cast<unsigned>(d.day()));
    };
    NoticeRecord r = Notice("GS2", [](NoticeRecord &r) { r.t_fragment = "NTFD_RR"; });
    r.t_d_inuse = text(limit);
    std::string errors;
    ValidateNoticeValues(r, errors, "");
    EXPECT_EQ(errors.find("t_date_rcv + 3 months"), std::string::npos);
    r.t_d_inuse = text(sys_days{limit} + days{1});
    errors.clear();
    ValidateNoticeValues(r, errors, "");
    EXPECT_NE(errors.find(kInUseTooLate), std::string::npos);
}

TEST(CalendarMonths, SameDayOrLastDayOfShorterMonth) {
    struct {
        year_month_day from;
        int months;
        year_month_day to;
    } const cases[] = {
        {2026y / 12 / 5, 3, 2027y / 3 / 5},   {2026y / 11 / 30, 3, 2027y / 2 / 28},
        {2027y / 11 / 30, 3, 2028y / 2 / 29}, {2026y / 5 / 31, 3, 2026y / 8 / 31},
        {2026y / 3 / 31, 3, 2026y / 6 / 30},  {2026y / 10 / 31, 3, 2027y / 1 / 31},
    };
    for (const auto &c : cases)
        EXPECT_EQ(AddCalendarMonths(c.from, c.months), c.to);
}

TEST(RecordDates, ReadsYearMonthDayOrNothing) {
    EXPECT_EQ(ReadRecordDate("2027-03-05"), 2027y / 3 / 5);
    EXPECT_EQ(ReadRecordDate("2027-3-5"), 2027y / 3 / 5);
    EXPECT_EQ(ReadRecordDate("2028-02-29"), 2028y / 2 / 29);
    for (const char *bad :
         {"", "2027-02-29", "2027-13-01", "2027-03", "05.03.2027", "2027-03-xx", "2027--05"})
        EXPECT_FALSE(ReadRecordDate(bad).has_value()) << bad;
}

TEST(RecordDates, UnreadableDatesDrawNoFinding) {
    const ValuesResult result = RunValues(Notice("TB5", [](NoticeRecord &r) {
        r.t_fragment = "NTFD_RR";
        r.t_d_inuse = "2099-02-30";
        r.t_d_expiry = "2000-01-01";
    }));
    EXPECT_EQ(result.errors, "");
}

} // namespace
} // namespace ondrell
