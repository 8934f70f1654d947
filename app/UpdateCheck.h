#pragma once
// The rules behind the update check and the about box, apart from windows:
// when a check is due, the updater's command line, and the version text.
#include <cstdint>
#include <ctime>
#include <string>

// The updater's file in the program folder.
inline constexpr char kUpdaterFileName[] = "vantrel.exe";

// The day number of a time: whole days since 1970-01-01 UTC.
int32_t DayNumber(std::time_t seconds);

// Whether a check goes ahead on day: always when forced or never checked
// (lastUpdate 0); otherwise once interval days have passed since the last
// check. A last check dated after day (the clock was set back) does not
// hold checks off until that date comes round again.
bool IsUpdateCheckDue(int32_t lastUpdate, int interval, int32_t day, bool force);

// "\"<folder>\vantrel.exe\"", with " /S" for a silent check. The path is
// quoted so that a folder with spaces cannot start another program.
std::string UpdaterCommandLine(const std::string& folder, bool silent);

// The program file's version as "%d.%d.%d.%d"; false when it has none.
bool GetOwnFileVersion(std::string& text);
// "v" and the version of the program file at path (the running program's
// own when null), or "v1.0" when it has no version information.
std::string AboutVersionText(const char* path = nullptr);
