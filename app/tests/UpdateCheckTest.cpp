// The update check's rules: when a check is due, the updater's command line
// and the about box's version text.
#include <gtest/gtest.h>

#include <string>

#include "TempFolder.h"
#include "UpdateCheck.h"

namespace {

TEST(UpdateCheck, DueByDaysSinceTheLastCheck) {
    const struct {
        int32_t lastUpdate;
        int interval;
        int32_t day;
        bool force, due;
    } rows[] = {
        {0, 3, 20000, false, true},       // never checked
        {20000, 3, 20000, false, false},  // the same day
        {20000, 1, 20000, false, false},
        {20000, 1, 20001, false, true},
        // Days 19999, 20000 and 20001 after a check on 19998, interval 3.
        {19998, 3, 19999, false, false},
        {19998, 3, 20000, false, false},
        {19998, 3, 20001, false, true},
        // Any weekday: a weekly check is not tied to days divisible by 7.
        {20000, 7, 20006, false, false},
        {20000, 7, 20007, false, true},
        {20000, 7, 20100, false, true},
        {20000, 30, 20029, false, false},
        {20000, 30, 20030, false, true},
        // A last check in the future (the clock was set back).
        {20005, 3, 20000, false, true},
        // Forced: always, the same day too.
        {20000, 3, 20000, true, true},
        {20000, 30, 20001, true, true},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.due, IsUpdateCheckDue(row.lastUpdate, row.interval, row.day, row.force))
            << row.lastUpdate << " " << row.interval << " " << row.day << " " << row.force;
}

TEST(UpdateCheck, DayNumbersCountWholeDaysOfUtc) {
    EXPECT_EQ(0, DayNumber(0));
    EXPECT_EQ(0, DayNumber(86399));
    EXPECT_EQ(1, DayNumber(86400));
    EXPECT_EQ(20000, DayNumber(20000LL * 86400 + 43200));
}

TEST(UpdateCheck, TheUpdaterPathIsQuoted) {
    EXPECT_EQ("\"C:\\Program Files\\Tarnwick\\vantrel.exe\" /S", UpdaterCommandLine("C:\\Program Files\\Tarnwick", true));
    EXPECT_EQ("\"C:\\T\\vantrel.exe\"", UpdaterCommandLine("C:\\T", false));
}

TEST(UpdateCheck, VersionTextOfTheProgramFile) {
    std::string version = "untouched";
    ASSERT_TRUE(GetOwnFileVersion(version));
    EXPECT_EQ("1.2.3.4", version);
    EXPECT_EQ("v1.2.3.4", AboutVersionText());

    TempFolder folder;
    folder.Write("plain.exe", "MZ no resources");
    EXPECT_EQ("v1.0", AboutVersionText(folder.File("plain.exe").c_str()));
    EXPECT_EQ("v1.0", AboutVersionText(folder.File("missing.exe").c_str()));
}

}  // namespace
