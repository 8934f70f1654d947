#include "LastModifiedText.h"

#include <cstdio>
#include <ctime>

namespace {

int DayOfYear(const SYSTEMTIME& t) {
    static const int kBefore[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    bool leap = (t.wYear % 4 == 0 && t.wYear % 100 != 0) || t.wYear % 400 == 0;
    return kBefore[(t.wMonth - 1) % 12] + t.wDay + (leap && t.wMonth > 2 ? 1 : 0);
}

std::string Format(const char* pattern, const SYSTEMTIME& t) {
    std::tm parts{};
    parts.tm_year = t.wYear - 1900;
    parts.tm_mon = t.wMonth - 1;
    parts.tm_mday = t.wDay;
    parts.tm_hour = t.wHour;
    parts.tm_min = t.wMinute;
    parts.tm_sec = t.wSecond;
    parts.tm_wday = t.wDayOfWeek;
    parts.tm_yday = DayOfYear(t) - 1;
    char text[64] = {};
    std::strftime(text, sizeof(text), pattern, &parts);
    return text;
}

std::string Ago(int count, const char* unit) {
    char text[64];
    std::snprintf(text, sizeof(text), "%d %s%s ago", count, unit, count == 1 ? "" : "s");
    return text;
}

int Compare(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    FILETIME fa, fb;
    ::SystemTimeToFileTime(&a, &fa);
    ::SystemTimeToFileTime(&b, &fb);
    return ::CompareFileTime(&fa, &fb);
}

}  // namespace

std::string LastModifiedText(DATE time, const SYSTEMTIME& now) {
    if (time == 0) return std::string();
    SYSTEMTIME t{};
    if (!::VariantTimeToSystemTime(time, &t)) return "Invalid DateTime";
    const char* full = "%#m/%#d/%Y %#I:%M %p";
    int dayDifference = DayOfYear(now) - DayOfYear(t);
    if (t.wYear != now.wYear || dayDifference > 1 || dayDifference < 0 || Compare(t, now) > 0)
        return Format(full, t);
    if (dayDifference == 1) return "Yesterday, " + Format("%#I:%M %p", t);
    if (t.wHour != now.wHour) return Ago(now.wHour - t.wHour, "hour");
    if (t.wMinute != now.wMinute) return Ago(now.wMinute - t.wMinute, "minute");
    if (t.wSecond != now.wSecond) return Ago(now.wSecond - t.wSecond, "second");
    return Format(full, t);
}

ColumnWidths ComputeColumnWidths(int w, bool hasPath, bool hasTime) {
    ColumnWidths widths;
    if (hasPath && hasTime) {
        widths.name = w * 30 / 100;
        widths.path = w * 45 / 100;
        widths.time = w - widths.name - widths.path;
    } else if (hasTime) {
        widths.name = w * 75 / 100;
        widths.time = w - widths.name;
    } else if (hasPath) {
        widths.name = w * 35 / 100;
        widths.path = w - widths.name;
    } else {
        widths.name = w;
    }
    return widths;
}
